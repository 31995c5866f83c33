#pragma once
// Single instance: the first instance holds an flock on a lock file for its whole run
// (released by the kernel however the process ends; not inherited by programs it starts).

#include <QString>
#include <optional>

// The lock file: $XDG_RUNTIME_DIR/Corvex Pro.lock, else "Corvex Pro-<uid>.lock" in the
// temp folder.
QString InstanceLockFileName();

// True for a first argument that starts a command-file run ("/R:" in any letter case).
bool IsCommandFileSwitch(const QString &Argument);

// Takes the instance lock; runs before any window exists. When another instance
// holds it, tells the user (a message box; in a command-file run two lines on standard
// error) and returns the exit status for this process. Nothing when this process is
// the only instance, or when no lock file can be opened at all.
std::optional<int> CheckSingleInstance();

// Releases the lock.
void DoppelStartFinalization();
