#pragma once

// The program's style: the one the platform chose, except that the menu
// bar's overflow symbol is read from its file only when it is first drawn.
// Every menu bar asks for that symbol when it is built, and reading it
// loads the image-format plugins, before the first frame, for a button that
// a menu bar as short as the program's never shows.

#include <QProxyStyle>

class Programmstil : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps a new instance of the application's current style.
    Programmstil();

    QIcon standardIcon(StandardPixmap symbol, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
