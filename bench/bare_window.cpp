// The floor for bench_startup: the toolkit started and an empty main window shown.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Obrix"));
    window.resize(1024, 768);
    window.show();
    return waitForFirstPaint(window) ? 0 : 1;
}
