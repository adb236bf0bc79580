// Deterministic generator of Tickerdell's market files: the company list, each share's price history and
// the list of dates those histories cover.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace marketgen {

inline constexpr int kShareCount = 50;
inline constexpr int kRecordCount = 1400;
// The newest price record has no date of its own, so the date list is one shorter than each history.
inline constexpr int kDateCount = kRecordCount - 1;

// The seed the shipped game files are built from.
inline constexpr std::uint64_t kDefaultSeed = 0x7469636B6564656CULL;

// Writes SHARES.NMS (the names in name order), SHistory/01.new .. SHistory/50.new (each listed name's
// history), SHistory/dates and an empty THistory folder into outDir, creating folders as needed. The
// same seed always yields the same bytes on every machine. Returns false and describes the problem in
// `error` when something cannot be written.
bool writeMarketFiles(const std::filesystem::path& outDir, std::uint64_t seed, std::string& error);

}  // namespace marketgen
