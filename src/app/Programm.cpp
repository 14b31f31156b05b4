#include "app/Programm.h"

#include "app/Druckmenue.h"
#include "app/Projektmenue.h"
#include "fileio/Dateiname.h"
#include "fileio/Rohbild.h"
#include "project/Projektbefehle.h"
#include "report/Drucken.h"
#include "windowkit/Einstellungsdatei.h"
#include "windowkit/Erstesbild.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Statuszeile.h"
#include "windowkit/Version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QPrinter>
#include <QSettings>
#include <QTranslator>

#include <cstdio>

Programm::Programm()
    : Form1(std::make_unique<TForm1>(zustand))
    , Rechenwegfenster([this] { return std::make_unique<TRechenweg>(weg); })
    , sicherung(std::make_unique<Eingabesicherung>(*Form1,
                                                   Eingabesicherung::Projekt{Projektname, Speichervorschlag, bindung}))
{
    // The icon of every window but the about box, decoded once and shared.
    QApplication::setWindowIcon(QPixmap::fromImage(Rohbild(QStringLiteral(":/roh/symbol_luvanto_64.rgba"))));
    zustand.weg = &weg;
    // Closing the main window ends the program, whatever else is open.
    Form1->setAttribute(Qt::WA_QuitOnClose, true);
    Verbinden();
}

Programm::~Programm() = default;

void Programm::Verbinden()
{
    // "Neu" and the start image: the page no longer belongs to its file.
    ProjektAnbinden(*Form1, daten, bindung);
    QObject::connect(Form1->Speichern1, &QAction::triggered, Form1.get(), [this] { Speichern1Click(); });
    QObject::connect(Form1.get(), &TForm1::seiteWirdErsetzt, sicherung.get(), &Eingabesicherung::Vormerken);
    // A new, empty project belongs to no file: the title and "Speichern"
    // no longer name the one shown before.
    QObject::connect(Form1.get(), &TForm1::seiteErsetzt, Form1.get(), [this] {
        Projektname.clear();
        Speichervorschlag.clear();
        Form1->setWindowTitle(Form1->Starttitel());
    });
    QObject::connect(Form1.get(), &TForm1::seiteErsetzt, sicherung.get(), &Eingabesicherung::Ersetzt);
    QObject::connect(Form1->NeueNutzungseinheit1, &QAction::triggered, Form1.get(), [this] {
        sicherung->Ersetzen([this] { NeueNutzungseinheit1Click(*Form1, Projektname, bindung, Speichervorschlag); });
    });
    QObject::connect(Form1->ffnen1, &QAction::triggered, Form1.get(), [this] { ffnen1Click(); });
    // Refilled before showing: another program may have changed the list.
    QObject::connect(Form1->Zuletztverwendet1, &QMenu::aboutToShow, Form1.get(), [this] { ZuletztVermerken({}); });
    // Filled once the window is up, for the shortcuts Strg+1 … of its entries.
    Erstesbild::danach(*Form1, Form1.get(), [this] { ZuletztVermerken({}); });
    QObject::connect(Form1->Drucken1, &QAction::triggered, Form1.get(),
                     [this] { Drucken1Click(*Form1, Form5->logo(), Drucker()); });
    QObject::connect(Form1->PdfSpeichern1, &QAction::triggered, Form1.get(),
                     [this] { PdfSpeichern1Click(*Form1, Form5->logo(), Projektname); });
    QObject::connect(Form1->Druckvorschau1, &QAction::triggered, Form1.get(),
                     [this] { Druckvorschau1Click(*Form1, Form5->logo(), Drucker()); });
    QObject::connect(Form1->Druckereinstellung1, &QAction::triggered, Form1.get(),
                     [this] { Druckereinstellung1Click(*Form1, Drucker()); });
    QObject::connect(Form1->Logoeinbindung1, &QAction::triggered, Form1.get(),
                     [this] { Logoeinbindung1Click(*Form5); });
    QObject::connect(Form1->Button3, &QPushButton::clicked, Form1.get(), [this] { Button3Click(); });
    Windeinstufung.beimMachen([this](TWindeinstufung &wind) {
        QObject::connect(&wind, &TWindeinstufung::lageGewaehlt, Form1.get(),
                         [this](const QString &lage) { Form1->ComboBox2->waehlen(lage); });
    });
    QObject::connect(Form1->Button4, &QPushButton::clicked, Form1.get(), [this] { Button4Click(); });
    QObject::connect(Form1->InformationenzurDIN194661, &QAction::triggered, Form1.get(),
                     [this] { InformationenzurDIN194661Click(); });
    QObject::connect(Form1->Handbuch1, &QAction::triggered, Form1.get(),
                     [this] { NebenfensterZeigen(Handbuch.get()); });
    QObject::connect(Form1->Info1, &QAction::triggered, Form1.get(), [this] { Info1Click(); });
    QObject::connect(Form1->berlassungsbedingungen3, &QAction::triggered, Form1.get(),
                     [this] { berlassungsbedingungen3Click(); });

    QObject::connect(Form1->Rechenweg1, &QAction::triggered, Form1.get(), [this] { Rechenweg1Click(); });
    Rechenwegfenster.beimMachen([this](TRechenweg &rechenweg) {
        QObject::connect(Form1.get(), &TForm1::rechenwegGeaendert, &rechenweg, &TRechenweg::Aktualisieren);
        rechenweg.objektdaten = [this] { return BerichtswerteLesen(Form1->seite()); };
        rechenweg.hinweise = [this] { return Form1->hinweise(); };
        rechenweg.drucker = [this]() -> QPrinter & { return Drucker(); };
        rechenweg.projektpfad = [this] { return Projektname; };
    });

    QObject::connect(Form1->Gebaeudeuebersicht1, &QAction::triggered, Form1.get(),
                     [this] { Gebaeudeuebersicht1Click(); });
    Gebaeude.beimMachen([this](TGebaeudeuebersicht &gebaeude) {
        gebaeude.logo = [this] { return Form5->logo(); };
        QObject::connect(&gebaeude, &TGebaeudeuebersicht::oeffnen, Form1.get(), [this](const QString &pfad) {
            Oeffnend([&] { return GewaehlteDateiOeffnen(*Form1, daten, Projektname, bindung, pfad); });
            Form1->activateWindow();
        });
    });
}

