// Every input a fuzz target once failed on (tests/fixtures/fuzz/<target>/),
// and the seeds the targets start from, must pass the targets' checks.
#include "fuzzchecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <functional>

using namespace td::fuzz;

namespace {

using Check = std::function<QString(const QByteArray&)>;

const QList<std::pair<QString, Check>>& targets()
{
    static const QList<std::pair<QString, Check>> list = {{QStringLiteral("tickerfile"), checkTickerFile},
                                                          {QStringLiteral("quotepage"), checkQuotePage},
                                                          {QStringLiteral("signal"), checkSignalPage},
                                                          {QStringLiteral("evaluation"), checkEvaluation},
                                                          {QStringLiteral("linkfile"), checkLinkFile},
{QStringLiteral("overview"), checkOverviewPage},
{QStringLiteral("version"), checkVersionFile}};
    return list;
}

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
    void inputPassesItsCheck_data();
    void inputPassesItsCheck();
};

void TestFuzzInputs::inputPassesItsCheck_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("path");
    const QString fixtures = QStringLiteral(TD_FIXTURES_DIR);
    for (int t = 0; t < targets().size(); ++t) {
        QStringList paths = filesIn(fixtures + QStringLiteral("/fuzz/") + targets()[t].first);
        if (targets()[t].first == u"tickerfile")
            paths.append(QStringLiteral(TD_SAMPLE_LIST));
        if (targets()[t].first == u"linkfile") {
            const QDir tic = QFileInfo(QStringLiteral(TD_SAMPLE_LIST)).dir();
            paths +=
                {tic.filePath(QStringLiteral("links.intern")), tic.filePath(QStringLiteral("links.own"))};
        }
        if (targets()[t].first == u"quotepage")
            paths += filesIn(fixtures + QStringLiteral("/quotes"));
        for (const QString& path : paths) {
            const QString row = targets()[t].first + u'/' + QFileInfo(path).fileName();
            QTest::newRow(qPrintable(row)) << t << path;
        }
    }
}

void TestFuzzInputs::inputPassesItsCheck()
{
    QFETCH(int, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QString problem = targets()[target].second(file.readAll());
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestFuzzInputs)
#include "tst_fuzzinputs.moc"
