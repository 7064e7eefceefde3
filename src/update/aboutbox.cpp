#include "update/aboutbox.h"

#include "platform/programname.h"
#include "update/aboutmessage.h"
#include "update/makersite.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QUrl>
#include <QVBoxLayout>

namespace td {

InfoWindow::InfoWindow(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frm_Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QSvgRenderer picture(QStringLiteral(":/about/tickerdeck.svg"));
    QPixmap pixmap(picture.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.render(&painter);
    painter.end();
    auto* imgInfo = new QLabel(this);
    imgInfo->setObjectName(QStringLiteral("imgInfo"));
    imgInfo->setAccessibleName(tr("about picture, click to close"));
    imgInfo->setPixmap(pixmap);
    // The picture's clicks reach the window, which closes.
    imgInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(imgInfo);
    // The window takes the picture's size.
    setFixedSize(pixmap.size());
}

void InfoWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        close();
    QDialog::mouseReleaseEvent(event);
}

AboutBox::AboutBox(QLabel* label6, QWidget* window, const Services& services, const QDateTime& startTime,
                   const QString& programVersion, QObject* parent)
    : QObject(parent), m_label6(label6), m_window(window), m_services(services), m_startTime(startTime),
      m_programVersion(programVersion)
{
    m_label6->setText(makerCredit());
    m_label6->setCursor(Qt::PointingHandCursor);
    m_label6->setToolTip(makerHomePage(m_services.hosts));
    m_label6->installEventFilter(this);
}

void AboutBox::showAbout()
{
    // A second click while the picture shows adds nothing.
    if (m_info)
        return;
    m_info = new InfoWindow(m_window);
    // Modal to the program, but without a nested loop: the message follows
    // the picture's close.
    m_info->setWindowModality(Qt::ApplicationModal);
    connect(m_info, &QDialog::finished, this, &AboutBox::showMessage, Qt::QueuedConnection);
    m_info->open();
}

void AboutBox::showMessage()
{
    const AboutMessage message = aboutMessage(kProgramName, m_startTime, m_programVersion);
    m_services.dialogs.message({message.title, message.text, DialogButtons::Ok, DialogIcon::Information});
}

void AboutBox::openHomePage()
{
    // Only a web address: a changed host setting must not start a program.
    const QUrl address(makerHomePage(m_services.hosts), QUrl::StrictMode);
    if (address.scheme() == u"http" || address.scheme() == u"https")
        m_services.urls.open(address);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label6 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        openHomePage();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace td
