#pragma once

#include "platform/dialogs.h"
#include "platform/downloader.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "update/versioncheck.h"

#include <QObject>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace td {

class BrowserPane;

// The online version check and the downloads of the program file and of a
// ticker list. The window applies the information layout and loads a
// downloaded list when asked to.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QPushButton* cmdupdate = nullptr;
        QPushButton* cmdDownloadEXE = nullptr;
        QPushButton* cmdDownloadEXEMan = nullptr;
        QPushButton* cmdDownloadTickerFile = nullptr;
        QLineEdit* txtDownloadTickerFile = nullptr;
        QPlainTextEdit* txtDownloadedTickerFile = nullptr;
    };
    struct Panes
    {
        BrowserPane& wbrVersion; // read back
        BrowserPane& updateBox;  // where the update box shows
    };
    struct Services
    {
        SettingsStore& hosts;
        Dialogs& dialogs;
        Downloader& downloader;
        Clock& clock;
        QString programDir;
    };

    UpdateCheck(const Controls& controls, const Panes& panes, const Services& services,
                const QString& programVersion, QObject* parent = nullptr);

    QString sUpdateVersion() const { return m_reading.updateVersion; }
    bool isChecking() const { return m_checking; }
    bool isDownloading() const { return m_downloading; }

public slots:
    // The window's first activation ran: checks and their pages count from now on.
    void activate() { m_active = true; }
    // cmdupdate: returns once the version file was read or failed.
    void check();
    // "Error" when the download failed, "" otherwise; kind "TIC" or "EXE".
    QString sDownloadToFile(const QString& address, const QString& kind);
    bool bDownloadFile(const QString& address, const QString& localPath);
    // A click on a list entry withdraws the offer.
    void hideDownloadOffer();

signals:
    void informationLayoutRequested();
    void checkFinished();
    // The user wants the downloaded list shown: the ordinary load.
    void loadListRequested(const QString& path);

private:
    void onVersionComplete();
    void showBox(int banner);
    QString downloadTickerList(const QString& address, const QString& path);
    QString downloadProgramFile(const QString& address, const QString& path);

    Controls m_ui;
    Panes m_panes;
    Services m_services;
    const QString m_programVersion;
    bool m_active = false;
    VersionFileReading m_reading;
    bool m_versionLoadFailed = false;
    bool m_checking = false;
    bool m_downloading = false;
};

} // namespace td
