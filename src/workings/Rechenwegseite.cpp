#include "workings/Rechenwegseite.h"

#include "report/Berichtsmaler.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <utility>

namespace {

constexpr int Links = 150;
constexpr int Rechts = 1850;
constexpr int WertSpalte = 700;  // the right column of an entry
constexpr int Mitte = 1100;      // the second column of the heading
constexpr int Titelhoehe = 50;
constexpr int Texthoehe = 30;
constexpr int Zeilenabstand = 38;
constexpr int Gruppenabstand = 20;
constexpr int Kopfende = 420;
constexpr int Fussrand = 2750;
constexpr int Fusshoehe = 30;

// Widths in tenths of a millimetre of texts in the report's type, as the
// painter sets it: a character cell of the given height.
class Breiten {
public:
    Breiten(int hoehe, bool fett)
    {
        const QFont schrift = Seitenschrift(1000, fett);
        faktor = hoehe / QFontMetricsF(schrift).height();
        masse.emplace(schrift);
    }
    double breite(const QString &text) const { return masse->horizontalAdvance(text) * faktor; }

private:
    double faktor = 1;
    std::optional<QFontMetricsF> masse;
};

// The number as the program writes it (digits, perhaps a decimal comma) in
// the form "1,0 · 10³⁰⁸": at most four significant digits, rounded half away
// from zero, the blanks unbreakable. Zero stays as it is.
QString MitZehnerpotenz(const QString &zahl)
{
    const qsizetype komma = zahl.indexOf(u',');
    const qsizetype ganzeStellen = komma < 0 ? zahl.size() : komma;
    const QString ziffern = QString(zahl).remove(u',');
    const qsizetype erste = ziffern.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    if (erste < 0)
        return zahl;
    int exponent = int(ganzeStellen - 1 - erste);
    QString mantisse = ziffern.mid(erste, 4);
    if (ziffern.size() > erste + 4 && ziffern[erste + 4] >= u'5') {
        qsizetype i = mantisse.size() - 1;
        while (i >= 0 && mantisse[i] == u'9')
            mantisse[i--] = u'0';
        if (i < 0) {
            mantisse.prepend(u'1').chop(1);
            ++exponent;
        } else {
            mantisse[i] = QChar(mantisse[i].unicode() + 1);
        }
    }
    while (mantisse.size() > 2 && mantisse.endsWith(u'0'))
        mantisse.chop(1);
    if (mantisse.size() < 2)
        mantisse += u'0';
    static const QString hoch = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString potenz;
    for (const QChar c : QString::number(exponent))
        potenz += c == u'-' ? QStringLiteral("⁻") : QString(hoch[c.digitValue()]);
    return mantisse.left(1) + u',' + mantisse.mid(1) + QStringLiteral("\u00a0·\u00a010") + potenz;
}

// Every number whose full form is wider than breite, with a power of ten.
QString ZahlenKuerzen(QString text, double breite, const Breiten &b)
{
    static const QRegularExpression zahl(QStringLiteral("\\d+(?:,\\d+)?"));
    for (qsizetype ab = 0;;) {
        const QRegularExpressionMatch treffer = zahl.match(text, ab);
        if (!treffer.hasMatch())
            return text;
        ab = treffer.capturedEnd();
        if (b.breite(treffer.captured()) > breite) {
            const QString kurz = MitZehnerpotenz(treffer.captured());
            text.replace(treffer.capturedStart(), treffer.capturedLength(), kurz);
            ab = treffer.capturedStart() + kurz.size();
        }
    }
}

// The word cut into pieces no wider than breite, anywhere between two
// characters.
QStringList Zerteilen(const QString &wort, double breite, const Breiten &b)
{
    QStringList teile;
    QString teil;
    for (qsizetype i = 0; i < wort.size();) {
        const qsizetype n = wort[i].isHighSurrogate() && i + 1 < wort.size() ? 2 : 1;
        const QString zeichen = wort.mid(i, n);
        if (!teil.isEmpty() && b.breite(teil + zeichen) > breite)
            teile << std::exchange(teil, QString());
        teil += zeichen;
        i += n;
    }
    teile << teil;
    return teile;
}

// The text broken at blanks into lines no wider than breite; a word wider
// than a line is cut anywhere, and a number too long for a line is written
// with a power of ten.
QStringList Umbrechen(const QString &text, double breite, const Breiten &b)
{
    // A little room for the device's rounding of the type size.
    const double raum = breite * 0.97;
    QStringList zeilen;
    QString zeile;
    for (const QString &wort : ZahlenKuerzen(text, raum, b).split(u' ')) {
        for (const QString &stueck : b.breite(wort) > raum ? Zerteilen(wort, raum, b) : QStringList{wort}) {
            const QString laenger = zeile.isEmpty() ? stueck : zeile + u' ' + stueck;
            if (!zeile.isEmpty() && b.breite(laenger) > raum) {
                zeilen << zeile;
                zeile = stueck;
            } else {
                zeile = laenger;
            }
        }
    }
    zeilen << zeile;
    return zeilen;
}

std::vector<Seitenelement> Kopf(const Berichtswerte &w, QDate datum)
{
    const int y = 150;
    return {
        Textelement(Links, y, Titelhoehe, true, RechenwegTitel()),
        Textelement(Links, y + 90, Texthoehe, false, QStringLiteral("Objektbezeichnung: ") + w.Edit2),
        Textelement(Links, y + 130, Texthoehe, false, QStringLiteral("Strasse, Nr: ") + w.Edit1),
        Textelement(Links, y + 170, Texthoehe, false, QStringLiteral("PLZ, Ort: ") + w.Edit4),
        Textelement(Mitte, y + 90, Texthoehe, false, QStringLiteral("Bearbeiter: ") + w.Edit7),
        Textelement(Mitte, y + 130, Texthoehe, false, QStringLiteral("Firmenname: ") + w.Edit3),
        Textelement(Mitte, y + 170, Texthoehe, false,
             QStringLiteral("Datum: ") + datum.toString(QStringLiteral("dd.MM.yyyy"))),
    };
}

} // namespace

QString RechenwegTitel()
{
    return QStringLiteral("Rechenweg: Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6");
}

QString RechenwegDokumenttitel(const QString &objekt)
{
    const QString titel = QStringLiteral("Rechenweg");
    return objekt.trimmed().isEmpty() ? titel : titel + QStringLiteral(" – ") + objekt.trimmed();
}

Seitenliste RechenwegSeiten(const std::vector<Rechenwegzeile> &zeilen,
                                   const Berichtswerte &objekt, QDate datum)
{
    const Breiten normal(Texthoehe, false);
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

    const int anzahl = int(seiten.size());
    for (int i = 0; i < anzahl; ++i) {
        seiten[i].push_back(Textelement(Links, Fussrand, Fusshoehe, false, Fusszeile() + objekt.Label30));
        if (anzahl > 1)
            seiten[i].push_back(Textelement(Rechts - 250, Fussrand - 50, Texthoehe, false,
                                     QStringLiteral("Seite %1 von %2").arg(i + 1).arg(anzahl)));
        RaeumeSetzen(seiten[i], Rechts);
    }
    return seiten;
}
