// pressmark-cli on lists, shards and resumed runs: --files-from, --report, --shard and
// --skip-existing.
#include "FuseMount.h"
#include "TestImages.h"

#include <QtTest>

#include <csignal>
#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &arguments, const QString &folder = QString(),
        const QByteArray &input = QByteArray())
{
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(QStringLiteral(PRESSMARK_CLI), arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QList<QJsonObject> reportLines(const QString &path)
{
    QList<QJsonObject> lines;
    for (const QByteArray &line : TestImages::readFile(path).split('\n'))
        if (!line.isEmpty())
            lines << QJsonDocument::fromJson(line).object();
    return lines;
}

} // namespace

class TestCliBatches : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void listAndReport_data();
    void listAndReport();
    void resumeAfterKill_data();
    void resumeAfterKill();
    void threeShardsGiveOneRun_data();
    void threeShardsGiveOneRun();
    void shardUsageErrors_data();
    void shardUsageErrors();

private:
    QTemporaryDir m_dir;
    QStringList m_list; // with a name in two folders
};

void TestCliBatches::initTestCase()
{
    QDir().mkpath(m_dir.filePath("shop/b"));
    int shade = 0;
    for (const QString name :
         {"IMG_1.jpg", "b/IMG_1.jpg", "IMG_2.png", "IMG_1 (copy).jpg", "b/c.png", "d.jpg", "IMG_2.jpg"}) {
        QImage picture = TestImages::quadrants(50, 30 + shade);
        picture.setPixel(1, 1, qRgb(250, shade * 30, 0));
        const QString path = m_dir.filePath("shop/" + QString(name));
        TestImages::writeWithQt(picture, path, name.endsWith("png") ? "png" : "jpeg", 90);
        m_list << path;
        ++shade;
    }
}

void TestCliBatches::listAndReport_data()
{
    QTest::addColumn<bool>("fromStdin");
    QTest::newRow("list file, one path a line") << false;
    QTest::newRow("standard input, NUL-separated") << true;
}

void TestCliBatches::listAndReport()
{
    QFETCH(bool, fromStdin);
    QTemporaryDir out;
    // A relative path (from the current folder), an absolute one, an empty entry, a missing file.
    const QStringList listed = {"IMG_1.jpg", m_dir.filePath("shop/b/c.png"), "", "gone.jpg"};
    const QByteArray list = fromStdin ? listed.join(QChar(0)).toUtf8() : listed.join('\n').toUtf8() + '\n';
    QStringList arguments = {"-o", out.path(), "--report", out.filePath("run.jsonl"),
                             m_dir.filePath("shop/d.jpg")};
    if (fromStdin) {
        arguments << "--files-from"
                  << "-"
                  << "-0";
    } else {
        TestImages::writeFile(m_dir.filePath("list.txt"), list);
        arguments << "--files-from" << m_dir.filePath("list.txt");
    }
    const Run run = cli(arguments, m_dir.filePath("shop"), fromStdin ? list : QByteArray());
    QCOMPARE(run.exitCode, 1); // the missing file fails
    QVERIFY2(run.err.contains("gone.jpg: missing"), qPrintable(run.err));
    QCOMPARE(entries(out.path()), QStringList({"IMG_1.jpg", "c.jpg", "d.jpg", "run.jsonl"}));
    const QList<QJsonObject> lines = reportLines(out.filePath("run.jsonl"));
    QCOMPARE(lines.size(), 5);
    QStringList seen;
    for (const QJsonObject &line : lines.mid(0, 4))
        seen << QStringLiteral("%1 %2 %3")
                    .arg(line.value("position").toInt())
                    .arg(line.value("status").toString(),
                         QFileInfo(line.value("output").toString()).fileName());
    QCOMPARE(seen, QStringList({"1 written d.jpg", "2 written IMG_1.jpg", "3 written c.jpg", "4 failed "}));
    QCOMPARE(lines.at(1).value("input").toString(), QStringLiteral("IMG_1.jpg"));
    QCOMPARE(lines.at(3).value("reason").toString(), QStringLiteral("missing"));
    QCOMPARE(lines.at(4).value("written").toInt(), 3);
    QCOMPARE(lines.at(4).value("failed").toInt(), 1);
}

void TestCliBatches::resumeAfterKill_data()
{
    QTest::addColumn<bool>("fuse");
    QTest::newRow("local folder") << false;
    QTest::newRow("bindfs (named temporaries)") << true;
}

