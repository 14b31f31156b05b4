#include "project/Sperrdatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <utility>

namespace {

// Lock files are a few dozen bytes; more is not read.
constexpr qsizetype Hoechstens = 4096;

}  // namespace

Sperrdatei Sperrdatei::anlegen(const QString &pfad, int &fehlernummer)
{
    const QByteArray inhalt = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
        + QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
    Dateisperre sperre = Dateisperre::anlegen(pfad, inhalt, fehlernummer);
    if (!sperre.gehalten())
        return {};
    return {std::move(sperre), pfad};
}

Sperrdatei Sperrdatei::uebernehmen(const QString &pfad)
{
    Dateisperre sperre = Dateisperre::uebernehmen(pfad);
    if (!sperre.gehalten())
        return {};
    return {std::move(sperre), pfad};
}

QString Sperrdatei::fremderRechner() const
{
    const QByteArray inhalt = sperre.lesen(Hoechstens);
    if (inhalt.isEmpty())
        return {};
    // QLockFile's lines: process number, program, machine. Anything else
    // names no machine.
    const QList<QByteArray> zeilen = inhalt.split('\n');
    static const QRegularExpression zahl(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression rechnername(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9.-]{0,252}$"));
    const QString rechner = QString::fromUtf8(zeilen.value(2));
    if (!zahl.match(QString::fromUtf8(zeilen.value(0))).hasMatch() || !rechnername.match(rechner).hasMatch()
        || rechner == QSysInfo::machineHostName())
        return {};
    return rechner;
}

void Sperrdatei::entfernen()
{
    if (sperre.gehalten())
        QFile::remove(pfad);
    sperre.freigeben();
}
