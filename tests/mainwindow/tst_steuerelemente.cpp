#include "mainwindow/Bildfeld.h"
#include "mainwindow/Datumsfeld.h"
#include "mainwindow/Kombifeld.h"
#include "mainwindow/RadioGroup.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The rules the question flow relies on when code sets a control's value.
class TestSteuerelemente : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void radioIndexVonCode_data();
    void radioIndexVonCode();
    void radioKlickDesBenutzers();
    void radioKlickAufGewaehltesEintragLoestNichtsAus();
    void radioKeineAuswahlZeigtKeinenKnopf();
    void radioGeschachtelterHandler();
    void radioIndexVorDenEintraegen();

    void kombiTextVonCodeLoestNichtsAus();
    void kombiTastendruckLoestAus();
    void kombiAuswahlAusListeLoestAus();
    void kombiUebernimmtGetipptenTextGenau();

    void editGleicherTextLoestNichtsAus();
    void versteckterKnopfVonCodeGeklickt();
    void bildfeldKlick();
    void datumGetippt_data();
    void datumGetippt();

private:
    std::unique_ptr<QWidget> fenster;
    RadioGroup *gruppe = nullptr;
    Kombifeld *kombi = nullptr;
};

void TestSteuerelemente::init()
{
    fenster = std::make_unique<QWidget>();
    fenster->resize(400, 300);
    gruppe = new RadioGroup(fenster.get());
    gruppe->setObjectName("Gruppe");
    gruppe->setGeometry(0, 0, 250, 120);
    gruppe->setItems({"nein", "eins", "zwei", "drei"});
    kombi = new Kombifeld(fenster.get());
    kombi->setGeometry(0, 150, 200, 24);
    kombi->addItems({"ja", "nein"});
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
}

void TestSteuerelemente::cleanup()
{
    fenster.reset();
}

void TestSteuerelemente::radioIndexVonCode_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<int>("gesetzt");
    QTest::addColumn<int>("nachher");
    QTest::addColumn<int>("klicks");

    QTest::newRow("keine → 2: ein Klick") << -1 << 2 << 2 << 1;
    QTest::newRow("2 → 0: ein Klick") << 2 << 0 << 0 << 1;
    QTest::newRow("2 → 2: nichts") << 2 << 2 << 2 << 0;
    QTest::newRow("2 → -1: keine Auswahl, kein Klick") << 2 << -1 << -1 << 0;
    QTest::newRow("2 → -7 zählt als -1") << 2 << -7 << -1 << 0;
    QTest::newRow("1 → 9 zählt als letzter Eintrag") << 1 << 9 << 3 << 1;
    QTest::newRow("3 → 9 ist schon der letzte: nichts") << 3 << 9 << 3 << 0;
}

void TestSteuerelemente::radioIndexVonCode()
{
    QFETCH(int, vorher);
    QFETCH(int, gesetzt);
    gruppe->setItemIndex(vorher);
    QSignalSpy klicks(gruppe, &RadioGroup::geklickt);
    gruppe->setItemIndex(gesetzt);
    QTEST(gruppe->itemIndex(), "nachher");
    QTEST(int(klicks.count()), "klicks");
    const auto knoepfe = gruppe->findChildren<QRadioButton *>();
    for (QRadioButton *knopf : knoepfe)
        QCOMPARE(knopf->isChecked(), knopf->objectName() == "Gruppe_" + QString::number(gruppe->itemIndex()));
}

void TestSteuerelemente::radioKlickDesBenutzers()
{
    QSignalSpy klicks(gruppe, &RadioGroup::geklickt);
    auto *zwei = gruppe->findChild<QRadioButton *>("Gruppe_2");
    QTest::mouseClick(zwei, Qt::LeftButton, {}, QPoint(6, zwei->height() / 2));
    QCOMPARE(gruppe->itemIndex(), 2);
    QCOMPARE(klicks.count(), 1);
    auto *eins = gruppe->findChild<QRadioButton *>("Gruppe_1");
    QTest::mouseClick(eins, Qt::LeftButton, {}, QPoint(6, eins->height() / 2));
    QCOMPARE(gruppe->itemIndex(), 1);
    QCOMPARE(klicks.count(), 2);
    QVERIFY(eins->isChecked());
    QVERIFY(!zwei->isChecked());
}

