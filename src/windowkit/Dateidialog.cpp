#include "windowkit/Dateidialog.h"

#include <QFileDialog>

void DateidialogBeschriften(QFileDialog &dialog, QFileDialog::AcceptMode modus, const QString &filter,
                            const QString &titel, const QString &knopf)
{
    // The accept mode first: setting it puts back the button box's own labels.
    dialog.setAcceptMode(modus);
    dialog.setWindowTitle(titel);
    dialog.setLabelText(QFileDialog::Accept, knopf);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
}

std::optional<QString> DateidialogZeigen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
