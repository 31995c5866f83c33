// Handlers of the two explorer pairs: selection, clicks and folder changes with their
// follow-ups, the filter boxes and the per-item filter of the lists, the status
// panels, tree label editing, view styles, select all, properties, refresh, the
// textured list backgrounds and the left explorer taking over the right one.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "operations/fktMP3Tags.h"
#include "operations/fktOrdner.h"
#include "operations/fktUmbenennen.h"
#include "operations/rvTTF.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/jpeg/JpegDecoder.h"
#include "platform/picture/Picture.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Colors.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StatusBar.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt_Globals.h"
#include "shell/Texturen.h"

#include <QComboBox>
#include <QScrollArea>
#include <QSet>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace {

// A path on which folder-dependent actions act: an absolute local path.
bool IsOnDrive(const QString &Path)
{
    return Path.startsWith(u'/');
}

// In view mode 9, the statistics of the left tree's folder Path when it is on a drive.
void FolderStatisticsFollowUp(THauptForm &f, const QString &Path)
{
    if (ViewMode == 9 && IsOnDrive(Path)) {
        f.OrdnerScrollBox01->setFocus();
        ShowFolderStatistics();
    }
}

// A folder change is one to another folder: "/a/b" and "/a/b/" are the same one.
bool SameFolder(const QString &A, const QString &B)
{
    auto bare = [](const QString &p) { return p.size() > 1 && p.endsWith(u'/') ? QStringView(p).chopped(1) : QStringView(p); };
    return bare(A) == bare(B);
}

QString CountText(const TShellListView *List)
{
    return LoadLangString(8999) + QString::number(List->Count());
}

QString SelectedPath(const TShellListView *List)
{
    const int index = List->ItemIndex();
    return index < 0 ? QString() : List->Folders(index).PathName;
}

// The rename page shows its TrueType sub-view.
bool FontViewShown(THauptForm &f)
{
    return f.PageControl->currentWidget() == f.TabSheet01 && f.DatUmb01->currentIndex() == 2;
}

// Panel 0 the item count, panel 1 the size of the selected regular file.
void ShowExplorerStatus(TStatusBar *Status, const TShellListView *List)
{
    Status->setPanel(0, CountText(List));
    const QString selected = SelectedPath(List);
    Status->setPanel(1, selected.isEmpty() ? QString() : FileSizeText(selected));
}

QString ChosenMask(const QComboBox *Filter)
{
    return Filter->currentData().toString();
}

// The masks of a filter: "*.*" alone, otherwise its parts between ";".
QStringList MasksOf(const QString &Mask)
{
    if (Mask == u"*.*")
        return {Mask};
    return Mask.split(u';', Qt::SkipEmptyParts);
}

// A list item passes when the filter is "*.*", when it is a folder, or when its
// extension equals that of one of the masks (ignoring case).
bool PassesFilter(const TShellFolder &Folder, const QComboBox *Filter, const QStringList &Masks)
{
    if (ChosenMask(Filter) == u"*.*" || Folder.IsFolder)
        return true;
    const QString extension = fs::extensionOf(Folder.Name);
    return std::any_of(Masks.begin(), Masks.end(), [&](const QString &mask) {
        return extension.compare(fs::extensionOf(mask), Qt::CaseInsensitive) == 0;
    });
}

// A new folder name typed into a tree label: one path component.
bool IsValidFolderName(const QString &Name)
{
    return !Name.isEmpty() && Name != u"." && Name != u".." && !Name.contains(u'/') && !Name.contains(QChar(0));
}

// Texture of one list from its settings. An own picture that cannot be loaded (no
// path, missing, bad data, another extension) leaves the list without a background,
// in memory: texture 0, background off, black text; the path stays.
QPixmap LoadListTexture(TShellListView *List, std::uint8_t &Texture, std::uint8_t &Background,
                        const QString &Path, int FontColor)
{
    if (Texture >= 1 && Texture <= 5) {
        // The built-in textures are light, but for the dark blue one.
        List->setFontColor(Texture == 5 ? Qt::white : Qt::black);
        return LoadTextureResource(Texture + FirstTextureResource - 1);
    }
    QPixmap picture;
    if (Texture == 6 && !Path.isEmpty() && fs::isRegularFile(Path)) {
        const QString extension = fs::extensionOf(Path).toLower();
        if (extension == u".jpg" || extension == u".jpeg")
            picture = QPixmap::fromImage(DecodeJpeg(Path, {}, false));
        else if (extension == u".bmp")
            picture = QPixmap::fromImage(LoadPicture(Path));
    }
    if (picture.isNull()) {
        if (Texture == 6) {
            Texture = 0;
            Background = 0;
        }
        List->setFontColor(Qt::black);
        return {};
    }
    List->setFontColor(ColorToQColor(FontColor));
    return picture;
}

} // namespace

