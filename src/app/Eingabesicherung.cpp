#include "app/Eingabesicherung.h"

#include "mainwindow/Lueftung.h"
#include "project/Projektbefehle.h"
#include "windowkit/Erstesbild.h"
#include "windowkit/Statuszeile.h"

#include <QFileInfo>
#include <QFontMetrics>

#include <utility>

namespace {

// The record "Speichern" would write for the page, without the remains of
// earlier texts, so that equal pages give equal bytes.
QByteArray Seitenstand(const TForm1 &form)
{
    TProjektdaten daten;
    ProjektSichern(form.seite(), daten);
    return QByteArray(reinterpret_cast<const char *>(daten.bytes().data()), qsizetype(daten.bytes().size()));
}

// A leading "* " in the title while the page holds input that is not
// saved, as desktop programs mark it.
void TitelMarkieren(QWidget &fenster, bool ungesichert)
{
    const QString titel = fenster.windowTitle();
    const bool markiert = titel.startsWith(QLatin1String("* "));
    if (markiert != ungesichert)
        fenster.setWindowTitle(ungesichert ? QStringLiteral("* ") + titel : titel.mid(2));
}

}  // namespace

Eingabesicherung::Eingabesicherung(TForm1 &f, Projekt p, const QString &ordner)
    : form(f)
    , projekt(p)
    , kopie(ordner)
    , gesichert(Seitenstand(f))
{
    zeitgeber.setSingleShot(true);
    zeitgeber.setInterval(Verzoegerung);
    connect(&zeitgeber, &QTimer::timeout, this, &Eingabesicherung::Sichern);
    // Every input has a line edit (the combo boxes and the date theirs), or
    // is a radio group.
    for (QLineEdit *feld : form.findChildren<QLineEdit *>())
        connect(feld, &QLineEdit::textChanged, this, &Eingabesicherung::Geaendert);
    for (RadioGroup *gruppe : form.findChildren<RadioGroup *>())
        connect(gruppe, &RadioGroup::geklickt, this, &Eingabesicherung::Geaendert);

    connect(form.VerworfeneEingaben1, &QAction::triggered, this, &Eingabesicherung::VerworfeneEingaben1Click);
    connect(form.Wiederherstellen1, &QPushButton::clicked, this, &Eingabesicherung::Wiederherstellen1Click);
    connect(form.Verwerfen1, &QPushButton::clicked, this, &Eingabesicherung::Verwerfen1Click);
    // The copies left behind are looked for once the window is up.
    Erstesbild::danach(form, this, [this] { Anbieten(); });
}

Eingabesicherung::~Eingabesicherung()
{
    if (zeitgeber.isActive())
        Sichern();
}

Eingabestand Eingabesicherung::Jetzt() const
{
    return {Seitenstand(form), projekt.Projektname, projekt.vorschlag, projekt.bindung, aenderung};
}

void Eingabesicherung::Geaendert()
{
    // While a page is being replaced (opened, reset, brought back) its
    // fields change one by one; the title is marked once, when it is done,
    // and does not flicker meanwhile.
    if (!vorgemerkt)
        TitelMarkieren(form, Seitenstand(form) != gesichert);
    if (zeitgeber.isActive())
        return;
    aenderung = QDateTime::currentDateTime();
    zeitgeber.start();
}

void Eingabesicherung::Sichern()
{
    zeitgeber.stop();
    const Eingabestand stand = Jetzt();
    if (stand.satz == gesichert) {
        kopie.entfernen();
        return;
    }
    // Said once: every change would say it again.
    const std::optional<QString> fehler = kopie.schreiben(stand);
    if (fehler && !kopieFehlerGezeigt) {
        kopieFehlerGezeigt = true;
        StatusZeigen(form, *fehler);
    }
}

void Eingabesicherung::Gesichert()
{
    gesichert = Seitenstand(form);
    TitelMarkieren(form, false);
    Sichern();
}

void Eingabesicherung::Vormerken()
{
    vorgemerkt = Seite{Jetzt(), gesichert};
}

void Eingabesicherung::Ersetzt()
{
    if (vorgemerkt)
        Verbuchen(std::nullopt);
}

void Eingabesicherung::Ersetzen(const std::function<void()> &befehl)
{
    Vormerken();
    befehl();
    Ersetzt();
}

