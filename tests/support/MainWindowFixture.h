#pragma once
// The main window of a test, created offscreen on the test's fresh settings (the fresh
// HOME and XDG folders of TestMain.cpp). It is HauptForm while it lives; the command-line
// globals of an earlier window are cleared before each creation, the program arguments
// are left as the test set them. A working folder that falls back to the program's
// folder is moved to the fresh data folder.

#include "shell/Haupt.h"

#include <memory>

class MainWindowFixture {
public:
    MainWindowFixture() = default;
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;
    ~MainWindowFixture() { reset(); }

    // A new window in place of the current one.
    THauptForm &Create();
    // The current window, created when there is none yet.
    THauptForm &OnDemand() { return form_ ? *form_ : Create(); }
    // Destroys the window; HauptForm is null afterwards.
    void reset();

    THauptForm *get() const { return form_.get(); }
    THauptForm &operator*() const { return *form_; }
    THauptForm *operator->() const { return form_.get(); }
    explicit operator bool() const { return bool(form_); }

private:
    std::unique_ptr<THauptForm> form_;
};
