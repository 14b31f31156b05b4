// A full recalculation on arbitrary texts in every input: the input's lines
// go into the combo boxes and edit fields in a fixed order, its first byte
// chooses the answer of RadioGroup3. Results are German decimal texts or the
// overflow text, never a text with a decimal point.
#include "ErsatzBlatt.h"

#include "engine/Berechnen.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using S = Steuerelement;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t laenge)
{
    if (laenge == 0)
        return 0;
    static const S eingaben[] = {S::Edit6,     S::Edit8,     S::Edit10,    S::Edit11,    S::ComboBox1,
                                 S::ComboBox2, S::ComboBox5, S::ComboBox6, S::ComboBox7, S::ComboBox8};
    Rechenzustand zustand;
    ErsatzBlatt blatt(zustand);
    blatt.radioGroup3 = daten[0] % 5 - 1;
    const std::string rest(reinterpret_cast<const char *>(daten) + 1, laenge - 1);
    std::size_t anfang = 0;
    for (S element : eingaben) {
        if (anfang > rest.size())
            break;
        const std::size_t ende = std::min(rest.find('\n', anfang), rest.size());
        blatt.vorgeben(element, rest.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    blatt.berechne();
    for (S ergebnis : {S::Label27, S::Label28, S::Label38, S::Label39, S::Label40})
        if (blatt.text(ergebnis).find('.') != std::string::npos)
            std::abort();
    return 0;
}
