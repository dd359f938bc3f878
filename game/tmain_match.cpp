// Match start and end of the settings window.
#include "tmain.h"

void Tmain::Button1Click()
{
    // Match setup: built with the match itself.
}

void Tmain::endMatch()
{
    // Before a first match there is no sprite world to clear and no window mode to restore.
}
