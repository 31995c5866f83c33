// The File menu's language item.

#include "shell/Haupt.h"

#include "localisation/frmSprache.h"
#include "operations/fktAllgemein.h"

void THauptForm::HMenuDateiSpracheClick()
{
    // Relabelling resets the rename page's groups: not while a batch lets the message
    // loop run.
    const BatchGuard guard;
    if (guard.Entered() && SpracheF)
        SpracheF->ShowModal();
}
