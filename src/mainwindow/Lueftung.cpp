#include "mainwindow/Lueftung.h"

#include "engine/Antworttexte.h"
#include "engine/Dezimaltext.h"
#include "engine/Urteilstexte.h"
#include "fileio/Rohbild.h"
#include "mainwindow/Adressen.h"
#include "mainwindow/Radsperre.h"
#include "windowkit/Bildschirmplatz.h"
#include "windowkit/Erstesbild.h"
#include "windowkit/Programmschrift.h"
#include "windowkit/Version.h"

#include <QDate>
#include <QFontMetrics>
#include <QFrame>
#include <QPalette>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// Puts a subscript label right behind the first characters of a caption.
void Tiefstellen(QLabel *index, const QLabel *beschriftung, const QString &davor)
{
    const int x = beschriftung->x() + QFontMetrics(beschriftung->font()).horizontalAdvance(davor);
    index->setFont(Programmschrift(9));
    index->move(x, beschriftung->y() + 6);
    index->resize(QFontMetrics(index->font()).horizontalAdvance(index->text()) + 2, 12);
    index->raise();
}

void BildSetzen(QLabel *bild, const QString &resource)
{
    bild->setPixmap(QPixmap::fromImage(Rohbild(resource)));
}

}  // namespace

namespace {

// Every edit field and combo box holds up to 1000 characters, few enough
// that a keystroke after a paste of a whole document stays fast (the field
// lays out its whole text on every change). The project commands limit the
// edit fields further, to what a project file keeps of them.
void FeldlaengeBegrenzen(QWidget &fenster)
{
    for (QLineEdit *feld : fenster.findChildren<QLineEdit *>())
        feld->setMaxLength(1000);
}

}  // namespace

TForm1::TForm1(Rechenzustand &z, QWidget *parent)
    : QMainWindow(parent)
    , blatt(std::make_unique<Speicherblatt>(z))
{
    blatt->hinweiseMitfuehren = true;
    // Set before the controls exist, so they inherit it instead of being
    // updated one by one.
    setFont(Programmschrift(11));
    setupUi(this);
    AntwortenEintragen();
    starttitel = windowTitle();
    Gestalten();
    Tastatur();
    Verbinden();
    FormCreate();
    FeldlaengeBegrenzen(*this);
    for (std::size_t i = 0; i < Steuerelementanzahl; ++i)
        Zeigen(Steuerelement(i));
    blatt->geaendert = [this](Steuerelement element) { Zeigen(element); };
    blatt->gerechnet = [this] {
        HinweiseZeigen();
        emit rechenwegGeaendert();
    };
}

void TForm1::FormCreate()
{
    Label30->setText(Versionstext);
    Button5->setText(WebAdresseHersteller);
    Button7->setText(WebAdresseHersteller);
    // Shown only while there is a copy of unsaved input to offer.
    Wiederherstellung->hide();
}

// The lists and groups offer the answers that the rules compare with.
void TForm1::AntwortenEintragen()
{
    const auto texte = [](const auto &antworten) {
        QStringList liste;
        for (const char *antwort : antworten)
            liste.append(QString::fromUtf8(antwort));
        return liste;
    };
    ComboBox1->addItems(texte(Antworttexte::Gebaeudetypen));
    ComboBox2->addItems(texte(Antworttexte::Gebaeudelagen));
    for (QComboBox *liste : {ComboBox5, ComboBox7, ComboBox8})
        liste->addItems(texte(Antworttexte::JaNein));
    ComboBox6->addItems(texte(Antworttexte::Kategorien));
    RadioGroup1->setItems(texte(Antworttexte::JaNein));
    RadioGroup2->setItems(texte(Antworttexte::JaNein));
    RadioGroup3->setItems(texte(Antworttexte::Anforderungen));
}

