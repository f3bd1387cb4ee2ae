#pragma once
#include <QString>

// The application's title: the main window's caption and the caption of the error box.
inline QString applicationTitle() { return QStringLiteral("Ribemo☆オークション相場チェック"); }
