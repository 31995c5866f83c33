// The rename page of the main window: the rule switch and its pages, one preview per
// user action, the start-value buttons, the key filters, the target folder, the
// function list, the sub-views' filters and the file list with its buttons.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/Abort.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class RenamePage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + u'/';
        Sprache = 0;
        LanguageIndex = 0;
        FilterString.clear();
        LastIndexValue = 0;
        f = &window_.Create();
    }

    void MakeFiles(const QString &folder, const QStringList &names)
    {
        ASSERT_TRUE(fs::createFolders(folder));
        for (const QString &name : names) {
            if (name.endsWith(u'/'))
                ASSERT_TRUE(fs::createFolders(folder + name));
            else
                ASSERT_TRUE(fs::writeFileAtomic(folder + name, name.toUtf8()));
        }
    }

    // Picks Rule as the user does, by its radio button.
    void ChooseRule(int rule)
    {
        auto *button = f->DatUmbRadioGroup02->findChild<QRadioButton *>(QStringLiteral("DatUmbRadioGroup02_%1").arg(rule));
        ASSERT_NE(button, nullptr);
        button->click();
    }

    static QStringList Column(const TStringGrid *grid, int col)
    {
        QStringList cells;
        for (int r = 0; r < grid->RowCount(); ++r)
            cells << grid->Cells(col, r);
        return cells;
    }

    // The right list shows Folder with every entry selected.
    void SelectAllRight(const QString &folder)
    {
        f->ShellListView02->setRoot(folder);
        f->ShellListView02->SelectAll();
    }

    QTemporaryDir dir_;
    QString Root;
    ScriptedModals modals; // an unexpected box fails the test instead of waiting
    MainWindowFixture window_;
    THauptForm *f = nullptr;
};

TEST_F(RenamePage, RuleSwitchTable)
{
    struct Case {
        int rule;
        int page;
        bool recursiveEnabled, recursiveChecked, logical;
        bool places, start, letters; // with their labels, up-downs and the start buttons
        bool group04, group05;
    } const cases[] = {
        {0, 0, false, false, true, true, true, false, true, false},
        {1, 0, false, false, true, true, false, true, true, false},
        {2, 0, false, false, false, false, false, false, false, true},
        {3, 2, true, true, false, true, true, false, true, false},
        {4, 3, true, true, false, true, true, false, true, false},
        {5, 4, false, true, false, true, true, false, true, false},
        {6, 5, true, true, false, true, true, false, true, false},
        {9, 8, true, true, false, true, true, false, true, false},
        {10, 9, true, true, false, true, true, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rule);
        // From rule 0 with the recursive box checked where a text rule allows it.
        ChooseRule(0);
        ChooseRule(3);
        f->DatUmbRekursiv->setChecked(true);
        f->DatUmbEdit05->setText(QStringLiteral("alt"));
        f->DatUmbEdit06->setText(QStringLiteral("neu"));
        if (c.rule != 3)
            ChooseRule(c.rule);
        else {
            ChooseRule(4);
            ChooseRule(3);
        }
        EXPECT_EQ(f->DatUmb01a->currentIndex(), c.page);
        EXPECT_EQ(f->DatUmbRekursiv->isEnabled(), c.recursiveEnabled);
        EXPECT_EQ(f->DatUmbRekursiv->Checked(), c.recursiveChecked);
        EXPECT_EQ(f->DatUmbLogisch->isEnabled(), c.logical);
        if (c.rule == 3) { // both texts emptied
            EXPECT_EQ(f->DatUmbEdit05->Text(), QString());
            EXPECT_EQ(f->DatUmbEdit06->Text(), QString());
        }
        if (c.page != 0)
            continue;
        EXPECT_EQ(f->DatUmbEdit02->isEnabled(), c.places);
        EXPECT_EQ(f->DatUmbLabel03->isEnabled(), c.places);
        EXPECT_EQ(f->UpDownStellenanzahl01->isEnabled(), c.places);
        for (QWidget *w : {static_cast<QWidget *>(f->DatUmbEdit03), static_cast<QWidget *>(f->DatUmbLabel04),
                           static_cast<QWidget *>(f->UpDownStartwert01), static_cast<QWidget *>(f->DatUmbSB01),
                           static_cast<QWidget *>(f->DatUmbSB02)})
            EXPECT_EQ(w->isEnabled(), c.start) << Str(w->objectName());
        EXPECT_EQ(f->DatUmbEdit04->isEnabled(), c.letters);
        EXPECT_EQ(f->DatUmbLabel05->isEnabled(), c.letters);
        EXPECT_EQ(f->DatUmbRadioGroup04->isHidden(), !c.group04);
        EXPECT_EQ(f->DatUmbRadioGroup05->isHidden(), !c.group05);
        EXPECT_EQ(f->DatUmbRadioGroup05->ItemIndex(), 0);
        EXPECT_EQ(f->DatUmbRadioGroup04->ItemIndex(), 0);
    }
}

