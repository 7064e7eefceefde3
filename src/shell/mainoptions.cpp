#include "shell/mainoptions.h"

#include "platform/amount.h"
#include "quotes/checkstop.h"

#include <QRegularExpression>

#include <cmath>

namespace td {

namespace {

std::optional<long long> wholeNumber(const QString& text)
{
    const auto value = parseGerman(text);
    if (!value)
        return std::nullopt;
    // Like an integer conversion: halves go to the even neighbour.
    return value->roundedToEven(0).raw() / Amount::Scale;
}

void readCheck(const SettingsStore& s, const QString& key, const char* def, bool& target)
{
    const auto v = wholeNumber(s.read(key, QLatin1String(def)));
    if (v && (*v == 0 || *v == 1))
        target = *v == 1;
}

void readInt(const SettingsStore& s, const QString& key, const char* def, int& target, int min, int max)
{
    const auto v = wholeNumber(s.read(key, QLatin1String(def)));
    if (v && *v >= min && *v <= max)
        target = static_cast<int>(*v);
}

void readCoordinate(const SettingsStore& s, const QString& key, double& target)
{
    if (const auto v = parseGerman(s.read(key, QStringLiteral("0"))))
        target = v->toDouble();
}

QString check(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// A text that is not a number stays as it is, so the next start takes the
// default; written as 0 it would be a threshold every position passes.
QString numberText(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral(R"(^\s*[+-]?\.?[0-9])"));
    if (!leading.match(text).hasMatch())
        return text.trimmed();
    return QString::number(leadingNumber(text), 'g', 15);
}

void readNumber(const SettingsStore& s, const QString& key, const QString& def, QString& target)
{
    const QString text = s.read(key, def).trimmed();
    if (isNumberText(text))
        target = text;
}

} // namespace

MainOptions readMainOptions(const SettingsStore& s, MainOptions o)
{
    o.enhanceListbox = s.read(QStringLiteral("EnhanceListbox"), QStringLiteral("SMALL"));
    readInt(s, QStringLiteral("Bank"), "1", o.bank, 0, 1);
    readCoordinate(s, QStringLiteral("main_left"), o.mainLeft);
    readCoordinate(s, QStringLiteral("main_top"), o.mainTop);
    readCheck(s, QStringLiteral("AutoCheck"), "0", o.autoCheck);
    readCheck(s, QStringLiteral("AutoClear"), "1", o.autoClear);
    readCheck(s, QStringLiteral("AutoRefresh"), "0", o.autoRefresh);
    readCheck(s, QStringLiteral("QuoteColorBold"), "0", o.quoteColorBold);
    readNumber(s, QStringLiteral("MaxMinChange"), QStringLiteral("20"), o.maxMinChange);
    readCheck(s, QStringLiteral("MarkMinMaxChange"), "0", o.markMinMaxChange);
    readNumber(s, QStringLiteral("RealTimeRefresh"), QStringLiteral("60000"), o.realTimeRefresh);
    o.tickerFile = s.read(QStringLiteral("TickerFile"), QString());
    readNumber(s, QStringLiteral("ShowAllQuotesSilent"), QStringLiteral("20000"), o.showAllQuotesSilent);
    readNumber(s, QStringLiteral("AutoReload"), QStringLiteral("60000"), o.autoReload);
    readInt(s, QStringLiteral("History"), "3", o.history, 0, kHistoryChoices - 1);
    readInt(s, QStringLiteral("tabDataIndex"), "0", o.tabDataIndex, 0, kStopTab);
    readCheck(s, QStringLiteral("ToolTip"), "0", o.toolTip);
    readCheck(s, QStringLiteral("LBLToolTip"), "1", o.lblToolTip);
    readInt(s, QStringLiteral("ToolTipTransparence"), "200", o.toolTipTransparence, 0, 255);
    readCheck(s, QStringLiteral("AutoMarkLast"), "0", o.autoMarkLast);
    readCheck(s, QStringLiteral("AutoGetOnlineQuotes"), "0", o.autoGetOnlineQuotes);
    readCheck(s, QStringLiteral("Mobile"), "0", o.mobile);
    o.searchDest = s.read(QStringLiteral("SearchDest"), QStringLiteral("Comdirect"));
    o.lstItemsBackcolor = s.read(QStringLiteral("LstItemsBackcolor"), QStringLiteral("ffffff"));
    readCheck(s, QStringLiteral("Notify"), "1", o.notify);
    readInt(s, QStringLiteral("ParallelPages"), "1", o.parallelPages, 1, kMaxParallelPages);
    return o;
}

void readActivationOptions(const SettingsStore& s, MainOptions& o)
{
    readInt(s, QStringLiteral("Benefits"), "0", o.benefits, 0, 1000);
    if (const auto v = parseBoolean(s.read(QStringLiteral("ShowINDICESSMALLWINDOW"), QStringLiteral("1"))))
        o.showIndicesSmallWindow = *v;
}

void writeMainOptions(SettingsStore& s, const MainOptions& o, const ShutdownState& state)
{
    if (!state.minimised) {
        s.write(QStringLiteral("main_left"), QString::number(std::lround(o.mainLeft)));
        s.write(QStringLiteral("main_top"), QString::number(std::lround(o.mainTop)));
    }
    s.write(QStringLiteral("TickerFile"), o.tickerFile);
    s.write(QStringLiteral("AutoClear"), check(o.autoClear));
    s.write(QStringLiteral("AutoCheck"), check(o.autoCheck));
    s.write(QStringLiteral("AutoRefresh"), check(o.autoRefresh));
    s.write(QStringLiteral("Bank"), QString::number(o.bank));
    s.write(QStringLiteral("Benefits"), QString::number(o.benefits));
    s.write(QStringLiteral("QuoteColorBold"), check(o.quoteColorBold));
    s.write(QStringLiteral("MarkMinMaxChange"), check(o.markMinMaxChange));
    s.write(QStringLiteral("AutoReload"), o.autoReload);
    s.write(QStringLiteral("RealTimeRefresh"), numberText(o.realTimeRefresh));
    s.write(QStringLiteral("History"), QString::number(o.history));
    if (o.tabDataIndex != kStopTab)
        s.write(QStringLiteral("tabDataIndex"), QString::number(o.tabDataIndex));
    s.write(QStringLiteral("AutoMarkLast"), check(o.autoMarkLast));
    s.write(QStringLiteral("MaxMinChange"), numberText(o.maxMinChange));
    s.write(QStringLiteral("ToolTip"), check(o.toolTip));
    s.write(QStringLiteral("ToolTipTransparence"), QString::number(o.toolTipTransparence));
    s.write(QStringLiteral("LBLToolTip"), check(o.lblToolTip));
    s.write(QStringLiteral("SearchDest"), o.searchDest);
    s.write(QStringLiteral("AutoGetOnlineQuotes"), check(o.autoGetOnlineQuotes));
    s.write(QStringLiteral("EnhanceListbox"),
            o.enhanceListbox == u"SMALL" ? QStringLiteral("BIG") : QStringLiteral("SMALL"));
    s.write(QStringLiteral("LstItemsBackcolor"), o.lstItemsBackcolor.trimmed());
    s.write(QStringLiteral("ShowAllQuotesSilent"), o.showAllQuotesSilent.trimmed());
    s.write(QStringLiteral("Mobile"), check(o.mobile));
    s.write(QStringLiteral("Notify"), check(o.notify));
    s.write(QStringLiteral("ParallelPages"), QString::number(o.parallelPages));
    if (state.indexWindowOpen)
        s.write(QStringLiteral("ShowINDICESSMALLWINDOW"), QStringLiteral("1"));
}

bool isNumberText(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?[0-9]+([.,][0-9]+)?$)"));
    return number.match(text.trimmed()).hasMatch();
}

std::optional<unsigned> parseListColour(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 8)
        return std::nullopt;
    bool ok = false;
    const unsigned value = t.toUInt(&ok, 16);
    if (!ok || value > 0xFFFFFF)
        return std::nullopt;
    return value;
}

int historyMonths(int choice)
{
    static constexpr int kMonths[kHistoryChoices] = {1, 3, 6, 12, 24, 36};
    return kMonths[std::clamp(choice, 0, kHistoryChoices - 1)];
}

QString programVersionText(int major, int minor, int revision)
{
    const QString rev = revision == 0 ? QString() : QString::number(revision);
    return QString::number(major) + u'.' + QString::number(minor) + u'.' + rev + QStringLiteral(".0859");
}

} // namespace td
