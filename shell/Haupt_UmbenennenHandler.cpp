// Handlers of the rename page: the sub-views, the rule switch and its pages, the key
// filters, the target folder, the preview refresh, the function list and the file list.

#include "shell/Haupt.h"
#include "shell/Haupt_Steuerelemente.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace {

void SetEnabled(std::initializer_list<QWidget *> Controls, bool Enabled)
{
    for (QWidget *c : Controls)
        c->setEnabled(Enabled);
}

void SetVisible(std::initializer_list<QWidget *> Controls, bool Visible)
{
    for (QWidget *c : Controls)
        c->setVisible(Visible);
}

// Chooses Item in Group and runs its click handler also when Item is chosen already.
void ChooseItem(THauptForm &f, TRadioGroup *Group, int Item, void (THauptUmbenennen::*Click)())
{
    if (Group->ItemIndex() == Item)
        (f.*Click)();
    else
        Group->setItemIndex(Item); // runs the handler
}

} // namespace

QString NearestExistingFolder(QString F)
{
    while (F != QLatin1String("/") && !F.isEmpty() && !fs::isFolder(F)) {
        if (F.endsWith(u'/'))
            F.chop(1);
        else
            F.truncate(F.lastIndexOf(u'/') + 1);
    }
    return F.isEmpty() ? QStringLiteral("/") : F;
}

namespace {

// The file list is empty when it is one row without a name.
bool FileListEmpty(const TStringGrid *Grid)
{
    return Grid->RowCount() <= 1 && Grid->Cells(0, 0).isEmpty();
}

// Both columns of the file list, row by row.
struct FileListColumns {
    QStringList Names, Paths;
};

FileListColumns ReadFileList(const TStringGrid *Grid)
{
    FileListColumns c;
    const int rows = Grid->RowCount();
    c.Names.reserve(rows);
    c.Paths.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        c.Names.append(Grid->Cells(0, r));
        c.Paths.append(Grid->Cells(1, r));
    }
    return c;
}

// The file list becomes exactly these rows (at least one, empty when there are none).
void WriteFileList(TStringGrid *Grid, const FileListColumns &c)
{
    const int rows = std::max<int>(1, int(c.Names.size()));
    Grid->setRowCount(rows);
    if (c.Names.isEmpty()) {
        Grid->setCells(0, 0, QString());
        Grid->setCells(1, 0, QString());
        return;
    }
    Grid->setColumn(0, 0, c.Names);
    Grid->setColumn(1, 0, c.Paths);
}

void SwapFileListRows(TStringGrid *Grid, int A, int B)
{
    for (int col = 0; col < 2; ++col) {
        const QString a = Grid->Cells(col, A);
        Grid->setCells(col, A, Grid->Cells(col, B));
        Grid->setCells(col, B, a);
    }
}

} // namespace

// ---- One user action, one preview ----

void THauptUmbenennen::RunAsOneAction(const std::function<void()> &Action)
{
    ++ActionDepth;
    try {
        Action();
    } catch (...) {
        if (--ActionDepth == 0)
            PreviewPending = false;
        throw;
    }
    if (--ActionDepth == 0 && std::exchange(PreviewPending, false))
        RefreshPreview();
}

void THauptUmbenennen::RefreshPreview()
{
    if (ActionDepth > 0) {
        PreviewPending = true;
        return;
    }
    const QWidget *page = Form().PageControl->currentWidget();
    if ((page == TabSheet01 && DatUmbVorschau->Down()) || (page == Form().TabSheet04 && Form().FolderPreviewShown()))
        ShowRenamePreview();
}

void THauptUmbenennen::NeueVorschauNachAenderung()
{
    RefreshPreview();
}

// ---- Sub-views ----

