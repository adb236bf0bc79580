// The help file's path, worked out from the program's own path.
#include "runtime/HelpFilePath.h"

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

std::string helpPageAddress(const std::string& programPath, int context) {
    const std::size_t folderEnd = programPath.find_last_of('\\');
    std::string address = "file:///";
    const std::string folder = folderEnd == std::string::npos ? "" : programPath.substr(0, folderEnd + 1);
    for (char c : folder + kHelpPageName) {
        if (c == '\\')
            address += '/';
        else if (c == ' ')
            address += "%20";
        else
            address += c;
    }
    if (context > 0) address += "#ctx" + std::to_string(context);
    return address;
}
