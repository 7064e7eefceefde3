#include "update/updatecheck.h"

#include "platform/browserpane.h"
#include "platform/busycursor.h"
#include "platform/eventpump.h"
#include "platform/panewait.h"
#include "platform/programname.h"
#include "platform/textfile.h"
#include "update/downloadfiles.h"
#include "update/makersite.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace td {

namespace {
const QString kLoad = QStringLiteral("Load");
} // namespace

UpdateCheck::UpdateCheck(const Controls& controls, const Panes& panes, const Services& services,
                         const QString& programVersion, QObject* parent)
    : QObject(parent), m_ui(controls), m_panes(panes), m_services(services), m_programVersion(programVersion)
{
    m_ui.cmdupdate->setToolTip(QStringLiteral("check online for update (result in infobox right corner)"));
    m_ui.cmdDownloadEXE->hide();
    m_ui.txtDownloadTickerFile->setText(defaultTickerListAddress(m_services.hosts));
    m_ui.txtDownloadedTickerFile->setReadOnly(true);

    connect(m_ui.cmdupdate, &QPushButton::clicked, this, &UpdateCheck::check);
    for (QPushButton* b : {m_ui.cmdDownloadEXE, m_ui.cmdDownloadEXEMan})
        connect(b, &QPushButton::clicked, this,
                [this] { sDownloadToFile(programFileAddress(m_services.hosts), QStringLiteral("EXE")); });
    connect(m_ui.cmdDownloadTickerFile, &QPushButton::clicked, this,
            [this] { sDownloadToFile(m_ui.txtDownloadTickerFile->text(), QStringLiteral("TIC")); });

    BrowserPane& version = m_panes.wbrVersion;
    version.setReadLimit(kVersionFileReadLimit);
    connect(&version, &BrowserPane::navigateError, this, [this] { m_versionLoadFailed = true; });
    connect(&version, &BrowserPane::documentComplete, this, &UpdateCheck::onVersionComplete);
}

void UpdateCheck::check()
{
    // The first activation starts the check itself, and a check already
    // waiting for the file gives the answer this one would.
    if (!m_active || m_checking)
        return;
    m_checking = true;
    const int banner = drawBannerNumber();
    m_reading = {};
    m_ui.cmdDownloadEXE->hide();
    emit informationLayoutRequested();
    showBox(0);

    BrowserPane& pane = m_panes.wbrVersion;
    m_versionLoadFailed = false;
    pane.setTag(kLoad);
    pane.setSilent(true);
    pane.navigate(versionFileAddress(m_services.hosts));
    QPointer<UpdateCheck> alive(this);
    waitForPane(pane);
    if (!alive)
        return;

    m_checking = false;
    showBox(banner);
    m_ui.cmdDownloadEXE->setVisible(offersProgramDownload(m_programVersion, m_reading));
    emit checkFinished();
}

void UpdateCheck::onVersionComplete()
{
    BrowserPane& pane = m_panes.wbrVersion;
    if (!m_active || pane.tag() != kLoad)
        return;
    m_reading = readVersionFile(pane.documentMarkup(), m_versionLoadFailed);
    pane.setTag(QString());
}

void UpdateCheck::showBox(int banner)
{
    UpdateBox box;
    box.programVersion = m_programVersion;
    box.updateVersion = m_reading.updateVersion;
    // While the file is on its way nothing has failed yet.
    box.checkFailed = banner > 0 && m_reading.failed;
    box.banner = banner;
    m_panes.updateBox.navigate(updateBoxDocument(m_services.hosts, box));
}

void UpdateCheck::hideDownloadOffer()
{
    m_ui.cmdDownloadEXE->hide();
}

QString UpdateCheck::sDownloadToFile(const QString& address, const QString& kind)
{
    if (m_downloading)
        return {};
    const std::optional<DownloadKind> downloadKindValue = downloadKind(kind);
    if (!downloadKindValue)
        return {};
    m_ui.cmdDownloadEXE->hide();
    const QString path = downloadFilePath(*downloadKindValue, m_services.programDir, m_services.clock.now());
    return *downloadKindValue == DownloadKind::Tic ? downloadTickerList(address, path)
                                                   : downloadProgramFile(address, path);
}

bool UpdateCheck::bDownloadFile(const QString& address, const QString& localPath)
{
    m_downloading = true;
    BusyCursor busy(Qt::BusyCursor);
    QPointer<UpdateCheck> alive(this);
    const bool ok = downloadFile(m_services.downloader, address, localPath).ok();
    if (alive)
        m_downloading = false;
    return ok;
}

QString UpdateCheck::downloadTickerList(const QString& address, const QString& path)
{
    QPointer<UpdateCheck> alive(this);
    if (!bDownloadFile(address, path) || !alive)
        return QStringLiteral("Error");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Error");
    m_ui.txtDownloadedTickerFile->setPlainText(decodeWindows1252(file.readAll()));
    file.close();
    letEventsRun();
    if (!alive)
        return QStringLiteral("Error");
    const DialogAnswer answer =
        m_services.dialogs.message({kProgramName, QStringLiteral("Download complete. Open file in TDCK?"),
                                    DialogButtons::YesNo, DialogIcon::Information});
    if (answer == DialogAnswer::Yes && alive)
        emit loadListRequested(path);
    return {};
}

QString UpdateCheck::downloadProgramFile(const QString& address, const QString& path)
{
    // The program file is only stored: never started, never made executable.
    QPointer<UpdateCheck> alive(this);
    const bool ok = bDownloadFile(address, path);
    if (!alive)
        return QStringLiteral("Error");
    if (!ok) {
        m_services.dialogs.message({kProgramName, QStringLiteral("error downloading file!")});
        return QStringLiteral("Error");
    }
    m_services.dialogs.message(
        {kProgramName, QStringLiteral("download complete.\r\nlocation:\r\n    ") + path});
    return {};
}

} // namespace td
