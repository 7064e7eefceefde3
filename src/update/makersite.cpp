#include "update/makersite.h"

#include "sites/sitehosts.h"

namespace td {

namespace {

const QString kHome = QStringLiteral("maker-home");
const QString kDownload = QStringLiteral("maker-download");
const QString kWeb = QStringLiteral("maker-web");

} // namespace

QString makerHomePage(const SettingsStore& hosts)
{
    return siteHost(hosts, kHome);
}

QString versionFileAddress(const SettingsStore& hosts)
{
    return siteAddress(hosts, kHome, QStringLiteral("/version.txt"));
}

QString programFileAddress(const SettingsStore& hosts)
{
    return siteAddress(hosts, kDownload, QStringLiteral("/TDCK.exe"));
}

QString defaultTickerListAddress(const SettingsStore& hosts)
{
    return siteAddress(hosts, kDownload, QStringLiteral("/tic/all.tic"));
}

QString updateArchiveAddress(const SettingsStore& hosts)
{
    return siteAddress(hosts, kDownload, QStringLiteral("/download/p/Tickerdeck.zip"));
}

QString makerWebSite(const SettingsStore& hosts)
{
    return siteHost(hosts, kWeb);
}

QString bannerPictureAddress(const SettingsStore& hosts, int banner)
{
    return siteAddress(
        hosts, kWeb, QStringLiteral("/bilder/tdck/tdck") + QString::number(banner) + QStringLiteral(".jpg"));
}

QString makerCredit()
{
    return QStringLiteral("made by ") + kPublisher;
}

QString makerNotice()
{
    return QStringLiteral("Tickerdeck follows stocks through public web pages.\r\n"
                          "Quotes are shown as the pages give them, without warranty.\r\n\r\n");
}

} // namespace td
