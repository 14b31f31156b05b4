#include "Bedienung.h"

#include "engine/Urteilstexte.h"
#include "mainwindow/Lueftung.h"

#include <QRandomGenerator>
#include <QtTest>

#include <memory>

using namespace Bedienung;

namespace {

const QString EFH = "EFH als mehrgeschossige Nutzungseinheit";
const QString MFH = "MFH als eingeschossige Nutzungseinheit";
const QString Bestand = "mittlerer Gebäudebestand";
const QString Neubau = "freie Lüftung Neubau";
const QString ModEFH = "freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE";
const QString ModMFH = "freie Lüftung bei Modernisierung in MFH als eingeschossige NE";
const QString Ausreichend1 = Urteilstexte::AusreichendZeile1;
const QString Ausreichend2 = Urteilstexte::AusreichendZeile2;
const QString Erhoeht = Urteilstexte::ErhoehteAnforderungen;
const QString ErhoehtKommentar = Urteilstexte::ErhoehteAnforderungenKommentar;

// The designer names of the page's controls, in the order of Steuerelement.
const char *const Namen[] = {
    "ComboBox1", "ComboBox2", "ComboBox5", "ComboBox6",   "ComboBox7",   "ComboBox8",   "Edit6",   "Edit8",   "Edit10",
    "Edit11",    "Label21",   "Label26",   "Label27",     "Label28",     "Label29",     "Label31", "Label38", "Label39",
    "Label40",   "Label49",   "Label63",   "Edit5",       "Label19",     "Label50",     "Label57", "Label58", "Label62",
    "Edit1",     "Edit2",     "Edit3",     "Edit4",       "Edit7",       "Edit9",       "datum",   "Panel2",  "Panel3",
    "Panel4",    "Panel5",    "Panel11",   "RadioGroup1", "RadioGroup2", "RadioGroup3",
};
static_assert(std::size(Namen) == Steuerelementanzahl);

// What a form's widgets show, in the terms of the page.
Speicherblatt::Stand Widgetstand(const QWidget &fenster, bool mitGrau)
{
    Speicherblatt::Stand stand;
    for (std::size_t i = 0; i < Steuerelementanzahl; ++i) {
        auto *w = fenster.findChild<QWidget *>(QString::fromLatin1(Namen[i]));
        stand.sichtbar[i] = !w->isHidden();
        if (auto *feld = qobject_cast<QLineEdit *>(w))
            stand.texte[i] = feld->text().toStdString();
        else if (auto *kombi = qobject_cast<Kombifeld *>(w))
            stand.texte[i] = kombi->text().toStdString();
        else if (auto *label = qobject_cast<QLabel *>(w))
            stand.texte[i] = label->text().toStdString();
        else if (auto *tag = qobject_cast<QDateEdit *>(w))
            stand.texte[i] = tag->date().toString(Qt::ISODate).toStdString();
        else if (auto *gruppe = qobject_cast<RadioGroup *>(w))
            (i == std::size_t(Steuerelement::RadioGroup1)       ? stand.radio1
                 : i == std::size_t(Steuerelement::RadioGroup2) ? stand.radio2
                                                                : stand.radio3) = gruppe->itemIndex();
    }
    if (mitGrau)
        stand.grau = fenster.findChild<QLineEdit *>(QStringLiteral("Edit8"))->palette().color(QPalette::Base)
            == TForm1::Feldgrau;
    return stand;
}

}  // namespace

// The work page answered with mouse and keyboard on the real main window.
class TestFragenablauf : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void vollstaendigerDurchgang();
    void punktWirdBeimTippenKomma();
    void baujahrZiffernweise_data();
    void baujahrZiffernweise();
    void neubauVersteckt();
    void sanierungEntscheidet();
    void gebaeudetypWechseltKategorie();
    void fensterloseRaeume();
    void erhoehteAnforderungenUndZurueck();
    void keineFensterlosenRaeume();
    void gewaehltesEintragErneutKlicken();
    void messwertVorhanden();
    void getipptesJaBeiMesswert();
    void neuLeertDieSeite();
    void neuNachAnderenAntworten();
    void projektdatenWerdenBeimNeuGeleert();
    void fensterZeigtDieSeite();

