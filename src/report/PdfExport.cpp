#include "report/PdfExport.h"

#include "fileio/Dateiname.h"
#include "fileio/SicheresSchreiben.h"
#include "fileio/Systemfehler.h"
#include "report/Berichtsmaler.h"
#include "windowkit/Dateidialog.h"
#include "windowkit/Version.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

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
            return QStringLiteral("Die PDF-Datei kann nicht erzeugt werden");
        SeitenZeichnen(maler, pdf, seiten, bild);
        maler.end();
    }

    const auto fehler = SicherSchreiben(pfad, inhalt.constData(), std::size_t(inhalt.size()));
    if (!fehler)
        return std::nullopt;
    const bool ordnerVorhanden = QFileInfo(QFileInfo(pfad).absolutePath()).isDir();
    return QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden. %2")
        .arg(QDir::toNativeSeparators(pfad), Systemgrund(fehler->fehlernummer, ordnerVorhanden));
}

QString PdfVorschlag(const QString &anfang, const QString &objekt, QDate datum, const QString &projektpfad)
{
    const QString ordner = projektpfad.isEmpty() ? QDir::homePath() : QFileInfo(projektpfad).absolutePath();
    const QString ende = QLatin1Char(' ') + datum.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".pdf");

    const QString mitte = Namensteil(objekt, (anfang + QLatin1Char(' ') + ende).toUtf8().size());
    const QString name = anfang + (mitte.isEmpty() ? QString() : QLatin1Char(' ') + mitte) + ende;
    return QDir(ordner).filePath(name);
}

std::optional<QString> PdfSpeicherdialog(QWidget *eltern, const QString &vorschlag)
{
    QFileDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("PdfDialog"));
    DateidialogBeschriften(dialog, QFileDialog::AcceptSave, QStringLiteral("PDF-Dateien (*.pdf)"),
                           QStringLiteral("Als PDF speichern"), QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(vorschlag).absolutePath());
    dialog.selectFile(QFileInfo(vorschlag).fileName());
    return DateidialogZeigen(dialog);
}
