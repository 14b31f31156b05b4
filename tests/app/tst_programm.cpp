#include "Nebenfensterliste.h"
#include "project/Projektaufbau.h"

#include "Dialogantwort.h"
#include "PdfPruefung.h"
#include "app/Signalende.h"
#include "project/Projektfeld.h"
#include "report/Drucken.h"
#include "windowkit/Programmstil.h"
#include "windowkit/Version.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

// The events that would show, raise, activate, move or resize a window.
class Ereigniszaehler : public QObject {
public:
    QList<QEvent::Type> ereignisse;

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        switch (ereignis->type()) {
        case QEvent::Show:
        case QEvent::ZOrderChange:
        case QEvent::WindowActivate:
        case QEvent::Move:
        case QEvent::Resize: ereignisse << ereignis->type(); break;
        default: break;
        }
        return false;
    }
};

}  // namespace

// The whole program in-process: its windows, their menu items and buttons.
class TestProgramm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nurDasHauptfensterIstSichtbar();
    void ueberlaufsymbolWieImStil();
    void fensterUeberMenueUndKnoepfe_data();
    void fensterUeberMenueUndKnoepfe();
    void infoSetztVersion();
    void geschlossenesFensterBehaeltZustand();
    void windlisteAendertNichts();
    void windlisteUebernimmtWindstark();
    void hinweiseUnterDemUrteil();
    void hauptfensterSchliessenBeendet();
    void deutscheDialogtexte();
    void speichernOeffnenUndNeu();
    void vorschlagNachNeuerEinheit();
    void zuletztVerwendetNachNeustart();
    void absturzVerliertNichts_data();
    void absturzVerliertNichts();
    void verworfeneEingabenZurueck_data();
    void verworfeneEingabenZurueck();
    void druckenOhneDrucker();
    void pdfUndVorschauOhneDrucker();

private:
    std::unique_ptr<Programm> programm;
};

void TestProgramm::init()
{
    programm = std::make_unique<Programm>();
    programm->Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(programm->Form1.get()));
}

void TestProgramm::cleanup()
{
    programm.reset();
    // No test starts with the copy of unsaved input another one left.
    QDir(Sicherungskopie::standardordner()).removeRecursively();
}

void TestProgramm::nurDasHauptfensterIstSichtbar()
{
    const QWidgetList fenster = QApplication::topLevelWidgets();
    QList<QWidget *> sichtbar;
    for (QWidget *w : fenster) {
        if (w->isVisible())
            sichtbar << w;
        // The secondary windows are made on first use, not at start.
        QVERIFY(w == programm->Form1.get() || w->windowType() != Qt::Window);
    }
    QCOMPARE(sichtbar, QList<QWidget *>({programm->Form1.get()}));
    for (QWidget *w :
         std::initializer_list<QWidget *>{programm->Form2.get(), programm->Form3.get(), programm->Form4.get(),
                                          programm->Windeinstufung.get(), programm->Form6.get()})
        QVERIFY(w->isWindow());
    // One icon, decoded once, for every window but the about box.
    const QIcon symbol = programm->Form1->windowIcon();
    QCOMPARE(symbol.availableSizes(), QList<QSize>{QSize(64, 64)});
    for (QWidget *w :
         std::initializer_list<QWidget *>{programm->Form2.get(), programm->Form3.get(), programm->Windeinstufung.get(),
                                          programm->Form5.get(), programm->Form6.get()})
        QCOMPARE(w->windowIcon().cacheKey(), symbol.cacheKey());
    QVERIFY(!programm->Form4->windowIcon().isNull());
    QVERIFY(programm->Form4->windowIcon().cacheKey() != symbol.cacheKey());
}

// The menu bar's overflow symbol, read only when it is drawn, is the
// platform style's own at every size and state.
void TestProgramm::ueberlaufsymbolWieImStil()
{
    Programmstil stil;
    const QIcon symbol = stil.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon vorbild = stil.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!vorbild.isNull());
    QCOMPARE(symbol.availableSizes(), vorbild.availableSizes());
    for (const int groesse : {16, 32})
        for (const QIcon::Mode modus : {QIcon::Normal, QIcon::Disabled})
            QCOMPARE(symbol.pixmap(groesse, modus).toImage(), vorbild.pixmap(groesse, modus).toImage());
}

void TestProgramm::fensterUeberMenueUndKnoepfe_data()
{
    NebenfensterZeilen();
}

