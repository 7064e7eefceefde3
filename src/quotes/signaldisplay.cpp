#include "quotes/signaldisplay.h"

#include "platform/browserpane.h"
#include "platform/twips.h"
#include "quotes/quotescratch.h"
#include "shell/mainstate.h"
#include "watchlist/watchlistmodel.h"

#include <QIcon>
#include <QLabel>

namespace td {

SignalDisplay::SignalDisplay(const Controls& controls, const Panes& panes, const MainState& state,
                             QuoteScratch& scratch, QObject* parent)
    : QObject(parent), m_ui(controls), m_state(state), m_scratch(scratch)
{
    BrowserPane* shortSignal = panes.wbrHandelssignal;
    BrowserPane* longSignal = panes.wbrHandelssignalLang;
    connect(shortSignal, &BrowserPane::documentComplete, this,
            [this, shortSignal] { onComplete(*shortSignal, SignalPane::Handelssignal); });
    connect(longSignal, &BrowserPane::documentComplete, this,
            [this, longSignal] { onComplete(*longSignal, SignalPane::HandelssignalLang); });
    m_ui.picHandelssignal->setIndent(twipsToPx(230));
    m_ui.picHandelssignal->setTextFormat(Qt::PlainText);
    for (int i = 0; i < m_ui.picHandelssignalSymbol.size(); ++i)
        m_ui.picHandelssignalSymbol[i]->setPixmap(QIcon(signalSymbolResource(i)).pixmap(16, 16));
}

void SignalDisplay::clear()
{
    for (QLabel* symbol : m_ui.picHandelssignalSymbol)
        symbol->hide();
    m_ui.picHandelssignal->clear();
}

void SignalDisplay::onComplete(BrowserPane& pane, SignalPane kind)
{
    if (!m_scratch.bSignalHandled && !m_state.bFirstActivate) {
        const SignalResult result = readSignal(pane.documentMarkup(), kind);
        QLabel* word = m_ui.picHandelssignal;
        QPalette palette = word->palette();
        palette.setColor(QPalette::WindowText, toQColor(result.colour));
        word->setPalette(palette);
        word->setText(result.word);
        for (int symbol : result.symbols) {
            if (symbol >= 0 && symbol < m_ui.picHandelssignalSymbol.size())
                m_ui.picHandelssignalSymbol[symbol]->show();
        }
        m_scratch.bSignalHandled = true;
    }
    // Cleared even when the page was not handled: a quote page read while
    // the signal loaded sets bSignalHandled, and the selection's wait must
    // still end once the signal page is complete.
    pane.setTag(QString());
}

} // namespace td
