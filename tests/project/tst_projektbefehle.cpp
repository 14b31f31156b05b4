// "Speichern" and "Öffnen" on the main window, with the file dialogs
// answered at once: which control goes into which slot and back, round trips
// in every state of the question flow, the edge cases of loading, and every
// failure with its message and what stands afterwards.
#include "Projektaufbau.h"
#include "building/Nachrechnung.h"
#include "project/Sicherungskopie.h"

#include <QClipboard>

#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace {

using F = Projektfeld;

const QString Titelanfang = QStringLiteral("Luvanto Wohnungslüftung          Aktuelles Projekt:      ");
const QString KategorieMFH = QStringLiteral("freie Lüftung bei Modernisierung in MFH als eingeschossige NE");
const QString KategorieEFH = QStringLiteral("freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE");

// The user's choice from a combo box's list: its text, then its handler.
void Waehlen(Kombifeld *kombi, const QString &text)
{
    kombi->setText(text);
    emit kombi->geaendert();
}

void Objektdaten(TForm1 &f)
{
    f.Edit2->setText("Wohnanlage Süd, Haus 3");
    f.Edit1->setText("Lindenstraße 7");
    f.Edit4->setText("04109 Leipzig");
    f.Edit7->setText("Jürgen Weiß");
    f.Edit3->setText("Lüftungsbau GmbH");
    f.Edit9->setText("Am Öltank 1, Köln");
    f.datum->setDate(QDate(2009, 1, 1));
}

struct Zustand {
    const char *name;
    void (*herstellen)(TForm1 &);
};

// The states of the question flow, reached the way a user reaches them.
const Zustand Zustaende[] = {
    {"unbeantwortet", [](TForm1 &) {}},
    {"fensterlose Räume", [](TForm1 &f) { f.RadioGroup1->setItemIndex(0); }},
    {"fensterlose Räume, weitere Anforderungen",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(0);
         f.RadioGroup2->setItemIndex(0);
         f.Edit6->setText("80");
     }},
    {"keine fensterlosen Räume, Messwert",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         f.Edit6->setText("120");
         f.Edit8->setText("3,0");
         f.Edit10->setText("0,667");
     }},
    {"keine fensterlosen Räume, Vorgabewert",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         Waehlen(f.ComboBox5, "nein");
         f.Edit6->setText("80");
     }},
    {"Bestand 1980 ohne Sanierung, MFH, windstark",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         Waehlen(f.ComboBox1, "MFH als eingeschossige Nutzungseinheit");
         Waehlen(f.ComboBox2, "windstark");
         Waehlen(f.ComboBox7, "nein");
         f.Edit11->setText("1980");
         Waehlen(f.ComboBox8, "nein");
         Waehlen(f.ComboBox5, "nein");
         f.Edit6->setText("65,5");
     }},
    {"Bestand 2001, EFH, Modernisierungskategorie",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         Waehlen(f.ComboBox7, "nein");
         f.Edit11->setText("2001");
         Waehlen(f.ComboBox5, "nein");
         f.Edit6->setText("140");
     }},
    {"Bestand 1990 saniert, MFH-Modernisierung",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         Waehlen(f.ComboBox1, "MFH als eingeschossige Nutzungseinheit");
         Waehlen(f.ComboBox7, "nein");
         f.Edit11->setText("1990");
         Waehlen(f.ComboBox5, "nein");
         f.Edit6->setText("70");
     }},
    {"erhöhte Anforderungen",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         f.Edit6->setText("90");
         f.RadioGroup3->setItemIndex(2);
     }},
    {"erhöhte Anforderungen bei fensterlosen Räumen",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(0);
         f.RadioGroup2->setItemIndex(0);
         f.Edit6->setText("90");
         f.RadioGroup3->setItemIndex(3);
     }},
    {"getippte Kategorie",
     [](TForm1 &f) {
         f.RadioGroup1->setItemIndex(1);
         Waehlen(f.ComboBox5, "nein");
         f.Edit6->setText("100");
         f.ComboBox6->lineEdit()->setText("ventilatorgestützte Lüftung");
         emit f.ComboBox6->geaendert();
     }},
};

QByteArray dateiinhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<fehlt>");
}

QByteArray alsBytes(const TProjektdaten &daten)
{
    return QByteArray(reinterpret_cast<const char *>(daten.bytes().data()), 1109);
}

void anlegen(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    QCOMPARE(datei.write(bytes), bytes.size());
}

ssize_t platteVoll(int, const void *, std::size_t)
{
    errno = ENOSPC;
    return -1;
}

ssize_t ein_ausgabefehler(int, const void *, std::size_t)
{
    errno = EIO;
    return -1;
}

}  // namespace

