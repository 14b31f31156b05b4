// The yardstick for the start-up time: a Qt Widgets program that shows one
// empty main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Leer"));
    fenster.show();
    return anwendung.exec();
}
