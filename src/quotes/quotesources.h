#pragma once

#include "quotes/quoteanswer.h"
#include "quotes/quotesource.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace td {

class SettingsStore;
struct WatchEntry;

inline const QString kQuoteSourceKey = QStringLiteral("QuoteSource");

// Where each entry's quote comes from: the source whose `places` lists the
// entry's Place, else the one chosen in the options, else the bank. Every
// quote load asks here, so the file is read again when it changed.
class QuoteSources : public QObject
{
    Q_OBJECT
public:
    // `settings` is the [TdCk] section; `dataDir` holds the unreadable pages.
    QuoteSources(const SettingsStore& settings, QString sourcesFile, QString dataDir,
                 QObject* parent = nullptr);

    // The request for an entry's page; `bankAddress` is the bank's search,
    // used when no source is chosen for the entry. A chosen source the file
    // does not hold (missing, or broken) leaves the entry with the bank,
    // and the file's problem is reported.
    QuoteRequest request(const WatchEntry& entry, QuotePurpose purpose, const QString& bankAddress);

    // The file as now on disk.
    const QuoteSourceFile& file();
    // "bank" and the file's working sources, for the options' chooser.
    QStringList choices();
    const QString& path() const { return m_cache.path(); }
    QString unreadableFolder() const;

    // Keeps a user source's unreadable page, the last of its source and symbol.
    void keepUnreadable(const QuoteAnswer& answer, const QString& page);

signals:
    // The file's problems, one "file:line: what" a line, each time they
    // change; "" once the file is sound again.
    void problemsChanged(const QString& message);

private:
    const SettingsStore& m_settings;
    QuoteSourceCache m_cache;
    QString m_dataDir;
    QString m_problems;
};

// The failure summary's tip: where the pages a source could not read are.
QString unreadablePagesTip(const QString& folder);

// The file a new user gets from the options' button: every key, commented out.
QByteArray exampleQuoteSources();

} // namespace td
