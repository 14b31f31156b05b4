#pragma once

// The window "Gebäudeübersicht": the project files of one folder, one row
// per file, each read by the rules of "Öffnen" and recomputed, with the
// totals below. The table sorts by any column and filters on any text; a
// double-click or Enter opens the unit in the main window. It follows the
// folder: a file saved, changed, added or removed shows without a refresh.
//
// The files are listed and read on a thread of its own (Ordnerleser), so
// the first rows show at once, a large folder shows its progress and the
// window stays responsive; a file changed in place shows within a second or
// two. Files that are no projects are listed with the reason. Below the
// table stand the counts and what a central system is sized from.
//
// The table goes out as a CSV file or, with each unit's report page, as the
// building's collective PDF, in the order shown; every file is read and
// checked again just before, so nothing goes out that was not checked as
// it is on disk.

#include "building/Einheit.h"
#include "ui_Gebaeudeuebersicht.h"

#include <QFileSystemWatcher>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QWidget>

#include <functional>

class Gebaeudetabelle;
class Ordnerleser;

class TGebaeudeuebersicht : public QWidget, public Ui::TGebaeudeuebersicht {
    Q_OBJECT

public:
    explicit TGebaeudeuebersicht(QWidget *parent = nullptr);
    ~TGebaeudeuebersicht() override;

    // Shows the project files of ordner, reads them anew and remembers the
    // folder as the one used last.
    void OrdnerZeigen(const QString &ordner);
    QString ordner() const { return aktuellerOrdner; }
    bool liestNoch() const;

    // The units in the order shown, filtered as shown.
    std::vector<Einheit> gezeigteEinheiten() const;

    // The logo for the collective PDF; set by the program.
    std::function<QImage()> logo;
    // The ordner chooser; tests may answer with a folder of their own.
    std::function<QString(QWidget *eltern, const QString &start)> ordnerWaehlen;

signals:
    // The user asked to open the unit's file in the main window.
    void oeffnen(const QString &pfad);

protected:
    void showEvent(QShowEvent *ereignis) override;
    void hideEvent(QHideEvent *ereignis) override;

private:
    void ButtonOrdnerClick();
    void ButtonCsvClick();
    void ButtonPdfClick();
    void Eingetroffen(std::vector<Einheit> einheiten);
    void SummenZeigen();
    void Spaltenbreiten();
    // The units shown, each read and checked again as it is on disk now.
    std::vector<Einheit> frischGeprueft();

    Gebaeudetabelle *tabelle;
    QSortFilterProxyModel *sicht;
    Ordnerleser *leser;
    QString aktuellerOrdner;
    bool breiteGesetzt = false;
    QFileSystemWatcher waechter;
};
