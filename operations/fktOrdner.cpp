#include "operations/fktOrdner.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/fs/RealPath.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/TreeView.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <algorithm>
#include <optional>
#include <vector>

QString FolderRenameBase;

namespace {

// Where no walk goes: the kernel's and the devices' file systems (/proc/kcore alone
// reports 128 TiB). Real is the folder's real path with a trailing "/".
bool WalkStaysOut(QStringView Real)
{
    return Real.startsWith(u"/proc/") || Real.startsWith(u"/sys/") || Real.startsWith(u"/dev/");
}

// Real path with a trailing "/" of a folder given with one.
QString RealFolder(const QString &Folder)
{
    return AddTrailingBackslash(fs::realPath(Folder));
}

// A series number: the digits of Text, at most 32767; nullopt otherwise.
std::optional<int> SeriesNumber(const QString &Text)
{
    if (Text.isEmpty() || Text.size() > 5
        || !std::all_of(Text.cbegin(), Text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int value = Text.toInt();
    return value <= 32767 ? std::optional<int>(value) : std::nullopt;
}

QString WithoutSeparators(QString Part)
{
    Part.remove(u'/');
    Part.remove(u'\\');
    return Part;
}

// The empty-folder search: one read of every folder, bottom up.
class EmptyFolderSearch {
public:
    // Listed: where the empty folders go (none while only checking); Start: the folder
    // searched, with a trailing "/", never listed itself.
    EmptyFolderSearch(QStringList *Listed, const QString &Start) : listed_(Listed), start_(Start) {}

    // True when nothing but folders lies below Folder (trailing "/"; Real its real path).
    // Listable: Folder may be listed (no dot-named folder on the way from the start).
    bool Empty(const QString &Folder, const QString &Real, bool Listable)
    {
        if (WalkStaysOut(Real) || (listed_ && IsProtected(Real)))
            return false;
        const std::optional<fs::FolderContent> content = fs::folderContent(Folder);
        if (!content)
            return false;
        bool empty = !content->holdsOther;
        for (const fs::Entry &sub : content->folders) {
            const QString name = sub.name + u'/';
            empty = Empty(Folder + name, Real + name, Listable && !sub.isHidden) && empty;
        }
        if (empty && Listable && listed_ && Folder != start_)
            listed_->append(Folder.chopped(1));
        return empty;
    }

private:
    static bool IsProtected(const QString &Real) { return IsInSystemFolder(Real) || Real.startsWith(u"/usr/"); }

    QStringList *listed_;
    QString start_;
};

// ---- Folder rules ----

// Item Index of NeueDateinamen := FolderRenameBase + the folder's Parent + NewName;
// a NewName that is empty, "." or ".." keeps the folder's old Name.
void StoreFolderName(int Index, const FolderPathParts &P, const QString &NewName)
{
    QStringList &names = HauptForm->NeueDateinamen;
    const QString parent = FolderRenameBase + P.Parent;
    names[Index] = parent + P.Name;
    RenameEntry::Store(names, Index, parent, NewName);
}

// Every item's new Name by Rule, from its old Name.
template <typename Rule> void RenameEveryFolder(Rule NewName)
{
    const int count = int(HauptForm->NeueDateinamen.size());
    for (int i = 0; i < count; ++i) {
        const FolderPathParts p = SplitFolderPath(i);
        StoreFolderName(i, p, NewName(p.Name));
    }
}

} // namespace

void CreateFolderSeries()
{
    THauptForm *f = HauptForm;
    const QString field = f->OrdnerZielverzeichnis->Text();
    const QString target = AddTrailingBackslash(field.isEmpty() ? f->ShellTreeView01->Path() : field);
    const std::optional<int> start = SeriesNumber(f->OrdStartwert->Text());
    const std::optional<int> end = SeriesNumber(f->OrdEndwert->Text());
    if (!start || !end)
        return;
    const qsizetype width = f->OrdEndwert->Text().size();
    const QString first = WithoutSeparators(f->OrdName01->Text());
    const QString second = WithoutSeparators(f->OrdName02->Text());
    for (int n = *start; n <= *end; ++n) {
        QString number = QString::number(n);
        if (f->OrdCheckBox1->Checked() && number.size() < width)
            number.prepend(QString(width - number.size(), u'0'));
        const QString path = target + first + number + second;
        if (!fs::createFolders(path))
            MessageDlg(LoadLangString(9011) + u'\r' + path + u'\r' + LoadLangString(9012), mtWarning, mbOKOnly, 0,
                       LanguageName());
    }
    RefreshExplorerLists();
}

void ListFoldersRecursive(const QString &Folder)
{
    QStringList &list = HauptForm->AlteDateinamen;
    const QString start = AddTrailingBackslash(Folder);
    const QString realStart = RealFolder(start);
    // Depth first, pre-order: a folder, then each sub-folder with its sub-tree in order.
    std::vector<QString> pending{start};
    std::vector<QString> subFolders;
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        list.append(folder);
        if (WalkStaysOut(realStart + folder.mid(start.size())))
            continue;
        subFolders.clear();
        for (const fs::Entry &e : fs::listFolder(folder))
            if (e.isFolder && !e.isHidden)
                subFolders.push_back(folder + e.name + u'/');
        std::move(subFolders.rbegin(), subFolders.rend(), std::back_inserter(pending));
    }
}

void ReadFolderTreeRecursive(TTreeView *Tree, const QString &Folder, bool WithFiles, QTreeWidgetItem *ParentNode)
{
    const QString start = AddTrailingBackslash(Folder);
    const QString realStart = RealFolder(start);
    // The nodes are built apart from the tree, which takes them in one change at the end.
    QList<QTreeWidgetItem *> top;
    std::vector<std::pair<QString, QTreeWidgetItem *>> pending{{start, nullptr}};
    while (!pending.empty()) {
        auto [folder, node] = std::move(pending.back());
        pending.pop_back();
        if (WalkStaysOut(realStart + folder.mid(start.size())))
            continue;
        for (const fs::Entry &e : fs::listFolder(folder)) {
            if (e.isHidden || (!e.isFolder && !WithFiles) || e.name.contains(u'\r') || e.name.contains(u'\n')
                || e.name.startsWith(u' ') || e.name.startsWith(u'\t'))
                continue;
            QTreeWidgetItem *child = Tree->NewNode(e.name, 0);
            if (node)
                node->addChild(child);
            else
                top.append(child);
            if (e.isFolder)
                pending.emplace_back(folder + e.name + u'/', child);
        }
    }
    Tree->AddChildren(ParentNode, top);
}

std::int64_t GetFolderSize(const QString &Folder, bool Recursive)
{
    const QString start = AddTrailingBackslash(Folder);
    const QString realStart = RealFolder(start);
    std::int64_t total = 0;
    std::vector<QString> pending{start};
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        if (WalkStaysOut(realStart + folder.mid(start.size())))
            continue;
        const std::optional<fs::FolderContent> content = fs::folderContent(folder, true);
        if (!content)
            continue;
        total += content->fileBytes;
        if (Recursive)
            for (const fs::Entry &e : content->folders)
                if (!e.isHidden)
                    pending.push_back(folder + e.name + u'/');
    }
    return total;
}

