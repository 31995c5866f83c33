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

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// A command-file run on a machine without a desktop uses Qt's offscreen platform
// (unless a platform is chosen explicitly). A normal start without a display, "/R:"
// without a file name among them, is left to fail as Qt fails, rather than run
// invisibly and never end.
void ChoosePlatform(int argc, char **argv)
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (IsCommandFileRun(first) && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int ProgramMain(int argc, char **argv)
{
    ChoosePlatform(argc, argv);
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
