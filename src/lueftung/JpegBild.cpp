#include "lueftung/JpegBild.h"

#include <QByteArray>
#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct Fehlerbehandlung {
    jpeg_error_mgr basis;
    std::jmp_buf ruecksprung;
    char meldung[JMSG_LENGTH_MAX];
};

[[noreturn]] void Abbrechen(j_common_ptr info)
{
    auto *fehler = reinterpret_cast<Fehlerbehandlung *>(info->err);
    (*info->err->format_message)(info, fehler->meldung);
    std::longjmp(fehler->ruecksprung, 1);
}

// Warnings are ignored, except a file that ends before the picture does:
// libjpeg would fill the rest with grey and call that a success.
void Meldung(j_common_ptr info, int stufe)
{
    if (stufe == -1 && info->err->msg_code == JWRN_JPEG_EOF)
        Abbrechen(info);
}

} // namespace

JpegErgebnis JpegLesen(const QByteArray &daten)
{
    if (daten.isEmpty())
        return {QImage(), QStringLiteral("Leere JPEG-Datei")};

    jpeg_decompress_struct info;
    Fehlerbehandlung fehler;
    info.err = jpeg_std_error(&fehler.basis);
    fehler.basis.error_exit = Abbrechen;
    fehler.basis.emit_message = Meldung;
    fehler.meldung[0] = '\0';

    // Everything that must survive a longjmp lives outside this frame's
    // registers: the picture is only handed out after a clean finish.
    QImage *volatile bild = nullptr;
    if (setjmp(fehler.ruecksprung)) {
        jpeg_destroy_decompress(&info);
        delete bild;
        return {QImage(), QString::fromLocal8Bit(fehler.meldung)};
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(daten.constData()),
                 static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&info, TRUE);
    // Straight into the 32-bit pixels that the screen takes, in the byte
    // order of QImage::Format_RGB32.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = JCS_EXT_BGRX;
#else
    info.out_color_space = JCS_EXT_XRGB;
#endif
    jpeg_start_decompress(&info);

    bild = new QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (bild->isNull())
        ERREXIT(&info, JERR_OUT_OF_MEMORY);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = bild->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    JpegErgebnis ergebnis{std::move(*bild), QString()};
    delete bild;
    return ergebnis;
}

JpegErgebnis JpegDateiLesen(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {QImage(), datei.errorString()};
    return JpegLesen(datei.readAll());
}
