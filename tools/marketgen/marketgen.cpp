// Command-line front end: writes Tickerdell's market files into a folder.
//
//   marketgen <outdir> [seed]
//
// The seed is an unsigned 64-bit number (decimal, or hexadecimal with a 0x prefix); without it the seed
// the shipped game uses is taken.

#include "MarketGenerator.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

bool parseSeed(const std::string& text, std::uint64_t& seed) {
    // strtoull quietly accepts a leading minus sign and wraps it round; a seed like that is a typo.
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (errno != 0 || end != text.c_str() + text.size()) return false;
    seed = static_cast<std::uint64_t>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: marketgen <outdir> [seed]\n";
        return 2;
    }
    std::uint64_t seed = marketgen::kDefaultSeed;
    if (argc == 3 && !parseSeed(argv[2], seed)) {
        std::cerr << "marketgen: seed must be an unsigned 64-bit number, not '" << argv[2] << "'\n";
        return 2;
    }
    std::string error;
    if (!marketgen::writeMarketFiles(argv[1], seed, error)) {
        std::cerr << "marketgen: " << error << '\n';
        return 1;
    }
    return 0;
}
