#pragma once

#include "quotes/signalreader.h"

#include <QList>
#include <QObject>

class QLabel;

namespace td {

class BrowserPane;
struct MainState;
struct QuoteScratch;

// Shows the trading signal a signal page carries: the word on
// picHandelssignal in its colour and the matching symbol pictures.
class SignalDisplay : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QLabel* picHandelssignal = nullptr;
        QList<QLabel*> picHandelssignalSymbol; // 0 to 9
    };
    struct Panes
    {
        BrowserPane* wbrHandelssignal = nullptr;
        BrowserPane* wbrHandelssignalLang = nullptr;
    };

    SignalDisplay(const Controls& controls, const Panes& panes, const MainState& state, QuoteScratch& scratch,
                  QObject* parent);

public slots:
    // Hides the symbols and clears the word before a new lookup.
    void clear();

private:
    void onComplete(BrowserPane& pane, SignalPane kind);

    Controls m_ui;
    const MainState& m_state;
    QuoteScratch& m_scratch;
};

} // namespace td
