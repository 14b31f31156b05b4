#pragma once

// The logo window: holds the company logo that heads the printed report.
//
// The logo lives only in memory and starts blank (600 × 150 white pixels) at
// every start. "Logo laden" lets the user choose a picture file, makes it the
// logo and writes a copy as "Logo.bmp" into the working directory; a picture
// that cannot be read keeps the previous logo, a copy that cannot be written
// keeps the new one. The window shows the logo at its own pixel size from the
// top-left corner, cut off at the picture area's edges. It behaves as every
// secondary window (windowkit/Nebenfenster.h): closing it only hides it, and
// the logo stays.

#include "ui_Logoeinbindung.h"

#include <QImage>
#include <QWidget>

class TForm5 : public QWidget, public Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    // The current logo, a 24-bit bitmap; there is always one.
    const QImage &logo() const { return bild; }

    void Button3Click();
    void Button1Click();

private:
    // Loads the file as the new logo and writes "Logo.bmp"; failures reach
    // the error display.
    void LogoLaden(const QString &dateiname);
    void Anzeigen();

    QImage bild;
    QString letzteDatei;
};

// Menu "Logoeinbindung": shows the logo window, not modal; a visible one
// stays as it is.
void Logoeinbindung1Click(TForm5 &form5);