// ---- View styles ----

namespace {

// Set to large icons and back to the style of the down button, so that the items
// are arranged anew (left list).
void ReapplyLeftViewStyle(THauptForm &f)
{
    if (f.ShellListView01->ViewStyle() == vsIcon)
        return;
    f.ShellListView01->setViewStyle(vsIcon);
    if (f.TB01SmallIcon->isChecked())
        f.ShellListView01->setViewStyle(vsSmallIcon);
    else if (f.TB01List->isChecked())
        f.ShellListView01->setViewStyle(vsList);
    else if (f.TB01Report->isChecked())
        f.ShellListView01->setViewStyle(vsReport);
}

// The right list is only ever in the list style.
void ReapplyRightViewStyle(THauptForm &f)
{
    if (f.ShellListView02->ViewStyle() != vsList)
        return;
    f.ShellListView02->setViewStyle(vsIcon);
    f.ShellListView02->setViewStyle(vsList);
}

} // namespace

void THauptExplorer::ReapplyViewStyles()
{
    ReapplyLeftViewStyle(Form());
    ShellListView02->setViewStyle(vsIcon);
    ShellListView02->setViewStyle(vsList);
}

void THauptExplorer::TB01LargeIconClick()
{
    ShellListView01->setViewStyle(vsIcon);
}

void THauptExplorer::TB01SmallIconClick()
{
    ShellListView01->setViewStyle(vsIcon);
    ShellListView01->setViewStyle(vsSmallIcon);
}

void THauptExplorer::TB01ListClick()
{
    ShellListView01->setViewStyle(vsIcon);
    ShellListView01->setViewStyle(vsList);
}

void THauptExplorer::TB01ReportClick()
{
    ShellListView01->setViewStyle(vsIcon);
    ShellListView01->setViewStyle(vsReport);
}

// ---- Lists ----

void THauptExplorer::ShellListView01Change()
{
    ActiveExplorer = 1;
    Form().UpdateActionButtons();
    const QString selected = SelectedPath(ShellListView01);
    const bool renamePage = Form().PageControl->currentWidget() == Form().TabSheet01;
    const bool previewShown = (renamePage && Form().DatUmbVorschau->Down()) ||
                              (Form().PageControl->currentWidget() == Form().TabSheet04 && Form().FolderPreviewShown());
    if (FontViewShown(Form()))
        ShowFontInfo(selected);
    if (!selected.isEmpty()) {
        Form().ShowExplorerPreview(selected);
        if (Form().AttributePageShown())
            ShowFileAttributes(selected);
        if (renamePage && Form().DatUmb01->currentIndex() == 3)
            ShowMp3Tag(selected);
        if (previewShown)
            ShowRenamePreview();
    } else {
        if (Form().AttributePageShown() && Explorer02->isVisible())
            ShowFileAttributes(QString());
        if (renamePage && Form().DatUmb01->currentIndex() == 3)
            ShowMp3Tag(QString());
        if (previewShown) {
            Form().VorschauStringGrid01->setRowCount(2);
            Form().VorschauStringGrid01->setCells(0, 1, QString());
            Form().VorschauStringGrid01->setCells(1, 1, QString());
        }
        Form().ClearExplorerPreview();
    }
    if (!SameFolder(ShellTreeView01->Path(), CurrentFolderLeft)) {
        CurrentFolderLeft = ShellTreeView01->Path();
        ReapplyLeftViewStyle(Form());
    }
    ShowExplorerStatus(ExplorerStatusBar01, ShellListView01);
}

void THauptExplorer::ShellListView02Change()
{
    ActiveExplorer = 2;
    Form().UpdateActionButtons();
    if (FontViewShown(Form()))
        ShowFontInfo(SelectedPath(ShellListView02));
    if (!SameFolder(ShellTreeView02->Path(), CurrentFolderRight)) {
        CurrentFolderRight = ShellTreeView02->Path();
        ReapplyRightViewStyle(Form());
    }
    ShowExplorerStatus(ExplorerStatusBar02, ShellListView02);
}

void THauptExplorer::ShellListView01Click()
{
    if (ActiveExplorer == 2 && FontViewShown(Form()))
        ShowFontInfo(SelectedPath(ShellListView01));
    ActiveExplorer = 1;
    Form().UpdateActionButtons();
}

void THauptExplorer::ShellListView02Click()
{
    if (ActiveExplorer == 1 && FontViewShown(Form()))
        ShowFontInfo(SelectedPath(ShellListView02));
    ActiveExplorer = 2;
    Form().UpdateActionButtons();
}

