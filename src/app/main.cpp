#include "app/Programm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("luvanto"));
    DeutscheUebersetzungLaden();

    Programm programm;
    programm.Form1->show();
    return anwendung.exec();
}
