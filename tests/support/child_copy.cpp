#include "tests/support/child_copy.h"

#include <QApplication>

#include <cstdio>

ChildCopy::ChildCopy(const QByteArray& folder)
    : applicationReady((setUpApplication(*qApp), true)),
      browser(new RecordingBrowser),
      windows(createProgramWindows({browser, &dialogs, &launcher, folder.toStdString() + "/ribemo"}))
{}

void ChildCopy::say(const char* word)
{
    std::printf("%s\n", word);
    std::fflush(stdout);
}

void startChildCopy(QProcess& child, const char* filter, const std::vector<std::pair<QString, QString>>& environment)
{
    QProcessEnvironment added = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment)
        added.insert(name, value);
    child.setProcessEnvironment(added);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
}

bool waitUntilSaid(QProcess& child, const QByteArray& word, int times)
{
    QByteArray output;
    while ((output += child.readAllStandardOutput()).count(word) < times)
        if (!child.waitForReadyRead(30000))
            return false;
    return true;
}
