#pragma once

#include <QDateTime>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace td {

// One user-written quote source from quotesources.ini.
struct QuoteSource
{
    enum class Format
    {
        Html,
        Json
    };
    enum class Decimal
    {
        Comma, // "1.234,56"
        Point  // "1,234.56"
    };

    QString name;
    int line = 0; // of its "[name]"
    QString url;
    Format format = Format::Html;
    Decimal decimal = Decimal::Comma;
    // html: regular expressions; json: paths. Empty when not given.
    QString quote;
    QString change;
    QString previous;
    QString wkn;
    QString isin;
    QString currency;
    QStringList places;
};

struct QuoteSourceProblem
{
    QString file;
    int line = 0;
    QString what;

    // "file:line: what", the form every message about the file takes.
    QString message() const;
};

struct QuoteSourceFile
{
    QList<QuoteSource> sources; // in file order, each name once
    QList<QuoteSourceProblem> problems;

    const QuoteSource* find(QStringView name) const;
};

inline const QString kQuoteSourcesFileName = QStringLiteral("quotesources.ini");
inline const QString kBankSourceName = QStringLiteral("bank");

// Reads the file's text. `fileName` only goes into the problems. A broken
// source is left out with one problem naming it; a later source of the same
// name replaces the earlier one, and that is noted as a problem too.
QuoteSourceFile parseQuoteSources(QStringView text, const QString& fileName);
// The same from bytes (UTF-8, a byte-order mark is skipped).
QuoteSourceFile parseQuoteSources(const QByteArray& bytes, const QString& fileName);

// Reads the file; a file that is not there holds no sources and no problems.
QuoteSourceFile readQuoteSourceFile(const QString& path);

// The sources file beside the settings file.
QString quoteSourcesPath(const QString& settingsFile);

// Keeps the file read, and reads it again when its time stamp or size changed
// or it came or went, so an edited source works without a restart.
class QuoteSourceCache
{
public:
    explicit QuoteSourceCache(QString path) : m_path(std::move(path)) {}

    const QuoteSourceFile& current();
    const QString& path() const { return m_path; }

private:
    QString m_path;
    QuoteSourceFile m_file;
    bool m_read = false;
    bool m_existed = false;
    QDateTime m_modified;
    qint64 m_size = -1;
};

// Which reader an entry's quote comes from.
struct SourceChoice
{
    enum class Kind
    {
        Bank,
        Source,
        Missing // chosen by name, but the file has no working source of that name
    };
    Kind kind = Kind::Bank;
    const QuoteSource* source = nullptr; // for Kind::Source
    QString name;                        // the source's name; the chosen one for Missing
};

// A source whose `places` lists the entry's Place wins (the first such in the
// file); otherwise the chosen name: empty or "bank" is the bank. Names and
// places compare without regard to case.
SourceChoice chooseSource(const QuoteSourceFile& file, const QString& chosenName, const QString& place);

} // namespace td
