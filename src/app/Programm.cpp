#include "app/Programm.h"

#include "lueftung/Nebenfenster.h"
#include "lueftung/Version.h"
#include "project/Projektbefehle.h"
#include "report/Drucken.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPrinter>
#include <QTranslator>

Programm::Programm()
    : Form1(std::make_unique<TForm1>(zustand))
    , Form2(std::make_unique<TForm2>())
    , Form3(std::make_unique<TForm3>())
    , Form4(std::make_unique<TForm4>())
    , Windeinstufung(std::make_unique<TWindeinstufung>())
    , Form5(std::make_unique<TForm5>())
    , Form6(std::make_unique<TForm6>())
{
    // Closing the main window ends the program, whatever else is open.
    Form1->setAttribute(Qt::WA_QuitOnClose, true);
    Verbinden();
}

Programm::~Programm() = default;

void Programm::Verbinden()
{
    Form1->projektdatenLeeren = [this] { daten.Leeren(); };
    QObject::connect(Form1->Speichern1, &QAction::triggered, Form1.get(),
                     [this] { Speichern1Click(*Form1, daten, Projektname); });
    QObject::connect(Form1->ffnen1, &QAction::triggered, Form1.get(),
                     [this] { ffnen1Click(*Form1, daten, Projektname); });
    QObject::connect(Form1->Drucken1, &QAction::triggered, Form1.get(),
                     [this] { Drucken1Click(*Form1, Form5->logo(), Drucker()); });
    QObject::connect(Form1->Druckereinstellung1, &QAction::triggered, Form1.get(),
                     [this] { Druckereinstellung1Click(*Form1, Drucker()); });
    QObject::connect(Form1->Logoeinbindung1, &QAction::triggered, Form1.get(),
                     [this] { Logoeinbindung1Click(*Form5); });
    QObject::connect(Form1->Button3, &QPushButton::clicked, Form1.get(), [this] { Button3Click(); });
    QObject::connect(Form1->Button4, &QPushButton::clicked, Form1.get(), [this] { Button4Click(); });
    QObject::connect(Form1->InformationenzurDIN194661, &QAction::triggered, Form1.get(),
                     [this] { InformationenzurDIN194661Click(); });
    QObject::connect(Form1->Info1, &QAction::triggered, Form1.get(), [this] { Info1Click(); });
    QObject::connect(Form1->berlassungsbedingungen3, &QAction::triggered, Form1.get(),
                     [this] { berlassungsbedingungen3Click(); });
}

QPrinter &Programm::Drucker()
{
    if (!drucker)
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker;
}

void Programm::ProjektOeffnen(const QString &pfad)
{
    GewaehlteDateiOeffnen(*Form1, daten, Projektname, pfad);
}

void Programm::Button3Click() { NebenfensterZeigen(Windeinstufung.get()); }
void Programm::Button4Click() { NebenfensterZeigen(Form6.get()); }
void Programm::InformationenzurDIN194661Click() { NebenfensterZeigen(Form3.get()); }
void Programm::berlassungsbedingungen3Click() { NebenfensterZeigen(Form2.get()); }

void Programm::Info1Click()
{
    NebenfensterZeigen(Form4.get());
    Form4->Label6->setText(Versionstext);
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
