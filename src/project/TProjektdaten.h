#pragma once

// The project record: the whole project as one block of 1109 bytes, which
// is also, byte for byte, the content of a project file (no header, no
// version, no checksum).
//
// The block is 29 slots without gaps, in the order of Projektfeld. A slot is
// one length byte n followed by its capacity in character bytes (20, 40 or
// 120); the first n of them are the text in Windows-1252, the rest carry no
// meaning. Writing a text leaves the bytes after it alone, so a slot keeps
// the tail of an earlier, longer text; files written by this program show
// those remains, and readers ignore them.
//
// One record lives as long as the program. It starts all zero; the reset of
// the work page empties it (Leeren), saving fills it from the window, opening
// fills it from a file. The file functions are in project/Projektdatei.h, the
// copies between record and window in project/Projektbefehle.h.

#include "project/Projektfeld.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class TProjektdaten {
public:
    static constexpr std::size_t Groesse = 1109;
    static constexpr int Feldanzahl = 29;
    using Bytes = std::array<std::uint8_t, Groesse>;

    struct Lage {
        std::size_t offset;  // of the length byte
        std::size_t kapazitaet;  // character bytes after it
    };
    static Lage lage(Projektfeld feld);

    // The slot's text. A length byte beyond the capacity (a file from
    // elsewhere) counts as the capacity: no text is taken from outside the
    // slot's own bytes.
    QString text(Projektfeld feld) const;
    // Stores the text in Windows-1252, a character that the code page cannot
    // hold as "?", cut to the slot's capacity; the bytes after it stay.
    void setzeText(Projektfeld feld, const QString &text);

    // Sets all 29 length bytes to 0 and leaves every other byte as it is.
    void Leeren();

    const Bytes &bytes() const { return inhalt; }
    Bytes &bytes() { return inhalt; }

private:
    Bytes inhalt{};
};
