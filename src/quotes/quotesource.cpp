#include "quotesource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <optional>

namespace td {

namespace {

const QStringList kPatternKeys = {QStringLiteral("quote"),    QStringLiteral("change"),
                                  QStringLiteral("previous"), QStringLiteral("wkn"),
                                  QStringLiteral("isin"),     QStringLiteral("currency")};

QString quoted(const QString& text)
{
    return u'\'' + text + u'\'';
}

// A source while its lines are read.
struct Draft
{
    QuoteSource source;
    std::optional<QuoteSource::Decimal> decimal;
    QHash<QString, int> keyLines;
    QString problem; // the first thing wrong; one per source
    int problemLine = 0;

    void fail(int line, const QString& what)
    {
        if (problem.isEmpty()) {
            problem = what;
            problemLine = line;
        }
    }
};

QString* patternField(QuoteSource& s, const QString& key)
{
    if (key == u"quote")
        return &s.quote;
    if (key == u"change")
        return &s.change;
    if (key == u"previous")
        return &s.previous;
    if (key == u"wkn")
        return &s.wkn;
    if (key == u"isin")
        return &s.isin;
    if (key == u"currency")
        return &s.currency;
    return nullptr;
}

void readKey(Draft& d, int line, const QString& key, const QString& value)
{
    QuoteSource& s = d.source;
    d.keyLines.insert(key, line);
    if (key == u"url") {
        s.url = value;
    } else if (key == u"format") {
        if (value.compare(u"html", Qt::CaseInsensitive) == 0)
            s.format = QuoteSource::Format::Html;
        else if (value.compare(u"json", Qt::CaseInsensitive) == 0)
            s.format = QuoteSource::Format::Json;
        else
            d.fail(line, QStringLiteral("unbekanntes Format ") + quoted(value) +
                             QStringLiteral(" (html oder json)"));
    } else if (key == u"decimal") {
        if (value.compare(u"comma", Qt::CaseInsensitive) == 0)
            d.decimal = QuoteSource::Decimal::Comma;
        else if (value.compare(u"point", Qt::CaseInsensitive) == 0)
            d.decimal = QuoteSource::Decimal::Point;
        else
            d.fail(line, QStringLiteral("unbekanntes Dezimalzeichen ") + quoted(value) +
                             QStringLiteral(" (comma oder point)"));
    } else if (key == u"places") {
        s.places.clear();
        for (const QString& place : value.split(u',')) {
            if (!place.trimmed().isEmpty())
                s.places.append(place.trimmed());
        }
    } else if (QString* field = patternField(s, key)) {
        *field = value;
    } else {
        d.fail(line, QStringLiteral("unbekannter Schlüssel ") + quoted(key));
    }
}

void checkField(Draft& d, const QString& key)
{
    const QString& value = *patternField(d.source, key);
    if (value.isEmpty())
        return;
    const int line = d.keyLines.value(key, d.source.line);
    if (d.source.format == QuoteSource::Format::Json) {
        if (value.split(u'.').contains(QString()))
            d.fail(line, QStringLiteral("der Pfad ") + quoted(key) + QStringLiteral(" hat ein leeres Glied"));
        return;
    }
    const QRegularExpression pattern(value);
    if (!pattern.isValid())
        d.fail(line, QStringLiteral("das Muster ") + quoted(key) + QStringLiteral(" ist ungültig: ") +
                         pattern.errorString() +
                         QStringLiteral(" (Zeichen %1)").arg(pattern.patternErrorOffset() + 1));
    else if (pattern.captureCount() < 1)
        d.fail(line,
               QStringLiteral("das Muster ") + quoted(key) + QStringLiteral(" hat keine Klammergruppe"));
}

// Checks a finished draft; true when it is a working source.
bool finish(Draft& d)
{
    QuoteSource& s = d.source;
    if (s.url.isEmpty())
        d.fail(s.line, QStringLiteral("'url' fehlt"));
    if (s.quote.isEmpty())
        d.fail(s.line, QStringLiteral("'quote' fehlt"));
    for (const QString& key : kPatternKeys)
        checkField(d, key);
    s.decimal = d.decimal.value_or(s.format == QuoteSource::Format::Json ? QuoteSource::Decimal::Point
                                                                         : QuoteSource::Decimal::Comma);
    return d.problem.isEmpty();
}

} // namespace

QString QuoteSourceProblem::message() const
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what);
}

