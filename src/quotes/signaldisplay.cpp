#include "quotes/signaldisplay.h"

#include "platform/browserpane.h"
#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"

#include <QIcon>
#include <QLabel>

namespace td {

SignalDisplay::SignalDisplay(MainWindow& window) : QObject(&window), m_window(window)
{
    MainPanes& panes = window.panes();
    connect(panes.wbrHandelssignal, &BrowserPane::documentComplete, this,
            [this, &panes] { onComplete(*panes.wbrHandelssignal, SignalPane::Handelssignal); });
    connect(panes.wbrHandelssignalLang, &BrowserPane::documentComplete, this,
            [this, &panes] { onComplete(*panes.wbrHandelssignalLang, SignalPane::HandelssignalLang); });
    QLabel* word = window.ui().picHandelssignal;
    word->setIndent(twipsToPx(230));
    word->setTextFormat(Qt::PlainText);
    for (int i = 0; i < window.ui().picHandelssignalSymbol.size(); ++i)
        window.ui().picHandelssignalSymbol[i]->setPixmap(QIcon(signalSymbolResource(i)).pixmap(16, 16));
}

void SignalDisplay::clear()
{
    for (QLabel* symbol : m_window.ui().picHandelssignalSymbol)
        symbol->hide();
    m_window.ui().picHandelssignal->clear();
}

void SignalDisplay::onComplete(BrowserPane& pane, SignalPane kind)
{
    MainState& state = m_window.state();
    if (!state.bSignalHandled && !state.bFirstActivate) {
        const SignalResult result = readSignal(pane.documentMarkup(), kind);
        QLabel* word = m_window.ui().picHandelssignal;
        QPalette palette = word->palette();
        palette.setColor(QPalette::WindowText, toQColor(result.colour));
        word->setPalette(palette);
        word->setText(result.word);
        for (int symbol : result.symbols) {
            if (symbol >= 0 && symbol < m_window.ui().picHandelssignalSymbol.size())
                m_window.ui().picHandelssignalSymbol[symbol]->show();
        }
        state.bSignalHandled = true;
    }
    // Cleared even when the page was not handled: a quote page read while
    // the signal loaded sets bSignalHandled, and the selection's wait must
    // still end once the signal page is complete.
    pane.setTag(QString());
}

} // namespace td
