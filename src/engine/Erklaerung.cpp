#include "engine/Erklaerung.h"

#include "engine/Dezimaltext.h"

namespace Erklaerung {

std::string Zahl(double wert, int stellen)
{
    std::string text = ZahlZuText(wert, stellen);
    text.erase(0, text.find_first_not_of(' '));
    if (text.find(',') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == ',')
        text.pop_back();
    return text;
}

std::string Zitat(const std::string &text)
{
    return "»" + text + "«";
}

}  // namespace Erklaerung
