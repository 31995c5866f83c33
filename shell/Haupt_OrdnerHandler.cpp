// The folder page's handlers: the sub-views, the structure editor and its files, the
// target folder and the series.

#include "shell/Haupt.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "operations/fktOrdner.h"
#include "platform/Abort.h"
#include "platform/desktop/Desktop.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/Panel.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/TreeView.h"
#include "shell/Haupt_Globals.h"
#include "shell/Haupt_Steuerelemente.h"

#include <QComboBox>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The image of nodes added or loaded.
constexpr int NewNodeImage = 2;

// An Error box with the path and the system's reason.
void ShowFileError(const QString &Path, const fs::Result &Error)
{
    MessageDlg(Path + u'\r' + Error.message(), mtError, mbOKOnly, 0, LanguageName());
}

// A typed name without its leading blanks; empty when no folder can bear it.
QString TypedFolderName(QString Name)
{
    qsizetype start = 0;
    while (start < Name.size() && (Name[start] == u' ' || Name[start] == u'\t'))
        ++start;
    Name.remove(0, start);
    for (QChar bad : {u'/', u'\0', u'\r', u'\n'})
        if (Name.contains(bad))
            return {};
    return fs::isPlaceholderName(Name) ? QString() : Name;
}

// A node text that may become a folder below the base.
bool IsCreatableName(const QString &Text)
{
    return !fs::isPlaceholderName(Text) && !Text.contains(u'/') && !Text.contains(u'\0');
}

void SetItem(QAction *Item, bool Enabled, bool Visible)
{
    Item->setEnabled(Enabled);
    Item->setVisible(Visible);
}

} // namespace

// ---- Sub-views ----

void THauptOrdner::OrdnerAnsichtWechsel()
{
    THauptForm &f = Form();
    if (Ordnerbaeume->Down()) {
        OrdnerNB01->setCurrentIndex(0);
        for (QWidget *w : {static_cast<QWidget *>(OrdnerImage01), static_cast<QWidget *>(OrdnerLabel01),
                           static_cast<QWidget *>(OrdnerZielverzeichnis)})
            w->show();
        f.OrdnerRekursiv->hide();
        f.OrdnerVorschauSB->hide();
        f.FolderTreesChosen();
        f.HMenuAnsicht->menuAction()->setEnabled(false);
        for (QAction *item : {f.HMenuAnsichtDateiauswahl, f.HMenuAnsichtDragDrop, f.HMenuAnsichtDateiAttribute,
                              f.HMenuAnsichtVorschau})
            SetItem(item, false, false);
        for (QToolButton *b : {f.TB01Dateiauswahl, f.TB01DragDrop, f.TB01DateiAttribute, f.TB01Vorschau})
            b->setEnabled(false);
    } else if (OrdnerUmbenennen->Down()) {
        OrdnerNB01->setCurrentIndex(1);
        for (QWidget *w : {static_cast<QWidget *>(OrdnerImage01), static_cast<QWidget *>(OrdnerLabel01),
                           static_cast<QWidget *>(OrdnerZielverzeichnis)})
            w->hide();
        f.OrdnerRekursiv->show();
        f.OrdnerVorschauSB->show();
        f.FolderRenamingChosen();
        f.HMenuAnsicht->menuAction()->setEnabled(true);
        SetItem(f.HMenuAnsichtDateiauswahl, true, true);
        SetItem(f.HMenuAnsichtDragDrop, true, true);
        SetItem(f.HMenuAnsichtDateiAttribute, false, false);
        SetItem(f.HMenuAnsichtVorschau, false, false);
        f.TB01Dateiauswahl->setEnabled(true);
        f.TB01DragDrop->setEnabled(true);
        f.TB01DateiAttribute->setEnabled(false);
        f.TB01Vorschau->setEnabled(false);
    }
}

void THauptOrdner::OrdnerVorschauSBClick()
{
    if (Form().OrdnerVorschauSB->Down())
        Form().FolderPreviewDown();
    else
        Form().FolderPreviewUp();
}

bool THauptOrdner::FolderPreviewShown() const
{
    return Form().OrdnerUmbenennen->Down() && Form().OrdnerVorschauSB->Down();
}

void THauptOrdner::RadioGroupOrdU1Click()
{
    THauptForm &f = Form();
    f.OrdnerNB02->setCurrentIndex(f.RadioGroupOrdU1->ItemIndex());
    f.RefreshPreview();
}

