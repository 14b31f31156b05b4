// Project files on disk: what a save leaves, what an open reads, and every
// way either can fail, with the condition reported and the files and record
// as they stand afterwards. Write failures are injected through the write
// call, since permission bits prove nothing when the tests run as root.
#include "project/Projektdatei.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

Q_DECLARE_METATYPE(Dateiergebnis::Art)
Q_DECLARE_METATYPE(Dateiergebnis::Schritt)

namespace {

using Art = Dateiergebnis::Art;
using Schritt = Dateiergebnis::Schritt;

// Write calls that fail the way a full or broken disk does.
ssize_t platteVollNach500(int fd, const void *puffer, std::size_t anzahl)
{
    const off_t stand = ::lseek(fd, 0, SEEK_CUR);
    if (stand >= 500) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, puffer, std::min<std::size_t>(anzahl, std::size_t(500 - stand)));
}

ssize_t schreibtNichts(int, const void *, std::size_t)
{
    return 0;
}

ssize_t ein_ausgabefehler(int, const void *, std::size_t)
{
    errno = EIO;
    return -1;
}

// Interrupted once per call, then written in pieces of 100 bytes: slow but
// successful.
ssize_t stueckweise(int fd, const void *puffer, std::size_t anzahl)
{
    static bool unterbrochen = false;
    unterbrochen = !unterbrochen;
    if (unterbrochen) {
        errno = EINTR;
        return -1;
    }
    return ::write(fd, puffer, std::min<std::size_t>(anzahl, 100));
}

const Schreibaufruf Schreibaufrufe[] = {platteVollNach500, schreibtNichts, ein_ausgabefehler};

// A folder that refuses new files: the temporary file beside the target
// cannot be created, the target itself can be opened.
int ordnerVerweigert(const char *pfad, int flags, mode_t modus)
{
    if (flags & O_CREAT) {
        errno = EACCES;
        return -1;
    }
    return ::open(pfad, flags, modus);
}

TProjektdaten beispiel()
{
    TProjektdaten daten;
    daten.setzeText(Projektfeld::Objektbezeichnung, "Haus Müller");
    daten.setzeText(Projektfeld::FlaecheNE, "120");
    daten.setzeText(Projektfeld::Ergebnis, "Lüftungstechnische Maßnahme erforderlich!");
    return daten;
}

QByteArray alsBytes(const TProjektdaten &daten)
{
    return QByteArray(reinterpret_cast<const char *>(daten.bytes().data()), 1109);
}

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return "<fehlt>";
    return datei.readAll();
}

void anlegen(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    QCOMPARE(datei.write(bytes), bytes.size());
}

}  // namespace

class TestProjektdatei : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void schreibenUndLesen();
    void ersetztVorhandeneDatei();
    void rechteBleiben();
    void folgtSymbolischemLink();
    void unterbrochenesSchreiben();
    void schreibfehler_data();
    void schreibfehler();
    void schreibfehlerOhneAlteDatei();
    void ordnerVerweigertNeueDateien_data();
    void ordnerVerweigertNeueDateien();
    void keineNormaleDatei_data();
    void keineNormaleDatei();
    void namenslaenge_data();
    void namenslaenge();
    void kurzeDatei_data();
    void kurzeDatei();
    void langeDatei();
    void schreibgeschuetzteDatei();
    void zuVieleDateien();
    void liegengebliebeneDateien_data();
    void liegengebliebeneDateien();

private:
    QString pfad(const QString &name) const { return ordner->filePath(name); }
    QStringList dateien() const
    {
        return QDir(ordner->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> ordner;
};

void TestProjektdatei::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TestProjektdatei::cleanup()
{
    ordner.reset();
}

void TestProjektdatei::schreibenUndLesen()
{
    const TProjektdaten daten = beispiel();
    const Dateiergebnis geschrieben = ProjektdateiSchreiben(pfad("a.lkz"), daten);
    QVERIFY(geschrieben.gelungen());
    QCOMPARE(inhalt(pfad("a.lkz")), alsBytes(daten));
    QCOMPARE(dateien(), QStringList{"a.lkz"});

    TProjektdaten gelesen;
    gelesen.setzeText(Projektfeld::Kommentar2, "vorher");
    const Dateiergebnis ergebnis = ProjektdateiLesen(pfad("a.lkz"), gelesen);
    QVERIFY(ergebnis.gelungen());
    QCOMPARE(ergebnis.meldung(), QString());
    QCOMPARE(alsBytes(gelesen), alsBytes(daten));
}

void TestProjektdatei::ersetztVorhandeneDatei()
{
    anlegen(pfad("a.lkz"), QByteArray(3000, 'x'));
    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), beispiel()).gelungen());
    QCOMPARE(inhalt(pfad("a.lkz")), alsBytes(beispiel()));
    QCOMPARE(dateien(), QStringList{"a.lkz"});
}

