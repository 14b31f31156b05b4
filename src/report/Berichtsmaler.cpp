#include "report/Berichtsmaler.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Tenths of a millimetre per inch.
constexpr double ZehntelmmJeZoll = 254.0;

class Umrechnung {
public:
    explicit Umrechnung(const QPaintDevice &geraet)
        : fx(geraet.logicalDpiX() / ZehntelmmJeZoll)
        , fy(geraet.logicalDpiY() / ZehntelmmJeZoll)
    {
    }
    double x(int links) const { return links * fx; }
    double y(int unten) const { return unten * fy; }

private:
    double fx;
    double fy;
};

// The font whose character cell (ascent plus descent) is hoehe tenths of a
// millimetre high on the device.
QFont Schrift(QPaintDevice *geraet, const Umrechnung &um, int hoehe, bool fett)
{
    constexpr int Probe = 1000;
    QFont schrift = Seitenschrift(Probe, fett);
    const double zelle = QFontMetricsF(schrift, geraet).height();
    schrift.setPixelSize(qMax(1, qRound(um.y(hoehe) * Probe / zelle)));
    return schrift;
}

// The least type size of a text that is drawn smaller to keep to its room.
constexpr double KleinsteSchriftInPunkt = 7;

void TextZeichnen(QPainter &maler, const Umrechnung &um, const Seitenelement &e)
{
    QPaintDevice *geraet = maler.device();
    QFont schrift = Schrift(geraet, um, e.hoehe, e.fett);
    const QPointF ecke(um.x(e.links), um.y(e.unten));
    const double raum = e.breite > 0 ? um.x(e.breite) : 0;
    if (raum > 0) {
        const double breite = QFontMetricsF(schrift, geraet).horizontalAdvance(e.text);
        const int kleinste = qMax(1, qRound(KleinsteSchriftInPunkt * geraet->logicalDpiY() / 72));
        int pixel = schrift.pixelSize();
        if (breite > raum && pixel > kleinste) {
            pixel = std::max(kleinste, int(pixel * raum / breite));
            schrift.setPixelSize(pixel);
            // The width does not shrink quite in step with the size.
            while (pixel > kleinste && QFontMetricsF(schrift, geraet).horizontalAdvance(e.text) > raum)
                schrift.setPixelSize(--pixel);
        }
    }
    const QFontMetricsF masse(schrift, geraet);
    QRectF zelle(ecke, QSizeF(masse.horizontalAdvance(e.text), masse.height()));
    maler.save();
    if (raum > 0 && zelle.width() > raum) {
        zelle.setWidth(raum);
        maler.setClipRect(zelle, Qt::IntersectClip);
    }
    maler.fillRect(zelle, Qt::white);
    maler.setFont(schrift);
    maler.drawText(QPointF(ecke.x(), ecke.y() + masse.ascent()), e.text);
    maler.restore();
}

void BildGestreckt(QPainter &maler, const Umrechnung &um, const Seitenelement &e, const QImage &bild)
{
    const QRectF kasten(QPointF(um.x(e.links), um.y(e.unten)),
                        QPointF(um.x(e.links + e.breite), um.y(e.unten + e.hoehe)));
    maler.drawImage(kasten, bild, QRectF(bild.rect()));
}

}  // namespace

QString Berichtsschrift()
{
    return QStringLiteral("Arial");
}

QFont Seitenschrift(int pixel, bool fett)
{
    QFont schrift(Berichtsschrift());
    schrift.setBold(fett);
    schrift.setKerning(false);
    schrift.setHintingPreference(QFont::PreferNoHinting);
    schrift.setPixelSize(pixel);
    return schrift;
}

QImage Druckbild(const QImage &logo)
{
    if (logo.isNull())
        return {};
    return logo.convertToFormat(QImage::Format_RGB888);
}

void SeiteZeichnen(QPainter &maler, const std::vector<Seitenelement> &seite, const QImage &bild)
{
    const Umrechnung um(*maler.device());
    maler.save();
    // Like a printer's page, the printable area cuts off what lies beyond it.
    maler.setClipRect(QRect(0, 0, maler.device()->width(), maler.device()->height()));
    maler.setRenderHint(QPainter::SmoothPixmapTransform, false);
    maler.setRenderHint(QPainter::LosslessImageRendering, true);
    maler.setPen(Qt::black);
    for (const Seitenelement &e : seite) {
        if (e.art == Seitenelement::Art::Logo)
            BildGestreckt(maler, um, e, bild);
        else
            TextZeichnen(maler, um, e);
    }
    maler.restore();
}

void SeitenZeichnen(QPainter &maler, QPagedPaintDevice &geraet, const Seitenliste &seiten, const QImage &bild)
{
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        if (i > 0)
            geraet.newPage();
        SeiteZeichnen(maler, seiten[i], bild);
    }
}

bool HatLogo(const Seitenliste &seiten)
{
    return std::any_of(seiten.begin(), seiten.end(), [](const std::vector<Seitenelement> &seite) {
        return std::any_of(seite.begin(), seite.end(),
                           [](const Seitenelement &e) { return e.art == Seitenelement::Art::Logo; });
    });
}
