#pragma once
// The one place where the program's Shift-JIS (code page 932) bytes meet Qt's Unicode text.
#include <QString>
#include <string>
#include <string_view>

QString fromSjis(std::string_view bytes);
// Characters with no code-page-932 form become "?", as the platform's conversion does.
std::string toSjis(const QString& text);