void TestSteuerelemente::radioKlickAufGewaehltesEintragLoestNichtsAus()
{
    gruppe->setItemIndex(1);
    QSignalSpy klicks(gruppe, &RadioGroup::geklickt);
    auto *eins = gruppe->findChild<QRadioButton *>("Gruppe_1");
    QTest::mouseClick(eins, Qt::LeftButton, {}, QPoint(6, eins->height() / 2));
    QCOMPARE(klicks.count(), 0);
    QCOMPARE(gruppe->itemIndex(), 1);
    QVERIFY(eins->isChecked());
}

void TestSteuerelemente::radioKeineAuswahlZeigtKeinenKnopf()
{
    gruppe->setItemIndex(3);
    gruppe->setItemIndex(-1);
    for (QRadioButton *knopf : gruppe->findChildren<QRadioButton *>())
        QVERIFY(!knopf->isChecked());
    // After "none" a user's click selects again as usual.
    QSignalSpy klicks(gruppe, &RadioGroup::geklickt);
    auto *null = gruppe->findChild<QRadioButton *>("Gruppe_0");
    QTest::mouseClick(null, Qt::LeftButton, {}, QPoint(6, null->height() / 2));
    QCOMPARE(gruppe->itemIndex(), 0);
    QCOMPARE(klicks.count(), 1);
}

void TestSteuerelemente::radioGeschachtelterHandler()
{
    // A handler that selects in another group runs that group's handler
    // inside its own, before it goes on.
    auto *zweite = new RadioGroup(fenster.get());
    zweite->setItems({"ja", "nein"});
    zweite->setItemIndex(1);
    QStringList ablauf;
    connect(gruppe, &RadioGroup::geklickt, this, [&] {
        ablauf << "außen an";
        zweite->setItemIndex(0);
        ablauf << "außen weiter";
        zweite->setItemIndex(0);
        ablauf << "außen aus";
    });
    connect(zweite, &RadioGroup::geklickt, this, [&] { ablauf << "innen"; });
    gruppe->setItemIndex(2);
    QCOMPARE(ablauf, QStringList({"außen an", "innen", "außen weiter", "außen aus"}));
}

// Generated form code may set the index before the items: the index holds
// all the same, without a click.
void TestSteuerelemente::radioIndexVorDenEintraegen()
{
    RadioGroup neu(fenster.get());
    QSignalSpy klicks(&neu, &RadioGroup::geklickt);
    neu.setItemIndex(1);
    neu.setItems({"ja", "nein"});
    QCOMPARE(neu.itemIndex(), 1);
    QVERIFY(neu.findChild<QRadioButton *>("_1")->isChecked());
    QCOMPARE(klicks.count(), 0);
    neu.setItemIndex(0);
    QCOMPARE(klicks.count(), 1);
}

void TestSteuerelemente::kombiTextVonCodeLoestNichtsAus()
{
    QSignalSpy aenderungen(kombi, &Kombifeld::geaendert);
    kombi->setText("nein");
    kombi->setText("irgendwas");
    kombi->setText("ja");
    QCOMPARE(aenderungen.count(), 0);
    QCOMPARE(kombi->text(), QStringLiteral("ja"));
    kombi->setText("Ja ");
    QCOMPARE(kombi->text(), QStringLiteral("Ja "));
}

