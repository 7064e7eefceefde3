#pragma once

#include "quotes/quoteloader.h"

#include <QList>
#include <QObject>

namespace td {

class PaneFactory;

// Up to kMaxParallelPages quote loaders, each on a hidden read-back pane of
// its own, made when first needed.
class PagePool : public QObject
{
    Q_OBJECT
public:
    PagePool(PaneFactory& factory, QObject* parent);

    // Starts the load on an idle loader unless `limit` loads are in flight.
    bool load(const QuoteRequest& request, int limit, QObject* receiver, QuoteLoader::AnswerHandler onAnswer);
    int inFlight() const;
    // Ends every transfer in flight; its answer goes to nobody.
    void abortAll();

private:
    PaneFactory& m_factory;
    QList<QuoteLoader*> m_loaders;
};

} // namespace td