void TestProjektdatei::rechteBleiben()
{
    anlegen(pfad("alt.lkz"), "alt");
    QVERIFY(::chmod(QFile::encodeName(pfad("alt.lkz")), 0640) == 0);
    QVERIFY(ProjektdateiSchreiben(pfad("alt.lkz"), beispiel()).gelungen());
    QVERIFY(ProjektdateiSchreiben(pfad("neu.lkz"), beispiel()).gelungen());

    const mode_t maske = ::umask(0);
    ::umask(maske);
    struct stat alt {
    }, neu{};
    QCOMPARE(::stat(QFile::encodeName(pfad("alt.lkz")), &alt), 0);
    QCOMPARE(::stat(QFile::encodeName(pfad("neu.lkz")), &neu), 0);
    QCOMPARE(alt.st_mode & 07777, mode_t(0640));
    QCOMPARE(neu.st_mode & 07777, mode_t(0666 & ~maske));
}

void TestProjektdatei::folgtSymbolischemLink()
{
    QVERIFY(QDir().mkdir(pfad("echt")));
    anlegen(pfad("echt/ziel.lkz"), "alt");
    QVERIFY(QFile::link(pfad("echt/ziel.lkz"), pfad("link.lkz")));

    QVERIFY(ProjektdateiSchreiben(pfad("link.lkz"), beispiel()).gelungen());

    QVERIFY(QFileInfo(pfad("link.lkz")).isSymLink());
    QCOMPARE(inhalt(pfad("echt/ziel.lkz")), alsBytes(beispiel()));
    QCOMPARE(QDir(pfad("echt")).entryList(QDir::Files | QDir::Hidden), QStringList{"ziel.lkz"});
}

void TestProjektdatei::unterbrochenesSchreiben()
{
    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), beispiel(), stueckweise).gelungen());
    QCOMPARE(inhalt(pfad("a.lkz")), alsBytes(beispiel()));
}

void TestProjektdatei::schreibfehler_data()
{
    QTest::addColumn<int>("aufruf");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Platte nach 500 Bytes voll") << 0 << 101 << "Zu wenig Speicherplatz";
    QTest::newRow("write schreibt nichts") << 1 << 101 << "Zu wenig Speicherplatz";
    QTest::newRow("Ein-/Ausgabefehler EIO") << 2 << EIO << QString("E/A-Fehler %1").arg(EIO);
}

// The project file that the save was to replace stands as it was, and no
// half-written file is left beside it.
void TestProjektdatei::schreibfehler()
{
    QFETCH(int, aufruf);
    QFETCH(int, code);
    QFETCH(QString, meldung);

    TProjektdaten alt;
    alt.setzeText(Projektfeld::Objektbezeichnung, "alter Stand");
    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), alt).gelungen());

    const Dateiergebnis ergebnis = ProjektdateiSchreiben(pfad("a.lkz"), beispiel(), Schreibaufrufe[aufruf]);

    QVERIFY(!ergebnis.gelungen());
    QCOMPARE(ergebnis.schritt(), Schritt::Schreiben);
    QCOMPARE(ergebnis.code(), code);
    QCOMPARE(ergebnis.meldung(), meldung);
    QCOMPARE(inhalt(pfad("a.lkz")), alsBytes(alt));
    QCOMPARE(dateien(), QStringList{"a.lkz"});
}

void TestProjektdatei::schreibfehlerOhneAlteDatei()
{
    const Dateiergebnis ergebnis = ProjektdateiSchreiben(pfad("neu.lkz"), beispiel(), platteVollNach500);
    QCOMPARE(ergebnis.art(), Art::ZuWenigSpeicherplatz);
    QCOMPARE(dateien(), QStringList());
}

void TestProjektdatei::ordnerVerweigertNeueDateien_data()
{
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<int>("aufruf");  // -1 write(), else Schreibaufrufe
    QTest::addColumn<bool>("platz");  // the disk has room for the new length
    QTest::addColumn<int>("code");
    QTest::newRow("vorhandene Datei: an Ort und Stelle") << "alt.lkz" << -1 << true << 0;
    QTest::newRow("Verweis auf vorhandene Datei") << "link.lkz" << -1 << true << 0;
    QTest::newRow("neue Datei") << "neu.lkz" << -1 << true << 5;
    QTest::newRow("an Ort und Stelle, Platte voll") << "alt.lkz" << 0 << true << 101;
    QTest::newRow("an Ort und Stelle, kein Platz reserviert") << "alt.lkz" << -1 << false << 101;
}

