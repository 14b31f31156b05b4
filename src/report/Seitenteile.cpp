#include "report/Seitenteile.h"

namespace {

constexpr int Links = 150;
constexpr int Fussrand = 2750;
constexpr int Fusshoehe = 30;
// Page numbers stand on the right, just above the footer.
constexpr int Seitenzahlort = 1600;

}  // namespace

QString Fusszeile()
{
    return QStringLiteral("Luvanto Lüftungskonzept – herausgegeben vom LKZ Lüftungskompetenzzentrum e.V."
                          " – www.lkz-lueftung.example ");
}

Seitenelement Fusselement(const QString &version)
{
    return Textelement(Links, Fussrand, Fusshoehe, false, Fusszeile() + version);
}

void Seitenzahlen(Seitenliste &seiten)
{
    const int anzahl = int(seiten.size());
    for (int i = 0; i < anzahl; ++i)
        seiten[std::size_t(i)].push_back(Textelement(Seitenzahlort, Fussrand - 50, Fusshoehe, false,
                                                     QStringLiteral("Seite %1 von %2").arg(i + 1).arg(anzahl)));
}

QString GedrucktesDatum(QDate datum, bool langesJahr)
{
    return datum.toString(langesJahr ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("dd.MM.yy"));
}

QString Angabezeile(Angabe angabe, const QString &wert)
{
    switch (angabe) {
    case Angabe::Objektbezeichnung: return QStringLiteral("Objektbezeichnung: ") + wert;
    case Angabe::StrasseNr: return QStringLiteral("Strasse, Nr: ") + wert;
    case Angabe::PlzOrt: return QStringLiteral("PLZ, Ort: ") + wert;
    case Angabe::Bearbeiter: return QStringLiteral("Bearbeiter: ") + wert;
    case Angabe::Firmenname: return QStringLiteral("Firmenname: ") + wert;
    case Angabe::Firmenadresse: return QStringLiteral("Firmenadresse: ") + wert;
    case Angabe::Datum: break;
    }
    return QStringLiteral("Datum: ") + wert;
}

QString Dokumenttitel(const QString &art, const QString &objekt)
{
    return objekt.isEmpty() ? art : art + QStringLiteral(" – ") + objekt;
}
