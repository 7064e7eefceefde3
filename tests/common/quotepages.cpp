#include "quotepages.h"

#include <QFile>

namespace td::test {

QByteArray quotePage(const QuotePageValues& v)
{
    QFile file(QStringLiteral(TD_FIXTURES_DIR "/quotes/search_layout.html.in"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray page = file.readAll();
    page.replace("@NAME@", v.name.toLatin1());
    page.replace("@QUOTE@", v.quote.toLatin1());
    page.replace("@CURRENCY@", v.currency.toLatin1());
    page.replace("@CHANGE@", v.change.toLatin1());
    page.replace("@WKN@", v.wkn.toLatin1());
    page.replace("@ISIN@", v.isin.toLatin1());
    return page;
}

QByteArray searchResultWithoutQuote()
{
    return "<HTML><BODY><H1>Suchergebnis</H1><P>Keine eindeutige Zuordnung.</P></BODY></HTML>";
}

QByteArray signalPage(const QString& word)
{
    return "<HTML><BODY><TABLE><TR><TD>Signal</TD><TD><B>" + word.toLatin1() +
           "</B></TD></TR></TABLE></BODY></HTML>";
}

} // namespace td::test
