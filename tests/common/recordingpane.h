#pragma once

#include "platform/browserpane.h"
#include "platform/panefactory.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace td::test {

// Stands in for a display pane: records every address and completes each
// navigation from the event loop, like a real pane (a superseded one ends
// silently). "about:" documents are their own markup; web pages are empty.
class RecordingPane final : public BrowserPane
{
    Q_OBJECT

public:
    explicit RecordingPane(const QString& name, QObject* parent = nullptr) : BrowserPane(name, parent) {}
    ~RecordingPane() override;

    QStringList addresses; // every navigate() address, in order
    bool holding = false;  // true: navigations wait for release()
    int refreshes = 0;     // calls of refresh()

    // Completes the navigation held back while `holding`.
    void release();

    QString documentMarkup() const override { return m_document; }
    QString locationUrl() const override { return m_location; }
    void goBack() override {}
    void refresh() override { ++refreshes; }
    void refresh2() override {}
    QWidget* widget() override;

protected:
    void startNavigation(const QString& address) override;
    QWidget* existingWidget() const override { return m_widget; }

private:
    void finish(quint64 navigation, const QString& address);

    QString m_document;
    QString m_location;
    quint64 m_held = 0;
    QPointer<QWidget> m_widget;
};

// Display and snippet panes are RecordingPanes; read-back panes are real
// FetchPanes with a short time-out (tests point the hosts at a PageServer).
class TestPaneFactory final : public PaneFactory
{
public:
    explicit TestPaneFactory(int timeoutMs = 2000) : m_timeoutMs(timeoutMs) {}
    // For the panes made from now on.
    void setTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }
    BrowserPane* create(const QString& name, PaneKind kind, QObject* parent) override;

    RecordingPane* recording(const QString& name) const
    {
        return qobject_cast<RecordingPane*>(m_panes.value(name));
    }
    // The kind a pane was asked for.
    PaneKind kind(const QString& name) const { return m_kinds.value(name); }
    // Called with every display pane as it is made.
    std::function<void(RecordingPane*)> onCreate;

private:
    QNetworkAccessManager m_network;
    int m_timeoutMs;
    QHash<QString, QPointer<BrowserPane>> m_panes;
    QHash<QString, PaneKind> m_kinds;
};

} // namespace td::test
