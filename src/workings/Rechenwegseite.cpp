#include "workings/Rechenwegseite.h"

#include "report/Berichtsmaler.h"
#include "report/Seitenteile.h"
#include "report/Umbruch.h"

namespace {

constexpr int Links = 150;
constexpr int Rechts = 1850;
constexpr int WertSpalte = 700;  // the right column of an entry
constexpr int Mitte = 1100;  // the second column of the heading
constexpr int Titelhoehe = 50;
constexpr int Texthoehe = 30;
constexpr int Zeilenabstand = 38;
constexpr int Gruppenabstand = 20;
constexpr int Kopfende = 420;
constexpr int Fussrand = 2750;

std::vector<Seitenelement> Kopf(const Berichtswerte &w, QDate datum)
{
    const int y = 150;
    return {
        Textelement(Links, y, Titelhoehe, true, RechenwegTitel()),
        Textelement(Links, y + 90, Texthoehe, false, Angabezeile(Angabe::Objektbezeichnung, w.Edit2)),
        Textelement(Links, y + 130, Texthoehe, false, Angabezeile(Angabe::StrasseNr, w.Edit1)),
        Textelement(Links, y + 170, Texthoehe, false, Angabezeile(Angabe::PlzOrt, w.Edit4)),
        Textelement(Mitte, y + 90, Texthoehe, false, Angabezeile(Angabe::Bearbeiter, w.Edit7)),
        Textelement(Mitte, y + 130, Texthoehe, false, Angabezeile(Angabe::Firmenname, w.Edit3)),
        Textelement(Mitte, y + 170, Texthoehe, false, Angabezeile(Angabe::Datum, GedrucktesDatum(datum, true))),
    };
}

}  // namespace

QString RechenwegTitel()
{
    return QStringLiteral("Rechenweg: Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6");
}

QString RechenwegDokumenttitel(const QString &objekt)
{
    return Dokumenttitel(QStringLiteral("Rechenweg"), objekt.trimmed());
}

Seitenliste RechenwegSeiten(const std::vector<Rechenwegzeile> &zeilen, const Berichtswerte &objekt, QDate datum)
{
    const Textbreiten normal(Texthoehe, false);
    Seitenliste seiten(1, Kopf(objekt, datum));
    int y = Kopfende;

    // Keeps a block of n lines together on one page.
    const auto platz = [&](int n, int davor) {
        if (y + davor + n * Zeilenabstand > Fussrand - Zeilenabstand) {
            seiten.push_back(Kopf(objekt, datum));
            y = Kopfende;
        } else {
            y += davor;
        }
    };

    for (const Rechenwegzeile &z : zeilen) {
        switch (z.art) {
        case Rechenwegzeile::Art::Gruppe:
            // A heading never stands alone at the foot of a page.
            platz(2, Gruppenabstand);
            seiten.back().push_back(Textelement(Links, y, Texthoehe, true, z.was));
            y += Zeilenabstand;
            break;
        case Rechenwegzeile::Art::Hinweis: {
            const QStringList teile = Umbrechen(z.was, Rechts - Links, normal);
            platz(int(teile.size()), 0);
            for (const QString &teil : teile) {
                seiten.back().push_back(Textelement(Links, y, Texthoehe, false, teil));
                y += Zeilenabstand;
            }
            break;
        }
        case Rechenwegzeile::Art::Eintrag: {
            const QStringList was = Umbrechen(z.was, WertSpalte - Links - 30, normal);
            const QStringList wert = Umbrechen(z.wert, Rechts - WertSpalte, normal);
            const int n = int(std::max(was.size(), wert.size()));
            platz(n, 0);
            for (int i = 0; i < n; ++i) {
                if (i < was.size() && !was[i].isEmpty())
                    seiten.back().push_back(Textelement(Links, y, Texthoehe, false, was[i]));
                if (i < wert.size() && !wert[i].isEmpty())
                    seiten.back().push_back(Textelement(WertSpalte, y, Texthoehe, false, wert[i]));
                y += Zeilenabstand;
            }
            break;
        }
        }
    }

    if (seiten.size() > 1)
        Seitenzahlen(seiten);
    for (auto &seite : seiten) {
        seite.push_back(Fusselement(objekt.Label30));
        RaeumeSetzen(seite, Rechts);
    }
    return seiten;
}
