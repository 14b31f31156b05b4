#pragma once

// One limit for every picture the program decodes, whatever its format.
//
// The size is read from the file's header and checked before any pixel is
// allocated, so a picture of a few bytes that claims billions of pixels is
// refused at once. 25 million pixels (100 MB at 32 bits per pixel) leave room
// for logos far beyond the 600 × 150 pixels that the logo window advises;
// a side of 32767 pixels is what the painter can draw. Files are refused
// before they are read when they are larger than any sensible picture.

#include <QString>

#include <cstdint>

inline constexpr std::int64_t GroessteBildflaeche = 25'000'000;  // pixels
inline constexpr std::int64_t GroessteBildseite = 32767;  // pixels
inline constexpr std::int64_t GroessteBilddatei = 256LL * 1024 * 1024;  // bytes
// What a decoder may allocate for a picture within the limit: 16 bytes a
// pixel, four 32-bit floats, the widest pixel Qt's readers decode into (a
// 16-bit PNG takes 8). Qt's own default, 128 MB, is less.
inline constexpr std::int64_t GroessterBildspeicher = GroessteBildflaeche * 16;  // bytes

bool BildErlaubt(std::int64_t breite, std::int64_t hoehe);

// Empty when a picture of this size may be decoded, else the German reason.
QString Bildgroessenfehler(std::int64_t breite, std::int64_t hoehe);
