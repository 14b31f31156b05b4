#include "fileio/JpegBild.h"

#include "fileio/Bildgrenze.h"

#include <QByteArray>
#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// A progressive picture is decoded scan by scan over the whole picture; a
// file with thousands of tiny scans would take minutes. Real files have
// about ten.
constexpr int GroessteScananzahl = 100;

// Codes of our own beside libjpeg's.
constexpr int ZuGross = -1;
constexpr int ZuVieleScans = -2;

struct Fehlerbehandlung {
    jpeg_error_mgr basis;
    std::jmp_buf ruecksprung;
    int code = 0;
};

[[noreturn]] void Abbrechen(j_common_ptr info)
{
    auto *fehler = reinterpret_cast<Fehlerbehandlung *>(info->err);
    fehler->code = info->err->msg_code;
    std::longjmp(fehler->ruecksprung, 1);
}

// Warnings that leave the picture whole: bytes that are no marker between
// segments (padding that some programs write), an unknown JFIF revision, a
// damaged colour profile, which is not used.
bool Harmlos(int code)
{
    return code == JWRN_EXTRANEOUS_DATA || code == JWRN_JFIF_MAJOR || code == JWRN_BOGUS_ICC;
}

// Any other warning (level -1) ends decoding like an error: libjpeg would
// fill what it could not read with grey and call that a success. Trace
// messages (levels 0 and above) are ignored.
void Meldung(j_common_ptr info, int stufe)
{
    if (stufe < 0 && !Harmlos(info->err->msg_code))
        Abbrechen(info);
}

void Fortschritt(j_common_ptr info)
{
    auto *dekomp = reinterpret_cast<j_decompress_ptr>(info);
    if (dekomp->input_scan_number > GroessteScananzahl) {
        auto *fehler = reinterpret_cast<Fehlerbehandlung *>(info->err);
        fehler->code = ZuVieleScans;
        std::longjmp(fehler->ruecksprung, 1);
    }
}

// One row of inverted CMYK (as Adobe writes it) to RGB: each colour is its
// channel times black.
void CmykZuRgb(const JSAMPLE *cmyk, uchar *ziel, JDIMENSION breite)
{
    auto *pixel = reinterpret_cast<QRgb *>(ziel);
    for (JDIMENSION x = 0; x < breite; ++x, cmyk += 4) {
        const unsigned k = cmyk[3];
        pixel[x] = qRgb(int((cmyk[0] * k + 127) / 255), int((cmyk[1] * k + 127) / 255), int((cmyk[2] * k + 127) / 255));
    }
}

}  // namespace

QString JpegFehlertext(int code)
{
    switch (code) {
    case ZuVieleScans:
        return QStringLiteral("Das JPEG-Bild besteht aus zu vielen Teilbildern (höchstens %1)").arg(GroessteScananzahl);
    case JERR_NO_SOI: return QStringLiteral("Die Datei ist kein JPEG-Bild");
    case JERR_INPUT_EMPTY: return QStringLiteral("Die JPEG-Datei ist leer");
    case JERR_INPUT_EOF:
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER: return QStringLiteral("Die JPEG-Daten brechen vorzeitig ab");
    case JERR_NO_IMAGE:
    case JERR_EMPTY_IMAGE: return QStringLiteral("Die JPEG-Datei enthält kein Bild");
    case JERR_CONVERSION_NOTIMPL:
    case JERR_BAD_J_COLORSPACE:
    case JERR_COMPONENT_COUNT:
    case JWRN_ADOBE_XFORM: return QStringLiteral("Das Farbmodell des JPEG-Bildes wird nicht unterstützt");
    case JERR_SOF_UNSUPPORTED:
    case JERR_ARITH_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_NOTIMPL:
    case JERR_BAD_PRECISION:
    case JERR_FRACT_SAMPLE_NOTIMPL:
    case JERR_CCIR601_NOTIMPL:
    case JERR_EOI_EXPECTED: return QStringLiteral("Das JPEG-Verfahren dieses Bildes wird nicht unterstützt");
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW: return QStringLiteral("Das JPEG-Bild ist zu groß");
    case JERR_OUT_OF_MEMORY: return QStringLiteral("Für das JPEG-Bild reicht der Arbeitsspeicher nicht");
    default: return QStringLiteral("Die JPEG-Daten sind beschädigt");
    }
}

JpegErgebnis JpegLesen(const QByteArray &daten)
{
    if (daten.isEmpty())
        return {QImage(), JpegFehlertext(JERR_INPUT_EMPTY)};

    jpeg_decompress_struct info;
    Fehlerbehandlung fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = Abbrechen;
    fehler.basis.emit_message = Meldung;
    jpeg_progress_mgr fortschritt{};
    fortschritt.progress_monitor = Fortschritt;

    // Everything that must survive a longjmp lives outside this frame's
    // registers: the picture is only handed out after a clean finish.
    // No object with a destructor may be alive in this frame when libjpeg
    // jumps back: its destructor would never run.
    QImage *volatile bild = nullptr;
    std::vector<JSAMPLE> *volatile zeile = nullptr;
    if (setjmp(fehler.ruecksprung)) {
        delete bild;
        delete zeile;
        const QString text = fehler.code == ZuGross ? Bildgroessenfehler(info.image_width, info.image_height)
                                                    : JpegFehlertext(fehler.code);
        jpeg_destroy_decompress(&info);
        return {QImage(), text};
    }

    jpeg_create_decompress(&info);
    info.progress = &fortschritt;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(daten.constData()),
                 static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&info, TRUE);

    if (!BildErlaubt(info.image_width, info.image_height)) {
        fehler.code = ZuGross;
        std::longjmp(fehler.ruecksprung, 1);
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // Straight into the 32-bit pixels that the screen takes, in the byte
    // order of QImage::Format_RGB32; CMYK goes through a line of its own.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
#else
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_XRGB;
#endif
    jpeg_start_decompress(&info);

    bild = new QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (bild->isNull())
        ERREXIT(&info, JERR_OUT_OF_MEMORY);
    if (cmyk)
        zeile = new std::vector<JSAMPLE>(std::size_t(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        uchar *ziel = bild->scanLine(int(info.output_scanline));
        JSAMPROW z = cmyk ? zeile->data() : ziel;
        if (jpeg_read_scanlines(&info, &z, 1) != 1)
            ERREXIT(&info, JERR_INPUT_EOF);
        if (cmyk)
            CmykZuRgb(z, ziel, info.output_width);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    JpegErgebnis ergebnis{std::move(*bild), QString()};
    delete bild;
    delete zeile;
    return ergebnis;
}

JpegErgebnis JpegDateiLesen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {QImage(), QStringLiteral("Die Datei kann nicht geöffnet werden")};
    if (datei.size() > GroessteBilddatei)
        return {QImage(), QStringLiteral("Die Datei ist größer als %1 MB").arg(GroessteBilddatei >> 20)};
    return JpegLesen(datei.readAll());
}