void TestSteuerelemente::kombiTastendruckLoestAus()
{
    kombi->setText(QString());
    QStringList texte;
    connect(kombi, &Kombifeld::geaendert, this, [&] { texte << kombi->text(); });
    QTest::keyClicks(kombi->lineEdit(), "nei");
    QCOMPARE(texte, QStringList({"n", "ne", "nei"}));
    QTest::keyClick(kombi->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(texte.last(), QStringLiteral("ne"));
}

void TestSteuerelemente::kombiAuswahlAusListeLoestAus()
{
    QStringList texte;
    connect(kombi, &Kombifeld::geaendert, this, [&] { texte << kombi->text(); });
    kombi->showPopup();
    QAbstractItemView *liste = kombi->view();
    QTRY_VERIFY(liste->isVisible());
    const QRect zeile = liste->visualRect(kombi->model()->index(1, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
    QCOMPARE(texte, QStringList({"nein"}));
}

void TestSteuerelemente::kombiUebernimmtGetipptenTextGenau()
{
    // No completion to "nein", no new item after Enter.
    kombi->setText(QString());
    QTest::keyClicks(kombi->lineEdit(), "n");
    QCOMPARE(kombi->text(), QStringLiteral("n"));
    QTest::keyClicks(kombi->lineEdit(), "ee");
    QTest::keyClick(kombi->lineEdit(), Qt::Key_Return);
    QCOMPARE(kombi->text(), QStringLiteral("nee"));
    QCOMPARE(kombi->count(), 2);
}

void TestSteuerelemente::editGleicherTextLoestNichtsAus()
{
    QLineEdit feld(fenster.get());
    QSignalSpy aenderungen(&feld, &QLineEdit::textChanged);
    feld.setText(QString());
    QCOMPARE(aenderungen.count(), 0);
    feld.setText("12");
    feld.setText("12");
    QCOMPARE(aenderungen.count(), 1);
}

void TestSteuerelemente::versteckterKnopfVonCodeGeklickt()
{
    QPushButton knopf(fenster.get());
    knopf.hide();
    QSignalSpy klicks(&knopf, &QPushButton::clicked);
    knopf.click();
    QCOMPARE(klicks.count(), 1);
}

void TestSteuerelemente::datumGetippt_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QDate>("datum");
    QTest::newRow("mit Punkten") << "15.03.2026" << QDate(2026, 3, 15);
    QTest::newRow("einstellig mit Punkten") << "1.3.2026" << QDate(2026, 3, 1);
    QTest::newRow("nur Ziffern") << "15032026" << QDate(2026, 3, 15);
    QTest::newRow("mit Kommas") << "31,12,2099" << QDate(2099, 12, 31);
}

// Tabbed into, typed as a German date, tabbed out in one step.
void TestSteuerelemente::datumGetippt()
{
    QFETCH(QString, getippt);
    QFETCH(QDate, datum);
    auto *vorher = new QLineEdit(fenster.get());
    auto *feld = new Datumsfeld(fenster.get());
    auto *nachher = new QLineEdit(fenster.get());
    feld->setDisplayFormat("dd.MM.yyyy");
    feld->setDate(QDate(2009, 1, 1));
    for (QWidget *w : {static_cast<QWidget *>(vorher), static_cast<QWidget *>(feld), static_cast<QWidget *>(nachher)})
        w->show();
    QWidget::setTabOrder(vorher, feld);
    QWidget::setTabOrder(feld, nachher);
    fenster->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    vorher->setFocus();
    QTest::keyClick(vorher, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), feld);
    QTest::keyClicks(feld, getippt);
    QTest::keyClick(feld, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nachher);
    QCOMPARE(feld->date(), datum);
}

void TestSteuerelemente::bildfeldKlick()
{
    auto *bild = new Bildfeld(fenster.get());
    bild->setGeometry(250, 150, 100, 100);
    bild->show();
    QSignalSpy klicks(bild, &Bildfeld::geklickt);
    QTest::mouseClick(bild, Qt::LeftButton);
    QTest::mouseClick(bild, Qt::RightButton);
    QCOMPARE(klicks.count(), 1);
}

QTEST_MAIN(TestSteuerelemente)
#include "tst_steuerelemente.moc"
