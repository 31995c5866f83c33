#pragma once
// The fixture of a test of the main window's pages: the window offscreen in German on
// fresh settings, a temporary folder Root (ending in "/"), and scripted dialogs. An
// answer scripted but never asked for fails the test.

#include "localisation/fktSprache.h"
#include "shell/Haupt.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class WindowPageTest : public testing::Test {
private:
    QTemporaryDir dir_; // outlives the window

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + u'/';
        Sprache = 0;
        LanguageIndex = 0;
        f = &window_.Create();
    }
    void TearDown() override
    {
        EXPECT_EQ(modals.pending(), 0u) << "a scripted answer was not asked for";
        window_.reset();
        Sprache = 0;
        LanguageIndex = 0;
    }

    QString Root;
    ScriptedModals modals;
    MainWindowFixture window_;
    THauptForm *f = nullptr;
};
