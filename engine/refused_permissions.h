#pragma once
// What a page may ask of the user's machine (the location, notifications, the camera and
// microphone, the screen, the mouse pointer): refused at once, so that the page's own way round
// it runs instead of waiting for an answer that never comes. The program has no use for any of
// them, and a question for each would only be one more box to click away. The clipboard is not
// asked for: the engine keeps it from pages unless allowed, which it is not here.
#include <QString>

#include <functional>

class QWebEnginePage;

// Refuses every request of page, and gives note the refusal in the user's words.
void refusePermissions(QWebEnginePage& page, std::function<void(const QString& note)> note);
