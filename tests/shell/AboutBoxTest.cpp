#include "components/Gfvcl.h"
#include "components/URLLabel.h"
#include "localisation/fktSprache.h"
#include "platform/toolkit/MenuItem.h"
#include "shell/Haupt.h"
#include "shell/Info.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class AboutBox : public testing::Test {
protected:
    void TearDown() override
    {
        Sprache = 0;
        SetLanguageIndexFromSprache();
    }
    void SetLanguage(int offset)
    {
        Sprache = offset;
        SetLanguageIndexFromSprache();
    }

    TInfoF box;
    ScriptedModals modals;
};

TEST_F(AboutBox, ShowsTheVersionTheLinksAndACloseButtonInTheLanguage)
{
    EXPECT_EQ(InfoF, &box);
    EXPECT_EQ(box.Label01->text().toStdString(), "Corvex Pro V1.52");
    EXPECT_EQ(box.size(), QSize(292, 186));
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(box.GradientFill1->geometry(), box.Panel1->rect().adjusted(2, 2, -2, -2));
    EXPECT_EQ(box.GradientFill1->BeginColor(), clWhite);
    EXPECT_EQ(box.GradientFill1->EndColor(), clSilver);
    EXPECT_EQ(box.GradientFill1->NumberOfColors(), 255);
    EXPECT_EQ(box.GradientFill1->FillDirection(), fdTopToBottom);
    EXPECT_EQ(box.URLLabel1->text().toStdString(), "Homepage");
    EXPECT_EQ(box.URLLabel1->URL.toStdString(), "https://wexmoor.example/corvexpro/");
    EXPECT_EQ(box.URLLabel2->text().toStdString(), "EMail");
    EXPECT_EQ(box.URLLabel2->URL.toStdString(), "mailto:corvexpro@wexmoor.example");
    for (TURLLabel *link : {box.URLLabel1, box.URLLabel2}) {
        EXPECT_EQ(link->ColorNormal, clBlack);
        EXPECT_EQ(link->ColorMoveOver, clBlack);
        EXPECT_EQ(link->FontColor(), QColor(Qt::black));
    }

    SetLanguage(10000);
    modals.answerWith([](QDialog &dialog, const ModalRecord &) {
        static_cast<TInfoF &>(dialog).BitBtn1->click();
        return dialog.result();
    });
    EXPECT_EQ(box.ShowModal(), QDialog::Accepted);
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].kind.toStdString(), "About");
    EXPECT_EQ(box.BitBtn1->text().toStdString(), "Close");

    SetLanguage(0);
    modals.answer(QDialog::Accepted);
    box.ShowModal();
    EXPECT_EQ(box.BitBtn1->text().toStdString(), "Schliessen");
    EXPECT_EQ(modals.shown().back().buttons, QStringList{"Schliessen"});
}

TEST_F(AboutBox, TheInfoItemAndItsToolButtonOpenIt)
{
    MainWindowFixture window;
    THauptForm &f = window.Create();
    modals.answer(QDialog::Accepted);
    f.HMenuInfoInfo->trigger();
    modals.answer(QDialog::Accepted);
    f.ToolButton2->click();
    ASSERT_EQ(modals.shown().size(), 2u);
    EXPECT_EQ(modals.shown()[0].kind.toStdString(), "About");
    EXPECT_EQ(modals.shown()[1].kind.toStdString(), "About");
}

// Saves the about box (CORVEX_ABOUT_PNG=<file>).
TEST_F(AboutBox, Screenshot)
{
    const QString path = qEnvironmentVariable("CORVEX_ABOUT_PNG");
    if (path.isEmpty())
        GTEST_SKIP() << "set CORVEX_ABOUT_PNG=<file> to save the about box";
    SetLanguage(10000);
    box.FormShow();
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_TRUE(box.grab().save(path));
}

} // namespace
