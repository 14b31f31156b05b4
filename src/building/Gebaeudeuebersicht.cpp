#include "building/Gebaeudeuebersicht.h"

#include "building/Gebaeudecsv.h"
#include "building/Gebaeudetabelle.h"
#include "building/Ordnerleser.h"
#include "building/Sammelpdf.h"
#include "fileio/SicheresSchreiben.h"
#include "logo/Logodatei.h"
#include "report/PdfExport.h"
#include "windowkit/Bildschirmplatz.h"
#include "windowkit/Dateidialog.h"
#include "windowkit/Fehleranzeige.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Programmschrift.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>

namespace {

QString OrdnerDialog(QWidget *eltern, const QString &start)
{
    QFileDialog dialog(eltern, QString(), start);
    DateidialogBeschriften(dialog, QFileDialog::AcceptOpen, QString(), QStringLiteral("Ordner wählen"),
                           QStringLiteral("Wählen"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Ordner:"));
    return DateidialogZeigen(dialog).value_or(QString());
}

std::optional<QString> CsvDialog(QWidget *eltern, const QString &vorschlag)
{
    QFileDialog dialog(eltern);
    DateidialogBeschriften(dialog, QFileDialog::AcceptSave, QStringLiteral("CSV-Dateien (*.csv)"),
                           QStringLiteral("Als CSV speichern"), QStringLiteral("Speichern"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(vorschlag);
    return DateidialogZeigen(dialog);
}

}  // namespace

TGebaeudeuebersicht::TGebaeudeuebersicht(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , tabelle(new Gebaeudetabelle(this))
    , sicht(new QSortFilterProxyModel(this))
    , leser(new Ordnerleser(this))
{
    setFont(Programmschrift(11));
    setupUi(this);
    sicht->setSourceModel(tabelle);
    sicht->setFilterKeyColumn(-1);
    sicht->setFilterCaseSensitivity(Qt::CaseInsensitive);
    sicht->setSortLocaleAware(true);
    Tabelle->setModel(sicht);
    Tabelle->sortByColumn(-1, Qt::AscendingOrder);
    Tabelle->verticalHeader()->hide();
    Tabelle->horizontalHeader()->setStretchLastSection(true);
    Tabelle->setWordWrap(false);
    Tabelle->verticalHeader()->setDefaultSectionSize(Tabelle->fontMetrics().height() + 6);
    // Rows of one height: tens of thousands of them lay out without measuring each.
    Tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Fortschritt->hide();
    ordnerWaehlen = OrdnerDialog;
    NebenfensterEinrichten(this);
    leser->gelesen = [this](std::vector<Einheit> einheiten) { Eingetroffen(std::move(einheiten)); };
    leser->entfernt = [this](const QStringList &pfade) {
        for (const QString &pfad : pfade)
            tabelle->entfernen(pfad);
        SummenZeigen();
    };
    leser->fortschritt = [this](int gelesen, int gesamt) {
        tabelle->erwarten(gesamt);
        Fortschritt->setRange(0, gesamt);
        Fortschritt->setValue(gelesen);
        Fortschritt->setVisible(gelesen < gesamt && gesamt > 1);
    };

    connect(ButtonOrdner, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonOrdnerClick);
    connect(ButtonCsv, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonCsvClick);
    connect(ButtonPdf, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonPdfClick);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(EditFilter, &QLineEdit::textChanged, sicht, [this](const QString &text) {
        sicht->setFilterFixedString(text);
        SummenZeigen();
    });
    connect(Tabelle, &QTableView::activated, this,
            [this](const QModelIndex &index) { emit oeffnen(index.data(Qt::UserRole).toString()); });
    connect(&waechter, &QFileSystemWatcher::directoryChanged, this, [this] { leser->nachsehen(); });
}

TGebaeudeuebersicht::~TGebaeudeuebersicht() = default;

void TGebaeudeuebersicht::OrdnerZeigen(const QString &ordner)
{
    if (!waechter.directories().isEmpty())
        waechter.removePaths(waechter.directories());
    aktuellerOrdner = QDir(ordner).absolutePath();
    LabelOrdner->setText(QStringLiteral("Ordner: ") + QDir::toNativeSeparators(aktuellerOrdner));
    waechter.addPath(aktuellerOrdner);
    QSettings().setValue(QStringLiteral("gebaeude/ordner"), aktuellerOrdner);
    tabelle->leeren();
    Fortschritt->hide();
    SummenZeigen();
    leser->lesen(aktuellerOrdner);
}

// Hidden, the table is not kept up to date; shown again, it catches up.
void TGebaeudeuebersicht::showEvent(QShowEvent *ereignis)
{
    leser->ruhen(false);
    QWidget::showEvent(ereignis);
}

void TGebaeudeuebersicht::hideEvent(QHideEvent *ereignis)
{
    leser->ruhen(true);
    QWidget::hideEvent(ereignis);
}

bool TGebaeudeuebersicht::liestNoch() const
{
    return leser->liestNoch();
}

void TGebaeudeuebersicht::Eingetroffen(std::vector<Einheit> einheiten)
{
    const bool erste = tabelle->rowCount() == 0;
    tabelle->einfuegen(std::move(einheiten));
    SummenZeigen();
    if (erste)
        Spaltenbreiten();
}

// Each column as wide as the rows read first need, a long verdict cut; the
// window as wide as the columns up to the check, where the screen has room,
// so that the verdict and the check are in sight.
void TGebaeudeuebersicht::Spaltenbreiten()
{
    Tabelle->resizeColumnsToContents();
    const int hoechstens = Tabelle->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28;
    int bisPruefung = 0;
    for (int s = 0; s < Spaltenzahl; ++s) {
        Tabelle->setColumnWidth(s, std::min(Tabelle->columnWidth(s), hoechstens));
        if (s <= int(Spalte::Pruefung))
            bisPruefung += Tabelle->columnWidth(s);
    }
    if (breiteGesetzt)
        return;
    breiteGesetzt = true;
    const int rand = width() - Tabelle->viewport()->width();
    const int breite = std::min(bisPruefung + rand + 24, Kundenplatz(this).width());
    if (breite > width())
        resize(breite, height());
}

void TGebaeudeuebersicht::SummenZeigen()
{
    QString text = Summenzeile(tabelle->einheiten());
    if (sicht->rowCount() != tabelle->rowCount())
        text += QStringLiteral(" (%1 gezeigt)").arg(sicht->rowCount());
    // Not "alle ? einheiten() : gezeigteEinheiten()": that copies every unit.
    const QString summen =
        sicht->rowCount() == tabelle->rowCount() ? Summen(tabelle->einheiten()) : Summen(gezeigteEinheiten());
    LabelSummen->setText(text + QLatin1Char('\n') + summen);
}

std::vector<Einheit> TGebaeudeuebersicht::frischGeprueft()
{
    QStringList pfade;
    for (const Einheit &e : gezeigteEinheiten())
        pfade.append(e.pfad);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<Einheit> frisch = EinheitenLesen(pfade);
    QApplication::restoreOverrideCursor();
    tabelle->einfuegen(frisch);
    SummenZeigen();
    return frisch;
}

std::vector<Einheit> TGebaeudeuebersicht::gezeigteEinheiten() const
{
    std::vector<Einheit> liste;
    for (int z = 0; z < sicht->rowCount(); ++z)
        liste.push_back(tabelle->einheiten()[std::size_t(sicht->mapToSource(sicht->index(z, 0)).row())]);
    return liste;
}

void TGebaeudeuebersicht::ButtonOrdnerClick()
{
    const QString gewaehlt = ordnerWaehlen(this, aktuellerOrdner);
    if (!gewaehlt.isEmpty())
        OrdnerZeigen(gewaehlt);
}

void TGebaeudeuebersicht::ButtonCsvClick()
{
    const QString vorschlag = QDir(aktuellerOrdner).filePath(QStringLiteral("Gebäudeübersicht.csv"));
    const std::optional<QString> pfad = CsvDialog(this, vorschlag);
    if (!pfad)
        return;
    const QByteArray csv = GebaeudeCsv(frischGeprueft(), true);
    if (const std::optional<Schreibfehler> fehler = SicherSchreiben(*pfad, csv.constData(), std::size_t(csv.size())))
        FehlerAnzeigen(this,
                       QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden. %2")
                           .arg(QDir::toNativeSeparators(*pfad), Systemgrund(fehler->fehlernummer)));
}

void TGebaeudeuebersicht::ButtonPdfClick()
{
    const QDate heute = QDate::currentDate();
    const std::optional<QString> pfad =
        PdfSpeicherdialog(this, SammelPdfVorschlag(gezeigteEinheiten(), heute, aktuellerOrdner));
    if (!pfad)
        return;
    const std::vector<Einheit> einheiten = frischGeprueft();
    if (const std::optional<QString> fehler = SammelPdfSchreiben(*pfad, einheiten, logo ? logo() : LeeresLogo(), heute))
        FehlerAnzeigen(this, *fehler);
}