// Every secondary window, opened the way the user opens it: not modal;
// opened again while visible it stays where it is, neither raised nor
// activated; Esc and the close box only hide it, and it comes back where
// the user left it.
void TestProgramm::fensterUeberMenueUndKnoepfe()
{
    QFETCH(QString, ausloeser);
    QFETCH(QString, titel);
    QTest::mouseClick(programm->Form1->Image7, Qt::LeftButton);
    const auto oeffnen = [&] { NebenfensterOeffnen(*programm, ausloeser); };
    oeffnen();

    QWidget *gezeigt = OffenesNebenfenster(*programm);
    QVERIFY(gezeigt);
    QCOMPARE(gezeigt->windowTitle(), titel);
    QVERIFY(!gezeigt->isModal());
    QVERIFY(programm->Form1->isVisible());
    QVERIFY(programm->Form1->isEnabled());
    QVERIFY(QTest::qWaitForWindowExposed(gezeigt));

    const QRect platz(60, 40, gezeigt->width() - 20, gezeigt->height() - 10);
    gezeigt->setGeometry(platz);
    programm->Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(programm->Form1.get()));
    Ereigniszaehler zaehler;
    gezeigt->installEventFilter(&zaehler);
    oeffnen();
    QCoreApplication::processEvents();
    gezeigt->removeEventFilter(&zaehler);
    QCOMPARE(zaehler.ereignisse, QList<QEvent::Type>());
    QVERIFY(programm->Form1->isActiveWindow());

    gezeigt->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(gezeigt));
    QTest::keyClick(gezeigt, Qt::Key_Escape);
    QVERIFY(gezeigt->isHidden());
    oeffnen();
    QVERIFY(gezeigt->isVisible());
    QCOMPARE(gezeigt->geometry(), platz);
    QVERIFY(gezeigt->close());
    QVERIFY(gezeigt->isHidden());
    oeffnen();
    QCOMPARE(gezeigt->geometry(), platz);
}

void TestProgramm::infoSetztVersion()
{
    QCOMPARE(programm->Form4->Label6->text(), QStringLiteral("Version"));
    programm->Form1->Info1->trigger();
    QVERIFY(programm->Form4->isVisible());
    QCOMPARE(programm->Form4->Label6->text(), Versionstext);
    programm->Form4->close();
    programm->Form1->Info1->trigger();
    QCOMPARE(programm->Form4->Label6->text(), Versionstext);
}

void TestProgramm::geschlossenesFensterBehaeltZustand()
{
    programm->Form1->berlassungsbedingungen3->trigger();
    TForm2 &form2 = *programm->Form2;
    QVERIFY(QTest::qWaitForWindowExposed(&form2));
    form2.resize(700, 500);
    form2.move(60, 40);
    const QRect lage = form2.geometry();
    form2.close();
    QVERIFY(form2.isHidden());
    programm->Form1->berlassungsbedingungen3->trigger();
    QVERIFY(form2.isVisible());
    QCOMPARE(form2.geometry(), lage);
}

void TestProgramm::windlisteAendertNichts()
{
    QTest::mouseClick(programm->Form1->Image7, Qt::LeftButton);
    programm->Form1->RadioGroup1->setItemIndex(1);
    const QString lage = programm->Form1->ComboBox2->text();
    programm->Form1->seite().setzeText(Steuerelement::Label27, "unberührt");
    programm->Form1->Button3->click();
    QVERIFY(programm->Windeinstufung->isVisible());
    QCOMPARE(programm->Form1->ComboBox2->text(), lage);
    QCOMPARE(programm->Form1->Label27->text(), QStringLiteral("unberührt"));
}

// A district found by the search and taken over sets the site as the
// user's choice does: the change handler recomputes.
void TestProgramm::windlisteUebernimmtWindstark()
{
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    form.seite().setzeText(Steuerelement::Label27, "unberührt");
    form.Button3->click();
    TWindeinstufung &liste = *programm->Windeinstufung;
    QTest::keyClicks(liste.EditSuche, "LK aurich");
    QCOMPARE(liste.ListeTreffer->count(), 1);
    QVERIFY(liste.Memo1->isHidden());
    Beantworten<QMessageBox>([](QMessageBox *frage) {
        for (QAbstractButton *knopf : frage->buttons())
            if (knopf->text() == QStringLiteral("Gebäudelage „windstark“ übernehmen"))
                knopf->click();
    });
    liste.ListeTreffer->setFocus();
    QTest::keyClick(liste.ListeTreffer, Qt::Key_Return);
    QTRY_COMPARE(form.ComboBox2->text(), QStringLiteral("windstark"));
    QCOMPARE(form.Label27->text(), QStringLiteral("16,1"));
}