void TForm1::Gestalten()
{
    entwurfsflaeche = QSize(Panel1->width(), Panel1->y() + Panel1->height());
    urteilsort = Panel8->pos();
    centralwidget->setFixedSize(entwurfsflaeche);
    // The client area scrolls where the screen is too small for it; the
    // strip below it stays empty and hidden where the screen is high enough.
    // The design surface moves straight from the window into the scroll
    // area, which already has the window's font: its hundred controls are
    // not given another font and then the old one back.
    auto *flaeche = new QWidget(this);
    rollflaeche = new QScrollArea(flaeche);
    rollflaeche->setObjectName(QStringLiteral("Rollflaeche"));
    rollflaeche->setFrameShape(QFrame::NoFrame);
    rollflaeche->setFocusPolicy(Qt::NoFocus);
    rollflaeche->setWidget(centralwidget);
    urteilsleiste = new QWidget;
    urteilsleiste->setObjectName(QStringLiteral("Urteilsleiste"));
    urteilsleiste->setAutoFillBackground(true);
    urteilsleiste->setFixedHeight(entwurfsflaeche.height() - Panel1->y() - urteilsort.y());
    urteilsleiste->hide();
    auto *spalte = new QVBoxLayout(flaeche);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(rollflaeche, 1);
    spalte->addWidget(urteilsleiste);
    hinweisfeld = new QLabel;
    hinweisfeld->setObjectName(QStringLiteral("Hinweisfeld"));
    hinweisfeld->setTextFormat(Qt::PlainText);
    hinweisfeld->setWordWrap(true);
    hinweisfeld->setFont(Programmschrift(10));
    hinweisfeld->setMargin(6);
    hinweisfeld->setAutoFillBackground(true);
    QPalette bernstein = hinweisfeld->palette();
    bernstein.setColor(QPalette::Window, QColor(0xff, 0xf3, 0xd6));
    bernstein.setColor(QPalette::WindowText, QColor(0x8a, 0x55, 0x00));
    hinweisfeld->setPalette(bernstein);
    hinweisfeld->hide();
    spalte->addWidget(hinweisfeld);
    setCentralWidget(flaeche);
    // Where the page also scrolls sideways, the verdict goes along.
    connect(rollflaeche->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int x) {
        if (urteilFest)
            Panel8->move(urteilsort.x() - x, 0);
    });
    Einpassen();

    Panel1->setAutoFillBackground(true);
    Panel6->setAutoFillBackground(true);
    Panel6->setBackgroundRole(QPalette::Window);
    Panel7->setAutoFillBackground(true);
    QPalette silber = Panel7->palette();
    silber.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    Panel7->setPalette(silber);
    Panel6->raise();

    for (QLabel *titel : {StaticText7, StaticText8})
        titel->setFont(Programmschrift(32, true));
    for (QLabel *titel : {StaticText1, StaticText2})
        titel->setFont(Programmschrift(19, true));
    StaticText11->setFont(Programmschrift(16, true));
    Label30->setFont(Programmschrift(13));
    // The fixed notes are set a little smaller than the questions.
    for (QLabel *hinweis : Panel12->findChildren<QLabel *>() + Panel13->findChildren<QLabel *>())
        hinweis->setFont(Programmschrift(10));
    for (QLabel *hinweis : {Label14, Label15, Label56, Label61})
        hinweis->setFont(Programmschrift(10));

    QPalette rot = Label31->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    for (QLabel *urteil : {Label31, Label49, Label63}) {
        urteil->setFont(Programmschrift(16, true));
        urteil->setPalette(rot);
    }

    // The subscripts are on the work page, which the first frame does not
    // show; measuring their captions loads another type size.
    Erstesbild::danach(*this, this, [this] {
        Tiefstellen(Label6, Label9, QStringLiteral("Fläche Nutzungseinheit A"));
        Tiefstellen(Label7, Label10, QStringLiteral("Luftvolumen Nutzungseinheit V"));
        Tiefstellen(Label62, Label19, QStringLiteral("Vorgabewert Auslegungsluftwechsel n"));
        Tiefstellen(Label60, Label56, QStringLiteral("A"));
        Label61->move(Label56->x() + QFontMetrics(Label56->font()).horizontalAdvance(QStringLiteral("A     = ")),
                      Label56->y() + 16);
    });

    BildSetzen(Image5, QStringLiteral(":/roh/start_lueftungsgeraet.rgba"));
    BildSetzen(Image3, QStringLiteral(":/roh/start_fensterfalz.rgba"));
    BildSetzen(Image4, QStringLiteral(":/roh/start_aussenwand.rgba"));
    BildSetzen(Image6, QStringLiteral(":/roh/logo_luvanto.rgba"));
    BildSetzen(Image2, QStringLiteral(":/roh/logo_lkz.rgba"));
    BildSetzen(Image7, QStringLiteral(":/roh/start_knopf.rgba"));
    BildSetzen(Image1, QStringLiteral(":/roh/logo_morvendix.rgba"));
    for (QLabel *bild : {Image1, Image2, Image6, Image7})
        bild->setCursor(Qt::PointingHandCursor);
    Image7->setToolTip(QStringLiteral("Neues Projekt beginnen"));
    Image6->setToolTip(WebAdresseHersteller);
    Image2->setToolTip(WebAdresseHersteller);
    Image1->setToolTip(WebAdresseSoftware);
}

