#include "fileio/JpegBild.h"
#include "mainwindow/Adressen.h"
#include "reference/Information.h"
#include "reference/Konzept.h"
#include "reference/Programminfo.h"
#include "reference/Ueberlassung.h"
#include "reference/Wind.h"

#include "Textfeld.h"
#include "windowkit/Version.h"

#include <QtTest>

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>

// The reference windows as windows: their looks, and how they show, hide
// and keep their state.
class TestReferenzfenster : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void aussehen_data();
    void aussehen();
    void schliessknopf_data();
    void schliessknopf();
    void schliessfeld_data();
    void schliessfeld();
    void wiederZeigen_data();
    void wiederZeigen();
    void textfelder_data();
    void textfelder();
    void programminfo();
    void programminfoUnbeschnitten();
    void konzeptBild();
};

namespace {

// A window outside its client area: 4 pixels of frame on every side and a
// 26-pixel title bar.
const QSize Rahmen(8, 34);

struct Fenster {
    std::unique_ptr<QWidget> fenster;
    QPushButton *schliessen = nullptr;
    QAbstractScrollArea *memo = nullptr;
};

Fenster Bauen(const QString &klasse)
{
    Fenster f;
    if (klasse == QLatin1String("TForm2")) {
        auto *w = new TForm2;
        f = {std::unique_ptr<QWidget>(w), w->Button1, w->Memo2};
    } else if (klasse == QLatin1String("TForm3")) {
        auto *w = new TForm3;
        f = {std::unique_ptr<QWidget>(w), w->Button3, w->Memo1};
    } else if (klasse == QLatin1String("TForm4")) {
        auto *w = new TForm4;
        f = {std::unique_ptr<QWidget>(w), w->Button1, nullptr};
    } else if (klasse == QLatin1String("TWindeinstufung")) {
        auto *w = new TWindeinstufung;
        f = {std::unique_ptr<QWidget>(w), w->Button1, w->Memo1};
    } else if (klasse == QLatin1String("TForm6")) {
        auto *w = new TForm6;
        f = {std::unique_ptr<QWidget>(w), w->Button1, nullptr};
    }
    return f;
}

void Fensterzeilen()
{
    QTest::addColumn<QString>("klasse");
    for (const char *klasse : {"TForm2", "TForm3", "TForm4", "TWindeinstufung", "TForm6"})
        QTest::newRow(klasse) << QString::fromLatin1(klasse);
}

void Zeigen(QWidget *fenster)
{
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
}

}  // namespace

void TestReferenzfenster::cleanup()
{
    for (QWidget *fenster : QApplication::topLevelWidgets())
        fenster->hide();
}

void TestReferenzfenster::aussehen_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QSize>("aussen");

    QTest::newRow("TForm2") << "TForm2"
                            << "Überlassungsbedingungen" << QSize(1078, 856);
    QTest::newRow("TForm3") << "TForm3"
                            << "Information zur DIN 1946-6" << QSize(1024, 892);
    QTest::newRow("TForm4") << "TForm4"
                            << "Morvendix Software GmbH" << QSize(603, 265);
    QTest::newRow("TWindeinstufung") << "TWindeinstufung"
                                     << "Windeinstufung" << QSize(997, 826);
    QTest::newRow("TForm6") << "TForm6"
                            << "Lüftungssysteme" << QSize(972, 753);
}

