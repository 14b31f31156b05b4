// Time to build the result report's page and paint it into a PDF, as one
// print does between the dialog and the spooler.

#include "logo/Logodatei.h"
#include "report/Bericht.h"
#include "report/Berichtsmaler.h"
#include "windowkit/Version.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

namespace {

Berichtswerte Werte()
{
    Berichtswerte w;
    w.Edit2 = QStringLiteral("Mehrfamilienhaus Am Lindenpark");
    w.Edit1 = QStringLiteral("Lindenstraße 4");
    w.Edit4 = QStringLiteral("34117 Kassel");
    w.Edit7 = QStringLiteral("Erika Mustermann");
    w.Edit3 = QStringLiteral("Lüftungsbau Nord GmbH");
    w.Edit9 = QStringLiteral("Hafenweg 9, 24103 Kiel");
    w.ComboBox1 = QStringLiteral("EFH als mehrgeschossige Nutzungseinheit");
    w.ComboBox2 = QStringLiteral("windschwach");
    w.Edit6 = QStringLiteral("120");
    w.ComboBox7 = QStringLiteral("nein");
    w.Edit11 = QStringLiteral("1978");
    w.ComboBox8 = QStringLiteral("ja");
    w.ComboBox5 = QStringLiteral("nein");
    w.Edit10 = QStringLiteral("0,667");
    w.ComboBox6 = QStringLiteral("mittlerer Gebäudebestand");
    w.Label26 = QStringLiteral("niedrig");
    w.Label27 = QStringLiteral("75,4");
    w.Label28 = QStringLiteral("38,5");
    w.Label38 = QStringLiteral("117,0");
    w.Label39 = QStringLiteral("167,1");
    w.Label31 = QStringLiteral("Lüftungstechnische Maßnahme ist erforderlich !");
    w.Label30 = Versionstext;
    w.RadioGroup1 = 1;
    w.RadioGroup2 = 1;
    w.RadioGroup3 = 3;
    return w;
}

}  // namespace

class BenchBericht : public QObject {
    Q_OBJECT

private slots:
    void seiteBauenUndMalen();
};

void BenchBericht::seiteBauenUndMalen()
{
    const Berichtswerte werte = Werte();
    const QImage logo = LeeresLogo();
    qint64 groesse = 0;
    QBENCHMARK
    {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        QPainter maler(&pdf);
        SeiteZeichnen(maler, Berichtsseite(werte, QDate(2026, 12, 7)), Druckbild(logo));
        maler.end();
        groesse = puffer.size();
    }
    QVERIFY(groesse > 1000);
}

QTEST_MAIN(BenchBericht)
#include "bench_bericht.moc"
