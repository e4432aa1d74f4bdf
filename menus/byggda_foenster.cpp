// The one list of windows that have been built: each window module adds
// its line here, with its header above.
#include "menus/foensterregister.h"

void registreraByggdaFoenster()
{
    // registreraFoenster(Foenstertyp::TFLERBAR, VisaFLERBAR);
}