void ListEmptyFolders(const QString &Folder)
{
    QStringList &list = HauptForm->AlteDateinamen;
    list.clear();
    const QString start = AddTrailingBackslash(Folder);
    EmptyFolderSearch(&list, start).Empty(start, RealFolder(start), true);
    list.sort(Qt::CaseInsensitive);
}

bool IsEmptyFolderTree(const QString &Folder)
{
    const QString folder = AddTrailingBackslash(Folder);
    return EmptyFolderSearch(nullptr, folder).Empty(folder, RealFolder(folder), false);
}

// ---- Folder rename rules ----

void PrepareFolderRenameLists()
{
    THauptForm *f = HauptForm;
    QStringList &oldNames = f->AlteDateinamen;
    QStringList &newNames = f->NeueDateinamen;
    const bool recursive = f->OrdnerRekursiv->Checked();
    {
        const HourglassCursor busy;
        oldNames.clear();
        newNames.clear();
        const TShellTreeView *tree = ActiveExplorer == 2 ? f->ShellTreeView02 : f->ShellTreeView01;
        FolderRenameBase = AddTrailingBackslash(tree->Path());
        if (recursive) {
            ListFoldersRecursive(FolderRenameBase);
            oldNames.removeFirst(); // the base folder itself
        } else if (const TShellListView *list = ActiveExplorer == 2 ? f->ShellListView02 : f->ShellListView01) {
            for (int row : list->SelectedRows()) {
                const QString path = list->Folders(row).PathName;
                // Only what lies below the base has a Name and a Parent there.
                if (path.size() > FolderRenameBase.size() && path.startsWith(FolderRenameBase))
                    oldNames.append(path);
            }
        }
        newNames.reserve(oldNames.size());
        for (const QString &path : std::as_const(oldNames))
            newNames.append(path.mid(FolderRenameBase.size()));
    }
    if (!recursive && oldNames.isEmpty())
        ReportAndAbort(9059);
}