class TestProjektbefehle : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rundreise_data();
    void rundreise();
    void jederSlotInSeinSteuerelement();
    void ganzzahlAusSlot_data();
    void ganzzahlAusSlot();
    void gleichNachDemStart();
    void gekuerzteTexte();
    void langeKategorieRechnetWeiter();
    void datumBleibt();
    void speichernAbbrechen();
    void oeffnenAbbrechen();
    void oeffnenAbbrechenNachDemStart();
    void ergebnistexteOhneMarkup();
    void reste();
    void neuBehaeltNamenUndTitel();
    void ersetzenFragen_data();
    void ersetzenFragen();
    void langeDatei();
    void speichernScheitert_data();
    void speichernScheitert();
    void oeffnenScheitert_data();
    void oeffnenScheitert();
    void schreibgeschuetztOeffnen();
    void fremdeDateiOeffnen_data();
    void fremdeDateiOeffnen();
    void riesigeEinfuegung();
    void datumstext_data();
    void datumstext();

private:
    QString pfad(const QString &name) const { return ordner->filePath(name); }
    QStringList dateien() const
    {
        return QDir(ordner->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Saves a's project at pfad(name), answering the dialog at once.
    void speichern(Projektaufbau &a, const QString &name);
    void oeffnen(Projektaufbau &b, const QString &name);

    std::unique_ptr<QTemporaryDir> ordner;
};

void TestProjektbefehle::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TestProjektbefehle::cleanup()
{
    ordner.reset();
}

void TestProjektbefehle::speichern(Projektaufbau &a, const QString &name)
{
    Antwort antwort(pfad(name));
    Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, antwort.wahl());
    QCOMPARE(a.Projektname, pfad(name));
}

void TestProjektbefehle::oeffnen(Projektaufbau &b, const QString &name)
{
    Antwort antwort(pfad(name));
    ffnen1Click(b.form, b.daten, b.Projektname, b.bindung, antwort.wahl());
    QCOMPARE(b.Projektname, pfad(name));
}

void TestProjektbefehle::rundreise_data()
{
    QTest::addColumn<int>("zustand");
    for (int i = 0; i < int(std::size(Zustaende)); ++i)
        QTest::newRow(Zustaende[i].name) << i;
}

// A project saved in any state comes back whole in a freshly started
// program: texts, answers, results, verdicts, and what is shown and hidden.
void TestProjektbefehle::rundreise()
{
    QFETCH(int, zustand);
    Projektaufbau a;
    a.form.Neu1Click();
    Objektdaten(a.form);
    Zustaende[zustand].herstellen(a.form);
    const Fensterbild vorher(a.form);
    speichern(a, "projekt.lkz");
    QCOMPARE(dateiinhalt(pfad("projekt.lkz")), alsBytes(a.daten));
    // Entered anew in a fresh program, the unit gives the stored results.
    Nachrechnung nachrechnung;
    QCOMPARE(Pruefung(a.daten, nachrechnung.nachrechnen(a.daten)), QStringLiteral("stimmt"));

    Projektaufbau b;
    oeffnen(b, "projekt.lkz");

    // Before the first answer, an opened page shows the third question as
    // the window is designed: hidden, until an answer shows it.
    QStringList erwartet = vorher.werte;
    if (zustand == 0)
        erwartet.replaceInStrings(QStringLiteral("Panel11 sichtbar"), QStringLiteral("Panel11 verborgen"));
    QCOMPARE(Fensterbild(b.form).werte, erwartet);
    QVERIFY(Fensterbild(b.form).urteileSichtbar);
    QVERIFY(b.form.Panel6->isHidden());
    QCOMPARE(b.form.windowTitle(), Titelanfang + pfad("projekt.lkz"));
    // Saved again, the file is the same but for the date of the new window.
    speichern(b, "wieder.lkz");
    const QByteArray erste = dateiinhalt(pfad("projekt.lkz"));
    const QByteArray zweite = dateiinhalt(pfad("wieder.lkz"));
    QCOMPARE(zweite.size(), 1109);
    QCOMPARE(zweite.left(123), erste.left(123));
    QCOMPARE(zweite.mid(164), erste.mid(164));

    // The next recalculation finds n50 as it was saved.
    emit b.form.ComboBox6->geaendert();
    QCOMPARE(b.form.Edit8->text(), a.form.Edit8->text());
}

