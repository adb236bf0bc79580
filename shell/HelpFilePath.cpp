// The help file's path, worked out from the program's own path.
#include "shell/HelpFilePath.h"

std::string helpFilePathFor(const std::string& programPath,
                            const std::function<bool(const std::string&)>& fileExists) {
    // A backslash in the very first place would leave no folder name, so the search stops before it.
    for (std::size_t i = programPath.size(); i-- > 1;) {
        if (programPath[i] != '\\') continue;
        const std::string besideProgram = programPath.substr(0, i + 1) + kHelpFileName;
        return fileExists(besideProgram) ? besideProgram : kHelpFileName;
    }
    return kHelpFileName;
}
