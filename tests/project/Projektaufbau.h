#pragma once

// What the tests of the project commands share: the main window with the
// project record and name, wired the way the program wires them; answers
// for the file dialogs; a catcher for the error box; and a picture of every
// value of the window that a project carries.

#include "app/Projektmenue.h"
#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "windowkit/Fehleranzeige.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <optional>

// The reset empties the record; "Speichern" and "Öffnen" run the commands
// with the real dialogs.
struct Projektaufbau {
    Projektaufbau()
    {
        ProjektAnbinden(form, daten, bindung);
        QObject::connect(form.Speichern1, &QAction::triggered, &form,
                         [this] { Speichern1Click(form, daten, Projektname, bindung); });
        QObject::connect(form.ffnen1, &QAction::triggered, &form,
                         [this] { ffnen1Click(form, daten, Projektname, bindung); });
    }

    Rechenzustand zustand;
    TForm1 form{zustand};
    TProjektdaten daten;
    QString Projektname;
    Dateibindung bindung;
};

// A dialog that answers at once with the given path, or cancels; it keeps
// the file name that the save dialog was to propose and the folder the
// open dialog was to start in. Asked whether to replace a file, it answers
// ersetzen; after a "Nein" the save dialog cancels.
struct Antwort {
    explicit Antwort(std::optional<QString> p = std::nullopt, bool e = true)
        : pfad(std::move(p))
        , ersetzen(e)
    {
    }

    std::optional<QString> pfad;
    bool ersetzen;
    QString vorschlag;
    QString ordner;
    int gefragt = 0;
    QStringList ersetzenGefragt;
    bool fremdGeaendert = false;  // asked about the own file that another program changed

    Dateiwahl wahl()
    {
        return {
            [this](QWidget *, const QString &v) {
                vorschlag = v;
                ++gefragt;
                return ersetzenGefragt.isEmpty() || ersetzen ? pfad : std::nullopt;
            },
            [this](QWidget *, const QString &o) {
                ordner = o;
                ++gefragt;
                return pfad;
            },
            [this](QWidget *, const QString &p, bool fremd) {
                ersetzenGefragt << p;
                fremdGeaendert = fremd;
                return ersetzen;
            },
        };
    }
};

// Closes the program's error box as soon as one shows and keeps what it said.
class Fehlerbox : public QObject {
public:
    Fehlerbox()
    {
        takt.setInterval(5);
        connect(&takt, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->objectName() != QLatin1String("Fehleranzeige"))
                return;
            meldungen << box->text();
            richtigGestaltet = box->icon() == QMessageBox::Critical && box->standardButtons() == QMessageBox::Ok
                && box->windowTitle() == Programmtitel();
            box->button(QMessageBox::Ok)->click();
        });
        takt.start();
    }

    QStringList meldungen;
    bool richtigGestaltet = false;

private:
    QTimer takt;
};

// Answers the next real file dialog that shows: types eingabe into its file
// name field and presses its accept button, or cancels when eingabe is
// empty. Keeps how the dialog was set up, and whether it refused the answer
// or asked a question back (which it then answers with "No" and cancels).
class Dialogantwort : public QObject {
public:
    explicit Dialogantwort(const QString &eingabe)
    {
        takt.setInterval(5);
        connect(&takt, &QTimer::timeout, this, [this, eingabe] {
            if (!gesehen) {
                if (QFileDialog *dialog = offenerDialog())
                    beantworten(dialog, eingabe);
                return;
            }
            auto *frage = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (frage && frage->objectName() != QLatin1String("Fehleranzeige")) {
                nachgefragt = true;
                frageText = frage->text();
                frage->done(QMessageBox::No);
            }
            // Asked back, the dialog is cancelled, also when it shows anew.
            if (nachgefragt)
                if (QFileDialog *dialog = offenerDialog())
                    dialog->reject();
        });
        takt.start();
    }

    static QFileDialog *offenerDialog()
    {
        for (QWidget *fenster : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QFileDialog *>(fenster); dialog && dialog->isVisible())
                return dialog;
        return nullptr;
    }

    bool gesehen = false;
    bool abgewiesen = false;  // the dialog stayed open after its button
    bool nachgefragt = false;  // it asked a question before closing
    QString frageText;
    bool speichern = false;
    QString titel;
    QFileDialog::Options optionen;
    QStringList filter;
    QString endung;
    QString ordner;
    QString vorgeschlagen;
    QStringList knoepfe;

private:
    void beantworten(QFileDialog *dialog, const QString &eingabe)
    {
        gesehen = true;
        titel = dialog->windowTitle();
        optionen = dialog->options();
        filter = dialog->nameFilters();
        endung = dialog->defaultSuffix();
        speichern = dialog->acceptMode() == QFileDialog::AcceptSave;
        ordner = dialog->directory().absolutePath();
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        vorgeschlagen = name ? name->text() : QString();
        auto *leiste = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QAbstractButton *annehmen = nullptr;
        for (QAbstractButton *knopf : leiste ? leiste->buttons() : QList<QAbstractButton *>()) {
            knoepfe << knopf->text();
            if (leiste->buttonRole(knopf) == QDialogButtonBox::AcceptRole)
                annehmen = knopf;
        }
        if (eingabe.isEmpty() || !name || !annehmen) {
            dialog->reject();
            return;
        }
        name->setText(eingabe);
        // Saving, the dialog takes a file selected in its list over the
        // typed name, and selects the proposed file itself once its folder
        // is read.
        auto *liste = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
        if (speichern && liste)
            liste->clearSelection();
        annehmen->click();
        if (dialog->isVisible() && !nachgefragt) {
            abgewiesen = true;
            dialog->reject();
        }
    }

    QTimer takt;
};

// Every value of the window that a project carries, with the visible flags
// and colours that the question flow and loading set.
struct Fensterbild {
    explicit Fensterbild(const TForm1 &f)
    {
        for (QLineEdit *feld :
             {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6, f.Edit7, f.Edit8, f.Edit9, f.Edit10, f.Edit11})
            werte << feld->objectName() + "=" + feld->text();
        for (Kombifeld *kombi : {f.ComboBox1, f.ComboBox2, f.ComboBox5, f.ComboBox6, f.ComboBox7, f.ComboBox8})
            werte << kombi->objectName() + "=" + kombi->text();
        for (RadioGroup *gruppe : {f.RadioGroup1, f.RadioGroup2, f.RadioGroup3})
            werte << gruppe->objectName() + "=" + QString::number(gruppe->itemIndex());
        for (QLabel *label : {f.Label26, f.Label27, f.Label28, f.Label38, f.Label39, f.Label31, f.Label49, f.Label63})
            werte << label->objectName() + "=" + label->text();
        for (QWidget *w : std::initializer_list<QWidget *>{
                 f.Panel2, f.Panel3, f.Panel4, f.Panel5, f.Panel11, f.RadioGroup2, f.Label50, f.Label57, f.Label58,
                 f.Edit11, f.ComboBox8, f.Label21, f.Label29, f.ComboBox6, f.Label19, f.Label62, f.Label26})
            werte << w->objectName() + (w->isHidden() ? " verborgen" : " sichtbar");
        for (QLineEdit *feld : {f.Edit8, f.Edit10})
            werte << feld->objectName() + " Farbe " + feld->palette().color(QPalette::Base).name();
        urteileSichtbar = !f.Label31->isHidden() && !f.Label49->isHidden() && !f.Label63->isHidden();
    }

    QStringList werte;
    bool urteileSichtbar;
};