// A file as this program has always written it, each slot with its own
// text, lands in the controls of the file layout.
void TestProjektbefehle::jederSlotInSeinSteuerelement()
{
    const QList<QPair<int, QByteArray>> inhalte = {
        {0, "Objekt"},
        {41,
         "Stra\xdf"
         "e 1"},
        {82, "04109 Leipzig"},
        {123, "31.12.1999"},
        {164, "Bearbeiterin"},
        {205, "Firma"},
        {246, "Adresse"},
        {287, "MFH als eingeschossige Nutzungseinheit"},
        {328, "windstark"},
        {369, "75"},
        {390, "187,5"},
        {411, "nein"},
        {432, "1990"},
        {453, "nein"},
        {474, "1"},
        {495, "1"},
        {516, "2"},
        {537, "ja"},
        {558, "2,5"},
        {579, "0,7"},
        {600, "mittlerer Geb\xe4udebestand"},
        {641, "niedrig"},
        {662, "11,1"},
        {683, "22,2"},
        {704, "33,3"},
        {725, "44,4"},
        {746, "Urteil"},
        {867, "Kommentar eins"},
        {988, "Kommentar zwei"},
    };
    QByteArray datei(1109, '\0');
    for (const auto &[offset, text] : inhalte) {
        datei[offset] = char(text.size());
        datei.replace(offset + 1, text.size(), text);
    }
    anlegen(pfad("alt.lkz"), datei);

    Projektaufbau b;
    oeffnen(b, "alt.lkz");
    const TForm1 &f = b.form;

    const QStringList erwartet = {"Objekt",
                                  "Straße 1",
                                  "04109 Leipzig",
                                  "Bearbeiterin",
                                  "Firma",
                                  "Adresse",
                                  "MFH als eingeschossige Nutzungseinheit",
                                  "windstark",
                                  "75",
                                  "187,5",
                                  "nein",
                                  "1990",
                                  "nein",
                                  "1",
                                  "1",
                                  "2",
                                  "ja",
                                  "2,5",
                                  "0,7",
                                  "mittlerer Gebäudebestand",
                                  "niedrig",
                                  "11,1",
                                  "22,2",
                                  "33,3",
                                  "44,4",
                                  "Urteil",
                                  "Kommentar eins",
                                  "Kommentar zwei"};
    const QStringList gelesen = {f.Edit2->text(),
                                 f.Edit1->text(),
                                 f.Edit4->text(),
                                 f.Edit7->text(),
                                 f.Edit3->text(),
                                 f.Edit9->text(),
                                 f.ComboBox1->text(),
                                 f.ComboBox2->text(),
                                 f.Edit6->text(),
                                 f.Edit5->text(),
                                 f.ComboBox7->text(),
                                 f.Edit11->text(),
                                 f.ComboBox8->text(),
                                 QString::number(f.RadioGroup1->itemIndex()),
                                 QString::number(f.RadioGroup2->itemIndex()),
                                 QString::number(f.RadioGroup3->itemIndex()),
                                 f.ComboBox5->text(),
                                 f.Edit8->text(),
                                 f.Edit10->text(),
                                 f.ComboBox6->text(),
                                 f.Label26->text(),
                                 f.Label27->text(),
                                 f.Label38->text(),
                                 f.Label39->text(),
                                 f.Label28->text(),
                                 f.Label31->text(),
                                 f.Label49->text(),
                                 f.Label63->text()};
    QCOMPARE(gelesen, erwartet);

    // "nein" to "Neubau ?" shows the year and the renovation question; "ja"
    // to the measured value hides the default category and leaves the
    // measured fields white.
    for (QWidget *w : std::initializer_list<QWidget *>{f.Edit11, f.ComboBox8, f.Label21, f.Label29})
        QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
    for (QWidget *w : std::initializer_list<QWidget *>{f.ComboBox6, f.Label19, f.Label62})
        QVERIFY2(w->isHidden(), qPrintable(w->objectName()));
    QCOMPARE(f.Edit8->palette().color(QPalette::Base), f.normaleFeldfarbe());
    QCOMPARE(f.Edit10->palette().color(QPalette::Base), f.normaleFeldfarbe());
}

void TestProjektbefehle::ganzzahlAusSlot_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("-1: keine Auswahl") << QByteArray("-1") << -1;
    QTest::newRow("leer: 0") << QByteArray() << 0;
    QTest::newRow("führende Blanks") << QByteArray("  1") << 1;
    QTest::newRow("Vorzeichen +") << QByteArray("+1") << 1;
    QTest::newRow("Ziffern vor Buchstaben") << QByteArray("1abc") << 1;
    QTest::newRow("kein Zahltext: 0") << QByteArray("ja") << 0;
    QTest::newRow("unter -1: keine Auswahl") << QByteArray("-7") << -1;
    QTest::newRow("über dem letzten Eintrag") << QByteArray("9") << 1;
}

void TestProjektbefehle::ganzzahlAusSlot()
{
    QFETCH(QByteArray, text);
    QFETCH(int, index);
    QByteArray datei(1109, '\0');
    datei[474] = char(text.size());
    datei.replace(475, text.size(), text);
    anlegen(pfad("a.lkz"), datei);

    Projektaufbau b;
    oeffnen(b, "a.lkz");
    QCOMPARE(b.form.RadioGroup1->itemIndex(), index);
}

// Right after start no recalculation has run: the result labels hold their
// design-time captions, and opening shows the three verdict captions.
void TestProjektbefehle::gleichNachDemStart()
{
    Projektaufbau a;
    speichern(a, "start.lkz");
    const QStringList ergebnisse = {"Ergebnis WS", "Ergebnis FS", "Ergebnis RL", "Ergebnis NL",
                                    "Ergebnis I",  "Ergebnis",    "Kommentar1",  "Kommentar2"};
    QStringList gespeichert;
    for (F feld : {F::ErgebnisWS, F::ErgebnisFS, F::ErgebnisRL, F::ErgebnisNL, F::ErgebnisI, F::Ergebnis, F::Kommentar1,
                   F::Kommentar2})
        gespeichert << a.daten.text(feld);
    QCOMPARE(gespeichert, ergebnisse);
    QCOMPARE(a.daten.text(F::FensterloseRaeume), QString("-1"));
    QCOMPARE(a.daten.text(F::WeitereAnforderungen), QString("1"));
    QCOMPARE(a.daten.text(F::AnforderungenSHE), QString("0"));

    Projektaufbau b;
    oeffnen(b, "start.lkz");
    QCOMPARE(b.form.Label31->text(), QString("Ergebnis"));
    QCOMPARE(b.form.Label49->text(), QString("Kommentar1"));
    QCOMPARE(b.form.Label63->text(), QString("Kommentar2"));
    QVERIFY(Fensterbild(b.form).urteileSichtbar);
    QCOMPARE(b.form.RadioGroup1->itemIndex(), -1);
}

