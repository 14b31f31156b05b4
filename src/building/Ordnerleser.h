#pragma once

// Reads a building's folder on a thread of its own, so that the window's
// event loop never waits for the disk: it lists the project files, notes
// each one's size and times, reads and recomputes what is new or changed
// and hands the units over in batches (the first few at once), names the
// files that are gone, and says when it has caught up. After that it looks
// again every second, so that a file rewritten in place, which a watch of
// the folder does not report, shows within a second or two.
//
// Every call of lesen() starts a new round; batches of an earlier round
// that are still under way are dropped. The callbacks run on the thread
// that made the reader.

#include "building/Einheit.h"

#include <QObject>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class Ordnerleser : public QObject {
    Q_OBJECT

public:
    explicit Ordnerleser(QObject *parent = nullptr);
    ~Ordnerleser() override;

    // Starts reading ordner from scratch.
    void lesen(const QString &ordner);
    // Looks at the folder again at once, e.g. when a watch reported it.
    void nachsehen();
    // Stops looking again while nobody sees the table, and starts anew.
    void ruhen(bool ja);
    // Whether the current round still has files to read.
    bool liestNoch() const { return arbeit; }

    // Units read, in the folder's order of names.
    std::function<void(std::vector<Einheit> einheiten)> gelesen;
    // Files no longer in the folder.
    std::function<void(const QStringList &pfade)> entfernt;
    // How far the current round is: files read, files it found to read.
    std::function<void(int gelesen, int gesamt)> fortschritt;

private:
    class Arbeiter;

    QThread faden;
    Arbeiter *arbeiter;  // lives on faden
    std::shared_ptr<std::atomic<quint64>> runde;
    bool arbeit = false;
};
