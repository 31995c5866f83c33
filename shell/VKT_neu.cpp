// The program's main module: the main block.

#include "localisation/frmSprache.h"
#include "platform/Application.h"
#include "platform/Environment.h"
#include "shell/DoppelStart.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "shell/Info.h"
#include "shell/frmOptionen.h"
#include "shell/frmThumbHint.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

int ProgramMain(int argc, char **argv)
{
    ChoosePlatform(argc > 1 && IsCommandFileRun(QString::fromLocal8Bit(argv[1])));
    TApplication app(argc, argv);
    SetProgramArguments(argc, argv);
    if (const auto status = CheckSingleInstance())
        return *status;

    // The main window; its FormCreate runs in the constructor. In a command-file run it
    // has asked the event loop to end, and is never shown.
    auto mainWindow = std::make_unique<THauptForm>();
    // The dialogs; a command-file run needs none. The language dialog may show itself now.
    std::unique_ptr<TOptionenF> optionsDialog;
    std::unique_ptr<TSpracheF> languageDialog;
    std::unique_ptr<TInfoF> aboutBox;
    std::unique_ptr<TThumbForm> thumbForm;
    if (CommandFileName.isEmpty()) {
        optionsDialog = std::make_unique<TOptionenF>();
        languageDialog = std::make_unique<TSpracheF>();
        aboutBox = std::make_unique<TInfoF>();
        thumbForm = std::make_unique<TThumbForm>();
    }
    if (CommandFileName.isEmpty())
        mainWindow->show();
    const int status = app.exec();
    if (!CommandFileName.isEmpty()) {
        // The batch is carried out and its log closed: a window that was never shown,
        // and the batch's lists, need no tearing down.
        DoppelStartFinalization();
        std::fflush(nullptr);
        std::_Exit(status);
    }

    thumbForm.reset();
    aboutBox.reset();
    languageDialog.reset();
    optionsDialog.reset();
    mainWindow.reset();
    DoppelStartFinalization();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    return ProgramMain(argc, argv);
}
