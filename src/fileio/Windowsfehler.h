#pragma once

// Windows error codes (GetLastError) in the errno values that the rest of
// the program reports in German, so that one table of messages serves every
// system. A file that another program holds open (a sharing or lock
// violation) becomes ETXTBSY: "in use". Built on Windows only.

int ErrnoAusWindowsfehler(unsigned long fehler);
