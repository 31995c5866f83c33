// Refreshes of the rename preview as the user meets them: a refresh that a change set
// off (a keystroke, a rule switch, the language) never opens a box and leaves the
// keyboard where it was; its message shows in the preview page's line and the grid keeps
// only its header. A refresh the user asks for shows its box.

#include "localisation/fktSprache.h"
#include "localisation/frmSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt_Globals.h"
#include "support/WindowPageTest.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cstring>

namespace {

class PreviewRefresh : public WindowPageTest {
protected:
    void SetUp() override
    {
        WindowPageTest::SetUp();
        Folder = Root + "Texte/";
        ASSERT_TRUE(fs::createFolders(Folder));
        for (const char *name : {"a.txt", "b.txt"})
            ASSERT_TRUE(fs::writeFileAtomic(Folder + name, "x"));
        f->setWindowState(Qt::WindowNoState);
        f->resize(1024, 700);
        f->show();
        QApplication::setActiveWindow(f);
        ASSERT_TRUE(QTest::qWaitForWindowActive(f));
        ASSERT_TRUE(f->ShellTreeView01->setPath(Folder));
        ActiveExplorer = 1;
    }
    void SelectAll() { f->ShellListView01->SelectAll(); }
    void ChooseRule(int rule)
    {
        f->DatUmbRadioGroup02->findChild<QRadioButton *>(QStringLiteral("DatUmbRadioGroup02_%1").arg(rule))->click();
    }
    QStringList NewNames() const
    {
        QStringList cells;
        for (int r = 1; r < f->VorschauStringGrid01->RowCount(); ++r)
            cells << f->VorschauStringGrid01->Cells(1, r);
        return cells;
    }
    // The refresh failed with Text: the header row alone, the text in the line.
    void ExpectFailed(const QString &Text) const
    {
        EXPECT_EQ(f->VorschauStringGrid01->RowCount(), 1);
        EXPECT_EQ(f->VorschauStringGrid01->Cells(1, 0), LoadLangString(8994));
        EXPECT_EQ(f->VorschauLabel01->text(), Text);
        EXPECT_TRUE(f->VorschauLabel01->isVisible());
    }
    void ExpectBox(size_t Index, int Id) const
    {
        ASSERT_GT(modals.shown().size(), Index);
        EXPECT_EQ(modals.shown()[Index].kind, QStringLiteral("MessageDlg"));
        EXPECT_EQ(modals.shown()[Index].text, LoadLangString(Id));
    }
    // Types into the extension box as the user does, key by key, checking after each;
    // the text it held is selected and deleted first.
    void TypeNewExtension(const QString &Text, const std::function<void(const QString &typed)> &After)
    {
        QLineEdit *edit = f->DatUmbComboBox02->lineEdit();
        f->DatUmbComboBox02->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        ASSERT_TRUE(f->DatUmbComboBox02->currentText().isEmpty());
        for (qsizetype i = 0; i < Text.size(); ++i) {
            QTest::keyClick(edit, Text[i].toLatin1());
            After(Text.left(i + 1));
        }
    }

    QString Folder;
};

TEST_F(PreviewRefresh, TypingAnExtensionWithTheFailedCheckOpensNoBox)
{
    SelectAll();
    QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton); // rule 0 numbers the files
    ASSERT_EQ(NewNames().size(), 2);
    ChooseRule(8);
    ExpectFailed(LoadLangString(9063)); // a rule switch: no old extension yet
    QTest::mouseClick(f->DatUmbAlleEndungen, Qt::LeftButton);
    ExpectFailed(LoadLangString(9064));

    // (A leading "*" would be completed to a listed extension.)
    TypeNewExtension(".md", [&](const QString &typed) {
        SCOPED_TRACE(typed.toStdString());
        EXPECT_EQ(QApplication::focusWidget(), f->DatUmbComboBox02); // the line edit's focus proxy
        EXPECT_EQ(f->DatUmbComboBox02->currentText(), typed); // no key was swallowed
        if (typed == u".")
            ExpectFailed(LoadLangString(9064)); // names no extension
        else
            EXPECT_EQ(NewNames(), (QStringList{"a" + typed, "b" + typed}));
    });
    EXPECT_FALSE(f->VorschauLabel01->isVisible());
    EXPECT_TRUE(modals.shown().empty());
}

// The plug-in rule with a library that is not there: typing its name shows the warning
// in the line, key by key, and takes no key.
TEST_F(PreviewRefresh, TypingALibraryThatIsNotThereOpensNoBox)
{
    SelectAll();
    QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton);
    ASSERT_EQ(NewNames().size(), 2);
    ChooseRule(10);
    QLineEdit *edit = f->DatUmbComboBox03->lineEdit();
    f->DatUmbComboBox03->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const char *typed : {"f", "fe", "feh"}) {
        SCOPED_TRACE(typed);
        QTest::keyClick(edit, typed[std::strlen(typed) - 1]);
        EXPECT_EQ(f->DatUmbComboBox03->currentText(), QString::fromLatin1(typed));
        EXPECT_EQ(QApplication::focusWidget(), f->DatUmbComboBox03);
        ExpectFailed(LoadLangString(9082));
    }
    EXPECT_TRUE(modals.shown().empty());
}

// The move mode chosen before a target, and the selection changed meanwhile: changes,
// so no box; the grid never keeps the names of the batch before.
TEST_F(PreviewRefresh, TargetModeAndSelectionChangesOpenNoBox)
{
    SelectAll();
    QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton);
    ASSERT_EQ(NewNames().size(), 2);
    f->DatUmbRadioGroup01->findChild<QRadioButton *>("DatUmbRadioGroup01_1")->click();
    ExpectFailed(LoadLangString(9003));
    f->VorschauLabel01->clear();
    f->ShellListView01->SelectRows({0}); // refreshes again
    ExpectFailed(LoadLangString(9003));
    f->DatUmbRadioGroup01->findChild<QRadioButton *>("DatUmbRadioGroup01_0")->click();
    EXPECT_EQ(NewNames().size(), 1);
    EXPECT_FALSE(f->VorschauLabel01->isVisible());
    EXPECT_TRUE(modals.shown().empty());
}

