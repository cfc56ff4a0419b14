// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show
// a window of the main window's default size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare Qt window"));
    window.resize(800, 533);
    window.show();
    return QApplication::exec();
}