void THauptOrdner::OrdnerZielverzeichnisClick()
{
    // Abort (and closing the dialog) leaves the field; No empties it.
    QString folder = OrdnerZielverzeichnis->Text();
    if (SelectDirectory(folder, LoadLangString(9100), LoadLangString(9101), LanguageName()) != mrAbort)
        OrdnerZielverzeichnis->setText(folder);
}

// ---- The structure editor ----

void THauptOrdner::OrdBitBtn01Click()
{
    QString folder;
    SelectDirectory(folder, LoadLangString(9100), LoadLangString(9102), LanguageName());
    if (folder.isEmpty())
        Abort();
    const HourglassCursor busy;
    OrdTreeView->setUpdatesEnabled(false);
    ReadFolderTreeRecursive(OrdTreeView, folder, false, OrdTreeView->Selected());
    OrdTreeView->AlphaSort();
    OrdTreeView->setUpdatesEnabled(true);
}

bool THauptOrdner::AskNodeName(int CaptionId, int PromptId, const QTreeWidgetItem *Parent,
                               const QTreeWidgetItem *Self, QString &Name)
{
    const QTreeWidgetItem *siblings = Parent ? Parent : OrdTreeView->invisibleRootItem();
    for (;;) {
        if (!InputQuery(LoadLangString(CaptionId), LoadLangString(PromptId), Name, LanguageName()))
            return false;
        Name = TypedFolderName(Name);
        if (Name.isEmpty())
            continue;
        bool taken = false;
        for (int i = 0; i < siblings->childCount() && !taken; ++i)
            taken = siblings->child(i) != Self && siblings->child(i)->text(0) == Name;
        if (!taken)
            return true;
        MessageDlg(LoadLangString(9057) + Name + LoadLangString(9058), mtInformation, mbOKOnly, 0, LanguageName());
    }
}

void THauptOrdner::OrdBitBtn02Click()
{
    QTreeWidgetItem *parent = OrdTreeView->Selected();
    QString name;
    if (!AskNodeName(9055, 9056, parent, nullptr, name))
        return;
    OrdTreeView->AddChild(parent, name, NewNodeImage);
    OrdTreeView->AlphaSort();
}

void THauptOrdner::OrdBitBtn03Click()
{
    if (QTreeWidgetItem *node = OrdTreeView->Selected())
        OrdTreeView->Delete(node);
}

void THauptOrdner::OrdBitBtn04Click()
{
    QTreeWidgetItem *node = OrdTreeView->Selected();
    if (!node)
        return;
    QString name = node->text(0);
    if (!AskNodeName(9060, 9061, node->parent(), node, name))
        return;
    node->setText(0, name);
    OrdTreeView->AlphaSort();
}

void THauptOrdner::OrdBitBtn05Click()
{
    OrdTreeView->setSelected(nullptr);
}

void THauptOrdner::OrdBitBtn06Click()
{
    OrdTreeView->Clear();
}

void THauptOrdner::OrdStrukturSpeichernClick()
{
    QString name = OrdEdit1->Text();
    name.remove(u'/');
    name.remove(u'\\');
    if (name.isEmpty()) {
        MessageDlg(LoadLangString(9062), mtInformation, mbOKOnly, 0, LanguageName());
        return;
    }
    const QString path = AddTrailingBackslash(Arbeitsverzeichnis) + name + QStringLiteral(".ord");
    fs::createFolders(Arbeitsverzeichnis); // the write reports a folder it cannot have
    if (const fs::Result written = TextLines::writeLinesAtomic(path, OrdTreeView->IndentedLines()); !written) {
        ShowFileError(path, written);
        return;
    }
    ListOrdFiles();
}

void THauptOrdner::OrdStrukturLadenClick()
{
    const QString chosen = OrdComboBox1->currentText();
    if (chosen.isEmpty())
        return; // the tree stays: there is nothing to load in its place
    OrdTreeView->Clear();
    const QString path = AddTrailingBackslash(Arbeitsverzeichnis) + chosen;
    fs::Result failure;
    const std::optional<QStringList> lines = TextLines::readTextLines(path, &failure);
    if (!lines) {
        ShowFileError(path, failure);
        return;
    }
    const qsizetype dot = chosen.lastIndexOf(u'.');
    OrdEdit1->setText(dot < 0 ? chosen : chosen.left(dot));
    QString message;
    const bool complete = OrdTreeView->LoadIndentedLines(*lines, NewNodeImage, message);
    OrdTreeView->setSelected(nullptr);
    if (!complete)
        MessageDlg(message, mtError, mbOKOnly, 0, LanguageName());
}

