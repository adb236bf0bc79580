// The help file's path, worked out from the program's own path.
#include "runtime/HelpFilePath.h"

namespace {
// Code page 1252's bytes 0x80 to 0x9F; the five it leaves undefined stand for the same code points, as
// Windows reads them.
constexpr char16_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
}

// Browsers read an escaped byte of a file address as UTF-8, so a path's characters go that way.
std::string utf8Of(char32_t c) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

// Letters, digits and "-._~" stand for themselves anywhere in an address; "/" and the drive's ":" are
// kept for what they mean. Everything else, "#" and "%" above all, is escaped.
bool standsForItself(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
           byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == '/' || byte == ':';
}

std::string escaped(unsigned char byte) {
    constexpr const char* kHex = "0123456789ABCDEF";
    return {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
}
}  // namespace

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
    const std::string folder = folderEnd == std::string::npos ? "" : programPath.substr(0, folderEnd + 1);
    std::string address = "file:///";
    for (char c : folder + kHelpPageName) {
        for (char byte : utf8Of(codePointOf(static_cast<unsigned char>(c == '\\' ? '/' : c)))) {
            const auto unsignedByte = static_cast<unsigned char>(byte);
            address += standsForItself(unsignedByte) ? std::string(1, byte) : escaped(unsignedByte);
        }
    }
    if (context > 0) address += "#ctx" + std::to_string(context);
    return address;
}
