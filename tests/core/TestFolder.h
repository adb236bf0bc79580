// A scratch folder laid out like the game's, made current for the length of a test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class MarketFolder {
public:
    MarketFolder();
    ~MarketFolder();
    MarketFolder(const MarketFolder&) = delete;
    MarketFolder& operator=(const MarketFolder&) = delete;

    void writeFile(const std::string& relativePath, const std::string& bytes) const;
    void writeHistory(int shareNumber, const std::vector<double>& prices, const std::string& tail = "") const;
    // Fifty shares "Company 0" ... with histories of the given length (price of record k: share + 1 +
    // k / 1000) and dates D0 ... D(dates - 1).
    void writeMarket(int records = 1400, int dates = 1399) const;

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// Record k of a share in writeMarket's data.
double marketPrice(int shareNumber, int record);
std::vector<double> rampPrices(int shareNumber, int records);

// The eight little-endian bytes of a double, and a whole file's bytes.
std::string littleEndian(double value);
std::string fileBytes(const std::string& path);
