#include "operations/fktJPEGs.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktJPEGs_Segmente.h"
#include "operations/thrDefekteJPEGs.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/fs/RegularFile.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>

#include <algorithm>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QToolBar>

#include <optional>
#include <vector>

std::uint8_t JpegAbortFlag = 0;
QString DefectFolder;
std::int64_t BytesRemoved = 0;

namespace {

// Eats the shortcuts of the locked menus' items: a disabled menu leaves them live.
class ShortcutLock : public QObject {
public:
    explicit ShortcutLock(std::initializer_list<QMenu *> menus)
    {
        for (QMenu *menu : menus)
            Collect(menu);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return (event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride) &&
               locked_.contains(watched);
    }

private:
    void Collect(QMenu *menu)
    {
        for (QAction *item : menu->actions()) {
            locked_.insert(item);
            if (item->menu())
                Collect(item->menu());
        }
    }
    QSet<QObject *> locked_;
};

QPointer<ShortcutLock> shortcutLock;

// Every control DisableMainUi and EnableMainUi switch, in their order.
std::vector<QWidget *> LockedControls()
{
    THauptForm *f = HauptForm;
    return {f->GrafikPageControl01, f->GrafikSB01, f->GrafikSB02, f->ShellTreeView01, f->ShellListView01,
            f->ShellTreeView02, f->ShellListView02, f->GrafikRekursiv, f->GrafikZielverzeichnis,
            f->RadioGroup_DDS01, f->BitBtn_DDS01, f->BitBtn_DDS03, f->CheckBox_DV02, f->CheckBox_DV03,
            f->CheckBox_DV04, f->RadioGroup_DV01, f->BitBtn_DV01};
}

// What DisableMainUi switched off, with the state each had; EnableMainUi gives it back
// (the page's menu and button states stay as the page set them).
std::vector<std::pair<QPointer<QObject>, bool>> lockedStates;

template <typename Control> void Lock(Control *C)
{
    if (!C)
        return;
    lockedStates.emplace_back(C, C->isEnabled());
    C->setEnabled(false);
}

// A JPEG run from start to end: the batch guard, the locked window, and the window
// unlocked and the hourglass gone on every way out.
class JpegRun {
public:
    JpegRun() = default;
    ~JpegRun()
    {
        if (locked_)
            EnableMainUi();
        busy_.reset();
    }
    JpegRun(const JpegRun &) = delete;
    JpegRun &operator=(const JpegRun &) = delete;

    bool Entered() const { return guard_.Entered(); }
    void Lock()
    {
        if (!locked_)
            DisableMainUi();
        locked_ = true;
    }
    void Hourglass() { busy_.emplace(); }

private:
    BatchGuard guard_;
    bool locked_ = false;
    std::optional<HourglassCursor> busy_;
};

// The search thread told to end on every way out of the gathering.
struct FoundCountShown {
    FoundCountShown() { new TDefekteJPEGs; }
    ~FoundCountShown() { TDefekteJPEGs::Terminate(); }
};

QString BaseFolder()
{
    const TShellTreeView *tree = ActiveExplorer == 2 ? HauptForm->ShellTreeView02 : HauptForm->ShellTreeView01;
    return AddTrailingBackslash(tree->Path());
}

// Recursively: every "*.jpg", then every "*.jpeg"; else the selected files (message
// 9000 and Abort when there are none).
void GatherFiles()
{
    if (HauptForm->GrafikRekursiv->Checked()) {
        const QString base = BaseFolder();
        CollectFilesRecursive(base + QStringLiteral("*.jpg"));
        CollectFilesRecursive(base + QStringLiteral("*.jpeg"));
    } else {
        CollectSelectedFiles();
    }
}

void ShowNumber(QLabel *Label, std::int64_t Number)
{
    Label->setText(QString::number(Number));
    Label->repaint();
}

JpegReadAt ReaderOf(QFile &File)
{
    return [&File](std::int64_t Position, char *Buffer, std::int64_t Count) {
        return File.seek(Position) && File.read(Buffer, Count) == Count;
    };
}

} // namespace

// ---- Lock of the main window ----

void DisableMainUi()
{
    if (shortcutLock)
        return; // locked already
    THauptForm *f = HauptForm;
    Lock(f->ToolBar);
    for (QMenu *menu : {f->HMenuDatei, f->HMenuAnsicht, f->HMenuAktionen, f->HMenuInfo})
        Lock(menu->menuAction());
    for (QWidget *control : LockedControls())
        Lock(control);
    shortcutLock = new ShortcutLock({f->HMenuDatei, f->HMenuAnsicht, f->HMenuAktionen, f->HMenuInfo});
}

void EnableMainUi()
{
    for (const auto &[control, enabled] : lockedStates) {
        if (auto *widget = qobject_cast<QWidget *>(control.data()))
            widget->setEnabled(enabled);
        else if (auto *action = qobject_cast<QAction *>(control.data()))
            action->setEnabled(enabled);
    }
    lockedStates.clear();
    delete shortcutLock.data();
}

// ---- Defective-JPEG search ----

bool IsJpegDefective(const QString &FileName)
{
    const std::unique_ptr<QFile> file = fs::openRegularFile(FileName, false);
    return file && IsJpegDefective(ReaderOf(*file), file->size());
}