void THauptOrdner::OrdnerStrukturErstellenClick()
{
    THauptForm &f = Form();
    QString base = OrdnerZielverzeichnis->Text();
    if (base.isEmpty()) {
        base = f.ShellTreeView01->Path();
        if (!base.startsWith(u'/'))
            Abort();
    }
    base = AddTrailingBackslash(base);
    {
        const HourglassCursor busy;
        // Pre-order: a folder's parent exists before it. A node that names no folder
        // below its parent is left out with everything below it.
        std::vector<std::pair<const QTreeWidgetItem *, QString>> pending;
        const QTreeWidgetItem *root = OrdTreeView->invisibleRootItem();
        for (int i = root->childCount() - 1; i >= 0; --i)
            pending.emplace_back(root->child(i), base);
        while (!pending.empty()) {
            auto [node, parent] = std::move(pending.back());
            pending.pop_back();
            if (!IsCreatableName(node->text(0)))
                continue;
            const QString path = parent + node->text(0);
            fs::createFolders(path); // a failure is not reported
            for (int i = node->childCount() - 1; i >= 0; --i)
                pending.emplace_back(node->child(i), path + u'/');
        }
    }
    RefreshExplorerLists();
}

void THauptOrdner::ListOrdFiles()
{
    THauptForm &f = Form();
    OrdComboBox1->clear();
    f.AlteDateinamen.clear();
    QStringList names;
    const QString folder = AddTrailingBackslash(Arbeitsverzeichnis);
    for (const fs::Entry &e : fs::listFolder(folder))
        if (!e.isFolder && fs::matchesMask(e.name, QStringLiteral("*.ord")) && fs::isRegularFile(folder + e.name))
            names.append(e.name);
    OrdComboBox1->addItems(names);
    OrdComboBox1->setCurrentIndex(names.isEmpty() ? -1 : 0);
}

// ---- Series and empty folders ----

void THauptOrdner::OrdnerSerieErstellenClick()
{
    CreateFolderSeries();
}

void THauptOrdner::DeleteEmptyFoldersClick()
{
    THauptForm &f = Form();
    const TShellTreeView *tree = ActiveExplorer == 2 ? f.ShellTreeView02 : f.ShellTreeView01;
    ListEmptyFolders(AddTrailingBackslash(tree->Path()));
    const QStringList &found = f.AlteDateinamen;
    if (found.isEmpty())
        ReportAndAbort(9090);
    const QString question = QString::number(found.size()) + LoadLangString(9088) + u'\r' + LoadLangString(9089);
    if (MessageDlg(question, mtConfirmation, mbYesNo, 0, LanguageName()) != mrYes)
        Abort();
    {
        const HourglassCursor busy;
        // Deeper folders sort after their parents and go first.
        for (qsizetype i = found.size() - 1; i >= 0; --i)
            if (IsEmptyFolderTree(found[i]))
                desktop::moveToTrash(found[i]);
    }
    RefreshExplorerLists();
}

QString THauptOrdner::FolderSeriesExample() const
{
    QString start = QString::number(OrdStartwertUpDown->Position());
    const QString end = QString::number(OrdEndwertUpDown->Position());
    if (OrdCheckBox1->Checked() && start.size() < end.size())
        start.prepend(QString(end.size() - start.size(), u'0'));
    const QString first = OrdName01->Text(), second = OrdName02->Text();
    return first + start + second + QStringLiteral("...") + first + end + second;
}

void THauptOrdner::ShowFolderSeriesExample()
{
    OrdPanel1->setCaption(FolderSeriesExample());
}

void THauptOrdner::OrdStartwertUpDownClick()
{
    if (OrdStartwertUpDown->Position() > OrdEndwertUpDown->Position())
        OrdEndwertUpDown->setPosition(OrdStartwertUpDown->Position());
    ShowFolderSeriesExample();
}

void THauptOrdner::OrdEndwertUpDownClick()
{
    ShowFolderSeriesExample();
}

void THauptOrdner::OrdName01Change()
{
    ShowFolderSeriesExample();
}

void THauptOrdner::OrdName02Change()
{
    ShowFolderSeriesExample();
}

void THauptOrdner::OrdCheckBox1Click()
{
    ShowFolderSeriesExample();
}

void THauptOrdner::OrdStartwertKeyPress(QChar &Key)
{
    KeepDigitKeys(Key);
}

void THauptOrdner::OrdEndwertKeyPress(QChar &Key)
{
    KeepDigitKeys(Key);
}
