#pragma once
// A main window per test for the rename rules, road and preview, with the dialogs
// scripted and the rename module's globals reset.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktUmbenennen.h"
#include "platform/Abort.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class RenameFixture : public testing::Test {
protected:
    void SetUp() override
    {
        form_.Create();
        RenameTargetFolder.clear();
        RenameBaseFolder.clear();
        LastIndexValue = 0;
        Datum = 0;
    }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
    }

    THauptForm &Form() { return *form_; }

    // Runs a rule on a batch (both lists hold Entries, as after the preparation) and
    // returns the new names.
    QStringList Run(const std::function<void()> &Rule, const QStringList &Entries)
    {
        form_->AlteDateinamen = Entries;
        form_->NeueDateinamen = Entries;
        Rule();
        return form_->NeueDateinamen;
    }
    QString RunOne(const std::function<void()> &Rule, const QString &Entry) { return Run(Rule, {Entry}).value(0); }

    // Fn shows text Id (or the given text) as an information box with OK and raises
    // the silent abort.
    void ExpectMessageAndAbort(const std::function<void()> &Fn, int Id) { ExpectMessageAndAbort(Fn, LoadLangString(Id)); }
    void ExpectMessageAndAbort(const std::function<void()> &Fn, const QString &Text)
    {
        const size_t before = modals_.shown().size();
        modals_.answer(mrOk);
        EXPECT_THROW(Fn(), EAbort);
        ASSERT_EQ(modals_.shown().size(), before + 1);
        ExpectInformation(modals_.shown().back(), Text);
    }
    static void ExpectInformation(const ModalRecord &Record, const QString &Text)
    {
        EXPECT_EQ(Record.kind, QStringLiteral("MessageDlg"));
        EXPECT_EQ(Record.text, Text);
        EXPECT_EQ(Record.dlgType, mtInformation);
        EXPECT_EQ(Record.buttonSet, mbOKOnly);
    }

    ScriptedModals modals_;

private:
    MainWindowFixture form_;
};
