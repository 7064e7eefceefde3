#pragma once

#include "demosite.h"
#include "quotebook.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace td::demo {

// The demo's quote sources besides the bank: a current-style HTML quote page
// ("/kurse/aktie.html?symbol=SAP.DE") and a JSON quote service
// ("/api/v1/quote?symbols=SAP.DE,BMW.ETR"). Nothing for other addresses.
std::optional<HttpReply> answerSourcePage(QuoteBook& book, const QUrl& target);

// A quotesources.ini that reads both from the server at `baseUrl`.
QString demoQuoteSources(const QString& baseUrl);

} // namespace td::demo
