// The safe writer on Windows (under Wine in the tests): what a save leaves
// in the folder and in the target when it succeeds, when the disk fails,
// when another program holds the target open, and which temporary files
// of earlier saves it clears away.
#include "fileio/SicheresSchreiben.h"

#include <QtTest>

#include <windows.h>

#include <cerrno>

namespace {

const wchar_t *Breit(const QString &name)
{
    return reinterpret_cast<const wchar_t *>(name.utf16());
}

int platteVoll(void *, const void *, unsigned long, unsigned long *geschrieben, void *)
{
    *geschrieben = 0;
    SetLastError(ERROR_DISK_FULL);
    return 0;
}

int schreibtNichts(void *, const void *, unsigned long, unsigned long *geschrieben, void *)
{
    *geschrieben = 0;
    return 1;
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

// Sets the file's last write back by the given seconds.
void altern(const QString &pfad, int sekunden)
{
    HANDLE datei =
        CreateFileW(Breit(QDir::toNativeSeparators(pfad)), FILE_WRITE_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    QVERIFY(datei != INVALID_HANDLE_VALUE);
    FILETIME zeit;
    GetSystemTimeAsFileTime(&zeit);
    ULARGE_INTEGER wert;
    wert.LowPart = zeit.dwLowDateTime;
    wert.HighPart = zeit.dwHighDateTime;
    wert.QuadPart -= quint64(sekunden) * 10'000'000ULL;
    zeit.dwLowDateTime = wert.LowPart;
    zeit.dwHighDateTime = wert.HighPart;
    QVERIFY(SetFileTime(datei, nullptr, nullptr, &zeit));
    CloseHandle(datei);
}

}  // namespace

class TestSicheresSchreibenWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void schreiben_data();
    void schreiben();
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

void TestSicheresSchreibenWindows::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
    QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("Pfad mit Ümlaut")));
}

void TestSicheresSchreibenWindows::cleanup()
{
    ordner.reset();
}

void TestSicheresSchreibenWindows::schreiben_data()
{
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<int>("fall");  // 0 nothing, 1 disk full, 2 no progress, 3 held open, 4 read only
    QTest::addColumn<int>("fehlernummer");  // 0: written
    QTest::newRow("neue Datei") << "neu.lkz" << false << 0 << 0;
    QTest::newRow("vorhandene Datei ersetzt") << "alt.lkz" << true << 0 << 0;
    QTest::newRow("Umlaut und Leerzeichen im Pfad") << "Pfad mit Ümlaut/WE 1.lkz" << true << 0 << 0;
    QTest::newRow("Platte voll") << "alt.lkz" << true << 1 << ENOSPC;
    QTest::newRow("WriteFile schreibt nichts") << "alt.lkz" << true << 2 << ENOSPC;
    QTest::newRow("Platte voll, neue Datei") << "neu.lkz" << false << 1 << ENOSPC;
    QTest::newRow("von einem anderen Programm geöffnet") << "alt.lkz" << true << 3 << ETXTBSY;
    QTest::newRow("schreibgeschützt") << "alt.lkz" << true << 4 << EACCES;
    QTest::newRow("Ordner") << "Pfad mit Ümlaut" << true << 0 << EISDIR;
}

// A save replaces the target whole or leaves it as it was, and never
// leaves a temporary file beside it.
void TestSicheresSchreibenWindows::schreiben()
{
    QFETCH(QString, ziel);
    QFETCH(bool, vorhanden);
    QFETCH(int, fall);
    QFETCH(int, fehlernummer);
    const QByteArray alt(3000, 'a');
    const QByteArray neu = "neuer Inhalt";
    if (vorhanden && ziel != QStringLiteral("Pfad mit Ümlaut"))
        anlegen(pfad(ziel), alt);
    const QStringList vorher = dateien();

    HANDLE gehalten = INVALID_HANDLE_VALUE;
    if (fall == 3) {
        // As an editor or a viewer holds a file: read and let others read.
        gehalten = CreateFileW(Breit(QDir::toNativeSeparators(pfad(ziel))), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        QVERIFY(gehalten != INVALID_HANDLE_VALUE);
    }
    if (fall == 4)
        QVERIFY(SetFileAttributesW(Breit(QDir::toNativeSeparators(pfad(ziel))), FILE_ATTRIBUTE_READONLY));
    Dateiaufrufe aufrufe;
    if (fall == 1)
        aufrufe.schreiben = platteVoll;
    if (fall == 2)
        aufrufe.schreiben = schreibtNichts;

    const auto fehler = SicherSchreiben(pfad(ziel), neu.constData(), std::size_t(neu.size()), aufrufe);

    if (gehalten != INVALID_HANDLE_VALUE)
        CloseHandle(gehalten);
    if (fall == 4)
        SetFileAttributesW(Breit(QDir::toNativeSeparators(pfad(ziel))), FILE_ATTRIBUTE_NORMAL);
    QCOMPARE(fehler ? fehler->fehlernummer : 0, fehlernummer);
    QStringList erwartet = vorher;
    if (!vorhanden && fehlernummer == 0)
        erwartet << ziel;
    QStringList danach = dateien();
    erwartet.sort();
    danach.sort();
    QCOMPARE(danach, erwartet);
    if (fehlernummer == 0) {
        QCOMPARE(inhalt(pfad(ziel)), neu);
        QVERIFY(!(GetFileAttributesW(Breit(QDir::toNativeSeparators(pfad(ziel)))) & FILE_ATTRIBUTE_HIDDEN));
    } else if (vorhanden && fehlernummer != EISDIR) {
        QCOMPARE(inhalt(pfad(ziel)), alt);
    }
}

void TestSicheresSchreibenWindows::liegengebliebeneDateien_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alter");  // seconds since the last write
    QTest::addColumn<bool>("gehalten");  // open in a running save
    QTest::addColumn<bool>("bleibt");
    QTest::newRow("von einem Absturz") << ".luvanto-1x2y3z" << 3600 << false << false;
    QTest::newRow("von einem laufenden Speichern") << ".luvanto-1x2y3z" << 3600 << true << true;
    QTest::newRow("eben geschlossen") << ".luvanto-1x2y3z" << 5 << false << true;
    QTest::newRow("fremder Name") << ".luvanto-notizen.txt" << 3600 << false << true;
}

// A save clears the temporary files of crashed saves from its folder, and
// only those.
void TestSicheresSchreibenWindows::liegengebliebeneDateien()
{
    QFETCH(QString, name);
    QFETCH(int, alter);
    QFETCH(bool, gehalten);
    QFETCH(bool, bleibt);
    anlegen(pfad(name), QByteArray(100, 'x'));
    altern(pfad(name), alter);
    HANDLE griff = INVALID_HANDLE_VALUE;
    if (gehalten) {
        // As the writer holds it: others may read, not delete.
        griff = CreateFileW(Breit(QDir::toNativeSeparators(pfad(name))), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
        QVERIFY(griff != INVALID_HANDLE_VALUE);
    }

    const QByteArray neu = "neu";
    const auto fehler = SicherSchreiben(pfad("a.lkz"), neu.constData(), std::size_t(neu.size()));

    if (griff != INVALID_HANDLE_VALUE)
        CloseHandle(griff);
    QVERIFY(!fehler);
    QCOMPARE(QFileInfo::exists(pfad(name)), bleibt);
    QCOMPARE(inhalt(pfad("a.lkz")), neu);
}

QTEST_GUILESS_MAIN(TestSicheresSchreibenWindows)
#include "tst_sicheresschreiben_windows.moc"