// The hints stand below the verdict and on the field while the exponent is
// empty, and take no room once it is typed.
void TestProgramm::hinweiseUnterDemUrteil()
{
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.RadioGroup1->setItemIndex(1);
    const int hoehe = form.height();
    QTest::keyClicks(form.Edit6, "45");
    QTest::keyClicks(form.Edit8, "2");
    auto *feld = form.findChild<QLabel *>(QStringLiteral("Hinweisfeld"));
    QVERIFY(feld->isVisible());
    QVERIFY(feld->text().contains(QStringLiteral("Druckexponent n ist leer")));
    QVERIFY(form.height() > hoehe);
    QVERIFY(form.Edit10->toolTip().startsWith(QStringLiteral("Hinweis: Druckexponent n ist leer")));
    QVERIFY(form.findChild<QFrame *>(QStringLiteral("Edit10Hinweis"))->isVisible());
    QVERIFY(BerichtswerteLesen(form.seite()).Hinweise.join(u' ').contains(QStringLiteral("Mit 0,667")));
    QTest::keyClicks(form.Edit10, "0,667");
    QVERIFY(feld->isHidden());
    QCOMPARE(form.height(), hoehe);
    QVERIFY(!form.Edit10->toolTip().startsWith(QStringLiteral("Hinweis")));
}

// The event loop ends by itself when the main window closes, although
// every secondary window of the program is open.
void TestProgramm::hauptfensterSchliessenBeendet()
{
    Programm &p = *programm;
    for (QWidget *w : std::initializer_list<QWidget *>{p.Form2.get(), p.Form3.get(), p.Form4.get(),
                                                       p.Windeinstufung.get(), p.Form5.get(), p.Form6.get(),
                                                       p.Rechenwegfenster.get(), p.Gebaeude.get(), p.Handbuch.get()})
        w->show();
    // The watchdog lives on this stack, so it cannot fire into a later test.
    QTimer wache;
    wache.setSingleShot(true);
    bool zeitUm = false;
    connect(&wache, &QTimer::timeout, qApp, [&] {
        zeitUm = true;
        QCoreApplication::quit();
    });
    wache.start(5000);
    QTimer::singleShot(0, programm->Form1.get(), [this] { programm->Form1->Beenden1->trigger(); });
    QCoreApplication::exec();
    QVERIFY(!zeitUm);
}

void TestProgramm::deutscheDialogtexte()
{
    DeutscheUebersetzungLaden();
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Öffnen"));
}

// The next unit is proposed under its own object name beside the unit it
// was started from; a name that is taken counts up.
void TestProgramm::vorschlagNachNeuerEinheit()
{
    QTemporaryDir ordner;
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    QTest::keyClicks(form.Edit2, "WE 01 EG links");
    Dialogantwort erste(ordner.filePath("WE 01 EG links.lkz"));
    form.Speichern1->trigger();
    QVERIFY(erste.gesehen);

    form.NeueNutzungseinheit1->trigger();
    QTest::keyClicks(form.Edit2, "WE 02 EG rechts");
    Dialogantwort zweite(QString{});
    form.Speichern1->trigger();
    QVERIFY(zweite.gesehen);
    QCOMPARE(zweite.vorgeschlagen, QStringLiteral("WE 02 EG rechts.lkz"));
    QCOMPARE(zweite.ordner, QDir(ordner.path()).absolutePath());

    form.Edit2->setText("WE 01 EG links");
    Dialogantwort dritte(QString{});
    form.Speichern1->trigger();
    QCOMPARE(dritte.vorgeschlagen, QStringLiteral("WE 01 EG links 2.lkz"));
}

