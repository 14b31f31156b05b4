#pragma once

// What the reference windows (terms of use, information sheet, about box,
// chart, wind list) have in common: the 8-point type of the program, the
// behaviour of every secondary window, fixed texts read from the embedded
// resources, and JPEG pictures decoded by libjpeg.
//
// The windows' sizes in the designer files are client sizes: the outer
// sizes of the design less a frame of 4 pixels on every side and a title
// bar of 26 pixels, i.e. 8 pixels narrower and 34 pixels lower.

#include <QString>

class QLabel;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

// Font, window icon, and the behaviour of every secondary window
// (windowkit/Nebenfenster.h). Without an icon of its own the window shows
// the program's icon, decoded once for all windows (QApplication's).
void ReferenzfensterEinrichten(QWidget *fenster, const QString &symbol = QString());

// The UTF-8 text of a resource (":/texts/…") without its final line break,
// so that a file of n lines gives a text field of n lines. Empty when the
// resource does not exist.
QString ReferenztextLaden(const QString &resource);

// Puts the text of the resource into the text field, with a narrow margin
// and tab stops every eight average characters, as in a plain edit control.
void MemoFuellen(QPlainTextEdit *memo, const QString &resource);
void MemoFuellen(QTextEdit *memo, const QString &resource);

// Shows a JPEG resource in the picture; if it cannot be decoded, the
// picture shows the decoder's error text instead. Returns whether the
// picture was decoded.
bool JpegZeigen(QLabel *bild, const QString &resource);
