#include "sourcereading.h"

#include "platform/textfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace td {

namespace {

struct Found
{
    SourceField::State state = SourceField::State::NotAsked;
    QString text;
    std::optional<Amount> number; // a JSON number, already read
};

Found findByPattern(const QString& pattern, const QString& page)
{
    if (pattern.isEmpty())
        return {};
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(page);
    if (!match.hasMatch() || match.capturedStart(1) < 0)
        return {SourceField::State::NoMatch, {}, {}};
    return {SourceField::State::Read, match.captured(1).trimmed(), {}};
}

Found findByPath(const QString& path, const QJsonValue& root)
{
    if (path.isEmpty())
        return {};
    QJsonValue value = root;
    for (const QString& step : path.split(u'.')) {
        if (value.isObject()) {
            value = value.toObject().value(step);
        } else if (value.isArray()) {
            bool ok = false;
            const uint index = step.toUInt(&ok);
            const QJsonArray array = value.toArray();
            value = ok && index < static_cast<uint>(array.size()) ? array.at(index) : QJsonValue::Undefined;
        } else {
            value = QJsonValue::Undefined;
        }
    }
    if (value.isString())
        return {SourceField::State::Read, value.toString().trimmed(), {}};
    if (value.isBool())
        return {
            SourceField::State::Read, value.toBool() ? QStringLiteral("true") : QStringLiteral("false"), {}};
    if (value.isDouble()) {
        const std::optional<Amount> number = Amount::fromDouble(value.toDouble());
        const QString text = number ? formatAmount(*number, u"0.00##") : QString::number(value.toDouble());
        return {SourceField::State::Read, text, number};
    }
    return {SourceField::State::NoMatch, {}, {}};
}

const QString kKeys[] = {QStringLiteral("quote"), QStringLiteral("change"), QStringLiteral("previous"),
                         QStringLiteral("wkn"),   QStringLiteral("isin"),   QStringLiteral("currency")};

const QString& keyText(const QuoteSource& s, int index)
{
    const QString* texts[] = {&s.quote, &s.change, &s.previous, &s.wkn, &s.isin, &s.currency};
    return *texts[index];
}

} // namespace

QString sourceAddress(const QuoteSource& source, const SourceEntry& entry)
{
    const QString symbol = entry.place.isEmpty() ? entry.ticker : entry.ticker + u'.' + entry.place;
    const std::pair<QString, QString> fields[] = {
        {QStringLiteral("{ticker}"), entry.ticker}, {QStringLiteral("{place}"), entry.place},
        {QStringLiteral("{symbol}"), symbol},       {QStringLiteral("{wkn}"), entry.wkn},
        {QStringLiteral("{isin}"), entry.isin},     {QStringLiteral("{name}"), entry.name}};
    // One pass, so a value that happens to hold "{isin}" is not replaced again.
    QString address;
    const QString& url = source.url;
    qsizetype i = 0;
    while (i < url.size()) {
        bool replaced = false;
        if (url[i] == u'{') {
            for (const auto& [field, value] : fields) {
                if (QStringView(url).mid(i).startsWith(field)) {
                    address += QString::fromLatin1(QUrl::toPercentEncoding(value.trimmed()));
                    i += field.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            address += url[i++];
    }
    return address;
}

const SourceField* SourceAnswer::field(QStringView key) const
{
    for (const SourceField& f : fields) {
        if (f.key == key)
            return &f;
    }
    return nullptr;
}

std::optional<Amount> sourceNumber(QStringView text, QuoteSource::Decimal decimal)
{
    QString t = text.toString();
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    t.replace(QChar(0x2212), u'-');
    t = t.trimmed();
    if (t.endsWith(u'%'))
        t.chop(1);
    t.removeIf([](QChar c) { return c.isSpace(); });
    if (decimal == QuoteSource::Decimal::Point) {
        t.remove(u',');
        t.replace(u'.', u',');
    }
    return parseGerman(t);
}

SourceAnswer readSourcePage(const QuoteSource& source, const QString& page)
{
    const bool json = source.format == QuoteSource::Format::Json;
    QJsonValue root;
    QString jsonError;
    if (json) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(page.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError)
            jsonError = QStringLiteral(" (kein JSON: ") + error.errorString() + u')';
        root = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    }

    SourceAnswer answer;
    std::optional<Amount> numbers[3]; // quote, change, previous
    for (int k = 0; k < 6; ++k) {
        const QString& what = keyText(source, k);
        Found found = json ? findByPath(what, root) : findByPattern(what, page);
        if (k < 3 && found.state == SourceField::State::Read) {
            numbers[k] = found.number ? found.number : sourceNumber(found.text, source.decimal);
            if (!numbers[k])
                found.state = SourceField::State::NotNumber;
        }
        if (k >= 3 && found.state == SourceField::State::Read && found.text.isEmpty())
            found.state = SourceField::State::NoMatch;
        answer.fields.append({kKeys[k], found.state, found.text});
    }

    const SourceField& quote = answer.fields[0];
    if (numbers[0]) {
        answer.quoteRead = true;
        answer.quote = *numbers[0];
        answer.quoteText = quote.text;
    } else if (quote.state == SourceField::State::NotNumber) {
        answer.failure = QStringLiteral("'quote' ist keine Zahl: '") + quote.text + u'\'';
    } else {
        answer.failure = QStringLiteral("'quote' passt nicht") + jsonError;
    }

    if (numbers[1]) {
        answer.dayPct = *numbers[1];
        answer.changeText = answer.fields[1].text;
    } else if (numbers[0] && numbers[2]) {
        if (const std::optional<Amount> pct = dayChangeFromPreviousClose(*numbers[0], *numbers[2])) {
            answer.dayPct = *pct;
            answer.changeText = formatAmount(*pct, u"0.00");
        }
    }
    const auto code = [&](int k) -> std::optional<QString> {
        if (answer.fields[k].state == SourceField::State::Read)
            return answer.fields[k].text;
        return std::nullopt;
    };
    answer.wkn = code(3);
    answer.isin = code(4);
    answer.currency = code(5);
    return answer;
}

QString decodeSourcePage(const QByteArray& body, const QByteArray& contentType)
{
    static const QRegularExpression charsetPattern(QStringLiteral("charset\\s*=\\s*\"?([^\\s;\"]+)"),
                                                   QRegularExpression::CaseInsensitiveOption);
    const QString charset = charsetPattern.match(QString::fromLatin1(contentType)).captured(1).toLower();
    if (charset == u"windows-1252" || charset == u"cp1252" || charset == u"iso-8859-1" ||
        charset == u"latin1")
        return decodeWindows1252(body);
    if (!charset.isEmpty() && charset != u"utf-8" && charset != u"utf8") {
        QStringDecoder decoder(charset.toLatin1().constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError() || charset == u"utf-8" || charset == u"utf8")
        return text;
    return decodeWindows1252(body);
}

QuotePageResult toQuotePageResult(const SourceAnswer& answer)
{
    QuotePageResult result;
    result.sQuoteText = answer.quoteText;
    result.quote = answer.quote;
    result.sChangeText = answer.changeText;
    result.dayPct = answer.dayPct;
    result.wkn = answer.wkn;
    result.isin = answer.isin;
    result.evaluate = answer.quoteRead;
    return result;
}

} // namespace td
