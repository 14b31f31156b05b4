#include "building/Gebaeudeuebersicht.h"

#include "building/Gebaeudecsv.h"
#include "building/Gebaeudetabelle.h"
#include "building/Nachrechnung.h"
#include "building/Sammelpdf.h"
#include "fileio/SicheresSchreiben.h"
#include "logo/Logodatei.h"
#include "report/PdfExport.h"
#include "windowkit/Dateidialog.h"
#include "windowkit/Fehleranzeige.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Programmschrift.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>

namespace {

// One slice of reading between two events of the window; the first shows
// a screenful of rows at once.
constexpr qint64 ScheibeMs = 40;
constexpr std::size_t ErsteZeilen = 50;

QString OrdnerDialog(QWidget *eltern, const QString &start)
{
    QFileDialog dialog(eltern, QStringLiteral("Ordner wählen"), start);
    DateidialogBeschriften(dialog, QString());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Ordner:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Wählen"));
    return DateidialogZeigen(dialog).value_or(QString());
}

std::optional<QString> CsvDialog(QWidget *eltern, const QString &vorschlag)
{
    QFileDialog dialog(eltern, QStringLiteral("Als CSV speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    DateidialogBeschriften(dialog, QStringLiteral("CSV-Dateien (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(vorschlag);
    return DateidialogZeigen(dialog);
}

} // namespace

TGebaeudeuebersicht::TGebaeudeuebersicht(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , tabelle(new Gebaeudetabelle(this))
    , sicht(new QSortFilterProxyModel(this))
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
    Fortschritt->hide();
    ordnerWaehlen = OrdnerDialog;
    nachlauf.setSingleShot(true);
    nachlauf.setInterval(200);
    NebenfensterEinrichten(this);

    connect(ButtonOrdner, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonOrdnerClick);
    connect(ButtonCsv, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonCsvClick);
    connect(ButtonPdf, &QPushButton::clicked, this, &TGebaeudeuebersicht::ButtonPdfClick);
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(EditFilter, &QLineEdit::textChanged, sicht, [this](const QString &text) {
        sicht->setFilterFixedString(text);
        SummenZeigen();
    });
    connect(Tabelle, &QTableView::activated, this, [this](const QModelIndex &index) {
        emit oeffnen(index.data(Qt::UserRole).toString());
    });
    connect(&waechter, &QFileSystemWatcher::directoryChanged, &nachlauf, qOverload<>(&QTimer::start));
    connect(&nachlauf, &QTimer::timeout, this, &TGebaeudeuebersicht::Einlesen);
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
    staende.clear();
    offen.clear();
    Einlesen();
}

TGebaeudeuebersicht::Stand TGebaeudeuebersicht::StandVon(const QString &pfad)
{
    const QFileInfo info(pfad);
    return {info.lastModified(), info.size()};
}

// Lists the folder and queues what is new or changed since it was read;
// rows of files that are gone go at once.
void TGebaeudeuebersicht::Einlesen()
{
    const QStringList dateien = Projektdateien(aktuellerOrdner);
    QSet<QString> vorhanden(dateien.begin(), dateien.end());
    for (const QString &pfad : staende.keys()) {
        if (!vorhanden.contains(pfad)) {
            staende.remove(pfad);
            tabelle->entfernen(pfad);
        }
    }
    if (staende.isEmpty() && tabelle->rowCount() == 0) {
        // A folder shown anew: every file is read; what each was is noted
        // as it is read.
        offen = dateien;
    } else {
        const QSet<QString> wartend(offen.begin(), offen.end());
        for (const QString &pfad : dateien) {
            const auto alt = staende.constFind(pfad);
            if ((alt != staende.constEnd() && *alt == StandVon(pfad)) || wartend.contains(pfad))
                continue;
            offen.append(pfad);
        }
    }
    Fortschritt->setRange(0, int(offen.size()));
    Fortschritt->setValue(0);
    Fortschritt->setVisible(offen.size() > 1);
    SummenZeigen();
    if (!offen.isEmpty())
        QTimer::singleShot(0, this, &TGebaeudeuebersicht::Weiterlesen);
}

void TGebaeudeuebersicht::Weiterlesen()
{
    if (offen.isEmpty())
        return;
    if (!nachrechnung) {
        // Made in a turn of its own: it makes a main window once.
        nachrechnung = std::make_unique<Nachrechnung>();
        QTimer::singleShot(0, this, &TGebaeudeuebersicht::Weiterlesen);
        return;
    }
    QElapsedTimer uhr;
    uhr.start();
    std::vector<Einheit> neue;
    const bool ersteFuellung = tabelle->rowCount() == 0;
    while (!offen.isEmpty() && uhr.elapsed() < ScheibeMs && !(ersteFuellung && neue.size() >= ErsteZeilen)) {
        const QString pfad = offen.takeFirst();
        const bool bekannt = staende.contains(pfad);
        staende.insert(pfad, StandVon(pfad));
        Einheit e = EinheitLesen(pfad, *nachrechnung);
        if (bekannt)
            tabelle->ersetzen(std::move(e));
        else
            neue.push_back(std::move(e));
    }
    tabelle->anhaengen(std::move(neue));
    Fortschritt->setValue(Fortschritt->maximum() - int(offen.size()));
    SummenZeigen();
    if (ersteFuellung)
        Spaltenbreiten();
    if (offen.isEmpty()) {
        Fortschritt->hide();
        return;
    }
    QTimer::singleShot(0, this, &TGebaeudeuebersicht::Weiterlesen);
}

// Each column as wide as the rows read first need, a long verdict cut, so
// that the check stays in sight.
void TGebaeudeuebersicht::Spaltenbreiten()
{
    Tabelle->resizeColumnsToContents();
    const int hoechstens = Tabelle->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28;
    for (int s = 0; s < Spaltenzahl; ++s)
        Tabelle->setColumnWidth(s, std::min(Tabelle->columnWidth(s), hoechstens));
}

void TGebaeudeuebersicht::SummenZeigen()
{
    QString text = Summenzeile(tabelle->einheiten());
    if (sicht->rowCount() != tabelle->rowCount())
        text += QStringLiteral(" (%1 gezeigt)").arg(sicht->rowCount());
    LabelSummen->setText(text);
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
    const QByteArray csv = GebaeudeCsv(gezeigteEinheiten(), true);
    if (const std::optional<Schreibfehler> fehler = SicherSchreiben(*pfad, csv.constData(), std::size_t(csv.size())))
        FehlerAnzeigen(this, QStringLiteral("Die Datei „%1“ kann nicht gespeichert werden. %2")
                                 .arg(QDir::toNativeSeparators(*pfad), Systemgrund(fehler->fehlernummer)));
}

void TGebaeudeuebersicht::ButtonPdfClick()
{
    const std::vector<Einheit> einheiten = gezeigteEinheiten();
    const QDate heute = QDate::currentDate();
    const std::optional<QString> pfad = PdfSpeicherdialog(this, SammelPdfVorschlag(einheiten, heute, aktuellerOrdner));
    if (!pfad)
        return;
    if (const std::optional<QString> fehler = SammelPdfSchreiben(*pfad, einheiten, logo ? logo() : LeeresLogo(), heute))
        FehlerAnzeigen(this, *fehler);
}
