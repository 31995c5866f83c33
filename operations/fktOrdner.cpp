#include "operations/fktOrdner.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/RealPath.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/TreeView.h"
#include "shell/Haupt.h"

#include <algorithm>
#include <optional>
#include <vector>

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
