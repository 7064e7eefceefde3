#include "sourcepages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <cmath>

namespace td::demo {

namespace {

double cents(double value)
{
    return std::round(value * 100.0) / 100.0;
}

HttpReply htmlQuotePage(QuoteBook& book, const QString& symbol)
{
    Instrument* in = book.find(symbol);
    if (!in) {
        return {
            404, "text/html; charset=utf-8",
            QStringLiteral("<!DOCTYPE html><html lang=\"de\"><body><p>Kein Kurs für „%1“.</p></body></html>")
                .arg(symbol.toHtmlEscaped())
                .toUtf8()};
    }
    book.drift(*in);
    const double change = (in->price - in->previousClose) * 100.0 / in->previousClose;
    const QString sign = change > 0 ? QStringLiteral("+") : QString();
    const QString page =
        QStringLiteral(
            "<!DOCTYPE html>\n<html lang=\"de\">\n<head><meta charset=\"utf-8\">"
            "<title>%1 – Kurs</title></head>\n<body>\n<main class=\"quote\">\n"
            "  <h1 class=\"quote__name\">%1</h1>\n"
            "  <div class=\"quote__price\"><span data-field=\"last\">%2</span>&nbsp;"
            "<span data-field=\"currency\">%3</span></div>\n"
            "  <div class=\"quote__change\"><span data-field=\"change-pct\">%4%5&nbsp;%</span></div>\n"
            "  <dl class=\"quote__ids\"><dt>WKN</dt><dd data-field=\"wkn\">%6</dd>"
            "<dt>ISIN</dt><dd data-field=\"isin\">%7</dd></dl>\n</main>\n</body>\n</html>\n")
            .arg(in->name.toHtmlEscaped(), germanPrice(in->price), in->currency.toHtmlEscaped(), sign,
                 germanPercent(change), in->wkn.toHtmlEscaped(), in->isin.toHtmlEscaped());
    return {200, "text/html; charset=utf-8", page.toUtf8()};
}

HttpReply jsonQuotes(QuoteBook& book, const QString& symbols)
{
    QJsonArray result;
    for (const QString& symbol : symbols.split(u',', Qt::SkipEmptyParts)) {
        Instrument* in = book.find(symbol.trimmed());
        if (!in)
            continue;
        book.drift(*in);
        result.append(QJsonObject{{QStringLiteral("symbol"), in->symbol()},
                                  {QStringLiteral("shortName"), in->name},
                                  {QStringLiteral("regularMarketPrice"), cents(in->price)},
                                  {QStringLiteral("regularMarketPreviousClose"), cents(in->previousClose)},
                                  {QStringLiteral("currency"), in->currency},
                                  {QStringLiteral("isin"), in->isin}});
    }
    const QJsonObject response{
        {QStringLiteral("quoteResponse"),
         QJsonObject{{QStringLiteral("result"), result}, {QStringLiteral("error"), QJsonValue::Null}}}};
    return {200, "application/json", QJsonDocument(response).toJson(QJsonDocument::Compact)};
}

} // namespace

std::optional<HttpReply> answerSourcePage(QuoteBook& book, const QUrl& target)
{
    const QUrlQuery query(target);
    if (target.path() == u"/kurse/aktie.html")
        return htmlQuotePage(book,
                             query.queryItemValue(QStringLiteral("symbol"), QUrl::FullyDecoded).trimmed());
    if (target.path() == u"/api/v1/quote")
        return jsonQuotes(book, query.queryItemValue(QStringLiteral("symbols"), QUrl::FullyDecoded));
    return std::nullopt;
}

QString demoQuoteSources(const QString& baseUrl)
{
    return QStringLiteral("# Quote sources of the offline demo; choose one in the options.\n"
                          "\n"
                          "# A current-style quote page, read by patterns against its markup.\n"
                          "[kurse]\n"
                          "url=%1/kurse/aktie.html?symbol={symbol}\n"
                          "quote=data-field=\"last\">([^<]+)<\n"
                          "change=data-field=\"change-pct\">([^<&]+)\n"
                          "wkn=data-field=\"wkn\">(\\w+)<\n"
                          "isin=data-field=\"isin\">(\\w+)<\n"
                          "currency=data-field=\"currency\">(\\w+)<\n"
                          "\n"
                          "# A JSON quote service; the day change comes from the previous close.\n"
                          "[api]\n"
                          "url=%1/api/v1/quote?symbols={symbol}\n"
                          "format=json\n"
                          "quote=quoteResponse.result.0.regularMarketPrice\n"
                          "previous=quoteResponse.result.0.regularMarketPreviousClose\n"
                          "isin=quoteResponse.result.0.isin\n"
                          "currency=quoteResponse.result.0.currency\n")
        .arg(baseUrl);
}

} // namespace td::demo
