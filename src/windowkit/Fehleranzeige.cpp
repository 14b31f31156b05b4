#include "windowkit/Fehleranzeige.h"

#include <QMessageBox>

QString Programmtitel()
{
    return QStringLiteral("Luvanto Lüftungskonzept");
}

void FehlerAnzeigen(QWidget *eltern, const QString &meldung)
{
    QMessageBox box(QMessageBox::Critical, Programmtitel(), meldung + QLatin1Char('.'), QMessageBox::Ok, eltern);
    box.setObjectName(QStringLiteral("Fehleranzeige"));
    // Messages carry file names, which may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
