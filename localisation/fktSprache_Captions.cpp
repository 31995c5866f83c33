// The texts of the main window in the chosen language.

#include "localisation/fktSprache.h"

#include "shell/Haupt.h"

QString VersionDateText;

void ApplyLanguageCaptions()
{
    VersionDateText = QStringLiteral("(") + LoadLangString(8990) + QStringLiteral("11.04.2003)");
    if (HauptForm)
        HauptForm->setWindowTitle(QStringLiteral("Corvex Pro V1.52 ") + VersionDateText);
}
