#include "reference/Referenzfenster.h"

#include "fileio/JpegBild.h"
#include "windowkit/Nebenfenster.h"
#include "windowkit/Programmschrift.h"

#include <QFile>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

void ReferenzfensterEinrichten(QWidget *fenster, const QString &symbol)
{
    fenster->setFont(Programmschrift());
    if (!symbol.isEmpty())
        fenster->setWindowIcon(QIcon(symbol));
    NebenfensterEinrichten(fenster);
}

QString ReferenztextLaden(const QString &resource)
{
    QFile datei(resource);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(datei.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

namespace {

template<typename Textfeld>
void Fuellen(Textfeld *memo, const QString &resource)
{
    // A plain edit control leaves only a narrow margin round its text; with
    // Qt's wider default the longest entries of the wind list would wrap.
    memo->document()->setDocumentMargin(2);
    memo->setTabStopDistance(8 * QFontMetricsF(memo->font()).averageCharWidth());
    memo->setPlainText(ReferenztextLaden(resource));
}

}  // namespace

void MemoFuellen(QPlainTextEdit *memo, const QString &resource)
{
    Fuellen(memo, resource);
}

void MemoFuellen(QTextEdit *memo, const QString &resource)
{
    Fuellen(memo, resource);
}

bool JpegZeigen(QLabel *bild, const QString &resource)
{
    const JpegErgebnis jpeg = JpegDateiLesen(resource);
    if (!jpeg.ok()) {
        bild->setText(jpeg.fehler);
        return false;
    }
    bild->setPixmap(QPixmap::fromImage(jpeg.bild));
    return true;
}