void TestProjektbefehle::gekuerzteTexte()
{
    Projektaufbau a;
    const QString objekt = QString("Mehrfamilienhaus mit Tiefgarage und Läden");  // 41
    a.form.Edit2->setText(objekt + "abcd");
    a.form.ComboBox6->setText(KategorieMFH);
    a.form.seite().setzeText(Steuerelement::Label31, (QString(118, QLatin1Char('u')) + "äß").toStdString());
    a.form.seite().setzeText(Steuerelement::Label49, std::string(125, 'k'));
    speichern(a, "lang.lkz");

    const QByteArray datei = dateiinhalt(pfad("lang.lkz"));
    QCOMPARE(datei.mid(600, 41),
             QByteArray("\x28"
                        "freie L\xfc"
                        "ftung bei Modernisierung in MFH "));
    QCOMPARE(datei.at(0), char(40));
    QCOMPARE(datei.at(867), char(120));

    Projektaufbau b;
    oeffnen(b, "lang.lkz");
    QCOMPARE(b.form.Edit2->text(), objekt.left(40));
    QCOMPARE(b.form.ComboBox6->text(), KategorieMFH);
    QCOMPARE(b.form.Label31->text(), QString(118, QLatin1Char('u')) + "äß");
    QCOMPARE(b.form.Label49->text(), QString(120, QLatin1Char('k')));
    // Both long texts show their beginning.
    QCOMPARE(b.form.Edit2->cursorPosition(), 0);
    QCOMPARE(b.form.ComboBox6->lineEdit()->cursorPosition(), 0);
}

// A cut category from a file comes back as the whole category, so the next
// keystroke computes with its air tightness, as after choosing it by hand.
void TestProjektbefehle::langeKategorieRechnetWeiter()
{
    Projektaufbau a;
    Zustaende[6].herstellen(a.form);  // Bestand 2001, EFH: the EFH modernisation category
    QCOMPARE(a.form.ComboBox6->text(), KategorieEFH);
    speichern(a, "efh.lkz");

    Projektaufbau b;
    oeffnen(b, "efh.lkz");
    QCOMPARE(b.form.ComboBox6->text(), KategorieEFH);
    b.form.Edit6->setText("100");

    Projektaufbau c;
    Zustaende[6].herstellen(c.form);
    c.form.Edit6->setText("100");

    QCOMPARE(b.form.Edit8->text(), c.form.Edit8->text());
    QCOMPARE(b.form.Label28->text(), c.form.Label28->text());
    QCOMPARE(b.form.Label31->text(), c.form.Label31->text());
}

void TestProjektbefehle::datumBleibt()
{
    Projektaufbau a;
    a.form.datum->setDate(QDate(2009, 1, 1));
    speichern(a, "a.lkz");
    QCOMPARE(a.daten.text(F::Bearbeitungsdatum), Datumstext(QDate(2009, 1, 1)));

    Projektaufbau b;
    b.form.datum->setDate(QDate(2011, 7, 15));
    oeffnen(b, "a.lkz");
    QCOMPARE(b.form.datum->date(), QDate(2011, 7, 15));
}

void TestProjektbefehle::speichernAbbrechen()
{
    Projektaufbau a;
    a.form.Edit2->setText("Haus");
    Antwort abbrechen;
    Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, abbrechen.wahl());
    QCOMPARE(abbrechen.gefragt, 1);
    QCOMPARE(a.form.windowTitle(), Titelanfang);
    QVERIFY(a.form.windowTitle().endsWith("Projekt:      "));
    QVERIFY(a.Projektname.isEmpty());
    QCOMPARE(dateien(), QStringList());
    QCOMPARE(a.daten.text(F::Objektbezeichnung), QString("Haus"));

    speichern(a, "a.lkz");
    const QByteArray gespeichert = dateiinhalt(pfad("a.lkz"));
    a.form.Edit2->setText("anders");
    Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, abbrechen.wahl());
    QCOMPARE(abbrechen.vorschlag, pfad("a.lkz"));
    QCOMPARE(a.form.windowTitle(), Titelanfang + pfad("a.lkz"));
    QCOMPARE(a.Projektname, pfad("a.lkz"));
    QCOMPARE(dateiinhalt(pfad("a.lkz")), gespeichert);
}

