#include "mainwindow/Adressen.h"
#include "mainwindow/Lueftung.h"
#include "windowkit/Tooltipumbruch.h"
#include "windowkit/Version.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>
#include <qtestspontaneevent.h>

#include <map>
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

    void startseite_data();
    void startseite();
    void startbildZeigtLeereArbeitsseite();
    void zurueckBehaeltEingaben();
    void zurueckUndNeuSetztZurueck();
    void neuAufDerStartseite();
    void menue();
    void tastenkuerzel_data();
    void tastenkuerzel();
    void tabReihenfolge_data();
    void tabReihenfolge();
    void mausradNurMitFokus_data();
    void mausradNurMitFokus();
    void langeKategorieVomAnfang();
    void adressen_data();
    void adressen();
    void adresseZuUrl_data();
    void adresseZuUrl();
    void beendenSchliesst();
    void texteNichtAbgeschnitten();
    void startbilderGeladen();
    void tooltipImFenster();

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

void TestHauptfenster::startseite_data()
{
    // Windows' style gives the menu bar a pixel more than its size hint.
    QTest::addColumn<QString>("stil");
    QTest::newRow("Fusion") << "Fusion";
    QTest::newRow("Windows") << "Windows";
}

void TestHauptfenster::startseite()
{
    QFETCH(QString, stil);
    const QString vorher = QApplication::style()->name();
    const auto zurueck = qScopeGuard([&] { QApplication::setStyle(vorher); });
    if (stil.compare(vorher, Qt::CaseInsensitive) != 0) {
        form.reset();
        QApplication::setStyle(stil);
        init();
    }
    QCOMPARE(form->windowTitle(),
             QStringLiteral("Notwendigkeit lüftungstechnischer Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
    QVERIFY(form->Panel6->isVisible());
    QCOMPARE(form->Panel6->geometry(), QRect(0, 0, 977, 697));
    // On a screen with room for it, the window has the design's size and
    // place, and nothing scrolls.
    QCOMPARE(form->pos(), QPoint(148, 114));
    QCOMPARE(form->size(), QSize(977, 705 + form->menuBar()->height()));
    auto *rolle = form->findChild<QScrollArea *>("Rollflaeche");
    QVERIFY(!rolle->verticalScrollBar()->isVisible() && !rolle->horizontalScrollBar()->isVisible());
    QCOMPARE(form->Label30->text(), Versionstext);
    // The start page lies on top of the whole work page.
    QCOMPARE(form->Panel1->childAt(500, 300),
             form->Panel7->childAt(212, 142) ? form->Panel7->childAt(212, 142) : form->Panel7);
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
    QCOMPARE(form->focusWidget(), form->Edit2);
    QVERIFY(form->Panel1->childAt(200, 40) == form->Edit2
            || form->Edit2->geometry().contains(form->Panel9->mapFrom(form->Panel1, QPoint(200, 40))));
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

// The captions with their mnemonics; the visible texts are the menu's own.
void TestHauptfenster::menue()
{
    const QList<QAction *> menues = form->menuBar()->actions();
    QCOMPARE(menues.size(), 2);
    QCOMPARE(menues[0]->text(), QStringLiteral("&Programm"));
    QCOMPARE(menues[1]->text(), QStringLiteral("&?"));
    QStringList programm;
    for (QAction *a : menues[0]->menu()->actions())
        if (!a->isSeparator())
            programm << a->text();
    QCOMPARE(programm,
             QStringList({"&Neu", "Neue &Nutzungseinheit", "Ö&ffnen", "&Zuletzt verwendet", "&Speichern",
                          "Verworfene &Eingaben wiederherstellen", "Dr&uckereinstellung", "Ergebnis &drucken",
                          "Ergebnis als &PDF speichern …", "Druck&vorschau", "&Rechenweg …", "&Gebäudeübersicht …",
                          "&Beenden"}));
    QCOMPARE(form->Rechenweg1->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QCOMPARE(form->NeueNutzungseinheit1->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    QStringList hilfe;
    for (QAction *a : menues[1]->menu()->actions())
        if (a->isVisible() && !a->isSeparator())
            hilfe << a->text();
    QCOMPARE(hilfe,
             QStringList({"&Handbuch", "&Logoeinbindung", "&Informationen zur DIN 1946-6", "Info zu &Morvendix",
                          "&Kontakt zum LKZ", "Ü&berlassungsbedingungen"}));
    QVERIFY(!form->berlassungsbedingungen2->isVisible());
    QCOMPARE(form->Handbuch1->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestHauptfenster::tastenkuerzel_data()
{
    QTest::addColumn<QString>("aktion");
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("fokus");  // afterwards
    QTest::newRow("Strg+N Neu") << "Neu1" << int(Qt::Key_N) << "Edit2";
    QTest::newRow("Strg+O Öffnen") << "ffnen1" << int(Qt::Key_O) << "datum";
    QTest::newRow("Strg+S Speichern") << "Speichern1" << int(Qt::Key_S) << "datum";
    QTest::newRow("Strg+P Ergebnis drucken") << "Drucken1" << int(Qt::Key_P) << "datum";
    QTest::newRow("Strg+Q Beenden") << "Beenden1" << int(Qt::Key_Q) << "datum";
}

// Pressed in a field of the work page, each shortcut runs its menu item
// and no other; "Neu" puts the cursor into the first field.
void TestHauptfenster::tastenkuerzel()
{
    QFETCH(QString, aktion);
    QFETCH(int, taste);
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->datum->setFocus();
    QList<QAction *> aktionen = form->findChildren<QAction *>();
    std::map<QString, int> ausgeloest;
    for (QAction *a : aktionen)
        connect(a, &QAction::triggered, this, [&ausgeloest, a] { ++ausgeloest[a->objectName()]; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(taste), Qt::ControlModifier);
    QCOMPARE(ausgeloest, (std::map<QString, int>{{aktion, 1}}));
    QTEST(form->focusWidget()->objectName(), "fokus");
}

void TestHauptfenster::tabReihenfolge_data()
{
    QTest::addColumn<int>("fensterlos");
    QTest::addColumn<QString>("neubau");
    QTest::addColumn<QString>("messwert");
    QTest::addColumn<QStringList>("reihe");
    // Tab leaves the date in one step.
    const QStringList objekt{"Edit2", "Edit1", "Edit4", "datum", "Edit7", "Edit3", "Edit9"};
    const QStringList knoepfe{"Button2", "Button4", "Edit2"};
    QTest::newRow("unbeantwortet") << -1 << "ja"
                                   << "ja" << objekt + QStringList{"RadioGroup1_0", "RadioGroup3_0"} + knoepfe;
    QTest::newRow("Neubau mit Messwert") << 1 << "ja"
                                         << "ja"
                                         << objekt
            + QStringList{"RadioGroup1_1", "RadioGroup3_0", "ComboBox1", "Button3", "ComboBox2",
                          "Edit6",         "ComboBox5",     "Edit8",     "Edit10",  "ComboBox7"}
            + knoepfe;
    QTest::newRow("Altbau ohne Messwert")
        << 1 << "nein"
        << "nein"
        << objekt + QStringList{"RadioGroup1_1", "RadioGroup3_0", "ComboBox1", "Button3", "ComboBox2",
                                "Edit6",         "ComboBox5",     "Edit8",     "Edit10",  "ComboBox6",
                                "ComboBox7",     "Edit11",        "ComboBox8"}
            + knoepfe;
    QTest::newRow("fensterlose Räume") << 0 << "ja"
                                       << "ja"
                                       << objekt + QStringList{"RadioGroup1_0", "RadioGroup2_1", "RadioGroup3_0"}
            + knoepfe;
}

void TestHauptfenster::tabReihenfolge()
{
    QFETCH(int, fensterlos);
    QFETCH(QString, neubau);
    QFETCH(QString, messwert);
    QFETCH(QStringList, reihe);
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    if (fensterlos >= 0)
        form->RadioGroup1->setItemIndex(fensterlos);
    form->ComboBox7->setText(neubau);
    form->ComboBox7Change();
    form->ComboBox5->setText(messwert);
    form->ComboBox5Change();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->Edit2->setFocus();

    QStringList gefunden{"Edit2"};
    for (qsizetype i = 1; i < reihe.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *fokus = QApplication::focusWidget();
        while (fokus && (fokus->objectName().isEmpty() || fokus->objectName().startsWith("qt_")))
            fokus = fokus->parentWidget();
        gefunden << (fokus ? fokus->objectName() : QString());
    }
    QCOMPARE(gefunden, reihe);
}

void TestHauptfenster::mausradNurMitFokus_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<int>("drehung");
    QTest::newRow("Neubau ?") << "ComboBox7" << -120;
    QTest::newRow("Gebäudelage") << "ComboBox2" << -120;
    QTest::newRow("Bearbeitungsdatum") << "datum" << 120;
}

void TestHauptfenster::mausradNurMitFokus()
{
    QFETCH(QString, feld);
    QFETCH(int, drehung);
    eingabenMachen();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    auto *ziel = form->findChild<QWidget *>(feld);
    const auto wert = [ziel] {
        if (auto *kombi = qobject_cast<QComboBox *>(ziel))
            return kombi->currentText();
        return ziel->property("date").toDate().toString(Qt::ISODate);
    };
    // Delivered as the window system does, to the innermost widget under
    // the mouse.
    const auto drehen = [ziel, drehung] {
        QWidget *innen = ziel->childAt(ziel->rect().center());
        innen = innen ? innen : ziel;
        const QPoint mitte = innen->rect().center();
        QWheelEvent rad(mitte, innen->mapToGlobal(mitte), {}, QPoint(0, drehung), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&rad);
        qApp->notify(innen, &rad);
    };
    form->Edit2->setFocus();
    const QString vorher = wert();
    drehen();
    QCOMPARE(wert(), vorher);
    QVERIFY(form->Edit2->hasFocus());

    ziel->setFocus();
    drehen();
    QVERIFY(wert() != vorher);
}

// A category longer than its field shows its first characters, whether
// the question flow set it or the user chose it from the list.
void TestHauptfenster::langeKategorieVomAnfang()
{
    eingabenMachen();
    form->ComboBox5->setText("nein");
    form->ComboBox5Change();
    form->ComboBox7->setText("nein");
    form->ComboBox7Change();
    QVERIFY(form->ComboBox6->isVisible());
    QCOMPARE(form->ComboBox6->text(), QStringLiteral("freie Lüftung bei Modernisierung in EFH als mehrgeschossige NE"));
    QCOMPARE(form->ComboBox6->lineEdit()->cursorPosition(), 0);

    form->ComboBox6->setFocus();
    form->ComboBox6->showPopup();
    QAbstractItemView *liste = form->ComboBox6->view();
    QTRY_VERIFY(liste->isVisible());
    const QModelIndex zeile = form->ComboBox6->model()->index(2, 0);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(zeile).center());
    QTRY_VERIFY(!liste->isVisible());
    QCOMPARE(form->ComboBox6->text(), QStringLiteral("freie Lüftung bei Modernisierung in MFH als eingeschossige NE"));
    QCOMPARE(form->ComboBox6->lineEdit()->cursorPosition(), 0);
}

void TestHauptfenster::adressen_data()
{
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("Verbandslogo → Hersteller") << "Image2" << QUrl("http://" + WebHostHersteller);
    QTest::newRow("Herstellerlogo → Hersteller") << "Image6" << QUrl("http://" + WebHostHersteller);
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
    QTest::newRow("mit Schema bleibt") << "https://www.morvendix.example/x" << QUrl("https://www.morvendix.example/x");
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
        // The offer of unsaved input is laid out when it is shown.
        if (knopf->isHidden() || (form->Wiederherstellung->isHidden() && form->Wiederherstellung->isAncestorOf(knopf)))
            continue;
        if (knopf->sizeHint().width() > knopf->width())
            fehler
                << QString("%1 (%2 > %3)").arg(knopf->objectName()).arg(knopf->sizeHint().width()).arg(knopf->width());
    }
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(", ")));
}

void TestHauptfenster::startbilderGeladen()
{
    for (QLabel *bild : std::initializer_list<QLabel *>{form->Image1, form->Image2, form->Image3, form->Image4,
                                                        form->Image5, form->Image6, form->Image7}) {
        QVERIFY2(!bild->pixmap().isNull(), qPrintable(bild->objectName()));
        QCOMPARE(bild->pixmap().size(), bild->size());
    }
}

// A long plain tooltip shows in lines of at most 60 characters, whatever
// the screen's width.
void TestHauptfenster::tooltipImFenster()
{
    Tooltipumbruch::Einrichten();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QString text = form->Edit10->toolTip();
    QVERIFY(text.size() > 2 * Tooltipumbruch::Zeichen && !Qt::mightBeRichText(text));
    QHelpEvent hilfe(QEvent::ToolTip, QPoint(2, 2), form->Edit10->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form->Edit10, &hilfe);
    const QStringList zeilen = QToolTip::text().split(u'\n');
    QVERIFY(zeilen.size() > 2);
    for (const QString &zeile : zeilen)
        QVERIFY2(zeile.size() <= Tooltipumbruch::Zeichen, qPrintable(zeile));
    QCOMPARE(zeilen.join(u' '), text.simplified());
}

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
