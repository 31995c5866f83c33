#include "support/MainWindowFixture.h"

#include "shell/Haupt_Globals.h"

THauptForm &MainWindowFixture::Create()
{
    reset();
    CommandFileName.clear();
    CommandLineFolder.clear();
    form_ = std::make_unique<THauptForm>();
    return *form_;
}

void MainWindowFixture::reset()
{
    form_.reset();
    HauptForm = nullptr;
}
