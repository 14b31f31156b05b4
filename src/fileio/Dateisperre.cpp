#include "fileio/Dateisperre.h"

#include <utility>

// Each system's file makes the lock, releases it and reads from it.

Dateisperre::~Dateisperre()
{
    freigeben();
}

Dateisperre::Dateisperre(Dateisperre &&anderes) noexcept
    : griff(std::exchange(anderes.griff, -1))
{
}

Dateisperre &Dateisperre::operator=(Dateisperre &&anderes) noexcept
{
    if (this != &anderes) {
        freigeben();
        griff = std::exchange(anderes.griff, -1);
    }
    return *this;
}

QByteArray Dateisperre::lesen(qsizetype hoechstens) const
{
    if (griff == -1)
        return {};
    QByteArray bytes(hoechstens, Qt::Uninitialized);
    bytes.resize(vomAnfangLesen(bytes.data(), hoechstens));
    return bytes;
}
