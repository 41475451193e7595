// The floor of the planner's start: a bare Qt Widgets program with a window of the planner's size
// (black, 1009 x 721, one label), placed and shown as the planner's window is, and measuring its
// first frame with the planner's own code. scripts/measure-startup.sh times the two in turns.

#include "toolkit/window_start.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1009, 721);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::green);
    window.setPalette(p);
    window.setAutoFillBackground(true);
    auto *label = new QLabel(QStringLiteral("Runeplan"), &window);
    label->move(912, 71);
    showCentred(window);
    return QApplication::exec();
}