private:
    void seiteBetreten();
    bool zuSehen(QWidget *w) const { return w->isVisible(); }

    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<TForm1> form;
};

void TestFragenablauf::init()
{
    zustand = std::make_unique<Rechenzustand>();
    form = std::make_unique<TForm1>(*zustand);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    seiteBetreten();
}

void TestFragenablauf::cleanup()
{
    form.reset();
    zustand.reset();
}

void TestFragenablauf::seiteBetreten()
{
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    QVERIFY(form->Panel6->isHidden());
}

void TestFragenablauf::vollstaendigerDurchgang()
{
    Klicken(form->RadioGroup1, 1);
    Tippen(form->Edit6, "120");
    Tippen(form->Edit8, "3,0");
    Tippen(form->Edit10, "0,667");

    QCOMPARE(form->Label26->text(), QStringLiteral("hoch"));
    QCOMPARE(form->Label27->text(), QStringLiteral("43,1"));
    QCOMPARE(form->Label28->text(), QStringLiteral("96,9"));
    QCOMPARE(form->Label38->text(), QStringLiteral("100,5"));
    QCOMPARE(form->Label39->text(), QStringLiteral("143,6"));
    QCOMPARE(form->Label40->text(), QStringLiteral("150,0"));
    for (QLabel *ergebnis : {form->Label26, form->Label27, form->Label28, form->Label38, form->Label39})
        QVERIFY(zuSehen(ergebnis));
    QVERIFY(!zuSehen(form->Label40));
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::KeineMassnahme));
    QCOMPARE(form->Label49->text(), QString(Urteilstexte::NennUndReduziertSichern));
    QCOMPARE(form->Label63->text(), QString(Urteilstexte::FensterOeffnen));
    for (QLabel *urteil : {form->Label31, form->Label49, form->Label63})
        QVERIFY(zuSehen(urteil));

    // An existing, unrenovated building of 1980 without a measured value.
    Waehlen(form->ComboBox7, "nein");
    Tippen(form->Edit11, "1980");
    Waehlen(form->ComboBox8, "nein");
    Waehlen(form->ComboBox5, "nein");
    QCOMPARE(form->ComboBox6->text(), Bestand);
    QCOMPARE(form->Edit8->text(), QStringLiteral("4,5"));
    QCOMPARE(form->Edit10->text(), QStringLiteral("0,667"));
    QCOMPARE(form->Label26->text(), QStringLiteral("niedrig"));
    QCOMPARE(form->Label27->text(), QStringLiteral("57,4"));
    QCOMPARE(form->Label28->text(), QStringLiteral("145,4"));
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::KeineMassnahme));
    QCOMPARE(form->Label49->text(), QString());

    // Flat in a multi-family house, 80 m², new building.
    Waehlen(form->ComboBox1, MFH);
    Waehlen(form->ComboBox7, "ja");
    Tippen(form->Edit6, "80");
    QCOMPARE(form->ComboBox6->text(), Neubau);
    QCOMPARE(form->Label27->text(), QStringLiteral("31,7"));
    QCOMPARE(form->Label28->text(), QStringLiteral("17,5"));
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::MassnahmeErforderlich));
    QCOMPARE(form->Label63->text(), QString());

    Waehlen(form->ComboBox2, "windstark");
    QCOMPARE(zustand->Druckdifferenz, 4);
    QCOMPARE(form->Label28->text(), QStringLiteral("27,8"));
}

void TestFragenablauf::punktWirdBeimTippenKomma()
{
    Klicken(form->RadioGroup1, 1);
    Tippen(form->Edit8, "3");
    Tippen(form->Edit10, "0,667");
    Tippen(form->Edit6, "75.5");
    QCOMPARE(form->Edit6->text(), QStringLiteral("75,5"));
    QCOMPARE(form->Edit6->cursorPosition(), 4);
    QCOMPARE(form->Label28->text(), QStringLiteral("61,0"));
    // The next key lands behind the comma-turned point, where it belongs.
    QTest::keyClicks(form->Edit6, "0");
    QCOMPARE(form->Edit6->text(), QStringLiteral("75,50"));
}

