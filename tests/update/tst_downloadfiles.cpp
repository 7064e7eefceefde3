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
    void generalDateTime_data();
    void generalDateTime();
    void aboutMessage();
};

namespace {

QDateTime at(int h, int m, int s)
{
    return QDateTime(QDate(2026, 3, 2), QTime(h, m, s));
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
    QFETCH(QString, expected);
    const DownloadKind kind = tic ? DownloadKind::Tic : DownloadKind::Exe;
    QCOMPARE(downloadFilePath(kind, programDir, now), expected);
    // Later in the same second: the same name, so the newer download replaces the older.
    QCOMPARE(downloadFilePath(kind, programDir, now.addMSecs(999)), expected);
    QVERIFY(downloadFilePath(kind, programDir, now.addSecs(1)) != expected);
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
