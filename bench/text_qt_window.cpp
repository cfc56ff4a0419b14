// A second yardstick of the start-up benchmark: the bare window with one line of text
// on it, to show what the first text alone costs (the font configuration is read and
// a font loaded before anything can be printed).
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quillmar"));
    window.setWindowTitle(QStringLiteral("Qt window with a text"));
    window.resize(800, 533);
    window.show();
    return QApplication::exec();
}
