#include "quotes/signaldisplay.h"

#include "platform/browserpane.h"
#include "platform/twips.h"
#include "watchlist/watchlistmodel.h"

#include <QIcon>
#include <QLabel>

namespace td {

SignalDisplay::SignalDisplay(const Controls& controls, const Panes& panes, QObject* parent)
    : QObject(parent), m_ui(controls), m_pane(panes.wbrHandelssignal)
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

void SignalDisplay::load(const QString& address)
{
    m_pane->setSilent(true);
    m_pane->setTag(QStringLiteral("LOAD"));
    m_awaiting = true;
    m_pane->navigate(address);
}

void SignalDisplay::onComplete(BrowserPane& pane, SignalPane kind)
{
    if (m_awaiting) {
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
        m_awaiting = false;
    }
    // Cleared also for a page not awaited, so a wait on the pane always ends.
    pane.setTag(QString());
}

} // namespace td