QPrinter &Programm::Drucker()
{
    if (!drucker)
        drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *drucker;
}

void Programm::ProjektOeffnen(const QString &pfad)
{
    Oeffnend([&] { return GewaehlteDateiOeffnen(*Form1, daten, Projektname, bindung, pfad, true); });
}

bool Programm::Oeffnend(const std::function<bool()> &befehl)
{
    bool geoeffnet = false;
    sicherung->Ersetzen([&] { geoeffnet = befehl(); });
    if (geoeffnet) {
        ZuletztVermerken(Projektname);
        sicherung->Gesichert();
    }
    return geoeffnet;
}

// Without a file of its own the unit is proposed under its object name,
// beside the unit it was started from (Neue Nutzungseinheit) or in the
// folder used last; a name that is taken counts up ("WE 3.lkz" → "WE 4.lkz").
// A unit without an object name keeps the proposal it has.
void Programm::Speichern1Click()
{
    QString vorschlag = Speichervorschlag;
    if (Projektname.isEmpty()) {
        QString ordner = Speichervorschlag.isEmpty() ? zuletzt.ordner() : QFileInfo(Speichervorschlag).absolutePath();
        if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
            ordner = QDir::homePath();
        const QString objekt = Objektvorschlag(Form1->Edit2->text(), ordner);
        if (objekt != ordner || vorschlag.isEmpty())
            vorschlag = objekt != ordner && QFileInfo::exists(objekt) ? NaechsterDateiname(objekt) : objekt;
    }
    if (::Speichern1Click(*Form1, daten, Projektname, bindung, Dateiwahl::dialoge(), {}, vorschlag)) {
        ZuletztVermerken(Projektname);
        sicherung->Gesichert();
    }
}

