#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

namespace td {

class BrowserPane;
class SettingsStore;

enum class PaneKind
{
    Display,  // shown pages: charts, sites
    Snippet,  // shown pages the program writes itself: they run no script
    ReadBack, // pages whose markup the program reads
};

// Makes the panes of the windows; tests pass one that makes stand-ins.
class PaneFactory
{
public:
    virtual ~PaneFactory() = default;
    // `name` becomes the pane's object name.
    virtual BrowserPane* create(const QString& name, PaneKind kind, QObject* parent) = 0;
};

inline constexpr int kDefaultPageTimeoutMs = 30000;

// Setting "PageTimeout" in milliseconds; the default when absent or not a
// positive number.
int pageTimeoutMs(const SettingsStore& settings);

// Display panes are WebPanes; read-back panes are FetchPanes sharing one
// network access manager; the factory must outlive the panes it made.
class QtPaneFactory final : public PaneFactory
{
public:
    explicit QtPaneFactory(int pageTimeoutMs = kDefaultPageTimeoutMs);
    BrowserPane* create(const QString& name, PaneKind kind, QObject* parent) override;

private:
    QNetworkAccessManager m_network;
    int m_timeoutMs;
};

} // namespace td
