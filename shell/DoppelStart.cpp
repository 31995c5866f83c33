#include "shell/DoppelStart.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Environment.h"
#include "platform/fs/PathCodec.h"

#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int LockHandle = -1;

const QString RunningGerman = QStringLiteral("Corvex Pro läuft bereits!!!!!");
const QString RunningEnglish = QStringLiteral("Corvex Pro is already running !!!!!");

enum class LockState { Taken, HeldElsewhere, Unusable };

// Opens the file (never through a symbolic link, only our own) and tries the lock.
LockState TryLock(const QString &FileName)
{
    const int fd = open(fs::encodeName(FileName).constData(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return LockState::Unusable;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        close(fd);
        return LockState::Unusable;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? LockState::HeldElsewhere : LockState::Unusable;
    }
    LockHandle = fd;
    return LockState::Taken;
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

bool IsCommandFileSwitch(const QString &Argument)
{
    return Argument.left(3).toUpper() == QLatin1String("/R:");
}

std::optional<int> CheckSingleInstance()
{
    LockState state = TryLock(InstanceLockFileName());
    if (state == LockState::Unusable && !RuntimeFolder().isEmpty())
        state = TryLock(TempLockFileName());
    if (state != LockState::HeldElsewhere)
        return std::nullopt;

    if (IsCommandFileSwitch(ProgramArguments().value(0))) {
        std::fprintf(stderr, "%s\n%s\n", RunningGerman.toUtf8().constData(), RunningEnglish.toUtf8().constData());
        return 1;
    }
    // No setting is read yet: LanguageIndex is 0 and the box speaks German.
    MessageDlg(RunningGerman + QLatin1Char('\r') + RunningEnglish, mtInformation, mbOKOnly, 0,
               LanguageNames[LanguageIndex]);
    return 0;
}

void DoppelStartFinalization()
{
    if (LockHandle >= 0) {
        close(LockHandle);
        LockHandle = -1;
    }
}
