#pragma once
// The one place where the program's Shift-JIS (code page 932) bytes meet Qt's Unicode text.
#include <QString>

#include <string>
#include <string_view>

QString fromSjis(std::string_view bytes);
// As the platform converts text taken from a widget: code page 932, then the JIS forms of a few
// characters, then the best-fit table; "?" for what none of them has (unicodeToSjis).
std::string toSjis(const QString& text);

// The bytes for a text a widget shows: the original bytes while the widget still shows exactly
// them, so text that is not valid Shift-JIS (read from a file, never edited) goes back unchanged;
// once the user has changed it, the original bytes of what the change left alone around toSjis of
// the changed part (bytesOfEditedText).
std::string bytesOfShownText(const QString& shown, const std::string& originalBytes);
