// The program's main module.

#include "localisation/fktSprache.h"
#include "platform/Application.h"
#include "shell/Haupt.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    THauptForm form;
    HauptForm = &form;
    form.setWindowTitle(QStringLiteral("Corvex Pro V1.52 (") + LoadLangString(8990) + QStringLiteral("11.04.2003)"));
    form.showMaximized();
    return app.exec();
}
