#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "operations/fktIcons.h"
#include "operations/RemoteControl.h"
#include "operations/thrDefekteJPEGs.h"
#include "platform/Application.h"
#include "platform/Environment.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/DoppelStart.h"
#include "shell/Haupt_Baumbreite.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/fktThumbs.h"
#include "shell/frmThumbHint.h"
#include "shell/thrMausPosition.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <algorithm>

THauptForm *HauptForm = nullptr;

QWidget *NamedPage(QStackedWidget *Notebook, const QString &Name)
{
    auto *page = new QWidget(Notebook);
    page->setObjectName(Name);
    Notebook->addWidget(page);
    return page;
}

void CentreOnMainWindow(QWidget &Dialog)
{
    const QRect area = HauptForm && HauptForm->isVisible() ? HauptForm->frameGeometry()
                                                           : Dialog.screen()->availableGeometry();
    QRect frame(QPoint(), Dialog.size());
    frame.moveCenter(area.center());
    Dialog.move(frame.topLeft());
}

void InsertPageInOrder(QTabWidget *PageControl, QWidget *Page)
{
    int index = 0;
    while (index < PageControl->count() && PageControl->widget(index)->objectName() < Page->objectName())
        ++index;
    PageControl->insertTab(index, Page, QString());
}

THauptForm::THauptForm(QWidget *parent) : QMainWindow(parent)
{
    HauptForm = this; // the start-up reaches the window through HauptForm
    setObjectName(QStringLiteral("HauptForm"));
    setCentralWidget(new QWidget(this)); // CreateViewModes arranges it
    NotebookHaupt = new QStackedWidget(centralWidget());
    NotebookHaupt->setObjectName(QStringLiteral("NotebookHaupt"));
    PageControl = new QTabWidget(centralWidget());
    PageControl->setObjectName(QStringLiteral("PageControl"));
    if (IsCommandFileRun(ProgramArguments().value(0))) {
        // Unattended: the run reads no control and nothing is shown, so no page is built.
        FormCreate();
        return;
    }
    CreateHiddenPage();
    CreateExplorerPanes();
    CreateRenamePage();
    CreateMp3Pages();
    CreateAttributeTab();
    CreateSortPage();
    CreateFolderPage();
    CreateFolderStatisticsPage();
    CreateGraphicsPage();
    CreateThumbnailPage();
    CreateMenus();
    CreateDragDrop();
    HauptStatusBar = statusBar();
    HauptStatusBar->setObjectName(QStringLiteral("HauptStatusBar"));
    CreateViewModes();
    FormCreate(); // last: its steps use the controls created above
}

THauptForm::~THauptForm()
{
    // The application's hooks call into this window: remove them before it is torn down.
    delete findChild<QObject *>(QStringLiteral("ApplicationHooks"), Qt::FindDirectChildrenOnly);
    EndWorkerThreads();
    FormDestroy();
    if (HauptForm == this)
        HauptForm = nullptr;
}

void THauptForm::FormDestroy()
{
    if (HauptForm != this)
        return; // the buffer belongs to the newer main window
    IconBuffer.reset();
    if (ScrollBoxIcons)
        FreeIconTiles();
}

void THauptForm::CreateHiddenPage()
{
    Versteckt = new QWidget(NotebookHaupt);
    Versteckt->setObjectName(QStringLiteral("Versteckt"));
    OrdnerStringGrid02 = new TStringGrid(Versteckt, QStringLiteral("OrdnerStringGrid02"), 2, 1, 0);
    NotebookHaupt->addWidget(Versteckt);
}

// ---- Start-up and shutdown ----

