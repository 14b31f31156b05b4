#include "building/Ordnerleser.h"

#include "building/Nachrechnung.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTimer>

namespace {

// A batch goes to the window after this many units, or after this long.
constexpr std::size_t ErsteZeilen = 50;
constexpr qint64 BatchMs = 40;
constexpr qint64 NachsehenMs = 1000;

struct Stand {
    qint64 geaendert = 0;  // ms since the epoch
    qint64 metadaten = 0;
    qint64 groesse = -1;
    bool operator==(const Stand &) const = default;
};

Stand StandVon(const QString &pfad)
{
    const QFileInfo info(pfad);
    return {info.lastModified().toMSecsSinceEpoch(), info.metadataChangeTime().toMSecsSinceEpoch(), info.size()};
}

}  // namespace

class Ordnerleser::Arbeiter : public QObject {
public:
    Arbeiter(Ordnerleser &leser, std::shared_ptr<std::atomic<quint64>> runde)
        : leser(leser)
        , runde(std::move(runde))
    {
    }

    // On the reader's thread.
    void beginnen(const QString &neuerOrdner, quint64 nummer)
    {
        if (!uhr) {
            uhr = new QTimer(this);
            uhr->setInterval(NachsehenMs);
            uhr->setSingleShot(true);
            connect(uhr, &QTimer::timeout, this, [this] { abgleichen(meineRunde); });
        }
        ordner = neuerOrdner;
        meineRunde = nummer;
        staende.clear();
        abgleichen(nummer);
    }

    void ruhen(bool ja)
    {
        ruht = ja;
        if (ruht && uhr)
            uhr->stop();
        else
            abgleichen(meineRunde);
    }

    // Looks at the folder and reads what changed; then, unless resting,
    // looks again after a second, or after twice as long as this look took
    // in a folder so large that a look takes longer.
    void abgleichen(quint64 nummer)
    {
        if (nummer != *runde || ordner.isEmpty())
            return;
        QElapsedTimer dauer;
        dauer.start();
        struct Wiederholen {
            Arbeiter &a;
            QElapsedTimer &dauer;
            ~Wiederholen()
            {
                if (a.uhr && !a.ruht)
                    a.uhr->start(std::max<qint64>(NachsehenMs, 2 * dauer.elapsed()));
            }
        } wiederholen{*this, dauer};
        const QStringList dateien = Projektdateien(ordner);
        QSet<QString> vorhanden(dateien.begin(), dateien.end());
        QStringList weg;
        for (auto it = staende.begin(); it != staende.end();) {
            if (!vorhanden.contains(it.key())) {
                weg.append(it.key());
                it = staende.erase(it);
            } else {
                ++it;
            }
        }
        if (!weg.isEmpty())
            senden(
                [weg](Ordnerleser &l) {
                    if (l.entfernt)
                        l.entfernt(weg);
                },
                nummer);

        // Each file is looked at as its turn comes, so that the first rows
        // are read before the last file is looked at.
        const int gesamt = int(dateien.size());
        std::vector<Einheit> stapel;
        QElapsedTimer takt;
        takt.start();
        bool erster = true;
        int gesehen = 0;
        for (const QString &pfad : dateien) {
            if (nummer != *runde)
                return;
            ++gesehen;
            const Stand stand = StandVon(pfad);
            const auto alt = staende.constFind(pfad);
            if (alt != staende.constEnd() && *alt == stand)
                continue;
            staende.insert(pfad, stand);
            stapel.push_back(EinheitLesen(pfad, nachrechnung));
            if ((erster && stapel.size() >= ErsteZeilen) || (!erster && takt.elapsed() >= BatchMs)) {
                abgeben(stapel, gesehen, gesamt, nummer);
                erster = false;
                takt.restart();
            }
        }
        abgeben(stapel, gesehen, gesamt, nummer);
        fertig(nummer);
    }

private:
    template<typename F>
    void senden(F aufgabe, quint64 nummer)
    {
        Ordnerleser *ziel = &leser;
        auto r = runde;
        QMetaObject::invokeMethod(
            ziel,
            [ziel, r, nummer, aufgabe = std::move(aufgabe)] {
                if (nummer == *r)
                    aufgabe(*ziel);
            },
            Qt::QueuedConnection);
    }

    void abgeben(std::vector<Einheit> &stapel, int gelesen, int gesamt, quint64 nummer)
    {
        auto einheiten = std::make_shared<std::vector<Einheit>>(std::move(stapel));
        stapel.clear();
        senden(
            [einheiten, gelesen, gesamt](Ordnerleser &l) {
                if (l.gelesen && !einheiten->empty())
                    l.gelesen(std::move(*einheiten));
                if (l.fortschritt)
                    l.fortschritt(gelesen, gesamt);
            },
            nummer);
    }

    void fertig(quint64 nummer)
    {
        senden([](Ordnerleser &l) { l.arbeit = false; }, nummer);
    }

    Ordnerleser &leser;
    std::shared_ptr<std::atomic<quint64>> runde;
    quint64 meineRunde = 0;
    QString ordner;
    QHash<QString, Stand> staende;
    Nachrechnung nachrechnung;
    QTimer *uhr = nullptr;
    bool ruht = false;
};

Ordnerleser::Ordnerleser(QObject *parent)
    : QObject(parent)
    , runde(std::make_shared<std::atomic<quint64>>(0))
{
    arbeiter = new Arbeiter(*this, runde);
    arbeiter->moveToThread(&faden);
    connect(&faden, &QThread::finished, arbeiter, &QObject::deleteLater);
    faden.start();
}

Ordnerleser::~Ordnerleser()
{
    // A round under way stops at its next file.
    ++*runde;
    faden.quit();
    faden.wait();
}

void Ordnerleser::lesen(const QString &ordner)
{
    const quint64 nummer = ++*runde;
    arbeit = true;
    QMetaObject::invokeMethod(
        arbeiter, [this, ordner, nummer] { arbeiter->beginnen(ordner, nummer); }, Qt::QueuedConnection);
}

void Ordnerleser::nachsehen()
{
    const quint64 nummer = *runde;
    QMetaObject::invokeMethod(
        arbeiter, [this, nummer] { arbeiter->abgleichen(nummer); }, Qt::QueuedConnection);
}

void Ordnerleser::ruhen(bool ja)
{
    QMetaObject::invokeMethod(
        arbeiter, [this, ja] { arbeiter->ruhen(ja); }, Qt::QueuedConnection);
}
