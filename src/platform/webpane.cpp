#include "platform/webpane.h"

#include <QFile>
#include <QFileInfo>

#include <QLoggingCategory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cstdlib>

namespace td {

namespace {

Q_LOGGING_CATEGORY(lcPane, "td.pane", QtWarningMsg)

// HTTP status when the server sent one, else the engine's error number as a
// negative value.
int errorCodeOf(const QWebEngineLoadingInfo& info)
{
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        return info.errorCode() >= 400 ? info.errorCode() : 0;
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
        return 0;
    const int code = info.errorCode();
    // The engine's ERR_TIMED_OUT and ERR_CONNECTION_TIMED_OUT.
    if ((info.errorDomain() == QWebEngineLoadingInfo::InternalErrorDomain && std::abs(code) == 7) ||
        (info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain && std::abs(code) == 118))
        return BrowserPane::kTimedOut;
    return code > 0 ? -code : (code < 0 ? code : -1);
}

} // namespace

void PanePage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool PanePage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return !m_silent && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool PanePage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                                QString* result)
{
    return !m_silent && QWebEnginePage::javaScriptPrompt(origin, message, defaultValue, result);
}

void PanePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                        int lineNumber, const QString& sourceId)
{
    if (!m_silent)
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
}

WebPane::WebPane(const QString& name, QObject* parent, bool javaScript)
    : BrowserPane(name, parent), m_javaScript(javaScript)
{
}

WebPane::~WebPane()
{
    // A view placed in a window belongs to the window.
    if (m_view && !m_view->parent())
        delete m_view;
}

QUrl WebPane::aboutBaseUrl()
{
    return QUrl(QStringLiteral("about:blank"));
}

QWebEngineView* WebPane::view()
{
    if (!m_view) {
        m_view = new QWebEngineView;
        m_page = new PanePage(m_view);
        m_page->setSilent(isSilent());
        m_view->setPage(m_page);
        // Chart snippets are sized to their pane; scroll bars would only
        // cover the picture.
        m_page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        m_page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, m_javaScript);
        // The overview pages are local files that show charts from the web.
        m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        connect(m_page, &QWebEnginePage::loadingChanged, this, &WebPane::onLoadingChanged);
        m_pending = false;
    }
    return m_view;
}

QWidget* WebPane::widget()
{
    return view();
}

QWidget* WebPane::existingWidget() const
{
    return m_view;
}

void WebPane::setSilent(bool silent)
{
    BrowserPane::setSilent(silent);
    if (m_view)
        m_page->setSilent(silent);
}

QString WebPane::documentMarkup() const
{
    return isAboutAddress(m_address) ? aboutDocument(m_address) : QString();
}

QString WebPane::locationUrl() const
{
    if (isAboutAddress(m_address) || !m_view || m_view->url().isEmpty())
        return m_address;
    return m_view->url().toString();
}

void WebPane::startNavigation(const QString& address)
{
    QWebEngineView* v = view();
    if (m_pending)
        m_superseded.append(m_expected);
    m_address = address;
    m_navigation = generation();
    m_pending = true;
    m_localPage.clear();
    if (address.compare(u"about:blank", Qt::CaseInsensitive) == 0) {
        m_expected = QUrl(QStringLiteral("about:blank"));
        v->setUrl(m_expected);
    } else if (isAboutAddress(address)) {
        m_expected = aboutBaseUrl();
        v->setHtml(aboutDocument(address), m_expected);
    } else {
        m_expected = webAddress(address);
        m_localPage = pageFileOf(m_expected);
        if (m_localPage.isEmpty())
            v->setUrl(m_expected);
        else
            showLocalPage();
    }
}

// The program's page files have no extension, so the engine would not take
// them for HTML; they are handed over as HTML with the file as their base.
QString WebPane::pageFileOf(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    const QFileInfo file(url.toLocalFile());
    return file.isFile() && file.suffix().isEmpty() ? file.absoluteFilePath() : QString();
}

void WebPane::showLocalPage()
{
    QFile file(m_localPage);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    m_page->setContent(bytes, QStringLiteral("text/html;charset=windows-1252"),
                       QUrl::fromLocalFile(m_localPage));
}

// The engine reports one start and one end per stretch of loading: a load
// that replaces a running one may bring no start of its own, and the replaced
// one may or may not report its end. So the first end after navigate() is
// taken as the navigation's, unless it names an address only a replaced
// navigation went to.
void WebPane::onLoadingChanged(const QWebEngineLoadingInfo& info)
{
    qCDebug(lcPane) << objectName() << info.status() << info.url() << info.errorDomain() << info.errorCode()
                    << "pending" << m_pending;
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        return;
    if (m_pending) {
        if (info.url() != m_expected && m_superseded.contains(info.url()))
            return;
        m_pending = false;
        m_superseded.clear();
        complete(m_navigation, m_address, errorCodeOf(info));
        return;
    }
    if (info.status() != QWebEngineLoadingInfo::LoadStoppedStatus) {
        m_address = info.url().toString();
        complete(generation(), m_address, errorCodeOf(info));
    }
}

void WebPane::goBack()
{
    if (m_view)
        m_view->back();
}

void WebPane::refresh()
{
    if (!m_view || m_pending)
        return;
    if (!m_localPage.isEmpty())
        showLocalPage(); // reads the file afresh
    else
        m_view->reload();
}

void WebPane::refresh2()
{
    if (!m_view || m_pending)
        return;
    if (!m_localPage.isEmpty())
        showLocalPage();
    else
        m_page->triggerAction(QWebEnginePage::ReloadAndBypassCache);
}

} // namespace td
