#include "update/aboutmessage.h"
#include "update/downloadfiles.h"
#include "update/makersite.h"

#include <QTest>

using namespace td;

class TstDownloadFiles : public QObject
{
    Q_OBJECT

private slots:
    void filePath_data();
    void filePath();
    void sameSecondSameName_data();
    void sameSecondSameName();
    void kind_data();
    void kind();
    void generalDateTime_data();
    void generalDateTime();
    void aboutMessage();
};

namespace {

QDateTime at(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 3, 2), QTime(h, m, s, ms));
}

} // namespace

void TstDownloadFiles::filePath_data()
{
    QTest::addColumn<bool>("tic");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list") << true << "/opt/td" << at(9, 30, 5)
                          << "/opt/td/tic/downloaded{20260302093005}.tic";
    QTest::newRow("program") << false << "/opt/td" << at(9, 30, 5) << "/opt/td/TDCK_20260302093005.exe";
    QTest::newRow("slash not doubled")
        << true << "/opt/td/" << at(17, 4, 9) << "/opt/td/tic/downloaded{20260302170409}.tic";
    QTest::newRow("root, list") << true << "/" << at(0, 0, 0) << "/tic/downloaded{20260302000000}.tic";
    QTest::newRow("root, program") << false << "/" << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))
                                   << "/TDCK_20251231235959.exe";
}

void TstDownloadFiles::filePath()
{
    QFETCH(bool, tic);
    QFETCH(QString, programDir);
    QFETCH(QDateTime, now);
    QTEST(downloadFilePath(tic ? DownloadKind::Tic : DownloadKind::Exe, programDir, now), "expected");
}

void TstDownloadFiles::sameSecondSameName_data()
{
    QTest::addColumn<QDateTime>("first");
    QTest::addColumn<QDateTime>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("same second") << at(9, 30, 5, 10) << at(9, 30, 5, 990) << true;
    QTest::newRow("next second") << at(9, 30, 5, 990) << at(9, 30, 6, 0) << false;
    QTest::newRow("same second, other minute") << at(9, 30, 5) << at(9, 31, 5) << false;
}

void TstDownloadFiles::sameSecondSameName()
{
    QFETCH(QDateTime, first);
    QFETCH(QDateTime, second);
    for (DownloadKind kind : {DownloadKind::Tic, DownloadKind::Exe})
        QTEST(downloadFilePath(kind, QStringLiteral("/p"), first) ==
                  downloadFilePath(kind, QStringLiteral("/p"), second),
              "same");
}

void TstDownloadFiles::kind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 for none
    QTest::newRow("TIC") << "TIC" << int(DownloadKind::Tic);
    QTest::newRow("EXE") << "EXE" << int(DownloadKind::Exe);
    for (const char* other : {"tic", "Exe", "", " TIC", "ZIP"})
        QTest::newRow(other) << other << -1;
}

void TstDownloadFiles::kind()
{
    QFETCH(QString, text);
    const std::optional<DownloadKind> kind = downloadKind(text);
    QTEST(kind ? int(*kind) : -1, "expected");
}

void TstDownloadFiles::generalDateTime_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("German") << german << at(9, 30, 5) << "02.03.2026 09:30:05";
    QTest::newRow("German, midnight") << german << at(0, 0, 0) << "02.03.2026";
    QTest::newRow("US afternoon") << us << at(14, 5, 0) << "3/2/2026 2:05:00 PM";
}

void TstDownloadFiles::generalDateTime()
{
    QFETCH(QLocale, locale);
    QFETCH(QDateTime, when);
    QTEST(td::generalDateTime(when, locale), "expected");
}

void TstDownloadFiles::aboutMessage()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const AboutMessage message =
        td::aboutMessage(QStringLiteral("Tickerdeck"), at(9, 30, 5), QStringLiteral("1.0.1.0859"), german);
    QCOMPARE(message.title, QStringLiteral("Tickerdeck"));
    QVERIFY(message.text.startsWith(makerNotice()));
    QVERIFY(makerNotice().endsWith(u"\r\n"));
    QVERIFY2(message.text.endsWith(u"\r\ngestartet: 02.03.2026 09:30:05\r\nVersion: 1.0.1.0859"),
             qPrintable(message.text));
}

QTEST_GUILESS_MAIN(TstDownloadFiles)
#include "tst_downloadfiles.moc"