// Starts in the folder of the project shown, else in the one used last.
void Programm::ffnen1Click()
{
    const QString ordner = Projektname.isEmpty() ? zuletzt.ordner() : QFileInfo(Projektname).absolutePath();
    Oeffnend([&] { return ::ffnen1Click(*Form1, daten, Projektname, bindung, Dateiwahl::dialoge(), ordner); });
}

void Programm::ZuletztOeffnen(const QString &pfad)
{
    if (!QFileInfo::exists(pfad)) {
        zuletzt.entfernen(pfad);
        ZuletztVermerken({});
        StatusZeigen(*Form1,
                     QStringLiteral("„%1“ gibt es nicht mehr und ist aus „Zuletzt verwendet“ entfernt.")
                         .arg(QDir::toNativeSeparators(NameZumZeigen(pfad))),
                     10000);
        return;
    }
    Oeffnend([&] { return GewaehlteDateiOeffnen(*Form1, daten, Projektname, bindung, pfad); });
}

// Puts pfad (if any) on top of the list and refills the menu.
void Programm::ZuletztVermerken(const QString &pfad)
{
    if (!pfad.isEmpty())
        zuletzt.eintragen(pfad);
    ZuletztMenueFuellen(*Form1->Zuletztverwendet1, zuletzt.pfade(), [this](const QString &p) { ZuletztOeffnen(p); });
}

void Programm::Button3Click()
{
    NebenfensterZeigen(Windeinstufung.get());
}
void Programm::Button4Click()
{
    NebenfensterZeigen(Form6.get());
}
void Programm::InformationenzurDIN194661Click()
{
    NebenfensterZeigen(Form3.get());
}
void Programm::berlassungsbedingungen3Click()
{
    NebenfensterZeigen(Form2.get());
}

void Programm::Rechenweg1Click()
{
    NebenfensterZeigen(Rechenwegfenster.get());
}

// Opens on the folder of the project shown, else on the one used last,
// else on the home folder.
void Programm::Gebaeudeuebersicht1Click()
{
    QString ordner = Projektname.isEmpty() ? QSettings().value(QStringLiteral("gebaeude/ordner")).toString()
                                           : QFileInfo(Projektname).absolutePath();
    if (ordner.isEmpty() || !QFileInfo(ordner).isDir())
        ordner = QDir::homePath();
    if (Gebaeude->ordner() != QDir(ordner).absolutePath())
        Gebaeude->OrdnerZeigen(ordner);
    NebenfensterZeigen(Gebaeude.get());
}

void Programm::Info1Click()
{
    NebenfensterZeigen(Form4.get());
    Form4->Label6->setText(Versionstext);
}

void DeutscheUebersetzungLaden()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *uebersetzung = new QTranslator(QCoreApplication::instance());
    if (uebersetzung->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(uebersetzung);
}

void EinstellungenEinrichten()
{
    // The names without QSettings, which would read a FIFO there forever.
    QCoreApplication::setApplicationName(QStringLiteral("luvanto"));
    const QString frueher = Einstellungsdateien().constFirst();
    QCoreApplication::setOrganizationName(QStringLiteral("luvanto"));
    const QString jetzt = Einstellungsdateien().constFirst();
    // Earlier versions named no maker, and Qt filed the settings under a
    // placeholder; they are copied once and left where they are.
    if (frueher != jetzt && !QFileInfo::exists(jetzt) && QFileInfo(frueher).isFile()) {
        QDir().mkpath(QFileInfo(jetzt).absolutePath());
        QFile::copy(frueher, jetzt);
    }
    if (const std::optional<QString> grund = EinstellungsdateiPruefen())
        std::fprintf(stderr, "luvanto: %s\n", qUtf8Printable(*grund));
}
