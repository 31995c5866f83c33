// The graphics page in the real window, offscreen: the defective-JPEG search and the JPEG
// reduction run from their buttons, answered through the modal seam; the window's lock
// during a run; the search thread when the window goes.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktJPEGs.h"
#include "operations/thrDefekteJPEGs.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/JpegFixtures.h"
#include "support/ScriptedModals.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

// 26 bytes ending in FF D9, and 25 bytes: sound and defective.
QByteArray Sound()
{
    return QByteArray(24, 's') + QByteArray("\xFF\xD9", 2);
}
QByteArray Broken()
{
    return QByteArray(25, 'b');
}

// An image with an APP1 of 4 kB, a comment and 1 kB after its end.
QByteArray Image()
{
    return OneColourJpeg(64, 64, JCS_RGB, {10, 120, 230});
}
QByteArray Segment(unsigned char Code, const QByteArray &Data)
{
    const int length = int(Data.size()) + 2;
    return QByteArray("\xFF", 1) + char(Code) + char(length >> 8) + char(length & 0xFF) + Data;
}
QByteArray Fat()
{
    return Image().left(2) + Segment(0xE1, QByteArray(4094, 'e')) + Segment(0xFE, "comment") +
           Segment(0xE3, QByteArray(8000, 'k')) + Image().mid(2) + QByteArray(1024, 'z');
}
QByteArray Lean()
{
    return Image().left(2) + Segment(0xE3, QByteArray(8000, 'k')) + Image().mid(2);
}

class GraphicsPage : public WindowPageTest {
protected:
    void SetUp() override
    {
        WindowPageTest::SetUp();
        if (HasFatalFailure())
            return;
        Arbeitsverzeichnis = Root + "work/";
        ASSERT_TRUE(fs::createFolders(Arbeitsverzeichnis));
        f->PageControl->setCurrentWidget(f->TabSheet05);
        ActiveExplorer = 1;
        ASSERT_FALSE(f->HMenuAnsicht->menuAction()->isEnabled()) << "the graphics page has no View menu";
    }

