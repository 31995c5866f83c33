#pragma once
// Single instance: a second start is told that the program runs already
// (the lock itself: platform/InstanceLock.h).

#include <QString>
#include <optional>

// True for a first argument that starts a command-file run ("/R:" in any letter case).
bool IsCommandFileSwitch(const QString &Argument);
// True for a first argument that names a command file: the switch and a file name. Such
// a run is unattended: it builds no page of the main window and shows nothing.
bool IsCommandFileRun(const QString &Argument);

// Takes the instance lock; runs before any window exists. When another instance
// holds it, tells the user (a message box; in a command-file run two lines on standard
// error) and returns the exit status for this process. Nothing when this process is
// the only instance, or when no lock file can be opened at all.
std::optional<int> CheckSingleInstance();

// Releases the lock.
void DoppelStartFinalization();
