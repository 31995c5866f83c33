#include "operations/thrDefekteJPEGs.h"

#include "shell/Haupt.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMutexLocker>
#include <QPointer>

#include <vector>

QMutex *ThreadSection = nullptr;

namespace {

constexpr int PeriodMs = 200;
constexpr int NapMs = 10; // the period is slept in naps, so that a shutdown is quick

std::vector<QPointer<TDefekteJPEGs>> living;
bool shuttingDown = false;

} // namespace

void NapUnlessInterrupted(int Ms)
{
    const QThread *self = QThread::currentThread();
    for (int slept = 0; slept < Ms && !self->isInterruptionRequested(); slept += NapMs)
        QThread::msleep(NapMs);
}

void EndAnsweringCalls(QThread *Thread)
{
    Thread->requestInterruption();
    while (!Thread->wait(QDeadlineTimer(NapMs)))
        QCoreApplication::sendPostedEvents(Thread, QEvent::MetaCall);
    delete Thread;
}

TDefekteJPEGs::TDefekteJPEGs()
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    std::erase_if(living, [](const QPointer<TDefekteJPEGs> &t) { return t.isNull(); });
    living.emplace_back(this);
    start(QThread::HighPriority);
}

void TDefekteJPEGs::run()
{
    for (;;) {
        QMetaObject::invokeMethod(this, [this] { UpdateFoundCount(); }, Qt::BlockingQueuedConnection);
        if (isInterruptionRequested())
            return;
        NapUnlessInterrupted(PeriodMs);
    }
}

void TDefekteJPEGs::UpdateFoundCount()
{
    if (shuttingDown || !ThreadSection || !HauptForm)
        return;
    const QMutexLocker entered(ThreadSection);
    QLabel *label = HauptForm->Label_DDS05;
    label->setText(QString::number(HauptForm->AlteDateinamen.size()));
    label->repaint();
}

void TDefekteJPEGs::Terminate()
{
    for (const QPointer<TDefekteJPEGs> &t : living)
        if (t)
            t->requestInterruption();
}

void TDefekteJPEGs::Shutdown()
{
    shuttingDown = true;
    for (const QPointer<TDefekteJPEGs> &t : living) {
        if (t)
            EndAnsweringCalls(t); // its calls do nothing now
    }
    living.clear();
    shuttingDown = false;
}
