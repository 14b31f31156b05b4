#include "PdfPruefung.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ZehntelmmJePunkt = 254.0 / 72.0;

double Zahl(const QXmlStreamAttributes &a, const char *name)
{
    return a.value(QLatin1String(name)).toDouble() * ZehntelmmJePunkt;
}

}  // namespace

std::vector<PdfSeite> PdfLesen(const QString &pdf)
{
    QProcess prozess;
    prozess.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0)
        return {};

    std::vector<PdfSeite> seiten;
    QXmlStreamReader xml(prozess.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            seiten.push_back({Zahl(a, "width"), Zahl(a, "height"), {}});
        } else if (xml.name() == QLatin1String("word") && !seiten.empty()) {
            PdfWort wort;
            wort.links = Zahl(a, "xMin");
            wort.oben = Zahl(a, "yMin");
            wort.rechts = Zahl(a, "xMax");
            wort.unten = Zahl(a, "yMax");
            wort.text = xml.readElementText();
            seiten.back().woerter.push_back(wort);
        }
    }
    return seiten;
}

std::optional<PdfZeile> ZeileBei(const PdfSeite &seite, double links, double hoehe, double toleranz, Kante kante)
{
    const PdfWort *erstes = nullptr;
    for (const PdfWort &w : seite.woerter) {
        const double kanteDesWorts = kante == Kante::Oben ? w.oben : w.unten;
        if (std::abs(w.links - links) <= toleranz && std::abs(kanteDesWorts - hoehe) <= toleranz)
            if (!erstes || w.links < erstes->links)
                erstes = &w;
    }
    if (!erstes)
        return std::nullopt;

    std::vector<const PdfWort *> aufDerLinie;
    for (const PdfWort &w : seite.woerter) {
        if (std::abs(w.unten - erstes->unten) < 3 && std::abs(w.oben - erstes->oben) < 3 && w.links >= erstes->links)
            aufDerLinie.push_back(&w);
    }
    std::sort(aufDerLinie.begin(), aufDerLinie.end(),
              [](const PdfWort *a, const PdfWort *b) { return a->links < b->links; });

    // A gap wider than about two blanks ends the line.
    const double luecke = (erstes->unten - erstes->oben) * 0.6;
    PdfZeile zeile{erstes->text, erstes->links, erstes->oben, erstes->rechts};
    double ende = erstes->rechts;
    for (const PdfWort *w : aufDerLinie) {
        if (w == erstes)
            continue;
        if (w->links - ende > luecke)
            break;
        zeile.text += QLatin1Char(' ') + w->text;
        ende = w->rechts;
        zeile.rechts = ende;
    }
    return zeile;
}

namespace {

std::optional<QString> Ausgabe(const QString &programm, const QStringList &argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

}  // namespace

std::optional<QString> PdfEintrag(const QString &pdf, const QString &schluessel)
{
    const auto text = Ausgabe(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    if (!text)
        return std::nullopt;
    const QString anfang = schluessel + QLatin1Char(':');
    for (const QString &zeile : text->split(QLatin1Char('\n'))) {
        if (zeile.startsWith(anfang))
            return zeile.mid(anfang.size()).trimmed();
    }
    return std::nullopt;
}

std::optional<QStringList> NichtEingebetteteSchriften(const QString &pdf)
{
    const auto text = Ausgabe(QStringLiteral("pdffonts"), {pdf});
    if (!text)
        return std::nullopt;
    // Two heading lines, then one line per font: name, type, encoding,
    // then the columns emb, sub, uni and the object number.
    const QStringList zeilen = text->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (zeilen.size() < 3)
        return std::nullopt;
    QStringList fehlend;
    for (qsizetype i = 2; i < zeilen.size(); ++i) {
        const QStringList spalten = zeilen[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (spalten.size() < 6 || spalten[spalten.size() - 5] != QLatin1String("yes"))
            fehlend << spalten.value(0);
    }
    return fehlend;
}

QImage PdfBild(const QString &pdf, int dpi)
{
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath(QStringLiteral("seite"));
    QProcess prozess;
    prozess.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"),
                   QStringLiteral("-f"), QStringLiteral("1"), pdf, ziel});
    if (!prozess.waitForFinished(60000) || prozess.exitCode() != 0)
        return {};
    return QImage(ziel + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect Farbflaeche(const QImage &bild, QRgb farbe, int abstand)
{
    QRect flaeche;
    for (int y = 0; y < bild.height(); ++y) {
        const auto *zeile = reinterpret_cast<const QRgb *>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = zeile[x];
            if (std::abs(qRed(p) - qRed(farbe)) <= abstand && std::abs(qGreen(p) - qGreen(farbe)) <= abstand
                && std::abs(qBlue(p) - qBlue(farbe)) <= abstand)
                flaeche |= QRect(x, y, 1, 1);
        }
    }
    return flaeche;
}

bool FastGleich(const QImage &a, const QImage &b, int abstand)
{
    if (a.size() != b.size())
        return false;
    const QImage erstes = a.convertToFormat(QImage::Format_RGB32);
    const QImage zweites = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < erstes.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(erstes.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(zweites.constScanLine(y));
        for (int x = 0; x < erstes.width(); ++x) {
            if (std::abs(qRed(p[x]) - qRed(q[x])) > abstand || std::abs(qGreen(p[x]) - qGreen(q[x])) > abstand
                || std::abs(qBlue(p[x]) - qBlue(q[x])) > abstand)
                return false;
        }
    }
    return true;
}

QString PdfTitel(const QString &pdf)
{
    QProcess prozess;
    prozess.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    if (!prozess.waitForFinished(60000) || prozess.exitCode() != 0)
        return {};
    for (const QString &zeile : QString::fromUtf8(prozess.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (zeile.startsWith(QLatin1String("Title:")))
            return zeile.mid(6).trimmed();
    return {};
}
