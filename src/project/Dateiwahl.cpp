#include "project/Dateiwahl.h"

#include <QFileDialog>

namespace {

const QString Filter = QStringLiteral("Datendateien-Luvanto (*.lkz)");

// After setAcceptMode(), which puts back the button box's own labels.
void Gemeinsam(QFileDialog &dialog)
{
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(Filter);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
}

std::optional<QString> Zeigen(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void SpeicherdialogEinrichten(QFileDialog &dialog, const QString &vorschlag)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    Gemeinsam(dialog);
    dialog.setWindowTitle(QStringLiteral("Speichern unter"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(QStringLiteral("lkz"));
    dialog.selectFile(vorschlag);
}

void OeffnendialogEinrichten(QFileDialog &dialog)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Gemeinsam(dialog);
    dialog.setWindowTitle(QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Öffnen"));
}

Dateiwahl Dateiwahl::Dialoge()
{
    return {
        [](QWidget *eltern, const QString &vorschlag) {
            QFileDialog dialog(eltern);
            SpeicherdialogEinrichten(dialog, vorschlag);
            return Zeigen(dialog);
        },
        [](QWidget *eltern) {
            QFileDialog dialog(eltern);
            OeffnendialogEinrichten(dialog);
            return Zeigen(dialog);
        },
    };
}
