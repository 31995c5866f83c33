// The folder statistics view in the window (view mode 9 and the left pane's folder
// changes) and pictures of it and of the folder rename sub-view.

#include "localisation/fktSprache.h"
#include "operations/fktOrdner.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>


namespace {

class FolderViews : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        window_.Create();
    }
    void TearDown() override
    {
        window_.reset();
        Sprache = 0;
        LanguageIndex = 0;
    }
    THauptForm &Form() { return *window_; }
    void SubFolder(const QString &name, std::int64_t bytes) { MakeSparseFileBelow(Root + name, "data", bytes); }

    QString Root;

private:
    QTemporaryDir dir_;
    MainWindowFixture window_;
};

TEST_F(FolderViews, ViewModeNineFollowsTheLeftFolder)
{
    SubFolder("a", 1 << 20);
    SubFolder("b/inner", 1 << 20);
    ASSERT_TRUE(Form().ShellTreeView01->setPath(Root));
    Form().HMenuAnsichtOrdnerFuellClick();
    EXPECT_EQ(ViewMode, 9);
    ASSERT_EQ(Form().OrdnerStringGrid01->RowCount(), 3);
    EXPECT_EQ(Form().OrdnerStringGrid01->Cells(0, 2), "b");

    ASSERT_TRUE(Form().ShellTreeView01->setPath(Root + "b"));
    ASSERT_EQ(Form().OrdnerStringGrid01->RowCount(), 2);
    EXPECT_EQ(Form().OrdnerStringGrid01->Cells(0, 1), "inner");
}

// The text the chart draws as its title, as opposed to the title it was given.
QStringList ShownTexts(QChartView *view)
{
    QStringList texts;
    for (QGraphicsItem *item : view->scene()->items())
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->isVisible())
            texts.append(text->toPlainText());
    return texts;
}

TEST_F(FolderViews, TheChartTitleIsDrawnInTheChosenLanguage)
{
    SubFolder("a", 1 << 20);
    SubFolder("b", 2 << 20);
    THauptForm &f = Form();
    f.resize(1024, 768);
    f.show();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    f.HMenuAnsichtOrdnerFuellClick();
    QApplication::processEvents();
    EXPECT_TRUE(ShownTexts(f.OrdnerChart01).contains(LoadLangString(2012)));
    Sprache = 10000;
    LanguageIndex = 1;
    ApplyLanguageCaptions();
    QApplication::processEvents();
    EXPECT_NE(LoadLangString(2012), "");
    EXPECT_TRUE(ShownTexts(f.OrdnerChart01).contains(LoadLangString(2012)))
        << ShownTexts(f.OrdnerChart01).join('|').toStdString();
}

// Pictures of the statistics of 25 sub-folders and of the rule pages of the folder
// rename sub-view, in German and English, for a look.
TEST_F(FolderViews, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_FOLDER_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_FOLDER_SCREENSHOTS=<folder> to save pictures of the folder views";
    for (int k = 1; k <= 25; ++k)
        SubFolder(QString("Ordner %1").arg(k, 2, 10, QChar('0')), std::int64_t(k) * k * (1 << 20));
    THauptForm &f = Form();
    f.setWindowState(Qt::WindowNoState);
    f.resize(1280, 900);
    f.show();
    ASSERT_TRUE(f.ShellTreeView01->setPath(Root));
    for (int language : {0, 10000}) {
        Sprache = language;
        LanguageIndex = language ? 1 : 0;
        ApplyLanguageCaptions();
        const QString suffix = language ? "_en" : "_de";
        f.HMenuAnsichtOrdnerFuellClick();
        QApplication::processEvents();
        EXPECT_EQ(f.OrdnerChart01->chart()->title(), LoadLangString(2012));
        ASSERT_TRUE(f.grab().save(folder + "/statistics" + suffix + ".png"));
        ASSERT_TRUE(f.OrdnerScrollBox01->widget()->grab().save(folder + "/statistics_page" + suffix + ".png"));

        f.PageControl->setCurrentWidget(f.TabSheet04);
        f.OrdnerUmbenennen->click();
        for (int rule = 0; rule < 5; ++rule) {
            f.RadioGroupOrdU1->setItemIndex(rule);
            QApplication::processEvents();
            ASSERT_TRUE(f.PageControl->grab().save(folder + QStringLiteral("/folder_rule%1%2.png").arg(rule).arg(suffix)));
        }
        f.Ordnerbaeume->click();
        f.PageControl->setCurrentWidget(f.TabSheet01);
    }
}

} // namespace
