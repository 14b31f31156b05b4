#include "engine/Dezimaltext.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace {

bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}
bool istLeer(char c)
{
    return c == ' ' || c == '\t';
}

std::size_t ZiffernAb(std::string_view s, std::size_t i)
{
    while (i < s.size() && istZiffer(s[i]))
        ++i;
    return i;
}

// Skips leading blanks and an optional sign; true for "-".
bool BlanksUndVorzeichen(std::string_view s, std::size_t &i)
{
    while (i < s.size() && istLeer(s[i]))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        return s[i++] == '-';
    return false;
}

}  // namespace

std::string KommaStattPunkt(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

double TextZuZahl(std::string_view eingabe)
{
    std::string s(eingabe);
    std::replace(s.begin(), s.end(), ',', '.');

    std::size_t i = 0;
    const bool negativ = BlanksUndVorzeichen(s, i);
    const std::size_t anfang = i;
    std::size_t ende = ZiffernAb(s, i);
    bool ziffern = ende > anfang;
    if (ende < s.size() && s[ende] == '.') {
        const std::size_t nachPunkt = ZiffernAb(s, ende + 1);
        ziffern = ziffern || nachPunkt > ende + 1;
        ende = nachPunkt;
    }
    if (!ziffern)
        return 0.0;
    if (ende < s.size() && (s[ende] == 'e' || s[ende] == 'E')) {
        std::size_t j = ende + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const std::size_t exponentEnde = ZiffernAb(s, j);
        if (exponentEnde > j)
            ende = exponentEnde;
    }

    double wert = 0.0;
    const auto [ptr, fehler] = std::from_chars(s.data() + anfang, s.data() + ende, wert, std::chars_format::general);
    if (fehler != std::errc() || ptr != s.data() + ende || !std::isfinite(wert))
        return 0.0;
    return negativ ? -wert : wert;
}

int TextZuGanzzahl(std::string_view s)
{
    std::size_t i = 0;
    const bool negativ = BlanksUndVorzeichen(s, i);
    std::int64_t wert = 0;
    for (; i < s.size() && istZiffer(s[i]); ++i) {
        wert = wert * 10 + (s[i] - '0');
        if (wert > std::int64_t(INT_MAX) + 1)
            wert = std::int64_t(INT_MAX) + 1;
    }
    if (negativ)
        wert = -wert;
    return int(std::clamp<std::int64_t>(wert, INT_MIN, INT_MAX));
}

std::string ZahlZuText(double wert, int nachkommastellen)
{
    if (!std::isfinite(wert))
        return std::string(UeberlaufText);
    nachkommastellen = std::max(nachkommastellen, 0);

    // 15 significant digits: "d.dddddddddddddde±x".
    char puffer[64];
    const auto ergebnis =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert), std::chars_format::scientific, 14);
    const std::string_view wissenschaftlich(puffer, std::size_t(ergebnis.ptr - puffer));
    const std::size_t ePos = wissenschaftlich.find('e');
    std::string ziffern;
    for (char c : wissenschaftlich.substr(0, ePos))
        if (istZiffer(c))
            ziffern += c;
    const int exponent = std::atoi(std::string(wissenschaftlich.substr(ePos + 1)).c_str());

    // Digits of the fixed-point form: "vorKomma" integer digits, then the
    // fraction, so that ziffern[k] is worth 10^(vorKomma - 1 - k).
    int vorKomma = exponent + 1;
    if (vorKomma < 1) {
        ziffern.insert(0, std::size_t(1 - vorKomma), '0');
        vorKomma = 1;
    }
    const std::size_t behalten = std::size_t(vorKomma + nachkommastellen);
    if (ziffern.size() < behalten + 1)
        ziffern.append(behalten + 1 - ziffern.size(), '0');

    const bool aufrunden = ziffern[behalten] >= '5';
    ziffern.resize(behalten);
    if (aufrunden) {
        std::size_t k = behalten;
        while (k > 0) {
            --k;
            if (ziffern[k] == '9') {
                ziffern[k] = '0';
            } else {
                ++ziffern[k];
                break;
            }
            if (k == 0) {
                ziffern.insert(ziffern.begin(), '1');
                ++vorKomma;
            }
        }
    }

    std::string text = ziffern.substr(0, std::size_t(vorKomma));
    text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
    if (nachkommastellen > 0)
        text += ',' + ziffern.substr(std::size_t(vorKomma));
    const bool null = ziffern.find_first_not_of('0') == std::string::npos;
    if (wert < 0 && !null)
        text.insert(0, 1, '-');
    if (text.size() < 3)
        text.insert(0, 3 - text.size(), ' ');
    return text;
}
