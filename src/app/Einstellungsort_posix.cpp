#include "app/Einstellungsort.h"

void EinstellungsortWaehlen()
{
    // Qt's default: ~/.config (XDG_CONFIG_HOME).
}
