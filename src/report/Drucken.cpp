#include "report/Drucken.h"

#include "report/Druckauftrag.h"
#include "report/PdfExport.h"
#include "windowkit/Fehleranzeige.h"
#include "windowkit/Version.h"

#include "report/Berichtsmaler.h"
#include "windowkit/Bildschirmplatz.h"

#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

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

void SeitenAlsPdfSpeichern(QWidget *eltern, const QString &vorschlag, const Seitenliste &seiten, const QImage &logo,
                           const QString &titel)
{
    const auto pfad = PdfSpeicherdialog(eltern, vorschlag);
    if (!pfad)
        return;
    if (const auto fehler = PdfSchreiben(*pfad, seiten, logo, titel))
        FehlerAnzeigen(eltern, *fehler);
}

void DruckvorschauZeigen(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                         const QString &titel)
{
    const QImage bild = Druckbild(logo);
    QPrinter ansicht(QPrinter::HighResolution);
    ansicht.setPageLayout(drucker.pageLayout());

    QDialog vorschau(eltern);
    vorschau.setObjectName(QStringLiteral("Druckvorschau"));
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    auto *seitenansicht = new QPrintPreviewWidget(&ansicht, &vorschau);
    QObject::connect(seitenansicht, &QPrintPreviewWidget::paintRequested, &vorschau, [&](QPrinter *ziel) {
        QPainter maler;
        if (maler.begin(ziel))
            SeitenZeichnen(maler, *ziel, seiten, bild);
    });
    seitenansicht->setZoomMode(QPrintPreviewWidget::FitToWidth);

    auto *leiste = new QToolBar(&vorschau);
    leiste->addAction(QStringLiteral("Drucken …"), &vorschau, [&] {
        if (SeitenMitDialogDrucken(&vorschau, drucker, seiten, logo, titel))
            vorschau.accept();
    });
    leiste->addSeparator();
    leiste->addAction(QStringLiteral("Seitenbreite"), seitenansicht, &QPrintPreviewWidget::fitToWidth);
    leiste->addAction(QStringLiteral("Ganze Seite"), seitenansicht, &QPrintPreviewWidget::fitInView);
    leiste->addAction(QStringLiteral("Vergrößern"), seitenansicht, [seitenansicht] { seitenansicht->zoomIn(); });
    leiste->addAction(QStringLiteral("Verkleinern"), seitenansicht, [seitenansicht] { seitenansicht->zoomOut(); });
    auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, &vorschau);
    knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schliessen"));
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &vorschau, &QDialog::reject);

    auto *spalte = new QVBoxLayout(&vorschau);
    spalte->addWidget(leiste);
    spalte->addWidget(seitenansicht, 1);
    spalte->addWidget(knoepfe);
    const QRect platz = Kundenplatz(eltern ? eltern : &vorschau);
    vorschau.resize(QSize(900, platz.height() * 9 / 10).boundedTo(platz.size()));
    vorschau.exec();
}
