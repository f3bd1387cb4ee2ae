// Where the program looks for the engine's module, and what the user learns when it cannot be
// loaded there.
#include "browser/engine_loader.h"
#include "tests/support/scripted_dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

TEST(EngineModule, LiesBesideAFolderCopyAndInThePrivateLibraryFolderWhenInstalled)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/bin")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("usr/share/ribemo")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("copy")));
    EXPECT_EQ(engineModulePath(QFile::encodeName(root.filePath(QStringLiteral("copy/ribemo"))).toStdString()),
              root.filePath(QStringLiteral("copy/ribemo-engine.so")));
    EXPECT_EQ(engineModulePath(QFile::encodeName(root.filePath(QStringLiteral("usr/bin/ribemo"))).toStdString()),
              root.filePath(QStringLiteral("usr/" RIBEMO_MODULE_DIR "/ribemo-engine.so")));
}

TEST(EngineModule, ThatCannotBeLoadedIsToldWithThePathTriedAndThePaneStaysEmpty)
{
    QTemporaryDir folder;
    const QString notAModule = folder.filePath(QStringLiteral("ribemo-engine.so"));
    QFile text(notAModule);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a module") > 0);
    text.close();
    for (const QString& path : {folder.filePath(QStringLiteral("missing/ribemo-engine.so")), notAModule}) {
        ScriptedDialogs dialogs;
        std::unique_ptr<TCppWebBrowser> pane(loadEngineBrowser(path, EngineStart{}, nullptr, dialogs));
        ASSERT_NE(pane, nullptr) << path.toStdString();
        pane->Navigate(QStringLiteral("http://127.0.0.1:1/"));
        EXPECT_TRUE(pane->LocationURL().isEmpty());
        ASSERT_EQ(dialogs.shown.size(), 1u) << path.toStdString();
        EXPECT_EQ(dialogs.shown[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("ブラウザ部品を読み込めませんでした。")));
        EXPECT_TRUE(dialogs.shown[0].text.contains(path)) << dialogs.shown[0].text.toStdString();
    }
}
