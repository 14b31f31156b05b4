#pragma once

// Answers the modal dialogs that the commands under test open: a timer
// waits for the next modal widget of the wanted kind and hands it to the
// answer, which closes it. Call before the command that opens the dialog.

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

template<typename Dialog>
void Beantworten(std::function<void(Dialog *)> antwort, int versuche = 1000)
{
    QTimer::singleShot(5, qApp, [antwort = std::move(antwort), versuche] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            antwort(dialog);
        } else if (versuche > 0) {
            Beantworten<Dialog>(antwort, versuche - 1);
        }
    });
}

// The general error display: its message is recorded, then it is closed.
struct Fehlermeldung {
    QString text;
    int anzahl = 0;
};

inline std::shared_ptr<Fehlermeldung> FehlerAbfangen()
{
    auto meldung = std::make_shared<Fehlermeldung>();
    Beantworten<QMessageBox>([meldung](QMessageBox *box) {
        if (box->objectName() != QLatin1String("Fehleranzeige"))
            return;
        meldung->text = box->text();
        ++meldung->anzahl;
        box->accept();
    });
    return meldung;
}

// In the printer set-up: opens "Eigenschaften", turns the page to landscape
// there and confirms both dialogs. False, with the set-up cancelled, when
// one of the controls is missing.
inline bool QuerformatBestaetigen(QPrintDialog *dialog)
{
    auto *eigenschaften = dialog->findChild<QPushButton *>(QStringLiteral("properties"));
    auto *knoepfe = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (!eigenschaften || !eigenschaften->isEnabled() || !knoepfe) {
        dialog->reject();
        return false;
    }
    bool quer = false;
    Beantworten<QDialog>([&quer](QDialog *seite) {
        if (auto *knopf = seite->findChild<QRadioButton *>(QStringLiteral("landscape"))) {
            knopf->click();
            quer = true;
        }
        seite->accept();
    });
    eigenschaften->click();
    knoepfe->button(QDialogButtonBox::Ok)->click();
    return quer;
}