void TForm1::Einpassen()
{
    const QPoint Entwurfsecke(148, 114);
    const QSize entwurf(entwurfsflaeche.width(), Fensterhoehe());
    const QMargins rahmen = Fensterrahmen(this);
    const QPoint innen(rahmen.left(), rahmen.top());
    const QRect platz = Kundenplatz(this);
    UrteilFesthalten(entwurf.height() > platz.height());
    QSize groesse = entwurf;
    if (entwurf.width() <= platz.width() && entwurf.height() <= platz.height()) {
        setFixedSize(entwurf);
    } else {
        // Room for the scroll bar of the direction that does not fit, so
        // that the other direction need not scroll as well.
        const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (entwurf.height() > platz.height())
            groesse.rwidth() += balken;
        if (entwurf.width() > platz.width())
            groesse.rheight() += balken;
        groesse = groesse.boundedTo(platz.size());
        setMinimumSize(QSize(320, 240).boundedTo(groesse));
        setMaximumSize(entwurf + QSize(balken, balken));
        resize(groesse);
    }
    move(Eingepasst(QRect(Entwurfsecke + innen, groesse), platz).topLeft() - innen);
}

// The menu bar gets the height it has for the window's width, which some
// styles (Windows') make a pixel more than its size hint: with the hint the
// page would miss that pixel and scroll.
int TForm1::Fensterhoehe() const
{
    const int menue = menuBar()->heightForWidth(entwurfsflaeche.width());
    return entwurfsflaeche.height() + (menue >= 0 ? menue : menuBar()->sizeHint().height()) + hinweishoehe;
}

void TForm1::UrteilFesthalten(bool fest)
{
    urteilFest = fest;
    QWidget *ziel = fest ? urteilsleiste : Panel1;
    if (Panel8->parentWidget() != ziel) {
        const bool sichtbar = !Panel8->isHidden();
        Panel8->setParent(ziel);
        Panel8->move(fest ? QPoint(urteilsort.x() - rollflaeche->horizontalScrollBar()->value(), 0) : urteilsort);
        Panel8->setVisible(sichtbar);
    }
    SeiteAnpassen();
}

// On the work page a verdict held below the scrolled part takes its place
// there, and the page scrolls only as far as the inputs reach; the start
// page keeps its whole height.
void TForm1::SeiteAnpassen()
{
    const bool leiste = urteilFest && Panel6->isHidden();
    urteilsleiste->setVisible(leiste);
    centralwidget->setFixedSize(entwurfsflaeche.width(),
                                leiste ? Panel1->y() + urteilsort.y() : entwurfsflaeche.height());
    HinweisfeldAnpassen();
}

