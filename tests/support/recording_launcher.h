#pragma once
#include "widgets/launcher.h"

#include <QStringList>

class RecordingLauncher : public Launcher {
public:
    void startProgram(const QString& executablePath, const QStringList& arguments) override
    {
        startedPrograms.push_back(executablePath);
        startedArguments.push_back(arguments);
    }
    void openWithDefaultHandler(const QString& address) override { openedAddresses.push_back(address); }

    QStringList startedPrograms;
    QList<QStringList> startedArguments;
    QStringList openedAddresses;
};
