#include "support/MainWindowFixture.h"

#include "shell/Haupt_Globals.h"

#include <QDir>

THauptForm &MainWindowFixture::Create()
{
    reset();
    CommandFileName.clear();
    CommandLineFolder.clear();
    form_ = std::make_unique<THauptForm>();
    // The test programs' folder is writable and shared by the tests that run at once,
    // so a window that falls back to it keeps its undo log in the test's fresh data
    // folder instead.
    if (Arbeitsverzeichnis == ProgramDir) {
        Arbeitsverzeichnis = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/work/");
        QDir().mkpath(Arbeitsverzeichnis);
    }
    return *form_;
}

void MainWindowFixture::reset()
{
    form_.reset();
    HauptForm = nullptr;
}