// The hints take room below the verdict only on the work page and only
// while there is something to say; a window of the design's size grows by
// their height, a smaller one gives it from its scrolled part.
void TForm1::HinweisfeldAnpassen()
{
    const bool zeigen = !hinweisfeld->text().isEmpty() && Panel6->isHidden();
    const int hoehe = zeigen ? hinweisfeld->heightForWidth(entwurfsflaeche.width()) : 0;
    hinweisfeld->setVisible(zeigen);
    if (hoehe == hinweishoehe)
        return;
    const bool fest = minimumSize() == maximumSize();
    hinweishoehe = hoehe;
    if (!fest)
        return;
    // Where the grown window would leave the screen, the page scrolls
    // instead, as on a smaller screen.
    const int gewachsen = Fensterhoehe();
    if (gewachsen <= Kundenplatz(this).height())
        setFixedSize(width(), gewachsen);
    else
        Einpassen();
}

void TForm1::HinweiseZeigen()
{
    if (blatt->hinweise() == gezeigteHinweise)
        return;
    gezeigteHinweise = blatt->hinweise();

    QString text;
    for (const Pruefhinweis &h : gezeigteHinweise)
        text +=
            (text.isEmpty() ? QString() : QStringLiteral("\n")) + QStringLiteral("• ") + QString::fromStdString(h.text);
    if (text != hinweisfeld->text()) {
        hinweisfeld->setText(text);
        HinweisfeldAnpassen();
    }

    using S = Steuerelement;
    for (S element : {S::ComboBox1, S::ComboBox2, S::Edit6, S::ComboBox5, S::Edit8, S::Edit10, S::ComboBox6,
                      S::ComboBox7, S::Edit11, S::ComboBox8}) {
        std::string hinweis = HinweiseZuFeld(gezeigteHinweise, element);
        auto [eintrag, neuerEintrag] = markierungen.try_emplace(element);
        Markierung &m = eintrag->second;
        QWidget *feld = steuerelement(element);
        if (neuerEintrag)
            m.tooltip = feld->toolTip();
        if (m.hinweis == hinweis)
            continue;
        m.hinweis = std::move(hinweis);
        if (!m.rahmen && !m.hinweis.empty()) {
            // Over the field's own frame, letting the mouse through to it.
            m.rahmen = new QFrame(feld);
            m.rahmen->setObjectName(feld->objectName() + QStringLiteral("Hinweis"));
            m.rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
            m.rahmen->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #e09200; border-radius: 3px; }"));
            m.rahmen->setGeometry(feld->rect());
        }
        if (m.rahmen)
            m.rahmen->setVisible(!m.hinweis.empty());
        feld->setToolTip(m.hinweis.empty() ? m.tooltip
                                           : QStringLiteral("Hinweis: ") + QString::fromStdString(m.hinweis)
                                 + (m.tooltip.isEmpty() ? QString() : QStringLiteral("\n\n") + m.tooltip));
    }
}

bool TForm1::event(QEvent *ereignis)
{
    // Once the window manager has framed the window, its frame is known
    // and the estimate of it can be checked.
    if (ereignis->type() == QEvent::Move && !eingepasst && isVisible() && windowHandle()
        && !windowHandle()->frameMargins().isNull()) {
        eingepasst = true;
        if (!Kundenplatz(this).contains(geometry()))
            Einpassen();
    }
    return QMainWindow::event(ereignis);
}

void TForm1::Tastatur()
{
    // Tab runs down the object data, through the questions, then building
    // data, air tightness and heat protection, and ends on the two buttons.
    // Hidden controls are passed over.
    QList<QWidget *> reihe{Edit2, Edit1, Edit4, datum, Edit7, Edit3, Edit9};
    for (RadioGroup *gruppe : {RadioGroup1, RadioGroup2, RadioGroup3}) {
        for (QRadioButton *knopf : gruppe->findChildren<QRadioButton *>())
            reihe << knopf;
    }
    reihe << QList<QWidget *>{ComboBox1, Button3,   ComboBox2, Edit6,  Edit5,     ComboBox5, Edit8,
                              Edit10,    ComboBox6, ComboBox7, Edit11, ComboBox8, Button2,   Button4};
    for (qsizetype i = 1; i < reihe.size(); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);

    auto *rad = new Radsperre(this);
    for (QWidget *feld :
         {static_cast<QWidget *>(datum), static_cast<QWidget *>(ComboBox1), static_cast<QWidget *>(ComboBox2),
          static_cast<QWidget *>(ComboBox5), static_cast<QWidget *>(ComboBox6), static_cast<QWidget *>(ComboBox7),
          static_cast<QWidget *>(ComboBox8)})
        rad->schuetzen(feld);
}