const QuoteSource* QuoteSourceFile::find(QStringView name) const
{
    for (const QuoteSource& s : sources) {
        if (name.compare(s.name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

QuoteSourceFile parseQuoteSources(QStringView text, const QString& fileName)
{
    QuoteSourceFile result;
    QHash<QString, int> seen; // lower-case name -> line of its last "[name]"
    std::optional<Draft> draft;
    const auto problem = [&](int line, const QString& what) {
        result.problems.append({fileName, line, what});
    };
    const auto close = [&] {
        if (!draft)
            return;
        const QString key = draft->source.name.toLower();
        const bool works = finish(*draft);
        if (const auto earlier = seen.constFind(key); earlier != seen.cend()) {
            result.sources.removeIf([&](const QuoteSource& s) { return s.name.toLower() == key; });
            problem(draft->source.line,
                    QStringLiteral("Quelle ") + quoted(draft->source.name) +
                        QStringLiteral(" steht schon in Zeile %1; die spätere gilt").arg(*earlier));
        }
        seen.insert(key, draft->source.line);
        if (works)
            result.sources.append(draft->source);
        else
            problem(draft->problemLine, QStringLiteral("Quelle ") + quoted(draft->source.name) +
                                            QStringLiteral(": ") + draft->problem);
        draft.reset();
    };

    int lineNumber = 0;
    for (QStringView raw : text.split(u'\n')) {
        ++lineNumber;
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            close();
            draft.emplace();
            const bool closed = line.endsWith(u']');
            draft->source.name = line.mid(1, line.size() - (closed ? 2 : 1)).trimmed().toString();
            draft->source.line = lineNumber;
            if (!closed)
                draft->fail(lineNumber, QStringLiteral("']' fehlt"));
            else if (draft->source.name.isEmpty())
                draft->fail(lineNumber, QStringLiteral("der Name fehlt"));
            else if (draft->source.name.compare(kBankSourceName, Qt::CaseInsensitive) == 0)
                draft->fail(lineNumber, QStringLiteral("der Name gehört der eingebauten Bank"));
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!draft) {
            problem(lineNumber, QStringLiteral("die Zeile steht vor der ersten [Quelle]"));
            continue;
        }
        if (equals < 0) {
            draft->fail(lineNumber, QStringLiteral("die Zeile hat kein '='"));
            continue;
        }
        readKey(*draft, lineNumber, line.left(equals).trimmed().toString().toLower(),
                line.mid(equals + 1).trimmed().toString());
    }
    close();
    return result;
}

QuoteSourceFile parseQuoteSources(const QByteArray& bytes, const QString& fileName)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    return parseQuoteSources(QString::fromUtf8(view), fileName);
}

QuoteSourceFile readQuoteSourceFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        QuoteSourceFile result;
        result.problems.append(
            {path, 0, QStringLiteral("die Datei lässt sich nicht lesen: ") + file.errorString()});
        return result;
    }
    return parseQuoteSources(file.readAll(), path);
}

QString quoteSourcesPath(const QString& settingsFile)
{
    return QFileInfo(settingsFile).dir().filePath(kQuoteSourcesFileName);
}

const QuoteSourceFile& QuoteSourceCache::current()
{
    const QFileInfo info(m_path);
    const bool exists = info.exists();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (!m_read || exists != m_existed || modified != m_modified || size != m_size) {
        m_file = readQuoteSourceFile(m_path);
        m_read = true;
        m_existed = exists;
        m_modified = modified;
        m_size = size;
    }
    return m_file;
}

SourceChoice chooseSource(const QuoteSourceFile& file, const QString& chosenName, const QString& place)
{
    const QString trimmedPlace = place.trimmed();
    if (!trimmedPlace.isEmpty()) {
        for (const QuoteSource& s : file.sources) {
            if (s.places.contains(trimmedPlace, Qt::CaseInsensitive))
                return {SourceChoice::Kind::Source, &s, s.name};
        }
    }
    const QString name = chosenName.trimmed();
    if (name.isEmpty() || name.compare(kBankSourceName, Qt::CaseInsensitive) == 0)
        return {SourceChoice::Kind::Bank, nullptr, kBankSourceName};
    if (const QuoteSource* s = file.find(name))
        return {SourceChoice::Kind::Source, s, s->name};
    return {SourceChoice::Kind::Missing, nullptr, name};
}

} // namespace td
