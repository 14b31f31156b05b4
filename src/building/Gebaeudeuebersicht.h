#pragma once

// The window "Gebäudeübersicht": the project files of one folder, one row
// per file, each read by the rules of "Öffnen" and recomputed, with the
// totals below. The table sorts by any column and filters on any text; a
// double-click or Enter opens the unit in the main window. It follows the
// folder: a file saved, changed, added or removed shows without a refresh.
//
// Files are read in slices of a few milliseconds between the events of the
// window, so the first rows show at once, a large folder shows its progress
// and the window stays responsive. Files that are no projects are listed
// with the reason.
//
// The table goes out as a CSV file or, with each unit's report page, as the
// building's collective PDF, in the order shown.

#include "building/Einheit.h"
#include "ui_Gebaeudeuebersicht.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class Gebaeudetabelle;
class Nachrechnung;

class TGebaeudeuebersicht : public QWidget, public Ui::TGebaeudeuebersicht {
    Q_OBJECT

public:
    explicit TGebaeudeuebersicht(QWidget *parent = nullptr);
    ~TGebaeudeuebersicht() override;

    // Shows the project files of ordner, reads them anew and remembers the
    // folder as the one used last.
    void OrdnerZeigen(const QString &ordner);
    QString ordner() const { return aktuellerOrdner; }
    bool liestNoch() const { return !offen.isEmpty(); }

    // The units in the order shown, filtered as shown.
    std::vector<Einheit> gezeigteEinheiten() const;

    // The logo for the collective PDF; set by the program.
    std::function<QImage()> logo;
    // The ordner chooser; tests may answer with a folder of their own.
    std::function<QString(QWidget *eltern, const QString &start)> ordnerWaehlen;

signals:
    // The user asked to open the unit's file in the main window.
    void oeffnen(const QString &pfad);

private:
    void ButtonOrdnerClick();
    void ButtonCsvClick();
    void ButtonPdfClick();
    void Einlesen();
    void Weiterlesen();
    void SummenZeigen();
    void Spaltenbreiten();

    struct Stand {
        QDateTime geaendert;
        qint64 groesse = -1;
        bool operator==(const Stand &) const = default;
    };
    static Stand StandVon(const QString &pfad);

    Gebaeudetabelle *tabelle;
    QSortFilterProxyModel *sicht;
    std::unique_ptr<Nachrechnung> nachrechnung;
    QString aktuellerOrdner;
    QStringList offen;           // files still to read
    QHash<QString, Stand> staende;  // what each listed file was when read
    QFileSystemWatcher waechter;
    QTimer nachlauf;             // gathers the folder's bursts of changes
};
