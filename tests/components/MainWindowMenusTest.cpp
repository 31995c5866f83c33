#include "components/MenuStyler.h"
#include "localisation/fktSprache.h"
#include "platform/toolkit/MenuItem.h"
#include "shell/Haupt.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindowMenus : public testing::Test {
protected:
    void TearDown() override
    {
        window.reset();
        Sprache = 0;
        SetLanguageIndexFromSprache();
    }
    MainWindowFixture window;
};

TEST_F(MainWindowMenus, TheStylerDrawsTheMenuBarAndEveryMenuAlsoThoseAddedLater)
{
    THauptForm &f = window.Create();
    TMenuStyler *styler = f.MenuStyler;
    ASSERT_TRUE(styler);
    EXPECT_TRUE(styler->Active());
    EXPECT_TRUE(styler->AutoDetect);
    EXPECT_TRUE(styler->UseSystemColors());
    EXPECT_FALSE(styler->FlatMenu);
    EXPECT_EQ(styler->Font().pixelSize(), 11);
    EXPECT_EQ(styler->Font().family().toStdString(), "Tahoma");
    EXPECT_FALSE(f.menuBar()->isNativeMenuBar());
    for (QWidget *menu : std::initializer_list<QWidget *>{f.menuBar(), f.HMenuDatei, f.HMenuInfo, f.PopupMenu01, f.PopupMenu02})
        EXPECT_EQ(menu->style(), styler) << menu->objectName().toStdString();

    QMenu *later = f.menuBar()->addMenu(QStringLiteral("Later"));
    QApplication::processEvents();
    EXPECT_EQ(later->style(), styler);
    QAction *separator = f.HMenuDatei->insertSeparator(f.HMenuDateiOptionen);
    f.HMenuDatei->adjustSize();
    EXPECT_EQ(f.HMenuDatei->actionGeometry(separator).height(), 4);
}

// Saves the window with its File menu open, in German and English, as the screen shows
// it (CORVEX_MENU_SCREENSHOTS=<folder>; needs a real display with a window manager).
TEST_F(MainWindowMenus, Screenshot)
{
    const QString folder = qEnvironmentVariable("CORVEX_MENU_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_MENU_SCREENSHOTS=<folder> to save the opened menu";
    struct Shot {
        int language;
        bool flat;
        const char *name;
    };
    for (const Shot shot : {Shot{0, false, "menu_de.png"}, Shot{10000, false, "menu_en.png"},
                            Shot{10000, true, "menu_flat_gradient.png"}}) {
        THauptForm &f = window.Create();
        Sprache = shot.language;
        SetLanguageIndexFromSprache();
        ApplyLanguageCaptions();
        f.MenuStyler->FlatMenu = shot.flat;
        f.MenuStyler->Gradient = shot.flat;
        f.HMenuDateiSprache->setCheckable(true);
        f.HMenuDateiSprache->setChecked(true);
        f.setWindowState(Qt::WindowNoState);
        f.setGeometry(40, 40, 900, 560);
        f.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
        f.menuBar()->setActiveAction(f.HMenuDatei->menuAction());
        QTest::qWait(400);
        f.HMenuDatei->setActiveAction(f.HMenuDateiOptionen);
        QTest::qWait(400);
        EXPECT_TRUE(f.screen()->grabWindow(0).save(QDir(folder).filePath(shot.name)));
        f.HMenuDatei->close();
        window.reset();
    }
}

} // namespace
