#include "project/Zuletztliste.h"

#include "fileio/Dateiname.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const QString Listenschluessel = QStringLiteral("projekte/zuletzt");
const QString Ordnerschluessel = QStringLiteral("projekte/ordner");

}  // namespace

QStringList Zuletztliste::pfade() const
{
    return QSettings().value(Listenschluessel).toStringList().mid(0, Hoechstens);
}

void Zuletztliste::eintragen(const QString &pfad)
{
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    QStringList liste = pfade();
    liste.removeAll(absolut);
    liste.prepend(absolut);
    QSettings einstellungen;
    einstellungen.setValue(Listenschluessel, liste.mid(0, Hoechstens));
    einstellungen.setValue(Ordnerschluessel, QFileInfo(absolut).absolutePath());
}

void Zuletztliste::entfernen(const QString &pfad)
{
    QStringList liste = pfade();
    liste.removeAll(QFileInfo(pfad).absoluteFilePath());
    QSettings().setValue(Listenschluessel, liste);
}

QString Zuletztliste::ordner() const
{
    return QSettings().value(Ordnerschluessel).toString();
}

void ZuletztMenueFuellen(QMenu &menue, const QStringList &pfade, const std::function<void(const QString &)> &waehlen)
{
    // The entry being chosen may refill the menu: old entries go later.
    for (QAction *alt : menue.actions()) {
        menue.removeAction(alt);
        alt->deleteLater();
    }
    int nummer = 0;
    for (const QString &pfad : pfade) {
        const QFileInfo info(NameZumZeigen(pfad));
        QString text = QStringLiteral("%1 – %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        ++nummer;
        QAction *eintrag = menue.addAction(QStringLiteral("&%1 ").arg(nummer) + text);
        eintrag->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + nummer)));
        QObject::connect(eintrag, &QAction::triggered, &menue, [waehlen, pfad] { waehlen(pfad); });
    }
    menue.menuAction()->setEnabled(nummer > 0);
}
