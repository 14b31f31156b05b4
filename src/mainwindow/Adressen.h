#pragma once

#include <QString>
#include <QUrl>

#include "windowkit/Version.h"

// The outside addresses of the program: two web sites and the mail address
// of the publishing association. They are kept the way they are shown, as
// bare host names and a "mailto: " text, and turned into URLs that the
// desktop's handlers understand only when they are opened.

inline const QString WebAdresseHersteller = WebHostHersteller;
inline const QString WebAdresseSoftware = QStringLiteral("www.morvendix.example");
inline const QString MailAdresseVerband = QStringLiteral("kontakt@lkz-lueftung.example");

// "www.luvanto.example" → http://www.luvanto.example,
// "mailto: a@b.example" → mailto:a@b.example; blanks around the address and
// after "mailto:" are dropped.
QUrl AdresseZuUrl(const QString &adresse);

// Hands the address to the desktop's default handler. Whether that works is
// not examined: a missing browser or mail program leaves no message.
void AdresseOeffnen(const QString &adresse);
