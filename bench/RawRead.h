// The benchmarks' yardstick: a file read whole into memory, nothing parsed.
#pragma once

#include <cstdio>
#include <string>

// Answers how many bytes were read (files here are all below 64 KiB); 0 when the file is missing.
inline std::size_t readWhole(const std::string& path) {
    static char buffer[1 << 16];
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    const std::size_t bytes = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    return bytes;
}