void TestProjektbefehle::oeffnenAbbrechen()
{
    Projektaufbau b;
    b.form.Edit2->setText("bleibt");
    b.form.RadioGroup1->setItemIndex(1);
    const Fensterbild vorher(b.form);
    const QByteArray daten = alsBytes(b.daten);
    QVERIFY(!b.form.Panel6->isHidden());

    Antwort abbrechen;
    ffnen1Click(b.form, b.daten, b.Projektname, b.bindung, abbrechen.wahl());

    QCOMPARE(abbrechen.gefragt, 1);
    QCOMPARE(Fensterbild(b.form).werte, vorher.werte);
    QCOMPARE(alsBytes(b.daten), daten);
    QCOMPARE(b.form.windowTitle(), Titelanfang);
    QVERIFY(b.form.Panel6->isHidden());
}

// Cancelled at start, "Öffnen" shows the empty work page; its results stay
// hidden until an input follows the first answer.
void TestProjektbefehle::oeffnenAbbrechenNachDemStart()
{
    Projektaufbau b;
    Antwort abbrechen;
    ffnen1Click(b.form, b.daten, b.Projektname, b.bindung, abbrechen.wahl());
    QVERIFY(b.form.Panel6->isHidden());
    const QString ergebnis = b.form.Label27->text();
    b.form.RadioGroup1->setItemIndex(1);
    QVERIFY(b.form.Label26->isHidden());
    QCOMPARE(b.form.Label27->text(), ergebnis);
    for (QLabel *urteil : {b.form.Label31, b.form.Label49, b.form.Label63})
        QVERIFY2(urteil->isHidden() && urteil->text().isEmpty(), qPrintable(urteil->objectName()));
}

// Result and verdict texts from a file are shown as they stand, never
// read as markup (which could make a label load a file).
void TestProjektbefehle::ergebnistexteOhneMarkup()
{
    const QByteArray markup = "<b>f</b><img src=a>";
    QByteArray datei(1109, '\0');
    for (int offset : {641, 662, 683, 704, 725, 746, 867, 988}) {
        datei[offset] = char(markup.size());
        datei.replace(offset + 1, markup.size(), markup);
    }
    anlegen(pfad("markup.lkz"), datei);
    Projektaufbau b;
    oeffnen(b, "markup.lkz");
    b.form.show();
    for (QLabel *label : {b.form.Label26, b.form.Label27, b.form.Label38, b.form.Label39, b.form.Label28,
                          b.form.Label31, b.form.Label49, b.form.Label63}) {
        QCOMPARE(label->text(), QString::fromLatin1(markup));
        // Shown as text, the tags take their room; as markup they would not.
        QVERIFY2(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
    }
}

// The bytes after a shorter text keep what a longer one left there.
void TestProjektbefehle::reste()
{
    Projektaufbau a;
    a.form.Edit2->setText("Mehrfamilienhaus");
    speichern(a, "a.lkz");
    a.form.Edit2->setText("Haus");
    speichern(a, "a.lkz");
    QCOMPARE(dateiinhalt(pfad("a.lkz")).left(17),
             QByteArray("\x04"
                        "Hausfamilienhaus"));

    Projektaufbau b;
    oeffnen(b, "a.lkz");
    QCOMPARE(b.form.Edit2->text(), QString("Haus"));
}

void TestProjektbefehle::neuBehaeltNamenUndTitel()
{
    Projektaufbau a;
    a.form.Edit2->setText("Erstes Projekt");
    speichern(a, "erstes.lkz");
    const QString titel = a.form.windowTitle();
    const QByteArray vorher = alsBytes(a.daten);

    a.form.Neu1Click();
    QCOMPARE(a.form.windowTitle(), titel);
    QCOMPARE(a.Projektname, pfad("erstes.lkz"));
    QByteArray geleert = vorher;
    for (int offset : {0,   41,  82,  123, 164, 205, 246, 287, 328, 369, 390, 411, 432, 453, 474,
                       495, 516, 537, 558, 579, 600, 641, 662, 683, 704, 725, 746, 867, 988})
        geleert[offset] = '\0';
    QCOMPARE(alsBytes(a.daten), geleert);

    Antwort abbrechen;
    Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, abbrechen.wahl());
    QCOMPARE(abbrechen.vorschlag, pfad("erstes.lkz"));
}

enum class Dazwischen {
    Nichts,
    WiederGeoeffnet,
    Neu,
    NeueEinheit,
    AndereGeoeffnet,
    AnderesProgramm,
    Kopie,
    KopieGeaendert
};

void TestProjektbefehle::ersetzenFragen_data()
{
    QTest::addColumn<Dazwischen>("dazwischen");
    QTest::addColumn<bool>("ja");
    QTest::addColumn<bool>("gefragt");
    QTest::newRow("dasselbe Projekt") << Dazwischen::Nichts << false << false;
    QTest::newRow("wieder geöffnet") << Dazwischen::WiederGeoeffnet << false << false;
    QTest::newRow("nach Neu, Ja") << Dazwischen::Neu << true << true;
    QTest::newRow("nach Neu, Nein") << Dazwischen::Neu << false << true;
    QTest::newRow("nach Neue Nutzungseinheit") << Dazwischen::NeueEinheit << false << true;
    QTest::newRow("andere Einheit geöffnet") << Dazwischen::AndereGeoeffnet << false << true;
    QTest::newRow("von anderem Programm geändert") << Dazwischen::AnderesProgramm << false << true;
    QTest::newRow("aus Kopie ungespeicherter Eingaben") << Dazwischen::Kopie << false << false;
    QTest::newRow("aus Kopie, Datei inzwischen geändert") << Dazwischen::KopieGeaendert << false << true;
}

