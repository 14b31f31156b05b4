#pragma once

// The system call through which the safe writer writes on Windows:
// WriteFile(); tests pass one that fails. The handle and the counts are
// the system's HANDLE and DWORD, spelt without <windows.h>.

using Schreibaufruf = int (*)(void *datei, const void *puffer, unsigned long anzahl, unsigned long *geschrieben,
                              void *ueberlappt);

struct Dateiaufrufe {
    Dateiaufrufe();
    // A write call alone, as on every system.
    Dateiaufrufe(Schreibaufruf s)
        : schreiben(s)
    {
    }

    Schreibaufruf schreiben;
};