void TestProgramm::speichernOeffnenUndNeu()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("haus.lkz");
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    QTest::keyClicks(form.Edit2, "Haus Sonnenhang");

    Dialogantwort speichern(pfad);
    form.Speichern1->trigger();
    QVERIFY(speichern.gesehen);
    QCOMPARE(QFile(pfad).size(), 1109);
    QCOMPARE(programm->Projektname, pfad);
    QCOMPARE(programm->daten.text(Projektfeld::Objektbezeichnung), QStringLiteral("Haus Sonnenhang"));

    // "Neu" empties the record and starts a project of no file: the title
    // and "Speichern" no longer name the one before.
    QCOMPARE(form.windowTitle(), Fenstertitel(pfad));
    QTest::keyClicks(form.Edit2, " Ost");
    QCOMPARE(form.windowTitle(), QStringLiteral("* ") + Fenstertitel(pfad));
    form.Neu1->trigger();
    QCOMPARE(programm->daten.text(Projektfeld::Objektbezeichnung), QString());
    QCOMPARE(programm->Projektname, QString());
    QCOMPARE(form.windowTitle(), form.Starttitel());
    QCOMPARE(form.Edit2->text(), QString());

    // Opening shows the file's title, never marked unsaved on the way.
    form.Button2->click();
    QStringList titel;
    connect(&form, &QWidget::windowTitleChanged, this, [&](const QString &t) { titel << t; });
    Dialogantwort oeffnen(pfad);
    form.ffnen1->trigger();
    QVERIFY(oeffnen.gesehen);
    QCOMPARE(titel, QStringList{Fenstertitel(pfad)});
    QCOMPARE(form.Edit2->text(), QStringLiteral("Haus Sonnenhang"));
    QVERIFY(form.Panel6->isHidden());
}

// The projects saved or opened last come back after a restart, newest
// first, under Strg+1 …; a file gone leaves the list with a note.
void TestProgramm::zuletztVerwendetNachNeustart()
{
    QSettings().remove(QStringLiteral("projekte"));
    QTemporaryDir ordner;
    TForm1 *form = programm->Form1.get();
    QTest::mouseClick(form->Image7, Qt::LeftButton);
    for (const QString name : {"WE 1", "WE 2", "WE 3"}) {
        QTest::keyClick(form->Edit2, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(form->Edit2, name);
        Dialogantwort antwort(ordner.filePath(name));
        form->NeueNutzungseinheit1->trigger();
        form->Speichern1->trigger();
        QVERIFY(antwort.gesehen);
    }
    QVERIFY(QFile::remove(ordner.filePath("WE 2.lkz")));

    init();  // a new program in place of the old one
    form = programm->Form1.get();
    // Filled once the window is up.
    QTRY_VERIFY(!form->Zuletztverwendet1->actions().isEmpty());
    QStringList eintraege;
    for (QAction *eintrag : form->Zuletztverwendet1->actions())
        eintraege << eintrag->text() + " " + eintrag->shortcut().toString();
    const QString ort = " – " + QDir::toNativeSeparators(ordner.path()) + " Ctrl+";
    QCOMPARE(eintraege, QStringList({"&1 WE 3.lkz" + ort + "1", "&2 WE 2.lkz" + ort + "2", "&3 WE 1.lkz" + ort + "3"}));

    QTest::keyClick(form, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(form->Zuletztverwendet1->actions().size(), 2);
    QVERIFY(form->statusBar()->currentMessage().contains("WE 2.lkz"));
    QVERIFY(programm->Projektname.isEmpty());

    QTest::keyClick(form, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(programm->Projektname, ordner.filePath("WE 1.lkz"));
    QCOMPARE(form->Edit2->text(), QStringLiteral("WE 1"));
    QCOMPARE(form->Zuletztverwendet1->actions().first()->text(), "&1 WE 1.lkz" + ort.chopped(6));

    // "Öffnen" starts in the project's folder; a unit without a file is
    // proposed under its name in the folder used last.
    Dialogantwort oeffnen({});
    form->ffnen1->trigger();
    QCOMPARE(oeffnen.ordner, ordner.path());
    init();
    QTest::mouseClick(programm->Form1->Image7, Qt::LeftButton);
    programm->Form1->Edit2->insert(QStringLiteral("Haus: Süd/Nord"));
    Dialogantwort speichern({});
    programm->Form1->Speichern1->trigger();
    QCOMPARE(speichern.ordner, ordner.path());
    QCOMPARE(speichern.vorgeschlagen, QStringLiteral("Haus_ Süd_Nord.lkz"));
}

void TestProgramm::druckenOhneDrucker()
{
    // No spooler is reachable in this test: both commands say so in the
    // error box instead of showing their dialogs.
    for (QAction *befehl : {programm->Form1->Drucken1, programm->Form1->Druckereinstellung1}) {
        QString meldung;
        QTimer::singleShot(10, qApp, [&meldung] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                meldung = box->text();
                box->accept();
            }
        });
        befehl->trigger();
        QCOMPARE(meldung, QStringLiteral("Zur Zeit ist kein Standard-Drucker gewählt."));
    }
}

// Without any printer the report still reaches a PDF file, proposed in the
// project's folder, and the print preview.
void TestProgramm::pdfUndVorschauOhneDrucker()
{
    QTemporaryDir ordner;
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    form.Edit2->setText("Haus: Süd/Nord");
    programm->Projektname = ordner.filePath("haus.lkz");

    QString vorschlag, imOrdner;
    QTimer::singleShot(10, qApp, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        vorschlag = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
        imOrdner = dialog->directory().absolutePath();
        QTest::keyClick(dialog->findChild<QLineEdit *>("fileNameEdit"), Qt::Key_Return);
    });
    form.PdfSpeichern1->trigger();
    const QString name = "Lüftungskonzept Haus_ Süd_Nord " + QDate::currentDate().toString(Qt::ISODate) + ".pdf";
    QCOMPARE(vorschlag, name);
    QCOMPARE(imOrdner, QDir(ordner.path()).absolutePath());
    const QString pdf = ordner.filePath(name);
    const auto seiten = PdfLesen(pdf);
    QCOMPARE(seiten.size(), std::size_t(1));
    const auto zeile = ZeileBei(seiten.front(), 150, 850, 3);
    QVERIFY(zeile);
    QCOMPARE(zeile->text, QStringLiteral("Objektbezeichnung: Haus: Süd/Nord"));
    QCOMPARE(PdfEintrag(pdf, "Title"), QStringLiteral("Lüftungskonzept – Haus: Süd/Nord"));

    int vorschauseiten = 0;
    QTimer::singleShot(10, qApp, [&] {
        auto *vorschau = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(vorschau && vorschau->objectName() == QLatin1String("Druckvorschau"));
        vorschauseiten = vorschau->findChild<QPrintPreviewWidget *>()->pageCount();
        vorschau->reject();
    });
    form.Druckvorschau1->trigger();
    QCOMPARE(vorschauseiten, 1);
}

