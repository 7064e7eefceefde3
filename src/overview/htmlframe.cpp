#include "overview/htmlframe.h"

#include <QRegularExpression>

#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "sites/sitehosts.h"

#include <QUrl>

namespace td {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

MakerInfo makerInfo(const SettingsStore& hosts)
{
    MakerInfo maker;
    maker.name = QStringLiteral("brightmoor");
    maker.notice = QStringLiteral("Tickerdeck by brightmoor");
    maker.homePage = siteAddress(hosts, QStringLiteral("maker-home"), QStringLiteral("/"));
    QString domain = QUrl(maker.homePage).host();
    if (domain.startsWith(QStringLiteral("www.")))
        domain.remove(0, 4);
    maker.contactAddress = QStringLiteral("mailto:info@") + domain;
    maker.styleSheetAddress = siteAddress(hosts, QStringLiteral("maker-web"), QStringLiteral("/main.css"));
    return maker;
}

LinkParts buildLinkParts(const SettingsStore& hosts)
{
    return {
        QStringLiteral("<a href=\"") + siteAddress(hosts, QStringLiteral("comdirect"),
                                                   QStringLiteral("/inf/search/all.html"),
                                                   QStringLiteral("SEARCH_VALUE=")),
        QStringLiteral("&x=11&y=7\" target=\"_blank\" border=\"0\">"),
        QStringLiteral("</a>"),
        QStringLiteral("<img src=\"") +
            siteAddress(hosts, QStringLiteral("comdirect-charts"), QStringLiteral("/charts/big.chart"),
                        QStringLiteral("hist=1d&type=CONNECTLINE&ind0=VOLUME&&currency=&&lSyms=")),
        QStringLiteral("&lColors=0x6060ff&sSym="),
        QStringLiteral("\" border=\"0\">"),
    };
}

QString generalDateText(const QDateTime& when, const QLocale& locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0))
        return date;
    return date + u' ' + generalTimeText(when.time(), locale);
}

QString generalTimeText(const QTime& time, const QLocale& locale)
{
    // The long time format is the one with seconds; its zone ("t") goes, a
    // "t" inside a word or a quoted literal stays.
    static const QRegularExpression zone(QStringLiteral(R"((?<![A-Za-z'])t+(?![A-Za-z']))"));
    const QString format = locale.timeFormat(QLocale::LongFormat).remove(zone).simplified();
    return locale.toString(time, format);
}

QString vBuildHtmlHead(const MakerInfo& maker, const QDateTime& startTime, const QLocale& locale)
{
    const QStringList lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
        QStringLiteral("<HTML><HEAD>"),
        QStringLiteral("<META http-equiv=Content-Type content=\"text/html; charset=windows-1252\">"),
        QStringLiteral("<META NAME=\"author\" content=\"") + maker.name + QStringLiteral("\">"),
        QStringLiteral("<META NAME=\"date\" content=\"") + generalDateText(startTime, locale) +
            QStringLiteral("\">"),
        QStringLiteral("<!--") + maker.notice + QStringLiteral("-->"),
        QStringLiteral("<TITLE>Tickerdeck</TITLE>"),
        QStringLiteral("<link rel=\"stylesheet\" href=\"") + maker.styleSheetAddress +
            QStringLiteral("\" title=\"menu\">"),
        QStringLiteral("<STYLE>"),
        QStringLiteral("<!--"),
        QStringLiteral("a:hover { text-decoration:none; cursor:pointer; color:#46618c; position:relative; "
                       "top:0px;left:0px; "
                       "background-color:#dae3f2;}"),
        QStringLiteral("A { text-decoration: underline; color:#46618c; font: 12px Arial; font-weight:bold; "
                       "background-color:#f2f2f2;}"),
        QStringLiteral(
            "A:aktive {font-family:Verdana,Courier New,Arial;font-size:12pt; color:blue; font-weight:bold; "
            "text-decoration:none;}"),
        QStringLiteral("a:active { text-decoration:none; font-weight:bold; background-color:#dae3f2; }"),
        QStringLiteral("a:focus { text-decoration:none; font-weight:bold; background-color:#dae3f2; }"),
        QStringLiteral("-->"),
        QStringLiteral("</STYLE>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body bgcolor=\"#FFFFFF\"; font-size:8pt; font-family:Verdana, Sans-Serif;><a "
                       "name=\"top\"></a>"),
    };
    return lines.join(kCrLf) + kCrLf;
}

QString vBuildHtmlFoot(const MakerInfo& maker)
{
    return QStringLiteral(
               "<table><tr><td><br><hr noshade width=\"100%\" size=\"1\" align=\"left\" color=\"#c9c9c9\">") +
           QStringLiteral("<a href=\"") + maker.homePage + QStringLiteral("\" target=\"_blank\">") +
           maker.notice + QStringLiteral("</a>") + u' ' + QStringLiteral("<a href=\"") +
           maker.contactAddress + QStringLiteral("?subject=TDCK\">email</a>") +
           QStringLiteral("</td></tr></table>") + kCrLf + QStringLiteral("</body></html>");
}

HtmlFrame buildHtmlFrame(const SettingsStore& hosts, const QDateTime& startTime, const QLocale& locale)
{
    HtmlFrame frame;
    frame.sLinkParts = buildLinkParts(hosts);
    const MakerInfo maker = makerInfo(hosts);
    frame.sHtmlHead = vBuildHtmlHead(maker, startTime, locale);
    frame.sHtmlFoot = vBuildHtmlFoot(maker);
    return frame;
}

bool writePageFile(const QString& path, const QStringList& writes)
{
    QString text;
    for (const QString& write : writes)
        text += write + kCrLf;
    return writeFileAtomically(path, encodeWindows1252(text)).ok;
}

} // namespace td
