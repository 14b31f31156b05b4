#include "report/Druckauftrag.h"

#include "report/Berichtsmaler.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

std::optional<QString> DruckerPruefen(QPrinter &drucker)
{
    // Only a printer of the system counts: a PDF file that a dialog once
    // chose is no printer.
    if (drucker.outputFormat() == QPrinter::NativeFormat && drucker.outputFileName().isEmpty()
        && !drucker.printerName().isEmpty() && !QPrinterInfo::printerInfo(drucker.printerName()).isNull())
        return std::nullopt;
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull())
        return QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt");
    drucker.setOutputFileName(QString());
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
    // Qt's print dialog chooses the printer; its "Eigenschaften" button
    // leads to paper and orientation. Confirming keeps the choices with the
    // printer and prints nothing.
    QPrintDialog dialog(&drucker, eltern);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.setWindowTitle(QStringLiteral("Druckereinstellung"));
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (auto *knoepfe = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = knoepfe->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    dialog.exec();
}

std::optional<QString> SeitenDrucken(QPrinter &drucker, const Seitenliste &seiten, const QImage &logo,
                                     const QString &titel)
{
    const QImage bild = Druckbild(logo);
    if (bild.isNull() && HatLogo(seiten))
        return QStringLiteral("Bitmap ist ungültig");

    drucker.setDocName(titel);
    drucker.setFullPage(false);
    QPainter maler;
    if (!maler.begin(&drucker))
        return QStringLiteral("Druckauftrag kann nicht begonnen werden");
    SeitenZeichnen(maler, drucker, seiten, bild);
    if (!maler.end())
        return QStringLiteral("Druckauftrag kann nicht abgeschlossen werden");
    return std::nullopt;
}
