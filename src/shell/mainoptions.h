#pragma once

#include "platform/settingsstore.h"
#include "watchlist/watchentry.h"

#include <QString>

#include <optional>

namespace td {

// The main window's options as the settings store keeps them, with their
// defaults. Texts stay texts where the window shows them in a text box.
struct MainOptions
{
    QString enhanceListbox = QStringLiteral("SMALL");
    int bank = 1;
    double mainLeft = 0; // twips
    double mainTop = 0;
    bool autoCheck = false;
    bool autoClear = true;
    bool autoRefresh = false;
    bool quoteColorBold = false;
    QString maxMinChange = QStringLiteral("20");
    bool markMinMaxChange = false;
    QString realTimeRefresh = QStringLiteral("60000");
    QString tickerFile;
    QString showAllQuotesSilent = QStringLiteral("20000");
    QString autoReload = QStringLiteral("60000");
    int history = 3;
    int tabDataIndex = 0;
    bool toolTip = false;
    bool lblToolTip = true;
    int toolTipTransparence = 200;
    bool autoMarkLast = false;
    bool autoGetOnlineQuotes = false;
    bool mobile = false;
    QString searchDest = QStringLiteral("Comdirect");
    QString lstItemsBackcolor = QStringLiteral("ffffff");
    // Read at the first activation.
    int benefits = 0;
    bool showIndicesSmallWindow = true;
    // A desktop notification when an entry enters the alarm state.
    bool notify = true;
    // Pages the batch check loads at once.
    int parallelPages = 1;
};

inline constexpr int kHistoryChoices = 6;

// What the numeric option boxes let the user type: the intervals in whole
// milliseconds, the threshold in percent also with a decimal comma.
inline constexpr char kIntervalPattern[] = "[0-9]{1,9}";
inline constexpr char kThresholdPattern[] = "[0-9]{1,9}(,[0-9]{1,4})?";
// A stored option text that is a number ("20", " 5000 ", "12.5", "7,5").
bool isNumberText(const QString& text);

// Start-up reading, in the store's key order. A text that does not convert
// leaves the value as it was in `previous`.
MainOptions readMainOptions(const SettingsStore& store, MainOptions previous = {});
// The two keys the first activation reads.
void readActivationOptions(const SettingsStore& store, MainOptions& options);

struct ShutdownState
{
    bool minimised = false;
    bool indexWindowOpen = false;
};
// Shutdown writing, in its fixed order.
void writeMainOptions(SettingsStore& store, const MainOptions& options, const ShutdownState& state);

// "ff0000" -> 0xff0000 (red in the low byte); empty when not hexadecimal.
std::optional<unsigned> parseListColour(const QString& text);
// Months of each history choice.
int historyMonths(int choice);

// Major "." minor "#0" "." revision "###" ".0859".
QString programVersionText(int major, int minor, int revision);

} // namespace td
