#pragma once
// Single instance: the first instance holds an flock on a lock file for its whole run
// (released by the kernel however the process ends; not inherited by programs it starts).

#include <QString>

// The lock file: $XDG_RUNTIME_DIR/Corvex Pro.lock, else "Corvex Pro-<uid>.lock" in the
// temp folder.
QString InstanceLockFileName();

enum class InstanceLockState {
    Taken,         // this process holds the lock now
    HeldElsewhere, // another process holds it
    Unusable,      // no lock file could be opened or locked at all
};

// Takes the lock on InstanceLockFileName(); when that file cannot be used, on the one in
// the temp folder. The file is opened close-on-exec, never through a symbolic link, and
// only when it is a regular file of the current user.
InstanceLockState TakeInstanceLock();

// Releases the lock taken by TakeInstanceLock (nothing when none is held).
void ReleaseInstanceLock();
