#include "lueftung/Adressen.h"
#include "lueftung/Lueftung.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

#include <memory>

// Collects what the program hands to the desktop instead of a browser.
class Adressfaenger : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void oeffnen(const QUrl &url) { urls << url; }
};

class TestHauptfenster : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void startseite();
    void startbildZeigtLeereArbeitsseite();
    void zurueckBehaeltEingaben();
    void zurueckUndNeuSetztZurueck();
    void neuAufDerStartseite();
    void menue();
    void adressen_data();
    void adressen();
    void adresseZuUrl_data();
    void adresseZuUrl();
    void beendenSchliesst();
    void texteNichtAbgeschnitten();
    void startbilderGeladen();

private:
    void eingabenMachen();

    Adressfaenger faenger;
    std::unique_ptr<Rechenzustand> zustand;
    std::unique_ptr<TForm1> form;
};

void TestHauptfenster::initTestCase()
{
    for (const char *schema : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(schema, &faenger, "oeffnen");
}

void TestHauptfenster::cleanupTestCase()
{
    for (const char *schema : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(schema);
}

void TestHauptfenster::init()
{
    faenger.urls.clear();
    zustand = std::make_unique<Rechenzustand>();
    form = std::make_unique<TForm1>(*zustand);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestHauptfenster::cleanup()
{
    form.reset();
}

void TestHauptfenster::eingabenMachen()
{
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    auto *nein = form->RadioGroup1->findChild<QRadioButton *>("RadioGroup1_1");
    QTest::mouseClick(nein, Qt::LeftButton, {}, QPoint(6, nein->height() / 2));
    QTest::keyClicks(form->Edit2, "Haus Sonnenhang");
    QTest::keyClicks(form->Edit6, "120");
    QTest::keyClicks(form->Edit8, "3");
}

void TestHauptfenster::startseite()
{
    QCOMPARE(form->windowTitle(),
             QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
    QVERIFY(form->Panel6->isVisible());
    QCOMPARE(form->Panel6->geometry(), QRect(0, 0, 977, 697));
    QCOMPARE(form->Label30->text(), QStringLiteral("Version 1.0.0.8"));
    // The start page lies on top of the whole work page.
    QCOMPARE(form->Panel1->childAt(500, 300), form->Panel7->childAt(212, 142) ? form->Panel7->childAt(212, 142) : form->Panel7);
    QVERIFY(form->Panel1->childAt(100, 100) != form->Edit2);
    QVERIFY(form->Panel11->isHidden());
    for (QPushButton *knopf : {form->Button1, form->Button5, form->Button6, form->Button7})
        QVERIFY(!knopf->isVisible());
    QCOMPARE(form->Label31->text(), QStringLiteral("Ergebnis"));
    QCOMPARE(form->Label26->text(), QStringLiteral("Ergebnis WS"));
}

void TestHauptfenster::startbildZeigtLeereArbeitsseite()
{
    // The designer's answers hold from the start, so the reset selects
    // nothing new and no verdict is written behind the user's back.
    QCOMPARE(form->RadioGroup2->itemIndex(), 1);
    QCOMPARE(form->RadioGroup3->itemIndex(), 0);
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    QVERIFY(!form->Panel6->isVisible());
    QCOMPARE(form->RadioGroup1->itemIndex(), -1);
    for (QLabel *urteil : {form->Label31, form->Label49, form->Label63})
        QCOMPARE(urteil->text(), QString());
    for (QWidget *panel : {form->Panel2, form->Panel4, form->Panel3, form->Panel5})
        QVERIFY(!panel->isVisible());
    QVERIFY(form->Panel11->isVisible());
    QVERIFY(form->RadioGroup3->isVisible());
    QCOMPARE(form->Edit10->text(), QString());
    QVERIFY(form->Panel1->childAt(200, 40) == form->Edit2 ||
            form->Edit2->geometry().contains(form->Panel9->mapFrom(form->Panel1, QPoint(200, 40))));
}

void TestHauptfenster::zurueckBehaeltEingaben()
{
    eingabenMachen();
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    QVERIFY(form->Panel6->isVisible());
    form->Button1->click();
    QCOMPARE(form->Edit2->text(), QStringLiteral("Haus Sonnenhang"));
    QCOMPARE(form->Edit6->text(), QStringLiteral("120"));
    QCOMPARE(form->RadioGroup1->itemIndex(), 1);
    QVERIFY(form->Panel5->isVisible());
}

void TestHauptfenster::zurueckUndNeuSetztZurueck()
{
    eingabenMachen();
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    QCOMPARE(form->Edit2->text(), QString());
    QCOMPARE(form->RadioGroup1->itemIndex(), -1);

    eingabenMachen();
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    form->Neu1->trigger();
    QVERIFY(!form->Panel6->isVisible());
    QCOMPARE(form->Edit6->text(), QString());
    QVERIFY(!form->Panel5->isVisible());
}

void TestHauptfenster::neuAufDerStartseite()
{
    form->Neu1->trigger();
    QVERIFY(!form->Panel6->isVisible());
    QVERIFY(form->Panel11->isVisible());
    QCOMPARE(form->Edit10->text(), QString());
}

void TestHauptfenster::menue()
{
    const QList<QAction *> menues = form->menuBar()->actions();
    QCOMPARE(menues.size(), 2);
    QCOMPARE(menues[0]->text(), QStringLiteral("Programm"));
    QCOMPARE(menues[1]->text(), QStringLiteral("?"));
    QStringList programm;
    for (QAction *a : menues[0]->menu()->actions())
        if (!a->isSeparator())
            programm << a->text();
    QCOMPARE(programm, QStringList({"Neu", "Öffnen", "Speichern", "Druckereinstellung",
                                    "Ergebnis drucken", "Beenden"}));
    QStringList hilfe;
    for (QAction *a : menues[1]->menu()->actions())
        if (a->isVisible())
            hilfe << a->text();
    QCOMPARE(hilfe, QStringList({"Logoeinbindung", "Informationen zur DIN 1946-6",
                                 "Info zu Morvendix", "Kontakt zum LKZ",
                                 "Überlassungsbedingungen"}));
    QVERIFY(!form->berlassungsbedingungen2->isVisible());
}

void TestHauptfenster::adressen_data()
{
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("Verbandslogo → Hersteller") << "Image2" << QUrl("http://www.luvanto.example");
    QTest::newRow("Herstellerlogo → Hersteller") << "Image6" << QUrl("http://www.luvanto.example");
    QTest::newRow("Softwarelogo → Softwarehaus") << "Image1" << QUrl("http://www.morvendix.example");
}

void TestHauptfenster::adressen()
{
    QFETCH(QString, bild);
    QTest::mouseClick(form->findChild<QLabel *>(bild), Qt::LeftButton);
    QFETCH(QUrl, url);
    QCOMPARE(faenger.urls, QList<QUrl>({url}));
}

void TestHauptfenster::adresseZuUrl_data()
{
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("nackter Hostname") << "www.luvanto.example" << QUrl("http://www.luvanto.example");
    QTest::newRow("mailto mit Blank") << "mailto: kontakt@lkz-lueftung.example"
                                      << QUrl("mailto:kontakt@lkz-lueftung.example");
    QTest::newRow("mit Schema bleibt") << "https://www.morvendix.example/x"
                                       << QUrl("https://www.morvendix.example/x");
}

void TestHauptfenster::adresseZuUrl()
{
    QFETCH(QString, adresse);
    QFETCH(QUrl, url);
    QCOMPARE(AdresseZuUrl(adresse), url);
}

void TestHauptfenster::beendenSchliesst()
{
    form->Kontakt1->trigger();
    QCOMPARE(faenger.urls, QList<QUrl>({QUrl("mailto:kontakt@lkz-lueftung.example")}));
    form->Beenden1->trigger();
    QVERIFY(!form->isVisible());
}

// Every caption fits its control and every control lies inside its parent.
void TestHauptfenster::texteNichtAbgeschnitten()
{
    // Windowless rooms "ja" shows both question groups with their layouts.
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    form->RadioGroup1->setItemIndex(0);
    QStringList fehler;
    for (QLabel *label : form->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const int breite = QFontMetrics(label->font()).horizontalAdvance(label->text());
        if (breite > label->width())
            fehler << QString("%1 (%2 > %3)").arg(label->objectName()).arg(breite).arg(label->width());
        if (!label->parentWidget()->rect().contains(label->geometry()))
            fehler << label->objectName() + " ragt aus " + label->parentWidget()->objectName();
    }
    for (QAbstractButton *knopf : form->findChildren<QAbstractButton *>()) {
        if (knopf->isHidden())
            continue;
        if (knopf->sizeHint().width() > knopf->width())
            fehler << QString("%1 (%2 > %3)").arg(knopf->objectName()).arg(knopf->sizeHint().width()).arg(knopf->width());
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(", ")));
}

void TestHauptfenster::startbilderGeladen()
{
    for (QLabel *bild : std::initializer_list<QLabel *>{form->Image1, form->Image2, form->Image3, form->Image4, form->Image5,
                         form->Image6, form->Image7}) {
        QVERIFY2(!bild->pixmap().isNull(), qPrintable(bild->objectName()));
        QCOMPARE(bild->pixmap().size(), bild->size());
    }
    QVERIFY(!form->windowIcon().isNull());
}

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
