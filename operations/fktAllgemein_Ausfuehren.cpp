#include "operations/fktAllgemein_Ausfuehren.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAllgemein_Fehler.h"
#include "operations/fktAttribute.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QLocale>
#include <QSet>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

QString Text(int id)
{
    return LoadLangString(id);
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
// so that a read-only file takes the times, and restored afterwards. The errno of a
// failed step, 0 on success.
int RestoreTimes(const QString &path, const QString &createdLine, const QString &writtenLine,
                 const QString &accessedLine)
{
    TDateTime created = 0, written = 0, accessed = 0;
    const bool haveCreated = ParseUndoLogTime(createdLine, created);
    const bool haveWritten = ParseUndoLogTime(writtenLine, written);
    const bool haveAccessed = ParseUndoLogTime(accessedLine, accessed);
    if (!haveCreated && !haveWritten && !haveAccessed)
        return 0;
    errno = 0;
    if (!haveCreated || !haveWritten || !haveAccessed) {
        TDateTime nowCreated, nowAccessed, nowWritten;
        if (!GetFileTimes(path, nowCreated, nowAccessed, nowWritten))
            return TFailedFiles::FailedCallError();
        if (!haveCreated)
            created = nowCreated;
        if (!haveWritten)
            written = nowWritten;
        if (!haveAccessed)
            accessed = nowAccessed;
    }
    const std::uint32_t attributes = GetFileAttributesA(path);
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    errno = 0;
    const int error = SetFileTimes(path, created, accessed, written) ? 0 : TFailedFiles::FailedCallError();
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path, attributes);
    return error;
}

void UndoAttributeLog(const QStringList &lines, TFailedFiles &failures)
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
        int error = hasTimes ? RestoreTimes(path, lines[j + 1], lines[j + 2], lines[j + 3]) : 0;
        std::uint32_t attributes = 0;
        errno = 0;
        if (hasAttributes && ParseAttributeWord(lines[j + group - 1], attributes)
            && !SetFileAttributesA(path, attributes) && error == 0)
            error = TFailedFiles::FailedCallError();
        if (error != 0)
            failures.Add(path, error);
    }
}


} // namespace

bool IsUsableTarget(const QString &Path)
{
    return Path.startsWith(u'/') && UndoLogWriter::CanLog(Path) && !fs::isPlaceholderName(fs::nameOf(Path));
}

void RefreshExplorerLists()
{
    for (TShellListView *list : {HauptForm->ShellListView01, HauptForm->ShellListView02})
        if (list)
            list->Refresh();
}

// ---- Undo log ----

QString UndoLogPath()
{
    return Arbeitsverzeichnis + Protokolldatei;
}

UndoLogWriter::UndoLogWriter()
{
    HauptForm->ProtokollListBox.clear();
    ok_ = Arbeitsverzeichnis.startsWith(u'/') && !Protokolldatei.isEmpty() && fs::createFolders(Arbeitsverzeichnis)
        && file_.open(UndoLogPath());
}

