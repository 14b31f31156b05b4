#pragma once

// The answer texts of the work page's lists, as the rules compare them byte
// for byte.

#include <array>

namespace Antworttexte {

// The default air-tightness categories, in the order of their list.
inline constexpr std::array<const char *, 5> Kategorien = {
    "ventilatorgestützte Lüftung",
    "freie Lüftung Neubau",
    "freie Lüftung bei Modernisierung in MFH als eingeschossige NE",
    "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE",
    "mittlerer Gebäudebestand",
};

} // namespace Antworttexte