void TestProgramm::absturzVerliertNichts_data()
{
    QTest::addColumn<bool>("beenden");
    QTest::addColumn<QString>("flaeche");
    QTest::newRow("kill -9") << false << "125";
    // Ended at once after one more keystroke: the pending input is written
    // on the way out.
    QTest::newRow("SIGTERM") << true << "1250";
}

// Typed into a unit and killed before saving: the next program offers the
// input and restores it. A copy that a running program still writes is
// offered by no other; one that cannot be read is removed.
void TestProgramm::absturzVerliertNichts()
{
    QFETCH(bool, beenden);
    QFETCH(QString, flaeche);
    programm.reset();
    const QDir kopien(Sicherungskopie::standardordner());
    QVERIFY(kopien.mkpath("."));
    QFile kaputt(kopien.filePath("1-kaputt.kopie"));
    QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("LKZKOPIE") == 8);
    kaputt.close();

    QProcess kind;
    QStringList modus{"--eingeben-und-warten"};
    if (beenden)
        modus << "--nachtippen";
    kind.start(QCoreApplication::applicationFilePath(), modus);
    QVERIFY(kind.waitForReadyRead(30000));
    QCOMPARE(kind.readAll(), QByteArray("bereit\n"));
    init();
    // Looked for once the window is up.
    QTRY_VERIFY(!kaputt.exists());
    QVERIFY(programm->Form1->Wiederherstellung->isHidden());

    if (beenden)
        kind.terminate();
    else
        kind.kill();
    QVERIFY(kind.waitForFinished());
    QCOMPARE(kind.exitStatus() == QProcess::NormalExit, beenden);
    programm.reset();
    init();
    TForm1 &form = *programm->Form1;
    QTRY_VERIFY(form.Wiederherstellung->isVisible());
    static const QRegularExpression angebot(
        R"(^Nicht gespeicherte Eingaben vom \d\d\.\d\d\.\d{4} \d\d:\d\d \(WE 7\) wiederherstellen$)");
    QVERIFY2(angebot.match(form.Wiederherstellen1->toolTip()).hasMatch(),
             qPrintable(form.Wiederherstellen1->toolTip()));
    QTest::mouseClick(form.Wiederherstellen1, Qt::LeftButton);
    QVERIFY(form.Panel6->isHidden());
    QCOMPARE(form.Edit2->text(), QStringLiteral("WE 7"));
    QCOMPARE(form.Edit6->text(), flaeche);
    // Now this program's own copy, until the work is saved.
    const QStringList uebrig = kopien.entryList({"*.kopie"});
    QCOMPARE(uebrig.size(), 1);
    QVERIFY(!uebrig.first().startsWith(QString::number(kind.processId()) + "-"));
    QTemporaryDir ordner;
    Dialogantwort speichern(ordner.filePath("WE 7.lkz"));
    form.Speichern1->trigger();
    QVERIFY(speichern.gesehen && !speichern.nachgefragt);
    QCOMPARE(kopien.entryList({"*.kopie"}), QStringList());
}

