#include "building/Gebaeudecsv.h"

#include <QRegularExpression>

namespace {

// A cell that a spreadsheet would take for a formula gets a leading "'",
// which it shows as text; a number stays a number.
QString Entschaerft(const QString &text)
{
    static const QRegularExpression zahl(QStringLiteral("^[-+]?[0-9]+(,[0-9]+)?$"));
    static const QString formelanfang = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !formelanfang.contains(text.front()) || zahl.match(text).hasMatch())
        return text;
    return QLatin1Char('\'') + text;
}

QString Feld(const QString &roh)
{
    const QString text = Entschaerft(roh);
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString zitiert = text;
    zitiert.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + zitiert + QLatin1Char('"');
}

void Zeile(QByteArray &ziel, const QStringList &felder)
{
    QStringList zitiert;
    for (const QString &f : felder)
        zitiert.append(Feld(f));
    ziel += zitiert.join(QLatin1Char(';')).toUtf8();
    ziel += "\r\n";
}

}  // namespace

QByteArray CsvKopf(bool mitBom)
{
    QByteArray kopf;
    if (mitBom)
        kopf += "\xEF\xBB\xBF";
    Zeile(kopf, Spaltennamen());
    return kopf;
}

QByteArray CsvZeile(const Einheit &einheit)
{
    QStringList felder;
    for (int s = 0; s < Spaltenzahl; ++s)
        felder.append(Zelle(einheit, Spalte(s)));
    QByteArray zeile;
    Zeile(zeile, felder);
    return zeile;
}

QByteArray GebaeudeCsv(const std::vector<Einheit> &einheiten, bool mitBom)
{
    QByteArray csv = CsvKopf(mitBom);
    for (const Einheit &e : einheiten)
        csv += CsvZeile(e);
    return csv;
}
