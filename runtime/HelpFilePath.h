// Finding the help file beside the program.
#pragma once

#include <functional>
#include <string>

constexpr const char* kHelpFileName = "project.hlp";
// The same help as one web page beside the program, for systems without a viewer for the help file.
constexpr const char* kHelpPageName = "help.html";

// "project.hlp" in the program's folder when a file of that path exists, else the bare name so the
// help viewer searches for it in its usual places.
std::string helpFilePathFor(const std::string& programPath,
                            const std::function<bool(const std::string&)>& fileExists);

// The web page's address for a help request: "file:///" and the page beside the program, with the
// topic's anchor ("#ctx20001") when the request names a context number. The path's characters (code
// page 1252) are escaped as UTF-8 wherever an address cannot hold them as they are, so a folder named
// with "#", "%", a space or a "£" still opens the page.
std::string helpPageAddress(const std::string& programPath, int context);
