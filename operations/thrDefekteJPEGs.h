#pragma once
// The worker thread that shows the number of files gathered so far while the
// defective-JPEG search collects them, and ThreadSection, which its calls on the GUI
// thread enter.

#include <QMutex>
#include <QThread>

// Created by the main window's start-up, deleted when it closes (after the search
// thread has ended); nullptr before and after.
extern QMutex *ThreadSection;

// For the worker threads whose work runs on the GUI thread through blocking calls.
// On the worker: sleeps Ms in short naps, returning early once it is asked to end.
void NapUnlessInterrupted(int Ms);
// On the GUI thread: asks Thread to end and waits for it, answering its blocking calls
// meanwhile, then deletes it.
void EndAnsweringCalls(QThread *Thread);

class TDefekteJPEGs : public QThread {
    Q_OBJECT
public:
    // Starts at once, one priority step above normal; the object deletes itself once
    // the thread has ended.
    TDefekteJPEGs();
    // On the GUI thread: Label_DDS05 := the number of files gathered so far. Does
    // nothing once the search thread is being shut down.
    void UpdateFoundCount();

    // Asks the running thread (if any) to end; it ends within one period.
    static void Terminate();
    // Ends a living thread and waits for it, answering its calls meanwhile (they do
    // nothing then): before the window goes or ThreadSection is deleted.
    static void Shutdown();

protected:
    void run() override; // Execute
};
