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
constexpr qint64 BatchMs = 60;
constexpr int NachsehenMs = 1000;

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

} // namespace

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
            connect(uhr, &QTimer::timeout, this, [this] { abgleichen(meineRunde); });
        }
        ordner = neuerOrdner;
        meineRunde = nummer;
        staende.clear();
        abgleichen(nummer);
        uhr->start();
    }

    void abgleichen(quint64 nummer)
    {
        if (nummer != *runde || ordner.isEmpty())
            return;
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
            senden([weg](Ordnerleser &l) {
                if (l.entfernt)
                    l.entfernt(weg);
            }, nummer);

        QStringList zuLesen;
        QHash<QString, Stand> neu;
        for (const QString &pfad : dateien) {
            const Stand stand = StandVon(pfad);
            const auto alt = staende.constFind(pfad);
            if (alt == staende.constEnd() || !(*alt == stand)) {
                zuLesen.append(pfad);
                neu.insert(pfad, stand);
            }
        }
        const int gesamt = int(zuLesen.size());
        if (gesamt == 0) {
            fertig(nummer);
            return;
        }
        std::vector<Einheit> stapel;
        QElapsedTimer takt;
        takt.start();
        bool erster = true;
        int gelesen = 0;
        for (const QString &pfad : zuLesen) {
            if (nummer != *runde)
                return;
            staende.insert(pfad, neu.value(pfad));
            stapel.push_back(EinheitLesen(pfad, nachrechnung));
            ++gelesen;
            if ((erster && stapel.size() >= ErsteZeilen) || takt.elapsed() >= BatchMs) {
                abgeben(stapel, gelesen, gesamt, nummer);
                erster = false;
                takt.restart();
            }
        }
        abgeben(stapel, gelesen, gesamt, nummer);
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
    QMetaObject::invokeMethod(arbeiter, [this, ordner, nummer] { arbeiter->beginnen(ordner, nummer); },
                              Qt::QueuedConnection);
}

void Ordnerleser::nachsehen()
{
    const quint64 nummer = *runde;
    QMetaObject::invokeMethod(arbeiter, [this, nummer] { arbeiter->abgleichen(nummer); }, Qt::QueuedConnection);
}
