#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>
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

// What `ribemo ARGUMENT` opens: an http or https address as given; a local file (a file:// URL,
// an existing path, or any absolute path) as its absolute path, so that a file handed over by
// the desktop is shown, never searched for at a site; empty for a word to search for.
QString placeOf(const QString& argument)
{
    if (isWebAddress(argument))
        return argument;
    const QUrl url(argument);
    if (url.isLocalFile())
        return QFileInfo(url.toLocalFile()).absoluteFilePath();
    if (argument.startsWith(u'/') || QFileInfo(argument).isFile())
        return QFileInfo(argument).absoluteFilePath();
    return {};
}

// QCommandLineParser writes its help in English, so the program writes its own, the options'
// lines from their own texts.
QString helpText(const QList<QCommandLineOption>& options)
{
    QString text = QStringLiteral(
        "使い方: ribemo [オプション] [キーワード…|アドレス|ファイル]\n"
        "Ribemo☆オークション相場チェック: オークション相場の検索\n\nオプション:\n");
    for (const QCommandLineOption& option : options) {
        QStringList names;
        for (const QString& name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QStringLiteral(" <%1>").arg(option.valueName());
        text += QStringLiteral("  %1  %2\n").arg(left, -16).arg(option.description());
    }
    return text + QStringLiteral(
                      "\n引数:\n"
                      "  キーワード…       検索するキーワード\n"
                      "  アドレス          開く http/https のアドレス（いくつか並べたときは最初のもの）\n"
                      "  ファイル          開くファイル（パスまたは file:// のアドレス）\n");
}

bool takesValue(const QString& name)
{
    if (name == u"data-dir")
        return true;
    for (const char* option : kToolkitOptionsWithValue)
        if (name == QLatin1String(option))
            return true;
    return false;
}

// The option as the user typed it ("-bogus", "--bogus=1" both name "bogus").
QString typedOption(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString bare = argument.section(u'=', 0, 0);
        if (bare.startsWith(u'-') && QStringView(bare).mid(bare.startsWith(QLatin1String("--")) ? 2 : 1) == name)
            return bare;
    }
    return QStringLiteral("--") + name;
}

// The parser's own error texts are English. It stops at the first mistake: an option it does
// not know, one that needs a value given none, or one that takes no value given one; the last
// two name the option between quotes.
QString errorInJapanese(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("%1 というオプションはありません。")
            .arg(typedOption(arguments, parser.unknownOptionNames().front()));
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const QString option = quoted.match(parser.errorText()).captured(1);
    const QString name = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1);
    if (takesValue(name))
        return QStringLiteral("%1 のあとに値がありません。").arg(option);
    return QStringLiteral("%1 は値を取りません。").arg(option);
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // The toolkit's own options are single-dash words (-platform xcb); read them as such, not as
    // bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("この説明を表示して終了します"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("版を表示して終了します"));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("設定、キーワードツリー、注目のオークションのファイルを置くフォルダ"), QStringLiteral("DIR"));
    const QCommandLineOption openGl(QStringLiteral("opengl"),
                                    QStringLiteral("ページを OpenGL で合成して表示します（既定はソフトウェア描画）"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(dataDir);
    parser.addOption(openGl);
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

    // Whatever follows --webEngineArgs belongs to the browser engine.
    QStringList ours = arguments;
    if (const qsizetype engine = ours.indexOf(QStringLiteral("--webEngineArgs")); engine >= 0)
        ours = ours.mid(0, engine);

    CommandLine result;
    if (!parser.parse(ours)) {
        result.exitNow = true;
        result.exitStatus = 2;
        result.error =
            QStringLiteral("ribemo: %1\n'ribemo --help' で使い方を表示します。\n").arg(errorInJapanese(parser, ours));
        return result;
    }
    if (parser.isSet(help)) {
        result.exitNow = true;
        result.output = helpText({help, version, dataDir, openGl});
        return result;
    }
    if (parser.isSet(version)) {
        result.exitNow = true;
        result.output = QStringLiteral("ribemo %1\n").arg(QStringLiteral(RIBEMO_VERSION));
        return result;
    }
    result.dataFolder = parser.value(dataDir);
    result.openGlPages = parser.isSet(openGl);
    // Words are searched for together; only when every one is an address or a file is the first
    // opened (the desktop hands over several when the user drops several).
    const QStringList words = parser.positionalArguments();
    QStringList places;
    for (const QString& word : words)
        if (const QString place = placeOf(word); !place.isEmpty())
            places << place;
    if (!words.isEmpty() && places.size() == words.size()) {
        result.address = places.front();
        result.addressesLeftOut = static_cast<int>(places.size()) - 1;
    } else {
        result.keyword = words.join(u' ');
    }
    return result;
}