TEST_F(RenamePage, RulePageHandlers)
{
    ChooseRule(2);
    f->DatUmbRadioGroup05->setItemIndex(1); // number + existing name
    EXPECT_TRUE(f->DatUmbEdit02->isEnabled());
    EXPECT_TRUE(f->DatUmbEdit03->isEnabled());
    EXPECT_TRUE(f->DatUmbSB02->isEnabled());
    EXPECT_FALSE(f->DatUmbEdit04->isEnabled());
    f->DatUmbRadioGroup05->setItemIndex(0);
    EXPECT_FALSE(f->DatUmbEdit03->isEnabled());
    // The group reset under another rule leaves that rule's fields alone.
    ChooseRule(0);
    f->DatUmbRadioGroup05->setItemIndex(1);
    f->DatUmbRadioGroup05->setItemIndex(0);
    EXPECT_TRUE(f->DatUmbEdit03->isEnabled());

    f->DatUmbSB03->click();
    EXPECT_EQ(f->DatUmb01a->currentIndex(), 1);
    f->DatUmbSB04->click();
    EXPECT_EQ(f->DatUmb01a->currentIndex(), 0);

    EXPECT_TRUE(f->DatUmbRadioGroup12->isHidden());
    f->DatUmbRadioGroup11->setItemIndex(1);
    EXPECT_FALSE(f->DatUmbRadioGroup12->isHidden());
    f->DatUmbRadioGroup11->setItemIndex(2);
    EXPECT_TRUE(f->DatUmbRadioGroup12->isHidden());

    f->DatUmbAlleEndungen->setChecked(true);
    EXPECT_FALSE(f->DatUmbComboBox01->isEnabled());
    EXPECT_FALSE(f->DatUmbLabel13->isEnabled());
    f->DatUmbAlleEndungen->setChecked(false);
    EXPECT_TRUE(f->DatUmbComboBox01->isEnabled());

    for (QWidget *w : {static_cast<QWidget *>(f->DZLabel01), static_cast<QWidget *>(f->MaskEdit02)})
        EXPECT_TRUE(w->isHidden());
    f->RGDatumZeit01->setItemIndex(1);
    for (QWidget *w : {static_cast<QWidget *>(f->DZLabel01), static_cast<QWidget *>(f->DZLabel02),
                       static_cast<QWidget *>(f->MaskEdit01), static_cast<QWidget *>(f->MaskEdit02)})
        EXPECT_FALSE(w->isHidden()) << Str(w->objectName());
}

