// The yardstick for the window on screen: a plain Qt Widgets main window of Ribemo's design size
// with a line edit, ended as soon as it is on screen (bench/startup/window_mapped.h).
#include "bench/startup/window_mapped.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLineEdit);
    window.resize(882, 799);
    endWhenMapped(window);
    window.show();
    return app.exec();
}
