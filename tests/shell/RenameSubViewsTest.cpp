// The rename page's views for the rename functions, the TrueType names and the plug-in
// rule: the font names follow the explorer selection, the plug-in list stays sorted,
// and pictures of the three views.

#include "localisation/fktSprache.h"
#include "operations/rvTTF.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/FontFiles.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class RenameSubViews : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Sprache = 0;
        MakeTestFileBelow(Root, "fonts/Sans.ttf",
                          fontfiles::MakeFont({fontfiles::MacName(0, "Copyright (c) 2003 Wexmoor"),
                                               fontfiles::MacName(1, "Sans"), fontfiles::MacName(2, "Bold"),
                                               fontfiles::MacName(4, "Sans Bold")}));
        MakeTestFileBelow(Root, "fonts/broken.TTF", "no font");
        f = &form_.Create();
    }
    void TearDown() override
    {
        form_.reset();
        Sprache = 0;
    }
    static void Select(TShellListView *List, const QString &Name)
    {
        for (int i = 0; i < List->Count(); ++i)
            if (List->Folders(i).Name == Name)
                return List->setItemIndex(i);
        ADD_FAILURE() << "not listed: " << Name.toStdString();
    }
    QStringList Labels() const
    {
        return {f->TTFLabel6->text(), f->TTFLabel7->text(), f->TTFLabel8->text(), f->TTFLabel9->text()};
    }
    void ShowFontView()
    {
        f->DatUmbSpeedButton03->click();
        ASSERT_EQ(f->DatUmb01->currentIndex(), 2);
    }

    ScriptedModals modals_;
    MainWindowFixture form_;
    THauptForm *f = nullptr;
    QTemporaryDir dir_;
    QString Root;
};

const QStringList SansNames = {"Copyright (c) 2003 Wexmoor", "Sans", "Bold", "Sans Bold"};
const QStringList NoNames = {"", "", "", ""};

TEST_F(RenameSubViews, FontNamesFollowTheSelectionOfEitherList)
{
    EXPECT_EQ(Labels(), NoNames);
    ASSERT_TRUE(f->ShellTreeView01->setPath(Root + "fonts"));
    ASSERT_TRUE(f->ShellTreeView02->setPath(Root + "fonts"));
    // Not in the TrueType view: nothing is read.
    Select(f->ShellListView01, "Sans.ttf");
    EXPECT_EQ(Labels(), NoNames);

    ShowFontView();
    Select(f->ShellListView01, "Sans.ttf");
    EXPECT_EQ(Labels(), SansNames);
    Select(f->ShellListView01, "broken.TTF");
    EXPECT_EQ(Labels(), NoNames);
    Select(f->ShellListView02, "Sans.ttf");
    EXPECT_EQ(Labels(), SansNames);
    f->ShellListView02->setItemIndex(-1);
    EXPECT_EQ(Labels(), NoNames);

    // A click into the other list shows its selection.
    Select(f->ShellListView01, "Sans.ttf");
    Select(f->ShellListView02, "broken.TTF");
    ActiveExplorer = 2;
    f->ShellListView01Click();
    EXPECT_EQ(Labels(), SansNames);
    f->ShellListView02Click();
    EXPECT_EQ(Labels(), NoNames);

    // Another folder in a tree empties the names.
    f->ShellListView01Click();
    ASSERT_EQ(Labels(), SansNames);
    ASSERT_TRUE(f->ShellTreeView01->setPath(Root));
    EXPECT_EQ(Labels(), NoNames);
}

TEST_F(RenameSubViews, ThePluginListStaysSorted)
{
    f->DatUmbComboBox03->addItems({"b.so", "c.so"});
    f->DatUmbComboBox03->addItem("a.so");
    QStringList items;
    for (int i = 0; i < f->DatUmbComboBox03->count(); ++i)
        items << f->DatUmbComboBox03->itemText(i);
    EXPECT_EQ(items, (QStringList{"a.so", "b.so", "c.so"}));
}

// Pictures of the three views at a window width of 1024 px, German and English.
TEST_F(RenameSubViews, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_FUNCTION_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_FUNCTION_SCREENSHOTS=<folder> to save pictures of the three views";
    const QString program = QString::fromLocal8Bit(std::getenv("CORVEX_PROGRAM"));
    const QString sample = program.left(program.lastIndexOf(u'/') + 1) + "Unterstriche.so";
    f->setWindowState(Qt::WindowNoState);
    f->resize(1024, 700);
    f->show();
    ASSERT_TRUE(f->ShellTreeView01->setPath(Root + "fonts"));
    const auto save = [&](const QString &name) {
        QApplication::processEvents();
        ASSERT_TRUE(f->grab().save(folder + u'/' + name + ".png")) << name.toStdString();
    };
    for (int language : {0, 10000}) {
        Sprache = language;
        ApplyLanguageCaptions();
        const QString suffix = language ? "_en" : "_de";
        f->DatUmbSpeedButton02->click();
        f->UmbenennungsFunktion->setText("<N:ZSA3:SZU:LVG>");
        save("functions" + suffix);
        ShowFontView();
        Select(f->ShellListView01, "Sans.ttf");
        save("truetype" + suffix);
        f->DatUmbSpeedButton01->click();
        f->DatUmbRadioGroup02->setItemIndex(10);
        f->DatUmbComboBox03->setEditText(sample);
        f->DatUmbBitBtn01->click();
        save("plugin" + suffix);
    }
}

} // namespace
