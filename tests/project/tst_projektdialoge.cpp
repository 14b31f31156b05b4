// The menu items "Speichern" and "Öffnen" with the real file dialogs, which
// the tests answer as a user would: by typing a name and pressing the
// dialog's button. Checks how the dialogs are set up, the file written
// byte for byte, and that the working directory never moves.
#include "Projektaufbau.h"

namespace {

const QString Titelanfang = QStringLiteral("Luvanto Wohnungslüftung          Aktuelles Projekt:      ");
const QString Filter = QStringLiteral("Datendateien-Luvanto (*.lkz)");

const QString Urteil =
    QStringLiteral("Lüftungstechnische Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den "
                   "Feuchteschutz erforderlich!");
const QString Kommentar =
    QStringLiteral("Sicherstellung des notwendigen Außenluftvolumenstroms von Nenn- und reduzierter Lüftung "
                   "notwendig.");

QByteArray dateiinhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

void Eingeben(TForm1 &f)
{
    f.ComboBox1->setText("MFH als eingeschossige Nutzungseinheit");
    f.ComboBox2->setText("windstark");
    f.ComboBox7->setText("nein");
    f.ComboBox8->setText("nein");
    f.ComboBox5->setText("ja");
    f.ComboBox6->setText("mittlerer Gebäudebestand");
    f.Edit2->setText("Wohnanlage Süd, Haus 3");
    f.Edit1->setText("Lindenstraße 7");
    f.Edit4->setText("04109 Leipzig");
    f.Edit7->setText("Jürgen Weiß");
    f.Edit3->setText("Lüftungsbau GmbH");
    f.Edit9->setText("Am Öltank 1, Köln");
    f.datum->setDate(QDate(2009, 1, 1));
    f.RadioGroup1->setItemIndex(1);
    f.Edit6->setText("80");
    f.Edit5->setText("200");
    f.Edit11->setText("1980");
    f.Edit8->setText("3,0");
    f.Edit10->setText("0,667");
    f.seite().setzeText(Steuerelement::Label26, "niedrig");
    f.seite().setzeText(Steuerelement::Label27, "31,7");
    f.seite().setzeText(Steuerelement::Label38, "73,9");
    f.seite().setzeText(Steuerelement::Label39, "105,6");
    f.seite().setzeText(Steuerelement::Label28, "17,5");
    f.seite().setzeText(Steuerelement::Label31, QString(Urteil).toStdString());
    f.seite().setzeText(Steuerelement::Label49, QString(Kommentar).toStdString());
    f.seite().setzeText(Steuerelement::Label63, "");
}

// The file as the layout describes it. All characters used lie in the range
// where Windows-1252 and Latin-1 agree.
QByteArray ErwarteteDatei()
{
    const bool deutsch = !qEnvironmentVariableIsEmpty("LUVANTO_DEUTSCH_ERWARTET");
    const QList<QPair<int, QString>> inhalte = {
        {0, "Wohnanlage Süd, Haus 3"},
        {41, "Lindenstraße 7"},
        {82, "04109 Leipzig"},
        {123, deutsch ? "01.01.2009" : "1 Jan 2009"},
        {164, "Jürgen Weiß"},
        {205, "Lüftungsbau GmbH"},
        {246, "Am Öltank 1, Köln"},
        {287, "MFH als eingeschossige Nutzungseinheit"},
        {328, "windstark"},
        {369, "80"},
        {390, "200"},
        {411, "nein"},
        {432, "1980"},
        {453, "nein"},
        {474, "1"},
        {495, "1"},
        {516, "0"},
        {537, "ja"},
        {558, "3,0"},
        {579, "0,667"},
        {600, "mittlerer Gebäudebestand"},
        {641, "niedrig"},
        {662, "31,7"},
        {683, "73,9"},
        {704, "105,6"},
        {725, "17,5"},
        {746, Urteil},
        {867, Kommentar},
        {988, ""},
    };
    QByteArray datei(1109, '\0');
    for (const auto &[offset, text] : inhalte) {
        const QByteArray bytes = text.toLatin1();
        datei[offset] = char(bytes.size());
        datei.replace(offset + 1, bytes.size(), bytes);
    }
    return datei;
}

}  // namespace

