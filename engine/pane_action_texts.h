#pragma once
// The engine ships no Japanese translation of its page actions on this system, so its right-click
// menu would speak English in an otherwise Japanese program: the pane gives them their texts.
class QWebEnginePage;

void giveActionsJapaneseTexts(QWebEnginePage& page);