namespace {

// The application's hooks of the main window: every event passes AppMessage first,
// and entering or leaving a control sets the application's hint.
class ApplicationHooks : public QObject {
public:
    explicit ApplicationHooks(THauptForm *form) : QObject(form), form_(form)
    {
        setObjectName(QStringLiteral("ApplicationHooks"));
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter || event->type() == QEvent::Leave)
            TrackHint(watched, event->type() == QEvent::Enter);
        return form_->AppMessage(watched, event);
    }

private:
    // The hint is that of the control the mouse is over: the one entered, or the
    // parent of the one left.
    void TrackHint(QObject *watched, bool entered)
    {
        if (!watched->isWidgetType())
            return;
        const QWidget *widget = static_cast<QWidget *>(watched);
        if (!entered)
            widget = widget->parentWidget();
        const QString text = widget ? widget->toolTip() : QString();
        if (text != hint_) {
            hint_ = text;
            form_->AppHint(hint_);
        }
    }

    THauptForm *form_;
    QString hint_;
};

// The first argument: "/R:<file>" runs a command file, anything else is a folder.
void ReadCommandLine()
{
    try {
        const QString first = ProgramArguments().value(0);
        if (IsCommandFileSwitch(first)) {
            CommandFileName = first.mid(3);
            WindowsDir = QStringLiteral("/usr");
        } else {
            CommandLineFolder = first;
        }
    } catch (...) {
    }
}

// Shows Folder in the tree, or the home folder when Folder is not an existing folder;
// the folder shown becomes the tree's current folder.
void OpenStartFolder(TShellTreeView *Tree, const QString &Folder, QString &CurrentFolder)
{
    try {
        CurrentFolder = Folder;
        if (!Tree->setPath(Folder)) {
            CurrentFolder = HomeFolder();
            Tree->setPath(CurrentFolder);
        }
    } catch (...) {
    }
}

void ScrollByStep(QScrollArea *Box, int Key)
{
    QScrollBar *bar = Box->verticalScrollBar();
    bar->setValue(bar->value() + (Key == Qt::Key_Up ? -bar->singleStep() : bar->singleStep()));
}