void TestFragenablauf::baujahrZiffernweise_data()
{
    QTest::addColumn<QString>("baujahr");
    QTest::addColumn<bool>("sanierungsfrage");
    QTest::addColumn<QString>("qualitaet");

    QTest::newRow("1") << "1" << true << "hoch";
    QTest::newRow("19") << "19" << true << "hoch";
    QTest::newRow("199") << "199" << true << "hoch";
    QTest::newRow("1994 bleibt gefragt") << "1994" << true << "hoch";
    QTest::newRow("1995 versteckt die Frage") << "1995" << false << "hoch";
    QTest::newRow("1995 mit Blank zählt als 1995") << "1995 " << false << "hoch";
    QTest::newRow("Buchstaben zählen als 0") << "abc" << true << "hoch";
    QTest::newRow("leer zählt als 0") << "" << true << "hoch";
}

void TestFragenablauf::baujahrZiffernweise()
{
    QFETCH(QString, baujahr);
    QFETCH(bool, sanierungsfrage);
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox7, "nein");
    QVERIFY(zuSehen(form->Edit11));
    Tippen(form->Edit11, baujahr);
    if (baujahr.isEmpty())
        Tippen(form->Edit11, "");
    QCOMPARE(zuSehen(form->ComboBox8), sanierungsfrage);
    QCOMPARE(zuSehen(form->Label29), sanierungsfrage);
    QVERIFY(zuSehen(form->Edit11));
    QVERIFY(zuSehen(form->Label21));
    QTEST(form->Label26->text(), "qualitaet");
}

void TestFragenablauf::neubauVersteckt()
{
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox7, "nein");
    Tippen(form->Edit11, "1980");
    Waehlen(form->ComboBox8, "nein");
    QCOMPARE(form->Label26->text(), QStringLiteral("niedrig"));
    Waehlen(form->ComboBox7, "ja");
    for (QWidget *w : std::initializer_list<QWidget *>{form->Edit11, form->Label21, form->Label29, form->ComboBox8})
        QVERIFY(w->isHidden());
    QCOMPARE(form->Label26->text(), QStringLiteral("hoch"));
    QCOMPARE(form->ComboBox6->text(), Neubau);
    QCOMPARE(zustand->fWS, 0.3);
}

void TestFragenablauf::sanierungEntscheidet()
{
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox7, "nein");
    Tippen(form->Edit11, "1980");
    Waehlen(form->ComboBox8, "nein");
    QCOMPARE(form->Label26->text(), QStringLiteral("niedrig"));
    QCOMPARE(form->ComboBox6->text(), Bestand);
    Waehlen(form->ComboBox8, "ja");
    QCOMPARE(form->Label26->text(), QStringLiteral("hoch"));
    QCOMPARE(form->ComboBox6->text(), ModEFH);
    // A typed "Ja" is neither answer: the category falls back to the stock.
    Tippen(form->ComboBox8, "Ja");
    QCOMPARE(form->ComboBox6->text(), Bestand);
    QCOMPARE(form->Label26->text(), QStringLiteral("hoch"));
}

void TestFragenablauf::gebaeudetypWechseltKategorie()
{
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox7, "nein");
    Tippen(form->Edit11, "2001");
    QCOMPARE(form->ComboBox6->text(), ModEFH);
    Waehlen(form->ComboBox5, "nein");
    Waehlen(form->ComboBox6, "ventilatorgestützte Lüftung");
    QCOMPARE(form->Edit8->text(), QStringLiteral("1,0"));
    Waehlen(form->ComboBox1, MFH);
    QCOMPARE(form->ComboBox6->text(), ModMFH);
    QCOMPARE(form->Edit8->text(), QStringLiteral("1,5"));
    // A building type that matches neither leaves the stock category.
    Tippen(form->ComboBox1, "Reihenhaus");
    QCOMPARE(form->ComboBox6->text(), Bestand);
}