void TForm1::Verbinden()
{
    connect(Edit5, &QLineEdit::textChanged, this, &TForm1::Edit5Change);
    connect(Edit6, &QLineEdit::textChanged, this, &TForm1::Edit6Change);
    connect(Edit8, &QLineEdit::textChanged, this, &TForm1::Edit8Change);
    connect(Edit10, &QLineEdit::textChanged, this, &TForm1::Edit10Change);
    connect(Edit11, &QLineEdit::textChanged, this, &TForm1::Edit11Change);
    connect(ComboBox1, &Kombifeld::geaendert, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &Kombifeld::geaendert, this, &TForm1::ComboBox2Change);
    connect(ComboBox5, &Kombifeld::geaendert, this, &TForm1::ComboBox5Change);
    connect(ComboBox6, &Kombifeld::geaendert, this, &TForm1::ComboBox6Change);
    connect(ComboBox7, &Kombifeld::geaendert, this, &TForm1::ComboBox7Change);
    connect(ComboBox8, &Kombifeld::geaendert, this, &TForm1::ComboBox7Change);
    connect(RadioGroup1, &RadioGroup::geklickt, this, &TForm1::RadioGroup1Click);
    connect(RadioGroup2, &RadioGroup::geklickt, this, &TForm1::RadioGroup2Click);
    connect(RadioGroup3, &RadioGroup::geklickt, this, &TForm1::RadioGroup3Click);
    // The object data have no handler of their own: they go into the page.
    using S = Steuerelement;
    for (auto [feld, element] : {std::pair{Edit1, S::Edit1}, std::pair{Edit2, S::Edit2}, std::pair{Edit3, S::Edit3},
                                 std::pair{Edit4, S::Edit4}, std::pair{Edit7, S::Edit7}, std::pair{Edit9, S::Edit9}})
        connect(feld, &QLineEdit::textChanged, this, [this, element = element] { Eingeben(element); });
    connect(datum, &QDateEdit::dateChanged, this, [this] { Eingeben(S::datum); });
    // A combo box's text set from code runs no handler; the page keeps it.
    for (auto [kombi, element] :
         {std::pair{ComboBox1, S::ComboBox1}, std::pair{ComboBox2, S::ComboBox2}, std::pair{ComboBox5, S::ComboBox5},
          std::pair{ComboBox6, S::ComboBox6}, std::pair{ComboBox7, S::ComboBox7}, std::pair{ComboBox8, S::ComboBox8}})
        connect(kombi, &Kombifeld::textGesetzt, this, [this, element = element] { Eingeben(element); });

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Image7, &Bildfeld::geklickt, this, &TForm1::Image7Click);
    connect(Image1, &Bildfeld::geklickt, this, &TForm1::Image1Click);
    connect(Image2, &Bildfeld::geklickt, this, &TForm1::Image2Click);
    connect(Image6, &Bildfeld::geklickt, this, &TForm1::Image6Click);
    connect(Neu1, &QAction::triggered, this, &TForm1::Neu1Click);
    connect(Kontakt1, &QAction::triggered, this, &TForm1::Kontakt1Click);
    connect(Beenden1, &QAction::triggered, this, &TForm1::Beenden1Click);
}

QColor TForm1::normaleFeldfarbe() const
{
    return QPalette().color(QPalette::Base);
}

void TForm1::setzeFeldfarbe(QLineEdit *feld, const QColor &farbe)
{
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    feld->setPalette(palette);
}

// --- The page and its controls --------------------------------------------

