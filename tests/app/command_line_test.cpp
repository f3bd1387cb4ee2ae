#include "app/command_line.h"

#include "tests/support/form_fixture.h"

#include <QComboBox>

using CommandLineRun = FormFixture;

TEST_F(CommandLineRun, WordsSearchAnAddressOpensAndPrintRequestsEndAtOnce)
{
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
        {{QStringLiteral("--data-dir"), QStringLiteral("/tmp/d"), QStringLiteral("-platform"), QStringLiteral("xcb"),
          QStringLiteral("本")},
         -1,
         "",
         QStringLiteral("本"),
         QString()},
        {{QStringLiteral("--version")}, 0, "ribemo 1.30\n", QString(), QString()},
        {{QStringLiteral("--help")}, 0, "--data-dir <DIR>", QString(), QString()},
        {{QStringLiteral("--nonsense"), QStringLiteral("時計")}, 2, "nonsense", QString(), QString()},
        {{QStringLiteral("--data-dir")}, 2, "data-dir", QString(), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const CommandLine line = parseCommandLine(QStringList{QStringLiteral("ribemo")} + c.arguments);
        EXPECT_EQ(line.exitNow, c.exitStatus >= 0);
        if (line.exitNow) {
            EXPECT_EQ(line.exitStatus, c.exitStatus);
            EXPECT_TRUE((line.output + line.error).contains(QString::fromUtf8(c.printed)))
                << (line.output + line.error).toStdString();
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