void TestFragenablauf::fensterloseRaeume()
{
    Klicken(form->RadioGroup1, 0);
    QCOMPARE(form->Label31->text(), Ausreichend1);
    QCOMPARE(form->Label49->text(), Ausreichend2);
    QCOMPARE(form->Label63->text(), QString());
    QVERIFY(zuSehen(form->Label31) && zuSehen(form->Label49));
    for (QLabel *hinweis : {form->Label50, form->Label57, form->Label58})
        QVERIFY(zuSehen(hinweis));
    QCOMPARE(form->Label50->text(), QStringLiteral("Auslegung erfolgt nach DIN 18017-3"));
    QVERIFY(zuSehen(form->RadioGroup2));
    QCOMPARE(form->RadioGroup2->itemIndex(), 1);
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5})
        QVERIFY(!zuSehen(panel));

    Klicken(form->RadioGroup2, 0);
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5})
        QVERIFY(zuSehen(panel));
    QVERIFY(!zuSehen(form->Label31));
    QVERIFY(!zuSehen(form->Label49));
    QCOMPARE(form->Label31->text(), QString());

    // Any input runs the calculation, whose verdict then shows.
    Tippen(form->Edit8, "3");
    Tippen(form->Edit6, "120");
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::KeineMassnahme));
    QVERIFY(zuSehen(form->Label31));

    Klicken(form->RadioGroup2, 1);
    QCOMPARE(form->Label31->text(), Ausreichend1);
    QCOMPARE(form->Label49->text(), Ausreichend2);
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5})
        QVERIFY(!zuSehen(panel));
}

void TestFragenablauf::erhoehteAnforderungenUndZurueck()
{
    Klicken(form->RadioGroup1, 0);
    Klicken(form->RadioGroup2, 0);
    Klicken(form->RadioGroup3, 1);
    QCOMPARE(form->Label31->text(), Erhoeht);
    QCOMPARE(form->Label49->text(), QString());
    QCOMPARE(form->Label63->text(), ErhoehtKommentar);
    for (QLabel *urteil : {form->Label31, form->Label49, form->Label63})
        QVERIFY(zuSehen(urteil));

    Klicken(form->RadioGroup3, 0);
    QVERIFY(zuSehen(form->Panel5));
    QCOMPARE(form->Label31->text(), Ausreichend1);
    QCOMPARE(form->Label49->text(), Ausreichend2);
    QCOMPARE(form->Label63->text(), QString());

    // Without windowless rooms, back to "nein" leaves the calculated verdict.
    Klicken(form->RadioGroup1, 1);
    Tippen(form->Edit8, "3");
    Tippen(form->Edit6, "120");
    Klicken(form->RadioGroup3, 3);
    QCOMPARE(form->Label31->text(), Erhoeht);
    Klicken(form->RadioGroup3, 0);
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::KeineMassnahme));
    QCOMPARE(form->Label63->text(), QString(Urteilstexte::FensterOeffnen));

    // The raised requirement also follows every recalculation.
    Klicken(form->RadioGroup3, 2);
    Tippen(form->Edit6, "90");
    QCOMPARE(form->Label31->text(), Erhoeht);
    QCOMPARE(form->Label49->text(), QString());
}

void TestFragenablauf::keineFensterlosenRaeume()
{
    Klicken(form->RadioGroup1, 1);
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5, form->Panel11})
        QVERIFY(zuSehen(panel));
    QVERIFY(!zuSehen(form->RadioGroup2));
    for (QLabel *urteil : {form->Label31, form->Label49, form->Label63})
        QVERIFY(!zuSehen(urteil));
    Tippen(form->Edit8, "3");
    QVERIFY(!zuSehen(form->Label31));  // no area yet, no infiltration
    Tippen(form->Edit6, "1");
    QVERIFY(zuSehen(form->Label31));
    QCOMPARE(form->Label31->text(), QString(Urteilstexte::MassnahmeErforderlich));
}

void TestFragenablauf::gewaehltesEintragErneutKlicken()
{
    Klicken(form->RadioGroup1, 0);
    Klicken(form->RadioGroup2, 0);
    Tippen(form->Edit8, "3");
    Tippen(form->Edit6, "120");
    const QString urteil = form->Label31->text();
    Klicken(form->RadioGroup1, 0);  // already selected: nothing happens
    QCOMPARE(form->RadioGroup2->itemIndex(), 0);
    QVERIFY(zuSehen(form->Panel5));
    QCOMPARE(form->Label31->text(), urteil);
}

