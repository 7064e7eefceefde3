// Every input a fuzz target once failed on (tests/fixtures/fuzz/<target>/),
// and the seeds the targets start from, must pass the targets' checks.
#include "fuzzchecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace td::fuzz;

using Check = QString (*)(const QByteArray&);
Q_DECLARE_METATYPE(Check)

namespace {

QStringList filesIn(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        paths.append(dir.filePath(name));
    return paths;
}

} // namespace

class TestFuzzInputs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inputPassesItsCheck_data()
    {
        QTest::addColumn<Check>("check");
        QTest::addColumn<QString>("path");
        const std::pair<const char*, Check> targets[] = {
            {"tickerfile", checkTickerFile},     {"quotepage", checkQuotePage},
            {"signal", checkSignalPage},         {"evaluation", checkEvaluation},
            {"linkfile", checkLinkFile},         {"overview", checkOverviewPage},
            {"version", checkVersionFile},       {"handedline", checkHandedLine},
            {"quotesources", checkQuoteSources}, {"sourcepage", checkSourcePage}};
        const QString fixtures = QStringLiteral(TD_FIXTURES_DIR);
        const QDir tic = QFileInfo(QStringLiteral(TD_SAMPLE_LIST)).dir();
        for (const auto& [name, check] : targets) {
            const QString target = QString::fromLatin1(name);
            QStringList paths = filesIn(fixtures + QStringLiteral("/fuzz/") + target);
            if (target == u"tickerfile")
                paths.append(QStringLiteral(TD_SAMPLE_LIST));
            if (target == u"linkfile")
                paths +=
                    {tic.filePath(QStringLiteral("links.intern")), tic.filePath(QStringLiteral("links.own"))};
            if (target == u"quotepage")
                paths += filesIn(fixtures + QStringLiteral("/quotes"));
            for (const QString& path : paths)
                QTest::newRow(qPrintable(target + u'/' + QFileInfo(path).fileName())) << check << path;
        }
    }
    void inputPassesItsCheck()
    {
        QFETCH(Check, check);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QString problem = check(file.readAll());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestFuzzInputs)
#include "tst_fuzzinputs.moc"
