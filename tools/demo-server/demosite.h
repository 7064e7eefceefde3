#pragma once

#include "quotebook.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace td::demo {

struct HttpReply
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// Answers the addresses the program sends to the outside sites, from the
// made-up market, and the maker's files: "/version.txt", "/TDCK.exe",
// "/tic/all.tic" and the update box's banners.
class DemoSite
{
public:
    DemoSite(QuoteBook& book, QString quoteLayout, QString versionText, QByteArray tickerList);

    HttpReply answer(const QUrl& target);

private:
    HttpReply siteSearch(const QString& searchValue);
    HttpReply signalPage(const QString& isin) const;
    HttpReply chartPage(const QString& symbol) const;
    HttpReply chartImage(const QString& symbol);
    HttpReply screenerPage(const QString& tickers) const;

    QuoteBook& m_book;
    QString m_quoteLayout;
    QString m_versionText;
    QByteArray m_tickerList;
};

// The signal word the site gives an ISIN; empty for an empty ISIN.
QString signalWord(const QString& isin);

} // namespace td::demo