void TestFragenablauf::messwertVorhanden()
{
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox5, "nein");
    for (QWidget *w : std::initializer_list<QWidget *>{form->ComboBox6, form->Label19, form->Label62})
        QVERIFY(zuSehen(w));
    QCOMPARE(form->Edit8->palette().color(QPalette::Base), TForm1::Feldgrau);
    QCOMPARE(form->Edit10->palette().color(QPalette::Base), TForm1::Feldgrau);
    QVERIFY(!form->Edit8->isReadOnly());
    QCOMPARE(form->Edit8->text(), QStringLiteral("1,5"));

    Waehlen(form->ComboBox5, "ja");
    for (QWidget *w : std::initializer_list<QWidget *>{form->ComboBox6, form->Label19, form->Label62})
        QVERIFY(!zuSehen(w));
    QCOMPARE(form->Edit8->palette().color(QPalette::Base), form->normaleFeldfarbe());
    QCOMPARE(form->Edit10->palette().color(QPalette::Base), form->normaleFeldfarbe());
}

void TestFragenablauf::getipptesJaBeiMesswert()
{
    // "Ja" shows the default selector like "nein" does, but the calculation
    // still reads the fields as measured values.
    Klicken(form->RadioGroup1, 1);
    Tippen(form->Edit8, "3");
    Tippen(form->Edit10, "0,667");
    Tippen(form->Edit6, "120");
    Tippen(form->ComboBox5, "Ja");
    QVERIFY(zuSehen(form->ComboBox6));
    QCOMPARE(form->Edit8->palette().color(QPalette::Base), TForm1::Feldgrau);
    QCOMPARE(form->Edit8->text(), QStringLiteral("3"));
    QCOMPARE(form->Label28->text(), QStringLiteral("96,9"));
}

void TestFragenablauf::neuLeertDieSeite()
{
    Klicken(form->RadioGroup1, 1);
    for (QLineEdit *feld :
         {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit7, form->Edit9, form->Edit6, form->Edit8})
        Tippen(feld, "12");
    form->datum->setDate(QDate(2026, 12, 7));
    form->Neu1->trigger();

    for (QLineEdit *feld : {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit7, form->Edit9, form->Edit6,
                            form->Edit5, form->Edit11, form->Edit8, form->Edit10})
        QCOMPARE(feld->text(), QString());
    QCOMPARE(form->RadioGroup1->itemIndex(), -1);
    QCOMPARE(form->RadioGroup2->itemIndex(), 1);
    QCOMPARE(form->RadioGroup3->itemIndex(), 0);
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5})
        QVERIFY(!zuSehen(panel));
    for (QLabel *urteil : {form->Label31, form->Label49, form->Label63})
        QVERIFY(!zuSehen(urteil));
    QVERIFY(zuSehen(form->Panel11));
    QCOMPARE(form->datum->date(), QDate(2026, 12, 7));
    QVERIFY(form->Panel6->isHidden());
}

void TestFragenablauf::neuNachAnderenAntworten()
{
    Klicken(form->RadioGroup1, 1);
    Waehlen(form->ComboBox7, "nein");
    Tippen(form->Edit11, "1970");
    Waehlen(form->ComboBox5, "nein");
    Tippen(form->Edit6, "100");
    QCOMPARE(form->ComboBox6->text(), ModEFH);
    QCOMPARE(form->Edit8->text(), QStringLiteral("2,0"));

    form->Button2->click();
    QVERIFY(!form->Panel6->isHidden());
    QTest::mouseClick(form->Image7, Qt::LeftButton);

    // The page matches its new answers "ja": no default selector, white and
    // empty fields, no year and no renovation question.
    QCOMPARE(form->ComboBox5->text(), QStringLiteral("ja"));
    QCOMPARE(form->ComboBox7->text(), QStringLiteral("ja"));
    QCOMPARE(form->ComboBox6->text(), Neubau);
    QCOMPARE(form->ComboBox1->text(), EFH);
    QCOMPARE(form->ComboBox2->text(), QStringLiteral("windschwach"));
    QCOMPARE(form->Edit8->text(), QString());
    QCOMPARE(form->Edit10->text(), QString());
    for (QWidget *w : std::initializer_list<QWidget *>{form->ComboBox6, form->Label19, form->Label62, form->Edit11,
                                                       form->Label21, form->Label29, form->ComboBox8})
        QVERIFY(w->isHidden());
    QCOMPARE(form->Edit8->palette().color(QPalette::Base), form->normaleFeldfarbe());
    QCOMPARE(form->Edit10->palette().color(QPalette::Base), form->normaleFeldfarbe());

    // Answering again starts from a clean page.
    Klicken(form->RadioGroup1, 1);
    for (QWidget *w : std::initializer_list<QWidget *>{form->ComboBox6, form->Edit11, form->ComboBox8})
        QVERIFY(!zuSehen(w));
    Tippen(form->Edit8, "3,0");
    Tippen(form->Edit10, "0,667");
    Tippen(form->Edit6, "120");
    QCOMPARE(form->Label27->text(), QStringLiteral("43,1"));
    QCOMPARE(form->Label28->text(), QStringLiteral("96,9"));
}

