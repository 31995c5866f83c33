#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextLines.h"
#include "operations/fktAttribute.h"
#include "platform/Abort.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <sys/statvfs.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

bool batchRunning = false;

QString Text(int id)
{
    return LoadLangString(id);
}

// Lets the message loop run, at most every few milliseconds, so that the window stays
// responsive during a long scan without paying for it once per folder.
void KeepResponsive()
{
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < 10)
        return;
    QCoreApplication::processEvents();
    sinceLast.start();
}

QString FolderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString NameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// A new path the executors accept: absolute, with a real last component, and nothing
// that would break the line-based undo log.
bool IsUsableTarget(const QString &path)
{
    if (!path.startsWith(u'/') || path.contains(u'\r') || path.contains(u'\n'))
        return false;
    const QString name = NameOf(path);
    return !name.isEmpty() && name != u"." && name != u"..";
}

QString WithoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

void RefreshExplorerLists()
{
    for (TShellListView *list : {HauptForm->ShellListView01, HauptForm->ShellListView02})
        if (list)
            list->Refresh();
}

TShellListView *ActiveList()
{
    return ActiveExplorer == 1 ? HauptForm->ShellListView01
         : ActiveExplorer == 2 ? HauptForm->ShellListView02
                               : nullptr;
}

void ReportFailedFile(const QString &oldPath)
{
    ShowInformation(Text(9019) + u'\r' + Text(9024) + oldPath + u'\r' + Text(9025));
}

bool ParseAttributeWord(const QString &line, std::uint32_t &value)
{
    bool ok = false;
    const qulonglong v = line.trimmed().toULongLong(&ok);
    if (!ok || v >= INVALID_FILE_ATTRIBUTES)
        return false;
    value = std::uint32_t(v);
    return true;
}

// Writes the three time stamps of an attribute log group back; a stamp whose line does
// not parse keeps the file's present value. The attributes are set to normal meanwhile
// so that a read-only file takes the times, and restored afterwards.
void RestoreTimes(const QString &path, const QString &createdLine, const QString &writtenLine,
                  const QString &accessedLine)
{
    TDateTime created = 0, written = 0, accessed = 0;
    const bool haveCreated = ParseUndoLogTime(createdLine, created);
    const bool haveWritten = ParseUndoLogTime(writtenLine, written);
    const bool haveAccessed = ParseUndoLogTime(accessedLine, accessed);
    if (!haveCreated && !haveWritten && !haveAccessed)
        return;
    if (!haveCreated || !haveWritten || !haveAccessed) {
        TDateTime nowCreated, nowAccessed, nowWritten;
        if (!GetFileTimes(path, nowCreated, nowAccessed, nowWritten))
            return;
        if (!haveCreated)
            created = nowCreated;
        if (!haveWritten)
            written = nowWritten;
        if (!haveAccessed)
            accessed = nowAccessed;
    }
    const std::uint32_t attributes = GetFileAttributesA(path);
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    SetFileTimes(path, created, accessed, written);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path, attributes);
}

void UndoAttributeLog(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    bool ok = false;
    const int kind = lines[0].trimmed().toInt(&ok);
    if (!ok || kind < 0 || kind > 4)
        return;
    const bool hasTimes = kind >= 1;
    const bool hasAttributes = kind == 0 || kind == 4;
    const qsizetype group = 1 + (hasTimes ? 3 : 0) + (hasAttributes ? 1 : 0);
    for (qsizetype j = 1; j + group <= lines.size(); j += group) {
        const QString &path = lines[j];
        if (!path.startsWith(u'/'))
            continue;
        if (hasTimes)
            RestoreTimes(path, lines[j + 1], lines[j + 2], lines[j + 3]);
        std::uint32_t attributes = 0;
        if (hasAttributes && ParseAttributeWord(lines[j + group - 1], attributes))
            SetFileAttributesA(path, attributes);
    }
}

// Moves each logged pair back, from the last complete pair to the first.
void UndoMoveLog(const QStringList &lines)
{
    for (qsizetype j = lines.size() / 2 * 2 - 2; j >= 0; j -= 2) {
        const QString &oldPath = lines[j];
        const QString &newPath = lines[j + 1];
        if (oldPath.startsWith(u'/') && newPath.startsWith(u'/'))
            fs::moveFile(newPath, oldPath);
    }
}