// Saving WE 1 again replaces its file at once; any other project saved onto
// it asks first, and "Nein" leaves the file as it was.
void TestProjektbefehle::ersetzenFragen()
{
    QFETCH(Dazwischen, dazwischen);
    QFETCH(bool, ja);
    QFETCH(bool, gefragt);
    Projektaufbau a;
    a.form.Edit2->setText("WE 1");
    speichern(a, "WE 1.lkz");
    QVERIFY(QFile::copy(pfad("WE 1.lkz"), pfad("WE 2.lkz")));
    QString vorschlag;
    switch (dazwischen) {
    case Dazwischen::WiederGeoeffnet: oeffnen(a, "WE 1.lkz"); break;
    case Dazwischen::Neu: a.form.Neu1Click(); break;
    case Dazwischen::NeueEinheit: NeueNutzungseinheit1Click(a.form, a.Projektname, a.bindung, vorschlag); break;
    case Dazwischen::AndereGeoeffnet: oeffnen(a, "WE 2.lkz"); break;
    case Dazwischen::AnderesProgramm:
    case Dazwischen::KopieGeaendert: {
        const QByteArray kopie =
            StandZuBytes({QByteArray(TProjektdaten::Groesse, 0), a.Projektname, {}, a.bindung, {}});
        Projektaufbau b;
        b.form.Edit2->setText("WE 1 aus dem anderen Programm");
        speichern(b, "WE 1.lkz");
        if (dazwischen == Dazwischen::KopieGeaendert)
            a.bindung = StandAusBytes(kopie)->bindung;
        break;
    }
    case Dazwischen::Kopie: {
        const QByteArray kopie =
            StandZuBytes({QByteArray(TProjektdaten::Groesse, 0), a.Projektname, {}, a.bindung, {}});
        a.bindung.loesen();
        a.bindung = StandAusBytes(kopie)->bindung;
        break;
    }
    case Dazwischen::Nichts: break;
    }
    const QByteArray vorher = dateiinhalt(pfad("WE 1.lkz"));
    const QString name = a.Projektname;
    a.form.Edit2->setText("WE 2");
    Antwort antwort(pfad("WE 1.lkz"), ja);
    const bool geschrieben = Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, antwort.wahl());

    QCOMPARE(antwort.ersetzenGefragt, gefragt ? QStringList{pfad("WE 1.lkz")} : QStringList());
    // Its own file changed by another program is asked about as such.
    QCOMPARE(antwort.fremdGeaendert,
             dazwischen == Dazwischen::AnderesProgramm || dazwischen == Dazwischen::KopieGeaendert);
    QCOMPARE(geschrieben, !gefragt || ja);
    QCOMPARE(dateiinhalt(pfad("WE 1.lkz")).left(5), geschrieben ? QByteArray("\x04WE 2") : vorher.left(5));
    // "Nein" shows the dialog again, where this user cancels.
    QCOMPARE(antwort.gefragt, geschrieben ? 1 : 2);
    QCOMPARE(a.Projektname, geschrieben ? pfad("WE 1.lkz") : name);
}

void TestProjektbefehle::langeDatei()
{
    Projektaufbau a;
    a.form.Edit2->setText("mit Anhang");
    speichern(a, "a.lkz");
    anlegen(pfad("lang.lkz"), dateiinhalt(pfad("a.lkz")) + QByteArray(91, '\x7f'));

    Projektaufbau b;
    oeffnen(b, "lang.lkz");
    QCOMPARE(b.form.Edit2->text(), QString("mit Anhang"));
    QCOMPARE(alsBytes(b.daten), dateiinhalt(pfad("a.lkz")));
}

void TestProjektbefehle::speichernScheitert_data()
{
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<int>("aufruf");  // 0 write(), 1 full disk, 2 I/O error
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Ordner fehlt") << "fehlt/neu.lkz" << 0 << "Ungültiger Dateiname.";
    QTest::newRow("Datei als Ordner") << "alt.lkz/neu.lkz" << 0 << "Ungültiger Dateiname.";
    QTest::newRow("Ordner als Datei") << "ordner.lkz" << 0 << "Dateizugriff verweigert.";
    QTest::newRow("Platte voll") << "alt.lkz" << 1 << "Zu wenig Speicherplatz.";
    QTest::newRow("E/A-Fehler") << "alt.lkz" << 2 << QString("E/A-Fehler %1.").arg(EIO);
    QTest::newRow("Ordner verschwindet nach dem Dialog") << "weg/neu.lkz" << 0 << "Ungültiger Dateiname.";
    QTest::newRow("Name länger als erlaubt") << QString(300, 'n') + ".lkz" << 0 << "Ungültiger Dateiname.";
    QTest::newRow("FIFO als Ziel") << "fifo.lkz" << 0 << "Dateizugriff verweigert.";
}