QWidget *TForm1::steuerelement(Steuerelement element) const
{
    using S = Steuerelement;
    switch (element) {
    case S::ComboBox1: return ComboBox1;
    case S::ComboBox2: return ComboBox2;
    case S::ComboBox5: return ComboBox5;
    case S::ComboBox6: return ComboBox6;
    case S::ComboBox7: return ComboBox7;
    case S::ComboBox8: return ComboBox8;
    case S::Edit6: return Edit6;
    case S::Edit8: return Edit8;
    case S::Edit10: return Edit10;
    case S::Edit11: return Edit11;
    case S::Label21: return Label21;
    case S::Label26: return Label26;
    case S::Label27: return Label27;
    case S::Label28: return Label28;
    case S::Label29: return Label29;
    case S::Label31: return Label31;
    case S::Label38: return Label38;
    case S::Label39: return Label39;
    case S::Label40: return Label40;
    case S::Label49: return Label49;
    case S::Label63: return Label63;
    case S::Edit5: return Edit5;
    case S::Label19: return Label19;
    case S::Label50: return Label50;
    case S::Label57: return Label57;
    case S::Label58: return Label58;
    case S::Label62: return Label62;
    case S::Panel2: return Panel2;
    case S::Panel3: return Panel3;
    case S::Panel4: return Panel4;
    case S::Panel5: return Panel5;
    case S::Panel11: return Panel11;
    case S::Edit1: return Edit1;
    case S::Edit2: return Edit2;
    case S::Edit3: return Edit3;
    case S::Edit4: return Edit4;
    case S::Edit7: return Edit7;
    case S::Edit9: return Edit9;
    case S::datum: return datum;
    case S::RadioGroup1: return RadioGroup1;
    case S::RadioGroup2: return RadioGroup2;
    case S::RadioGroup3: return RadioGroup3;
    }
    return nullptr;
}

void TForm1::Zeigen(Steuerelement element)
{
    using S = Steuerelement;
    ++spiegelnd;
    QWidget *w = steuerelement(element);
    const Speicherblatt &s = *blatt;
    if (w->isHidden() == s.sichtbar(element))
        w->setVisible(s.sichtbar(element));
    if (element == S::RadioGroup1 || element == S::RadioGroup2 || element == S::RadioGroup3) {
        static_cast<RadioGroup *>(w)->setItemIndex(s.radioIndex(element));
    } else if (element == S::datum) {
        const QDate tag = QDate::fromString(QString::fromStdString(s.text(element)), Qt::ISODate);
        if (tag.isValid())
            datum->setDate(tag);
    } else if (HatText(element)) {
        const QString neu = QString::fromStdString(s.text(element));
        if (auto *feld = qobject_cast<QLineEdit *>(w)) {
            if (feld->text() != neu) {
                // A point turned into a comma keeps the cursor where the user types.
                const int cursor = feld->cursorPosition();
                const bool gleicheLaenge = feld->text().size() == neu.size();
                feld->setText(neu);
                if (gleicheLaenge)
                    feld->setCursorPosition(cursor);
            }
            if (element == S::Edit8 || element == S::Edit10)
                setzeFeldfarbe(feld, s.grau() ? Feldgrau : normaleFeldfarbe());
        } else if (auto *kombi = qobject_cast<Kombifeld *>(w)) {
            if (kombi->text() != neu)
                kombi->setText(neu);
        } else {
            static_cast<QLabel *>(w)->setText(neu);
        }
    }
    --spiegelnd;
}

// What the user typed, chose or clicked goes into the page, and the
// control's handler runs there; what the window shows while it follows a
// change of the page is the page's already.
void TForm1::Eingeben(Steuerelement element)
{
    using S = Steuerelement;
    if (spiegelnd)
        return;
    QWidget *w = steuerelement(element);
    if (auto *gruppe = qobject_cast<RadioGroup *>(w))
        blatt->uebernehmen(element, gruppe->itemIndex());
    else if (auto *kombi = qobject_cast<Kombifeld *>(w))
        blatt->uebernehmen(element, kombi->text().toStdString());
    else if (element == S::datum)
        blatt->uebernehmen(element, datum->date().toString(Qt::ISODate).toStdString());
    else
        blatt->uebernehmen(element, static_cast<QLineEdit *>(w)->text().toStdString());
}

