#include "fileio/Bildgrenze.h"

bool BildErlaubt(std::int64_t breite, std::int64_t hoehe)
{
    return breite > 0 && hoehe > 0 && breite <= GroessteBildseite && hoehe <= GroessteBildseite
        && breite * hoehe <= GroessteBildflaeche;
}

QString Bildgroessenfehler(std::int64_t breite, std::int64_t hoehe)
{
    if (breite <= 0 || hoehe <= 0)
        return QStringLiteral("Das Bild hat keine Pixel");
    if (BildErlaubt(breite, hoehe))
        return {};
    return QStringLiteral("Das Bild ist mit %1 × %2 Pixeln zu groß; erlaubt sind höchstens "
                          "25 Millionen Pixel und %3 Pixel je Seite")
        .arg(breite)
        .arg(hoehe)
        .arg(GroessteBildseite);
}
