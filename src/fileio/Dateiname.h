#pragma once

// File names as the system holds them: bytes, mostly UTF-8. A name from an
// old archive may hold bytes that are no UTF-8 (Latin-1 "ü" is the single
// byte 0xFC); Qt turns each of them into U+FFFD, and the file can no longer
// be opened by that name. Here such a byte becomes a lone surrogate
// (U+DC80 to U+DCFF) and turns back into the same byte, so a file is opened
// by exactly the bytes it was named with. The C library's calls take the
// bytes; texts shown to the user read such a byte as Latin-1.

#include <QByteArray>
#include <QString>

// A name from the command line or the system, whatever its bytes.
QString NameAusBytes(const QByteArray &bytes);

// The bytes to hand to open(), stat() and the like.
QByteArray NameAlsBytes(const QString &name);

// The name as it is shown: a byte that is no UTF-8 as its Latin-1 letter.
QString NameZumZeigen(const QString &name);

// The bytes of the folder that holds the file: "." for a bare name. Qt's
// QFileInfo would turn the bytes that are no UTF-8 into "?".
QByteArray OrdnerAlsBytes(const QString &name);

// A text as part of a proposed file name: blanks simplified, every
// character that file names on common file systems cannot hold as "_",
// shortened at a whole character so that rahmenBytes more bytes of UTF-8
// still fit into a name of 255 bytes, and trimmed.
QString Namensteil(const QString &text, qsizetype rahmenBytes);
