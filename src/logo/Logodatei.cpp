#include "logo/Logodatei.h"

#include "fileio/Bildgrenze.h"
#include "fileio/Dateiname.h"
#include "fileio/JpegBild.h"
#include "fileio/Lesedatei.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

QString NichtGeoeffnet(const QString &dateiname, int fehlernummer)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
        .arg(NameZumZeigen(dateiname), Systemgrund(fehlernummer));
}

QString NichtGeladen(const QString &dateiname, const QString &grund)
{
    return QStringLiteral("Bild %1 kann nicht geladen werden. %2").arg(NameZumZeigen(dateiname), grund);
}

// The whole file, or the message why it was not read. Only a regular file
// is read, and only up to the limit of a picture file.
std::optional<QByteArray> DateiLesen(const QString &dateiname, QString &fehler)
{
    Lesedatei datei(dateiname);
    if (datei.fehler()) {
        fehler = NichtGeoeffnet(dateiname, datei.fehler() == EISDIR ? EACCES : datei.fehler());
        return std::nullopt;
    }
    const QString zuGross =
        NichtGeladen(dateiname, QStringLiteral("Die Datei ist größer als %1 MB").arg(GroessteBilddatei >> 20));
    if (datei.groesse() > GroessteBilddatei) {
        fehler = zuGross;
        return std::nullopt;
    }

    // The file may grow while it is read; it is never read past the limit.
    QByteArray inhalt;
    inhalt.reserve(qsizetype(datei.groesse()));
    char puffer[65536];
    for (;;) {
        const qint64 n = datei.lesen(puffer, sizeof puffer);
        if (n < 0) {
            fehler = NichtGeoeffnet(dateiname, errno);
            break;
        }
        if (n == 0)
            break;
        if (inhalt.size() + n > GroessteBilddatei) {
            fehler = zuGross;
            break;
        }
        inhalt.append(puffer, qsizetype(n));
    }
    if (!fehler.isEmpty())
        return std::nullopt;
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

std::int64_t Zahl(const QByteArray &daten, qsizetype stelle, int bytes, bool grossEndian)
{
    std::int64_t wert = 0;
    for (int i = 0; i < bytes; ++i)
        wert |= std::int64_t(quint8(daten[stelle + (grossEndian ? bytes - 1 - i : i)])) << (8 * i);
    return wert;
}

// The size that a BMP or PNG header claims, for a file that Qt's reader
// refuses at its header: a picture refused for its size gets the size
// message. Nothing where the header is too short to say.
std::optional<std::pair<std::int64_t, std::int64_t>> Kopfgroesse(const QByteArray &inhalt, const char *format)
{
    if (qstrcmp(format, "PNG") == 0 && inhalt.size() >= 24)
        return std::pair{Zahl(inhalt, 16, 4, true), Zahl(inhalt, 20, 4, true)};
    if (qstrcmp(format, "BMP") != 0 || inhalt.size() < 26)
        return std::nullopt;
    if (Zahl(inhalt, 14, 4, false) == 12)  // the old OS/2 header: 16-bit sides
        return std::pair{Zahl(inhalt, 18, 2, false), Zahl(inhalt, 20, 2, false)};
    // A negative height is a picture stored top row first.
    const auto hoehe = std::int32_t(std::uint32_t(Zahl(inhalt, 22, 4, false)));
    return std::pair{std::int64_t(std::int32_t(std::uint32_t(Zahl(inhalt, 18, 4, false)))),
                     hoehe < 0 ? -std::int64_t(hoehe) : std::int64_t(hoehe)};
}

// BMP and PNG through Qt's readers, which read the size from the header
// first.
Logoergebnis MitQtLesen(const QByteArray &inhalt, const char *format, const QString &ungueltig,
                        const QString &dateiname)
{
    QBuffer puffer;
    puffer.setData(inhalt);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, format);
    leser.setAutoTransform(false);
    leser.setAllocationLimit(int(GroessterBildspeicher >> 20));
    const QSize groesse = leser.size();
    if (!groesse.isValid()) {
        const auto kopf = Kopfgroesse(inhalt, format);
        if (kopf && kopf->first > 0 && kopf->second > 0 && !BildErlaubt(kopf->first, kopf->second))
            return {{}, NichtGeladen(dateiname, Bildgroessenfehler(kopf->first, kopf->second))};
        return {{}, ungueltig};
    }
    const QString grenze = Bildgroessenfehler(groesse.width(), groesse.height());
    if (!grenze.isEmpty())
        return {{}, NichtGeladen(dateiname, grenze)};
    const QImage bild = leser.read();
    if (bild.isNull() || bild.size() != groesse)
        return {{}, ungueltig};
    return {AlsBitmap(bild), {}};
}

Logoergebnis Dekodieren(const QByteArray &inhalt, const QString &erweiterung, const QString &dateiname)
{
    if (erweiterung == QLatin1String("bmp"))
        return MitQtLesen(inhalt, "BMP", QStringLiteral("Bitmap ist ungültig"), dateiname);
    if (erweiterung == QLatin1String("png"))
        return MitQtLesen(inhalt, "PNG", QStringLiteral("PNG-Bild ist ungültig"), dateiname);
    const JpegErgebnis jpeg = JpegLesen(inhalt);
    if (!jpeg.ok())
        return {{}, NichtGeladen(dateiname, jpeg.fehler)};
    return {AlsBitmap(jpeg.bild), {}};
}

}  // namespace

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

    QString fehler;
    const std::optional<QByteArray> inhalt = DateiLesen(dateiname, fehler);
    if (!inhalt)
        return {{}, fehler};
    return Dekodieren(*inhalt, klein, dateiname);
}

std::optional<QString> LogoSchreiben(const QImage &logo, const QString &dateiname, const Dateiaufrufe &aufrufe)
{
    QByteArray bmp;
    QBuffer puffer(&bmp);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "BMP");
    if (!schreiber.write(logo))
        return QStringLiteral("Bitmap ist ungültig");

    const auto fehler = SicherSchreiben(dateiname, bmp.constData(), std::size_t(bmp.size()), aufrufe);
    if (!fehler)
        return std::nullopt;
    const QString ganzerName = QFileInfo(NameZumZeigen(dateiname)).absoluteFilePath();
    if (fehler->schritt == Schreibfehler::Schritt::Erstellen)
        return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
            .arg(ganzerName, Systemgrund(fehler->fehlernummer));
    return QStringLiteral("Datei \"%1\" kann nicht geschrieben werden. %2")
        .arg(ganzerName, Systemgrund(fehler->fehlernummer));
}
