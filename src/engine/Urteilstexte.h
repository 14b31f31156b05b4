#pragma once

// The fixed texts of the verdict labels Label31, Label49 and Label63, shared
// by the recalculation and the question flow.

namespace Urteilstexte {

inline constexpr const char *MassnahmeErforderlich =
    "Lüftungstechnische Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den "
    "Feuchteschutz erforderlich!";
inline constexpr const char *KeineMassnahme =
    "Keine zusätzliche Maßnahme zur Sicherstellung des Außenluftvolumenstroms für den "
    "Feuchteschutz erforderlich.";
inline constexpr const char *FensterOeffnen =
    "Sicherstellung des Außenluftvolumenstroms der Nutzungsstufen muss durch aktives Öffnen "
    "der Fenster erfolgen.";
inline constexpr const char *NennlueftungSichern =
    "Sicherstellung des notwendigen Außenluftvolumenstroms der Nennlüftung erforderlich.";
inline constexpr const char *NennUndReduziertSichern =
    "Sicherstellung des notwendigen Außenluftvolumenstroms von Nenn- und reduzierter Lüftung "
    "notwendig.";
inline constexpr const char *ErhoehteAnforderungen = "Lüftungstechnische Maßnahme ist erforderlich !";
inline constexpr const char *ErhoehteAnforderungenKommentar =
    "Bei erhöhten Anforderungen an Schall, Hygiene, Effizienz ist eine ventilatorgestützte "
    "Lüftung erforderlich.";
inline constexpr const char *AusreichendZeile1 =
    "Lüftungstechnische Maßnahme (z.B. Forderung dauernd wirksamer Abluftvolumenströme) ist "
    "ausreichend,";
inline constexpr const char *AusreichendZeile2 =
    "wenn Lüftung zum Feuchteschutz erreicht wird bei Durchströmung aller Räume";

}  // namespace Urteilstexte
