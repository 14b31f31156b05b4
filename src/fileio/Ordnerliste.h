#pragma once

// The entries of a folder by the names the system holds, so that a file
// whose name is no UTF-8 is listed and can be opened by that name
// (fileio/Dateiname.h). Hidden entries (a leading ".") are left out; what
// each entry is (file, folder, something else) is not judged here.

#include <QString>
#include <QStringList>

// The names in ordner that end in endung, in any case ("WE 1.LKZ" for
// ".lkz"), in the order the system gives them; none where the folder
// cannot be read.
QStringList Ordnereintraege(const QString &ordner, const QString &endung);
