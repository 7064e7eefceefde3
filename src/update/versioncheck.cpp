#include "update/versioncheck.h"

#include "update/makersite.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace td {

namespace {

const QString kSmallGrey =
    QStringLiteral("<span style=\"font-size:8pt; font-family:Arial; font-weight:normal; "
                   "color:#909090; \">");
const QString kSmallGreen =
    QStringLiteral("<span style=\"font-size:8pt; font-family:Arial; font-weight:normal; color:#60aa60\">");
const QString kSmallRed =
    QStringLiteral("<span style=\"font-size:8pt; font-family:Arial; font-weight:normal; color:#aa6060\">");

QString bannerPiece(const SettingsStore& hosts, int banner)
{
    return QStringLiteral("<br><a href=\"") + makerWebSite(hosts).toHtmlEscaped() +
           QStringLiteral("\" target=\"_blank\"><img src=\"") +
           bannerPictureAddress(hosts, banner).toHtmlEscaped() + QStringLiteral("\" border=\"0\"></a>");
}

} // namespace

QString cleanVersionText(const QString& markup)
{
    QString text = markup;
    for (const QString& marker : {QStringLiteral("<HTML><HEAD></HEAD>"), QStringLiteral("<BODY><PRE>"),
                                  QStringLiteral("</PRE></BODY></HTML>")})
        text.replace(marker, QString(), Qt::CaseSensitive);
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

bool isVersionText(const QString& text)
{
    if (text.isEmpty() || text.size() > kMaxVersionLength)
        return false;
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == u'<' || c == u'>';
    });
}

VersionFileReading readVersionFile(const QString& markup, bool loadFailed)
{
    if (loadFailed)
        return {};
    const QString version = cleanVersionText(markup);
    if (!isVersionText(version))
        return {};
    return {false, version};
}

bool offersProgramDownload(const QString& programVersion, const VersionFileReading& reading)
{
    return !reading.failed && reading.updateVersion != programVersion;
}

int bannerNumber(double uniform)
{
    if (!(uniform >= 0.0))
        return 1;
    return static_cast<int>(std::clamp(std::floor(uniform * 25.0 + 1.0), 1.0, 25.0));
}

int drawBannerNumber()
{
    return bannerNumber(QRandomGenerator::global()->generateDouble());
}

QString updateBoxDocument(const SettingsStore& hosts, const UpdateBox& box)
{
    QString html = QStringLiteral(
        "about:<html><body leftMargin=32 topMargin=168 marginheight=10 marginwidth=10 scroll='no'>"
        "<span style=\"font-size:14pt; font-family:Arial; font-weight:bold; color:black\">");
    html += QStringLiteral(" <a href=\"") + makerHomePage(hosts).toHtmlEscaped() +
            QStringLiteral("\" target=\"_blank\"><span style=\"color:#4040aa\">Tickerdeck</span></a></span>");
    html += QStringLiteral("<span style=\"font-size:8pt; font-family:Arial; font-weight:bold; "
                           "color:#606060\"><br>") +
            makerCredit().toHtmlEscaped() + QStringLiteral("</span>");
    html += QStringLiteral("<hr noshade width=\"414px\" size=\"1\" align=\"left\" color=\"#c9c9c9\">");
    html +=
        QStringLiteral("<div id=\"Layer1\" style=\"position:absolute; width:600px; height:55px; z-index:0; "
                       "left: 33px; top: 218px;border:0px solid #dadada;\">");
    html += kSmallGrey + QStringLiteral("this version: ") + box.programVersion.toHtmlEscaped() +
            QStringLiteral("</span>");
    if (box.checkFailed) {
        // No version to name and no archive to offer: a plain red note.
        html += kSmallRed + QStringLiteral(" update check failed</span></div>");
    } else {
        html += box.programVersion == box.updateVersion ? kSmallGreen + QStringLiteral(" = ")
                                                        : kSmallRed + QStringLiteral(" <> ");
        html += QStringLiteral("update version: <a href=\"") + updateArchiveAddress(hosts).toHtmlEscaped() +
                QStringLiteral("\">") + box.updateVersion.toHtmlEscaped();
        html += QStringLiteral("</a></span></div>");
    }
    if (box.banner > 0)
        html += bannerPiece(hosts, box.banner);
    html += QStringLiteral("</span></body></html>");
    return html;
}

} // namespace td