FolderPathParts SplitFolderPath(int I)
{
    const QString path = fs::withoutTrailingSlash(HauptForm->NeueDateinamen.value(I));
    const qsizetype slash = path.lastIndexOf(u'/');
    return {path.left(slash + 1), path.mid(slash + 1)};
}

void ReplaceInFolderNames()
{
    THauptForm *f = HauptForm;
    const QString search = f->EditOrdU1->Text();
    if (search.isEmpty()) {
        ShowInformation(LoadLangString(9008) + u'\r' + LoadLangString(9009));
        Abort();
    }
    const QString replacement = RenameEntry::NameText(f->EditOrdU2->Text());
    RenameEveryFolder([&](const QString &name) { return StringReplaceAll(name, search, replacement); });
}

void InsertIntoFolderNames()
{
    THauptForm *f = HauptForm;
    const QString text = RenameEntry::NameText(f->EditOrdU3->Text());
    const int n = f->OrdnerZKPositionUpDown->Position();
    const bool fromEnd = f->RadioGroupOrdU3->ItemIndex() == 1;
    RenameEveryFolder([&](const QString &name) {
        const std::u32string chars = Chars(name);
        const int l = int(chars.size());
        if (l < n)
            return name;
        const int at = fromEnd ? l - n : n;
        return LeftText(chars, at) + text + TextFrom(chars, at);
    });
}

void CutFromFolderNames()
{
    THauptForm *f = HauptForm;
    const int count = f->OrdnerZKEntUpDown->Position();
    const int position = f->OrdnerZKPosition02UpDown->Position();
    const bool fromEnd = f->RadioGroupOrdU4->ItemIndex() == 1;
    RenameEveryFolder([&](const QString &name) {
        const std::u32string chars = Chars(name);
        const int l = int(chars.size());
        // From the start: the characters at positions P to P + C - 1 (from 1); from the
        // end: the C characters after the first L - P.
        if (!fromEnd && l - position + 1 >= count)
            return LeftText(chars, position - 1) + TextFrom(chars, position - 1 + count);
        if (fromEnd && count <= position)
            return LeftText(chars, l - position) + TextFrom(chars, l - position + count);
        return name;
    });
}

void ChangeFolderNameCase()
{
    QString (*convert)(const QString &) = nullptr;
    switch (HauptForm->RadioGroupOrdU2->ItemIndex()) {
    case 0:
        convert = FirstLetterUpper;
        break;
    case 1:
        convert = WordStartsUpper;
        break;
    case 2:
        convert = AsciiUpper;
        break;
    case 3:
        convert = AsciiLower;
        break;
    case 4:
        convert = SwapCase;
        break;
    default:
        return;
    }
    RenameEveryFolder(convert);
}

void ShortenFolderNames()
{
    THauptForm *f = HauptForm;
    const int n = f->OrdnerAnzEntUpDown->Position();
    const bool atStart = f->RadioGroupOrdU5->ItemIndex() != 1;
    RenameEveryFolder([&](const QString &name) {
        const std::u32string chars = Chars(name);
        const int d = int(chars.size()) - n;
        if (d <= 0)
            return name;
        return atStart ? TextFrom(chars, d) : LeftText(chars, n);
    });
}

void ApplyFolderRenameRule()
{
    switch (HauptForm->RadioGroupOrdU1->ItemIndex()) {
    case 0:
        ReplaceInFolderNames();
        break;
    case 1:
        InsertIntoFolderNames();
        break;
    case 2:
        CutFromFolderNames();
        break;
    case 3:
        ChangeFolderNameCase();
        break;
    case 4:
        ShortenFolderNames();
        break;
    }
}