QString AttributeText(std::uint32_t attributes)
{
    QStringList names;
    const std::pair<std::uint32_t, int> bits[] = {{FILE_ATTRIBUTE_READONLY, 1515},
                                                  {FILE_ATTRIBUTE_ARCHIVE, 1517},
                                                  {FILE_ATTRIBUTE_HIDDEN, 1519},
                                                  {FILE_ATTRIBUTE_SYSTEM, 1521}};
    if (attributes != INVALID_FILE_ATTRIBUTES)
        for (const auto &[bit, id] : bits)
            if (attributes & bit)
                names << Text(id);
    return names.join(QStringLiteral(", "));
}

QString DateTimeText(TDateTime value)
{
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return QLocale::system().toString(epoch.addMSecs(qint64(std::llround(value * 86400000.0))),
                                      QLocale::ShortFormat);
}

// The properties of our own: name, folder, size, time stamps and attributes.
void ShowOwnPropertiesDialog(const QString &path)
{
    const QString shown = WithoutTrailingSlash(path);
    QDialog dialog(HauptForm);
    dialog.setWindowTitle(Text(3404));
    auto *layout = new QVBoxLayout(&dialog);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    auto addRow = [&](const QString &label, const QString &value) {
        auto *v = new QLabel(value, &dialog);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, v);
    };
    addRow(Text(3210), shown);
    if (const auto size = fs::fileSize(shown))
        addRow(Text(3211), FileSizeText(*size));
    if (TDateTime created, accessed, written; GetFileTimes(shown, created, accessed, written)) {
        addRow(Text(1511), DateTimeText(created));
        addRow(Text(1512), DateTimeText(written));
        addRow(Text(1513), DateTimeText(accessed));
    }
    addRow(QString(), AttributeText(GetFileAttributesA(shown)));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);

    ModalRecord record;
    record.kind = QStringLiteral("Properties");
    record.caption = dialog.windowTitle();
    record.text = shown;
    record.buttons = {QStringLiteral("OK")};
    ModalSeam::exec(dialog, record);
}

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

// ---- Collectors ----

void CollectFilesRecursive(const QString &PathMask)
{
    const BatchGuard guard;
    const qsizetype slash = PathMask.lastIndexOf(u'/');
    if (!PathMask.startsWith(u'/') || slash < 0)
        return;
    const QString mask = PathMask.mid(slash + 1);
    const bool everyName = mask == u"*" || mask == u"*.*";
    QStringList &found = HauptForm->AlteDateinamen;
    // Depth first, pre-order: the files of a folder, then its sub-folders in order.
    std::vector<QString> pending{PathMask.left(slash + 1)};
    std::vector<QString> subFolders;
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        KeepResponsive();
        subFolders.clear();
        for (const fs::Entry &e : fs::listFolder(folder)) {
            if (!e.isFolder) {
                if (everyName || fs::matchesMask(e.name, mask))
                    found.append(folder + e.name);
            } else if (!e.name.startsWith(u'.')) {
                subFolders.push_back(folder + e.name + u'/');
            }
        }
        std::move(subFolders.rbegin(), subFolders.rend(), std::back_inserter(pending));
    }
}

void CollectSelectedFiles()
{
    THauptForm *f = HauptForm;
    f->AlteDateinamen.clear();
    f->NeueDateinamen.clear();
    if (TShellListView *list = ActiveList()) {
        try {
            for (int row : list->SelectedRows()) {
                const TShellFolder item = list->Folders(row);
                if (!item.IsFolder && !item.PathName.isEmpty())
                    f->AlteDateinamen.append(item.PathName);
            }
        } catch (const std::exception &) {
            // An unreadable list ends the walk; what was collected stands.
        }
    }
    if (f->AlteDateinamen.isEmpty())
        ReportAndAbort(9000);
}

void CollectFolderFiles(QString &Folder)
{
    THauptForm *f = HauptForm;
    {
        const HourglassCursor busy;
        f->AlteDateinamen.clear();
        f->NeueDateinamen.clear();
        TShellTreeView *tree = ActiveExplorer == 2 ? f->ShellTreeView02 : f->ShellTreeView01;
        const QString base = tree ? AddTrailingBackslash(tree->Path()) : QString();
        if (base.startsWith(u'/')) {
            // A mask holding "/" would leave the tree folder; such masks are skipped.
            for (const QString &mask : ActiveExplorer == 2 ? FilterMasksRight : FilterMasksLeft)
                if (!mask.contains(u'/'))
                    CollectFilesRecursive(base + mask);
        }
        if (!f->AlteDateinamen.isEmpty()) {
            Folder = base;
            return;
        }
    }
    ReportAndAbort(9052);
}