// With the preview on and nothing selected, every refresh fails (9000, 9052): one user
// action refreshes once, however many handlers it sets off, and opens no box; its
// message shows in the preview page's line. Each refresh that fails resets the grid once.
TEST_F(RenamePage, OneActionRefreshesThePreviewOnce)
{
    const QString empty = Root + "empty/";
    MakeFiles(empty, {});
    ASSERT_TRUE(f->ShellTreeView01->setPath(empty));
    ActiveExplorer = 1;
    f->DatUmbVorschau->setDown(true);
    int refreshes = 0;
    QObject::connect(f->VorschauStringGrid01->model(), &QAbstractItemModel::modelReset, f, [&] { ++refreshes; });
    const auto clickRadio = [this](TRadioGroup *group, int item) {
        group->findChild<QRadioButton *>(group->objectName() + QStringLiteral("_%1").arg(item))->click();
    };
    struct Step {
        const char *what;
        std::function<void()> act;
        int actions = 1;
        int message = 9000;
    } const steps[] = {
        {"rule 2 (two groups reset)", [&] { ChooseRule(2); }},
        {"rule 3 (both texts emptied)", [&] {
             for (TEdit *edit : {f->DatUmbEdit05, f->DatUmbEdit06}) {
                 const QSignalBlocker quiet(edit);
                 edit->setText("a");
             }
             ChooseRule(3);
         }},
        {"target mode", [&] { clickRadio(f->DatUmbRadioGroup01, 2); }},
        {"target folder chosen (the dialog, then the preview)", [&] {
             {
                 const QSignalBlocker quiet(f->DatUmbZielverzeichnis);
                 f->DatUmbZielverzeichnis->setText(empty);
             }
             modals.answer(mrOk);
             QTest::mouseClick(f->DatUmbZielverzeichnis, Qt::LeftButton);
         }},
        {"recursive box (empty tree folder)", [&] { f->DatUmbRekursiv->click(); }, 1, 9052},
        {"typed replacement", [&] { QTest::keyClick(f->DatUmbEdit06, Qt::Key_X); }, 1, 9052},
        {"case group", [&] { clickRadio(f->DatUmbRadioGroup08, 1); }, 1, 9052},
        {"rule 0 and the logical sort", [&] {
             ChooseRule(0);
             f->DatUmbLogisch->click();
         }, 2},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        refreshes = 0;
        f->VorschauLabel01->clear();
        s.act();
        EXPECT_EQ(refreshes, s.actions);
        EXPECT_EQ(f->VorschauLabel01->text(), LoadLangString(s.message));
        EXPECT_EQ(f->VorschauStringGrid01->RowCount(), 1);
        EXPECT_EQ(modals.pending(), 0u);
    }
    EXPECT_EQ(modals.shown().size(), 1u); // the folder dialog alone
    // The preview off: no refresh runs.
    f->DatUmbVorschau->setDown(false);
    refreshes = 0;
    ChooseRule(4);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(RenamePage, StartValueButtons)
{
    const QString folder = Root + "bilder/";
    MakeFiles(folder, {"x.jpg", "y.jpg", "z.jpg"});
    ASSERT_TRUE(f->ShellTreeView01->setPath(folder));
    f->ShellListView01->SelectAll();
    ActiveExplorer = 1;
    ChooseRule(0);
    f->DatUmbEdit01->setText(QStringLiteral("Bild"));
    f->UpDownStellenanzahl01->setPosition(2);
    f->DatUmbEdit03->setText(QStringLiteral("39"));
    f->DatUmbVorschau->setDown(true);
    f->NeueVorschauNachAenderung(); // the preview numbers 39, 40, 41
    ASSERT_EQ(f->VorschauStringGrid01->Cells(1, 3), QStringLiteral("Bild41.jpg"));
    ASSERT_EQ(LastIndexValue, 41);
    f->DatUmbSB02->click();
    EXPECT_EQ(f->DatUmbEdit03->Text(), QStringLiteral("42"));
    EXPECT_EQ(f->UpDownStartwert01->Position(), 42);
    EXPECT_EQ(f->VorschauStringGrid01->Cells(1, 1), QStringLiteral("Bild42.jpg")); // the preview followed

    f->DatUmbVorschau->setDown(false);
    Startwert = 7;
    f->DatUmbSB01->click();
    EXPECT_EQ(f->DatUmbEdit03->Text(), QStringLiteral("7"));
    LastIndexValue = 40000; // beyond the up-down
    f->DatUmbSB02->click();
    EXPECT_EQ(f->DatUmbEdit03->Text(), QStringLiteral("32767"));
    Startwert = 0;
}

TEST_F(RenamePage, KeyFilters)
{
    f->DatUmbEdit01->clear();
    QTest::keyClicks(f->DatUmbEdit01, QStringLiteral(":a?1/-|."));
    EXPECT_EQ(f->DatUmbEdit01->Text(), QStringLiteral("a1-."));

    f->DatUmbEdit03->clear();
    QTest::keyClicks(f->DatUmbEdit03, QStringLiteral("1x2 -3a"));
    EXPECT_EQ(f->DatUmbEdit03->Text(), QStringLiteral("123"));
    QTest::keyClick(f->DatUmbEdit03, Qt::Key_Backspace);
    EXPECT_EQ(f->DatUmbEdit03->Text(), QStringLiteral("12"));
}

TEST_F(RenamePage, TargetFolder)
{
    const QString existing = Root + "ziel";
    MakeFiles(existing + "/", {});
    const QString gone = existing + "/weg/auch weg";
    struct Case {
        const char *what;
        int answer;
        QString expected;
    } const cases[] = {
        {"No empties the field", mrNo, QString()},
        {"Abort takes the nearest existing folder", mrAbort, existing + u'/'},
        {"OK takes the folder shown", mrOk, existing},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        f->DatUmbZielverzeichnis->setText(gone);
        QString opened;
        modals.answerWith([&](QDialog &dialog, const ModalRecord &) {
            opened = static_cast<TSelectDirDlg &>(dialog).GetDialogDirectory();
            return c.answer;
        });
        QTest::mouseClick(f->DatUmbZielverzeichnis, Qt::LeftButton);
        ASSERT_EQ(modals.pending(), 0u);
        EXPECT_EQ(opened, existing);
        EXPECT_EQ(modals.shown().back().kind, QStringLiteral("SelectDirectory"));
        EXPECT_EQ(modals.shown().back().caption, QStringLiteral("Verzeichnis auswählen"));
        EXPECT_EQ(f->DatUmbZielverzeichnis->Text(), c.expected);
    }
    // A path on no file system that answers: the home folder, without a dialog.
    const size_t shown = modals.shown().size();
    f->DatUmbZielverzeichnis->setText(QStringLiteral("kein/Pfad"));
    QTest::mouseClick(f->DatUmbZielverzeichnis, Qt::LeftButton);
    EXPECT_EQ(f->DatUmbZielverzeichnis->Text(), HomeFolder());
    EXPECT_TRUE(HomeFolder().endsWith(u'/'));
    EXPECT_EQ(modals.shown().size(), shown);
    // The search for the nearest folder ends at the root.
    EXPECT_EQ(NearestExistingFolder(QStringLiteral("/gibt es nicht/a/b/")), QStringLiteral("/"));
}

TEST_F(RenamePage, FunctionList)
{
    QListWidget *list = f->FktListBox01;
    ASSERT_EQ(list->count(), 11);
    ASSERT_EQ(f->FktListBox02.size(), 11);
    EXPECT_EQ(f->UmbenennungsFunktion->Text(), QStringLiteral("<N>"));
    f->DatUmbSpeedButton02->click();
    ASSERT_EQ(f->DatUmb01->currentIndex(), 1);
    QCoreApplication::processEvents();
    const auto doubleClick = [list](int row) {
        list->setCurrentRow(row);
        emit list->itemDoubleClicked(list->item(row));
    };
    struct Case {
        QString before;
        int row;
        QString after;
    } const cases[] = {
        {"<N>", 1, "<N:ZSAx>"},
        {"<N:LFA", 1, "<N:LFA:ZSAx>"},
        {"<N:SZU>", 10, "<N:SZU:LVZ?>"},
        {"<N>", 0, "<N>"},  // headings insert nothing
        {"<N>", 7, "<N>"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Str(c.before) + " row " + std::to_string(c.row));
        f->UmbenennungsFunktion->setText(c.before);
        doubleClick(c.row);
        EXPECT_EQ(f->UmbenennungsFunktion->Text(), c.after);
    }
}

TEST_F(RenamePage, SubViewFilters)
{
    const QString folder = Root + "fonts/";
    MakeFiles(folder, {"a.ttf", "b.TTF", "c.txt", "d.mp3", "sub/"});
    ASSERT_TRUE(f->ShellTreeView01->setPath(folder));
    f->ShellListView02->setRoot(folder);
    FilterString = QStringLiteral("|*.eigen|*.eigen|");
    const auto shownFilters = [](const QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    const auto listed = [](const TShellListView *list) {
        QStringList names;
        for (int i = 0; i < list->Count(); ++i)
            names << list->Folders(i).Name;
        return names;
    };
    const QStringList builtin = {"*.*", "*.bak", "*.doc", "*.exe", "*.gif", "*.htm;*.html", "*.jpg;*.jpeg",
                                 "*.mp3;*.mp+", "*.mpg;*.mpeg", "*.pas", "*.res", "*.tmp", "*.txt", "*.vqf",
                                 "*.zip"};
    // Each sub-view's filter in both boxes, chosen, and both lists showing what it matches.
    const struct {
        TSpeedButton *button;
        int page;
        QStringList filters, names;
    } views[] = {
        {f->DatUmbSpeedButton03, 2, {"*.ttf"}, {"sub", "a.ttf", "b.TTF"}},
        {f->DatUmbSpeedButton02, 1, builtin + QStringList{"*.eigen"}, {"sub", "a.ttf", "b.TTF", "c.txt", "d.mp3"}},
        {f->DatUmbSpeedButton04, 3, {"*.mp3;*.mp+"}, {"sub", "d.mp3"}},
        {f->DatUmbSpeedButton03, 2, {"*.ttf"}, {"sub", "a.ttf", "b.TTF"}},
        {f->DatUmbSpeedButton01, 0, builtin + QStringList{"*.eigen"}, {"sub", "a.ttf", "b.TTF", "c.txt", "d.mp3"}},
    };
    for (const auto &v : views) {
        SCOPED_TRACE(Str(v.button->objectName()));
        v.button->click();
        EXPECT_EQ(f->DatUmb01->currentIndex(), v.page);
        for (QComboBox *box : {f->FilterComboBox01, f->FilterComboBox02}) {
            EXPECT_EQ(shownFilters(box), v.filters);
            EXPECT_EQ(box->currentIndex(), 0);
        }
        EXPECT_EQ(listed(f->ShellListView01), v.names);
        EXPECT_EQ(listed(f->ShellListView02), v.names);
        if (v.page != 0) {
            EXPECT_TRUE(f->DatUmbRekursiv->isEnabled());
            EXPECT_FALSE(f->DatUmbDateiListe->isEnabled());
        }
    }
    EXPECT_FALSE(f->DatUmbRekursiv->isEnabled());
    EXPECT_TRUE(f->DatUmbDateiListe->isEnabled());
    EXPECT_TRUE(f->DatUmbLogisch->isEnabled());
}

// The MP3 sub-view shows the tag editor (view 7) in place of the View items and buttons
// and brings the sort items; "Allgemein" goes back to the view before and rule 0.
TEST_F(RenamePage, Mp3SubViewAndBack)
{
    const std::vector<QAction *> viewItems = {f->HMenuAnsichtDateiauswahl, f->HMenuAnsichtDragDrop,
                                              f->HMenuAnsichtDateiAttribute, f->HMenuAnsichtOrdnerFuell,
                                              f->HMenuAnsichtVorschau, f->HMenuAnsichtThumbs};
    const std::vector<QWidget *> viewButtons = {f->TB01Dateiauswahl, f->TB01DragDrop, f->TB01DateiAttribute,
                                                f->TB01OrdnerFuell, f->TB01Vorschau, f->TB01Thumbs};
    const std::vector<QAction *> sortItems = {f->HMenuAktionenSortieren, f->PM01Sortieren};
    const auto expectMp3Items = [&](bool mp3) {
        EXPECT_EQ(f->HMenuAnsicht->isEnabled(), !mp3);
        for (QAction *item : viewItems) {
            EXPECT_EQ(item->isEnabled(), !mp3) << Str(item->objectName());
            EXPECT_EQ(item->isVisible(), !mp3) << Str(item->objectName());
        }
        // The tool bar lays its buttons out again (as on any resize) before they are seen.
        f->ToolBar->resize(f->ToolBar->width() - 1, f->ToolBar->height());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        for (QWidget *button : viewButtons) {
            EXPECT_EQ(button->isEnabled(), !mp3) << Str(button->objectName());
            EXPECT_EQ(button->isVisible(), !mp3) << Str(button->objectName());
        }
        for (QAction *item : sortItems) {
            EXPECT_EQ(item->isEnabled(), mp3) << Str(item->objectName());
            EXPECT_EQ(item->isVisible(), mp3) << Str(item->objectName());
        }
    };
    f->show();
    f->HMenuAnsichtDateiAttribute->trigger();
    ASSERT_EQ(ViewMode, 3);
    ChooseRule(5);
    ASSERT_EQ(f->DatUmb01a->currentIndex(), 4);

    for (int time = 0; time < 2; ++time) { // a second choice keeps the view to go back to
        f->DatUmbSpeedButton04->click();
        EXPECT_TRUE(f->DatUmbSpeedButton04->Down());
        EXPECT_EQ(ViewMode, 7);
        EXPECT_EQ(f->DatUmb01->currentIndex(), 3);
        expectMp3Items(true);
    }
    f->DatUmbSpeedButton01->click();
    EXPECT_EQ(ViewMode, 3);
    EXPECT_EQ(f->DatUmb01->currentIndex(), 0);
    EXPECT_EQ(f->DatUmbRadioGroup02->ItemIndex(), 0);
    EXPECT_EQ(f->DatUmb01a->currentIndex(), 0);
    expectMp3Items(false);
}

// The page control is tall enough for the rename page's texts in either language.
TEST_F(RenamePage, PageControlFitsTheTexts)
{
    f->setWindowState(Qt::WindowNoState);
    f->resize(800, 565);
    f->show();
    for (int language : {0, 10000}) {
        Sprache = language;
        ApplyLanguageCaptions();
        QCoreApplication::processEvents();
        EXPECT_GE(f->PageControl->height(), f->PageControl->minimumSizeHint().height()) << language;
        for (QWidget *w : std::initializer_list<QWidget *>{f->DatUmbRadioGroup02, f->DatUmbVorschau})
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << Str(w->objectName()) << " " << language;
    }
    Sprache = 0;
    // The file list and the preview beside it (modes 5 and 6) make the window grow
    // rather than push the page control under the status bar.
    f->DatUmbDateiListe->click();
    modals.answer(mrOk); // the empty file list gives the preview nothing to show
    f->DatUmbVorschau->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(ViewMode, 6);
    EXPECT_LE(f->PageControl->mapTo(f, QPoint(0, f->PageControl->height())).y(), f->HauptStatusBar->y());
    EXPECT_GE(f->PageControl->height(), f->PageControl->minimumSizeHint().height());
}

TEST_F(RenamePage, FileListAddsFilesOnce)
{
    const QString folder = Root + "rechts/";
    MakeFiles(folder, {"a.txt", "b.jpg", "ohne", "a.b/", "ordner/"});
    TStringGrid *grid = f->DLStringGrid;
    ASSERT_EQ(grid->RowCount(), 1);
    SelectAllRight(folder);
    ASSERT_EQ(f->ShellListView02->SelCount(), 5);
    f->DLSpeedButton02->click();
    EXPECT_EQ(Column(grid, 0), QStringList({"a.txt", "b.jpg"}));
    EXPECT_EQ(Column(grid, 1), QStringList({folder + "a.txt", folder + "b.jpg"}));
    f->DLSpeedButton02->click();
    EXPECT_EQ(grid->RowCount(), 2);
    // New files go after the old rows.
    MakeFiles(folder, {"c.png"});
    SelectAllRight(folder);
    f->DLSpeedButton02->click();
    EXPECT_EQ(Column(grid, 0), QStringList({"a.txt", "b.jpg", "c.png"}));
    f->DLBitBtn1->click();
    EXPECT_EQ(Column(grid, 0), QStringList({""}));
    EXPECT_EQ(Column(grid, 1), QStringList({""}));
}

TEST_F(RenamePage, FileListSortMoveAndDelete)
{
    TStringGrid *grid = f->DLStringGrid;
    grid->setColumn(0, 0, {"a100.txt", "a9.txt", "b.txt", "a10.txt"});
    grid->setColumn(1, 0, {"/p/a100.txt", "/p/a9.txt", "/p/b.txt", "/p/a10.txt"});
    f->DLSpeedButton01->click();
    EXPECT_EQ(Column(grid, 0), QStringList({"b.txt", "a9.txt", "a10.txt", "a100.txt"}));
    EXPECT_EQ(Column(grid, 1), QStringList({"/p/b.txt", "/p/a9.txt", "/p/a10.txt", "/p/a100.txt"}));

    grid->selectRow(0);
    f->DLBitBtn2->click(); // already at the top
    f->DLBitBtn3->click();
    EXPECT_EQ(Column(grid, 1), QStringList({"/p/a9.txt", "/p/b.txt", "/p/a10.txt", "/p/a100.txt"}));
    EXPECT_EQ(grid->Row(), 1);
    f->DLBitBtn2->click();
    EXPECT_EQ(Column(grid, 0), QStringList({"b.txt", "a9.txt", "a10.txt", "a100.txt"}));
    EXPECT_EQ(grid->Row(), 0);

    grid->selectRow(1);
    modals.answer(mrNo);
    f->DLBitBtn4->click();
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].text, QStringLiteral("Möchten Sie den Eintrag wirklich löschen ?"));
    EXPECT_EQ(grid->RowCount(), 4);
    modals.answer(mrYes);
    f->DLBitBtn4->click();
    EXPECT_EQ(Column(grid, 1), QStringList({"/p/b.txt", "/p/a10.txt", "/p/a100.txt"}));

    f->DLBitBtn1->click();
    grid->setColumn(0, 0, {"x.txt"});
    grid->setColumn(1, 0, {"/p/x.txt"});
    grid->selectRow(0);
    modals.answer(mrYes);
    f->DLBitBtn4->click();
    EXPECT_EQ(Column(grid, 0), QStringList({""}));
    f->DLBitBtn4->click(); // empty: no question
    EXPECT_EQ(modals.shown().size(), 3u);

    modals.answer(mrOk);
    QString folder;
    EXPECT_THROW(CollectFileListFiles(folder), EAbort);
    EXPECT_EQ(modals.shown().back().text, LoadLangString(9052));
}

