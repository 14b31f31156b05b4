#include "reference/Kreissuche.h"

#include "reference/Referenzfenster.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

std::vector<Kreis> Lesen()
{
    std::vector<Kreis> kreise;
    for (int spalte = 1; spalte <= 4; ++spalte) {
        const QStringList zeilen = ReferenztextLaden(QStringLiteral(":/texts/wind%1.txt").arg(spalte)).split(u'\n');
        for (int i = spalte == 1 ? 2 : 0; i < zeilen.size(); ++i) {
            const QString zeile = zeilen[i];
            const qsizetype trenner = zeile.indexOf(QStringLiteral("  "));
            if (trenner < 0) {
                // The continuation of an entry broken over two lines.
                if (!kreise.empty()) {
                    QString &sitz = kreise.back().sitz;
                    sitz = (sitz.isEmpty() ? QString() : sitz + u' ') + zeile.trimmed();
                }
                continue;
            }
            kreise.push_back({zeile.left(trenner).trimmed(), zeile.mid(trenner + 2).trimmed()});
        }
    }
    return kreise;
}

// "name [teil]" with the class and seat the list gives name.
Vorgaenger VorgaengerLesen(const QString &feld)
{
    static const QRegularExpression form(QStringLiteral("^([^\\[]*?)\\s*(?:\\[(.*)\\])?$"));
    const QRegularExpressionMatch teile = form.match(feld.trimmed());
    Vorgaenger v{teile.captured(1), teile.captured(2), false, {}};
    const auto &kreise = Windkreise();
    const auto gelistet = std::find_if(kreise.begin(), kreise.end(), [&](const Kreis &k) { return k.name == v.name; });
    if (gelistet != kreise.end()) {
        v.windstark = true;
        v.sitz = gelistet->sitz;
    }
    return v;
}

std::vector<Kreisreform> ReformenLesen()
{
    std::vector<Kreisreform> reformen;
    for (const QString &zeile : ReferenztextLaden(QStringLiteral(":/texts/kreisreformen.txt")).split(u'\n')) {
        if (zeile.trimmed().isEmpty() || zeile.startsWith(u'#'))
            continue;
        const QStringList felder = zeile.split(u'|');
        Kreisreform reform{felder.value(0).trimmed(), felder.value(1).toInt(), {}};
        for (qsizetype i = 2; i < felder.size(); ++i)
            reform.vorgaenger.push_back(VorgaengerLesen(felder[i]));
        reformen.push_back(reform);
    }
    return reformen;
}

// Every word of the query begins a word of the text.
bool Passt(const QStringList &woerter, const QString &text)
{
    const QStringList worte = Suchform(text).split(u' ', Qt::SkipEmptyParts);
    return std::all_of(woerter.begin(), woerter.end(), [&](const QString &w) {
        return std::any_of(worte.begin(), worte.end(), [&](const QString &t) { return t.startsWith(w); });
    });
}

}  // namespace

const std::vector<Kreis> &Windkreise()
{
    static const std::vector<Kreis> kreise = Lesen();
    return kreise;
}

const std::vector<Kreisreform> &Kreisreformen()
{
    static const std::vector<Kreisreform> reformen = ReformenLesen();
    return reformen;
}

QString Suchform(const QString &text)
{
    QString t = text.toLower();
    t.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u').replace(QStringLiteral("ß"), QStringLiteral("ss"));
    // The spellings without umlauts, folded alike on both sides.
    t.replace(QStringLiteral("ae"), QStringLiteral("a"))
        .replace(QStringLiteral("oe"), QStringLiteral("o"))
        .replace(QStringLiteral("ue"), QStringLiteral("u"));
    static const QRegularExpression trenner(QStringLiteral("[-();/,.]+|\\s+"));
    return t.split(trenner, Qt::SkipEmptyParts).join(u' ');
}

Suchergebnis Kreissuche(const QString &anfrage)
{
    static const QStringList ignoriert{QStringLiteral("landkreis"), QStringLiteral("kreis"), QStringLiteral("lk"),
                                       QStringLiteral("stadt")};
    QStringList woerter = Suchform(anfrage).split(u' ', Qt::SkipEmptyParts);
    woerter.removeIf([](const QString &w) { return ignoriert.contains(w); });
    Suchergebnis ergebnis;
    for (const Kreis &k : Windkreise()) {
        if (Passt(woerter, k.name + u' ' + k.sitz))
            ergebnis.kreise.push_back(k);
    }
    if (woerter.isEmpty())
        return ergebnis;
    for (const Kreisreform &r : Kreisreformen()) {
        if (Passt(woerter, r.name))
            ergebnis.reformen.push_back(r);
    }
    return ergebnis;
}