void CollectFileListFiles(QString &Folder)
{
    THauptForm *f = HauptForm;
    f->AlteDateinamen.clear();
    f->NeueDateinamen.clear();
    TStringGrid *grid = f->DLStringGrid;
    const int rows = grid ? grid->RowCount() : 0;
    for (int r = 0; r < rows; ++r) {
        const QString path = grid->Cells(1, r);
        if (r == 0 || !path.isEmpty())
            f->AlteDateinamen.append(path);
    }
    BatchCount = int(f->AlteDateinamen.size());
    if (BatchCount == 0 || f->AlteDateinamen[0].isEmpty()) {
        BatchCount = 0;
        f->AlteDateinamen.clear();
        ReportAndAbort(9052);
    }
    Folder.clear();
}

void DropUnchangedNames()
{
    QStringList &oldNames = HauptForm->AlteDateinamen;
    QStringList &newNames = HauptForm->NeueDateinamen;
    const qsizetype common = std::min(oldNames.size(), newNames.size());
    qsizetype kept = 0;
    for (qsizetype i = 0; i < common; ++i) {
        if (oldNames[i] == newNames[i])
            continue;
        if (kept != i) {
            oldNames[kept] = std::move(oldNames[i]);
            newNames[kept] = std::move(newNames[i]);
        }
        ++kept;
    }
    // Entries beyond the shorter list have no partner to compare with; they stay.
    oldNames.remove(kept, common - kept);
    newNames.remove(kept, common - kept);
    if (oldNames.isEmpty()) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        Abort();
    }
}

// ---- Messages ----

void ShowInformation(const QString &Text)
{
    MessageDlg(Text, mtInformation, mbOKOnly, 0, LanguageName());
}

void ReportAndAbort(int Id)
{
    ShowInformation(LoadLangString(Id));
    Abort();
}

// ---- Path, name and size helpers ----

QString AddTrailingBackslash(const QString &Path)
{
    if (Path.isEmpty() || Path.endsWith(u'/'))
        return Path;
    return Path + u'/';
}

QString PathBelowFolder(const QString &Base, const QString &Path)
{
    if (Base.isEmpty())
        return {};
    const QString base = AddTrailingBackslash(Base);
    const QString path = AddTrailingBackslash(Path);
    if (!path.startsWith(base))
        return {};
    return path.mid(base.size());
}

QString StringReplaceAll(const QString &S, const QString &OldText, const QString &NewText)
{
    if (OldText.isEmpty() || S.size() < OldText.size())
        return S;
    QString result = S;
    return result.replace(OldText, NewText, Qt::CaseSensitive);
}

QString RemoveInvalidNameChars(const QString &Path)
{
    auto without = [](const QString &text, QStringView table) {
        QString kept;
        kept.reserve(text.size());
        for (QChar c : text)
            if (!table.contains(c))
                kept.append(c);
        return kept;
    };
    const qsizetype slash = Path.lastIndexOf(u'/');
    QStringList components = Path.left(slash + 1).split(u'/');
    for (QString &component : components) {
        // A folder name made only of such characters stays as it is: removing it
        // would put the file into the folder above.
        const QString cleaned = without(component, InvalidFolderChars);
        if (!cleaned.isEmpty())
            component = cleaned;
    }
    const QString name = without(Path.mid(slash + 1), SpecialCharacters);
    if (name.isEmpty() || name == u"." || name == u"..")
        return Path;
    return components.join(u'/') + name;
}

QString MakeUniqueFileName(const QString &Path, const QString &OwnPath)
{
    const QString folder = FolderOf(Path);
    const QString name = NameOf(Path);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    const QString stem = name.left(name.size() - ext.size());
    // The file being renamed does not take its own name: a case-only rename on a
    // case-insensitive file system finds it under the new spelling. Where the folder
    // lists the new spelling as an entry of its own, another file has that name.
    auto taken = [&](const QString &candidate) {
        if (!fs::exists(candidate))
            return false;
        if (OwnPath.isEmpty() || candidate.compare(OwnPath, Qt::CaseInsensitive) != 0 || candidate == OwnPath)
            return true;
        const QString candidateName = NameOf(candidate);
        for (const fs::Entry &e : fs::listFolder(folder))
            if (e.name == candidateName)
                return true;
        return false;
    };
    QString candidate = Path;
    for (qint64 k = 1; taken(candidate); ++k)
        candidate = folder + stem + u'_' + QString::number(k) + ext;
    return candidate;
}

