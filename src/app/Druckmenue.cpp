#include "app/Druckmenue.h"

#include "mainwindow/Lueftung.h"
#include "report/Druckauftrag.h"
#include "report/Drucken.h"
#include "report/PdfExport.h"
#include "windowkit/Fehleranzeige.h"

#include <QDate>
#include <QPrinter>

void Drucken1Click(TForm1 &form, const QImage &logo, QPrinter &drucker)
{
    const Berichtswerte werte = BerichtswerteLesen(form.seite());
    SeitenMitDialogDrucken(&form, drucker, {Berichtsseite(werte, QDate::currentDate())}, logo,
                           Berichtstitel(werte.Edit2));
}

void PdfSpeichern1Click(TForm1 &form, const QImage &logo, const QString &projektname)
{
    const QDate heute = QDate::currentDate();
    const Berichtswerte werte = BerichtswerteLesen(form.seite());
    SeitenAlsPdfSpeichern(&form, PdfVorschlag(QStringLiteral("Lüftungskonzept"), werte.Edit2, heute, projektname),
                          {Berichtsseite(werte, heute)}, logo, Berichtstitel(werte.Edit2));
}

void Druckvorschau1Click(TForm1 &form, const QImage &logo, QPrinter &drucker)
{
    const Berichtswerte werte = BerichtswerteLesen(form.seite());
    DruckvorschauZeigen(&form, drucker, {Berichtsseite(werte, QDate::currentDate())}, logo, Berichtstitel(werte.Edit2));
}

void Druckereinstellung1Click(TForm1 &form, QPrinter &drucker)
{
    if (const auto fehler = DruckerPruefen(drucker)) {
        FehlerAnzeigen(&form, *fehler);
        return;
    }
    DruckereinstellungZeigen(&form, drucker);
}
