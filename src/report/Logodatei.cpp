#include "report/Logodatei.h"

#include "lueftung/JpegBild.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {

struct DateiSchliessen {
    void operator()(std::FILE *datei) const { std::fclose(datei); }
};
using Datei = std::unique_ptr<std::FILE, DateiSchliessen>;

QString NichtGeoeffnet(const QString &dateiname, int fehlernummer)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
        .arg(dateiname, Systemgrund(fehlernummer));
}

QString NichtErstellt(const QString &dateiname, int fehlernummer)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
        .arg(QFileInfo(dateiname).absoluteFilePath(), Systemgrund(fehlernummer));
}

// The whole file, or the error number of the failed open or read.
std::optional<QByteArray> DateiLesen(const QString &dateiname, int &fehlernummer)
{
    errno = 0;
    Datei datei(std::fopen(QFile::encodeName(dateiname).constData(), "rb"));
    if (!datei) {
        fehlernummer = errno;
        return std::nullopt;
    }
    QByteArray inhalt;
    char puffer[65536];
    std::size_t gelesen;
    while ((gelesen = std::fread(puffer, 1, sizeof puffer, datei.get())) > 0)
        inhalt.append(puffer, static_cast<qsizetype>(gelesen));
    if (std::ferror(datei.get())) {
        fehlernummer = errno;
        return std::nullopt;
    }
    return inhalt;
}

// Every logo is kept as a 24-bit bitmap; transparent parts become white.
QImage AlsBitmap(const QImage &bild)
{
    if (!bild.hasAlphaChannel())
        return bild.convertToFormat(QImage::Format_RGB888);
    QImage bitmap(bild.size(), QImage::Format_RGB888);
    bitmap.setDotsPerMeterX(bild.dotsPerMeterX());
    bitmap.setDotsPerMeterY(bild.dotsPerMeterY());
    bitmap.fill(Qt::white);
    QPainter maler(&bitmap);
    maler.drawImage(0, 0, bild);
    return bitmap;
}

Logoergebnis Dekodieren(const QByteArray &inhalt, const QString &erweiterung)
{
    if (erweiterung == QLatin1String("bmp")) {
        const QImage bild = QImage::fromData(inhalt, "BMP");
        if (bild.isNull())
            return {{}, QStringLiteral("Bitmap ist ungültig")};
        return {AlsBitmap(bild), {}};
    }
    if (erweiterung == QLatin1String("png")) {
        const QImage bild = QImage::fromData(inhalt, "PNG");
        if (bild.isNull())
            return {{}, QStringLiteral("PNG-Bild ist ungültig")};
        return {AlsBitmap(bild), {}};
    }
    const JpegErgebnis jpeg = JpegLesen(inhalt);
    if (!jpeg.ok())
        return {{}, jpeg.fehler};
    return {AlsBitmap(jpeg.bild), {}};
}

} // namespace

QImage LeeresLogo()
{
    QImage logo(600, 150, QImage::Format_RGB888);
    logo.fill(Qt::white);
    return logo;
}

Logoergebnis LogoLesen(const QString &dateiname)
{
    const QString erweiterung = QFileInfo(dateiname).suffix();
    const QString klein = erweiterung.toLower();
    if (klein != QLatin1String("bmp") && klein != QLatin1String("png") && klein != QLatin1String("jpg")
        && klein != QLatin1String("jpeg"))
        return {{}, QStringLiteral("Unbekannte Bilddateierweiterung (.%1)").arg(erweiterung)};

    int fehlernummer = 0;
    const std::optional<QByteArray> inhalt = DateiLesen(dateiname, fehlernummer);
    if (!inhalt)
        return {{}, NichtGeoeffnet(dateiname, fehlernummer)};
    return Dekodieren(*inhalt, klein);
}

std::optional<QString> LogoSchreiben(const QImage &logo, const QString &dateiname)
{
    QByteArray bmp;
    QBuffer puffer(&bmp);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "BMP");
    if (!schreiber.write(logo))
        return QStringLiteral("Bitmap ist ungültig");

    errno = 0;
    Datei datei(std::fopen(QFile::encodeName(dateiname).constData(), "wb"));
    if (!datei)
        return NichtErstellt(dateiname, errno);
    std::FILE *roh = datei.release();
    const auto laenge = static_cast<std::size_t>(bmp.size());
    bool geschrieben = std::fwrite(bmp.constData(), 1, laenge, roh) == laenge;
    int fehlernummer = geschrieben ? 0 : errno;
    if (std::fclose(roh) != 0 && geschrieben) {
        geschrieben = false;
        fehlernummer = errno;
    }
    if (!geschrieben)
        return QStringLiteral("Datei \"%1\" kann nicht geschrieben werden. %2")
            .arg(QFileInfo(dateiname).absoluteFilePath(), Systemgrund(fehlernummer));
    return std::nullopt;
}

QString Systemgrund(int fehlernummer)
{
    switch (fehlernummer) {
    case ENOENT:
        return QStringLiteral("Datei oder Verzeichnis nicht gefunden");
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert");
    case EISDIR:
        return QStringLiteral("Ist ein Verzeichnis");
    case ENOTDIR:
        return QStringLiteral("Ist kein Verzeichnis");
    case EROFS:
        return QStringLiteral("Dateisystem ist schreibgeschützt");
    case ENOSPC:
        return QStringLiteral("Auf dem Datenträger ist kein Speicherplatz mehr verfügbar");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Zu viele geöffnete Dateien");
    case ENAMETOOLONG:
        return QStringLiteral("Dateiname zu lang");
    case EIO:
        return QStringLiteral("Ein-/Ausgabefehler");
    default:
        return QStringLiteral("Systemfehler %1").arg(fehlernummer);
    }
}