QString FileSizeText(qint64 Size)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (Size < 1024)
        return Text(8992) + QString::number(Size) + QStringLiteral(" Byte");
    if (Size < 1048576)
        return Text(8992) + locale.toString(double(Size) / 1024.0, 'f', 2) + QStringLiteral(" kByte");
    if (Size < 1073741824)
        return Text(8992) + locale.toString(double(Size) / 1048576.0, 'f', 2) + QStringLiteral(" MByte");
    return Text(8992) + locale.toString(double(Size) / 1073741824.0, 'f', 2) + QStringLiteral(" GByte");
}

QString FileSizeText(const QString &FileName)
{
    const std::optional<std::int64_t> size = fs::fileSize(FileName);
    return size ? FileSizeText(qint64(*size)) : QString();
}

bool IsDriveReady(const QString &Path)
{
    if (!Path.startsWith(u'/'))
        return false;
    QString existing = WithoutTrailingSlash(Path);
    while (existing.size() > 1 && !fs::exists(existing))
        existing = WithoutTrailingSlash(FolderOf(existing));
    struct statvfs info{};
    return statvfs(fs::encodeName(existing).constData(), &info) == 0;
}

void ShellOpen(const QString &FileName, const QString &Parameters, const QString &Directory, int)
{
    if (!Parameters.isEmpty()) {
        QProcess::startDetached(FileName, QProcess::splitCommand(Parameters), Directory);
        return;
    }
    if (FileName.startsWith(u'/'))
        QDesktopServices::openUrl(
            QUrl::fromEncoded(QByteArrayLiteral("file://") + fs::encodeName(FileName).toPercentEncoding("/")));
    else
        QDesktopServices::openUrl(QUrl(FileName));
}

void ShowPropertiesDialog(const QString &Path)
{
    if (Path.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItemProperties"));
        const QString uri = QString::fromLatin1(
            QByteArrayLiteral("file://") + fs::encodeName(WithoutTrailingSlash(Path)).toPercentEncoding("/"));
        call << QStringList{uri} << QString();
        if (bus.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage)
            return;
    }
    ShowOwnPropertiesDialog(Path);
}

// ---- Undo log ----

QString UndoLogPath()
{
    return Arbeitsverzeichnis + Protokolldatei;
}

bool SaveUndoLog()
{
    const QString path = UndoLogPath();
    if (!Arbeitsverzeichnis.startsWith(u'/') || Protokolldatei.isEmpty())
        return false;
    return fs::createFolders(Arbeitsverzeichnis) && TextLines::writeLinesAtomic(path, HauptForm->ProtokollListBox);
}

void SetUndoMenuState(int CaptionId, int ItemHintId, int ButtonHintId, bool Enabled, int Tag)
{
    TMenuItem *item = HauptForm->HMenuDateiRueckgaengig;
    item->setText(Text(CaptionId));
    item->setStatusTip(Text(ItemHintId));
    item->setToolTip(Text(ItemHintId));
    if (ButtonHintId != 0)
        HauptForm->TB01Rueckgaengig->setToolTip(Text(ButtonHintId));
    item->setEnabled(Enabled);
    item->Tag = Tag;
    // The undo reads the log of this batch, even when the working folder changes.
    item->setData(UndoLogPath());
}

QString UndoLogTimeText(TDateTime Value)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(Value, 'g', 15);
}

bool ParseUndoLogTime(const QString &Text, TDateTime &Value)
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    bool ok = false;
    double v = locale.toDouble(Text.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(Text.trimmed(), &ok);
    if (!ok || !fs::isValidDateTime(v))
        return false;
    Value = v;
    return true;
}

// ---- Executors ----

