#pragma once

// Where the program keeps its settings (the recently used projects, the
// last building folder). On POSIX systems (Einstellungsort_posix.cpp) Qt's
// own choice stands: a file under ~/.config. On Windows
// (Einstellungsort_windows.cpp) they go into a file under %LOCALAPPDATA%,
// beside the recovery copies, instead of the registry, so that they stay
// with the user's files and nothing of the program is left in the
// registry once it is uninstalled. CMake builds one of the two.

// Called in main() before the first setting is read.
void EinstellungsortWaehlen();