class TestProjektdialoge : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bytegenauUeberMenue();
    void endung_data();
    void endung();
    void vorschlagUndErsetzen();
    void oeffnenUeberMenue();
    void oeffnenNichtVorhandeneDatei();
    void abbrechen();
    void arbeitsverzeichnisBleibt();

private:
    QString pfad(const QString &name) const { return ordner->filePath(name); }

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<QTemporaryDir> arbeitsverzeichnis;
    QString vorherigesVerzeichnis;
};

void TestProjektdialoge::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    arbeitsverzeichnis = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid() && arbeitsverzeichnis->isValid());
    vorherigesVerzeichnis = QDir::currentPath();
    QVERIFY(QDir::setCurrent(arbeitsverzeichnis->path()));
}

void TestProjektdialoge::cleanup()
{
    QDir::setCurrent(vorherigesVerzeichnis);
    arbeitsverzeichnis.reset();
    ordner.reset();
}

void TestProjektdialoge::bytegenauUeberMenue()
{
    Projektaufbau a;
    Eingeben(a.form);
    Dialogantwort antwort(pfad("projekt.lkz"));
    a.form.Speichern1->trigger();

    QVERIFY(antwort.gesehen);
    QVERIFY(!antwort.abgewiesen);
    QVERIFY(antwort.speichern);
    QCOMPARE(antwort.titel, QString("Speichern unter"));
    QVERIFY(antwort.optionen.testFlag(QFileDialog::DontUseNativeDialog));
    QVERIFY(antwort.optionen.testFlag(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(antwort.filter, QStringList{Filter});
    QCOMPARE(antwort.endung, QString("lkz"));
    QVERIFY2(antwort.knoepfe.contains("Speichern") && antwort.knoepfe.contains("Abbrechen"),
             qPrintable(antwort.knoepfe.join(", ")));
    QCOMPARE(antwort.vorgeschlagen, QString());

    const QByteArray datei = dateiinhalt(pfad("projekt.lkz"));
    QCOMPARE(datei.left(24),
             QByteArray("\x16"
                        "Wohnanlage S\xfc"
                        "d, Haus 3\0",
                        24));
    QCOMPARE(datei, ErwarteteDatei());
    QCOMPARE(a.Projektname, pfad("projekt.lkz"));
    QCOMPARE(a.form.windowTitle(), Titelanfang + pfad("projekt.lkz"));
}

void TestProjektdialoge::endung_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("datei");
    QTest::newRow("ohne Endung") << "projekt"
                                 << "projekt.lkz";
    QTest::newRow("mit .lkz") << "projekt.lkz"
                              << "projekt.lkz";
    QTest::newRow("mit anderer Endung") << "projekt.alt"
                                        << "projekt.alt.lkz";
    QTest::newRow("Punkt im Namen") << "WE 03 1.OG links"
                                    << "WE 03 1.OG links.lkz";
    QTest::newRow("groß geschriebene Endung") << "WE 4.LKZ"
                                              << "WE 4.LKZ";
}

void TestProjektdialoge::endung()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, datei);
    Projektaufbau a;
    Dialogantwort antwort(pfad(eingabe));
    a.form.Speichern1->trigger();

    QVERIFY(antwort.gesehen);
    QCOMPARE(a.Projektname, pfad(datei));
    QCOMPARE(dateiinhalt(pfad(datei)).size(), 1109);
    QCOMPARE(QDir(ordner->path()).entryList(QDir::Files | QDir::Hidden), QStringList{datei});
}

// After "Neu" the next save proposes the previous project's file, and
// saving onto it asks first; "Nein" keeps the file.
void TestProjektdialoge::vorschlagUndErsetzen()
{
    Projektaufbau a;
    a.form.Edit2->setText("erste Fassung");
    {
        Dialogantwort antwort(pfad("projekt.lkz"));
        a.form.Speichern1->trigger();
    }
    a.form.Edit2->setText("zweite Fassung");
    a.form.Neu1->trigger();
    a.form.Edit2->setText("dritte Fassung");
    Dialogantwort antwort(pfad("projekt.lkz"));
    a.form.Speichern1->trigger();

    QCOMPARE(antwort.ordner, ordner->path());
    QCOMPARE(antwort.vorgeschlagen, QString("projekt.lkz"));
    QVERIFY(!antwort.abgewiesen);
    QCOMPARE(antwort.frageText, QString("„projekt.lkz“ gibt es schon. Ersetzen?"));
    QCOMPARE(dateiinhalt(pfad("projekt.lkz")).mid(0, 14),
             QByteArray("\x0d"
                        "erste Fassung"));
}