void TestProgramm::verworfeneEingabenZurueck_data()
{
    QTest::addColumn<QString>("befehl");
    QTest::addColumn<bool>("gespeichert");
    QTest::newRow("Neu") << "Neu" << false;
    QTest::newRow("Startbild") << "Startbild" << false;
    QTest::newRow("Neue Nutzungseinheit") << "Nutzungseinheit" << false;
    QTest::newRow("Öffnen") << "Öffnen" << false;
    QTest::newRow("gespeichert, nichts verworfen") << "Neu" << true;
}

// Unsaved input replaced by a reset comes back once, with its project name.
void TestProgramm::verworfeneEingabenZurueck()
{
    QFETCH(QString, befehl);
    QFETCH(bool, gespeichert);
    QTemporaryDir ordner;
    const QString andere = ordner.filePath("Andere.lkz");
    TForm1 &form = *programm->Form1;
    QTest::mouseClick(form.Image7, Qt::LeftButton);
    QTest::keyClicks(form.Edit2, "Andere");
    Dialogantwort speichern(andere);
    form.Speichern1->trigger();
    QVERIFY(speichern.gesehen && !speichern.nachgefragt);
    form.Neu1->trigger();
    QVERIFY(!form.VerworfeneEingaben1->isEnabled());

    QTest::keyClicks(form.Edit2, "WE 3");
    QTest::keyClicks(form.Edit6, "88");
    if (gespeichert) {
        Dialogantwort nochmals(ordner.filePath("WE 3.lkz"));
        form.Speichern1->trigger();
        QVERIFY(nochmals.gesehen && !nochmals.nachgefragt);
    }
    const QString projektname = programm->Projektname;
    if (befehl == "Neu") {
        form.Neu1->trigger();
    } else if (befehl == "Startbild") {
        form.Button2->click();
        QTest::mouseClick(form.Image7, Qt::LeftButton);
    } else if (befehl == "Nutzungseinheit") {
        form.NeueNutzungseinheit1->trigger();
    } else {
        Dialogantwort oeffnen(andere);
        form.ffnen1->trigger();
        QVERIFY(oeffnen.gesehen);
    }
    QCOMPARE(form.Edit6->text(), QString());
    QCOMPARE(form.VerworfeneEingaben1->isEnabled(), !gespeichert);
    if (gespeichert)
        return;
    form.VerworfeneEingaben1->trigger();
    QCOMPARE(form.Edit2->text(), QStringLiteral("WE 3"));
    QCOMPARE(form.Edit6->text(), QStringLiteral("88"));
    QCOMPARE(programm->Projektname, projektname);
    QVERIFY(!form.VerworfeneEingaben1->isEnabled());
}

namespace {

// The other program of absturzVerliertNichts: types into a new unit, says
// so once the copy of it is on disk (and one more keystroke is pending, if
// asked), and waits to be killed or ended.
int EingebenUndWarten()
{
    Signalende signalende;
    Programm programm;
    programm.Form1->show();
    QTest::mouseClick(programm.Form1->Image7, Qt::LeftButton);
    QTest::keyClicks(programm.Form1->Edit2, "WE 7");
    QTest::keyClicks(programm.Form1->Edit6, "125");
    const QDir kopien(Sicherungskopie::standardordner());
    while (kopien.entryList({QString::number(QCoreApplication::applicationPid()) + "-*.kopie"}).isEmpty())
        QTest::qWait(50);
    if (QCoreApplication::arguments().contains(QLatin1String("--nachtippen")))
        QTest::keyClicks(programm.Form1->Edit6, "0");
    std::fputs("bereit\n", stdout);
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication anwendung(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    if (QCoreApplication::arguments().contains(QLatin1String("--eingeben-und-warten")))
        return EingebenUndWarten();
    TestProgramm test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_programm.moc"
