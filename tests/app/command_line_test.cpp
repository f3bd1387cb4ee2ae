#include "app/command_line.h"

#include "tests/support/form_fixture.h"
#include "widgets/status_bar.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

using CommandLineRun = FormFixture;

TEST_F(CommandLineRun, WordsSearchAnAddressOpensAndPrintRequestsEndAtOnce)
{
    QTemporaryDir files;
    const QString page = files.filePath(QStringLiteral("保存した ページ.html"));
    QFile(page).open(QIODevice::WriteOnly);
    const QString fileUrl = QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded);
    const QString relative = QDir::current().relativeFilePath(page);
    struct Case {
        QStringList arguments;
        int exitStatus;              // -1: the window starts
        const char* printed;         // part of what goes to standard output or error
        QString keyword, navigated;  // what the window shows and part of where the pane goes
    };
    const Case cases[] = {
        {{}, -1, "", QString(), QStringLiteral("HELP/index.htm")},
        {{QStringLiteral("時計"), QStringLiteral("カメラ")},
         -1,
         "",
         QStringLiteral("時計 カメラ"),
         QStringLiteral("?q=%BB%FE%B7%D7+%A5%AB%A5%E1%A5%E9")},
        {{QStringLiteral("https://example.org/a?b=1")}, -1, "", QString(), QStringLiteral("https://example.org/a?b=1")},
        {{QStringLiteral("ftp://example.org/")}, -1, "", QStringLiteral("ftp://example.org/"), QString()},
        // A local file, however it is named, opens in the pane and is searched for nowhere.
        {{page}, -1, "", QString(), page},
        {{fileUrl}, -1, "", QString(), page},
        {{relative}, -1, "", QString(), page},
        {{QStringLiteral("/nowhere/x.html")}, -1, "", QString(), QStringLiteral("/nowhere/x.html")},
        {{QStringLiteral("https://a.example/"), page}, -1, "", QString(), QStringLiteral("https://a.example/")},
        {{QStringLiteral("https://a.example/"), QStringLiteral("時計")},
         -1,
         "",
         QStringLiteral("https://a.example/ 時計"),
         QStringLiteral("?q=https")},
        {{QStringLiteral("--data-dir"), QStringLiteral("/tmp/d"), QStringLiteral("-platform"), QStringLiteral("xcb"),
          QStringLiteral("本")},
         -1,
         "",
         QStringLiteral("本"),
         QString()},
        {{QStringLiteral("--version")}, 0, "ribemo 1.30\n", QString(), QString()},
        {{QStringLiteral("--help")}, 0, "--data-dir <DIR>", QString(), QString()},
        {{QStringLiteral("-h")}, 0, "使い方: ribemo", QString(), QString()},
        {{QStringLiteral("--nonsense"), QStringLiteral("時計")},
         2,
         "ribemo: --nonsense というオプションはありません。\n'ribemo --help'",
         QString(),
         QString()},
        {{QStringLiteral("-bogus=1")}, 2, "-bogus というオプション", QString(), QString()},
        {{QStringLiteral("--data-dir")}, 2, "--data-dir のあとに値がありません。", QString(), QString()},
        {{QStringLiteral("--version=2")}, 2, "--version は値を取りません。", QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("ribemo")} + c.arguments);
        EXPECT_EQ(line.exitNow, c.exitStatus >= 0);
        if (line.exitNow) {
            const QString printed = line.output + line.error;
            EXPECT_EQ(line.exitStatus, c.exitStatus);
            EXPECT_TRUE(printed.contains(QString::fromUtf8(c.printed))) << printed.toStdString();
            // The toolkit's parser speaks English; none of it may show.
            for (const char* english : {"Usage", "Options:", "Arguments:", "Unknown", "Missing", "Unexpected"})
                EXPECT_FALSE(printed.contains(QLatin1String(english))) << printed.toStdString();
            continue;
        }
        start();
        applyCommandLine(form(), line);
        EXPECT_EQ(formControl<QComboBox>(form(), "ComboBox1")->currentText(), c.keyword);
        if (!c.navigated.isEmpty()) {
            EXPECT_TRUE(browser->lastNavigation().contains(c.navigated)) << browser->lastNavigation().toStdString();
        }
        TearDown();
    }
    EXPECT_EQ(parseCommandLine({QStringLiteral("ribemo"), QStringLiteral("--data-dir=/x")}).dataFolder,
              QStringLiteral("/x"));
}

TEST_F(CommandLineRun, SeveralAddressesOpenTheFirstAndTheStatusBarSaysSoOnceItIsShown)
{
    start();
    applyCommandLine(form(), parseCommandLine({QStringLiteral("ribemo"), QStringLiteral("https://a.example/"),
                                               QStringLiteral("https://b.example/"), QStringLiteral("/tmp/c.html")}));
    ASSERT_EQ(browser->lastNavigation(), QStringLiteral("https://a.example/"));
    // The start-up's help page finishing first does not take the note away.
    browser->simulateLoad(QUrl::fromLocalFile(browser->navigations.front()).toString());
    EXPECT_NE(formControl<StatusBar>(form(), "StatusBar1")->panelText(1),
              QStringLiteral("最初のアドレスだけを開きました（ほか2件）"));
    browser->simulateLoad(QStringLiteral("https://a.example/"));
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(1),
              QStringLiteral("最初のアドレスだけを開きました（ほか2件）"));
    browser->simulateLoad(QStringLiteral("https://a.example/next"));
    EXPECT_EQ(formControl<StatusBar>(form(), "StatusBar1")->panelText(1), QStringLiteral("https://a.example/next"));
}
