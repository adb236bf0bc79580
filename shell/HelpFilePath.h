// Finding the help file beside the program.
#pragma once

#include <functional>
#include <string>

constexpr const char* kHelpFileName = "project.hlp";

// "project.hlp" in the program's folder when a file of that path exists, else the bare name so the
// help viewer searches for it in its usual places.
std::string helpFilePathFor(const std::string& programPath,
                            const std::function<bool(const std::string&)>& fileExists);