// Unsaved input that the page held before it was replaced can be brought
// back; the new page counts as saved as neu says, or as it stands.
void Eingabesicherung::Verbuchen(const std::optional<QByteArray> &neu)
{
    const Seite vorher = *std::exchange(vorgemerkt, std::nullopt);
    const QByteArray jetzt = Seitenstand(form);
    if (jetzt != vorher.stand.satz) {
        if (vorher.stand.satz != vorher.gesichert)
            verworfen = vorher;
        gesichert = neu.value_or(jetzt);
        Sichern();
    }
    TitelMarkieren(form, jetzt != gesichert);
    form.VerworfeneEingaben1->setEnabled(verworfen.has_value());
}

// Bringing a page back is itself a reset of the page shown.
void Eingabesicherung::Zurueckholen(const Seite &ziel)
{
    Vormerken();
    // The copy keeps the date the user had set.
    ProjektLaden(form.seite(), ziel.stand.daten(), true, Rechenweg::Urteilsgeber::Wiederhergestellt);
    form.VomAnfangZeigen();
    projekt.Projektname = ziel.stand.Projektname;
    projekt.vorschlag = ziel.stand.vorschlag;
    projekt.bindung = ziel.stand.bindung;
    form.setWindowTitle(projekt.Projektname.isEmpty() ? form.Starttitel() : Fenstertitel(projekt.Projektname));
    form.Button1->click();
    aenderung = ziel.stand.zeit;
    Verbuchen(ziel.gesichert);
}

// Once: the page replaced by it is what can be brought back next.
void Eingabesicherung::VerworfeneEingaben1Click()
{
    if (verworfen)
        Zurueckholen(*std::exchange(verworfen, std::nullopt));
}

// The copy becomes this program's own before the one left behind goes;
// what it was saved as is not known, so it counts as unsaved.
void Eingabesicherung::Wiederherstellen1Click()
{
    if (!angebot)
        return;
    Zurueckholen({*angebot, {}});
    kopie.hinterlasseneEntfernen();
    Anbieten();
}

void Eingabesicherung::Verwerfen1Click()
{
    kopie.hinterlasseneEntfernen();
    Anbieten();
}

QString Eingabesicherung::Angebotstext(const Eingabestand &stand, const QString &rechner)
{
    QString objekt = stand.objekt().trimmed();
    if (objekt.isEmpty())
        objekt = QFileInfo(stand.Projektname).fileName();
    if (objekt.isEmpty())
        objekt = QStringLiteral("ohne Bezeichnung");
    const QString text = QStringLiteral("Nicht gespeicherte Eingaben vom %1 (%2) wiederherstellen")
                             .arg(stand.zeit.toString(QStringLiteral("dd.MM.yyyy HH:mm")), objekt);
    return rechner.isEmpty() ? text : text + QStringLiteral("\n") + Rechnerhinweis(rechner);
}

QString Eingabesicherung::Rechnerhinweis(const QString &rechner)
{
    return QStringLiteral("Hinterlassen auf dem Rechner „%1“").arg(rechner);
}

// The button takes two lines where one is too long, and a long name is
// shortened in the middle. A copy from another machine says so on a line
// of its own.
void Eingabesicherung::Anbieten()
{
    angebot = kopie.hinterlassene();
    form.Wiederherstellung->setVisible(angebot.has_value());
    if (!angebot)
        return;
    const QFontMetrics masse(form.Wiederherstellen1->font());
    const int breite = form.Wiederherstellung->width() - 24;
    QString text = Angebotstext(*angebot);
    if (masse.horizontalAdvance(text) > breite) {
        const qsizetype klammer = text.indexOf(QLatin1String(" ("));
        const QString zweite = text.mid(klammer + 1);
        text = text.left(klammer) + QLatin1Char('\n') + masse.elidedText(zweite, Qt::ElideMiddle, breite);
    }
    const QString rechner = kopie.angebotenVonRechner();
    if (!rechner.isEmpty())
        text += QLatin1Char('\n') + masse.elidedText(Rechnerhinweis(rechner), Qt::ElideRight, breite);
    form.Wiederherstellen1->setText(text);
    form.Wiederherstellen1->setToolTip(Angebotstext(*angebot, rechner));
}