void THauptUmbenennen::DatUmbAnsichtWechsel()
{
    THauptForm &f = Form();
    const QString builtinFilters = BuiltinFilterList.toString() + FilterString;
    const auto previewOff = [this] {
        if (DatUmbVorschau->Down()) {
            DatUmbVorschau->setDown(false);
            Form().DatUmbVorschauClick();
        }
    };
    if (!DatUmbSpeedButton01->Down()) {
        previewOff();
        if (DatUmbDateiListe->Checked())
            DatUmbDateiListe->setChecked(false); // runs DatUmbDateiListeClick
        DatUmbRekursiv->setEnabled(true);
        SetEnabled({DatUmbDateiListe, DatUmbLogisch}, false);
    }
    if (DatUmbSpeedButton01->Down()) {
        DatUmb01->setCurrentIndex(0);
        ChooseItem(f, DatUmbRadioGroup02, 0, &THauptUmbenennen::DatUmbRadioGroup02Click);
        f.SetFilterLists(builtinFilters);
        previewOff();
        f.Mp3SubViewLeft();
        DatUmbRekursiv->setChecked(false);
        DatUmbRekursiv->setEnabled(false);
        SetEnabled({DatUmbDateiListe, DatUmbLogisch}, true);
    }
    if (DatUmbSpeedButton02->Down()) {
        DatUmb01->setCurrentIndex(1);
        f.SetFilterLists(builtinFilters);
        f.Mp3SubViewLeft();
    }
    if (DatUmbSpeedButton03->Down()) {
        DatUmb01->setCurrentIndex(2);
        f.SetFilterLists(QStringLiteral("*.ttf|*.ttf"));
        f.Mp3SubViewLeft();
    }
    const bool mp3 = DatUmbSpeedButton04->Down();
    if (mp3) {
        DatUmb01->setCurrentIndex(3);
        f.SetFilterLists(QStringLiteral("*.mp3;*.mp+|*.mp3;*.mp+"));
        f.Mp3SubViewChosen();
    }
    // The MP3 sub-view hides the View items and buttons and shows the two sort items;
    // the other sub-views the other way round.
    f.HMenuAnsicht->setEnabled(!mp3);
    for (QAction *item : {f.HMenuAnsichtDateiauswahl, f.HMenuAnsichtDragDrop, f.HMenuAnsichtDateiAttribute,
                          f.HMenuAnsichtOrdnerFuell, f.HMenuAnsichtVorschau, f.HMenuAnsichtThumbs}) {
        item->setEnabled(!mp3);
        item->setVisible(!mp3);
    }
    for (QToolButton *button : {f.TB01Dateiauswahl, f.TB01DragDrop, f.TB01DateiAttribute, f.TB01OrdnerFuell,
                                f.TB01Vorschau, f.TB01Thumbs}) {
        button->setEnabled(!mp3);
        f.SetToolButtonVisible(button, !mp3);
    }
    for (QAction *item : {static_cast<QAction *>(f.HMenuAktionenSortieren), static_cast<QAction *>(f.PM01Sortieren)}) {
        item->setEnabled(mp3);
        item->setVisible(mp3);
    }
}

// ---- Rule switch and the rule pages ----

void THauptUmbenennen::DatUmbRadioGroup02Click()
{
    const int rule = DatUmbRadioGroup02->ItemIndex();
    if (rule < 0)
        return;
    if (rule <= 2) {
        DatUmb01a->setCurrentIndex(0);
        DatUmbRekursiv->setChecked(false);
        DatUmbRekursiv->setEnabled(false);
        DatUmbLogisch->setEnabled(rule != 2);
        const bool number = rule == 0;
        const bool letters = rule == 1;
        const bool places = rule != 2;
        SetEnabled({DatUmbLabel03, DatUmbEdit02, UpDownStellenanzahl01}, places);
        SetEnabled({DatUmbLabel04, DatUmbEdit03, UpDownStartwert01, DatUmbSB01, DatUmbSB02}, number);
        SetEnabled({DatUmbLabel05, DatUmbEdit04}, letters);
        if (rule == 2) {
            DatUmbRadioGroup04->hide();
            DatUmbRadioGroup05->setItemIndex(0);
            DatUmbRadioGroup05->show();
        } else {
            DatUmbRadioGroup04->setItemIndex(0);
            DatUmbRadioGroup04->show();
            DatUmbRadioGroup05->hide();
        }
        DatUmbEdit01->setFocus();
    } else {
        DatUmb01a->setCurrentIndex(rule - 1);
        DatUmbRekursiv->setEnabled(rule != 5);
        DatUmbLogisch->setEnabled(false);
        if (rule == 3) {
            DatUmbEdit05->setText(QString());
            DatUmbEdit06->setText(QString());
        }
    }
    RefreshPreview();
}