void ExecuteFileRename()
{
    THauptForm *f = HauptForm;
    f->ProtokollListBox.clear();
    const int mode = f->DatUmbRadioGroup01->ItemIndex();
    if (mode < 0 || mode > 2)
        return;
    const QString question = mode == 2 ? Text(9001) + u'\r' + Text(9002)
                                       : Text(9001) + u'\r' + Text(9014) + u'\r' + Text(9015);
    if (MessageDlg(question, mtWarning, mbYesNo, 0, LanguageName()) != mrYes)
        return;

    const HourglassCursor busy;
    const bool uniqueNames = f->PageControl->currentWidget() == f->TabSheet01 && f->DatUmbSpeedButton03->Down();
    QStringList &oldNames = f->AlteDateinamen;
    QStringList &newNames = f->NeueDateinamen;
    QStringList &log = f->ProtokollListBox;
    const qsizetype count = oldNames.size();
    QString readyFolder; // the target folder made sure of last
    for (qsizetype i = 0; i < count; ++i) {
        const QString &oldPath = oldNames[i];
        bool done = false;
        try {
            if (i < newNames.size()) {
                if (uniqueNames)
                    newNames[i] = MakeUniqueFileName(newNames[i], oldPath);
                const QString &newPath = newNames[i];
                if (IsUsableTarget(newPath)) {
                    const QString folder = FolderOf(newPath);
                    if (folder == readyFolder || fs::createFolders(folder)) {
                        readyFolder = folder;
                        done = bool(mode == 2 ? fs::copyFile(oldPath, newPath) : fs::moveFile(oldPath, newPath));
                    }
                }
                if (done && mode != 2) {
                    log.append(oldPath);
                    log.append(newPath);
                }
            }
        } catch (const std::exception &) {
            done = false;
        }
        if (!done)
            ReportFailedFile(oldPath);
    }
    const bool saved = SaveUndoLog();
    SetUndoMenuState(801, 806, 801, mode != 2 && saved, 0);
    RefreshExplorerLists();
}

void ExecuteFolderRename()
{
    THauptForm *f = HauptForm;
    const QStringList &oldNames = f->AlteDateinamen;
    const QStringList &newNames = f->NeueDateinamen;
    const qsizetype count = std::min(oldNames.size(), newNames.size());
    if (count == 0) {
        RefreshExplorerLists();
        return;
    }
    f->ProtokollListBox.clear();
    const QString question = Text(9079) + u'\r' + Text(9080) + u'\r' + Text(9081);
    if (MessageDlg(question, mtWarning, mbYesNo, 0, LanguageName()) == mrYes) {
        const HourglassCursor busy;
        // Deepest folders first, so that renaming a folder does not move the paths
        // of the sub-folders still to come; each keeps its parent.
        std::vector<qsizetype> order(static_cast<size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::vector<qsizetype> depth(static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i)
            depth[size_t(i)] = WithoutTrailingSlash(oldNames[i]).count(u'/');
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return depth[size_t(a)] > depth[size_t(b)]; });
        {
            const QSignalBlocker quietLeft(f->ShellListView01);
            const QSignalBlocker quietRight(f->ShellListView02);
            for (qsizetype i : order) {
                try {
                    const QString oldPath = WithoutTrailingSlash(oldNames[i]);
                    const QString newName = NameOf(WithoutTrailingSlash(newNames[i]));
                    const QString newPath = FolderOf(oldPath) + newName;
                    if (oldPath.size() > 1 && oldPath.startsWith(u'/') && IsUsableTarget(newPath) &&
                        newPath != oldPath && fs::moveFile(oldPath, newPath)) {
                        f->ProtokollListBox.append(oldPath);
                        f->ProtokollListBox.append(newPath);
                    }
                } catch (const std::exception &) {
                    // A failed folder is passed over without a message.
                }
            }
        }
        const bool saved = SaveUndoLog();
        SetUndoMenuState(801, 806, 801, saved, 2);
    }
    RefreshExplorerLists();
}

void UndoLastAction()
{
    THauptForm *f = HauptForm;
    {
        const HourglassCursor busy;
        const QString logFile = f->HMenuDateiRueckgaengig->data().toString();
        f->ProtokollListBox = TextLines::readLines(logFile).value_or(QStringList());
        switch (f->HMenuDateiRueckgaengig->Tag) {
        case 0:
            UndoMoveLog(f->ProtokollListBox);
            break;
        case 1:
            UndoAttributeLog(f->ProtokollListBox);
            break;
        case 2:
            UndoMoveLog(f->ProtokollListBox);
            f->ProtokollListBox.clear();
            break;
        }
    }
    f->AttrSpeedButton01->setEnabled(false);
    f->HMenuDateiRueckgaengig->setEnabled(false);
    RefreshExplorerLists();
}
