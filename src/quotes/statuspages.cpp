#include "quotes/statuspages.h"

namespace td {

namespace {
QString statusPage(const QString& style, const QString& heading, const QString& text)
{
    return QStringLiteral("about:<html><body leftMargin=55 topMargin=200 marginheight=110 marginwidth=110 "
                          "scroll='no'><span style=\"font-size:10pt; font-family:Arial; font-weight:bold; ") +
           style + QStringLiteral("\">") + heading + text + QStringLiteral("</span></body></html>");
}
} // namespace

QString receiveDataPage(const QString& text)
{
    return statusPage(QStringLiteral("color:green"), QStringLiteral("receive data<br>"), text);
}

QString noDataPage(const QString& text)
{
    return statusPage(QStringLiteral("color:red"), QStringLiteral("currently no data<br>"), text);
}

QString chartSnippetPage(const QString& searchAddress, const QString& chartAddress)
{
    return QStringLiteral("about:<html><body leftMargin=8 topMargin=0 marginheight=0 marginwidth=0 "
                          "scroll='no'><a href=\"") +
           searchAddress + QStringLiteral("\" target=\"_blank\"><img src=\"") + chartAddress +
           QStringLiteral("\" border=\"0\"></a>");
}

} // namespace td
