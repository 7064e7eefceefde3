#pragma once

#include "quotes/signalreader.h"

#include <QObject>

namespace td {

class BrowserPane;
class MainWindow;

// Shows the trading signal a signal page carries: the word on
// picHandelssignal in its colour and the matching symbol pictures.
class SignalDisplay : public QObject
{
    Q_OBJECT
public:
    explicit SignalDisplay(MainWindow& window);

    // Hides the symbols and clears the word before a new lookup.
    void clear();

private:
    void onComplete(BrowserPane& pane, SignalPane kind);

    MainWindow& m_window;
};

} // namespace td
