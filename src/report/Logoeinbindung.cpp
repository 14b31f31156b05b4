#include "report/Logoeinbindung.h"

#include "lueftung/Fehleranzeige.h"
#include "lueftung/Nebenfenster.h"
#include "report/Logodatei.h"

#include <QFileDialog>
#include <QPixmap>

namespace {

const QString Logodatei = QStringLiteral("Logo.bmp");

} // namespace

TForm5::TForm5(QWidget *parent)
    : QWidget(parent)
    , bild(LeeresLogo())
{
    setupUi(this);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(11);
    setFont(schrift);
    move(281, 253);
    NebenfensterEinrichten(this);
    Anzeigen();
    connect(Button3, &QPushButton::clicked, this, &TForm5::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
}

void TForm5::Button3Click()
{
    // Qt's file dialogs never change the working directory, so "Logo.bmp"
    // always lands in the directory that was current at start.
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Logo-Datei (*.bmp)"));
    dialog.setWindowTitle(QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (!letzteDatei.isEmpty())
        dialog.selectFile(letzteDatei);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    letzteDatei = dialog.selectedFiles().constFirst();
    LogoLaden(letzteDatei);
}

void TForm5::Button1Click()
{
    hide();
}

void TForm5::LogoLaden(const QString &dateiname)
{
    const Logoergebnis geladen = LogoLesen(dateiname);
    if (!geladen.ok()) {
        FehlerAnzeigen(this, geladen.fehler);
        return;
    }
    bild = geladen.bild;
    Anzeigen();
    if (const auto fehler = LogoSchreiben(bild, Logodatei))
        FehlerAnzeigen(this, *fehler);
}

void TForm5::Anzeigen()
{
    Image1->setPixmap(QPixmap::fromImage(bild));
}

void Logoeinbindung1Click(TForm5 &form5)
{
    NebenfensterZeigen(&form5);
}
