#pragma once

#include "loopback/pageserver.h"
#include "shell/mainwindow.h"
#include "testplatform.h"
#include "watchlist/listdocument.h"

#include <QTimer>

#include <functional>
#include <memory>

namespace td {
class BrowserPane;
class SelectionFlow;
} // namespace td

namespace td::test {

// A part of the window found by its object name; a missing one ends the test.
template <typename T> T& control(MainWindow& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no %s in the main window", qPrintable(name));
    return *found;
}
// The same as a pointer, for the widgets a test drives.
template <typename T> T* widget(MainWindow& window, const QString& name)
{
    return &control<T>(window, name);
}
inline ListDocument& listDocument(MainWindow& window)
{
    return control<ListDocument>(window, QStringLiteral("listDocument"));
}
BrowserPane& pane(MainWindow& window, const QString& name);
SelectionFlow& selection(MainWindow& window);
QTimer& timer(MainWindow& window, const QString& name);

// Shows the window and returns once its first activation has run.
void activate(MainWindow& window);

// Selects the entry at `row` the way a click into the list does.
void clickEntry(MainWindow& window, int row, Qt::MouseButton button = Qt::LeftButton);

// Runs `action` once, from the event loop, as soon as `condition` holds: a
// test can act in the middle of a check that waits in its own loop.
void whenTrue(QObject& context, std::function<bool()> condition, std::function<void()> action);

// Runs `action` while a batch check waits for a page that never comes, then
// cancels the check. The list needs a ticked entry.
void duringBatch(MainWindow& window, TestPlatform& platform, std::function<void()> action);

// A main window whose sites are a loopback server and whose tic folder holds
// `list` as default.tic.
struct ServedWindow
{
    explicit ServedWindow(const QByteArray& list);
    // Creates, shows and activates the window; forgets the requests so far.
    MainWindow& start();
    void click(int row, Qt::MouseButton button = Qt::LeftButton) { clickEntry(*window, row, button); }

    TestPlatform platform;
    loopback::PageServer server;
    std::unique_ptr<MainWindow> window;
};

} // namespace td::test