// A run of 30 files killed part way, then run again with --skip-existing: every input has one
// output under the name of one run, none a "(copy)", and nothing of the killed run is left.
void TestCliBatches::resumeAfterKill()
{
    QFETCH(bool, fuse);
    // The report beside the output folder, not in it: in a folder of its own, not the shared /tmp.
    QTemporaryDir inputs, local, reports;
    std::unique_ptr<FuseMount> mount;
    QString out = local.path();
    if (fuse) {
        mount = std::make_unique<FuseMount>("bindfs");
        if (!mount->why.isEmpty())
            QSKIP(qPrintable(mount->why + " (packages bindfs, fuse3)"));
        out = mount->point;
    }
    QStringList files;
    for (int i = 0; i < 30; ++i) {
        // Large enough, and one worker, that the run is still going when it is killed.
        QImage picture = TestImages::quadrants(1200, 800);
        picture.setPixel(0, 0, qRgb(i * 8, 0, 0));
        files << inputs.filePath(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')));
        TestImages::writeWithQt(picture, files.last(), "png");
    }
    const QStringList arguments = QStringList {"-o", out, "--format", "png", "--jobs", "1"} + files;
    QProcess first;
    first.start(QStringLiteral(PRESSMARK_CLI), arguments);
    QVERIFY(first.waitForStarted());
    QByteArray said;
    while (said.count(" -> ") < 4 && first.waitForReadyRead(20000))
        said += first.readAllStandardOutput();
    ::kill(pid_t(first.processId()), SIGKILL);
    first.waitForFinished();
    const int before = int(entries(out).filter(QRegularExpression("^p\\d\\d\\.png$")).size());
    QVERIFY(before >= 4);
    QVERIFY2(before < 30, "the first run ended before it was killed");

    const Run again =
        cli(QStringList {"--skip-existing", "--report", reports.filePath("resumed.jsonl")} + arguments);
    QCOMPARE(again.exitCode, 0);
    QStringList expected;
    for (int i = 0; i < 30; ++i)
        expected << QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0'));
    QCOMPARE(entries(out), expected); // no "(copy)", no hidden temporaries left
    for (const QString &name : expected)
        QCOMPARE(TestImages::identify(QDir(out).filePath(name), "%wx%h"), QStringLiteral("1200x800"));
    QVERIFY(again.out.contains(QStringLiteral("%1 skipped (output exists)").arg(before)));
    const QList<QJsonObject> lines = reportLines(reports.filePath("resumed.jsonl"));
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.last().value("skipped").toInt(), before);
    QCOMPARE(lines.last().value("written").toInt(), 30 - before);
}

void TestCliBatches::threeShardsGiveOneRun_data()
{
    QTest::addColumn<QStringList>("naming");
    QTest::newRow("current names") << QStringList();
    QTest::newRow("new names") << QStringList {"--naming", "new", "--title", "Shop"};
}

void TestCliBatches::threeShardsGiveOneRun()
{
    QFETCH(QStringList, naming);
    QTemporaryDir one, shared;
    const QStringList common = naming + QStringList {"--width", "40"} + m_list;
    const Run single = cli(QStringList {"-o", one.path()} + common);
    QCOMPARE(single.exitCode, 0);
    std::vector<std::unique_ptr<QProcess>> shards;
    for (int k = 1; k <= 3; ++k) {
        shards.push_back(std::make_unique<QProcess>());
        shards.back()->start(QStringLiteral(PRESSMARK_CLI),
                             QStringList {"-o", shared.path(), "--shard", QStringLiteral("%1/3").arg(k)} +
                                 common);
    }
    for (const auto &shard : shards) {
        QVERIFY(shard->waitForFinished(60000));
        QCOMPARE(shard->exitCode(), 0);
    }
    const QStringList names = entries(one.path());
    QCOMPARE(names.size(), m_list.size());
    QCOMPARE(entries(shared.path()), names);
    for (const QString &name : names)
        QVERIFY2(TestImages::readFile(shared.filePath(name)) == TestImages::readFile(one.filePath(name)),
                 qPrintable(name));
    // A dry run of each shard lists its part of the list under the names of the whole list.
    const QStringList singleLines = single.out.split('\n').filter(" -> ");
    QTemporaryDir empty;
    for (int k = 1; k <= 3; ++k) {
        const Run dry = cli(
            QStringList {"-o", empty.path(), "--dry-run", "--shard", QStringLiteral("%1/3").arg(k)} + common);
        QCOMPARE(dry.exitCode, 0);
        QStringList expected;
        for (int p = k - 1; p < singleLines.size(); p += 3)
            expected << singleLines.at(p);
        QCOMPARE(QString(dry.out).replace(empty.path(), one.path()).split('\n').filter(" -> "), expected);
    }
    QVERIFY(entries(empty.path()).isEmpty());
}

void TestCliBatches::shardUsageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("shard 0") << QStringList {"--shard", "0/3"};
    QTest::newRow("shard past the count") << QStringList {"--shard", "4/3"};
    QTest::newRow("no count") << QStringList {"--shard", "3"};
    QTest::newRow("count 0") << QStringList {"--shard", "1/0"};
    QTest::newRow("words") << QStringList {"--shard", "a/b"};
    QTest::newRow("-0 without a list") << QStringList {"-0"};
    QTest::newRow("unreadable list") << QStringList {"--files-from", "/nonexistent/list"};
    QTest::newRow("report into a missing folder") << QStringList {"--report", "/nonexistent/run.jsonl"};
    QTest::newRow("report path a folder") << QStringList {"--report", "/tmp"};
}

void TestCliBatches::shardUsageErrors()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir out;
    const Run run = cli(QStringList {"-o", out.filePath("o")} + arguments + QStringList {m_list.first()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFileInfo::exists(out.filePath("o")));
}

QTEST_GUILESS_MAIN(TestCliBatches)
#include "tst_cli_batches.moc"
