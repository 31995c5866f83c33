#include "shell/DoppelStart.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Environment.h"
#include "platform/InstanceLock.h"

#include <cstdio>

namespace {

const QString RunningGerman = QStringLiteral("Corvex Pro läuft bereits!!!!!");
const QString RunningEnglish = QStringLiteral("Corvex Pro is already running !!!!!");

} // namespace

bool IsCommandFileSwitch(const QString &Argument)
{
    return Argument.left(3).toUpper() == QLatin1String("/R:");
}

bool IsCommandFileRun(const QString &Argument)
{
    return Argument.size() > 3 && IsCommandFileSwitch(Argument);
}

std::optional<int> CheckSingleInstance()
{
    if (TakeInstanceLock() != InstanceLockState::HeldElsewhere)
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
    ReleaseInstanceLock();
}
