#include "windowkit/Nebenfenster.h"

#include "windowkit/Bildschirmplatz.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <algorithm>

Nebenfenster::Nebenfenster(QWidget *f, const QList<QLabel *> &bilderInEigenerGroesse)
    : QObject(f)
    , fenster(f)
{
    fenster->setAttribute(Qt::WA_QuitOnClose, false);
    fenster->installEventFilter(this);
    // A window shortcut: a control that wants Esc for itself (an open list,
    // say) still gets it first.
    new QShortcut(QKeySequence(Qt::Key_Escape), fenster, fenster, &QWidget::hide, Qt::WindowShortcut);
    entwurf = fenster->size();
    aufnehmen(fenster, -1, bilderInEigenerGroesse);
    fenster->setMinimumSize(entwurf.boundedTo(QSize(320, 200)));
}

namespace {

bool Ueberlappt(int a1, int a2, int b1, int b2)
{
    return a1 <= b2 && b1 <= a2;
}

}  // namespace

void Nebenfenster::aufnehmen(QWidget *behaelter, int index, const QList<QLabel *> &bilderInEigenerGroesse)
{
    if (behaelter->layout())
        return;
    const QSize rahmen = index < 0 ? entwurf : teile[std::size_t(index)].entwurf.size();
    const std::size_t erstes = teile.size();
    for (QWidget *kind : behaelter->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (kind->isWindow())
            continue;
        const QRect r = kind->geometry();
        const bool breiter = r.width() * 2 >= rahmen.width();
        const bool hoeher = r.height() * 2 >= rahmen.height();
        auto *bild = qobject_cast<QLabel *>(kind);
        teile.push_back({kind, r, index, breiter, hoeher, false, false, false,
                         bild && (breiter || hoeher) && !bilderInEigenerGroesse.contains(bild)});
    }
    const std::size_t ende = teile.size();
    for (std::size_t i = erstes; i < ende; ++i) {
        Teil &t = teile[i];
        for (std::size_t j = erstes; j < ende; ++j) {
            const Teil &s = teile[j];
            if (!t.hoeher && s.hoeher && t.entwurf.top() > s.entwurf.bottom()
                && Ueberlappt(t.entwurf.left(), t.entwurf.right(), s.entwurf.left(), s.entwurf.right()))
                t.unten = true;
            if (!t.breiter && s.breiter && t.entwurf.left() > s.entwurf.right()
                && Ueberlappt(t.entwurf.top(), t.entwurf.bottom(), s.entwurf.top(), s.entwurf.bottom()))
                t.rechts = true;
        }
        t.mittig =
            !t.breiter && !t.rechts && std::abs(t.entwurf.center().x() - rahmen.width() / 2) * 10 <= rahmen.width();
    }
    for (std::size_t i = erstes; i < ende; ++i) {
        QWidget *kind = teile[i].widget;
        if ((teile[i].breiter || teile[i].hoeher) && !qobject_cast<QAbstractScrollArea *>(kind)
            && !qobject_cast<QLabel *>(kind))
            aufnehmen(kind, int(i), bilderInEigenerGroesse);
    }
}

void Nebenfenster::mitwachsen()
{
    // At the design size the controls stay where the window put them.
    const QSize fensterWachstum = fenster->size() - entwurf;
    if (fensterWachstum.isNull() && !gewachsen)
        return;
    gewachsen = !fensterWachstum.isNull();
    std::vector<QSize> wachstum(teile.size());
    for (std::size_t i = 0; i < teile.size(); ++i) {
        const Teil &t = teile[i];
        const QSize d = t.behaelter < 0 ? fensterWachstum : wachstum[std::size_t(t.behaelter)];
        QRect r = t.entwurf;
        r.translate(t.rechts ? d.width() : t.mittig ? d.width() / 2 : 0, t.unten ? d.height() : 0);
        r.setWidth(std::max(20, r.width() + (t.breiter ? d.width() : 0)));
        r.setHeight(std::max(20, r.height() + (t.hoeher ? d.height() : 0)));
        wachstum[i] = r.size() - t.entwurf.size();
        t.widget->setGeometry(r);
        if (t.skaliert)
            bildAnpassen(static_cast<QLabel *>(t.widget));
    }
}

