#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/Abort.h"

#include <QApplication>

namespace {

bool batchRunning = false;
PreviewMessages *innermostPreviewMessages = nullptr;

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
    if (!PreviewMessages::HoldBack(Text))
        MessageDlg(Text, mtInformation, mbOKOnly, 0, LanguageName());
}

void ReportAndAbort(int Id)
{
    ShowInformation(LoadLangString(Id));
    Abort();
}

// ---- Messages of a preview ----

PreviewMessages::PreviewMessages(bool Quiet) : quiet_(Quiet), outer_(innermostPreviewMessages)
{
    innermostPreviewMessages = this;
}

PreviewMessages::~PreviewMessages()
{
    innermostPreviewMessages = outer_;
}

bool PreviewMessages::HoldBack(const QString &Text)
{
    PreviewMessages *messages = innermostPreviewMessages;
    if (!messages)
        return false;
    if (messages->text_.isEmpty())
        messages->text_ = QString(Text).replace(u'\r', u' ');
    return messages->quiet_;
}
