#pragma once
// What the user types into the address box: an address to open, or words to search for, told
// apart as the address bars of browsers do.
#include <QString>

// Whether typed is words to search for rather than an address: it names no scheme ("http://",
// "about:", "mailto:") and no path ("/home/…", "~/…"), and it does not begin with a host (a name
// with a dot, an IP address, localhost, each maybe with a port) followed by a path or nothing.
// So "seiko watch" and "時計" are words; "b.example", "localhost:8080" and
// "www.example.jp/a b" are addresses. Blanks at the ends do not count.
bool typedTextIsKeyword(const QString& typed);
