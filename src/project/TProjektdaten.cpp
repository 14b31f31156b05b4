#include "project/TProjektdaten.h"

#include <algorithm>

namespace {

using Slot = TProjektdaten::Lage;

// Offsets and capacities in the order of Projektfeld.
constexpr std::array<Slot, TProjektdaten::Feldanzahl> Slots{{
    {0, 40},   {41, 40},  {82, 40},  {123, 40}, {164, 40}, {205, 40}, {246, 40},  {287, 40},  {328, 40},  {369, 20},
    {390, 20}, {411, 20}, {432, 20}, {453, 20}, {474, 20}, {495, 20}, {516, 20},  {537, 20},  {558, 20},  {579, 20},
    {600, 40}, {641, 20}, {662, 20}, {683, 20}, {704, 20}, {725, 20}, {746, 120}, {867, 120}, {988, 120},
}};

constexpr bool lueckenlos()
{
    std::size_t naechster = 0;
    for (const Slot &slot : Slots) {
        if (slot.offset != naechster || slot.kapazitaet > 255)
            return false;
        naechster = slot.offset + 1 + slot.kapazitaet;
    }
    return naechster == TProjektdaten::Groesse;
}
static_assert(lueckenlos(), "slots must fill the record without gaps or overlaps");
static_assert(static_cast<int>(Projektfeld::Kommentar2) + 1 == TProjektdaten::Feldanzahl);

const Slot &slotVon(Projektfeld feld)
{
    return Slots[static_cast<std::size_t>(feld)];
}

// Windows-1252 is Latin-1 except for 0x80 to 0x9F, where 27 bytes stand
// for typographic characters. The five bytes it leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same
// number, so that every byte of a file comes back when it is saved again.
// A table of our own and no converter of the system: Qt's converter for
// the code page needs ICU, which Qt for Windows is built without.
constexpr std::array<char16_t, 32> Zeichen80bis9F{{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
}};

QChar ZeichenAusByte(std::uint8_t byte)
{
    return byte >= 0x80 && byte < 0xA0 ? QChar(Zeichen80bis9F[byte - 0x80u]) : QChar(char16_t(byte));
}

// The byte for one UTF-16 unit; "?" for a character that the code page
// lacks, among them the C1 controls that stand in the table's place.
char ByteAusZeichen(char16_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return char(zeichen);
    const auto *stelle = std::find(Zeichen80bis9F.begin(), Zeichen80bis9F.end(), zeichen);
    return stelle == Zeichen80bis9F.end() ? '?' : char(0x80 + (stelle - Zeichen80bis9F.begin()));
}

// Each character becomes one byte; one that the code page lacks becomes
// "?", also one outside the Basic Multilingual Plane (two UTF-16 units)
// and a lone surrogate.
QByteArray Windows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += '?';
            ++i;
            continue;
        }
        bytes += ByteAusZeichen(text[i].unicode());
    }
    return bytes;
}

}  // namespace

TProjektdaten::Lage TProjektdaten::lage(Projektfeld feld)
{
    return slotVon(feld);
}

QString TProjektdaten::text(Projektfeld feld) const
{
    const Slot &slot = slotVon(feld);
    const std::size_t laenge = std::min<std::size_t>(inhalt[slot.offset], slot.kapazitaet);
    QString text(static_cast<qsizetype>(laenge), Qt::Uninitialized);
    for (std::size_t i = 0; i < laenge; ++i)
        text[static_cast<qsizetype>(i)] = ZeichenAusByte(inhalt[slot.offset + 1 + i]);
    return text;
}

void TProjektdaten::setzeText(Projektfeld feld, const QString &text)
{
    const Slot &slot = slotVon(feld);
    const QByteArray bytes = Windows1252(text).left(static_cast<qsizetype>(slot.kapazitaet));
    inhalt[slot.offset] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), inhalt.begin() + static_cast<std::ptrdiff_t>(slot.offset) + 1);
}

void TProjektdaten::Leeren()
{
    for (const Slot &slot : Slots)
        inhalt[slot.offset] = 0;
}