// Asking for the preview, by its button, the View item or the tool button, shows the
// box; the grid is emptied and the line says why.
TEST_F(PreviewRefresh, APreviewAskedForShowsTheBox)
{
    const std::function<void()> asks[] = {
        [&] { QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton); },
        [&] { f->HMenuAnsichtVorschau->trigger(); },
        [&] { QTest::mouseClick(f->TB01Vorschau, Qt::LeftButton); },
    };
    size_t shown = 0;
    for (const auto &ask : asks) {
        f->DatUmbVorschau->setDown(false);
        f->DatUmbVorschauClick(); // the preview off again
        modals.answer(mrOk);
        ask();
        ASSERT_EQ(modals.shown().size(), shown + 1);
        ExpectBox(shown, 9000);
        ExpectFailed(LoadLangString(9000));
        shown = modals.shown().size();
    }
}

// The folder page's preview: asked for, its box; a keystroke in a rule field, none.
TEST_F(PreviewRefresh, FolderPreviewKeystrokesOpenNoBox)
{
    ASSERT_TRUE(fs::createFolders(Folder + "Alt"));
    f->PageControl->setCurrentWidget(f->TabSheet04);
    QTest::mouseClick(f->OrdnerUmbenennen, Qt::LeftButton);
    QTest::mouseClick(f->OrdnerRekursiv, Qt::LeftButton);
    f->RadioGroupOrdU1->setItemIndex(0); // replace, nothing to search for yet
    modals.answer(mrOk);
    QTest::mouseClick(f->OrdnerVorschauSB, Qt::LeftButton);
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].text, LoadLangString(9008) + u'\r' + LoadLangString(9009));
    const QString line = LoadLangString(9008) + u' ' + LoadLangString(9009);
    ExpectFailed(line);

    f->EditOrdU1->setFocus();
    QTest::keyClick(f->EditOrdU1, Qt::Key_A);
    EXPECT_EQ(NewNames(), QStringList{"Alt"});
    QTest::keyClick(f->EditOrdU1, Qt::Key_Backspace);
    ExpectFailed(line);
    EXPECT_EQ(QApplication::focusWidget(), f->EditOrdU1);
    EXPECT_EQ(modals.shown().size(), 1u);
}

// The language changed through the File menu and the dialog's OK: the relabelling sets
// the rule back to 0, and the preview follows once, at the end; its message in the new
// language, in the line.
TEST_F(PreviewRefresh, LanguageChangeRefreshesOnceAtTheEnd)
{
    SelectAll();
    ChooseRule(3);
    f->DatUmbEdit05->setText("a");
    f->DatUmbEdit06->setText("c");
    QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton);
    ASSERT_EQ(NewNames(), (QStringList{"c.txt", "b.txt"}));

    Sprachwahl = 0; // the dialog as the File menu opens it, not at its creation
    const TSpracheF dialog;
    int refreshes = 0;
    QObject::connect(f->VorschauStringGrid01->model(), &QAbstractItemModel::modelReset, f, [&] { ++refreshes; });
    const auto chooseLanguage = [&](int item) {
        modals.answerWith([item](QDialog &dialog, const ModalRecord &record) {
            EXPECT_EQ(record.kind, QStringLiteral("Language"));
            auto &language = static_cast<TSpracheF &>(dialog);
            language.RadioGroup1->setItemIndex(item);
            language.BitBtn1->click();
            return dialog.result();
        });
        f->HMenuDateiSprache->trigger();
    };
    chooseLanguage(1);
    EXPECT_EQ(Sprache, 10000);
    EXPECT_EQ(f->DatUmbRadioGroup02->ItemIndex(), 0);
    EXPECT_EQ(NewNames(), (QStringList{"0.txt", "1.txt"})); // rule 0, not the replacement
    EXPECT_EQ(refreshes, 3); // one refresh: the row count and the two columns

    f->ShellListView01->ClearSelection();
    ASSERT_TRUE(f->ShellListView01->SelectedRows().empty());
    refreshes = 0;
    chooseLanguage(0);
    EXPECT_EQ(Sprache, 0);
    EXPECT_EQ(refreshes, 1);
    ExpectFailed(LoadLangString(9000));
    EXPECT_EQ(f->VorschauLabel01->text(), QStringLiteral("Es wurde noch keine Datei ausgewählt !"));
    EXPECT_EQ(modals.shown().size(), 2u); // the two language dialogs, no message box
}

// Pictures of the preview with a failed check while typing, in German and English.
TEST_F(PreviewRefresh, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_PREVIEW_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_PREVIEW_SCREENSHOTS=<folder> to save pictures of the preview";
    SelectAll();
    QTest::mouseClick(f->DatUmbVorschau, Qt::LeftButton);
    for (int language : {0, 10000}) {
        Sprache = language;
        LanguageIndex = language / 10000;
        ApplyLanguageCaptions();
        ChooseRule(8);
        f->DatUmbAlleEndungen->setChecked(true);
        f->DatUmbComboBox02->setCurrentText(QString());
        TypeNewExtension(".", [](const QString &) {});
        QCoreApplication::processEvents();
        ASSERT_TRUE(f->grab().save(folder + (language ? "/preview_typing_en.png" : "/preview_typing_de.png")));
    }
}

} // namespace
