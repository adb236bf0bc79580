// Reads a text file the way the Windows C runtime's text mode does, on every platform.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The whole file with CR LF turned into LF and everything from a Ctrl+Z on dropped; no value when
// the file cannot be opened or read.
std::optional<std::string> readTextFile(const std::string& path);

// Reads lines as a bounded line read of (capacity - 1) characters does: each read stops after a
// newline or after that many characters, and the newline that was read is cut off.
class BoundedLineReader {
public:
    BoundedLineReader(const std::string& text, int capacity) : text_(text), capacity_(capacity) {}
    // False at the end of the text, with nothing read.
    bool next(std::string& line);

private:
    const std::string& text_;
    int capacity_;
    std::size_t position_ = 0;
};

// Runs of non-white-space characters, at most maxTokens of them, each cut to maxLength characters.
std::vector<std::string> splitTokens(const std::string& text, std::size_t maxTokens, std::size_t maxLength);
