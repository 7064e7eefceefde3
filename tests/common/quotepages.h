#pragma once

#include <QByteArray>
#include <QString>

namespace td::test {

struct QuotePageValues
{
    QString name;
    QString quote;    // German format, "12,34"
    QString currency; // "EUR"
    QString change;   // day change in percent, "-1,25"
    QString wkn;
    QString isin;
};

// A quote page in the search layout from the fixture template.
QByteArray quotePage(const QuotePageValues& values);
// A search result that is no quote page (no price data), with master data.
QByteArray searchResultWithoutQuote();
// A signal page carrying the given marker word as an element text.
QByteArray signalPage(const QString& word);

} // namespace td::test
