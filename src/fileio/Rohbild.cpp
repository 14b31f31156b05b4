#include "fileio/Rohbild.h"

#include <QResource>

#include <cstdint>
#include <cstring>

QImage Rohbild(const QString &resource)
{
    const QResource roh(resource);
    if (!roh.isValid() || roh.compressionAlgorithm() != QResource::NoCompression)
        return {};
    std::uint32_t kopf[4] = {};
    if (roh.size() < qint64(sizeof kopf))
        return {};
    std::memcpy(kopf, roh.data(), sizeof kopf);
    const auto [kennung, breite, hoehe, zeile] = kopf;
    if (kennung != 0x3142524cu || zeile < breite * 4 || roh.size() - qint64(sizeof kopf) < qint64(zeile) * hoehe)
        return {};
    // The resource stays in memory for the whole run: the picture uses its
    // bytes without a copy.
    return QImage(roh.data() + sizeof kopf, int(breite), int(hoehe), int(zeile), QImage::Format_ARGB32_Premultiplied);
}
