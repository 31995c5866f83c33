#pragma once
// The application object: its notify() is the application-wide exception hook.

#include <QApplication>
#include <functional>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);

    // Every exception that reaches the event loop ends here. The handler may be
    // replaced (the main window installs its own); the default drops it silently.
    using ExceptionHandler = std::function<void(std::exception_ptr)>;
    static void setExceptionHandler(ExceptionHandler handler);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Runs fn and hands any exception to the application's exception hook, so that no
// exception crosses Qt code (slots, lambdas connected to signals, timers).
void RunGuarded(const std::function<void()> &fn);

// Chooses Qt's platform before the application object exists, unless QT_QPA_PLATFORM
// is set. A command-file run with neither DISPLAY nor WAYLAND_DISPLAY uses the offscreen
// platform. With both (XWayland) the program uses xcb: the thumbnail hint follows the
// global cursor and dialogs are placed by global positions, which Wayland does not give
// a client. A normal start without a display is left to fail as Qt fails, rather than
// run invisibly and never end.
void ChoosePlatform(bool CommandFileRun);