// Where the folder refuses the temporary file, an existing file is written
// in place, through a link too, keeping its permissions.
void TestProjektdatei::ordnerVerweigertNeueDateien()
{
    QFETCH(QString, ziel);
    QFETCH(int, aufruf);
    QFETCH(bool, platz);
    QFETCH(int, code);
    // Shorter than the new content: writing it in place needs new blocks.
    anlegen(pfad("alt.lkz"), QByteArray(700, 'a'));
    QVERIFY(::chmod(QFile::encodeName(pfad("alt.lkz")), 0640) == 0);
    QVERIFY(QFile::link(pfad("alt.lkz"), pfad("link.lkz")));

    Dateiaufrufe aufrufe;
    aufrufe.oeffnen = ordnerVerweigert;
    if (aufruf >= 0)
        aufrufe.schreiben = Schreibaufrufe[aufruf];
    if (!platz)
        aufrufe.reservieren = [](int, off_t, off_t) { return ENOSPC; };
    const Dateiergebnis ergebnis = ProjektdateiSchreiben(pfad(ziel), beispiel(), aufrufe);

    QCOMPARE(ergebnis.code(), code);
    if (code == 0)
        QCOMPARE(inhalt(pfad("alt.lkz")), alsBytes(beispiel()));
    if (!platz)
        QCOMPARE(inhalt(pfad("alt.lkz")), QByteArray(700, 'a'));
    QCOMPARE(dateien(), (QStringList{"alt.lkz", "link.lkz"}));
    QVERIFY(QFileInfo(pfad("link.lkz")).isSymLink());
    struct stat info { };
    QCOMPARE(::stat(QFile::encodeName(pfad("alt.lkz")), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
}

void TestProjektdatei::keineNormaleDatei_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("FIFO") << "FIFO";
    QTest::newRow("Verweis auf /dev/zero") << "/dev/zero";
    QTest::newRow("Verweis auf /dev/null") << "/dev/null";
    QTest::newRow("Socket") << "Socket";
    QTest::newRow("Ordner") << "Ordner";
}

// Neither command ever writes to, replaces or waits on something that is
// not a regular file; the record stays as it was.
void TestProjektdatei::keineNormaleDatei()
{
    QFETCH(QString, art);
    const QString ziel = pfad("x.lkz");
    const QByteArray name = QFile::encodeName(ziel);
    int steckdose = -1;
    if (art == "FIFO") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (art == "Socket") {
        steckdose = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof adresse.sun_path);
        std::copy(name.begin(), name.end(), adresse.sun_path);
        QCOMPARE(::bind(steckdose, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse), 0);
    } else if (art == "Ordner") {
        QVERIFY(QDir().mkdir(ziel));
    } else {
        QVERIFY(QFile::link(art, ziel));
    }
    struct stat vorher { };
    QCOMPARE(::lstat(name.constData(), &vorher), 0);

    TProjektdaten daten = beispiel();
    const Dateiergebnis lesen = ProjektdateiLesen(ziel, daten);
    const Dateiergebnis schreiben = ProjektdateiSchreiben(ziel, TProjektdaten());
    if (steckdose >= 0)
        ::close(steckdose);

    QCOMPARE(lesen.meldung(), QString("Dateizugriff verweigert"));
    QCOMPARE(lesen.schritt(), Schritt::Oeffnen);
    QCOMPARE(alsBytes(daten), alsBytes(beispiel()));
    QCOMPARE(schreiben.meldung(), QString("Dateizugriff verweigert"));
    struct stat nachher { };
    QCOMPARE(::lstat(name.constData(), &nachher), 0);
    QCOMPARE(nachher.st_ino, vorher.st_ino);
    QCOMPARE(dateien(), QStringList{"x.lkz"});
}

void TestProjektdatei::namenslaenge_data()
{
    QTest::addColumn<int>("laenge");
    QTest::addColumn<int>("code");
    QTest::newRow("255 Zeichen, die Grenze") << 255 << 0;
    QTest::newRow("256 Zeichen") << 256 << 3;
}

// The temporary file's name must fit where the target's name fits.
void TestProjektdatei::namenslaenge()
{
    QFETCH(int, laenge);
    QFETCH(int, code);
    const QString name = QString(laenge - 4, QLatin1Char('n')) + ".lkz";
    QCOMPARE(ProjektdateiSchreiben(pfad(name), beispiel()).code(), code);
    QCOMPARE(dateien(), code == 0 ? QStringList{name} : QStringList());
}

void TestProjektdatei::kurzeDatei_data()
{
    QTest::addColumn<int>("laenge");
    QTest::newRow("leere Datei") << 0;
    QTest::newRow("500 Bytes") << 500;
    QTest::newRow("1108 Bytes") << 1108;
}

