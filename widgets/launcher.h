#pragma once
// Starting programs and handing addresses to the user's default handler, behind an interface so
// tests record the launches instead of making them.
#include <QString>
#include <QStringList>

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program at its full path with these arguments; the result is not looked at.
    virtual void startProgram(const QString& executablePath, const QStringList& arguments) = 0;
    // Opens a document or address with the user's default program. Returns an empty text when it
    // was handed on, else why not, in the user's words.
    virtual QString openWithDefaultHandler(const QString& address) = 0;
};

class DesktopLauncher : public Launcher {
public:
    void startProgram(const QString& executablePath, const QStringList& arguments) override;
    QString openWithDefaultHandler(const QString& address) override;
};
