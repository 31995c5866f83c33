#include "shell/thrMausPosition.h"

#include "operations/thrDefekteJPEGs.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/frmThumbHint.h"

#include <QCursor>
#include <QMutexLocker>
#include <QPointer>
#include <QStackedWidget>

namespace {

constexpr int PeriodMs = 250;

QPointer<TMausUeberwachung> MouseWatchThread;
bool shuttingDown = false;

// The list's rectangle on the screen, bounds inclusive; empty while its pane does not
// show it.
QRect ScreenRect(const QStackedWidget *Pane, const TShellListView *List)
{
    if (!Pane->isVisible() || Pane->currentIndex() != 0 || !List->isVisible())
        return {};
    return QRect(List->mapToGlobal(QPoint(0, 0)), List->size() + QSize(1, 1));
}

} // namespace

TMausUeberwachung::TMausUeberwachung()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    start();
}

void TMausUeberwachung::run()
{
    for (;;) {
        QMetaObject::invokeMethod(this, [this] { CheckMousePosition(); }, Qt::BlockingQueuedConnection);
        if (isInterruptionRequested())
            return;
        NapUnlessInterrupted(PeriodMs);
    }
}

void TMausUeberwachung::CheckMousePosition()
{
    if (shuttingDown || !ThreadSection || !HauptForm)
        return;
    const QMutexLocker entered(ThreadSection);
    const THauptForm &f = *HauptForm;
    Cursor = QCursor::pos();
    LeftList = ScreenRect(f.Explorer01, f.ShellListView01);
    RightList = ScreenRect(f.Explorer02, f.ShellListView02);
    if (RightList.contains(Cursor) || LeftList.contains(Cursor))
        return;
    if (ThumbForm)
        ThumbForm->HideHint();
}

void TMausUeberwachung::Create()
{
    if (!MouseWatchThread)
        MouseWatchThread = new TMausUeberwachung;
}

void TMausUeberwachung::Shutdown()
{
    if (!MouseWatchThread)
        return;
    shuttingDown = true;
    EndAnsweringCalls(MouseWatchThread);
    shuttingDown = false;
}
