// An offline stand-in for the bank, the chart services, the signal site and
// the maker's files, so the program can be tried without a network.
#include "demosite.h"
#include "loopback/pageserver.h"
#include "quotebook.h"
#include "sourcepages.h"

#include "shell/mainoptions.h"
#include "sites/sitehosts.h"
#include "watchlist/tickerfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSettings>

#include <algorithm>
#include <cstdio>

namespace {

QString readLayout()
{
    QFile file(QStringLiteral(":/demo/search_layout.html.in"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The settings a demo run starts with: every site on this server, the served
// list loaded and checked right after loading.
void writeDemoSettings(const QString& path, const QString& baseUrl, const QString& listPath)
{
    QFile::remove(path);
    QSettings ini(path, QSettings::IniFormat);
    for (const QString& key : td::siteKeys())
        ini.setValue(QStringLiteral("Hosts/") + key, baseUrl);
    ini.setValue(QStringLiteral("TdCk/TickerFile"), listPath);
    ini.setValue(QStringLiteral("TdCk/AutoGetOnlineQuotes"), QStringLiteral("1"));
    ini.setValue(QStringLiteral("TdCk/ShowINDICESSMALLWINDOW"), QStringLiteral("0"));
    ini.sync();
    // The demo's own quote sources beside the settings, to switch to in the options.
    QFile sources(QFileInfo(path).dir().filePath(QStringLiteral("quotesources.ini")));
    if (sources.open(QIODevice::WriteOnly | QIODevice::Truncate))
        sources.write(td::demo::demoQuoteSources(baseUrl).toUtf8());
}

int fail(const QString& message)
{
    std::fprintf(stderr, "tickerdeck-demo-server: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Charts are drawn off screen; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Offline demo quote server for Tickerdeck"));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port on 127.0.0.1, 0 for any."), QStringLiteral("N"),
                                        QStringLiteral("0"));
    const QCommandLineOption listOption(QStringLiteral("list"), QStringLiteral("Ticker-list file to serve."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption versionOption(
        QStringLiteral("version-text"),
        QStringLiteral("Text of /version.txt; the program's own version when not given."),
        QStringLiteral("TEXT"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the price walk."),
                                        QStringLiteral("N"));
    const QCommandLineOption settingsOption(
        QStringLiteral("demo-settings"),
        QStringLiteral("Write a settings file that points the program at this server."),
        QStringLiteral("PATH"));
    parser.addOptions({portOption, listOption, versionOption, seedOption, settingsOption});
    parser.process(app);

    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return fail(QStringLiteral("--port needs a number from 0 to 65535"));
    if (!parser.isSet(listOption))
        return fail(QStringLiteral("--list PATH is required"));
    QFile listFile(parser.value(listOption));
    if (!listFile.open(QIODevice::ReadOnly))
        return fail(listFile.fileName() + QStringLiteral(": ") + listFile.errorString());
    const td::TickerFileContent list = td::parseTickerFile(listFile.readAll(), false);

    const QString layout = readLayout();
    if (layout.isEmpty())
        return fail(QStringLiteral("the quote page layout is missing from the build"));

    const quint32 seed =
        parser.isSet(seedOption) ? parser.value(seedOption).toUInt() : QRandomGenerator::global()->generate();
    const QString versionText =
        parser.isSet(versionOption)
            ? parser.value(versionOption)
            : td::programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR,
                                     TICKERDECK_VERSION_PATCH);

    td::demo::QuoteBook book(list.entries, seed);
    // The list to download: a few entries of the served one, so a load shows.
    const QByteArray tickerList =
        td::formatTickerFile(list.entries.mid(std::max<qsizetype>(0, list.entries.size() - 4)));
    td::demo::DemoSite site(book, layout, versionText, tickerList);
    td::loopback::PageServer server(static_cast<quint16>(port));
    if (!server.isListening())
        return fail(QStringLiteral("cannot listen: ") + server.errorString());
    // Runs for hours: no request log.
    server.setRecording(false);
    server.setFallback([&site](const td::loopback::PageRequest& request) {
        const td::demo::HttpReply reply = site.answer(QUrl::fromEncoded(request.target.toLatin1()));
        auto response = td::loopback::PageResponse::page(reply.body, reply.contentType);
        response.status = reply.status;
        return response;
    });

    const QString baseUrl = server.baseUrl();
    if (parser.isSet(settingsOption))
        writeDemoSettings(parser.value(settingsOption), baseUrl, listFile.fileName());
    std::printf("listening on %s\n", qPrintable(baseUrl));
    std::fflush(stdout);
    return app.exec();
}
