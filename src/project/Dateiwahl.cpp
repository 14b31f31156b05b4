#include "project/Dateiwahl.h"

#include "windowkit/Dateidialog.h"

#include "fileio/Dateiname.h"
#include "windowkit/Fehleranzeige.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString Filter = QStringLiteral("Datendateien-Luvanto (*.lkz)");

}  // namespace

void SpeicherdialogEinrichten(QFileDialog &dialog, const QString &vorschlag)
{
    DateidialogBeschriften(dialog, QFileDialog::AcceptSave, Filter, QStringLiteral("Speichern unter"),
                           QStringLiteral("Speichern"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QStringLiteral("lkz"));
    if (!vorschlag.isEmpty() && QFileInfo(vorschlag).isDir())
        dialog.setDirectory(vorschlag);
    else
        dialog.selectFile(vorschlag);
}

void OeffnendialogEinrichten(QFileDialog &dialog, const QString &ordner)
{
    if (!ordner.isEmpty())
        dialog.setDirectory(ordner);
    DateidialogBeschriften(dialog, QFileDialog::AcceptOpen, Filter, QStringLiteral("Öffnen"), QStringLiteral("Öffnen"));
}

QString MitProjektendung(const QString &pfad)
{
    const QString endung = QStringLiteral(".lkz");
    return pfad.endsWith(endung, Qt::CaseInsensitive) ? pfad : pfad + endung;
}

Dateiwahl Dateiwahl::dialoge()
{
    return {
        [](QWidget *eltern, const QString &vorschlag) -> std::optional<QString> {
            QFileDialog dialog(eltern);
            SpeicherdialogEinrichten(dialog, vorschlag);
            const std::optional<QString> pfad = DateidialogZeigen(dialog);
            if (!pfad)
                return std::nullopt;
            return MitProjektendung(*pfad);
        },
        [](QWidget *eltern, const QString &ordner) {
            QFileDialog dialog(eltern);
            OeffnendialogEinrichten(dialog, ordner);
            return DateidialogZeigen(dialog);
        },
        [](QWidget *eltern, const QString &pfad, bool fremdGeaendert) {
            return ErsetzenFragen(eltern, pfad, fremdGeaendert);
        },
    };
}

bool ErsetzenFragen(QWidget *eltern, const QString &pfad, bool fremdGeaendert)
{
    const QString name = QFileInfo(NameZumZeigen(pfad)).fileName();
    QMessageBox frage(QMessageBox::Question, Programmtitel(),
                      fremdGeaendert ? QStringLiteral("„%1“ wurde seit dem Öffnen von einem anderen Programm geändert. "
                                                      "Überschreiben?")
                                           .arg(name)
                                     : QStringLiteral("„%1“ gibt es schon. Ersetzen?").arg(name),
                      QMessageBox::Yes | QMessageBox::No, eltern);
    frage.setObjectName(QStringLiteral("Ersetzenfrage"));
    frage.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    frage.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    frage.setDefaultButton(QMessageBox::No);
    return frage.exec() == QMessageBox::Yes;
}