bool IsDialogKey(int Key)
{
    switch (Key) {
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up:
    case Qt::Key_Down: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

void THauptForm::FormCreate()
{
    setMinimumSize(MinimumWindowSize);
    ReadCommandLine();
    // Alignments: the layouts of the panes and pages place their controls.
    setWindowState(windowState() | Qt::WindowMaximized);
    ProgramDir = ExecutableFolder();
    ReadSettings();
    if (!CommandFileName.isEmpty()) {
        // A command-file run needs nothing of the steps below; its window has no pages.
        RunCommandFile();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    ArrangeDateTimeFields();
    ApplyLanguageCaptions();
    ListOrdFiles();
    if (CommandLineFolder.isEmpty()) {
        OpenStartFolder(ShellTreeView01, StartverzeichnisLinks, CurrentFolderLeft);
        OpenStartFolder(ShellTreeView02, StartverzeichnisRechts, CurrentFolderRight);
    } else {
        OpenStartFolder(ShellTreeView01, CommandLineFolder, CurrentFolderLeft);
        OpenStartFolder(ShellTreeView02, CommandLineFolder, CurrentFolderRight);
    }
    if (ShellListView01->ViewStyle() == vsList) {
        ShellListView01->setViewStyle(vsIcon);
        ShellListView01->setViewStyle(vsList);
    }
    FollowTreePaneWidth(ExplorerSplitter01);
    FollowTreePaneWidth(ExplorerSplitter02);
    if (BildschirmSpeichern) {
        SetTreePaneWidth(ExplorerSplitter01, Explorer01aLinks);
        SetTreePaneWidth(ExplorerSplitter02, Explorer02aLinks);
    }
    ViewMode = 1;
    PreviousViewMode.fill(1);
    ActiveExplorer = 1;
    ClearDragState();
    ThumbsUpDown01->setPosition(ThumbsBreite);
    for (QLabel *label : {TTFLabel6, TTFLabel7, TTFLabel8, TTFLabel9})
        label->clear();
    FillExtensionBoxes();
    SplitOwnFilters(FilterEinst);
    SetFilterLists(BuiltinFilterList.toString() + FilterString);
    ShowTodayOnAttributeTab();
    ResetMp3Editor(); // the genre names into both boxes; no file in the editor
    ArrangeMainWindow();
    UpdateMenusForPage();
    UpdateActionButtons();
    NotebookHaupt->setVisible(true);
    IconBuffer = std::make_unique<QImage>();
    ApplyListLanguage();
    // ExplorerMediaPlayer notifies MediaPlayerNotify from its creation (preview pane).
    DatUmbSB01->setEnabled(true);
    DatUmbSB02->setEnabled(true);
    if (!ThreadSection) // another main window may have made it (tests)
        ThreadSection = new QMutex;
    TMausUeberwachung::Create();
    LoadListTextures(); // the lists' draw and horizontal-scroll events are bound from their creation
    TApplication::setExceptionHandler(&THauptForm::MyErrorHandler);
    qApp->installEventFilter(new ApplicationHooks(this));
}

void THauptForm::FillExtensionBoxes()
{
    QStringList extensions(BuiltinExtensions.begin(), BuiltinExtensions.end());
    if (!Dateiendungen.isEmpty()) {
        SplitOwnExtensions(Dateiendungen);
        for (const QString &own : OwnExtensions)
            if (!own.isEmpty())
                extensions << own;
    }
    for (QComboBox *box : {DatUmbComboBox01, DatUmbComboBox02}) {
        box->clear();
        box->addItems(extensions);
        box->setCurrentIndex(-1);
    }
}

void THauptForm::FormClose()
{
    RunGuarded([this] {
        WriteTreePaneWidths(LastShownTreePaneWidth(ExplorerSplitter01, Explorer01aLinks),
                            LastShownTreePaneWidth(ExplorerSplitter02, Explorer02aLinks));
    });
    EndThumbnails();
    if (ThumbForm)
        ThumbForm->HideHint();
    EndWorkerThreads(); // the mouse watch among them
}

void THauptForm::EndWorkerThreads()
{
    if (HauptForm != this)
        return; // a newer main window has taken over the threads and the section
    TDefekteJPEGs::Shutdown();
    TMausUeberwachung::Shutdown();
    delete ThreadSection;
    ThreadSection = nullptr;
}

void THauptForm::closeEvent(QCloseEvent *event)
{
    if (BatchGuard::Running()) { // a collection is letting the message loop run
        CloseAfterIconExtraction();
        event->ignore();
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void THauptForm::keyPressEvent(QKeyEvent *event)
{
    if (IsDialogKey(event->key()))
        CMDialogKey(event);
    else
        QMainWindow::keyPressEvent(event);
}

void THauptForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    RunGuarded([this] { FormResize(); });
}

void THauptForm::CMDialogKey(QKeyEvent *event)
{
    const int key = event->key();
    const bool upDown = key == Qt::Key_Up || key == Qt::Key_Down;
    if (ViewMode == 9 || (ViewMode == 10 && !HourglassCursor::Shown())) {
        const QString name = ViewMode == 9 ? QStringLiteral("OrdnerScrollBox01") : QStringLiteral("ThumbScrollBox");
        if (!upDown) {
            QMainWindow::keyPressEvent(event);
            return;
        }
        if (auto *box = findChild<QScrollArea *>(name))
            ScrollByStep(box, key);
    }
    event->accept();
}

bool THauptForm::AppMessage(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::Wheel || !receiver->isWidgetType())
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const int turn = wheel->angleDelta().y();
    if (turn == 0)
        return false; // a sideways wheel is left as it is
    QObject *target = QApplication::focusWidget();
    QKeyEvent key(QEvent::KeyPress, turn > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(target ? target : receiver, &key);
    wheel->accept();
    return true;
}

void THauptForm::AppHint(const QString &hint)
{
    HauptStatusBar->showMessage(hint);
}

void THauptForm::MyErrorHandler(std::exception_ptr)
{
}
