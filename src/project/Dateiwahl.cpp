#include "project/Dateiwahl.h"

#include "windowkit/Dateidialog.h"

#include <QFileDialog>

namespace {

const QString Filter = QStringLiteral("Datendateien-Luvanto (*.lkz)");

} // namespace

void SpeicherdialogEinrichten(QFileDialog &dialog, const QString &vorschlag)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    DateidialogBeschriften(dialog, Filter);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setWindowTitle(QStringLiteral("Speichern unter"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(QStringLiteral("lkz"));
    dialog.selectFile(vorschlag);
}

void OeffnendialogEinrichten(QFileDialog &dialog)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    DateidialogBeschriften(dialog, Filter);
    dialog.setWindowTitle(QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Öffnen"));
}

Dateiwahl Dateiwahl::Dialoge()
{
    return {
        [](QWidget *eltern, const QString &vorschlag) {
            QFileDialog dialog(eltern);
            SpeicherdialogEinrichten(dialog, vorschlag);
            return DateidialogZeigen(dialog);
        },
        [](QWidget *eltern) {
            QFileDialog dialog(eltern);
            OeffnendialogEinrichten(dialog);
            return DateidialogZeigen(dialog);
        },
    };
}
