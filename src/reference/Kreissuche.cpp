#include "reference/Kreissuche.h"

#include "reference/Referenzfenster.h"

#include <QRegularExpression>

namespace {

std::vector<Kreis> Lesen()
{
    std::vector<Kreis> kreise;
    for (int spalte = 1; spalte <= 4; ++spalte) {
        const QStringList zeilen =
            ReferenztextLaden(QStringLiteral(":/texts/wind%1.txt").arg(spalte)).split(u'\n');
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

} // namespace

const std::vector<Kreis> &Windkreise()
{
    static const std::vector<Kreis> kreise = Lesen();
    return kreise;
}

QString Suchform(const QString &text)
{
    QString t = text.toLower();
    t.replace(u'ä', u'a').replace(u'ö', u'o').replace(u'ü', u'u').replace(QStringLiteral("ß"), QStringLiteral("ss"));
    static const QRegularExpression trenner(QStringLiteral("[-();/,.]+|\\s+"));
    return t.split(trenner, Qt::SkipEmptyParts).join(u' ');
}

std::vector<Kreis> Kreissuche(const QString &anfrage)
{
    static const QStringList ignoriert{QStringLiteral("landkreis"), QStringLiteral("kreis"), QStringLiteral("lk"),
                                       QStringLiteral("stadt")};
    QStringList woerter = Suchform(anfrage).split(u' ', Qt::SkipEmptyParts);
    woerter.removeIf([](const QString &w) { return ignoriert.contains(w); });
    std::vector<Kreis> treffer;
    for (const Kreis &k : Windkreise()) {
        const QString eintrag = Suchform(k.name + u' ' + k.sitz);
        if (std::all_of(woerter.begin(), woerter.end(), [&](const QString &w) { return eintrag.contains(w); }))
            treffer.push_back(k);
    }
    return treffer;
}
