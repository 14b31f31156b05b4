#pragma once

#include <QString>

class QWidget;

// The program's general error display for failed file, printer and picture
// operations: a message box with a stop icon, one OK button, the program's
// title as caption and the message followed by a full stop.
void FehlerAnzeigen(QWidget *eltern, const QString &meldung);

// The program's title, caption of every error box.
QString Programmtitel();
