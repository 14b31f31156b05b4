#include "app/Programm.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Programm::Programm()
    : Form1(std::make_unique<TForm1>(zustand))
{
    Verbinden();
}

Programm::~Programm() = default;

void Programm::Verbinden()
{
}

void DeutscheUebersetzungLaden()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *uebersetzung = new QTranslator(QCoreApplication::instance());
    if (uebersetzung->load(QLocale(QLocale::German), QStringLiteral("qtbase"),
                           QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzung);
}