void TestFragenablauf::projektdatenWerdenBeimNeuGeleert()
{
    QStringList ablauf;
    form->seite().projektdatenLeeren = [&] {
        ablauf << QString("geleert, Gruppe 1: %1").arg(form->RadioGroup1->itemIndex());
    };
    Klicken(form->RadioGroup1, 0);
    form->Neu1->trigger();
    QCOMPARE(ablauf, QStringList({"geleert, Gruppe 1: -1"}));
}

QTEST_MAIN(TestFragenablauf)
#include "tst_fragenablauf.moc"

// The window is a view of its page: the form as designed starts as a new
// page does (its lists and groups get their answers from code, and the page
// chooses among them), and whatever the user does, every control shows what
// the page holds.
void TestFragenablauf::fensterZeigtDieSeite()
{
    QMainWindow entwurf;
    Ui::TForm1 ui;
    ui.setupUi(&entwurf);
    Speicherblatt::Stand anfang = Speicherblatt::Anfangsstand();
    for (Steuerelement liste : {Steuerelement::ComboBox1, Steuerelement::ComboBox2, Steuerelement::ComboBox5,
                                Steuerelement::ComboBox6, Steuerelement::ComboBox7, Steuerelement::ComboBox8})
        anfang.texte[std::size_t(liste)].clear();
    anfang.radio1 = anfang.radio2 = anfang.radio3 = -1;
    QCOMPARE(Widgetstand(entwurf, false), anfang);

    QRandomGenerator zufall(1946);
    const auto eines = [&](const QStringList &liste) { return liste.at(zufall.bounded(int(liste.size()))); };
    const QStringList zahlen{"", "45", "1.5", "2,0", "0,667", "1980", "abc", "120,5"};
    for (int schritt = 0; schritt < 120; ++schritt) {
        QList<RadioGroup *> gruppen;
        for (RadioGroup *g : {form->RadioGroup1, form->RadioGroup2, form->RadioGroup3})
            if (g->isVisible())
                gruppen << g;
        QList<Kombifeld *> kombis;
        for (Kombifeld *k :
             {form->ComboBox1, form->ComboBox2, form->ComboBox5, form->ComboBox6, form->ComboBox7, form->ComboBox8})
            if (k->isVisible())
                kombis << k;
        QList<QLineEdit *> felder;
        for (QLineEdit *f : {form->Edit6, form->Edit8, form->Edit10, form->Edit11, form->Edit2})
            if (f->isVisible())
                felder << f;
        switch (zufall.bounded(3)) {
        case 0:
            if (!gruppen.isEmpty()) {
                RadioGroup *g = gruppen.at(zufall.bounded(int(gruppen.size())));
                Klicken(g, zufall.bounded(int(g->items().size())));
            }
            break;
        case 1:
            if (!kombis.isEmpty()) {
                Kombifeld *k = kombis.at(zufall.bounded(int(kombis.size())));
                Waehlen(k, k->itemText(zufall.bounded(k->count())));
            }
            break;
        default:
            if (!felder.isEmpty())
                Tippen(felder.at(zufall.bounded(int(felder.size()))), eines(zahlen));
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(Widgetstand(*form, true), form->seite().stand());
    }
}
