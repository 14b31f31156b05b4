#include "report/Drucken.h"

#include "windowkit/Fehleranzeige.h"
#include "mainwindow/Lueftung.h"
#include "report/Druckauftrag.h"
#include "report/PdfExport.h"

#include <QDate>
#include <QPrinter>

Berichtswerte BerichtswerteLesen(const TForm1 &f)
{
    Berichtswerte w;
    w.Edit1 = f.Edit1->text();
    w.Edit2 = f.Edit2->text();
    w.Edit3 = f.Edit3->text();
    w.Edit4 = f.Edit4->text();
    w.Edit6 = f.Edit6->text();
    w.Edit7 = f.Edit7->text();
    w.Edit8 = f.Edit8->text();
    w.Edit9 = f.Edit9->text();
    w.Edit10 = f.Edit10->text();
    w.Edit11 = f.Edit11->text();
    w.ComboBox1 = f.ComboBox1->text();
    w.ComboBox2 = f.ComboBox2->text();
    w.ComboBox5 = f.ComboBox5->text();
    w.ComboBox6 = f.ComboBox6->text();
    w.ComboBox7 = f.ComboBox7->text();
    w.ComboBox8 = f.ComboBox8->text();
    w.Label26 = f.Label26->text();
    w.Label27 = f.Label27->text();
    w.Label28 = f.Label28->text();
    w.Label38 = f.Label38->text();
    w.Label39 = f.Label39->text();
    w.Label31 = f.Label31->text();
    w.Label49 = f.Label49->text();
    w.Label63 = f.Label63->text();
    w.Label30 = f.Label30->text();
    w.RadioGroup1 = f.RadioGroup1->itemIndex();
    w.RadioGroup2 = f.RadioGroup2->itemIndex();
    w.RadioGroup3 = f.RadioGroup3->itemIndex();
    for (const Pruefhinweis &h : f.hinweise())
        w.Hinweise.append(QString::fromStdString(h.text));
    return w;
}

bool SeitenMitDialogDrucken(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                            const QString &titel)
{
    if (const auto fehler = DruckerPruefen(drucker)) {
        FehlerAnzeigen(eltern, *fehler);
        return false;
    }
    if (!DruckdialogBestaetigt(eltern, drucker))
        return false;
    if (const auto fehler = SeitenDrucken(drucker, seiten, logo, titel)) {
        FehlerAnzeigen(eltern, *fehler);
        return false;
    }
    return true;
}

void SeitenAlsPdfSpeichern(QWidget *eltern, const QString &vorschlag, const Seitenliste &seiten,
                           const QImage &logo, const QString &titel)
{
    const auto pfad = PdfSpeicherdialog(eltern, vorschlag);
    if (!pfad)
        return;
    if (const auto fehler = PdfSchreiben(*pfad, seiten, logo, titel))
        FehlerAnzeigen(eltern, *fehler);
}

void Drucken1Click(TForm1 &form, const QImage &logo, QPrinter &drucker)
{
    const Berichtswerte werte = BerichtswerteLesen(form);
    SeitenMitDialogDrucken(&form, drucker, {Berichtsseite(werte, QDate::currentDate())}, logo,
                           Berichtstitel(werte.Edit2));
}

void PdfSpeichern1Click(TForm1 &form, const QImage &logo, const QString &projektname)
{
    const QDate heute = QDate::currentDate();
    const Berichtswerte werte = BerichtswerteLesen(form);
    SeitenAlsPdfSpeichern(&form, PdfVorschlag(QStringLiteral("Lüftungskonzept"), werte.Edit2, heute, projektname),
                          {Berichtsseite(werte, heute)}, logo, Berichtstitel(werte.Edit2));
}

void Druckvorschau1Click(TForm1 &form, const QImage &logo, QPrinter &drucker)
{
    const Berichtswerte werte = BerichtswerteLesen(form);
    DruckvorschauZeigen(&form, drucker, {Berichtsseite(werte, QDate::currentDate())}, logo,
                        Berichtstitel(werte.Edit2));
}

void Druckereinstellung1Click(TForm1 &form, QPrinter &drucker)
{
    if (const auto fehler = DruckerPruefen(drucker)) {
        FehlerAnzeigen(&form, *fehler);
        return;
    }
    DruckereinstellungZeigen(&form, drucker);
}