void TestProjektdialoge::oeffnenUeberMenue()
{
    Projektaufbau a;
    Eingeben(a.form);
    {
        Dialogantwort antwort(pfad("projekt.lkz"));
        a.form.Speichern1->trigger();
    }

    Projektaufbau b;
    Dialogantwort antwort(pfad("projekt.lkz"));
    b.form.ffnen1->trigger();

    QVERIFY(antwort.gesehen);
    QVERIFY(!antwort.speichern);
    QCOMPARE(antwort.titel, QString("Öffnen"));
    QVERIFY(antwort.optionen.testFlag(QFileDialog::DontUseNativeDialog));
    QCOMPARE(antwort.filter, QStringList{Filter});
    QCOMPARE(antwort.endung, QString());
    QCOMPARE(antwort.vorgeschlagen, QString());
    QVERIFY2(antwort.knoepfe.contains("Öffnen") && antwort.knoepfe.contains("Abbrechen"),
             qPrintable(antwort.knoepfe.join(", ")));

    QCOMPARE(b.form.Edit2->text(), QString("Wohnanlage Süd, Haus 3"));
    QCOMPARE(b.form.Label31->text(), Urteil);
    QCOMPARE(b.Projektname, pfad("projekt.lkz"));
    QCOMPARE(b.form.windowTitle(), Titelanfang + pfad("projekt.lkz"));
    QVERIFY(b.form.Panel6->isHidden());
}

// The open dialog takes a name that does not exist; opening it then fails.
void TestProjektdialoge::oeffnenNichtVorhandeneDatei()
{
    Projektaufbau b;
    const QString titel = b.form.windowTitle();
    Fehlerbox box;
    Dialogantwort antwort(pfad("gibtsnicht.lkz"));
    b.form.ffnen1->trigger();

    QVERIFY(!antwort.abgewiesen);
    QCOMPARE(box.meldungen, QStringList{"Datei nicht gefunden."});
    QCOMPARE(b.form.windowTitle(), titel);
    QVERIFY(b.Projektname.isEmpty());
}

void TestProjektdialoge::abbrechen()
{
    Projektaufbau a;
    a.form.Edit2->setText("bleibt");
    {
        Dialogantwort antwort({});
        a.form.Speichern1->trigger();
        QVERIFY(antwort.gesehen);
    }
    QCOMPARE(a.form.windowTitle(), Titelanfang);
    QVERIFY(QDir(ordner->path()).isEmpty());
    QVERIFY(QDir(arbeitsverzeichnis->path()).isEmpty());

    Dialogantwort antwort({});
    a.form.ffnen1->trigger();
    QVERIFY(antwort.gesehen);
    QCOMPARE(a.form.windowTitle(), Titelanfang);
    QCOMPARE(a.form.Edit2->text(), QString("bleibt"));
    QVERIFY(a.form.Panel6->isHidden());
}

// Whatever folder the dialogs visit, the process stays in its working
// directory, where the logo file is written.
void TestProjektdialoge::arbeitsverzeichnisBleibt()
{
    const QString start = QDir::currentPath();
    QVERIFY(QDir().mkdir(pfad("unterordner")));
    Projektaufbau a;
    {
        Dialogantwort antwort(pfad("unterordner/a.lkz"));
        a.form.Speichern1->trigger();
        QVERIFY(antwort.gesehen);
    }
    QCOMPARE(QDir::currentPath(), start);
    {
        Dialogantwort antwort(pfad("unterordner/a.lkz"));
        a.form.ffnen1->trigger();
        QVERIFY(antwort.gesehen);
    }
    QCOMPARE(QDir::currentPath(), start);
    QCOMPARE(a.Projektname, pfad("unterordner/a.lkz"));
    QVERIFY(QDir(arbeitsverzeichnis->path()).isEmpty());
}

QTEST_MAIN(TestProjektdialoge)
#include "tst_projektdialoge.moc"
