#include "MarketGenerator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <numeric>
#include <string>
#include <system_error>
#include <vector>

// The game reads day index d (0 = newest dated day, counting backwards) from price record
// kRecordCount - 3 - d and from date entry kDateCount - 2 - d. Both are 1397 - d, so price record k and date
// token k always describe the same day. Record 1398 / date 1398 are day index -1 and record 1399, which has
// no date, is day index -2.
//
// Every price is computed with integer arithmetic only; the sole floating-point operation is the final
// correctly rounded division by 400 that turns a count of quarter pennies into pounds. That keeps the output
// bit-identical whatever the compiler, optimisation flags or C library.

namespace marketgen {
namespace {

static_assert(std::numeric_limits<double>::is_iec559, "history files hold IEEE-754 doubles");

enum Sector { Mining, Brewing, Banking, Shipping, Retail, Engineering, Oil, Textiles, Property, Electronics };
constexpr int kSectorCount = 10;

struct Company {
    const char* name;
    Sector sector;
    std::int64_t startPence;
    std::int64_t dailyVolatilityPpm;
};

// The walk runs over the companies in this order, so each company's history stays the same whatever
// order the files list them in. Share 0 decides which days are trading days in the game, so it is the
// largest and calmest company; its name also sorts first, so it is listed first too.
constexpr std::array<Company, kShareCount> kCompanies{{
    {"Aldermoor Bank", Banking, 640, 6000},       {"Brackenridge Tin", Mining, 85, 22000},
    {"Ottery Maltings", Brewing, 310, 11000},     {"Tarrant Shipping", Shipping, 225, 16000},
    {"Pimbury Stores", Retail, 460, 12000},       {"Kessock Turbines", Engineering, 1250, 13000},
    {"Fairhaven Oil", Oil, 1875, 15000},          {"Calderbank Mills", Textiles, 62, 18000},
    {"Lydgate Estates", Property, 780, 12000},    {"Vantrell Systems", Electronics, 2400, 20000},
    {"Threlkeld & Moss", Banking, 2250, 9000},    {"Carn Dhu Minerals", Mining, 24, 26000},
    {"Fennick Brewery", Brewing, 940, 10000},     {"Morwenna Lines", Shipping, 48, 21000},
    {"Hollings & Crane", Retail, 195, 14000},     {"Dunmore Castings", Engineering, 72, 17000},
    {"Broch Petroleum", Oil, 530, 19000},         {"Pellinor Gold", Mining, 140, 25000},
    {"Loomfield Cotton", Textiles, 115, 16000},   {"Orchardleigh Land", Property, 1560, 13000},
    {"Telmarc Devices", Electronics, 370, 21000}, {"Ashcombe Finance", Banking, 280, 12000},
    {"Haddow & Lisle", Brewing, 3600, 8000},      {"Gullhaven Ferries", Shipping, 105, 17000},
    {"Quenby Drapers", Retail, 36, 19000},        {"Holtby Pumps", Engineering, 415, 14000},
    {"Skerry Offshore", Oil, 58, 25000},          {"Quarrendon Wool", Textiles, 240, 15000},
    {"Fernhallow Homes", Property, 95, 18000},    {"Brightwire Radio", Electronics, 31, 24000},
    {"Pemberton Mutual", Banking, 1120, 9000},    {"Wexmoor Collieries", Mining, 20, 23000},
    {"Stourgate Ales", Brewing, 170, 13000},      {"Corrib Tankers", Shipping, 690, 18000},
    {"Marlow & Penhale", Retail, 2140, 11000},    {"Sedgewick Forge", Engineering, 44, 19000},
    {"Merrow Petroleum", Oil, 2650, 14000},       {"Threadgold Linen", Textiles, 27, 20000},
    {"Dunsop Property", Property, 335, 15000},    {"Cobalt Circuits", Electronics, 860, 22000},
    {"Glenarrow Spirits", Brewing, 1380, 10000},  {"Scarth Copper", Mining, 205, 22000},
    {"Kirkmoor Savings", Banking, 88, 11000},     {"Saltings Dockyard", Shipping, 33, 20000},
    {"Varley Grocers", Retail, 52, 16000},        {"Avonside Gears", Engineering, 1700, 12000},
    {"Anvil Point Oil", Oil, 260, 22000},         {"Haworth Spinners", Textiles, 575, 14000},
    {"Wychcombe Estates", Property, 2725, 14000}, {"Ostrell Electronic", Electronics, 66, 24000},
}};

// The game opens on record 1137 and shows record 1136 as the previous day; both must be trading days.
constexpr int kGameStartRecord = 1137;
constexpr int kPreviousDayRecord = 1136;
// A mid-sized gold miner is suspended for four trading days shortly after the game opens.
constexpr int kSuspendedShare = 17;
constexpr int kSuspensionFirstRecord = 1142;
constexpr int kSuspensionLastRecord = 1145;

// The first listed day; it must be a Monday. The second Monday of 1993 keeps the spring bank holiday of
// 1997 clear of the suspension.
constexpr int kStartYear = 1993, kStartMonth = 1, kStartDay = 11;

// Prices are tracked in hundred-millionths of a pound so integer rounding stays far below a quarter penny.
constexpr std::int64_t kUnitsPerPenny = 1000000;
constexpr std::int64_t kUnitsPerQuarterPenny = kUnitsPerPenny / 4;
constexpr std::int64_t kLowestUnits = 2 * kUnitsPerPenny;
constexpr std::int64_t kHighestUnits = 9900 * kUnitsPerPenny;
constexpr std::int64_t kPpm = 1000000;

// A sudden market-wide fall over a few trading days followed by a slow climb back.
struct MarketEvent {
    int firstRecord;
    int fallDays;
    std::int64_t fallPpm;
    int recoveryDays;
    std::int64_t recoveryPpm;
};
constexpr MarketEvent kCrash{690, 4, -75000, 220, 1400};
// A milder scare inside the part of the history the player lives through.
constexpr MarketEvent kLateShock{1262, 3, -42000, 110, 1100};

constexpr std::int64_t kMarketDriftPpm = 80;
constexpr std::int64_t kMarketVolatilityPpm = 6000;
constexpr std::int64_t kSectorVolatilityPpm = 5000;

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // splitmix64: tiny, fast and fully specified, so every platform produces the same stream.
    std::uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::int64_t between(std::int64_t low, std::int64_t high) {
        return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

    // The sum of four uniform 16-bit values is close enough to a bell curve for daily price moves.
    // Four such values have a standard deviation of 37837, which scales the result to `sd`.
    std::int64_t bell(std::int64_t sd) {
        std::int64_t sum = 0;
        for (int i = 0; i < 4; ++i) sum += static_cast<std::int64_t>(next() >> 48);
        return (sum - 131070) * sd / 37837;
    }

private:
    std::uint64_t state_;
};

struct CalendarDay {
    std::string token;
    bool holiday;
};

int daysInMonth(int year, int month) {
    static const std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

int dayOfYear(int year, int month, int day) {
    int total = day;
    for (int m = 1; m < month; ++m) total += daysInMonth(year, m);
    return total;
}

constexpr std::array<int, 12> kWeekdayOffsets{0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};

// 0 = Monday .. 6 = Sunday (Sakamoto's method, which counts from Sunday).
constexpr int weekdayOf(int year, int month, int day) {
    const int y = month < 3 ? year - 1 : year;
    return (y + y / 4 - y / 100 + y / 400 + kWeekdayOffsets[month - 1] + day + 6) % 7;
}
static_assert(weekdayOf(kStartYear, kStartMonth, kStartDay) == 0, "the first listed day must be a Monday");

// Easter Sunday as a day of the year (the anonymous Gregorian computus).
int easterDayOfYear(int year) {
    const int a = year % 19, b = year / 100, c = year % 100;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - b / 4 - g + 15) % 30;
    const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return dayOfYear(year, month, day);
}

// English bank holidays; a holiday falling on a weekend moves to the following Monday (or Tuesday).
bool isBankHoliday(int year, int month, int day, int weekday) {
    if (month == 1) return day == 1 || (weekday == 0 && (day == 2 || day == 3));
    if (month == 12) return day == 25 || day == 26 || ((day == 27 || day == 28) && weekday <= 1);
    if (weekday == 0 && ((month == 5 && day <= 7) || ((month == 5 || month == 8) && day >= 25))) return true;
    const int easter = easterDayOfYear(year);
    const int today = dayOfYear(year, month, day);
    return today == easter - 2 || today == easter + 1;
}

std::string twoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string dateToken(int year, int month, int day) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return twoDigits(day) + "-" + months[month - 1] + "-" + twoDigits(year % 100);
}

// One entry per price record: every Monday to Friday from the start date on.
std::vector<CalendarDay> buildCalendar() {
    std::vector<CalendarDay> calendar;
    int year = kStartYear, month = kStartMonth, day = kStartDay;
    while (static_cast<int>(calendar.size()) < kRecordCount) {
        const int weekday = weekdayOf(year, month, day);
        if (weekday < 5)
            calendar.push_back({dateToken(year, month, day), isBankHoliday(year, month, day, weekday)});
        if (++day > daysInMonth(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return calendar;
}

bool checkCalendar(const std::vector<CalendarDay>& calendar, std::string& error) {
    for (int record = kPreviousDayRecord; record <= kSuspensionLastRecord; ++record) {
        const bool mustTrade = record <= kGameStartRecord || record >= kSuspensionFirstRecord;
        if (mustTrade && calendar[record].holiday) {
            error = "record " + std::to_string(record) + " must be a trading day but is a holiday";
            return false;
        }
    }
    return true;
}

// Extra market-wide return on each record; an event counts only trading days so holidays cannot dilute it.
std::vector<std::int64_t> scheduleEvents(const std::vector<CalendarDay>& calendar) {
    std::vector<std::int64_t> extra(kRecordCount, 0);
    for (const MarketEvent& event : {kCrash, kLateShock}) {
        int done = 0;
        for (int record = event.firstRecord;
             record < kRecordCount && done < event.fallDays + event.recoveryDays; ++record) {
            if (calendar[record].holiday) continue;
            extra[record] += done < event.fallDays ? event.fallPpm : event.recoveryPpm;
            ++done;
        }
    }
    return extra;
}

// A gentle pull back towards a share's opening level keeps the spread of prices from drifting into the
// edges of the band over the years while still letting trends run for months.
std::int64_t reversionPpm(std::int64_t units, std::int64_t anchorUnits) {
    return std::clamp<std::int64_t>((1000 - units * 1000 / anchorUnits) / 3, -800, 800);
}

// Moves a price by a return in parts per million and bounces it back off the edges of the allowed band.
std::int64_t applyReturn(std::int64_t units, std::int64_t returnPpm) {
    units += units * returnPpm / kPpm;
    if (units < kLowestUnits) units = 2 * kLowestUnits - units;
    if (units > kHighestUnits) units = 2 * kHighestUnits - units;
    return std::clamp(units, kLowestUnits, kHighestUnits);
}

double toPounds(std::int64_t units) {
    const std::int64_t quarterPennies = (units + kUnitsPerQuarterPenny / 2) / kUnitsPerQuarterPenny;
    // Reading the divisor through a volatile stops -ffast-math style builds from swapping the correctly
    // rounded division for a multiplication by an inexact reciprocal, which would change the output bytes.
    static volatile double quarterPenniesPerPound = 400.0;
    return static_cast<double>(quarterPennies) / quarterPenniesPerPound;
}

using PriceTable = std::vector<std::vector<double>>;

struct Walk {
    std::vector<std::int64_t> units, anchors, trendPpm;
    std::array<std::int64_t, kSectorCount> sectorTrendPpm{};
    std::int64_t resumeJumpPpm = 0;
};

Walk startWalk(Rng& rng) {
    Walk walk;
    for (const Company& company : kCompanies) {
        walk.units.push_back(company.startPence * kUnitsPerPenny * rng.between(900, 1100) / 1000);
        walk.trendPpm.push_back(rng.between(-300, 350));
    }
    walk.anchors = walk.units;
    for (auto& trend : walk.sectorTrendPpm) trend = rng.between(-250, 250);
    // News during the suspension moves the price sharply when trading resumes.
    walk.resumeJumpPpm = rng.between(80000, 160000) * (rng.next() % 2 == 0 ? 1 : -1);
    return walk;
}

// Moves every share on by one trading day: market, sector, trend and the company's own news all add up.
void tradeDay(Walk& walk, Rng& rng, int record, std::int64_t eventPpm, PriceTable& prices) {
    const std::int64_t marketPpm = kMarketDriftPpm + rng.bell(kMarketVolatilityPpm) + eventPpm;
    std::array<std::int64_t, kSectorCount> sectorPpm{};
    for (int sector = 0; sector < kSectorCount; ++sector)
        sectorPpm[sector] = walk.sectorTrendPpm[sector] + rng.bell(kSectorVolatilityPpm);
    for (int share = 0; share < kShareCount; ++share) {
        const Company& company = kCompanies[share];
        std::int64_t ppm = marketPpm + sectorPpm[company.sector] + walk.trendPpm[share] +
                           reversionPpm(walk.units[share], walk.anchors[share]) +
                           rng.bell(company.dailyVolatilityPpm);
        if (share == kSuspendedShare && record == kSuspensionLastRecord + 1) ppm += walk.resumeJumpPpm;
        walk.units[share] = applyReturn(walk.units[share], ppm);
        const bool suspended =
            share == kSuspendedShare && record >= kSuspensionFirstRecord && record <= kSuspensionLastRecord;
        if (!suspended) prices[share][record] = toPounds(walk.units[share]);
    }
}

// Holidays keep their 0.0 in every history and do not move the walk.
PriceTable buildPrices(const std::vector<CalendarDay>& calendar, std::uint64_t seed) {
    Rng rng(seed);
    Walk walk = startWalk(rng);
    const std::vector<std::int64_t> events = scheduleEvents(calendar);
    PriceTable prices(kShareCount, std::vector<double>(kRecordCount, 0.0));
    for (int record = 0; record < kRecordCount; ++record) {
        if (!calendar[record].holiday) tradeDay(walk, rng, record, events[record], prices);
    }
    return prices;
}

using ListingOrder = std::array<int, kShareCount>;

// The files list the companies by name, compared byte by byte as the share index sorts them, so the
// index opens in the order its checked "Alphabetical" button says. Listed share n's history file is
// that company's own.
ListingOrder listingOrder() {
    ListingOrder order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return std::strcmp(kCompanies[a].name, kCompanies[b].name) < 0; });
    return order;
}

std::string namesFile(const ListingOrder& order) {
    std::string text;
    for (int company : order) text += std::string(kCompanies[company].name) + "\r\n";
    return text;
}

// Little-endian bytes are written one at a time so the file layout never depends on the host.
std::string historyFile(const std::vector<double>& prices) {
    std::string bytes;
    bytes.reserve(prices.size() * 8);
    for (double price : prices) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &price, sizeof bits);
        for (int i = 0; i < 8; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    return bytes;
}

std::string datesFile(const std::vector<CalendarDay>& calendar) {
    std::string text;
    for (int record = 0; record < kDateCount; ++record) text += calendar[record].token + "\r\n";
    return text;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

bool makeFolder(const std::filesystem::path& path, std::string& error) {
    std::error_code code;
    std::filesystem::create_directories(path, code);
    if (code || !std::filesystem::is_directory(path)) {
        error = "cannot create folder " + path.string() + (code ? ": " + code.message() : "");
        return false;
    }
    return true;
}

}  // namespace

bool writeMarketFiles(const std::filesystem::path& outDir, std::uint64_t seed, std::string& error) {
    const std::vector<CalendarDay> calendar = buildCalendar();
    if (!checkCalendar(calendar, error)) return false;
    const std::filesystem::path historyDir = outDir / "SHistory";
    if (!makeFolder(historyDir, error) || !makeFolder(outDir / "THistory", error)) return false;
    const ListingOrder order = listingOrder();
    if (!writeFile(outDir / "SHARES.NMS", namesFile(order), error)) return false;
    const PriceTable prices = buildPrices(calendar, seed);
    for (int listed = 0; listed < kShareCount; ++listed) {
        const std::string file = twoDigits(listed + 1) + ".new";
        if (!writeFile(historyDir / file, historyFile(prices[order[listed]]), error)) return false;
    }
    return writeFile(historyDir / "dates", datesFile(calendar), error);
}

}  // namespace marketgen