// The rows follow the moves one after the other: a name freed by one move and taken by
// a later one, a file moved twice, a swap through a third name; rows no move touches,
// and moves of paths not listed, change nothing.
TEST_F(RenamePage, FileListFollowsMovesInTheirOrder)
{
    TStringGrid *grid = f->DLStringGrid;
    const struct {
        QStringList paths, moves, expected;
    } cases[] = {
        {{"/p/1.jpg", "/p/2.jpg"}, {"/p/2.jpg", "/p/3.jpg", "/p/1.jpg", "/p/2.jpg"}, {"/p/2.jpg", "/p/3.jpg"}},
        {{"/p/a.txt"}, {"/p/a.txt", "/q/a.txt", "/q/a.txt", "/q/b.txt"}, {"/q/b.txt"}},
        {{"/p/a", "/p/b"}, {"/p/a", "/p/t", "/p/b", "/p/a", "/p/t", "/p/b"}, {"/p/b", "/p/a"}},
        {{"/p/a.txt", "/p/b.txt"}, {"/p/c.txt", "/p/d.txt", "/p/a.txt"}, {"/p/a.txt", "/p/b.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Str(c.moves.join(u' ')));
        grid->setRowCount(int(c.paths.size()));
        grid->setColumn(0, 0, QStringList(c.paths.size(), QStringLiteral("alt")));
        grid->setColumn(1, 0, c.paths);
        f->FileListFollowMoves(c.moves);
        EXPECT_EQ(Str(Column(grid, 1).join(u' ')), Str(c.expected.join(u' ')));
        QStringList names; // a row that moved takes the name of its new path
        for (qsizetype i = 0; i < c.expected.size(); ++i)
            names << (c.expected[i] == c.paths[i] ? QStringLiteral("alt") : c.expected[i].mid(3));
        EXPECT_EQ(Str(Column(grid, 0).join(u' ')), Str(names.join(u' ')));
    }
}

// Pictures of the rename page's views and rule pages and of the file list, for a look.
TEST_F(RenamePage, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_RENAME_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_RENAME_SCREENSHOTS=<folder> to save pictures of the rename page";
    const QString files = Root + "Musik/";
    MakeFiles(files, {"Track 10.mp3", "Track 9.mp3", "Track 100.mp3", "Cover.jpg", "Alben/"});
    f->setWindowState(Qt::WindowNoState);
    f->resize(1024, 700);
    f->show();
    const auto save = [&](QWidget *w, const QString &name) {
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->grab().save(folder + u'/' + name + ".png")) << Str(name);
    };
    for (int rule : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        ChooseRule(rule);
        save(f->TabSheet01, QStringLiteral("rule%1").arg(rule));
    }
    f->RGDatumZeit01->setItemIndex(1);
    f->DatUmbRadioGroup11->setItemIndex(1);
    save(f->TabSheet01, "rule9_own");
    ChooseRule(7);
    save(f->TabSheet01, "rule7_group12");
    ChooseRule(0);
    f->DatUmbSB03->click();
    save(f->TabSheet01, "rule0_page1");
    f->DatUmbSB04->click();
    for (int language : {10000, 0}) { // the sub-views in English and German
        Sprache = language;
        ApplyLanguageCaptions();
        for (TSpeedButton *b :
             {f->DatUmbSpeedButton02, f->DatUmbSpeedButton03, f->DatUmbSpeedButton04, f->DatUmbSpeedButton01})
            b->click(), save(f->TabSheet01, b->objectName() + (language ? "_en" : ""));
    }
    SelectAllRight(files);
    f->DLSpeedButton02->click();
    f->DLSpeedButton01->click();
    f->DLStringGrid->selectRow(1);
    f->Explorer01->setCurrentIndex(1);
    save(f, "filelist_window");
    f->resize(800, 565);
    save(f, "filelist_window_800");
    save(f->TabSheet01, "rename_800");
}

} // namespace
