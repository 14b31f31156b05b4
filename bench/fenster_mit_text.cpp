// The yardstick for the start-up time to the first painted frame: a Qt
// Widgets main window of the program's size that shows one label, so that
// it starts the font system as any window with text must.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("Vergleich"));
    fenster.setCentralWidget(new QLabel(QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen")));
    fenster.setFixedSize(977, 727);
    fenster.show();
    return anwendung.exec();
}