void TForm1::Behandeln(Steuerelement element)
{
    if (spiegelnd)
        return;
    Eingeben(element);
    switch (element) {
    case Steuerelement::RadioGroup1: blatt->ablauf().RadioGroup1Click(); break;
    case Steuerelement::RadioGroup2: blatt->ablauf().RadioGroup2Click(); break;
    case Steuerelement::RadioGroup3: blatt->ablauf().RadioGroup3Click(); break;
    default: blatt->ablauf().Geaendert(element);
    }
}

void TForm1::VomAnfangZeigen()
{
    for (QLineEdit *feld : findChildren<QLineEdit *>())
        feld->setCursorPosition(0);
}

void TForm1::setzeFeldlaenge(Steuerelement feld, int laenge)
{
    static_cast<QLineEdit *>(steuerelement(feld))->setMaxLength(laenge);
}

// --- Question flow ---------------------------------------------------------

void TForm1::Edit5Change()
{
    Behandeln(Steuerelement::Edit5);
}
void TForm1::Edit6Change()
{
    Behandeln(Steuerelement::Edit6);
}
void TForm1::Edit8Change()
{
    Behandeln(Steuerelement::Edit8);
}
void TForm1::Edit10Change()
{
    Behandeln(Steuerelement::Edit10);
}
void TForm1::Edit11Change()
{
    Behandeln(Steuerelement::Edit11);
}
void TForm1::ComboBox1Change()
{
    Behandeln(Steuerelement::ComboBox1);
}
void TForm1::ComboBox2Change()
{
    Behandeln(Steuerelement::ComboBox2);
}
void TForm1::ComboBox5Change()
{
    Behandeln(Steuerelement::ComboBox5);
}
void TForm1::ComboBox6Change()
{
    Behandeln(Steuerelement::ComboBox6);
}
// Serves ComboBox7 and ComboBox8.
void TForm1::ComboBox7Change()
{
    Eingeben(Steuerelement::ComboBox8);
    Behandeln(Steuerelement::ComboBox7);
}
void TForm1::RadioGroup1Click()
{
    Behandeln(Steuerelement::RadioGroup1);
}
void TForm1::RadioGroup2Click()
{
    Behandeln(Steuerelement::RadioGroup2);
}
void TForm1::RadioGroup3Click()
{
    Behandeln(Steuerelement::RadioGroup3);
}

void TForm1::Zuruecksetzen()
{
    blatt->Zuruecksetzen();
}

// --- Start page and menu -------------------------------------------------

// The work page opens with the cursor in its first field, wherever the
// focus was before, so that typing at once goes into the object name.
void TForm1::Button1Click()
{
    Panel6->hide();
    SeiteAnpassen();
    Edit2->setFocus(Qt::OtherFocusReason);
}

void TForm1::Button2Click()
{
    Panel6->show();
    SeiteAnpassen();
}

void TForm1::Image7Click()
{
    emit seiteWirdErsetzt();
    Zuruecksetzen();
    Button1->click();
    emit seiteErsetzt();
}

void TForm1::Neu1Click()
{
    emit seiteWirdErsetzt();
    Zuruecksetzen();
    Button1->click();
    emit seiteErsetzt();
}

void TForm1::Image1Click()
{
    Button6->click();
}
void TForm1::Image2Click()
{
    Button5->click();
}
void TForm1::Image6Click()
{
    Button5->click();
}
void TForm1::Button5Click()
{
    AdresseOeffnen(WebAdresseHersteller);
}
void TForm1::Button6Click()
{
    AdresseOeffnen(WebAdresseSoftware);
}
void TForm1::Kontakt1Click()
{
    AdresseOeffnen(QStringLiteral("mailto: ") + MailAdresseVerband);
}
void TForm1::Beenden1Click()
{
    close();
}
