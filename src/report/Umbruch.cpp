#include "report/Umbruch.h"

#include "report/Berichtsmaler.h"

#include <QRegularExpression>

#include <utility>

Textbreiten::Textbreiten(int hoehe, bool fett)
{
    const QFont schrift = Seitenschrift(1000, fett);
    faktor = hoehe / QFontMetricsF(schrift).height();
    masse.emplace(schrift);
}

namespace {

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
QString ZahlenKuerzen(QString text, double breite, const Textbreiten &b)
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
QStringList Zerteilen(const QString &wort, double breite, const Textbreiten &b)
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

}  // namespace

// The text broken at blanks into lines no wider than breite; a word wider
// than a line is cut anywhere, and a number too long for a line is written
// with a power of ten.
QStringList Umbrechen(const QString &text, double breite, const Textbreiten &b)
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