bool UndoLogWriter::CanLog(const QString &Path)
{
    return std::none_of(Path.cbegin(), Path.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
}

bool UndoLogWriter::CanLogBytes(QByteArrayView EncodedPath)
{
    return !std::memchr(EncodedPath.data(), '\r', size_t(EncodedPath.size()))
        && !std::memchr(EncodedPath.data(), '\n', size_t(EncodedPath.size()));
}

void UndoLogWriter::Append(const QString &OldPath, const QString &NewPath)
{
    HauptForm->ProtokollListBox << OldPath << NewPath;
    ++pairs_;
    if (!ok_)
        return;
    record_.resize(0); // keeps its capacity for the next pair
    fs::appendEncodedName(record_, OldPath);
    record_.append("\r\n", 2);
    fs::appendEncodedName(record_, NewPath);
    record_.append("\r\n", 2);
    Write();
}

void UndoLogWriter::AppendEncoded(QByteArrayView OldBytes, QByteArrayView NewBytes)
{
    ++pairs_;
    if (!ok_)
        return;
    // Copied in place: the record keeps its capacity from pair to pair.
    record_.resize(OldBytes.size() + NewBytes.size() + 4);
    char *out = std::copy_n(OldBytes.data(), OldBytes.size(), record_.data());
    out = std::copy_n("\r\n", 2, out);
    std::copy_n(NewBytes.data(), NewBytes.size(), out);
    Write();
}

void UndoLogWriter::WriteLines(qsizetype From)
{
    if (!ok_)
        return;
    const QStringList &lines = HauptForm->ProtokollListBox;
    if (From >= lines.size())
        return;
    record_.resize(0);
    for (qsizetype i = From; i < lines.size(); ++i) {
        fs::appendEncodedName(record_, lines[i]);
        record_.append("\r\n", 2);
    }
    Write();
}

void UndoLogWriter::Write()
{
    std::copy_n("\r\n", 2, record_.end() - 2);
    ok_ = bool(file_.append(record_));
}

bool UndoLogWriter::Finish()
{
    if (file_.isOpen())
        ok_ = bool(file_.close()) && ok_;
    return ok_;
}

QStringList UndoMoveLog(const QStringList &Lines, TFailedFiles &Failures)
{
    QStringList movedBack;
    for (qsizetype j = Lines.size() / 2 * 2 - 2; j >= 0; j -= 2) {
        const QString &oldPath = Lines[j], &newPath = Lines[j + 1];
        if (oldPath.startsWith(u'/') && newPath.startsWith(u'/') && oldPath != newPath) {
            if (const fs::Result back = fs::moveFile(newPath, oldPath); back)
                movedBack << newPath << oldPath;
            else
                Failures.Add(newPath, back.error);
        }
    }
    return movedBack;
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

    TFailedFiles failures;
    {
        const HourglassCursor busy;
        const bool uniqueNames = f->PageControl->currentWidget() == f->TabSheet01 && f->DatUmbSpeedButton03->Down();
        QStringList &oldNames = f->AlteDateinamen;
        QStringList &newNames = f->NeueDateinamen;
        const qsizetype count = oldNames.size();
        UndoLogWriter log;
        QSet<QString> readyFolders; // each target folder is made sure of once per batch
        for (qsizetype i = 0; i < count; ++i) {
            const QString &oldPath = oldNames[i];
            try {
                fs::Result done{EINVAL}; // no usable new path
                if (i < newNames.size()) {
                    if (uniqueNames)
                        newNames[i] = MakeUniqueFileName(newNames[i], oldPath);
                    const QString &newPath = newNames[i];
                    if (IsUsableTarget(newPath) && (mode == 2 || UndoLogWriter::CanLog(oldPath))) {
                        const QString folder = fs::folderOf(newPath);
                        done = readyFolders.contains(folder) ? fs::Result{} : fs::createFolders(folder);
                        if (done) {
                            readyFolders.insert(folder);
                            done = mode == 2 ? fs::copyFile(oldPath, newPath) : fs::moveFile(oldPath, newPath);
                        }
                    }
                    if (done && mode != 2)
                        log.Append(oldPath, newPath);
                }
                if (!done)
                    failures.Add(oldPath, done.error);
            } catch (const std::exception &e) {
                failures.Add(oldPath, QString::fromLocal8Bit(e.what()));
            }
        }
        const bool saved = log.Finish();
        SetUndoMenuState(801, 806, 801, mode != 2 && saved && log.Logged(), 0);
        f->FileListFollowMoves(f->ProtokollListBox);
        RefreshExplorerLists();
    }
    failures.Show();
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
    TFailedFiles failures;
    if (MessageDlg(question, mtWarning, mbYesNo, 0, LanguageName()) == mrYes) {
        const HourglassCursor busy;
        UndoLogWriter log;
        // Deepest folders first, so that renaming a folder does not move the paths
        // of the sub-folders still to come; each keeps its parent.
        std::vector<qsizetype> order(static_cast<size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::vector<qsizetype> depth(static_cast<size_t>(count));
        for (qsizetype i = 0; i < count; ++i)
            depth[size_t(i)] = fs::withoutTrailingSlash(oldNames[i]).count(u'/');
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return depth[size_t(a)] > depth[size_t(b)]; });
        {
            const QSignalBlocker quietLeft(f->ShellListView01);
            const QSignalBlocker quietRight(f->ShellListView02);
            for (qsizetype i : order) {
                const QString oldPath = fs::withoutTrailingSlash(oldNames[i]);
                try {
                    const QString newName = fs::nameOf(fs::withoutTrailingSlash(newNames[i]));
                    const QString newPath = fs::folderOf(oldPath) + newName;
                    if (newPath == oldPath)
                        continue;
                    fs::Result done{EINVAL};
                    if (oldPath.size() > 1 && oldPath.startsWith(u'/') && UndoLogWriter::CanLog(oldPath)
                        && IsUsableTarget(newPath))
                        done = fs::moveFile(oldPath, newPath);
                    if (done)
                        log.Append(oldPath, newPath);
                    else
                        failures.Add(oldPath, done.error);
                } catch (const std::exception &e) {
                    failures.Add(oldPath, QString::fromLocal8Bit(e.what()));
                }
            }
        }
        const bool saved = log.Finish();
        SetUndoMenuState(801, 806, 801, saved && log.Logged(), 2);
    }
    RefreshExplorerLists();
    failures.Show();
}

void UndoLastAction()
{
    THauptForm *f = HauptForm;
    TFailedFiles failures;
    {
        const HourglassCursor busy;
        const QString logFile = f->HMenuDateiRueckgaengig->data().toString();
        f->ProtokollListBox = TextLines::readLines(logFile).value_or(QStringList());
        switch (f->HMenuDateiRueckgaengig->Tag) {
        case 0:
            f->FileListFollowMoves(UndoMoveLog(f->ProtokollListBox, failures));
            break;
        case 1:
            UndoAttributeLog(f->ProtokollListBox, failures);
            break;
        case 2:
            UndoMoveLog(f->ProtokollListBox, failures);
            f->ProtokollListBox.clear();
            break;
        }
    }
    f->AttrSpeedButton01->setEnabled(false);
    f->HMenuDateiRueckgaengig->setEnabled(false);
    RefreshExplorerLists();
    failures.Show();
}