// The title shows the chosen file's name only, the project name and the
// file that was to be replaced stay as they were, nothing half-written is
// left.
void TestProjektbefehle::speichernScheitert()
{
    QFETCH(QString, ziel);
    QFETCH(int, aufruf);
    QFETCH(QString, meldung);
    QVERIFY(QDir().mkdir(pfad("ordner.lkz")));
    QVERIFY(QDir().mkdir(pfad("weg")));
    QCOMPARE(::mkfifo(QFile::encodeName(pfad("fifo.lkz")).constData(), 0600), 0);
    Projektaufbau a;
    a.form.Edit2->setText("alter Stand");
    speichern(a, "alt.lkz");
    const QByteArray alt = dateiinhalt(pfad("alt.lkz"));
    a.form.Edit2->setText("neuer Stand");

    const Schreibaufruf aufrufe[] = {::write, platteVoll, ein_ausgabefehler};
    Fehlerbox box;
    Antwort antwort(pfad(ziel));
    Dateiwahl wahl = antwort.wahl();
    wahl.speichern = [this, dialog = wahl.speichern](QWidget *eltern, const QString &vorschlag) {
        QDir(pfad("weg")).removeRecursively();  // while the dialog is open
        return dialog(eltern, vorschlag);
    };
    Speichern1Click(a.form, a.daten, a.Projektname, a.bindung, wahl, aufrufe[aufruf]);

    QCOMPARE(box.meldungen, QStringList{meldung});
    QVERIFY(box.richtigGestaltet);
    QCOMPARE(a.form.windowTitle(), QFileInfo(ziel).fileName());
    QCOMPARE(a.Projektname, pfad("alt.lkz"));
    QCOMPARE(dateiinhalt(pfad("alt.lkz")), alt);
    QCOMPARE(dateien(), (QStringList{"alt.lkz", "fifo.lkz", "ordner.lkz"}));
    QVERIFY(!QFileInfo(pfad("fifo.lkz")).isFile());
}

void TestProjektbefehle::oeffnenScheitert_data()
{
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<bool>("namenGesetzt");
    QTest::newRow("Datei fehlt") << "fehlt.lkz"
                                 << "Datei nicht gefunden." << false;
    QTest::newRow("Ordner fehlt") << "fehlt/a.lkz"
                                  << "Ungültiger Dateiname." << false;
    QTest::newRow("Datei als Ordner") << "leer.lkz/a.lkz"
                                      << "Ungültiger Dateiname." << false;
    QTest::newRow("Ordner als Datei") << "ordner.lkz"
                                      << "Dateizugriff verweigert." << false;
    QTest::newRow("leere Datei") << "leer.lkz"
                                 << "Versuch hinter dem Dateiende zu lesen." << true;
    QTest::newRow("Datei von 500 Bytes") << "kurz.lkz"
                                         << "Versuch hinter dem Dateiende zu lesen." << true;
    QTest::newRow("Datei von 1108 Bytes") << "1108.lkz"
                                          << "Versuch hinter dem Dateiende zu lesen." << true;
    QTest::newRow("Datei verschwindet nach dem Dialog") << "weg.lkz"
                                                        << "Datei nicht gefunden." << false;
    QTest::newRow("FIFO") << "fifo.lkz"
                          << "Dateizugriff verweigert." << false;
    QTest::newRow("Verweis auf /dev/zero") << "null.lkz"
                                           << "Dateizugriff verweigert." << false;
    QTest::newRow("Verweis auf sich selbst") << "schleife.lkz"
                                             << "Symbolische Verknüpfungen bilden eine Schleife." << false;
}

// Nothing changes on the screen; once the file could be opened, the project
// name is its path, so the next save proposes it.
void TestProjektbefehle::oeffnenScheitert()
{
    QFETCH(QString, quelle);
    QFETCH(QString, meldung);
    QFETCH(bool, namenGesetzt);
    QVERIFY(QDir().mkdir(pfad("ordner.lkz")));
    anlegen(pfad("leer.lkz"), QByteArray());
    anlegen(pfad("kurz.lkz"), QByteArray(500, 'k'));
    anlegen(pfad("1108.lkz"), QByteArray(1108, '\x05'));
    anlegen(pfad("weg.lkz"), QByteArray(1109, '\x05'));
    QCOMPARE(::mkfifo(QFile::encodeName(pfad("fifo.lkz")).constData(), 0600), 0);
    QVERIFY(QFile::link("/dev/zero", pfad("null.lkz")));
    QVERIFY(QFile::link(pfad("schleife.lkz"), pfad("schleife.lkz")));

    Projektaufbau b;
    b.form.Edit2->setText("bleibt");
    b.form.RadioGroup1->setItemIndex(0);
    speichern(b, "vorher.lkz");
    const Fensterbild vorher(b.form);
    const QString titel = b.form.windowTitle();
    const QByteArray daten = alsBytes(b.daten);
    b.form.Button2->click();  // back to the start page

    Fehlerbox box;
    Antwort antwort(pfad(quelle));
    Dateiwahl wahl = antwort.wahl();
    wahl.oeffnen = [this, dialog = wahl.oeffnen](QWidget *eltern, const QString &o) {
        QFile::remove(pfad("weg.lkz"));  // while the dialog is open
        return dialog(eltern, o);
    };
    ffnen1Click(b.form, b.daten, b.Projektname, b.bindung, wahl);

    QCOMPARE(box.meldungen, QStringList{meldung});
    QVERIFY(box.richtigGestaltet);
    QCOMPARE(Fensterbild(b.form).werte, vorher.werte);
    QCOMPARE(b.form.windowTitle(), titel);
    QVERIFY(!b.form.Panel6->isHidden());
    QCOMPARE(b.Projektname, namenGesetzt ? pfad(quelle) : pfad("vorher.lkz"));
    if (!namenGesetzt)
        QCOMPARE(alsBytes(b.daten), daten);
}