void SearchDefectiveJpegs()
{
    THauptForm *f = HauptForm;
    {
        JpegRun run;
        if (!run.Entered())
            return;
        run.Hourglass();
        run.Lock();
        f->ProgressBar_DDS01->setValue(0);
        f->Label_DDS02->setText(QStringLiteral("0"));
        f->Label_DDS07->setText(QStringLiteral("0"));
        f->BitBtn_DDS02Tag = 0;
        const QString target = f->GrafikZielverzeichnis->Text();
        DefectFolder = (target.isEmpty() ? Arbeitsverzeichnis : AddTrailingBackslash(target)) + QStringLiteral("Defekt/");
        const bool move = f->RadioGroup_DDS01->ItemIndex() == 1;
        f->AlteDateinamen.clear();
        f->NeueDateinamen.clear();
        f->ProtokollListBox.clear();
        JpegAbortFlag = 0; // a cancel while gathering stops the search before its first file
        {
            const FoundCountShown counting;
            GatherFiles();
            if (f->AlteDateinamen.isEmpty())
                ReportAndAbort(9000);
        }
        const QStringList files = f->AlteDateinamen;
        BatchCount = int(files.size());
        f->ProgressBar_DDS01->setMaximum(std::max(BatchCount, 1));
        ShowNumber(f->Label_DDS05, BatchCount);
        const int width = int(QString::number(BatchCount).size());
        int counter = 1;
        UndoLogWriter log;
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCoreApplication::processEvents();
            if (JpegAbortFlag == 1)
                break;
            const QString &file = files[i];
            if (IsJpegDefective(file)) {
                const QString newPath = DefectFolder + QStringLiteral("Defekt") +
                                        QStringLiteral("%1").arg(counter, width, 10, QLatin1Char('0')) + u'_' +
                                        fs::nameOf(file);
                if (fs::createFolders(DefectFolder)) {
                    if (!move)
                        fs::copyFile(file, newPath);
                    else if (UndoLogWriter::CanLog(file) && UndoLogWriter::CanLog(newPath)
                             && fs::moveFile(file, newPath))
                        log.Append(file, newPath);
                }
                ++counter;
            }
            f->ProgressBar_DDS01->setValue(int(i + 1));
            ShowNumber(f->Label_DDS07, i + 1);
            ShowNumber(f->Label_DDS02, counter - 1);
        }
        const bool saved = log.Finish();
        SetUndoMenuState(801, 806, 801, saved && log.Logged(), 0);
        RefreshExplorerLists();
    }
    ShowInformation(LoadLangString(9115));
}

// ---- JPEG reduction ----

void ReduceJpegFile(const QString &FileName, bool Applications, bool Comment, bool AfterEoi)
{
    const std::unique_ptr<QFile> file = fs::openRegularFile(FileName, false);
    if (!file)
        return;
    TJpegWork work(ReaderOf(*file), file->size());
    if (Applications)
        StripApplicationSegments(work);
    if (Comment)
        StripCommentSegment(work);
    if (AfterEoi)
        CutAfterEoi(work);
    if (work.BytesRemoved() == 0)
        return;
    std::vector<fs::ByteRange> kept;
    for (const auto &[start, length] : work.KeptRanges())
        kept.push_back({start, length});
    if (fs::replaceWithRanges(FileName, file->handle(), kept))
        BytesRemoved += work.BytesRemoved();
}

void ReduceJpegFiles()
{
    THauptForm *f = HauptForm;
    JpegRun run;
    if (!run.Entered())
        return;
    f->BitBtn_DV02Tag = 0;
    const bool applications = f->CheckBox_DV02->Checked(), comment = f->CheckBox_DV03->Checked(),
               afterEoi = f->CheckBox_DV04->Checked();
    if (!applications && !comment && !afterEoi) {
        ShowInformation(LoadLangString(9107));
        return;
    }
    const bool copies = f->RadioGroup_DV01->ItemIndex() == 1;
    QString target;
    if (copies) {
        if (f->GrafikZielverzeichnis->Text().isEmpty()) {
            ShowInformation(LoadLangString(9003));
            return;
        }
        target = AddTrailingBackslash(f->GrafikZielverzeichnis->Text());
    }
    f->AlteDateinamen.clear();
    f->NeueDateinamen.clear();
    run.Lock();
    GatherFiles();
    const QStringList files = f->AlteDateinamen;
    BatchCount = int(files.size());
    f->ProgressBar_DV01->setMaximum(std::max(BatchCount, 1));
    BytesRemoved = 0;
    JpegAbortFlag = 0;
    ShowNumber(f->Label_DV06, BatchCount);
    const QString question = QStringList{LoadLangString(9108), LoadLangString(9109), LoadLangString(9110),
                                         LoadLangString(9111), LoadLangString(9112)}
                                 .join(u'\r');
    if (MessageDlg(question, mtWarning, mbOKAbort, 0, LanguageName()) != mrOk)
        return;
    run.Hourglass();
    for (qsizetype i = 0; i < files.size(); ++i) {
        QCoreApplication::processEvents();
        const QString &file = files[i];
        QString work = file;
        if (copies) {
            work = target + fs::nameOf(file);
            if (!fs::sameFile(work, file))
                fs::copyFile(file, work); // an existing file of that name is worked on
        }
        if (!copies || !fs::sameFile(work, file)) // a copy run never changes an original
            ReduceJpegFile(work, applications, comment, afterEoi);
        ShowNumber(f->Label_DV03, BytesRemoved);
        ShowNumber(f->Label_DV08, i + 1);
        f->ProgressBar_DV01->setValue(int(i + 1));
        if (JpegAbortFlag == 1) {
            ShowInformation(LoadLangString(9113));
            return;
        }
    }
    ShowInformation(LoadLangString(9114));
}
