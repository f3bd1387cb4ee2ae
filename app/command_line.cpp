#include "app/command_line.h"

#include "app/main_window.h"
#include "browser/web_browser.h"
#include "pane/browser_pane.h"
#include "search/search_bar.h"

#include <QComboBox>
#include <QCommandLineParser>
#include <QUrl>

namespace {
// Options the toolkit reads from the command line itself; the parser must let them through.
const char* const kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "style",         "stylesheet", "session",         "name"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool isWebAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}
}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // The toolkit's own options are single-dash words (-platform xcb); read them as such, not as
    // bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Ribemo☆オークション相場チェック: オークション相場の検索"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この説明を表示して終了します"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("版を表示して終了します"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("設定、キーワードツリー、注目のオークションのファイルを置くフォルダ"), QStringLiteral("DIR"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(dataDir);
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("KEYWORD|URL"),
                                 QStringLiteral("検索するキーワード、または開く http/https のアドレス"),
                                 QStringLiteral("[KEYWORD…|URL]"));

    // Whatever follows --webEngineArgs belongs to the browser engine.
    QStringList ours = arguments;
    if (const qsizetype engine = ours.indexOf(QStringLiteral("--webEngineArgs")); engine >= 0)
        ours = ours.mid(0, engine);

    CommandLine result;
    if (!parser.parse(ours)) {
        result.exitNow = true;
        result.exitStatus = 2;
        result.error = QStringLiteral("ribemo: %1\n'ribemo --help' で使い方を表示します。\n").arg(parser.errorText());
        return result;
    }
    if (parser.isSet(help)) {
        result.exitNow = true;
        // Without an application object the parser does not know the program's name.
        result.output = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ribemo"));
        return result;
    }
    if (parser.isSet(version)) {
        result.exitNow = true;
        result.output = QStringLiteral("ribemo %1\n").arg(QStringLiteral(RIBEMO_VERSION));
        return result;
    }
    result.dataFolder = parser.value(dataDir);
    const QStringList words = parser.positionalArguments();
    if (words.size() == 1 && isWebAddress(words.front()))
        result.address = words.front();
    else
        result.keyword = words.join(u' ');
    return result;
}

void applyCommandLine(TForm1& form, const CommandLine& commandLine)
{
    if (!commandLine.address.isEmpty()) {
        form.guarded([&] { form.browserPane().navigate(commandLine.address); });
    } else if (!commandLine.keyword.isEmpty()) {
        form.searchBar().showTypedKeyword(commandLine.keyword);
        form.guarded([&] { form.Button1Click(); });
    }
}
