#include "report/Drucken.h"

#include "windowkit/Fehleranzeige.h"
#include "windowkit/Version.h"
#include "report/Druckauftrag.h"
#include "report/PdfExport.h"

#include <QDate>
#include <QPrinter>

Berichtswerte BerichtswerteLesen(const Speicherblatt &seite)
{
    using S = Steuerelement;
    const auto t = [&](S element) { return QString::fromStdString(seite.text(element)); };
    Berichtswerte w;
    w.Edit1 = t(S::Edit1);
    w.Edit2 = t(S::Edit2);
    w.Edit3 = t(S::Edit3);
    w.Edit4 = t(S::Edit4);
    w.Edit6 = t(S::Edit6);
    w.Edit7 = t(S::Edit7);
    w.Edit8 = t(S::Edit8);
    w.Edit9 = t(S::Edit9);
    w.Edit10 = t(S::Edit10);
    w.Edit11 = t(S::Edit11);
    w.ComboBox1 = t(S::ComboBox1);
    w.ComboBox2 = t(S::ComboBox2);
    w.ComboBox5 = t(S::ComboBox5);
    w.ComboBox6 = t(S::ComboBox6);
    w.ComboBox7 = t(S::ComboBox7);
    w.ComboBox8 = t(S::ComboBox8);
    w.Label26 = t(S::Label26);
    w.Label27 = t(S::Label27);
    w.Label28 = t(S::Label28);
    w.Label38 = t(S::Label38);
    w.Label39 = t(S::Label39);
    w.Label31 = t(S::Label31);
    w.Label49 = t(S::Label49);
    w.Label63 = t(S::Label63);
    w.Label30 = Versionstext;
    w.RadioGroup1 = seite.radioIndex(S::RadioGroup1);
    w.RadioGroup2 = seite.radioIndex(S::RadioGroup2);
    w.RadioGroup3 = seite.radioIndex(S::RadioGroup3);
    for (const Pruefhinweis &h : seite.hinweise())
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

