#pragma once
// The mouse watch: a worker thread that every 250 ms has the GUI thread hide the
// picture hint once the cursor is over neither visible file list.

#include <QPoint>
#include <QRect>
#include <QThread>

class TMausUeberwachung : public QThread {
    Q_OBJECT
public:
    // Starts at once; the object deletes itself once the thread has ended.
    TMausUeberwachung();

    // On the GUI thread, inside ThreadSection: takes the cursor and the lists' screen
    // rectangles, then hides the hint when the cursor is over neither list.
    void CheckMousePosition();

    // Starts the one watch (FormCreate) unless it runs already.
    static void Create();
    // Ends the watch and waits for it, answering its calls meanwhile (they do nothing
    // then): before the window goes or ThreadSection is deleted.
    static void Shutdown();

protected:
    void run() override; // Execute

private:
    QPoint Cursor;                   // on the screen
    QRect LeftList, RightList;       // empty while that list is not shown
};
