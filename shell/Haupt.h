#pragma once
// The main window's frame. Each page is a plain struct THaupt<Page> in Haupt_<Page>.h: its controls,
// its builder and its handlers, defined in Haupt_<Page>.cpp (the handlers in Haupt_<Page>Handler.cpp
// once that passes ~400 lines). THauptForm inherits every page, so HauptForm->AnyControl works; inside
// a page, Form() is the whole window (other pages' controls, the frame, QObject receiver).

#include "shell/Haupt_Ansicht.h"
#include "shell/Haupt_Attribute.h"
#include "shell/Haupt_DragDrop.h"
#include "shell/Haupt_Explorer.h"
#include "shell/Haupt_Grafik.h"
#include "shell/Haupt_MP3.h"
#include "shell/Haupt_Menues.h"
#include "shell/Haupt_Ordner.h"
#include "shell/Haupt_OrdnerUmbenennen.h"
#include "shell/Haupt_Ordnerstatistik.h"
#include "shell/Haupt_Sortieren.h"
#include "shell/Haupt_Thumbs.h"
#include "shell/Haupt_Umbenennen.h"
#include "shell/Haupt_Vorschau.h"

#include "platform/Application.h"

#include <QMainWindow>
#include <QStringList>

#include <exception>

class QCloseEvent;
class QKeyEvent;
class QResizeEvent;
class QStatusBar;
class QStackedWidget;
class QTabWidget;
class TStringGrid;
struct TShellFolder;

class THauptForm : public QMainWindow,
                   public THauptExplorer,
                   public THauptVorschau,
                   public THauptUmbenennen,
                   public THauptMenues,
                   public THauptAnsicht,
                   public THauptAttribute,
                   public THauptSortieren,
                   public THauptOrdner,
                   public THauptOrdnerUmbenennen,
                   public THauptOrdnerstatistik,
                   public THauptGrafik,
                   public THauptMP3,
                   public THauptThumbs,
                   public THauptDragDrop {
    Q_OBJECT
public:
    explicit THauptForm(QWidget *parent = nullptr);
    ~THauptForm() override;

    // The least size of the window; a view mode whose panes need more raises it.
    static constexpr QSize MinimumWindowSize{800, 565};

    // Upper half: the notebook of the view modes; its page "Versteckt" is never shown
    // and carries the work lists of a batch.
    QStackedWidget *NotebookHaupt = nullptr;
    QWidget *Versteckt = nullptr;
    QStringList AlteDateinamen;   // old full paths of the batch
    QStringList NeueDateinamen;   // new full paths, index-aligned with AlteDateinamen
    QStringList ProtokollListBox; // the undo log of the batch, one value per line
    QStringList GrafikNamen;      // picture files of the thumbnail page
    QStringList OrdnerNamen;      // scratch rows of the folder statistics
    TStringGrid *OrdnerStringGrid02 = nullptr;

    // Lower half: the pages of the batch operations.
    QTabWidget *PageControl = nullptr;

    // ---- Start-up and shutdown (Haupt.cpp) ----
    QStatusBar *HauptStatusBar = nullptr; // shows the hint of the control under the mouse
    // Brings the window into its start state: command line, settings, texts, explorer
    // start folders, application hooks. The constructor runs it once the controls exist.
    void FormCreate();
    void FillExtensionBoxes(); // the extension boxes of the rename page
    // Stores the widths of the two tree panes (the window is closed, not destroyed).
    void FormClose();
    // Frees IconBuffer and the icon tiles (the window is destroyed).
    void FormDestroy();
    // Tab, arrows, Enter and Esc that no control took: Up and Down scroll the folder
    // statistics (view 9) or the thumbnails (view 10, not while the hourglass shows).
    void CMDialogKey(QKeyEvent *event);
    // The application's event hook: a wheel turn becomes an Up or Down key for the
    // focused control. True when the event was replaced.
    bool AppMessage(QObject *receiver, QEvent *event);
    // The hint of the control under the mouse goes to HauptStatusBar.
    void AppHint(const QString &hint);
    // Exceptions that reach the event loop are dropped without a message.
    static void MyErrorHandler(std::exception_ptr error);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateHiddenPage();
    // Ends the worker threads (waiting for them), then deletes ThreadSection; only the
    // window that is HauptForm does so.
    void EndWorkerThreads();
};

extern THauptForm *HauptForm;

// A new page of Notebook named Name, added at its end.
QWidget *NamedPage(QStackedWidget *Notebook, const QString &Name);
// The page Name of Notebook, created empty at Index when no other page made it.
QWidget *EnsurePage(QStackedWidget *Notebook, int Index, const QString &Name);

// The folder F names, or the nearest existing one above it: the last component is
// cut off step by step (a trailing "/" first); "/" ends the search.
QString NearestExistingFolder(QString F);

// Moves a dialog to the centre of the main window (of the screen while that is not shown).
void CentreOnMainWindow(QWidget &Dialog);
// Adds Page (TabSheet01 to TabSheet05) to PageControl among its pages in the order of
// their object names, whichever page is built first.
void InsertPageInOrder(QTabWidget *PageControl, QWidget *Page);

// A handler of the window for connect: runs it so that no exception crosses Qt code.
template <typename Handler> auto Guarded(THauptForm *form, Handler handler)
{
    return [form, handler] { RunGuarded([form, handler] { (form->*handler)(); }); };
}
