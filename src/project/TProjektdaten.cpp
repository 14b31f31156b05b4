#include "project/TProjektdaten.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

#include <algorithm>

namespace {

constexpr const char *Zeichensatz = "windows-1252";

using Slot = TProjektdaten::Lage;

// Offsets and capacities in the order of Projektfeld.
constexpr std::array<Slot, TProjektdaten::Feldanzahl> Slots{{
    {0, 40},    {41, 40},   {82, 40},   {123, 40},  {164, 40},  {205, 40},
    {246, 40},  {287, 40},  {328, 40},  {369, 20},  {390, 20},  {411, 20},
    {432, 20},  {453, 20},  {474, 20},  {495, 20},  {516, 20},  {537, 20},
    {558, 20},  {579, 20},  {600, 40},  {641, 20},  {662, 20},  {683, 20},
    {704, 20},  {725, 20},  {746, 120}, {867, 120}, {988, 120},
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

// Each character becomes one byte; one that the code page lacks becomes "?".
// The whole text is converted in one go; only a text with such a character
// is converted again code point by code point to find it.
// Opening the code page's converter costs far more than a slot's text: one
// encoder and one decoder are kept per thread and reset before each use; an
// encoder that met a character the code page lacks is made anew, since its
// reset keeps the error.
QStringEncoder &Kodierer()
{
    thread_local std::optional<QStringEncoder> kodierer;
    if (!kodierer || kodierer->hasError())
        kodierer.emplace(Zeichensatz);
    else
        kodierer->resetState();
    return *kodierer;
}

QByteArray Windows1252(const QString &text)
{
    QStringEncoder &ganz = Kodierer();
    QByteArray bytes = ganz.encode(text);
    if (!ganz.hasError())
        return bytes;

    bytes.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype laenge = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            laenge = 2;
        QStringEncoder &einzeln = Kodierer();
        const QByteArray zeichen = einzeln.encode(QStringView(text).sliced(i, laenge));
        bytes += (einzeln.hasError() || zeichen.size() != 1) ? QByteArray("?") : zeichen;
        i += laenge - 1;
    }
    return bytes;
}

} // namespace

TProjektdaten::Lage TProjektdaten::lage(Projektfeld feld)
{
    return slotVon(feld);
}

QString TProjektdaten::text(Projektfeld feld) const
{
    const Slot &slot = slotVon(feld);
    const std::size_t laenge = std::min<std::size_t>(inhalt[slot.offset], slot.kapazitaet);
    const auto *anfang = reinterpret_cast<const char *>(inhalt.data() + slot.offset + 1);
    thread_local QStringDecoder decoder(Zeichensatz);
    decoder.resetState();
    return decoder.decode(QByteArrayView(anfang, static_cast<qsizetype>(laenge)));
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
