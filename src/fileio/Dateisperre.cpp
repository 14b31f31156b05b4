#include "fileio/Dateisperre.h"

#include <utility>

// Each system's file releases the lock and makes it.

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
