// Text-mode reading done by hand, so glibc and the Windows runtime read the market files alike.
#include "model/TextFile.h"

#include <cstdio>

namespace {
constexpr char kEndOfFileMark = '\x1a';

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// C stdio rather than a stream: a folder in the file's place fails to open (Windows) or to read (glibc)
// instead of throwing, so both builds report it as a file that could not be opened.
std::optional<std::string> readRawFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string raw;
    char chunk[4096];
    std::size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) raw.append(chunk, read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return raw;
}
}  // namespace

std::optional<std::string> readTextFile(const std::string& path) {
    const std::optional<std::string> file = readRawFile(path);
    if (!file) return std::nullopt;
    const std::string& raw = *file;

    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == kEndOfFileMark) break;
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        text += raw[i];
    }
    return text;
}

bool BoundedLineReader::next(std::string& line) {
    line.clear();
    if (position_ >= text_.size()) return false;
    const std::size_t limit = capacity_ > 1 ? static_cast<std::size_t>(capacity_ - 1) : 0;
    while (position_ < text_.size() && line.size() < limit) {
        const char c = text_[position_++];
        if (c == '\n') return true;
        line += c;
    }
    return true;
}

std::vector<std::string> splitTokens(const std::string& text, std::size_t maxTokens, std::size_t maxLength) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (tokens.size() < maxTokens) {
        while (i < text.size() && isBlank(text[i])) ++i;
        if (i >= text.size()) break;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        // An over-long token is one date written too wide: keep its start, drop the rest.
        tokens.push_back(text.substr(start, std::min(i - start, maxLength)));
    }
    return tokens;
}
