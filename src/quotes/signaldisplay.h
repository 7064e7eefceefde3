#pragma once

#include "quotes/signalreader.h"

#include <QList>
#include <QObject>

class QLabel;

namespace td {

class BrowserPane;

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

    SignalDisplay(const Controls& controls, const Panes& panes, QObject* parent);

    // Loads the signal page of a selection into wbrHandelssignal; its first
    // completion is shown, later ones (frames of the same page) are not.
    void load(const QString& address);
    BrowserPane& pane() const { return *m_pane; }

public slots:
    // Hides the symbols and clears the word before a new lookup.
    void clear();

private:
    void onComplete(BrowserPane& pane, SignalPane kind);

    Controls m_ui;
    BrowserPane* m_pane;
    // A page of the current selection is awaited.
    bool m_awaiting = false;
};

} // namespace td
