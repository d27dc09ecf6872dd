#include "TestImages.h"
#include "desktop/AppCommandLine.h"

#include <QtTest>

class TestAppCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void printsWithoutADisplay_data();
    void printsWithoutADisplay();
    void manualPageReads();
};

void TestAppCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("files");
    using A = AppCommandLine::Action;
    QTest::newRow("files") << QStringList {"a.jpg", "/x/b.png"} << int(A::Open)
                           << QStringList {"a.jpg", "/x/b.png"};
    QTest::newRow("service") << QStringList {"--service"} << int(A::Service) << QStringList {};
    QTest::newRow("help wins") << QStringList {"a.jpg", "--help"} << int(A::ShowHelp)
                               << QStringList {"a.jpg"};
    QTest::newRow("-v") << QStringList {"-v"} << int(A::ShowVersion) << QStringList {};
    QTest::newRow("unknown") << QStringList {"--open"} << int(A::UsageError) << QStringList {};
    QTest::newRow("after --") << QStringList {"--", "--help", "-v"} << int(A::Open)
                              << QStringList {"--help", "-v"};
    QTest::newRow("stdin-like name") << QStringList {"-"} << int(A::Open) << QStringList {"-"};
}

void TestAppCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QStringList, files);
    QList<QByteArray> bytes = {"pressmark"};
    for (const QString &argument : arguments)
        bytes << argument.toUtf8();
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());
    const AppCommandLine line = AppCommandLine::parse(int(argv.size()), argv.data());
    QCOMPARE(int(line.action()), action);
    if (line.action() != AppCommandLine::Action::UsageError)
        QCOMPARE(line.files(), files);
}

void TestAppCommandLine::printsWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString usage = QStringLiteral("Usage: pressmark [options] [FILE...]");
    QTest::newRow("--help") << QStringList {"--help"} << 0 << usage << "";
    QTest::newRow("-h after a file") << QStringList {"a.jpg", "-h"} << 0 << usage << "";
    QTest::newRow("Qt's own -style") << QStringList {"-style", "fusion", "--help"} << 0 << usage << "";
    QTest::newRow("--version") << QStringList {"--version"} << 0 << "pressmark " PRESSMARK_VERSION "\n"
                               << QString();
    QTest::newRow("--man") << QStringList {"--man"} << 0 << ".TH PRESSMARK 1" << QString();
    QTest::newRow("unknown") << QStringList {"--open", "a.jpg"} << 2 << ""
                             << "pressmark: unknown option --open\nTry 'pressmark --help'";
}

void TestAppCommandLine::printsWithoutADisplay()
{
    // No display, no platform chosen: the text is printed (a usage error too) and the window never
    // tried.
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PRESSMARK_APP), arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString said = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? said.isEmpty() : said.startsWith(out), qPrintable(said));
    const QString complained = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.startsWith(err), qPrintable(complained));
}

void TestAppCommandLine::manualPageReads()
{
    // groff reads the page without a warning; it lists every option --help lists.
    QTemporaryDir dir;
    TestImages::writeFile(dir.filePath("pressmark.1"), AppCommandLine::manPage().toUtf8());
    int status = -1;
    const QString text = TestImages::run(
        "sh",
        {"-c",
         QStringLiteral("groff -man -ww -Tutf8 -rLL=200n -P -cbou %1 2>&1").arg(dir.filePath("pressmark.1"))},
        &status);
    QCOMPARE(status, 0);
    QVERIFY2(!text.contains(QStringLiteral("warning")), qPrintable(text.left(400)));
    const QRegularExpression option(QStringLiteral("^  (-\\w, )?(--[\\w-]*)"),
                                    QRegularExpression::MultilineOption);
    int options = 0;
    for (auto it = option.globalMatch(AppCommandLine::helpText()); it.hasNext(); ++options)
        QVERIFY(text.contains(it.next().captured(2)));
    QCOMPARE(options, 4); // --help, --version, --service, --
    QVERIFY(text.contains(QStringLiteral("pressmark-cli(1)")));
    QVERIFY(text.contains(QStringLiteral("~/.config/pressmark/pressmark.conf")));
}

QTEST_GUILESS_MAIN(TestAppCommandLine)
#include "tst_appcommandline.moc"