void THauptUmbenennen::DatUmbSB01Click()
{
    UpDownStartwert01->setPosition(Startwert);
}

void THauptUmbenennen::DatUmbSB02Click()
{
    UpDownStartwert01->setPosition(int(std::min<qint64>(qint64(LastIndexValue) + 1, std::numeric_limits<int>::max())));
}

void THauptUmbenennen::DatUmbSB03Click()
{
    DatUmb01a->setCurrentIndex(1);
}

void THauptUmbenennen::DatUmbSB04Click()
{
    DatUmb01a->setCurrentIndex(0);
}

void THauptUmbenennen::DatUmbRadioGroup05Click()
{
    // The addition's mode; the group is reset with the others when the texts change,
    // and must not take the number index's fields away then.
    if (DatUmbRadioGroup02->ItemIndex() == 2)
        SetEnabled({DatUmbLabel03, DatUmbEdit02, UpDownStellenanzahl01, DatUmbLabel04, DatUmbEdit03,
                    UpDownStartwert01, DatUmbSB01, DatUmbSB02},
                   DatUmbRadioGroup05->ItemIndex() == 1);
    RefreshPreview();
}

void THauptUmbenennen::DatUmbRadioGroup11Click()
{
    DatUmbRadioGroup12->setVisible(DatUmbRadioGroup11->ItemIndex() == 1);
    RefreshPreview();
}

void THauptUmbenennen::DatUmbAlleEndungenClick()
{
    SetEnabled({DatUmbLabel13, DatUmbComboBox01}, !DatUmbAlleEndungen->Checked());
    RefreshPreview();
}

void THauptUmbenennen::RGDatumZeit01Click()
{
    SetVisible({DZLabel01, DZLabel02, MaskEdit01, MaskEdit02}, RGDatumZeit01->ItemIndex() == 1);
    RefreshPreview();
}

// ---- Key filters ----

void THauptUmbenennen::DatUmbEdit01KeyPress(QChar &Key)
{
    if (SpecialCharacters.contains(Key))
        Key = QChar();
}

void THauptUmbenennen::DatUmbEdit03KeyPress(QChar &Key)
{
    KeepDigitKeys(Key);
}

// ---- Target folder ----

void THauptUmbenennen::DatUmbZielverzeichnisClick()
{
    QString F = DatUmbZielverzeichnis->Text();
    if (!F.isEmpty() && !IsDriveReady(F)) {
        DatUmbZielverzeichnis->setText(HomeFolder());
        return;
    }
    if (!F.isEmpty() && !fs::isFolder(F))
        F = NearestExistingFolder(F);
    // Abort leaves F as the dialog was opened on: a missing folder gives way to its
    // nearest existing parent.
    SelectDirectory(F, LoadLangString(9100), LoadLangString(9101), LanguageName());
    DatUmbZielverzeichnis->setText(F);
}

// ---- Function list ----

void THauptUmbenennen::UmbFktEinfuegen()
{
    const QString command = FktListBox02.value(FktListBox01->currentRow());
    if (!command.startsWith(u':'))
        return; // a heading
    QString text = UmbenennungsFunktion->Text();
    if (text.endsWith(u'>'))
        text.chop(1);
    UmbenennungsFunktion->setText(text + command + u'>');
}

// ---- Plug-in description ----

void THauptUmbenennen::DatUmbBitBtn01Click()
{
    if (const std::optional<QString> description = PluginDescription())
        DatUmbMemo01->setPlainText(*description);
}

// ---- File list ----

void THauptUmbenennen::DLSpeedButton01Click()
{
    if (Form().DLStringGrid->RowCount() > 1)
        SortFileList();
}

void THauptUmbenennen::SortFileList()
{
    SortFileListRows(0, Form().DLStringGrid->RowCount() - 1);
}

void THauptUmbenennen::SortFileListRows(int L, int R)
{
    TStringGrid *grid = Form().DLStringGrid;
    if (L < 0 || R >= grid->RowCount() || L >= R)
        return;
    FileListColumns c = ReadFileList(grid);
    std::vector<std::int32_t> keys(size_t(R) + 1);
    for (int r = L; r <= R; ++r)
        keys[size_t(r)] = NumberInFileName(c.Names[r]);
    SortByNumberKeys(keys, L, R, [&c](int i, int j) {
        c.Names.swapItemsAt(i, j);
        c.Paths.swapItemsAt(i, j);
    });
    WriteFileList(grid, c);
}

