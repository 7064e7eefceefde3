#include "overview/overviewpage.h"

#include "platform/amount.h"
#include "session/quotesymbol.h"
#include "sites/sitehosts.h"

namespace td {

namespace {

const QString kRule =
    QStringLiteral("<hr noshade width=\"100%\" size=\"1\" align=\"left\" color=\"#c9c9c9\">");

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString decimal(int value)
{
    return QString::number(value);
}

// Red below zero, green from zero up.
QString signSpan(Amount value)
{
    return value.isNegative() ? QStringLiteral("<span style=\"color:red\">")
                              : QStringLiteral("<span style=\"color:green\">");
}

QString changeSpan(Amount value)
{
    if (value.isZero())
        return QStringLiteral("<span style=\"color:black\">");
    return signSpan(value);
}

QString listHeader(const QString& tickerFilePath)
{
    return QStringLiteral("<div class=\"BigBoxRealTime\"><div class=\"BoxHeadRealTime\">tic: ") +
           esc(tickerFilePath) + QStringLiteral("</div>");
}

QString dabChartPicture(const LinkParts& parts, const QString& symbol, const QString& address)
{
    return parts[0] + symbol + parts[1] + QStringLiteral("<img src=\"") + address + parts[5] + parts[2];
}

QString dabLine(const LinkParts& parts, const SettingsStore& hosts, const QString& symbol,
                const QString& name, const QString& wkn, Amount buying, Amount buyPct, int months)
{
    const QString dab = QStringLiteral("dab");
    const QString intra = QStringLiteral("/dab_neu/charts/popup_intrachart");
    const QString tail = QStringLiteral("&scrmbl=&lg=de&ct=de");
    return QStringLiteral("<div class=\"Index\">") + parts[0] + symbol + parts[1] + name +
           QStringLiteral(" [") + symbol + QStringLiteral("] (Hist=") + decimal(months) +
           QStringLiteral("m) (B=") + amountText(buying) + u'/' + signSpan(buyPct) + amountText(buyPct) +
           QStringLiteral("</span>%sB)</a>") + QStringLiteral(" | <a href=\"") +
           siteAddress(hosts, QStringLiteral("wallstreet-online"), QStringLiteral("/community/search.php"),
                       QStringLiteral("instrument=") + wkn) +
           QStringLiteral("\" target=\"_blank\">[w:o-forum]</a>") +
           QStringLiteral("<div class=\"IndexNav\">") +
           dabChartPicture(
               parts, symbol,
               siteAddress(hosts, dab, intra, QStringLiteral("type=time&tsOffset=0&sym1=") + symbol + tail)) +
           dabChartPicture(
               parts, symbol,
               siteAddress(hosts, dab, intra, QStringLiteral("type=intra&sym1=") + symbol + tail)) +
           dabChartPicture(parts, symbol,
                           siteAddress(hosts, dab, QStringLiteral("/dab_neu/charts/detailchart"),
                                       QStringLiteral("hist=") + decimal(months) +
                                           QStringLiteral("&log=0&type=1&sym1=") + symbol +
                                           QStringLiteral("&lg=de&ct=de"))) +
           QStringLiteral("</div></div>") + kRule;
}

} // namespace

bool wantsReloadScript(const QString& reloadText, const QString& sAutoReload)
{
    return QString::compare(reloadText, QStringLiteral("0"), Qt::CaseSensitive) > 0 &&
           leadingNumber(sAutoReload) >= 1.0;
}

QString chartBlock(const LinkParts& parts, const QString& symbol)
{
    return parts[0] + symbol + parts[1] + parts[3] + symbol + parts[4] + symbol + parts[5] + parts[2];
}

QStringList chartOverviewWrites(const HtmlFrame& frame, const ChartSelection& selection,
                                const OverviewContext& context, const SettingsStore& hosts)
{
    const LinkParts& parts = frame.sLinkParts;
    QStringList writes{frame.sHtmlHead};
    if (wantsReloadScript(context.reloadText, context.sAutoReload)) {
        writes << QStringLiteral("<SCRIPT LANGUAGE=\"Javascript\">\r\n")
               << QStringLiteral("setTimeout(\"window.location.reload(true)\", ") + context.sAutoReload +
                      QStringLiteral(");\r\n")
               << QStringLiteral("</SCRIPT>\r\n");
    }
    writes << listHeader(context.tickerFilePath) + kRule;

    const qsizetype n = selection.sSelTicker.size() - 1;
    QString line; // an unknown bank writes the previous line again
    for (qsizetype i = 0; i <= n; ++i) {
        const QString ticker = esc(selection.sSelTicker.value(i));
        const QString place = esc(selection.sSelPlace.value(i));
        const QString name = esc(selection.sSelName.value(i));
        const QString symbol = quoteSymbol(ticker, place);
        const Amount buyPct = selection.cSelBuyPct.value(i);
        if (ticker.isEmpty()) {
            line = QStringLiteral("<br>") + kRule +
                   QStringLiteral("<center><a>kein TickerSymbol angegeben</a></center>") + kRule +
                   QStringLiteral("<br>");
        } else if (place.isEmpty()) {
            line = QStringLiteral("<br>") + kRule + QStringLiteral("<center><a href=\"") +
                   siteAddress(hosts, QStringLiteral("comdirect-charts"),
                               QStringLiteral("/html/search/main.html"),
                               QStringLiteral("ad=&koop=&sCat=ALL&sSearchterm=") + ticker) +
                   QStringLiteral("\">'") + ticker + QStringLiteral("' suchen</a></center>") + kRule +
                   QStringLiteral("<br>");
        } else if (context.bank == BankComdirect && n > 0) {
            line = chartBlock(parts, symbol);
        } else if (context.bank == BankComdirect) {
            line = QStringLiteral("<div id=\"ID\"") + QString::number(i) +
                   QStringLiteral(
                       " style=\"position:absolute; z-index:4; height: 14; left: 320px; top: 480px\">") +
                   name + QStringLiteral(" (<b>") + signSpan(buyPct) + amountText(buyPct) +
                   QStringLiteral("</span>%sB)</div>") + chartBlock(parts, symbol);
        } else if (context.bank == BankDab) {
            line = dabLine(parts, hosts, symbol, name, esc(selection.sSelWKN.value(i)),
                           selection.cSelQuote.value(i), buyPct, context.iHistoryMonths);
        }
        writes << line;
    }
    writes << frame.sHtmlFoot;
    return writes;
}

QStringList benchmarkWrites(const HtmlFrame& frame, const ChartSelection& selection,
                            const OverviewContext& context, const SettingsStore& hosts)
{
    const qsizetype n = selection.sSelTicker.size() - 1;
    Amount totalValue;
    Amount totalChange;
    for (qsizetype i = 0; i <= n; ++i) {
        // A sum that overflows skips that step and keeps the previous total.
        totalValue = totalValue.plus(selection.cSelValue.value(i)).value_or(totalValue);
        totalChange = totalChange.plus(selection.cSelChange.value(i)).value_or(totalChange);
    }

    QStringList writes{frame.sHtmlHead};
    writes << listHeader(context.tickerFilePath) + QStringLiteral("<br>");
    writes << QStringLiteral("<div class=\"IndexNav\">Total Value: <b>") + formatAmount(totalValue, u"#,#") +
                  QStringLiteral("</b> | Total Change: <b>") + formatAmount(totalChange, u"#,#") +
                  QStringLiteral("</b></div></div>");
    writes << QStringLiteral(
        "<table border=\"0\" width=\"97%\" cellspacing=\"2\" style=\"float:left; margin-left:10px;\">");
    for (qsizetype i = 0; i <= n; ++i) {
        const QString symbol =
            quoteSymbol(esc(selection.sSelTicker.value(i)), esc(selection.sSelPlace.value(i)));
        const Amount change = selection.cSelChange.value(i);
        const QString changeText = change.isZero() ? QStringLiteral("0") : formatAmount(change, u"#");
        writes << QStringLiteral("<tr><td><div style=\"border:1px dotted #696969\"><div class=\"Index\">"
                                 "<table border=\"0\" width=\"97%\"><tr><td><a href=\"") +
                      siteAddress(hosts, QStringLiteral("comdirect-charts"),
                                  QStringLiteral("/html/detail/main.html"),
                                  QStringLiteral("sSym=") + symbol) +
                      QStringLiteral("\" target=\"_bank\">") + esc(selection.sSelName.value(i)) +
                      QStringLiteral("</a></td>") +
                      QStringLiteral("<td valign=\"top\" align=\"right\"><span style=\"font-size:8pt; "
                                     "font-family:Arial; font-weight:normal; border:0px solid #606060; "
                                     "text-align:right;\">Ticker: ") +
                      symbol + QStringLiteral(" | WKN: ") + esc(selection.sSelWKN.value(i)) +
                      QStringLiteral(" | ISIN: ") + esc(selection.sSelISIN.value(i)) +
                      QStringLiteral("</span></td></tr></table>") +
                      QStringLiteral("<div class=\"IndexNav\">Value: <b>") +
                      formatAmount(selection.cSelValue.value(i), u"#") +
                      QStringLiteral("</b> | Absolute Change: <b>") + changeSpan(change) + changeText +
                      QStringLiteral(" (") + formatAmount(selection.cSelBuyPct.value(i), u"#") +
                      QStringLiteral("%)</span></b>") + QStringLiteral("</div></div></div></td></tr>");
    }
    writes << QStringLiteral("</table>") << frame.sHtmlFoot;
    return writes;
}

QString pageFilePath(const QString& directory, const QString& fileName)
{
    if (directory.endsWith(u'/'))
        return directory + fileName;
    return directory + u'/' + fileName;
}

bool writeOverviewPage(const QString& directory, const QString& fileName, const QStringList& writes)
{
    return writePageFile(pageFilePath(directory, fileName), writes);
}

} // namespace td
