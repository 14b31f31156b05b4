#include "logo/Logoeinbindung.h"

#include "logo/Logodatei.h"
#include "windowkit/Dateidialog.h"
#include "windowkit/Fehleranzeige.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Programmschrift.h"

#include <QFileDialog>
#include <QPixmap>

TForm5::TForm5(QWidget *parent)
    : QWidget(parent)
    , bild(LeeresLogo())
{
    setupUi(this);
    setFont(Programmschrift());
    move(281, 253);
    // The logo keeps its pixel size and top-left corner; a larger window
    // only shows more of a large logo.
    NebenfensterEinrichten(this, {Image1});
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
    DateidialogBeschriften(dialog, QFileDialog::AcceptOpen, QStringLiteral("Logo-Datei (*.bmp)"),
                           QStringLiteral("Öffnen"), QStringLiteral("Öffnen"));
    if (!letzteDatei.isEmpty())
        dialog.selectFile(letzteDatei);
    const std::optional<QString> gewaehlt = DateidialogZeigen(dialog);
    if (!gewaehlt)
        return;
    letzteDatei = *gewaehlt;
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
    if (const auto fehler = LogoSchreiben(bild, QString::fromLatin1(Logoname)))
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
