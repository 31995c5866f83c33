#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Abort.h"

#include <QApplication>

namespace {

bool batchRunning = false;

} // namespace

// ---- Re-entrancy guard ----

BatchGuard::BatchGuard() : entered_(!batchRunning)
{
    if (entered_)
        batchRunning = true;
}

BatchGuard::~BatchGuard()
{
    if (entered_)
        batchRunning = false;
}

bool BatchGuard::Running()
{
    return batchRunning;
}

HourglassCursor::HourglassCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

HourglassCursor::~HourglassCursor()
{
    QApplication::restoreOverrideCursor();
}

bool HourglassCursor::Shown()
{
    const QCursor *cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

// ---- Messages ----

void ShowInformation(const QString &Text)
{
    MessageDlg(Text, mtInformation, mbOKOnly, 0, LanguageName());
}

void ReportAndAbort(int Id)
{
    ShowInformation(LoadLangString(Id));
    Abort();
}
