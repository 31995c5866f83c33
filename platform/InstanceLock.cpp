#include "platform/InstanceLock.h"

#include "platform/Environment.h"
#include "platform/fs/PathCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int LockHandle = -1;

InstanceLockState TryLock(const QString &FileName)
{
    const int fd = open(fs::encodeName(FileName).constData(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return InstanceLockState::Unusable;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(fd);
        return InstanceLockState::Unusable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? InstanceLockState::HeldElsewhere : InstanceLockState::Unusable;
    }
    LockHandle = fd;
    return InstanceLockState::Taken;
}

QString TempLockFileName()
{
    return TempFolder() + QStringLiteral("Corvex Pro-%1.lock").arg(geteuid());
}

} // namespace

QString InstanceLockFileName()
{
    const QString runtime = RuntimeFolder();
    return runtime.isEmpty() ? TempLockFileName() : runtime + QStringLiteral("Corvex Pro.lock");
}

InstanceLockState TakeInstanceLock()
{
    InstanceLockState state = TryLock(InstanceLockFileName());
    if (state == InstanceLockState::Unusable && !RuntimeFolder().isEmpty())
        state = TryLock(TempLockFileName());
    return state;
}

void ReleaseInstanceLock()
{
    if (LockHandle >= 0) {
        close(LockHandle);
        LockHandle = -1;
    }
}