void Nebenfenster::bildAnpassen(QLabel *label)
{
    auto bild = std::find_if(bilder.begin(), bilder.end(), [label](const Bild &b) { return b.label == label; });
    if (bild == bilder.end())
        bild = bilder.insert(bilder.end(), Bild{label, {}, 0});
    const QPixmap jetzt = label->pixmap();
    if (jetzt.isNull())
        return;
    // A picture that the window put in since the last scaling is the new
    // original.
    if (jetzt.cacheKey() != bild->gezeigt)
        bild->original = jetzt;
    const QPixmap gezeigt = bild->original.size() == label->size()
        ? bild->original
        : bild->original.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(gezeigt);
    bild->gezeigt = label->pixmap().cacheKey();
}

void Nebenfenster::platzieren()
{
    QMainWindow *haupt = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *m = qobject_cast<QMainWindow *>(w); m && m != fenster && m->isVisible())
            haupt = m;
    }
    const QMargins rahmen = Fensterrahmen(fenster);
    const QRect platz = Kundenplatz(haupt ? static_cast<QWidget *>(haupt) : fenster);
    QRect kunde(fenster->geometry().topLeft(), fenster->size().boundedTo(platz.size()));
    if (haupt && haupt->menuWidget()) {
        const QWidget *menue = haupt->menuWidget();
        const QRect leiste(menue->mapToGlobal(QPoint(0, 0)), menue->size());
        const bool eigenerPlatz = fenster->testAttribute(Qt::WA_Moved) && platz.contains(kunde)
            && !kunde.marginsAdded(rahmen).intersects(leiste);
        if (!eigenerPlatz) {
            const QRect h = haupt->frameGeometry();
            const int seiten = rahmen.left() + rahmen.right();
            const int breite = kunde.width() + seiten;
            // The room for a frame right and left of the main window's.
            const int rechts = platz.right() + rahmen.right() - h.right();
            const int links = h.left() - platz.left() + rahmen.left();
            const int schmalste = std::max(fenster->minimumWidth(), entwurf.width() / 2) + seiten;
            if (rechts >= breite) {
                kunde.moveTo(h.right() + 1 + rahmen.left(), h.top() + rahmen.top());
            } else if (links >= breite) {
                kunde.moveTo(h.left() - breite + rahmen.left(), h.top() + rahmen.top());
            } else if (fenster->layout() && std::max(rechts, links) >= schmalste) {
                // A window that lays out its content anew is narrowed to the
                // wider side, down to half its width, rather than put over the
                // main window's inputs; one of fixed design keeps its width,
                // so nothing of it is cut off.
                kunde.setWidth(std::max(rechts, links) - seiten);
                kunde.moveTo(rechts >= links ? h.right() + 1 + rahmen.left() : platz.left(), h.top() + rahmen.top());
            } else {
                // Over the main window's work page, just below its menu bar.
                const int oben = leiste.bottom() + 1 + rahmen.top();
                kunde.moveTo(leiste.left() + 24, oben);
                kunde.setHeight(std::min(kunde.height(), platz.bottom() + 1 - oben));
            }
        }
    }
    // The client rectangle itself: where the frame is not known yet, a move
    // would place the client area, not the frame.
    fenster->setGeometry(Eingepasst(kunde, platz));
}

void Nebenfenster::einrichten(QWidget *fenster, const QList<QLabel *> &bilderInEigenerGroesse)
{
    new Nebenfenster(fenster, bilderInEigenerGroesse);
}

bool Nebenfenster::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt != fenster)
        return false;
    if (ereignis->type() == QEvent::Resize) {
        mitwachsen();
    } else if (ereignis->type() == QEvent::Show && !platziert) {
        platziert = true;
        platzieren();
    } else if (ereignis->type() == QEvent::Hide && fenster->isWindow()) {
        lage = fenster->geometry();
        gemerkt = true;
    } else if (ereignis->type() == QEvent::Show && gemerkt) {
        // The show event comes before the window is mapped again. Placing
        // the window explicitly, also at the place it already has, tells the
        // window manager that the place is chosen: without that, a window
        // manager that moved the window places it anew.
        if (QWindow *fensterGriff = fenster->windowHandle())
            fensterGriff->setGeometry(lage);
    }
    return false;
}

void NebenfensterEinrichten(QWidget *fenster, const QList<QLabel *> &bilderInEigenerGroesse)
{
    Nebenfenster::einrichten(fenster, bilderInEigenerGroesse);
}

void NebenfensterZeigen(QWidget *fenster)
{
    if (fenster->isHidden())
        fenster->show();
}
