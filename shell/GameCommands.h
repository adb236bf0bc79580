// The main window's commands and the main screen's texts, free of any window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/GameModel.h"
#include "resources/resource.h"
#include "views/Ticker.h"

enum class GameCommand {
    MessageToAdministrator = IDM_MESSAGE_TO_ADMIN,
    Exit = IDM_EXIT,
    RingTheBroker = IDM_RING_THE_BROKER,
    Portfolio = IDM_PORTFOLIO,
    Options = IDM_OPTIONS,
    News = IDM_NEWS,
    TopEarners = IDM_TOP_EARNERS,
    TransactionHistory = IDM_TRANSACTION_HISTORY,
    PopularShares = IDM_POPULAR_SHARES,
    HelpContents = IDM_HELP_CONTENTS,
    HelpOnHelp = IDM_HELP_ON_HELP,
    About = IDM_ABOUT,
    DeletePendingTransactions = IDM_DELETE_PENDING,
};

// The command a command id stands for; none for an id the dispatcher does not handle.
std::optional<GameCommand> gameCommandFor(int commandId);

// The question asked before quitting; pending orders would be lost, so they get the sterner one.
const char* quitQuestion(bool ordersPending);

// ---- the main screen's texts and the deletion of every pending order ----

constexpr const char* kPendingMarker = "[Pending transactions]";
constexpr const char* kDeleteAllQuestion = "Are you sure you want to delete ALL pending transactions ?";
constexpr const char* kNothingToDelete = "There are no pending transactions to delete";

// "Todays Date : " and the current day's date text.
std::string dateLineText(const GameModel& model);

// Cancels every pending order, giving back what booking took, then packs the holdings; answers how
// many orders were cancelled.
int cancelAllPendingOrders(GameModel& model);

// Where the main screen draws its two texts: a dark shadow, then the bright text one pixel down-right.
struct ShadowedText {
    int x;
    int y;
};
constexpr ShadowedText kMarkerAt{20, 14};
constexpr ShadowedText kDateAt{470, 14};
constexpr uint32_t kTextShadowRgb = 0x7A7A00;  // red 122, green 122, blue 0
constexpr uint32_t kTextRgb = 0xFFFF00;        // red 255, green 255, blue 0

// The ticker board painted in the title picture: two rows of 23 pixels from (28, 280), written in
// "Courier New" bold, each name followed by its mark.
constexpr int kTickerLeft = 28;
constexpr int kTickerTop = 280;
constexpr int kTickerRowHeight = 23;
constexpr int kTickerFontHeight = -15;
constexpr TickerRows kTickerRows{.count = 2, .width = 583, .markWidth = 9, .markGap = 5, .itemGap = 22};
constexpr uint32_t kTickerNameRgb = 0xFFAA1C;   // amber
constexpr uint32_t kTickerRoseRgb = 0x5CE27C;   // green
constexpr uint32_t kTickerFellRgb = 0xF05446;   // red
constexpr uint32_t kTickerLevelRgb = 0xA0A0A0;  // grey
