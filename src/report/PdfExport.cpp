#include "report/PdfExport.h"

#include "windowkit/Dateidialog.h"
#include "fileio/SicheresSchreiben.h"
#include "windowkit/Version.h"
#include "report/Berichtsmaler.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>


namespace {

bool Unzulaessig(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
}

} // namespace

QString PdfErsteller()
{
    return QStringLiteral("Luvanto Lüftungskonzept ") + Versionstext;
}

std::optional<QString> PdfSchreiben(const QString &pfad, const Seitenliste &seiten, const QImage &logo,
                                    const QString &titel, QPagedPaintDevice::PdfVersion version)
{
    const QImage bild = Druckbild(logo);
    if (bild.isNull() && HatLogo(seiten))
        return QStringLiteral("Bitmap ist ungültig");

    QByteArray inhalt;
    {
        QBuffer puffer(&inhalt);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setTitle(titel);
        pdf.setCreator(PdfErsteller());
        pdf.setPdfVersion(version);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter maler;
        if (!maler.begin(&pdf))
            return QStringLiteral("Die PDF-Datei kann nicht erzeugt werden.");
        SeitenZeichnen(maler, pdf, seiten, bild);
        maler.end();
    }

    if (SicherSchreiben(pfad, inhalt.constData(), std::size_t(inhalt.size())))
        return QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden.").arg(QDir::toNativeSeparators(pfad));
    return std::nullopt;
}

QString PdfVorschlag(const QString &anfang, const QString &objekt, QDate datum, const QString &projektpfad)
{
    const QString ordner = projektpfad.isEmpty() ? QDir::homePath() : QFileInfo(projektpfad).absolutePath();
    const QString ende = QLatin1Char(' ') + datum.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf");

    QString mitte = objekt.simplified();
    for (QChar &c : mitte) {
        if (Unzulaessig(c))
            c = QLatin1Char('_');
    }
    const auto laenge = [&](const QString &m) {
        return (anfang + (m.isEmpty() ? QString() : QLatin1Char(' ') + m) + ende).toUtf8().size();
    };
    while (!mitte.isEmpty() && laenge(mitte) > 255) {
        mitte.chop(1);
        if (!mitte.isEmpty() && mitte.back().isHighSurrogate())
            mitte.chop(1);
    }
    mitte = mitte.trimmed();
    const QString name = anfang + (mitte.isEmpty() ? QString() : QLatin1Char(' ') + mitte) + ende;
    return QDir(ordner).filePath(name);
}

std::optional<QString> PdfSpeicherdialog(QWidget *eltern, const QString &vorschlag)
{
    QFileDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("PdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    DateidialogBeschriften(dialog, QStringLiteral("PDF-Dateien (*.pdf)"));
    dialog.setWindowTitle(QStringLiteral("Als PDF speichern"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(vorschlag).absolutePath());
    dialog.selectFile(QFileInfo(vorschlag).fileName());
    return DateidialogZeigen(dialog);
}

void DruckvorschauZeigen(QWidget *eltern, QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                         const QString &titel)
{
    const QImage bild = Druckbild(logo);
    drucker.setDocName(titel);
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setObjectName(QStringLiteral("Druckvorschau"));
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau, [&](QPrinter *ziel) {
        QPainter maler;
        if (maler.begin(ziel))
            SeitenZeichnen(maler, *ziel, seiten, bild);
    });
    vorschau.exec();
}
