#pragma once

// Why the system refused a file, in German: one wording per reason for
// every file the program reads or writes (project files, logo, PDF, CSV,
// recovery copies, the command line's output). Where a project file's
// message names the reason, that is the wording; other reasons have their
// own. An error number is an errno value on every system (fileio maps
// Windows' codes onto them).

#include <QString>

// The reason for fehlernummer, without a closing full stop. A missing entry
// (ENOENT) is a missing file when its folder exists, otherwise an invalid
// file name.
QString Systemgrund(int fehlernummer, bool ordnerVorhanden = true);
