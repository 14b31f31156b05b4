#include "fileio/Dateiname.h"

namespace {

constexpr char16_t Ersatzbasis = 0xdc00;

bool IstErsatz(QChar c)
{
    return c.unicode() >= Ersatzbasis + 0x80 && c.unicode() <= Ersatzbasis + 0xff;
}

// The length of the valid UTF-8 sequence at bytes[i], or 0.
int Folgenlaenge(const QByteArray &bytes, qsizetype i)
{
    const auto b = [&](qsizetype k) { return quint8(bytes[i + k]); };
    const quint8 kopf = b(0);
    int laenge = 0;
    quint8 min = 0x80, max = 0xbf;  // bounds of the second byte
    if (kopf >= 0xc2 && kopf <= 0xdf) {
        laenge = 2;
    } else if (kopf >= 0xe0 && kopf <= 0xef) {
        laenge = 3;
        if (kopf == 0xe0)
            min = 0xa0;  // no overlong forms
        if (kopf == 0xed)
            max = 0x9f;  // no surrogates
    } else if (kopf >= 0xf0 && kopf <= 0xf4) {
        laenge = 4;
        if (kopf == 0xf0)
            min = 0x90;
        if (kopf == 0xf4)
            max = 0x8f;  // nothing beyond U+10FFFF
    }
    if (laenge == 0 || i + laenge > bytes.size() || b(1) < min || b(1) > max)
        return 0;
    for (int k = 2; k < laenge; ++k)
        if (b(k) < 0x80 || b(k) > 0xbf)
            return 0;
    return laenge;
}

}  // namespace

QString NameAusBytes(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        if (quint8(bytes[i]) < 0x80) {
            name += QLatin1Char(bytes[i++]);
            continue;
        }
        const int laenge = Folgenlaenge(bytes, i);
        if (laenge == 0) {
            name += QChar(char16_t(Ersatzbasis + quint8(bytes[i++])));
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + i, laenge);
        i += laenge;
    }
    return name;
}

QByteArray NameAlsBytes(const QString &name)
{
    QByteArray bytes;
    qsizetype anfang = 0;  // of the run of ordinary characters not yet taken
    for (qsizetype i = 0; i < name.size(); ++i) {
        // A low surrogate after a high one is half of a real character.
        if (!IstErsatz(name[i]) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        bytes += QStringView(name).mid(anfang, i - anfang).toUtf8();
        bytes += char(name[i].unicode() - Ersatzbasis);
        anfang = i + 1;
    }
    bytes += QStringView(name).mid(anfang).toUtf8();
    return bytes;
}

QByteArray OrdnerAlsBytes(const QString &name)
{
    const QByteArray bytes = NameAlsBytes(name);
    const qsizetype schnitt = bytes.lastIndexOf('/');
    if (schnitt < 0)
        return ".";
    return schnitt == 0 ? QByteArray("/") : bytes.left(schnitt);
}

QString NameZumZeigen(const QString &name)
{
    QString gezeigt = name;
    for (qsizetype i = 0; i < gezeigt.size(); ++i)
        if (IstErsatz(gezeigt[i]) && !(i > 0 && gezeigt[i - 1].isHighSurrogate()))
            gezeigt[i] = QChar(char16_t(gezeigt[i].unicode() - Ersatzbasis));
    return gezeigt;
}

QString Namensteil(const QString &text, qsizetype rahmenBytes)
{
    QString teil = text.simplified();
    for (QChar &c : teil) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    while (!teil.isEmpty() && teil.toUtf8().size() + rahmenBytes > 255) {
        teil.chop(1);
        if (!teil.isEmpty() && teil.back().isHighSurrogate())
            teil.chop(1);
    }
    return teil.trimmed();
}
