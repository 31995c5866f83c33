#include "platform/Application.h"

namespace {
TApplication::ExceptionHandler &handler()
{
    static TApplication::ExceptionHandler h = [](std::exception_ptr) {};
    return h;
}
} // namespace

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void TApplication::setExceptionHandler(ExceptionHandler h)
{
    handler() = h ? std::move(h) : ExceptionHandler([](std::exception_ptr) {});
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handler()(std::current_exception());
        return false;
    }
}

void RunGuarded(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (...) {
        handler()(std::current_exception());
    }
}

void ChoosePlatform(bool CommandFileRun)
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (x11 && wayland)
        qputenv("QT_QPA_PLATFORM", "xcb");
    else if (CommandFileRun && !x11 && !wayland)
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