    // The folder in the left tree, searched recursively.
    void Recursively(const QString &Folder)
    {
        ASSERT_TRUE(f->ShellTreeView01->setPath(Folder));
        ActiveExplorer = 1;
        f->GrafikRekursiv->setChecked(true);
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (const ModalRecord &r : modals.shown())
            texts << r.text;
        return texts;
    }
    void ExpectUnlocked()
    {
        EXPECT_TRUE(f->ToolBar->isEnabled());
        EXPECT_TRUE(f->HMenuDatei->menuAction()->isEnabled());
        EXPECT_FALSE(f->HMenuAnsicht->menuAction()->isEnabled()) << "the page's own state comes back";
        EXPECT_TRUE(f->ShellListView01->isEnabled());
        EXPECT_TRUE(f->BitBtn_DDS01->isEnabled());
        EXPECT_TRUE(f->BitBtn_DV01->isEnabled());
        EXPECT_TRUE(f->GrafikZielverzeichnis->isEnabled());
        EXPECT_FALSE(BatchGuard::Running());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    // Runs Fn once when Bar reaches Value during a run.
    void AtProgress(QProgressBar *Bar, int Value, std::function<void()> Fn)
    {
        QObject::connect(Bar, &QProgressBar::valueChanged, f, [Value, Fn](int v) {
            if (v == Value)
                Fn();
        });
    }
};

// ---- Search ----

TEST_F(GraphicsPage, DefectiveFilesNumberedByTheGatheredCount)
{
    const QString many = Root + "many/";
    for (int i = 0; i < 247; ++i)
        MakeTestFileBelow(many, QStringLiteral("ok_%1.jpg").arg(i, 3, 10, QLatin1Char('0')), Sound());
    for (const char *name : {"IMG_1.jpg", "IMG_3.jpg", "IMG_7.jpg"})
        MakeTestFileBelow(many, name, Broken());
    f->GrafikZielverzeichnis->setText(Root + "ziel");
    Recursively(many);
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();

    EXPECT_EQ(Texts(), QStringList{LoadLangString(9115)});
    EXPECT_EQ(DefectFolder, Root + "ziel/Defekt/");
    EXPECT_EQ(SortedNames(DefectFolder),
              (QStringList{"Defekt001_IMG_1.jpg", "Defekt002_IMG_3.jpg", "Defekt003_IMG_7.jpg"}));
    EXPECT_EQ(fs::readFile(many + "IMG_7.jpg"), Broken()) << "copied, not moved";
    EXPECT_EQ(f->Label_DDS05->text(), "250");
    EXPECT_EQ(f->Label_DDS07->text(), "250");
    EXPECT_EQ(f->Label_DDS02->text(), "3");
    EXPECT_EQ(f->ProgressBar_DDS01->value(), 250);
    // A copy run empties the log and disables the undo.
    EXPECT_TRUE(f->ProtokollListBox.isEmpty());
    EXPECT_EQ(fs::readFile(UndoLogPath()), QByteArray());
    EXPECT_FALSE(f->HMenuDateiRueckgaengig->isEnabled());
    ExpectUnlocked();

    // Nine gathered: one digit.
    const QString nine = Root + "nine/";
    for (int i = 0; i < 8; ++i)
        MakeTestFileBelow(nine, QStringLiteral("ok%1.jpg").arg(i), Sound());
    MakeTestFileBelow(nine, "zz.jpg", Broken());
    f->GrafikZielverzeichnis->setText(Root + "ziel9/");
    Recursively(nine);
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();
    EXPECT_EQ(SortedNames(Root + "ziel9/Defekt/"), QStringList{"Defekt1_zz.jpg"});
}

TEST_F(GraphicsPage, MovedDefectsAreLoggedAndUndone)
{
    const QString folder = Root + "fotos";
    const QString a = MakeTestFileBelow(folder, "a.jpg", Broken());
    MakeTestFileBelow(folder, "b.jpg", Sound());
    const QString c = MakeTestFileBelow(folder, "sub/c.jpg", Broken());
    const QString d = MakeTestFileBelow(folder, "d.jpeg", Broken());
    f->RadioGroup_DDS01->setItemIndex(1);
    Recursively(folder);
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();

    // An empty target is the working folder; every "*.jpg" comes before every "*.jpeg".
    const QString defect = Arbeitsverzeichnis + "Defekt/";
    EXPECT_EQ(DefectFolder, defect);
    EXPECT_EQ(SortedNames(defect), (QStringList{"Defekt1_a.jpg", "Defekt2_c.jpg", "Defekt3_d.jpeg"}));
    EXPECT_EQ(f->ProtokollListBox, (QStringList{a, defect + "Defekt1_a.jpg", c, defect + "Defekt2_c.jpg", d,
                                                defect + "Defekt3_d.jpeg"}));
    EXPECT_TRUE(f->HMenuDateiRueckgaengig->isEnabled());
    EXPECT_EQ(f->HMenuDateiRueckgaengig->Tag, 0);
    EXPECT_EQ(f->HMenuDateiRueckgaengig->text(), LoadLangString(801));

    UndoLastAction();
    EXPECT_EQ(SortedNames(folder), (QStringList{"a.jpg", "b.jpg", "d.jpeg", "sub"}));
    EXPECT_EQ(fs::readFile(c), Broken());
    EXPECT_TRUE(SortedNames(defect).isEmpty());
}

// A moving search that moved nothing leaves nothing to undo.
TEST_F(GraphicsPage, AMoveThatMovedNothingLeavesTheUndoOff)
{
    const QString folder = Root + "gesund";
    MakeTestFileBelow(folder, "a.jpg", Sound());
    f->RadioGroup_DDS01->setItemIndex(1);
    Recursively(folder);
    f->HMenuDateiRueckgaengig->setEnabled(true); // as after an earlier batch
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();
    EXPECT_EQ(Texts(), QStringList{LoadLangString(9115)});
    EXPECT_FALSE(f->HMenuDateiRueckgaengig->isEnabled());
    EXPECT_FALSE(f->TB01Rueckgaengig->isEnabled());
}

TEST_F(GraphicsPage, UpperCaseExtensionsAndSelectedFilesOfAnyType)
{
    const QString folder = Root + "mixed/";
    MakeTestFileBelow(folder, "sub/IMG.JPG", Broken());
    MakeTestFileBelow(folder, "notes.txt", "a text file");
    Recursively(folder);
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();
    EXPECT_EQ(SortedNames(DefectFolder), QStringList{"Defekt1_IMG.JPG"});

    // Not recursive: the selected file is tested whatever its type.
    f->GrafikRekursiv->setChecked(false);
    f->GrafikZielverzeichnis->setText(Root + "selected");
    int row = 0;
    while (row < f->ShellListView01->Count() && f->ShellListView01->Folders(row).PathName != folder + "notes.txt")
        ++row;
    ASSERT_LT(row, f->ShellListView01->Count());
    f->ShellListView01->SelectRows({row});
    ActiveExplorer = 1;
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();
    EXPECT_EQ(SortedNames(Root + "selected/Defekt"), QStringList{"Defekt1_notes.txt"});
}

TEST_F(GraphicsPage, CancelAfterTheSecondFileWithTheWindowLocked)
{
    const QString folder = Root + "five";
    QStringList files;
    for (int i = 1; i <= 5; ++i)
        files << MakeTestFileBelow(folder, QStringLiteral("f%1.jpg").arg(i), Broken());
    f->RadioGroup_DDS01->setItemIndex(1);
    Recursively(folder);
    f->setWindowState(Qt::WindowNoState);
    f->show();
    QApplication::setActiveWindow(f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    int helpRuns = 0; // F1, an item of a menu the graphics page leaves enabled
    QObject::connect(f->HMenuInfoHilfe, &QAction::triggered, f, [&] { ++helpRuns; });
    AtProgress(f->ProgressBar_DDS01, 2, [&] {
        // Locked: tool bar, menus and their shortcuts, the page's controls; not the cancel button.
        EXPECT_FALSE(f->ToolBar->isEnabled());
        for (QMenu *menu : {f->HMenuDatei, f->HMenuAnsicht, f->HMenuAktionen, f->HMenuInfo})
            EXPECT_FALSE(menu->menuAction()->isEnabled());
        for (QWidget *w : std::initializer_list<QWidget *>{f->GrafikPageControl01, f->GrafikSB01, f->GrafikSB02,
                                                           f->ShellTreeView01, f->ShellListView02, f->BitBtn_DDS01,
                                                           f->RadioGroup_DDS01, f->GrafikZielverzeichnis, f->BitBtn_DV01})
            EXPECT_FALSE(w->isEnabled()) << Str(w->objectName());
        EXPECT_TRUE(f->BitBtn_DDS02->isEnabled());
        QTest::keyClick(f, Qt::Key_F1);
        EXPECT_EQ(helpRuns, 0) << "a locked menu's shortcut fired";
        EXPECT_FALSE(f->close()) << "the window closed during a run";
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        f->BitBtn_DDS02->click();
    });
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();

    EXPECT_EQ(Texts(), QStringList{LoadLangString(9115)});
    EXPECT_EQ(f->Label_DDS07->text(), "2");
    EXPECT_EQ(f->Label_DDS02->text(), "2");
    EXPECT_EQ(SortedNames(folder), (QStringList{"f3.jpg", "f4.jpg", "f5.jpg"}));
    EXPECT_EQ(f->ProtokollListBox, (QStringList{files[0], DefectFolder + "Defekt1_f1.jpg", files[1],
                                                DefectFolder + "Defekt2_f2.jpg"}));
    EXPECT_TRUE(f->HMenuDateiRueckgaengig->isEnabled());
    ExpectUnlocked();
    QTest::keyClick(f, Qt::Key_F1);
    EXPECT_EQ(helpRuns, 1) << "the shortcut works again after the run";
}

TEST_F(GraphicsPage, NothingGatheredUnlocksTheWindow)
{
    ASSERT_TRUE(fs::createFolders(Root + "empty"));
    Recursively(Root + "empty");
    modals.answer(mrOk);
    f->BitBtn_DDS01->click();
    EXPECT_EQ(Texts(), QStringList{LoadLangString(9000)});
    ExpectUnlocked();
}

TEST_F(GraphicsPage, TheSearchThreadShowsTheCountAndEndsWithTheWindow)
{
    f->AlteDateinamen = QStringList{"a", "b", "c"};
    new TDefekteJPEGs;
    QElapsedTimer waited;
    waited.start();
    while (f->Label_DDS05->text() != "3" && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(f->Label_DDS05->text(), "3");
    window_.reset(); // the thread still runs: it is stopped and waited for
    EXPECT_EQ(ThreadSection, nullptr);
}

TEST_F(GraphicsPage, OverTheCancelButtonsTheHourglassGivesWay)
{
    const struct {
        QPushButton *cancel;
        QWidget *background;
        int &tag;
    } pages[] = {{f->BitBtn_DDS02, f->GrafikGradientFill01, f->BitBtn_DDS02Tag},
                 {f->BitBtn_DV02, f->GrafikGradientFill02, f->BitBtn_DV02Tag}};
    const auto moveOver = [](QWidget *w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    f->show();
    for (const auto &p : pages) {
        const std::string name = Str(p.cancel->objectName());
        f->GrafikPageControl01->setCurrentIndex(p.cancel == f->BitBtn_DV02);
        QCoreApplication::processEvents();
        moveOver(p.background); // no run: nothing changes
        moveOver(p.cancel);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << name;
        EXPECT_EQ(p.tag, 0) << name;

        QApplication::setOverrideCursor(Qt::WaitCursor);
        moveOver(p.cancel);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor) << name;
        EXPECT_EQ(p.tag, 1) << name;
        moveOver(p.background);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << name;
        EXPECT_EQ(p.tag, 0) << name;
        moveOver(p.cancel);
        JpegAbortFlag = 0;
        p.cancel->click();
        EXPECT_EQ(p.tag, 0) << name;
        EXPECT_EQ(JpegAbortFlag, 1) << name;
        QApplication::restoreOverrideCursor();
    }
}

// ---- Reduction ----

TEST_F(GraphicsPage, ReductionThatDoesNotStart)
{
    const QString folder = Root + "r/";
    const QString file = MakeTestFileBelow(folder, "a.jpg", Fat());
    Recursively(folder);
    const struct {
        const char *name;
        bool step;
        int mode;
        QStringList texts;
        int answer;
    } cases[] = {
        {"no step chosen", false, 0, {LoadLangString(9107)}, mrOk},
        {"copies without target", true, 1, {LoadLangString(9003)}, mrOk},
        {"Abort in the question", true, 0, {}, mrAbort},
        {"the question closed", true, 0, {}, mrCancel},
    };
    for (const auto &c : cases) {
        modals.answer(c.answer);
        f->CheckBox_DV02->setChecked(c.step);
        f->RadioGroup_DV01->setItemIndex(c.mode);
        const size_t before = modals.shown().size();
        f->BitBtn_DV01->click();
        ASSERT_EQ(modals.shown().size(), before + 1) << c.name;
        if (!c.texts.isEmpty())
            EXPECT_EQ(modals.shown().back().text, c.texts[0]) << c.name;
        else
            EXPECT_EQ(modals.shown().back().buttonSet, mbOKAbort) << c.name;
        EXPECT_EQ(fs::readFile(file), Fat()) << c.name;
        ExpectUnlocked();
    }
}

TEST_F(GraphicsPage, ReducesOriginalsAndCopies)
{
    const QString folder = Root + "r/";
    const QString a = MakeTestFileBelow(folder, "a.jpg", Fat());
    const QString b = MakeTestFileBelow(folder, "b.jpeg", Fat());
    for (TCheckBox *box : {f->CheckBox_DV02, f->CheckBox_DV03, f->CheckBox_DV04})
        box->setChecked(true);
    Recursively(folder);

    // Copies into the originals' own folder: no original changes.
    f->RadioGroup_DV01->setItemIndex(1);
    f->GrafikZielverzeichnis->setText(folder);
    modals.answer(mrOk);
    modals.answer(mrOk);
    f->BitBtn_DV01->click();
    EXPECT_EQ(fs::readFile(a), Fat());
    EXPECT_EQ(fs::readFile(b), Fat());
    EXPECT_EQ(Texts().back(), LoadLangString(9114));

    // Copies elsewhere: a new copy, and a file of the same name already there, are reduced.
    const QString copies = Root + "copies/";
    MakeTestFileBelow(copies, "b.jpeg", Fat() + "other");
    f->GrafikZielverzeichnis->setText(copies);
    modals.answer(mrOk);
    modals.answer(mrOk);
    f->BitBtn_DV01->click();
    EXPECT_EQ(fs::readFile(copies + "a.jpg"), Lean());
    EXPECT_EQ(fs::readFile(copies + "b.jpeg"), Lean()) << "the file found there";
    EXPECT_EQ(fs::readFile(a), Fat());
    EXPECT_EQ(fs::readFile(b), Fat());

    // The originals themselves.
    f->RadioGroup_DV01->setItemIndex(0);
    modals.answer(mrOk);
    modals.answer(mrOk);
    f->BitBtn_DV01->click();
    EXPECT_EQ(fs::readFile(a), Lean());
    EXPECT_EQ(fs::readFile(b), Lean());
    EXPECT_EQ(BytesRemoved, 2 * (Fat().size() - Lean().size()));
    EXPECT_EQ(f->Label_DV03->text(), QString::number(BytesRemoved));
    EXPECT_EQ(f->Label_DV06->text(), "2");
    EXPECT_EQ(f->Label_DV08->text(), "2");
    const ModalRecord &question = modals.shown()[modals.shown().size() - 2];
    EXPECT_EQ(question.dlgType, mtWarning);
    EXPECT_EQ(question.text, LoadLangString(9108) + '\r' + LoadLangString(9109) + '\r' + LoadLangString(9110) + '\r' +
                                 LoadLangString(9111) + '\r' + LoadLangString(9112));
    EXPECT_EQ(SortedNames(folder), (QStringList{"a.jpg", "b.jpeg"}));
    ExpectUnlocked();
}

TEST_F(GraphicsPage, ReductionCancelledAfterTheCurrentFile)
{
    const QString folder = Root + "r/";
    QStringList files;
    for (int i = 1; i <= 3; ++i)
        files << MakeTestFileBelow(folder, QStringLiteral("f%1.jpg").arg(i), Fat());
    f->CheckBox_DV04->setChecked(true);
    Recursively(folder);
    AtProgress(f->ProgressBar_DV01, 1, [&] { f->BitBtn_DV02->click(); });
    modals.answer(mrOk);
    modals.answer(mrOk);
    f->BitBtn_DV01->click();
    EXPECT_EQ(Texts().back(), LoadLangString(9113));
    EXPECT_EQ(fs::readFile(files[0])->size(), Fat().size() - 1024);
    EXPECT_EQ(fs::readFile(files[1]), Fat());
    EXPECT_EQ(fs::readFile(files[2]), Fat());
    ExpectUnlocked();
}

TEST_F(GraphicsPage, RecursiveReductionOfNothingStillAsks)
{
    ASSERT_TRUE(fs::createFolders(Root + "empty"));
    f->CheckBox_DV03->setChecked(true);
    Recursively(Root + "empty");
    modals.answer(mrOk);
    modals.answer(mrOk);
    f->BitBtn_DV01->click();
    ASSERT_EQ(modals.shown().size(), 2u);
    EXPECT_EQ(modals.shown()[0].buttonSet, mbOKAbort);
    EXPECT_EQ(modals.shown()[1].text, LoadLangString(9114));
}

// ---- Page ----

TEST_F(GraphicsPage, SwitchesAndTargetField)
{
    EXPECT_EQ(f->PageControl->indexOf(f->TabSheet05), 4);
    EXPECT_EQ(f->GrafikNB01->currentIndex(), 1);
    f->GrafikSB01->click();
    EXPECT_EQ(f->GrafikNB01->currentIndex(), 0);
    f->GrafikSB02->click();
    EXPECT_EQ(f->GrafikNB01->currentIndex(), 1);
    f->GrafikPageControl01->setCurrentIndex(1);
    EXPECT_EQ(f->GrafikNB02->currentWidget(), f->GrafikGradientFill02);
    f->GrafikPageControl01->setCurrentIndex(0);
    EXPECT_EQ(f->GrafikNB02->currentWidget(), f->GrafikGradientFill01);

    modals.answer(mrAbort);
    f->GrafikZielverzeichnis->setText(Root);
    f->GrafikZielverzeichnisClick();
    EXPECT_EQ(f->GrafikZielverzeichnis->text(), Root) << "Abort leaves the field";
    EXPECT_EQ(modals.shown().back().kind, "SelectDirectory");
    EXPECT_EQ(modals.shown().back().caption, LoadLangString(9100));

    // The result button shows the last search's folder in the left tree.
    DefectFolder = Root + "shown/Defekt/";
    ASSERT_TRUE(fs::createFolders(DefectFolder));
    f->BitBtn_DDS03->click();
    EXPECT_EQ(f->ShellTreeView01->Path(), Root + "shown/Defekt");
}

// Both JPEG pages after a run, German and English, for a look.
TEST_F(GraphicsPage, Screenshots)
{
    const QString out = qEnvironmentVariable("CORVEX_GRAPHICS_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set CORVEX_GRAPHICS_SCREENSHOTS=<folder> to save pictures of the JPEG pages";
    const QString folder = Root + "fotos/";
    for (int i = 0; i < 12; ++i)
        MakeTestFileBelow(folder, QStringLiteral("bild%1.jpg").arg(i), i % 4 ? Fat() : Broken());
    f->setWindowState(Qt::WindowNoState);
    f->resize(1024, 700);
    f->show();
    for (int language : {0, 1}) {
        Sprache = language * 10000;
        LanguageIndex = std::uint8_t(language);
        ApplyLanguageCaptions();
        f->PageControl->setCurrentWidget(f->TabSheet05);
        Recursively(folder);
        f->GrafikZielverzeichnis->setText(Root + (language ? "target" : "ziel"));
        f->GrafikPageControl01->setCurrentIndex(0);
        modals.answer(mrOk);
        f->BitBtn_DDS01->click();
        QCoreApplication::processEvents();
        EXPECT_TRUE(f->grab().save(out + QStringLiteral("/search_%1.png").arg(language ? "en" : "de")));
        f->GrafikPageControl01->setCurrentIndex(1);
        f->CheckBox_DV02->setChecked(true);
        f->CheckBox_DV04->setChecked(true);
        f->RadioGroup_DV01->setItemIndex(1);
        modals.answer(mrOk);
        modals.answer(mrOk);
        f->BitBtn_DV01->click();
        QCoreApplication::processEvents();
        EXPECT_TRUE(f->grab().save(out + QStringLiteral("/reduce_%1.png").arg(language ? "en" : "de")));
    }
    Sprache = 0;
    LanguageIndex = 0;
}

} // namespace
