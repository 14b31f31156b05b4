#include "app/Befehlszeile.h"

#include "fileio/Dateiname.h"
#include "fileio/Dateisystem.h"
#include "fileio/Lesedatei.h"
#include "project/TProjektdaten.h"
#include "windowkit/Fehleranzeige.h"
#include "windowkit/Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <optional>
#include <string_view>

namespace {

Befehlszeile Fehler(const QString &programm, const QString &grund)
{
    Befehlszeile b;
    b.art = Befehlszeile::Art::Fehler;
    b.text = QStringLiteral("%1: %2\n"
                            "Aufruf: %1 [PROJEKT.lkz]\n"
                            "        %1 --pruefen PFAD…\n"
                            "        %1 --pdf ZIEL.pdf PFAD…\n"
                            "Mehr mit: %1 --help\n")
                 .arg(programm, grund);
    return b;
}

// Both names lead to the same file, by name or through links.
bool DieselbeDatei(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const Dateiangaben da = DateiangabenLesen(a);
    const Dateiangaben db = DateiangabenLesen(b);
    return da.art != Dateiangaben::Art::Keine && db.art != Dateiangaben::Art::Keine && da.geraet == db.geraet
        && da.nummer == db.nummer;
}

// An existing file that is not a PDF and has a project's length: a target
// typed in the place of an input.
bool Projektdatei(const QString &pfad)
{
    const Dateiangaben angaben = DateiangabenLesen(pfad);
    if (angaben.art != Dateiangaben::Art::Datei || std::size_t(angaben.groesse) != TProjektdaten::Groesse)
        return false;
    char anfang[5] = {};
    Lesedatei datei(pfad);
    const bool pdf = datei.fehler() == 0 && datei.lesen(anfang, sizeof anfang) == qint64(sizeof anfang)
        && std::string_view(anfang, sizeof anfang) == "%PDF-";
    return !pdf;
}

// Why the PDF must not be written to ziel; nothing when it may.
std::optional<QString> ZielVerweigert(const QString &ziel, const QStringList &pfade)
{
    const QString name = NameZumZeigen(ziel);
    if (!ziel.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return QStringLiteral("Das Ziel „%1“ endet nicht auf .pdf. Aufruf: --pdf ZIEL.pdf PFAD…").arg(name);
    for (const QString &p : pfade) {
        if (DieselbeDatei(ziel, p))
            return QStringLiteral("Das Ziel „%1“ ist zugleich eine der Projektdateien.").arg(name);
    }
    if (Projektdatei(ziel))
        return QStringLiteral("Das Ziel „%1“ ist eine vorhandene Projektdatei und wird nicht überschrieben.").arg(name);
    return std::nullopt;
}

}  // namespace

Befehlszeile Befehlszeile::Lesen(const QStringList &argumente)
{
    const QString programm = QFileInfo(argumente.value(0, QStringLiteral("luvanto"))).fileName();

    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Programmtitel()
                                     + QStringLiteral(": Notwendigkeit lüftungstechnischer "
                                                      "Maßnahmen nach DIN 1946-6 (Ausgabe 2009)"));
    const QCommandLineOption hilfe = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption pruefen(
        QStringLiteral("pruefen"),
        QStringLiteral("Prüft die Projektdateien PFAD… (Dateien oder Ordner mit .lkz-Dateien) durch "
                       "Nachrechnen und schreibt die Tabelle (CSV) auf die Standardausgabe. Code 0: alle "
                       "stimmen, 1: eine weicht ab oder ist keine Projektdatei."));
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        QStringLiteral("Schreibt das Sammel-PDF der Projektdateien PFAD… (Übersicht und eine Seite je "
                       "Nutzungseinheit, PDF/A-1b) nach ZIEL.pdf; Logo ist Logo.bmp im Arbeitsordner. "
                       "Codes wie --pruefen."),
        QStringLiteral("ZIEL.pdf"));
    parser.addOption(pruefen);
    parser.addOption(pdf);
    parser.addPositionalArgument(QStringLiteral("PROJEKT.lkz"),
                                 QStringLiteral("Projektdatei, die beim Start geöffnet wird."),
                                 QStringLiteral("[PROJEKT.lkz | --pruefen PFAD… | --pdf ZIEL.pdf PFAD…]"));

    if (!parser.parse(argumente))
        return Fehler(programm, parser.errorText());

    Befehlszeile b;
    // --help-all comes with the help option; the program passes none of
    // Qt's own options on, so it shows the same help.
    if (parser.isSet(hilfe) || parser.isSet(QStringLiteral("help-all"))) {
        b.art = Art::Hilfe;
        b.text = parser.helpText();
        return b;
    }
    if (parser.isSet(version)) {
        b.art = Art::Version;
        b.text = Programmtitel() + QLatin1Char(' ') + Versionstext + QLatin1Char('\n');
        return b;
    }
    const QStringList pfade = parser.positionalArguments();
    if (parser.isSet(pruefen) || parser.isSet(pdf)) {
        if (parser.isSet(pruefen) && parser.isSet(pdf))
            return Fehler(programm, QStringLiteral("--pruefen und --pdf schließen sich aus."));
        if (pfade.isEmpty())
            return Fehler(programm, QStringLiteral("Keine Projektdatei und kein Ordner angegeben."));
        b.art = parser.isSet(pdf) ? Art::SammelPdf : Art::Pruefen;
        for (const QString &p : pfade) {
            if (p.isEmpty())
                return Fehler(programm, QStringLiteral("Ein Pfad ist leer."));
            b.pfade.append(QDir::cleanPath(QDir::current().absoluteFilePath(p)));
        }
        if (b.art == Art::SammelPdf) {
            if (parser.value(pdf).isEmpty())
                return Fehler(programm, QStringLiteral("Der Name der PDF-Datei ist leer."));
            b.ziel = QDir::cleanPath(QDir::current().absoluteFilePath(parser.value(pdf)));
            if (const std::optional<QString> grund = ZielVerweigert(b.ziel, b.pfade))
                return Fehler(programm, *grund);
        }
        return b;
    }
    if (pfade.size() > 1)
        return Fehler(programm, QStringLiteral("Es kann nur eine Projektdatei geöffnet werden."));
    if (pfade.size() == 1) {
        if (pfade.front().isEmpty())
            return Fehler(programm, QStringLiteral("Der Name der Projektdatei ist leer."));
        // Only the path's text: QFileInfo would spoil bytes that are no UTF-8.
        b.pfad = QDir::cleanPath(QDir::current().absoluteFilePath(pfade.front()));
    }
    return b;
}

int Befehlszeile::Rueckgabewert() const
{
    return art == Art::Fehler ? 2 : 0;
}