void TestProjektbefehle::schreibgeschuetztOeffnen()
{
    Projektaufbau a;
    a.form.Edit2->setText("nur lesen");
    speichern(a, "a.lkz");
    QCOMPARE(::chmod(QFile::encodeName(pfad("a.lkz")), 0444), 0);

    Fehlerbox box;
    Projektaufbau b;
    oeffnen(b, "a.lkz");
    QCOMPARE(box.meldungen, QStringList());
    QCOMPARE(b.form.Edit2->text(), QString("nur lesen"));
}

void TestProjektbefehle::fremdeDateiOeffnen_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("edit2");
    QByteArray gueltig(1109, '\0');
    gueltig[0] = 4;
    gueltig.replace(1, 4, "Haus");
    QByteArray laengen255(1109, 'L');
    for (int i = 0; i < TProjektdaten::Feldanzahl; ++i)
        laengen255[qsizetype(TProjektdaten::lage(Projektfeld(i)).offset)] = '\xff';

    QTest::newRow("1110 Bytes") << gueltig + QByteArray(1, 'x') << "Haus";
    QTest::newRow("alle Bytes 0x00") << QByteArray(1109, '\0') << "";
    QTest::newRow("alle Bytes 0xFF") << QByteArray(1109, '\xff') << QString(40, QChar(0xff));
    QTest::newRow("alle Längenbytes 255") << laengen255 << QString(40, 'L');
}

// A file that this program did not write opens without a message; no text
// is taken from beyond its slot.
void TestProjektbefehle::fremdeDateiOeffnen()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, edit2);
    anlegen(pfad("fremd.lkz"), inhalt);
    Fehlerbox box;
    Projektaufbau b;
    oeffnen(b, "fremd.lkz");
    QCOMPARE(box.meldungen, QStringList());
    QCOMPARE(b.form.Edit2->text(), edit2);
    QVERIFY(b.form.Label31->text().size() <= 120);
    for (QLineEdit *feld : {b.form.Edit1, b.form.Edit3, b.form.Edit4, b.form.Edit7, b.form.Edit9})
        QVERIFY(feld->text().size() <= 40);
}

// 100 000 characters pasted into an edit field stop at its slot's
// capacity, in a combo box at 1000 characters; saved, they are cut to
// their slots, and the file stays one record.
void TestProjektbefehle::riesigeEinfuegung()
{
    Projektaufbau a;
    a.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a.form));
    a.form.Button1->click();
    a.form.RadioGroup1->setItemIndex(1);
    Waehlen(a.form.ComboBox5, "nein");
    QApplication::clipboard()->setText(QString(100000, QChar(0xe4)));
    const std::pair<QLineEdit *, int> felder[] = {
        {a.form.Edit2, 40}, {a.form.Edit6, 20}, {a.form.ComboBox6->lineEdit(), 1000}};
    for (const auto &[feld, laenge] : felder) {
        feld->setFocus();
        feld->selectAll();
        QTest::keySequence(feld, QKeySequence::Paste);
        QCOMPARE(feld->text().size(), laenge);
    }
    speichern(a, "lang.lkz");
    const QByteArray datei = dateiinhalt(pfad("lang.lkz"));
    QCOMPARE(datei.size(), 1109);
    QCOMPARE(datei.mid(0, 41), QByteArray(1, 40) + QByteArray(40, '\xe4'));
    QCOMPARE(datei.mid(600, 41), QByteArray(1, 40) + QByteArray(40, '\xe4'));
    QCOMPARE(datei.mid(369, 21), QByteArray(1, 20) + QByteArray(20, '\xe4'));
}

void TestProjektbefehle::datumstext_data()
{
    QTest::addColumn<QString>("gebiet");
    QTest::addColumn<QString>("text");
    QTest::newRow("deutsch") << "de_DE"
                             << "01.01.2009";
    QTest::newRow("amerikanisch") << "en_US"
                                  << "1/1/2009";
    QTest::newRow("britisch") << "en_GB"
                              << "01/01/2009";
    QTest::newRow("japanisch") << "ja_JP"
                               << "2009/01/01";
}

void TestProjektbefehle::datumstext()
{
    QFETCH(QString, gebiet);
    QFETCH(QString, text);
    QCOMPARE(Datumstext(QDate(2009, 1, 1), QLocale(gebiet)), text);
}

QTEST_MAIN(TestProjektbefehle)
#include "tst_projektbefehle.moc"
