#pragma once

// Pictures embedded in the raw form that the build makes of the PNG
// pictures (tools/rawimage/rohbild.cpp): shown without decoding, straight from
// the resource's memory.

#include <QImage>
#include <QString>

// The picture of a raw resource (":/roh/….rgba"); a null picture when the
// resource is missing, compressed or not of that form.
QImage Rohbild(const QString &resource);
