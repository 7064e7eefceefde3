#include "sourcetest.h"

#include "quotes/quotesource.h"
#include "quotes/sourcereading.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace td {

namespace {

QString stateText(const SourceField& field)
{
    switch (field.state) {
    case SourceField::State::NotAsked:
        return QStringLiteral("not given");
    case SourceField::State::Read:
        return field.text;
    case SourceField::State::NoMatch:
        return QStringLiteral("no match");
    case SourceField::State::NotNumber:
        return QStringLiteral("not a number: ") + field.text;
    }
    return {};
}

struct Loaded
{
    int status = 0;
    QString error;
    QByteArray body;
    QByteArray contentType;
};

Loaded load(const QString& address, int timeoutMs)
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    loop.exec();
    Loaded loaded;
    if (!reply->isFinished()) {
        reply->abort();
        loaded.error = QStringLiteral("no answer within %1 s").arg(timeoutMs / 1000.0);
    } else {
        loaded.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // An HTTP error says enough by its status.
        if (loaded.status == 0 && reply->error() != QNetworkReply::NoError)
            loaded.error = reply->errorString();
        loaded.body = reply->readAll();
        loaded.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    }
    delete reply;
    return loaded;
}

} // namespace

int runSourceTest(const QString& sourcesFile, const QStringList& args, QTextStream& out, int timeoutMs)
{
    if (args.size() < 2 || args.size() > 3) {
        out << "usage: --test-source NAME TICKER [PLACE]\n";
        return 2;
    }
    if (!QFileInfo::exists(sourcesFile)) {
        out << sourcesFile << ": no such file\n";
        return 2;
    }
    const QuoteSourceFile file = readQuoteSourceFile(sourcesFile);
    for (const QuoteSourceProblem& problem : file.problems)
        out << problem.message() << '\n';
    const QuoteSource* source = file.find(args[0]);
    if (!source) {
        out << "unknown source '" << args[0] << "' in " << sourcesFile << '\n';
        return 2;
    }

    const SourceEntry entry{args[1], args.value(2), {}, {}, {}};
    const QString address = sourceAddress(*source, entry);
    out << "address: " << address << '\n';
    out.flush();
    const Loaded loaded = load(address, timeoutMs);
    out << "HTTP status: " << loaded.status;
    if (!loaded.error.isEmpty())
        out << " (" << loaded.error << ')';
    out << '\n';

    const SourceAnswer answer = readSourcePage(*source, decodeSourcePage(loaded.body, loaded.contentType));
    for (const SourceField& field : answer.fields)
        out << field.key << ": " << stateText(field) << '\n';
    if (answer.quoteRead) {
        out << "day change: " << formatAmount(answer.dayPct, u"0.00") << " %\n";
        return 0;
    }
    out << "no quote: " << answer.failure << '\n';
    return 1;
}

} // namespace td