void THauptUmbenennen::DLSpeedButton02Click()
{
    TStringGrid *grid = Form().DLStringGrid;
    TShellListView *list = Form().ShellListView02;
    FileListColumns c;
    if (!FileListEmpty(grid))
        c = ReadFileList(grid);
    QSet<QString> listed(c.Paths.cbegin(), c.Paths.cend());
    const qsizetype before = c.Names.size();
    for (int row : list->SelectedRows()) {
        const TShellFolder item = list->Folders(row);
        // Folders, files without an extension (no "." in the name) and paths already
        // listed are left out.
        if (item.IsFolder || !item.Name.contains(u'.') || listed.contains(item.PathName))
            continue;
        listed.insert(item.PathName);
        c.Names.append(item.Name);
        c.Paths.append(item.PathName);
    }
    if (c.Names.size() > before)
        WriteFileList(grid, c);
}

void THauptUmbenennen::DLBitBtn1Click()
{
    WriteFileList(Form().DLStringGrid, {});
}

void THauptUmbenennen::DLBitBtn2Click()
{
    TStringGrid *grid = Form().DLStringGrid;
    const int r = grid->Row();
    if (r > 0) {
        SwapFileListRows(grid, r - 1, r);
        grid->selectRow(r - 1);
    }
}

void THauptUmbenennen::DLBitBtn3Click()
{
    TStringGrid *grid = Form().DLStringGrid;
    const int r = grid->Row();
    if (r >= 0 && r < grid->RowCount() - 1) {
        SwapFileListRows(grid, r, r + 1);
        grid->selectRow(r + 1);
    }
}

void THauptUmbenennen::FileListFollowMoves(const QStringList &Moves)
{
    TStringGrid *grid = Form().DLStringGrid;
    const qsizetype pairs = Moves.size() / 2;
    if (pairs == 0 || FileListEmpty(grid))
        return;
    // The first pair that moves a path, and for each pair the next one that moves the
    // same path again (a path freed by one pair may be taken by a later one).
    QHash<QString, qsizetype> firstMove;
    firstMove.reserve(pairs);
    std::vector<qsizetype> nextMove(size_t(pairs), -1);
    for (qsizetype i = pairs - 1; i >= 0; --i) {
        auto it = firstMove.find(Moves[2 * i]);
        if (it == firstMove.end()) {
            firstMove.insert(Moves[2 * i], i);
        } else {
            nextMove[size_t(i)] = *it;
            *it = i;
        }
    }
    FileListColumns c = ReadFileList(grid);
    bool moved = false;
    for (qsizetype r = 0; r < c.Paths.size(); ++r) {
        // The row's file goes each move on from the path the last one left it at.
        qsizetype last = -1;
        QString path = c.Paths[r];
        for (auto it = firstMove.constFind(path); it != firstMove.constEnd(); it = firstMove.constFind(path)) {
            qsizetype j = *it;
            while (j >= 0 && j <= last)
                j = nextMove[size_t(j)];
            if (j < 0)
                break;
            last = j;
            path = Moves[2 * j + 1];
        }
        if (last >= 0) {
            c.Names[r] = fs::nameOf(path);
            c.Paths[r] = path;
            moved = true;
        }
    }
    if (moved)
        WriteFileList(grid, c);
}

void THauptUmbenennen::DLBitBtn4Click()
{
    TStringGrid *grid = Form().DLStringGrid;
    const int r = grid->Row();
    // Nothing to delete: an empty list, or no entry chosen.
    if (FileListEmpty(grid) || r < 0)
        return;
    if (MessageDlg(LoadLangString(9066), mtConfirmation, mbYesNo, 0, LanguageName()) != mrYes)
        return;
    FileListColumns c = ReadFileList(grid);
    c.Names.removeAt(r);
    c.Paths.removeAt(r);
    WriteFileList(grid, c);
    if (grid->RowCount() > 0)
        grid->selectRow(std::min(r, grid->RowCount() - 1));
}
