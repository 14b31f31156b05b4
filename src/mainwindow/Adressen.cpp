#include "mainwindow/Adressen.h"

#include <QDesktopServices>

QUrl AdresseZuUrl(const QString &adresse)
{
    const QString text = adresse.trimmed();
    const QString mailto = QStringLiteral("mailto:");
    if (text.startsWith(mailto, Qt::CaseInsensitive))
        return QUrl(mailto + text.mid(mailto.size()).trimmed(), QUrl::TolerantMode);
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.scheme().isEmpty() && url.scheme() != text.section(QLatin1Char(':'), 0, 0).toLower())
        return url;
    if (text.contains(QStringLiteral("://")))
        return url;
    return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
}

void AdresseOeffnen(const QString &adresse)
{
    QDesktopServices::openUrl(AdresseZuUrl(adresse));
}
