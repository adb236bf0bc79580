// Scratch market folders for the core tests.
#include "tests/core/TestFolder.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

MarketFolder::MarketFolder() : previous_(std::filesystem::current_path()) {
    static std::atomic<int> serial{0};
    const auto stamp =
        std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" + std::to_string(++serial);
    root_ = std::filesystem::temp_directory_path() / ("tickerdell_test_" + stamp);
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "SHistory");
    std::filesystem::current_path(root_);
}

MarketFolder::~MarketFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(root_, ignored);
}

void MarketFolder::writeFile(const std::string& relativePath, const std::string& bytes) const {
    const auto full = root_ / relativePath;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << bytes;
}

std::string littleEndian(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void MarketFolder::writeHistory(int shareNumber, const std::vector<double>& prices,
                                const std::string& tail) const {
    std::string bytes;
    for (double price : prices) bytes += littleEndian(price);
    char name[32];
    std::snprintf(name, sizeof name, "SHistory/%02d.new", shareNumber + 1);
    writeFile(name, bytes + tail);
}

double marketPrice(int shareNumber, int record) {
    return shareNumber + 1 + record / 1000.0;
}

std::vector<double> rampPrices(int shareNumber, int records) {
    std::vector<double> prices;
    for (int k = 0; k < records; ++k) prices.push_back(marketPrice(shareNumber, k));
    return prices;
}

void MarketFolder::writeMarket(int records, int dates) const {
    std::string names;
    for (int s = 0; s < 50; ++s) names.append("Company ").append(std::to_string(s)).append("\r\n");
    writeFile("SHARES.NMS", names);
    for (int s = 0; s < 50; ++s) writeHistory(s, rampPrices(s, records));
    std::string dateText;
    for (int d = 0; d < dates; ++d) dateText.append("D").append(std::to_string(d)).append("\r\n");
    writeFile("SHistory/dates", dateText);
}
