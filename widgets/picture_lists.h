#pragma once
// The program's small pictures, drawn by the program itself (navigation pictures prefer the
// desktop's icon theme). Index order is what the menus and buttons refer to.
#include <QIcon>
#include <QList>

// 0 back, 1 forward, 2 refresh, 3 home, 4 stop, 5 Yahoo!オークション, 6 BIDDERS.
QList<QIcon> navigationPictures();
// 0 a keyword, 1 the first node of the tree.
QList<QIcon> keywordTreePictures();
// Six lightning bolts for the user's sites: yellow, red, blue, green, silver grey, purple.
QList<QIcon> userSitePictures();
// The program's own icon.
QIcon programIcon();
