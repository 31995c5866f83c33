#pragma once
// The main window. Every named control the batch operations read lives here; the
// controls of each page are created in one place (Haupt_<Page>.cpp).

#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include <exception>

class QCloseEvent;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QStatusBar;
class QStackedWidget;
class QSplitter;
class QTabWidget;
class QToolBar;
class QToolButton;
class TCheckBox;
class TEdit;
class TMediaPlayer;
class TMenuItem;
class TRadioGroup;
class TShellListView;
class TShellTreeView;
class TSpeedButton;
class TStatusBar;
class TStringGrid;
struct TShellFolder;
class TUpDown;

class THauptForm : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptForm(QWidget *parent = nullptr);
    ~THauptForm() override;

    // File menu: opens the language dialog (Haupt_Sprache.cpp).
    void HMenuDateiSpracheClick();

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

    // ---- Explorer panes and file list (Haupt_Explorer.cpp) ----
    // NotebookHaupt page "Explorer": Explorer01 (left; pages 0 the left explorer,
    // 1 "DateiListe" the file list) and Explorer02 (right; pages 0 the right explorer,
    // 1 "DateiAttribute" the attributes of the selected file).
    QWidget *ExplorerPage = nullptr;
    QStackedWidget *Explorer01 = nullptr;
    QStackedWidget *Explorer02 = nullptr;
    QSplitter *ExplorerSplitter01 = nullptr; // ShellTreeView01 | ShellListView01
    QSplitter *ExplorerSplitter02 = nullptr; // ShellTreeView02 | ShellListView02
    TShellTreeView *ShellTreeView01 = nullptr;
    TShellListView *ShellListView01 = nullptr;
    TShellTreeView *ShellTreeView02 = nullptr;
    TShellListView *ShellListView02 = nullptr;
    TStringGrid *DLStringGrid = nullptr;       // the file list: column 0 name, 1 full path
    TSpeedButton *AttrSpeedButton01 = nullptr; // attributes page: saves the time stamps
    void CreateExplorerPanes();

    // Each explorer: the tree pane Explorer0Xa (the tree above its filter box) and the
    // list pane Explorer0Xb (the list above its status bar) are the two parts of
    // ExplorerSplitter0X; the tree pane's width is the splitter's first part.
    QWidget *Explorer01a = nullptr, *Explorer01b = nullptr;
    QWidget *Explorer02a = nullptr, *Explorer02b = nullptr;
    QComboBox *FilterComboBox01 = nullptr; // items: caption, data: the mask ("*.htm;*.html")
    QComboBox *FilterComboBox02 = nullptr;
    TStatusBar *ExplorerStatusBar01 = nullptr; // panel 0 the item count, 1 the selected file's size
    TStatusBar *ExplorerStatusBar02 = nullptr;
    QPixmap ListTextureBitmap01, ListTextureBitmap02; // drawn behind the list items
    // Tool buttons and pop-up items of the explorers (CreateExplorerCommands, after
    // the tool bar and PopupMenu01 exist).
    QToolButton *TB01LargeIcon = nullptr, *TB01SmallIcon = nullptr; // view styles of the
    QToolButton *TB01List = nullptr, *TB01Report = nullptr;         // left list, one group
    QToolButton *TB01Markieren = nullptr, *TB01Refresh = nullptr;
    TMenuItem *PM01AllesMarkieren = nullptr, *PM01Eigenschaften = nullptr;
    QMenu *PopupMenu02 = nullptr; // pop-up of both trees
    TShellTreeView *PopupMenu02Tree = nullptr; // the tree it was last opened for
    TMenuItem *PM02Eigenschaften = nullptr;
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

    // ---- Preview pane (Haupt_Vorschau.cpp) ----
    // Right edge of view mode 1: the file selected in the left list, a picture scaled
    // into the 150 x 150 square or a media file in the player.
    QStackedWidget *ExplorerVorschau = nullptr; // page "Vorgabe", 150 px wide
    QWidget *ExplorerScrollBox01 = nullptr;     // 150 x 150, black; also the video display
    QLabel *ExplorerImage01 = nullptr;
    TMediaPlayer *ExplorerMediaPlayer = nullptr;
    QWidget *ExplorerGradientFill01 = nullptr;
    QFrame *ExplorerBevel01 = nullptr;
    QWidget *CreatePreviewPane(QWidget *parent);
    void ShowExplorerPreview(const QString &FileName);
    // Empties the picture and closes a media file.
    void ClearExplorerPreview();
    void MediaPlayerNotify();
    void ExplorerMediaPlayerClick();

    // ---- Rename page (Haupt_Umbenennen.cpp) ----
    QWidget *TabSheet01 = nullptr;             // PageControl page 0: renaming files
    TRadioGroup *DatUmbRadioGroup01 = nullptr; // target mode: 0 in place, 1 move, 2 copy
    TSpeedButton *DatUmbSpeedButton01 = nullptr; // sub-views: rules, functions, TrueType, MP3
    TSpeedButton *DatUmbSpeedButton02 = nullptr;
    TSpeedButton *DatUmbSpeedButton03 = nullptr;
    TSpeedButton *DatUmbSpeedButton04 = nullptr;
    // Sub-views DatUmb01: 0 the rule list, 1 rename functions, 2 TrueType names, 3 MP3 tags.
    QStackedWidget *DatUmb01 = nullptr;
    TRadioGroup *DatUmbRadioGroup02 = nullptr; // the rule of the rule list, 0 to 10
    // The fields of the chosen rule: pages 0 and 1 rules 0 to 2, page 2 to 8 rules 3 to 9.
    QStackedWidget *DatUmb01a = nullptr;
    TCheckBox *DatUmbRekursiv = nullptr;       // source: the active tree folder and below
    TCheckBox *DatUmbDateiListe = nullptr;     // source: the file list
    TCheckBox *DatUmbLogisch = nullptr;        // sort by the number in each name first
    QLabel *DatUmbLabel01 = nullptr;
    TEdit *DatUmbZielverzeichnis = nullptr;    // read-only: target folder of modes 1 and 2
    TSpeedButton *DatUmbVorschau = nullptr;    // preview on while down
    // Rules 0 to 2: stem, places (1..9), start value (0..32767), start letters.
    QLabel *DatUmbLabel02 = nullptr, *DatUmbLabel03 = nullptr, *DatUmbLabel04 = nullptr, *DatUmbLabel05 = nullptr;
    TEdit *DatUmbEdit01 = nullptr;
    TEdit *DatUmbEdit02 = nullptr; // read-only, shows UpDownStellenanzahl01
    TUpDown *UpDownStellenanzahl01 = nullptr;
    TEdit *DatUmbEdit03 = nullptr;
    TUpDown *UpDownStartwert01 = nullptr;
    TEdit *DatUmbEdit04 = nullptr;
    TRadioGroup *DatUmbRadioGroup03 = nullptr; // extension: unchanged, upper, lower case
    TRadioGroup *DatUmbRadioGroup04 = nullptr; // index at the end, at the beginning
    TRadioGroup *DatUmbRadioGroup05 = nullptr; // addition: stem, number index
    // Rule 3: text to replace, replacement.
    QLabel *DatUmbLabel06 = nullptr, *DatUmbLabel07 = nullptr;
    TEdit *DatUmbEdit05 = nullptr, *DatUmbEdit06 = nullptr;
    // Rule 4: text to insert, position (0..255) from the start or the end.
    QLabel *DatUmbLabel08 = nullptr, *DatUmbLabel09 = nullptr;
    TEdit *DatUmbEdit07 = nullptr, *DatUmbEdit08 = nullptr;
    TUpDown *DatUmbUpDownZKE = nullptr;
    TRadioGroup *DatUmbRadioGroup06 = nullptr;
    // Rule 5: count and position (0..255) from the start or the end.
    QLabel *DatUmbLabel10 = nullptr, *DatUmbLabel11 = nullptr;
    TEdit *DatUmbEdit09 = nullptr, *DatUmbEdit10 = nullptr;
    TUpDown *DatUmbUpDownZA01 = nullptr, *DatUmbUpDownZA02 = nullptr;
    TRadioGroup *DatUmbRadioGroup07 = nullptr;
    // Rule 6: case mode, applied to name, extension or both.
    TRadioGroup *DatUmbRadioGroup08 = nullptr, *DatUmbRadioGroup09 = nullptr;
    // Rule 7: shorten by N, to N, to 8.3; at the start or the end; to N counting the extension.
    TRadioGroup *DatUmbRadioGroup11 = nullptr, *DatUmbRadioGroup10 = nullptr, *DatUmbRadioGroup12 = nullptr;
    QLabel *DatUmbLabel12 = nullptr;
    TEdit *DatUmbEdit11 = nullptr; // read-only, shows DatUmbUpDownNK (0..255)
    TUpDown *DatUmbUpDownNK = nullptr;
    // Rule 8: old and new extension; all extensions.
    QLabel *DatUmbLabel13 = nullptr, *DatUmbLabel14 = nullptr;
    QComboBox *DatUmbComboBox01 = nullptr, *DatUmbComboBox02 = nullptr;
    TCheckBox *DatUmbAlleEndungen = nullptr;
    // Rule 9: creation time or own values, before or behind the name, arrangement.
    TRadioGroup *RGDatumZeit01 = nullptr, *RGDatumZeit02 = nullptr, *RGDatumZeit03 = nullptr;
    QLabel *DZLabel01 = nullptr, *DZLabel02 = nullptr;
    TEdit *MaskEdit01 = nullptr; // own date, masked
    TEdit *MaskEdit02 = nullptr; // own time, masked
    // The rename preview: Explorer02 page "Vorschau".
    TStringGrid *VorschauStringGrid01 = nullptr; // old name | new name, one header row
    void CreateRenamePage();

    // ---- Menus and tool buttons (Haupt_Menues.cpp) ----
    QToolBar *ToolBar = nullptr;
    QMenu *HMenuDatei = nullptr;
    TMenuItem *HMenuDateiRueckgaengig = nullptr; // undo; Tag = the undo kind
    QToolButton *TB01Rueckgaengig = nullptr;     // runs HMenuDateiRueckgaengig
    QMenu *HMenuAktionen = nullptr;
    TMenuItem *HMenuAktionenUmbenennen = nullptr; // the rename action
    QToolButton *TB01Umbenennen = nullptr;        // runs HMenuAktionenUmbenennen
    QMenu *PopupMenu01 = nullptr;                 // pop-up of both explorer lists
    TMenuItem *PM01DateiUmbenennen = nullptr;     // the rename action
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