void TestReferenzfenster::aussehen()
{
    QFETCH(QString, klasse);
    QFETCH(QString, titel);
    QFETCH(QSize, aussen);

    const Fenster f = Bauen(klasse);
    QWidget *w = f.fenster.get();
    QCOMPARE(w->windowTitle(), titel);
    QCOMPARE(w->size() + Rahmen, aussen);
    QVERIFY(w->isWindow());
    QVERIFY(w->isHidden());
    QCOMPARE(w->windowModality(), Qt::NonModal);
    QCOMPARE(w->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(w->font().pixelSize(), 11);
    QCOMPARE(f.schliessen->font().pixelSize(), 11);
    // Every control lies within the client area.
    for (QWidget *kind : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(w->rect().contains(kind->geometry()), qPrintable(kind->objectName()));
}

void TestReferenzfenster::schliessknopf_data()
{
    Fensterzeilen();
}

void TestReferenzfenster::schliessknopf()
{
    QFETCH(QString, klasse);

    const Fenster f = Bauen(klasse);
    Zeigen(f.fenster.get());
    QTest::mouseClick(f.schliessen, Qt::LeftButton);
    QVERIFY(f.fenster->isHidden());
}

// The window system's close control only hides the window too.
void TestReferenzfenster::schliessfeld_data()
{
    Fensterzeilen();
}

void TestReferenzfenster::schliessfeld()
{
    QFETCH(QString, klasse);

    const Fenster f = Bauen(klasse);
    QPointer<QWidget> fenster = f.fenster.get();
    Zeigen(fenster);
    const QString text = f.memo ? Text(f.memo) : QString();
    QVERIFY(fenster->close());
    QCoreApplication::processEvents();
    QVERIFY(fenster);
    QVERIFY(fenster->isHidden());
    if (f.memo)
        QCOMPARE(Text(f.memo), text);
}

void TestReferenzfenster::wiederZeigen_data()
{
    Fensterzeilen();
}

// Position, size and typed text survive hiding, through the close button
// as well as the close control.
void TestReferenzfenster::wiederZeigen()
{
    QFETCH(QString, klasse);

    const Fenster f = Bauen(klasse);
    QWidget *w = f.fenster.get();
    Zeigen(w);
    const QRect platz(70, 90, w->width() - 40, w->height() - 30);
    w->setGeometry(platz);
    if (f.memo) {
        f.memo->setFocus();
        QTest::keyClick(f.memo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(f.memo, QStringLiteral("Notiz"));
        QVERIFY(Text(f.memo).endsWith(QLatin1String("Notiz")));
    }
    const QString text = f.memo ? Text(f.memo) : QString();

    f.schliessen->click();
    QVERIFY(w->isHidden());
    Zeigen(w);
    QCOMPARE(w->geometry(), platz);

    w->close();
    Zeigen(w);
    QCOMPARE(w->geometry(), platz);
    if (f.memo)
        QCOMPARE(Text(f.memo), text);
}

void TestReferenzfenster::textfelder_data()
{
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("feld");

    QTest::newRow("Überlassungsbedingungen") << "TForm2"
                                             << "Memo2";
    QTest::newRow("Information") << "TForm3"
                                 << "Memo1";
    QTest::newRow("Windliste Spalte 1") << "TWindeinstufung"
                                        << "Memo_Spalte1";
    QTest::newRow("Windliste Spalte 2") << "TWindeinstufung"
                                        << "Memo_Spalte2";
    QTest::newRow("Windliste Spalte 3") << "TWindeinstufung"
                                        << "Memo_Spalte3";
    QTest::newRow("Windliste Spalte 4") << "TWindeinstufung"
                                        << "Memo1";
}

// Editable, wrapping at the edge, and at the window's size every text is
// shown whole: no line broken but where the text breaks it, nothing below
// the edge.
void TestReferenzfenster::textfelder()
{
    QFETCH(QString, klasse);
    QFETCH(QString, feld);

    const Fenster f = Bauen(klasse);
    auto *memo = f.fenster->findChild<QAbstractScrollArea *>(feld);
    QVERIFY(memo);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(memo)) {
        QVERIFY(!plain->isReadOnly());
        QCOMPARE(plain->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    } else {
        auto *rich = qobject_cast<QTextEdit *>(memo);
        QVERIFY(rich);
        QVERIFY(!rich->isReadOnly());
        QVERIFY(!rich->acceptRichText());
        QCOMPARE(rich->lineWrapMode(), QTextEdit::WidgetWidth);
    }

    Zeigen(f.fenster.get());
    QTextDocument *dokument = Dokument(memo);
    for (QTextBlock block = dokument->begin(); block.isValid(); block = block.next()) {
        dokument->documentLayout()->blockBoundingRect(block);
        QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
    }
    QCOMPARE(memo->verticalScrollBar()->maximum(), 0);
}

void TestReferenzfenster::programminfo()
{
    TForm4 info;
    QCOMPARE(info.Label6->text(), QStringLiteral("Version"));
    Zeigen(&info);
    QCOMPARE(info.Label6->text(), QStringLiteral("Version"));

    QCOMPARE(info.Label1->text(), QStringLiteral("Programm Luvanto DIN 1946-6"));
    QVERIFY(info.Label2->text().contains(QStringLiteral("©")));
    QCOMPARE(info.Label2->text().section(QLatin1Char(' '), -1) + QLatin1Char(' ') + info.Label3->text(),
             QStringLiteral("Morvendix Software GmbH"));
    QCOMPARE(info.Label4->text(), QStringLiteral("Lindenallee 12"));
    QCOMPARE(info.Label5->text(), QStringLiteral("04109 Leipzig"));
    QCOMPARE(info.Label9->text(), WebAdresseSoftware);
    QVERIFY(info.Label8->text().startsWith(QLatin1String("Fotos: ")));
    QCOMPARE(info.Image1->pixmap().size(), QSize(250, 100));
    QCOMPARE(info.Button1->parentWidget(), info.Panel1);
    QVERIFY(info.windowIcon().cacheKey() != TForm6().windowIcon().cacheKey());
}

// No label is clipped, neither by its own width nor by the panel; the
// longer version text fits as well.
void TestReferenzfenster::programminfoUnbeschnitten()
{
    TForm4 info;
    info.Label6->setText(Versionstext);
    const QList<QLabel *> labels = info.Panel1->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 9);
    for (QLabel *label : labels) {
        QVERIFY2(info.Panel1->rect().contains(label->geometry()), qPrintable(label->objectName()));
        if (label != info.Image1)
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
    }
}

void TestReferenzfenster::konzeptBild()
{
    const JpegErgebnis jpeg = JpegDateiLesen(QStringLiteral(":/images/konzept_lueftungssysteme.jpg"));
    QVERIFY2(jpeg.ok(), qPrintable(jpeg.fehler));
    QCOMPARE(jpeg.bild.size(), QSize(947, 670));

    TForm6 konzept;
    konzept.show();
    QCOMPARE(konzept.Image1->size(), QSize(947, 670));
    const QImage gezeigt = konzept.Image1->pixmap().toImage();
    QCOMPARE(gezeigt.convertToFormat(QImage::Format_RGB32), jpeg.bild.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestReferenzfenster)
#include "tst_referenzfenster.moc"