void THauptExplorer::ShellListView01ContextPopup()
{
    ActiveExplorer = 1;
}

void THauptExplorer::ShellListView02ContextPopup()
{
    ActiveExplorer = 2;
}

void THauptExplorer::ShellListView01DblClick()
{
    ReapplyLeftViewStyle(Form());
    Form().UpdateActionButtons();
    FolderStatisticsFollowUp(Form(), ShellTreeView01->Path());
    Form().ShowThumbnailsOf(ShellTreeView01->Path());
    ExplorerStatusBar01->setPanel(0, CountText(ShellListView01));
}

void THauptExplorer::ShellListView02DblClick()
{
    ReapplyRightViewStyle(Form());
    Form().UpdateActionButtons();
    ExplorerStatusBar02->setPanel(0, CountText(ShellListView02));
}

void THauptExplorer::ShellListView01AddFolder(const TShellFolder &Folder, bool &CanAdd)
{
    CanAdd = PassesFilter(Folder, FilterComboBox01, FilterMasksLeft);
}

void THauptExplorer::ShellListView02AddFolder(const TShellFolder &Folder, bool &CanAdd)
{
    CanAdd = PassesFilter(Folder, FilterComboBox02, FilterMasksRight);
}

// ---- Trees ----

void THauptExplorer::ShellTreeView01Change()
{
    const QString path = ShellTreeView01->Path();
    if (!SameFolder(path, CurrentFolderLeft)) {
        ReapplyLeftViewStyle(Form());
        CurrentFolderLeft = path;
        if (Form().AttributePageShown())
            ShowFileAttributes(QString());
        if (FontViewShown(Form()))
            ShowFontInfo(QString());
        FolderStatisticsFollowUp(Form(), path);
        Form().ShowThumbnailsOf(path);
    }
    ExplorerStatusBar01->setPanel(0, CountText(ShellListView01));
    const QString selected = SelectedPath(ShellListView01);
    if (selected.isEmpty())
        Form().ClearExplorerPreview();
    ExplorerStatusBar01->setPanel(1, selected.isEmpty() ? QString() : FileSizeText(selected));
}

void THauptExplorer::ShellTreeView02Change()
{
    const QString path = ShellTreeView02->Path();
    if (!SameFolder(path, CurrentFolderRight)) {
        ReapplyRightViewStyle(Form());
        CurrentFolderRight = path;
        if (FontViewShown(Form()))
            ShowFontInfo(QString());
    }
    ShowExplorerStatus(ExplorerStatusBar02, ShellListView02);
}

void THauptExplorer::ShellTreeView01Click()
{
    const QString path = ShellTreeView01->Path();
    if (SameFolder(path, CurrentFolderLeft))
        return;
    ReapplyLeftViewStyle(Form());
    CurrentFolderLeft = path;
    FolderStatisticsFollowUp(Form(), path);
    Form().ShowThumbnailsOf(path);
}

bool THauptExplorer::ShellTreeViewEditing(const QString &Path)
{
    if (!IsOnDrive(Path) || Path == u"/")
        return false;
    EditedFolderOldPath = Path;
    return true;
}

void THauptExplorer::ShellTreeViewEdited(const QString &Path, QString &Text)
{
    const QString oldName = fs::nameOf(Path);
    if (Path != EditedFolderOldPath || Text == oldName || !IsValidFolderName(Text)) {
        Text = oldName;
        return;
    }
    // Never replaces an existing entry; on failure the folder keeps its name.
    if (!fs::moveFile(EditedFolderOldPath, fs::folderOf(EditedFolderOldPath) + Text))
        Text = oldName;
}

// ---- Filters ----

void THauptExplorer::SetFilterLists(const QString &Filter)
{
    const QStringList parts = Filter.split(u'|');
    for (QComboBox *box : {FilterComboBox01, FilterComboBox02}) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            if (!parts[i].isEmpty() || !parts[i + 1].isEmpty())
                box->addItem(parts[i], parts[i + 1]);
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
    }
    // The masks and lists follow the filter shown.
    FilterComboBox01Change();
    FilterComboBox02Change();
}

void THauptExplorer::FilterComboBox01Change()
{
    FilterMasksLeft = MasksOf(ChosenMask(FilterComboBox01));
    ShellListView01->Refresh();
}

void THauptExplorer::FilterComboBox02Change()
{
    FilterMasksRight = MasksOf(ChosenMask(FilterComboBox02));
    ShellListView02->Refresh();
}

// ---- Commands ----

void THauptExplorer::ShowListCount(const TShellListView *List)
{
    (List == ShellListView01 ? ExplorerStatusBar01 : ExplorerStatusBar02)->setPanel(0, CountText(List));
}

