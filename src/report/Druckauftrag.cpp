#include "report/Druckauftrag.h"

#include "report/Berichtsmaler.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

std::optional<QString> DruckerPruefen(QPrinter &drucker)
{
    if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty())
        return std::nullopt;
    if (drucker.outputFormat() == QPrinter::NativeFormat && !drucker.printerName().isEmpty()
        && !QPrinterInfo::printerInfo(drucker.printerName()).isNull())
        return std::nullopt;
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt");
    drucker.setOutputFormat(QPrinter::NativeFormat);
    drucker.setPrinterName(standard.printerName());
    return std::nullopt;
}

bool DruckdialogBestaetigt(QWidget *eltern, QPrinter &drucker)
{
    QPrintDialog dialog(&drucker, eltern);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
    dialog.setMinMax(1, 1);
    dialog.setFromTo(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

void DruckereinstellungZeigen(QWidget *eltern, QPrinter &drucker)
{
    QPageSetupDialog dialog(&drucker, eltern);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
}

std::optional<QString> BerichtDrucken(QPrinter &drucker, const std::vector<Seitenelement> &seite,
                                      const QImage &logo, const QString &titel)
{
    // The logo is converted before the document begins: its conversion is
    // the one step of the page that can fail.
    const QImage bild = Druckbild(logo);
    if (bild.isNull())
        return QStringLiteral("Bitmap ist ungültig");

    drucker.setDocName(titel);
    drucker.setFullPage(false);
    QPainter maler;
    if (!maler.begin(&drucker))
        return QStringLiteral("Druckauftrag kann nicht begonnen werden");
    SeiteZeichnen(maler, seite, bild);
    if (!maler.end())
        return QStringLiteral("Druckauftrag kann nicht abgeschlossen werden");
    return std::nullopt;
}
