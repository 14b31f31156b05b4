#include "workings/Rechenwegfenster.h"

#include "engine/Rechenweg.h"
#include "report/Berichtsmaler.h"
#include "report/Drucken.h"
#include "report/PdfExport.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Programmschrift.h"
#include "workings/Rechenwegseite.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>

namespace {

// A label that takes no room while it has no text.
class Zeilentext : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return text().isEmpty() ? QSize(0, 0) : QLabel::sizeHint(); }
    QSize minimumSizeHint() const override { return text().isEmpty() ? QSize(0, 0) : QLabel::minimumSizeHint(); }
    int heightForWidth(int breite) const override { return text().isEmpty() ? 0 : QLabel::heightForWidth(breite); }
};

QLabel *Beschriftung(QWidget *eltern)
{
    auto *label = new Zeilentext(eltern);
    // User texts are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

TRechenweg::TRechenweg(const Rechenweg &w, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , weg(w)
{
    setFont(Programmschrift(12));
    setupUi(this);
    Label1->setFont(Programmschrift(16, true));
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
        auto *zeile = new QWidget(Inhalt);
        auto *senkrecht = new QVBoxLayout(zeile);
        senkrecht->setContentsMargins(4, 0, 4, 0);
        senkrecht->setSpacing(0);
        r.gruppe = Beschriftung(zeile);
        r.gruppe->setFont(Programmschrift(14, true));
        r.hinweis = Beschriftung(zeile);
        r.was = Beschriftung(zeile);
        r.was->setFixedWidth(260);
        r.wert = Beschriftung(zeile);
        auto *waagrecht = new QHBoxLayout;
        waagrecht->addWidget(r.was);
        waagrecht->addWidget(r.wert, 1);
        senkrecht->addWidget(r.gruppe);
        senkrecht->addWidget(r.hinweis);
        senkrecht->addLayout(waagrecht);
        // Before the closing spacer; made while the window is shown, the
        // line must be shown itself.
        Zeilen->insertWidget(Zeilen->count() - 1, zeile);
        zeile->show();
        reihen.push_back(r);
    }
    return reihen[i];
}

void TRechenweg::Aktualisieren()
{
    if (!isVisible())
        return;
    angezeigt = RechenwegZeilen(weg, hinweise ? hinweise() : std::vector<Pruefhinweis>{});
    using Art = Rechenwegzeile::Art;
    const QString leer;
    for (std::size_t i = 0; i < std::max(angezeigt.size(), reihen.size()); ++i) {
        Reihe &r = reihe(i);
        const Rechenwegzeile *z = i < angezeigt.size() ? &angezeigt[i] : nullptr;
        const Art art = z ? z->art : Art::Eintrag;
        // A heading sets itself off from the lines above it.
        r.gruppe->setText(art == Art::Gruppe ? u'\n' + z->was : leer);
        r.hinweis->setText(art == Art::Hinweis ? z->was : leer);
        r.was->setText(z && art == Art::Eintrag ? z->was : leer);
        r.wert->setText(z && art == Art::Eintrag ? z->wert : leer);
    }
}

Seitenliste TRechenweg::Seiten(QDate datum) const
{
    return RechenwegSeiten(RechenwegZeilen(weg, hinweise ? hinweise() : std::vector<Pruefhinweis>{}),
                           objektdaten ? objektdaten() : Berichtswerte{}, datum);
}

void TRechenweg::ButtonDruckenClick()
{
    if (!drucker)
        return;
    const QString objekt = objektdaten ? objektdaten().Edit2 : QString();
    SeitenMitDialogDrucken(this, drucker(), Seiten(QDate::currentDate()), QImage(), RechenwegDokumenttitel(objekt));
}

void TRechenweg::ButtonPdfClick()
{
    const QDate heute = QDate::currentDate();
    const QString objekt = objektdaten ? objektdaten().Edit2 : QString();
    SeitenAlsPdfSpeichern(
        this, PdfVorschlag(QStringLiteral("Rechenweg"), objekt, heute, projektpfad ? projektpfad() : QString()),
        Seiten(heute), QImage(), RechenwegDokumenttitel(objekt));
}
