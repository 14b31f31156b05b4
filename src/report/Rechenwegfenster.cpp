#include "report/Rechenwegfenster.h"

#include "engine/Rechenweg.h"
#include "lueftung/Fehleranzeige.h"
#include "lueftung/Nebenfenster.h"
#include "report/Berichtsmaler.h"
#include "report/Druckauftrag.h"
#include "report/PdfExport.h"
#include "report/Rechenwegseite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>

namespace {

QFont Schrift(int pixel, bool fett = false)
{
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

QLabel *Beschriftung(QWidget *eltern)
{
    auto *label = new QLabel(eltern);
    // User texts are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TRechenweg::TRechenweg(const Rechenweg &w, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , weg(w)
{
    setFont(Schrift(12));
    setupUi(this);
    Label1->setFont(Schrift(16, true));
    NebenfensterEinrichten(this);
    connect(ButtonDrucken, &QPushButton::clicked, this, &TRechenweg::ButtonDruckenClick);
    connect(ButtonPdf, &QPushButton::clicked, this, &TRechenweg::ButtonPdfClick);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
}

void TRechenweg::showEvent(QShowEvent *ereignis)
{
    QWidget::showEvent(ereignis);
    Aktualisieren();
}

TRechenweg::Reihe &TRechenweg::reihe(std::size_t i)
{
    while (reihen.size() <= i) {
        Reihe r;
        r.zeile = new QWidget(Inhalt);
        auto *anordnung = new QHBoxLayout(r.zeile);
        r.was = Beschriftung(r.zeile);
        r.was->setFixedWidth(260);
        r.wert = Beschriftung(r.zeile);
        anordnung->addWidget(r.was);
        anordnung->addWidget(r.wert, 1);
        // Before the closing spacer.
        Zeilen->insertWidget(Zeilen->count() - 1, r.zeile);
        reihen.push_back(r);
    }
    return reihen[i];
}

void TRechenweg::Gestalten(Reihe &r, Rechenwegzeile::Art art)
{
    if (r.art == int(art))
        return;
    r.art = int(art);
    const bool gruppe = art == Rechenwegzeile::Art::Gruppe;
    r.was->setVisible(art == Rechenwegzeile::Art::Eintrag);
    r.wert->setFont(gruppe ? Schrift(14, true) : Schrift(12));
    r.zeile->layout()->setContentsMargins(4, gruppe ? 12 : 0, 4, gruppe ? 2 : 0);
}

void TRechenweg::Aktualisieren()
{
    if (!isVisible())
        return;
    angezeigt = RechenwegZeilen(weg);
    for (std::size_t i = 0; i < angezeigt.size(); ++i) {
        const Rechenwegzeile &z = angezeigt[i];
        Reihe &r = reihe(i);
        Gestalten(r, z.art);
        if (z.art == Rechenwegzeile::Art::Eintrag) {
            r.was->setText(z.was);
            r.wert->setText(z.wert);
        } else {
            r.wert->setText(z.was);
        }
        r.zeile->setVisible(true);
    }
    for (std::size_t i = angezeigt.size(); i < reihen.size(); ++i)
        reihen[i].zeile->setVisible(false);
}

std::vector<std::vector<Seitenelement>> TRechenweg::Seiten(QDate datum) const
{
    return RechenwegSeiten(RechenwegZeilen(weg), objektdaten ? objektdaten() : Berichtswerte{},
                           datum);
}

void TRechenweg::ButtonDruckenClick()
{
    if (!drucker)
        return;
    QPrinter &d = drucker();
    if (const auto fehler = DruckerPruefen(d)) {
        FehlerAnzeigen(this, *fehler);
        return;
    }
    if (!DruckdialogBestaetigt(this, d))
        return;
    const QString objekt = objektdaten ? objektdaten().Edit2 : QString();
    const auto seiten = Seiten(QDate::currentDate());
    d.setDocName(RechenwegDokumenttitel(objekt));
    d.setFullPage(false);
    QPainter maler;
    if (!maler.begin(&d)) {
        FehlerAnzeigen(this, QStringLiteral("Druckauftrag kann nicht begonnen werden"));
        return;
    }
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0)
            d.newPage();
        SeiteZeichnen(maler, seiten[i], QImage());
    }
    if (!maler.end())
        FehlerAnzeigen(this, QStringLiteral("Druckauftrag kann nicht abgeschlossen werden"));
}

void TRechenweg::ButtonPdfClick()
{
    const QDate heute = QDate::currentDate();
    const QString objekt = objektdaten ? objektdaten().Edit2 : QString();
    const auto pfad = PdfSpeicherdialog(
        this, PdfVorschlag(QStringLiteral("Rechenweg"), objekt, heute,
                           projektpfad ? projektpfad() : QString()));
    if (!pfad)
        return;
    if (const auto fehler = PdfSchreiben(*pfad, Seiten(heute), QImage(), RechenwegDokumenttitel(objekt)))
        FehlerAnzeigen(this, *fehler);
}
