#pragma once

#include <QString>

// The outcome of reading or writing a project file, as a value: success, or
// the condition that ended the operation, the step in which it happened and
// the operating system's error code. The window layer turns a failure into
// the German message of meldung().
class Dateiergebnis {
public:
    enum class Art {
        Gelungen,
        DateiNichtGefunden,  // 2
        UngueltigerDateiname,  // 3: a folder of the path is missing
        ZuVieleDateien,  // 4
        ZugriffVerweigert,  // 5
        HinterDateiende,  // 100: fewer bytes than a whole record read
        ZuWenigSpeicherplatz,  // 101: fewer bytes written than asked for
        Verweisschleife,  // symbolic links that lead round in a circle
        Systemfehler,  // any other error of the operating system
    };
    enum class Schritt { Keiner, Erstellen, Oeffnen, Lesen, Schreiben, Schliessen };

    Dateiergebnis() = default;
    Dateiergebnis(Art art, Schritt schritt, int systemcode = 0);

    // Classifies an errno value. A missing entry (ENOENT) is a missing file
    // when its folder exists, otherwise an invalid file name.
    static Dateiergebnis ausSystemcode(Schritt schritt, int systemcode, bool ordnerVorhanden);

    bool gelungen() const { return ergebnisart == Art::Gelungen; }
    Art art() const { return ergebnisart; }
    Schritt schritt() const { return ergebnisschritt; }
    int systemcode() const { return systemnummer; }

    // 2, 3, 4, 5, 100 or 101 for the known conditions, else the system code;
    // 0 on success.
    int code() const;
    // The German message, without the closing full stop; empty on success.
    QString meldung() const;

private:
    Art ergebnisart = Art::Gelungen;
    Schritt ergebnisschritt = Schritt::Keiner;
    int systemnummer = 0;
};
