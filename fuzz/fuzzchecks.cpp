#include "fuzzchecks.h"

#include "overview/overviewcommands.h"
#include "overview/overviewpage.h"
#include "overview/previewaddresses.h"
#include "platform/amount.h"
#include "platform/handedline.h"
#include "platform/textfile.h"
#include "quotes/evaluation.h"
#include "quotes/pagereader.h"
#include "quotes/quotesource.h"
#include "quotes/signalreader.h"
#include "quotes/sourcereading.h"
#include "sites/linkfile.h"
#include "update/versioncheck.h"
#include "watchlist/tickerfile.h"

namespace td::fuzz {

namespace {

// Pages arrive decoded by their declared charset: try both decodings.
QList<QString> decodings(const QByteArray& data)
{
    return {decodeWindows1252(data), QString::fromUtf8(data)};
}

bool sameEntry(const WatchEntry& a, const WatchEntry& b)
{
    return a.columns == b.columns && a.checked == b.checked && a.important == b.important;
}

QString checkCode(const std::optional<QString>& code, qsizetype maxLength, const char* what)
{
    if (code && (code->isEmpty() || code->size() > maxLength))
        return QStringLiteral("%1 of length %2").arg(QLatin1StringView(what)).arg(code->size());
    return {};
}

// A quote column as written must read back as the very amount.
QString checkQuoteColumn(const WatchEntry& e, Amount quote)
{
    const auto back = parseGerman(e.columns[ColQuote]);
    if (!back || *back != quote)
        return QStringLiteral("quote column %1 does not read back").arg(e.columns[ColQuote]);
    return {};
}

WatchEntry sampleEntry()
{
    return parseTickerLine(u"BMW;BMW;ETR;12.03.2024;98,50;True;;;;;EUR;50;;;519000;DE0005190003;0", false);
}

} // namespace

QString checkTickerFile(const QByteArray& data)
{
    const TickerFileContent first = parseTickerFile(data, false);
    const QByteArray written = formatTickerFile(first.entries);
    const TickerFileContent second = parseTickerFile(written, false);
    if (second.entries.size() != first.entries.size())
        return QStringLiteral("%1 entries read back as %2")
            .arg(first.entries.size())
            .arg(second.entries.size());
    for (qsizetype i = 0; i < first.entries.size(); ++i) {
        WatchEntry expected = first.entries[i];
        for (QString& c : expected.columns)
            c = sanitizeField(c);
        if (!sameEntry(expected, second.entries[i]))
            return QStringLiteral("entry %1 changed on the way through the file").arg(i + 1);
    }
    if (formatTickerFile(second.entries) != written)
        return QStringLiteral("writing is not stable");
    QString lines;
    for (const WatchEntry& e : first.entries)
        lines += formatTickerLine(e) + QStringLiteral("\r\n");
    if (encodeWindows1252(lines) != written)
        return QStringLiteral("the file writer and the line writer disagree");

    if (countTickerEntries(data) != first.entries.size() + first.linesOverLimit)
        return QStringLiteral("counting and reading disagree");

    constexpr int capacity = 3;
    const TickerFileContent capped = parseTickerFile(data, true, capacity);
    const qsizetype expectedCount = std::min<qsizetype>(capacity, first.entries.size());
    if (capped.entries.size() != expectedCount ||
        capped.linesOverLimit != first.entries.size() + first.linesOverLimit - expectedCount)
        return QStringLiteral("capacity miscounted");
    for (const WatchEntry& e : capped.entries) {
        if (!e.checked)
            return QStringLiteral("auto-check left an entry unticked");
    }
    return {};
}

QString checkQuotePage(const QByteArray& data)
{
    const WatchEntry entry = sampleEntry();
    EvaluationOptions options;
    options.thresholdText = QStringLiteral("5");
    for (const QString& page : decodings(data)) {
        const QuotePageResult search = readQuotePage(page, false);
        if (search.dropped)
            return QStringLiteral("search layout dropped a page");
        if (search.evaluate && search.sQuoteText.isEmpty())
            return QStringLiteral("search layout evaluates without a quote text");
        const MasterData codes = readMasterData(page);
        if (codes.wkn != search.wkn || codes.isin != search.isin)
            return QStringLiteral("master data differs between readings");
        for (const QString& problem : {checkCode(codes.wkn, 6, "WKN"), checkCode(codes.isin, 12, "ISIN")}) {
            if (!problem.isEmpty())
                return problem;
        }
        if (showsOtherInstrument(codes.wkn.value_or(QString()), codes.isin.value_or(QString()), codes))
            return QStringLiteral("a page is another instrument to its own codes");

        const QuotePageResult byWkn = readQuotePage(page, true);
        if (byWkn.dropped && (byWkn.evaluate || byWkn.wkn || byWkn.isin))
            return QStringLiteral("a dropped page still gives figures");

        const BackgroundPageResult background = readBackgroundPage(page);
        if (background.wkn != codes.wkn || background.isin != codes.isin)
            return QStringLiteral("background master data differs");

        for (const QuotePageResult* r : {&search, &byWkn}) {
            const QuoteFigures figures{r->quote, r->dayPct, r->sQuoteText};
            const EvaluationResult result = evaluateQuote(entry, figures, options);
            if (QString p = checkQuoteColumn(result.entry, r->quote); !p.isEmpty())
                return p;
        }
        const QuoteFigures bgFigures{background.cBgQuote, background.cBgDayPct, background.sBgQuoteText};
        if (QString p = checkQuoteColumn(evaluateQuoteBackground(entry, bgFigures, options).entry,
                                         background.cBgQuote);
            !p.isEmpty())
            return p;
    }
    return {};
}

QString checkSignalPage(const QByteArray& data)
{
    for (const QString& markup : decodings(data)) {
        for (SignalPane pane : {SignalPane::Handelssignal, SignalPane::HandelssignalLang}) {
            const SignalResult result = readSignal(markup, pane);
            if (result.symbols.size() > 5 || result.word.isEmpty() != result.symbols.isEmpty())
                return QStringLiteral("signal rows miscounted");
            for (int symbol : result.symbols) {
                if (signalSymbolResource(symbol).isEmpty())
                    return QStringLiteral("signal symbol %1 has no picture").arg(symbol);
            }
        }
    }
    return {};
}

QString checkEvaluation(const QByteArray& data)
{
    const QStringList lines = splitLines(decodeWindows1252(data));
    const auto line = [&lines](int i) {
        return lines.value(i);
    };
    const WatchEntry entry = parseTickerLine(line(0), false);
    const QString quoteText = line(1);
    const qsizetype nbsp = quoteText.indexOf(u"&nbsp;");
    const Amount quote = parseGerman(nbsp < 0 ? quoteText : quoteText.left(nbsp)).value_or(Amount());
    const Amount dayPct = parseGerman(line(2)).value_or(Amount());
    const QString flags = line(4);

    EvaluationOptions options;
    options.thresholdText = line(3);
    options.quoteBold = flags.contains(u'b');
    options.markMinMaxChange = flags.contains(u'm');
    options.batchRunning = flags.contains(u'r');
    const QuoteFigures figures{quote, dayPct, quoteText};

    const EvaluationResult result = evaluateQuote(entry, figures, options);
    if (QString p = checkQuoteColumn(result.entry, quote); !p.isEmpty())
        return p;
    if (result.entry.columns[ColCur] != currencyFromQuoteText(quoteText))
        return QStringLiteral("currency column differs from the quote text's");
    if (result.alarm && (!parseGerman(options.thresholdText) || !parseGerman(result.entry.columns[ColBPct])))
        return QStringLiteral("alarm without a threshold and a change since buying");
    const auto icon = static_cast<int>(result.entry.icon);
    if (icon < 0 || icon > 9)
        return QStringLiteral("icon %1 out of range").arg(icon);
    const WatchEntry stop = makeStopEntry(result.entry, 1);
    if (stop.columns[ColCur] != result.currency)
        return QStringLiteral("stop entry lost the currency");

    const EvaluationResult background = evaluateQuoteBackground(entry, figures, options);
    if (background.entry.columns[ColWkn] != entry.columns[ColWkn] ||
        background.entry.columns[ColIsin] != entry.columns[ColIsin])
        return QStringLiteral("background evaluation touched the codes");
    return {};
}

QString checkLinkFile(const QByteArray& data)
{
    const LinkFile file = parseLinkFile(data);
    if (file.items.size() != splitLines(decodeWindows1252(data)).size())
        return QStringLiteral("%1 items for a different number of lines").arg(file.items.size());
    QList<int> invalid;
    QString written;
    for (qsizetype i = 0; i < file.items.size(); ++i) {
        const LinkItem& item = file.items[i];
        if (!item.valid) {
            invalid.append(static_cast<int>(i + 1));
            if (!item.caption.isEmpty() || !item.address.isEmpty())
                return QStringLiteral("line %1 is invalid but fills its item").arg(i + 1);
            continue;
        }
        if (item.caption.isEmpty() || item.address.isEmpty() || item.caption.contains(u';') ||
            item.address.contains(u';'))
            return QStringLiteral("line %1 gives a malformed item").arg(i + 1);
        if (!isLinkAddressAllowed(item.address))
            return QStringLiteral("line %1 lets a refused address through").arg(i + 1);
        written += item.caption + u';' + item.address + QStringLiteral("\r\n");
    }
    if (invalid != file.invalidLines)
        return QStringLiteral("the invalid lines are not the empty items");
    const LinkFile again = parseLinkFile(encodeWindows1252(written));
    qsizetype next = 0;
    for (const LinkItem& item : file.items) {
        if (!item.valid)
            continue;
        const LinkItem& back = again.items.value(next++);
        if (!back.valid || back.caption != item.caption || back.address != item.address)
            return QStringLiteral("valid line %1 does not read back").arg(next);
    }
    if (next != again.items.size())
        return QStringLiteral("writing the valid lines added lines");
    return {};
}

namespace {

// Markup characters of the writes; escaped entry texts add none of them.
qsizetype markupCount(const QStringList& writes)
{
    qsizetype count = 0;
    for (const QString& w : writes)
        count += w.count(u'<') + w.count(u'>') + w.count(u'"');
    return count;
}

// The same entries with every non-empty text a plain "x".
ChartSelection plainTexts(ChartSelection s)
{
    for (auto* list : {&s.sSelName, &s.sSelTicker, &s.sSelPlace, &s.sSelWKN, &s.sSelISIN}) {
        for (QString& text : *list)
            text = text.isEmpty() ? QString() : QStringLiteral("x");
    }
    return s;
}

} // namespace

QString checkOverviewPage(const QByteArray& data)
{
    const QStringList lines = splitLines(decodeWindows1252(data));
    const QString identifier = idNotation(lines.value(0));
    if (identifier.size() > 30 || identifier.contains(u'&') || identifier != identifier.trimmed())
        return QStringLiteral("identifier \"%1\" out of bounds").arg(identifier);

    QList<WatchEntry> entries;
    for (qsizetype i = 1; i < lines.size(); ++i)
        entries.append(parseTickerLine(lines[i], i % 2 == 0));
    const HtmlFrame frame; // empty frame: only the entry lines carry markup
    MemorySettingsStore hosts;
    OverviewContext context;
    context.tickerFilePath = lines.value(0);
    for (OverviewCommand command :
         {OverviewCommand::Charts, OverviewCommand::Benchmark, OverviewCommand::FinViz}) {
        ChartSelection selection;
        fillChartSelection(selection, entries, command);
        const qsizetype n = selection.sSelTicker.size();
        for (const QList<QString>* list :
             {&selection.sSelName, &selection.sSelPlace, &selection.sSelWKN, &selection.sSelISIN}) {
            if (list->size() != n)
                return QStringLiteral("selection lists of different lengths");
        }
        const ChartSelection plain = plainTexts(selection);
        OverviewContext plainContext = context;
        plainContext.tickerFilePath = QStringLiteral("x");
        for (int bank : {0, 1}) {
            context.bank = plainContext.bank = bank;
            const QStringList writes = chartOverviewWrites(frame, selection, context, hosts);
            if (writes.size() != n + 6)
                return QStringLiteral("%1 chart writes for %2 entries").arg(writes.size()).arg(n);
            if (markupCount(writes) != markupCount(chartOverviewWrites(frame, plain, plainContext, hosts)))
                return QStringLiteral("entry texts added markup to the chart overview");
        }
        const QStringList writes = benchmarkWrites(frame, selection, context, hosts);
        if (writes.size() != n + 6)
            return QStringLiteral("%1 benchmark writes for %2 entries").arg(writes.size()).arg(n);
        if (markupCount(writes) != markupCount(benchmarkWrites(frame, plain, plainContext, hosts)))
            return QStringLiteral("entry texts added markup to the benchmark");
    }
    return {};
}

QString checkVersionFile(const QByteArray& data)
{
    const MemorySettingsStore hosts;
    for (const QString& markup : decodings(data)) {
        const VersionFileReading reading = readVersionFile(markup, false);
        if (reading.failed != reading.updateVersion.isEmpty())
            return QStringLiteral("a failed reading with a version, or a version that is empty");
        if (reading.updateVersion.contains(u'\r') || reading.updateVersion.contains(u'\n'))
            return QStringLiteral("a line break left in the version");
        if (!reading.failed && (reading.updateVersion.size() > kMaxVersionLength ||
                                reading.updateVersion.contains(u'<') || reading.updateVersion.contains(u'>')))
            return QStringLiteral("a version read from markup or of more than 32 characters");
        if (offersProgramDownload(reading.updateVersion, reading))
            return QStringLiteral("a version offers itself as an update");
        // The box shows the text, never its markup.
        const UpdateBox box{QStringLiteral("1.0.1.0859"), reading.updateVersion, reading.failed, 1};
        UpdateBox plain = box;
        if (plain.updateVersion != plain.programVersion)
            plain.updateVersion = QStringLiteral("x");
        const QString shown = updateBoxDocument(hosts, box);
        const QString expected = updateBoxDocument(hosts, plain);
        if (shown.count(u'<') != expected.count(u'<') || shown.count(u'>') != expected.count(u'>'))
            return QStringLiteral("the version text added markup to the update box");
    }
    return {};
}

QString checkHandedLine(const QByteArray& data)
{
    const HandedLine line = readHandedLine(data);
    const qsizetype end = data.indexOf('\n');
    switch (line.state) {
    case HandedLine::State::Incomplete:
        if (end >= 0 || data.size() > kMaxHandedLine)
            return QStringLiteral("a whole or overlong line left waiting");
        return {};
    case HandedLine::State::Refused:
        if (end >= 0 && end <= kMaxHandedLine)
            return QStringLiteral("a line within the limit refused");
        return {};
    case HandedLine::State::Complete:
        break;
    }
    if (line.path.contains(u'\n'))
        return QStringLiteral("a line break left in the path");
    const HandedLine again = readHandedLine(handedLineFor(line.path) + data);
    if (again.state != HandedLine::State::Complete || again.path != line.path)
        return QStringLiteral("the path sent again reads differently");
    return {};
}

namespace {

QString writtenBack(const QuoteSource& s)
{
    QString text = u'[' + s.name + QStringLiteral("]\nurl=") + s.url + QStringLiteral("\nformat=") +
                   QLatin1StringView(s.format == QuoteSource::Format::Json ? "json" : "html") +
                   QStringLiteral("\ndecimal=") +
                   QLatin1StringView(s.decimal == QuoteSource::Decimal::Point ? "point" : "comma") +
                   QStringLiteral("\nplaces=") + s.places.join(u',') + u'\n';
    const std::pair<const char*, const QString*> keys[] = {
        {"quote", &s.quote}, {"change", &s.change}, {"previous", &s.previous},
        {"wkn", &s.wkn},     {"isin", &s.isin},     {"currency", &s.currency}};
    for (const auto& [key, value] : keys) {
        if (!value->isEmpty())
            text += QLatin1StringView(key) + u'=' + *value + u'\n';
    }
    return text;
}

bool sameSource(const QuoteSource& a, const QuoteSource& b)
{
    return a.name == b.name && a.url == b.url && a.format == b.format && a.decimal == b.decimal &&
           a.quote == b.quote && a.change == b.change && a.previous == b.previous && a.wkn == b.wkn &&
           a.isin == b.isin && a.currency == b.currency && a.places == b.places;
}

QString checkAnswer(const SourceAnswer& a)
{
    if (a.fields.size() != 6 || a.fields[0].key != u"quote")
        return QStringLiteral("the answer does not list its six fields");
    if (a.quoteRead != a.failure.isEmpty() || a.quoteRead != (a.fields[0].state == SourceField::State::Read))
        return QStringLiteral("a read quote with a failure, or none without");
    if (!a.quoteRead && (!a.quote.isZero() || !a.quoteText.isEmpty()))
        return QStringLiteral("an unreadable page set a quote");
    const std::optional<QString>* codes[] = {&a.wkn, &a.isin, &a.currency};
    for (int k = 0; k < 3; ++k) {
        const SourceField& f = a.fields[3 + k];
        if (codes[k]->has_value() != (f.state == SourceField::State::Read) ||
            (codes[k]->has_value() && (*codes[k])->isEmpty()))
            return QStringLiteral("the code '%1' disagrees with its field").arg(f.key);
    }
    return {};
}

} // namespace

QString checkQuoteSources(const QByteArray& data)
{
    const QuoteSourceFile file = parseQuoteSources(data, QStringLiteral("q.ini"));
    const qsizetype lines = QString::fromUtf8(data).count(u'\n') + 1;
    for (const QuoteSourceProblem& p : file.problems) {
        if (p.line < 1 || p.line > lines || p.what.isEmpty())
            return QStringLiteral("a problem at line %1 of %2").arg(p.line).arg(lines);
    }
    QString again;
    QStringList names;
    for (const QuoteSource& s : file.sources) {
        if (s.name.isEmpty() || s.url.isEmpty() || s.quote.isEmpty() ||
            names.contains(s.name, Qt::CaseInsensitive) ||
            s.name.compare(kBankSourceName, Qt::CaseInsensitive) == 0)
            return QStringLiteral("a source without name, url or quote, or a name twice");
        names.append(s.name);
        if (s.format == QuoteSource::Format::Html) {
            for (const QString* pattern : {&s.quote, &s.change, &s.previous, &s.wkn, &s.isin, &s.currency}) {
                const QRegularExpression re(*pattern);
                if (!pattern->isEmpty() && (!re.isValid() || re.captureCount() < 1))
                    return QStringLiteral("source '%1' kept a broken pattern").arg(s.name);
            }
        }
        again += writtenBack(s);
    }
    const QuoteSourceFile back = parseQuoteSources(again, QStringLiteral("q.ini"));
    if (!back.problems.isEmpty() || back.sources.size() != file.sources.size())
        return QStringLiteral("the sources written back do not read back");
    for (qsizetype i = 0; i < back.sources.size(); ++i) {
        if (!sameSource(back.sources[i], file.sources[i]))
            return QStringLiteral("source '%1' reads back differently").arg(file.sources[i].name);
    }
    return {};
}

QString checkSourcePage(const QByteArray& data)
{
    const qsizetype split = data.indexOf("\n----\n");
    const QByteArray keys = split < 0 ? data : data.left(split);
    const QByteArray page = split < 0 ? QByteArray() : data.mid(split + 6);
    const QuoteSourceFile file =
        parseQuoteSources("[s]\nurl=http://h/{symbol}?n={name}\n" + keys, QStringLiteral("q"));
    if (file.sources.isEmpty())
        return {};
    QuoteSource source = file.sources.first();
    source.url = QStringLiteral("http://h/{symbol}?n={name}");
    const QString firstLine = QString::fromUtf8(page.left(page.indexOf('\n')));
    const QString address = sourceAddress(source, {firstLine, firstLine, firstLine, firstLine, firstLine});
    if (address.contains(u' ') || address.contains(u'\n') || address.contains(u'#') ||
        address.count(u'?') != 1)
        return QStringLiteral("an entry's text broke out of its field: %1").arg(address);
    for (const QuoteSource::Format format : {QuoteSource::Format::Html, QuoteSource::Format::Json}) {
        source.format = format;
        for (const QString& text : decodings(page)) {
            if (const QString problem = checkAnswer(readSourcePage(source, text)); !problem.isEmpty())
                return problem;
        }
    }
    return {};
}

} // namespace td::fuzz