// A short file is read as far as it goes, over the record's previous bytes.
void TestProjektdatei::kurzeDatei()
{
    QFETCH(int, laenge);
    anlegen(pfad("kurz.lkz"), QByteArray(laenge, 'k'));

    TProjektdaten daten = beispiel();
    const Dateiergebnis ergebnis = ProjektdateiLesen(pfad("kurz.lkz"), daten);

    QCOMPARE(ergebnis.art(), Art::HinterDateiende);
    QCOMPARE(ergebnis.schritt(), Schritt::Lesen);
    QCOMPARE(ergebnis.code(), 100);
    QCOMPARE(ergebnis.meldung(), QString("Versuch hinter dem Dateiende zu lesen"));
    QCOMPARE(alsBytes(daten), QByteArray(laenge, 'k') + alsBytes(beispiel()).mid(laenge));
}

void TestProjektdatei::langeDatei()
{
    QByteArray bytes = alsBytes(beispiel());
    bytes += QByteArray(91, '\xff');
    anlegen(pfad("lang.lkz"), bytes);

    TProjektdaten daten;
    QVERIFY(ProjektdateiLesen(pfad("lang.lkz"), daten).gelungen());
    QCOMPARE(alsBytes(daten), alsBytes(beispiel()));
}

void TestProjektdatei::schreibgeschuetzteDatei()
{
    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), beispiel()).gelungen());
    QVERIFY(::chmod(QFile::encodeName(pfad("a.lkz")), 0444) == 0);

    TProjektdaten daten;
    QVERIFY(ProjektdateiLesen(pfad("a.lkz"), daten).gelungen());
    QCOMPARE(alsBytes(daten), alsBytes(beispiel()));
}

// With every descriptor of the process in use, neither command can open its
// file.
void TestProjektdatei::zuVieleDateien()
{
    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), beispiel()).gelungen());

    rlimit vorher{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &vorher), 0);
    rlimit eng = vorher;
    eng.rlim_cur = 256;
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &eng), 0);
    std::vector<int> belegt;
    for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;)
        belegt.push_back(fd);
    const int grund = errno;

    TProjektdaten daten;
    const Dateiergebnis lesen = ProjektdateiLesen(pfad("a.lkz"), daten);
    const Dateiergebnis schreiben = ProjektdateiSchreiben(pfad("b.lkz"), beispiel());

    for (int fd : belegt)
        ::close(fd);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &vorher), 0);

    QCOMPARE(grund, EMFILE);
    QCOMPARE(lesen.code(), 4);
    QCOMPARE(lesen.meldung(), QString("Zu viele geöffnete Dateien"));
    QCOMPARE(schreiben.code(), 4);
    QCOMPARE(schreiben.schritt(), Schritt::Erstellen);
    QCOMPARE(alsBytes(daten), QByteArray(1109, '\0'));
    QCOMPARE(dateien(), QStringList{"a.lkz"});
}

void TestProjektdatei::liegengebliebeneDateien_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alter");  // seconds since the last write
    QTest::addColumn<bool>("gesperrt");  // locked by a running save
    QTest::addColumn<bool>("bleibt");
    QTest::newRow("von einem Absturz") << ".luvanto-1x2y3z" << 3600 << false << false;
    QTest::newRow("von einem laufenden Speichern") << ".luvanto-1x2y3z" << 3600 << true << true;
    QTest::newRow("eben angelegt, noch ohne Sperre") << ".luvanto-1x2y3z" << 5 << false << true;
    QTest::newRow("fremder Name") << ".luvanto-notizen.txt" << 3600 << false << true;
}

// A save clears the temporary files that crashed saves left in its folder,
// and only those: a running save keeps its file locked until the file has
// taken the target's place.
void TestProjektdatei::liegengebliebeneDateien()
{
    QFETCH(QString, name);
    QFETCH(int, alter);
    QFETCH(bool, gesperrt);
    QFETCH(bool, bleibt);
    anlegen(pfad(name), QByteArray(100, 'x'));
    const QDateTime zeit = QDateTime::currentDateTime().addSecs(-alter);
    QFile datei(pfad(name));
    QVERIFY(datei.open(QIODevice::ReadWrite));
    QVERIFY(datei.setFileTime(zeit, QFileDevice::FileModificationTime));
    if (gesperrt)
        QCOMPARE(::flock(datei.handle(), LOCK_EX | LOCK_NB), 0);

    QVERIFY(ProjektdateiSchreiben(pfad("a.lkz"), beispiel()).gelungen());

    datei.close();
    QCOMPARE(QFileInfo::exists(pfad(name)), bleibt);
    QCOMPARE(inhalt(pfad("a.lkz")), alsBytes(beispiel()));
}

QTEST_GUILESS_MAIN(TestProjektdatei)
#include "tst_projektdatei.moc"
