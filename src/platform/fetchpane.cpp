#include "platform/fetchpane.h"

#include "platform/textfile.h"
#include "platform/webpane.h"

#include <QEvent>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace td {

namespace {

const char* const kTooLargeProperty = "tooLarge";

QByteArray declaredCharset(const QByteArray& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QLatin1StringView(text));
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

// The charset a <meta> tag near the top of the page declares.
QByteArray metaCharset(const QByteArray& body)
{
    static const QRegularExpression metaTag(QStringLiteral(R"(<meta\b[^>]*>)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(body.left(4096));
    for (const QRegularExpressionMatch& tag : metaTag.globalMatch(head)) {
        const QByteArray charset = declaredCharset(tag.captured(0).toLatin1());
        if (!charset.isEmpty())
            return charset;
    }
    return {};
}

bool isUtf8(const QByteArray& charset)
{
    return charset == "utf-8" || charset == "utf8" || charset == "unicode-1-1-utf-8";
}

// The web engine must not start without a display; tests run on these.
bool hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen" && platform != u"minimal";
}

} // namespace

QString decodePage(const QByteArray& body, const QByteArray& contentType)
{
    if (body.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(body.mid(3));
    QByteArray charset = declaredCharset(contentType);
    if (charset.isEmpty())
        charset = metaCharset(body);
    return isUtf8(charset) ? QString::fromUtf8(body) : decodeWindows1252(body);
}

FetchPane::FetchPane(const QString& name, QNetworkAccessManager& network, int timeoutMs, QObject* parent)
    : BrowserPane(name, parent), m_network(network), m_timeoutMs(timeoutMs)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            m_reply->abort(); // finishes the reply as failed
    });
}

FetchPane::~FetchPane()
{
    dropReply();
    if (m_host && !m_host->parent())
        delete m_host;
}

void FetchPane::dropReply()
{
    m_deadline.stop();
    if (!m_reply)
        return;
    disconnect(m_reply, nullptr, this, nullptr);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}

void FetchPane::startNavigation(const QString& address)
{
    dropReply();
    m_markup.clear();
    m_location = address;
    const quint64 navigation = generation();
    const bool addToHistory = !m_revisiting;

    if (isAboutAddress(address)) {
        QTimer::singleShot(0, this, [this, navigation, address, addToHistory] {
            if (navigation != generation())
                return;
            if (addToHistory)
                m_history.append(address);
            setDocument(aboutDocument(address), address);
            complete(navigation, address);
        });
        return;
    }

    QNetworkRequest request(webAddress(address));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;
    m_deadline.start(m_timeoutMs);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] { limitSize(reply); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { limitSize(reply); });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, navigation, addToHistory] { finish(reply, navigation, addToHistory); });
}

void FetchPane::limitSize(QNetworkReply* reply)
{
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (reply->isFinished() || (announced <= m_readLimit && reply->bytesAvailable() <= m_readLimit))
        return;
    reply->setProperty(kTooLargeProperty, true);
    reply->abort();
}

void FetchPane::finish(QNetworkReply* reply, quint64 navigation, bool addToHistory)
{
    reply->deleteLater();
    if (m_reply == reply) {
        m_reply = nullptr;
        m_deadline.stop();
    }
    if (navigation != generation())
        return;

    const QString location = reply->url().toString();
    int code = 0;
    QString markup;
    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        code = status >= 400 ? status : -static_cast<int>(reply->error());
        // Only the deadline and the transfer time-out cancel a reply that
        // is still connected here.
        if (reply->property(kTooLargeProperty).toBool())
            code = kPageTooLarge;
        else if (reply->error() == QNetworkReply::OperationCanceledError ||
                 reply->error() == QNetworkReply::TimeoutError)
            code = kTimedOut;
    } else {
        markup = decodePage(reply->readAll(), reply->rawHeader("Content-Type"));
    }
    if (addToHistory)
        m_history.append(location);
    setDocument(markup, location);
    complete(navigation, location, code);
}

void FetchPane::revisit(const QString& address)
{
    m_revisiting = true;
    navigate(address);
    m_revisiting = false;
}

void FetchPane::goBack()
{
    if (m_history.size() < 2)
        return;
    m_history.removeLast();
    revisit(m_history.last());
}

void FetchPane::refresh()
{
    if (!m_location.isEmpty())
        revisit(m_location);
}

void FetchPane::refresh2()
{
    refresh();
}

void FetchPane::setDocument(const QString& markup, const QString& location)
{
    m_markup = markup;
    m_location = location;
    if (m_display)
        showDocument();
}

QWidget* FetchPane::widget()
{
    if (!m_host) {
        m_host = new QWidget;
        m_host->setObjectName(objectName());
        auto* layout = new QVBoxLayout(m_host);
        layout->setContentsMargins(0, 0, 0, 0);
        m_host->installEventFilter(this);
        m_display = nullptr;
    }
    return m_host;
}

QWidget* FetchPane::existingWidget() const
{
    return m_host;
}

bool FetchPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::Show && !m_display) {
        if (hasDisplay()) {
            auto* view = new QWebEngineView(m_host);
            auto* page = new PanePage(view);
            page->setSilent(isSilent());
            view->setPage(page);
            m_display = view;
        } else {
            auto* text = new QPlainTextEdit(m_host);
            text->setReadOnly(true);
            m_display = text;
        }
        m_host->layout()->addWidget(m_display);
        showDocument();
    }
    return BrowserPane::eventFilter(watched, event);
}

void FetchPane::showDocument()
{
    if (auto* view = qobject_cast<QWebEngineView*>(m_display)) {
        const QUrl base = isAboutAddress(m_location) ? WebPane::aboutBaseUrl() : QUrl(m_location);
        view->setHtml(m_markup, base);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(m_display)) {
        text->setPlainText(m_markup);
    }
}

} // namespace td
