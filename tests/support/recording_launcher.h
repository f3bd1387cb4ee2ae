#pragma once
#include "widgets/launcher.h"

#include <QStringList>

class RecordingLauncher : public Launcher {
public:
    void startProgram(const QString& executablePath) override { startedPrograms.push_back(executablePath); }
    void openWithDefaultHandler(const QString& address) override { openedAddresses.push_back(address); }

    QStringList startedPrograms;
    QStringList openedAddresses;
};