void THauptExplorer::ApplyListLanguage()
{
    ShowExplorerStatus(ExplorerStatusBar01, ShellListView01);
    ShowExplorerStatus(ExplorerStatusBar02, ShellListView02);
    const auto sizeText = [locale = LanguageLocale()](qint64 Size) { return SizeText(Size, locale); };
    ShellListView01->setSizeText(sizeText);
    ShellListView02->setSizeText(sizeText);
}

void THauptExplorer::TB01MarkierenClick()
{
    PM01AllesMarkierenClick();
}

void THauptExplorer::PM01AllesMarkierenClick()
{
    if (ActiveExplorer == 1)
        ShellListView01->SelectAll();
    else if (ActiveExplorer == 2)
        ShellListView02->SelectAll();
}

void THauptExplorer::PM01EigenschaftenClick()
{
    const TShellListView *list = ActiveExplorer == 1 ? ShellListView01 : ActiveExplorer == 2 ? ShellListView02 : nullptr;
    if (list && list->ItemIndex() >= 0)
        ShowPropertiesDialog(SelectedPath(list));
}

void THauptExplorer::PM02EigenschaftenClick()
{
    if (PopupMenu02Tree && !PopupMenu02Tree->Path().isEmpty())
        ShowPropertiesDialog(PopupMenu02Tree->Path());
}

void THauptExplorer::TB01RefreshClick()
{
    // A start folder that no longer exists leaves the tree where it is.
    ReturnTreesTo(CommandLineFolder.isEmpty() ? StartverzeichnisLinks : CommandLineFolder,
                  CommandLineFolder.isEmpty() ? StartverzeichnisRechts : CommandLineFolder);
}

void THauptExplorer::ReturnTreesTo(const QString &left, const QString &right)
{
    for (TShellTreeView *tree : {ShellTreeView01, ShellTreeView02}) {
        tree->CollapseAll();
        tree->RefreshNode(tree->TopNodePath());
    }
    const QString shownLeft = ShellListView01->Root(), shownRight = ShellListView02->Root();
    CurrentFolderLeft = left;
    CurrentFolderRight = right;
    ShellTreeView01->setPath(left);
    ShellTreeView02->setPath(right);
    // A list whose folder stayed is read again as well.
    if (ShellListView01->Root() == shownLeft)
        ShellListView01->Refresh();
    if (ShellListView02->Root() == shownRight)
        ShellListView02->Refresh();
}

void THauptExplorer::SyncExplorersToLeft()
{
    if (ActiveExplorer != 2)
        return;
    const QString folder = ShellTreeView02->Path();
    const bool sameFolder = ShellListView01->Root() == ShellListView02->Root();
    ShellTreeView01->setPath(folder);
    // The left filter becomes the right one, so that the left list shows every item
    // the right one shows.
    const int filter = FilterComboBox01->findData(ChosenMask(FilterComboBox02));
    if (filter >= 0 && filter != FilterComboBox01->currentIndex())
        FilterComboBox01->setCurrentIndex(filter);
    else if (sameFolder)
        ShellListView01->Refresh();
    QSet<QString> chosen;
    for (int row : ShellListView02->SelectedRows())
        chosen.insert(ShellListView02->Folders(row).PathName);
    std::vector<int> rows;
    for (int row = 0; row < ShellListView01->Count(); ++row)
        if (chosen.contains(ShellListView01->Folders(row).PathName))
            rows.push_back(row);
    ShellListView01->SelectRows(rows);
}

// ---- Textured backgrounds ----

void THauptExplorer::LoadListTextures()
{
    ListTextureBitmap01 = LoadListTexture(ShellListView01, SLVTextur01, SLVBackground01, SLVTexturPfad01, SLVFontColor01);
    ListTextureBitmap02 = LoadListTexture(ShellListView02, SLVTextur02, SLVBackground02, SLVTexturPfad02, SLVFontColor02);
    ShellListView01->setBrushBitmap(ListTextureBitmap01);
    ShellListView02->setBrushBitmap(ListTextureBitmap02);
}

void THauptExplorer::ShellListView01HinterGrund()
{
    ShellListView01->setBrushBitmap(ListTextureBitmap01);
}

void THauptExplorer::ShellListView02HinterGrund()
{
    ShellListView02->setBrushBitmap(ListTextureBitmap02);
}

void THauptExplorer::ShellListView01Scrolled()
{
    if (SLVBackground01)
        ShellListView01->Repaint();
}

void THauptExplorer::ShellListView02Scrolled()
{
    if (SLVBackground02)
        ShellListView02->Repaint();
}
