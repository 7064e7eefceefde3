#include "quotes/quoteloader.h"

#include "platform/browserpane.h"

namespace td {

namespace {
const QString kLoad = QStringLiteral("Load");

QString unreadReason(int errorCode)
{
    switch (errorCode) {
    case BrowserPane::kPageTooLarge:
        return QStringLiteral("Seite zu groß");
    case BrowserPane::kTimedOut:
        return QStringLiteral("keine Antwort");
    default:
        return QStringLiteral("Seite nicht geladen (%1)").arg(errorCode);
    }
}
} // namespace

QuoteLoader::QuoteLoader(BrowserPane& pane, QObject* parent) : QObject(parent), m_pane(pane)
{
    connect(&pane, &BrowserPane::documentComplete, this, &QuoteLoader::onComplete);
}

void QuoteLoader::load(const QuoteRequest& request, QObject* receiver, AnswerHandler onAnswer)
{
    m_pending = Pending{request, receiver, std::move(onAnswer)};
    m_pane.setTag(kLoad);
    m_pane.navigate(request.address);
}

void QuoteLoader::cancel()
{
    m_pending.reset();
    m_pane.setTag(QString());
}

void QuoteLoader::show(const QString& address)
{
    cancel();
    m_pane.navigate(address);
}

void QuoteLoader::onComplete()
{
    // A page nobody asked for is read into nothing; its tag still clears.
    if (!m_pending) {
        m_pane.setTag(QString());
        return;
    }
    // Handed over before the handler runs: a handler may start the next load.
    const Pending done = std::move(*m_pending);
    m_pending.reset();
    const QString page = m_pane.documentMarkup();
    QuoteAnswer answer = readQuoteAnswer(done.request, page);
    answer.errorCode = m_pane.lastError();
    if (!answer.read && answer.errorCode != 0) {
        answer.why = unreadReason(answer.errorCode);
        if (done.request.source)
            answer.why = sourceFailure(done.request.source->name, answer.why);
    }
    if (m_watcher)
        m_watcher(answer, page);
    m_pane.setTag(QString());
    if (done.receiver && done.onAnswer)
        done.onAnswer(answer);
}

} // namespace td
