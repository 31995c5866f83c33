#pragma once
// The main window's frame. Each page's controls are a plain struct THaupt<Page> in Haupt_<Page>.h,
// inherited here; its builder and handlers are THauptForm members declared in the page's block below,
// defined in Haupt_<Page>.cpp, the handlers in Haupt_<Page>Handler.cpp once that passes ~400 lines.

#include "shell/Haupt_Explorer.h"
#include "shell/Haupt_Menues.h"
#include "shell/Haupt_Umbenennen.h"
#include "shell/Haupt_Vorschau.h"

#include <QMainWindow>
#include <QStringList>

#include <exception>

class QCloseEvent;
class QKeyEvent;
class QStatusBar;
class QStackedWidget;
class QSplitter;
class QTabWidget;
class TStringGrid;
struct TShellFolder;

class THauptForm : public QMainWindow,
                   public THauptExplorer,
                   public THauptVorschau,
                   public THauptUmbenennen,
                   public THauptMenues {
    Q_OBJECT
public:
    explicit THauptForm(QWidget *parent = nullptr);
    ~THauptForm() override;

    // Upper half: the notebook of the view modes; its page "Versteckt" is never shown
    // and carries the work lists of a batch.
    QSplitter *MainSplitter = nullptr;
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

    // ---- Explorer panes and file list (Haupt_Explorer.h, Haupt_Explorer.cpp) ----
    void CreateExplorerPanes();
    // The explorers' tool buttons and pop-up items (after the tool bar and PopupMenu01 exist).
    void CreateExplorerCommands();
    // Both filter boxes get Filter ("caption|mask|caption|mask..."), the first filter
    // is chosen and each list is re-read by it.
    void SetFilterLists(const QString &Filter);
    // The list textures from SLVTextur01/02 and SLVTexturPfad01/02 (start-up).
    void LoadListTextures();
    // Handlers of the explorers (Haupt_ExplorerHandler.cpp).
    void ShellListView01Change();
    void ShellListView02Change();
    void ShellListView01Click();
    void ShellListView02Click();
    void ShellListView01ContextPopup();
    void ShellListView02ContextPopup();
    void ShellListView01DblClick();
    void ShellListView02DblClick();
    void ShellListView01AddFolder(const TShellFolder &Folder, bool &CanAdd);
    void ShellListView02AddFolder(const TShellFolder &Folder, bool &CanAdd);
    void ShellTreeView01Change();
    void ShellTreeView02Change();
    void ShellTreeView01Click();
    // Label editing of a tree folder (both trees): allowed for folders below "/";
    // Edited renames without replacing and leaves Text as the name the folder has.
    bool ShellTreeViewEditing(const QString &Path);
    void ShellTreeViewEdited(const QString &Path, QString &Text);
    void FilterComboBox01Change();
    void FilterComboBox02Change();
    void ShellListView01HinterGrund();
    void ShellListView02HinterGrund();
    void ShellListView01Scrolled();
    void ShellListView02Scrolled();
    void TB01RefreshClick();
    void TB01LargeIconClick();
    void TB01SmallIconClick();
    void TB01ListClick();
    void TB01ReportClick();
    void TB01MarkierenClick();
    void PM01AllesMarkierenClick();
    void PM01EigenschaftenClick();
    void PM02EigenschaftenClick();
    // Before the rename preview: the left explorer shows the right one's folder,
    // filter and selected paths (only while the right explorer is active).
    void SyncExplorersToLeft();

    // ---- Preview pane (Haupt_Vorschau.h, Haupt_Vorschau.cpp) ----
    QWidget *CreatePreviewPane(QWidget *parent);
    void ShowExplorerPreview(const QString &FileName);
    // Empties the picture and closes a media file.
    void ClearExplorerPreview();
    void MediaPlayerNotify();
    void ExplorerMediaPlayerClick();

    // ---- Rename page (Haupt_Umbenennen.h, Haupt_Umbenennen.cpp) ----
    void CreateRenamePage();

    // ---- Menus and tool buttons (Haupt_Menues.h, Haupt_Menues.cpp) ----
    void CreateMenus();

    // ---- Start-up and shutdown (Haupt.cpp) ----
    QStatusBar *HauptStatusBar = nullptr; // shows the hint of the control under the mouse
    // Brings the window into its start state: command line, settings, texts, explorer
    // start folders, application hooks. The constructor runs it once the controls exist.
    void FormCreate();
    void FillExtensionBoxes(); // the extension boxes of the rename page
    // Stores the widths of the two tree panes (the window is closed, not destroyed).
    void FormClose();
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
    // FormResize (ArrangeMainWindow, SetViewMode) comes with the view modes.

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreateHiddenPage();
};

extern THauptForm *HauptForm;
