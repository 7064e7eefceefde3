#include "quotes/pagepool.h"

#include "platform/browserpane.h"
#include "platform/panefactory.h"
#include "quotes/checkstop.h"

namespace td {

PagePool::PagePool(PaneFactory& factory, QObject* parent) : QObject(parent), m_factory(factory) {}

bool PagePool::load(const QuoteRequest& request, int limit, QObject* receiver,
                    QuoteLoader::AnswerHandler onAnswer)
{
    if (inFlight() >= limit)
        return false;
    QuoteLoader* idle = nullptr;
    for (QuoteLoader* loader : std::as_const(m_loaders)) {
        if (!loader->busy()) {
            idle = loader;
            break;
        }
    }
    if (!idle) {
        if (m_loaders.size() >= kMaxParallelPages)
            return false;
        const QString name = QStringLiteral("wbrQuoteParallel%1").arg(m_loaders.size() + 1);
        BrowserPane* pane = m_factory.create(name, PaneKind::ReadBack, this);
        idle = new QuoteLoader(*pane, this);
        m_loaders << idle;
    }
    idle->load(request, receiver, std::move(onAnswer));
    return true;
}

int PagePool::inFlight() const
{
    int busy = 0;
    for (const QuoteLoader* loader : m_loaders)
        busy += int(loader->busy());
    return busy;
}

void PagePool::abortAll()
{
    // A new navigation drops the transfer under way, so no byte of it is read.
    for (QuoteLoader* loader : std::as_const(m_loaders)) {
        if (loader->busy())
            loader->show(QStringLiteral("about:blank"));
    }
}

} // namespace td
