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
    QString openWithDefaultHandler(const QString& address) override
    {
        openedAddresses.push_back(address);
        return failure;
    }

    QStringList startedPrograms;
    QList<QStringList> startedArguments;
    QStringList openedAddresses;
    QString failure;  // what every open answers: empty, it worked
};
