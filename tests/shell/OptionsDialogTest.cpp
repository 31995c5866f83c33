// The options dialog: shown from the File menu, its OK with the start-value check, the
// own extensions and filters, the textures and the 26 settings; the plug-in list on disk
// and the folder context-menu entry in the test's own XDG folders.

#include "shell/frmOptionen.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/KontextMenu.h"
#include "shell/frmThumbHint.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray StoreBytes()
{
    return fs::readFile(TRegistry::StoreFileName()).value_or("<missing>");
}

QString TestFolder(const QString &Name)
{
    const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + u'/' + Name + u'/';
    QDir().mkpath(folder);
    return folder;
}

class OptionsDialog : public testing::Test {
protected:
    void SetUp() override
    {
        window_.Create();
        ProgramDir = TestFolder(QStringLiteral("program")); // the plug-in list is written here
        dialog_ = std::make_unique<TOptionenF>();
    }
    void TearDown() override
    {
        dialog_.reset();
        window_.reset();
    }

    // Shows the dialog from the File menu; Edit changes its controls, then OK is pressed.
    int ShowAndConfirm(const std::function<void(TOptionenF &)> &Edit, bool Confirm = true)
    {
        ScriptedModals modals;
        int result = -1;
        modals.answerWith([&](QDialog &, const ModalRecord &record) {
            EXPECT_EQ(record.kind, "Options");
            Edit(*dialog_);
            (Confirm ? dialog_->BitBtn1 : dialog_->BitBtn2)->click();
            result = dialog_->result();
            return result;
        });
        window_->HMenuDateiOptionen->trigger();
        EXPECT_EQ(modals.pending(), 0u);
        return result;
    }

    MainWindowFixture window_;
    std::unique_ptr<TOptionenF> dialog_;
};

TEST_F(OptionsDialog, ShowsTheSettingsInTheChosenLanguageAndAbortKeepsTheStore)
{
    Sprache = 10000;
    Startwert = 42;
    Datum = 1;
    Protokolldatei = QStringLiteral("log.txt");
    OwnFilters = {QStringLiteral("*.jpg;*.gif")};
    WriteOptionsSettings();
    const QByteArray before = StoreBytes();
    ScriptedModals modals;
    modals.answerWith([&](QDialog &, const ModalRecord &record) {
        EXPECT_EQ(record.caption, "Options");
        EXPECT_EQ(record.buttons, (QStringList{"&OK", "&Abort"}));
        EXPECT_EQ(dialog_->EditStartWert->text(), "42");
        EXPECT_EQ(dialog_->OptRadioGroup1->ItemIndex(), 1);
        EXPECT_EQ(dialog_->Edit04->text(), "log.txt");
        EXPECT_EQ(dialog_->OptMemo2->toPlainText(), "*.jpg;*.gif\n\n\n\n");
        EXPECT_EQ(dialog_->HL.RadioButton[6]->text(), "Own Texture");
        dialog_->EditStartWert->setText(QStringLiteral("7"));
        dialog_->BitBtn2->click();
        return dialog_->result();
    });
    window_->TB01Optionen->click();
    EXPECT_EQ(modals.pending(), 0u);
    EXPECT_EQ(Startwert, 42);
    EXPECT_EQ(StoreBytes(), before);
}

TEST_F(OptionsDialog, OwnFiltersAndExtensions)
{
    ASSERT_EQ(ShowAndConfirm([](TOptionenF &f) {
                  f.OptMemo2->setPlainText(QStringLiteral("*.jpg; *.gif\n\n*.txt"));
                  QStringList lines{QStringLiteral("*.abc"), QStringLiteral("*.de")};
                  for (int i = 0; i < 11; ++i)
                      lines << QStringLiteral("*.long%1xyz").arg(i);
                  f.OptMemo1->setPlainText(lines.join(u'\n'));
              }),
              mrOk);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("FilterEinst")), "*.jpg;*.gif*.txt");
    EXPECT_EQ(FilterString, "|*.jpg;*.gif|*.jpg;*.gif|*.txt|*.txt|");
    const QComboBox *box = window_->FilterComboBox01;
    EXPECT_EQ(box->itemText(box->count() - 2), "*.jpg;*.gif");
    EXPECT_EQ(box->itemText(box->count() - 1), "*.txt");
    EXPECT_EQ(reg.ReadString(QStringLiteral("Dateiendungen")),
              "*.abc*.de*.long0*.long1*.long2*.long3*.long4*.long5*.long6*.long7");
    EXPECT_EQ(OwnExtensions[9], "*.long7");

    // A line of blanks only: the built-in list stays alone.
    const int builtin = int(BuiltinFilterList.count(u'|') + 1) / 2;
    ASSERT_EQ(ShowAndConfirm([](TOptionenF &f) { f.OptMemo2->setPlainText(QStringLiteral("   \n | ")); }), mrOk);
    EXPECT_EQ(window_->FilterComboBox01->count(), builtin);
    EXPECT_TRUE(FilterString.isEmpty());
    EXPECT_TRUE(FilterEinst.isEmpty());
}

TEST_F(OptionsDialog, StartValueThatIsNoIntegerTakesNothingOver)
{
    WriteOptionsSettings();
    for (const char *value : {"", "2147483648"}) {
        SCOPED_TRACE(value);
        const QByteArray before = StoreBytes();
        const int result = ShowAndConfirm([&](TOptionenF &f) {
            f.Edit04->setText(QStringLiteral("other.txt"));
            f.EditStartWert->setText(QString::fromLatin1(value));
        });
        EXPECT_NE(result, mrOk); // still open
        EXPECT_EQ(Protokolldatei, "Protokoll.txt");
        EXPECT_EQ(StoreBytes(), before);
    }
    ASSERT_EQ(ShowAndConfirm([](TOptionenF &f) { f.EditStartWert->setText(QStringLiteral("2147483647")); }), mrOk);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Startwert")), 2147483647);
}

TEST_F(OptionsDialog, OwnTextureWithoutPictureLeavesThatListPlainAndGoesOn)
{
    SLVTexturPfad01.clear();
    ASSERT_EQ(ShowAndConfirm([](TOptionenF &f) {
                  f.HL.RadioButton[6]->setChecked(true);
                  f.HR.RadioButton[5]->setChecked(true);
              }),
              mrOk);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("SLVTextur01")), 0);
    EXPECT_FALSE(reg.ReadBool(QStringLiteral("SLVBackground01")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("SLVTextur02")), 5);
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("SLVBackground02")));
    EXPECT_FALSE(window_->ListTextureBitmap02.isNull());
    EXPECT_TRUE(window_->ListTextureBitmap01.isNull());
}

TEST_F(OptionsDialog, OkStoresItsSettingsAndLeavesTheOthers)
{
    StoreSettings([](TRegistry &reg) {
        reg.WriteBool(QStringLiteral("Sprachwahl"), false);
        reg.WriteInteger(QStringLiteral("ThumbsBreite"), 321);
        reg.WriteString(QStringLiteral("Explorer01aLinks"), QStringLiteral("wrong type"));
    });
    const QString start = qEnvironmentVariable("HOME") + "/start"; // the test's own folder
    ASSERT_TRUE(QDir().mkpath(start));
    ASSERT_EQ(ShowAndConfirm([&](TOptionenF &f) {
                  f.Edit01->setText(start);
                  f.Edit02->clear();
                  f.Edit03->setText(QStringLiteral("~/work"));
                  f.OptRadioGroup2->setItemIndex(1);
                  f.RGOrdnerFuellstand->setItemIndex(0);
                  f.CBVersteckt->setChecked(true);
                  f.OptionenTrackBar01->setValue(100);
              }),
              mrOk);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("StartverzeichnisLinks")), start + "/");
    EXPECT_EQ(reg.ReadString(QStringLiteral("StartverzeichnisRechts")), "");
    EXPECT_EQ(reg.ReadString(QStringLiteral("Arbeitsverzeichnis")), qEnvironmentVariable("HOME") + "/work/");
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Zeit")), 1);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("TortenFarbe")), 0);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("ThumbTransparenz")), 100);
    EXPECT_TRUE(reg.ReadBool(QStringLiteral("VerstecktAnzeigen")));
    EXPECT_FALSE(reg.ReadBool(QStringLiteral("Sprachwahl")));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("ThumbsBreite")), 321);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Explorer01aLinks")), "wrong type");
    EXPECT_TRUE(window_->ShellListView01->ObjectTypes() & otHidden);

    // After a restart the dialog shows what was stored.
    Zeit = 0;
    TortenFarbe = 2;
    ReadSettings();
    ScriptedModals modals;
    modals.answerWith([&](QDialog &, const ModalRecord &) {
        EXPECT_EQ(dialog_->OptRadioGroup2->ItemIndex(), 1);
        EXPECT_EQ(dialog_->RGOrdnerFuellstand->ItemIndex(), 0);
        EXPECT_EQ(dialog_->OptionenTrackBar01->value(), 100);
        EXPECT_EQ(dialog_->Edit01->text(), start + "/");
        return int(mrCancel);
    });
    dialog_->ShowModal();
}

TEST_F(OptionsDialog, OkGivesTheHintItsOpacity)
{
    TThumbForm hint;
    ASSERT_EQ(ShowAndConfirm([](TOptionenF &f) { f.OptionenTrackBar01->setValue(51); }), mrOk);
    EXPECT_NEAR(hint.windowOpacity(), 0.2, 0.01);
}

TEST_F(OptionsDialog, FolderButtons)
{
    dialog_->Edit01->setText(QStringLiteral("/keep/"));
    ScriptedModals modals;
    modals.answer(mrAbort);
    dialog_->SpeedButton01->click();
    EXPECT_EQ(dialog_->Edit01->text(), "/keep/");
    modals.answer(mrNo);
    dialog_->SpeedButton01->click();
    EXPECT_EQ(dialog_->Edit01->text(), "");
    ASSERT_EQ(modals.shown().size(), 2u);
    EXPECT_EQ(modals.shown()[0].kind, "SelectDirectory");
}

TEST_F(OptionsDialog, PictureDialogInEnglish)
{
    Sprache = 10000;
    const QString folder = TestFolder(QStringLiteral("pictures"));
    ASSERT_TRUE(fs::writeFileAtomic(folder + "PIC.JPG", "x"));
    ASSERT_TRUE(fs::writeFileAtomic(folder + "note.txt", "x"));
    SLVTexturPfad01 = folder + "PIC.JPG";
    ScriptedModals modals;
    modals.answerWith([&](QDialog &dialog, const ModalRecord &record) {
        auto &files = static_cast<QFileDialog &>(dialog);
        EXPECT_EQ(record.kind, "OpenFile");
        EXPECT_EQ(files.labelText(QFileDialog::Accept), "OK");
        EXPECT_EQ(files.labelText(QFileDialog::Reject), "Abort");
        EXPECT_EQ(files.labelText(QFileDialog::FileType), "File-Type");
        EXPECT_EQ(files.labelText(QFileDialog::FileName), "Filename");
        EXPECT_EQ(files.labelText(QFileDialog::LookIn), "Search in:");
        EXPECT_TRUE(files.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(files.selectedFiles(), QStringList{folder + "PIC.JPG"});
        // The filter offers the upper-case name, not the text file.
        const QStringList patterns = files.nameFilters().constFirst().section(u'(', 2).chopped(1).split(u' ');
        EXPECT_TRUE(QDir::match(patterns, QStringLiteral("PIC.JPG")));
        EXPECT_FALSE(QDir::match(patterns, QStringLiteral("note.txt")));
        return int(QDialog::Accepted);
    });
    dialog_->HL.SpeedButton01->click();
    EXPECT_EQ(dialog_->HL.Edit01->text(), folder + "PIC.JPG");
}

TEST_F(OptionsDialog, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_OPTIONS_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_OPTIONS_SCREENSHOTS=<folder> to save the three pages in German and English";
    for (int language : {0, 1}) {
        Sprache = 10000 * language;
        ScriptedModals modals;
        modals.answerWith([&](QDialog &, const ModalRecord &) {
            for (int page = 0; page < 3; ++page) {
                dialog_->OptionenPageControl->setCurrentIndex(page);
                EXPECT_TRUE(dialog_->grab().save(QDir(folder).filePath(QStringLiteral("options%1-%2.png")
                                                                            .arg(language ? "en" : "de")
                                                                            .arg(page + 1))));
            }
            return int(mrCancel);
        });
        dialog_->ShowModal();
    }
    ScriptedModals modals;
    modals.answerWith([&](QDialog &dialog, const ModalRecord &) {
        dialog.show();
        EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath(QStringLiteral("picture-dialog.png"))));
        return int(QDialog::Rejected);
    });
    dialog_->HL.SpeedButton01->click();
}

// ---- Plug-in list ----

TEST_F(OptionsDialog, PluginListOnDisk)
{
    QComboBox *box = window_->DatUmbComboBox03;
    box->setEditText(QStringLiteral("old"));
    for (const char *name : {"zeta.so", "alpha.so", "Alpha.so", "readme.txt"})
        ASSERT_TRUE(fs::writeFileAtomic(ProgramDir + name, "x"));
    const QString list = ProgramDir + "DLL_Liste.txt";
    ScriptedModals modals;
    modals.answerWith([&](QDialog &, const ModalRecord &) {
        QListWidget *files = dialog_->FileListBox_Opt1;
        EXPECT_EQ(files->count(), 3); // the plug-ins only
        const auto add = [&](const QString &name) {
            files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
            dialog_->BitBtnOpt01->click();
        };
        add(QStringLiteral("zeta.so"));
        add(QStringLiteral("alpha.so"));
        EXPECT_EQ(fs::readFile(list), "alpha.so\r\nzeta.so\r\n");
        EXPECT_EQ(box->count(), 2);
        EXPECT_EQ(box->currentText(), "");
        const auto stamp = fs::readFile(list);
        add(QStringLiteral("alpha.so"));
        EXPECT_EQ(fs::readFile(list), stamp);
        add(QStringLiteral("Alpha.so"));
        EXPECT_EQ(fs::readFile(list), "Alpha.so\r\nalpha.so\r\nzeta.so\r\n"); // then by code point
        dialog_->ListBoxOptionen01->item(0)->setSelected(true);
        dialog_->ListBoxOptionen01->item(2)->setSelected(true);
        dialog_->BitBtnOpt02->click();
        EXPECT_EQ(fs::readFile(list), "alpha.so\r\n");
        return int(mrCancel);
    });
    dialog_->ShowModal();
}

TEST_F(OptionsDialog, PluginListLoadsLfFilesSortedAndFallsBackToTheDataFolder)
{
    ASSERT_TRUE(fs::writeFileAtomic(ProgramDir + "DLL_Liste.txt", "b.so\nA.so\na.so\n"));
    dialog_->LoadDllList();
    ASSERT_EQ(dialog_->ListBoxOptionen01->count(), 3);
    EXPECT_EQ(dialog_->ListBoxOptionen01->item(0)->text(), "A.so");
    EXPECT_EQ(dialog_->ListBoxOptionen01->item(2)->text(), "b.so");

    ProgramDir = QStringLiteral("/nonexistent/program/");
    dialog_->SaveDllList();
    EXPECT_TRUE(fs::isRegularFile(qEnvironmentVariable("XDG_DATA_HOME") + "/Wexmoor/CorvexPro/DLL_Liste.txt"));
}

// ---- Folder context-menu entry ----

QString ApplicationsEntry()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + "/applications/corvexpro-folder.desktop";
}

QString ServiceMenuEntry()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + "/kio/servicemenus/corvexpro-folder.desktop";
}

// A file manager that the desktop opens folders with, in system folders of the test.
void InstallFolderOpener()
{
    const QString system = TestFolder(QStringLiteral("system"));
    QDir().mkpath(system + "applications");
    ASSERT_TRUE(fs::writeFileAtomic(system + "applications/files.desktop",
                                    "[Desktop Entry]\nType=Application\nName=Files\nExec=true %U\n"
                                    "MimeType=inode/directory;\n"));
    ASSERT_TRUE(fs::writeFileAtomic(qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list",
                                    "[Default Applications]\ninode/directory=files.desktop\n"));
    qputenv("XDG_DATA_DIRS", system.toUtf8());
}

TEST(FolderContextEntry, WrittenInDesktopEntryForm)
{
    InstallFolderOpener();
    Sprache = 0;
    ASSERT_TRUE(CreateFolderContextEntry(QStringLiteral("/opt/My Apps/cor%vex"), LoadLangString(710)));
    const QString entry = QString::fromUtf8(fs::readFile(ApplicationsEntry()).value_or(""));
    EXPECT_TRUE(entry.contains("\nName=Corvex Pro starten\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/My Apps/cor%%vex\" %f\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=inode/directory;\n"));
    EXPECT_TRUE(entry.contains("\nNoDisplay=true\n"));
    const QString menu = QString::fromUtf8(fs::readFile(ServiceMenuEntry()).value_or(""));
    EXPECT_TRUE(menu.contains("Type=Service\n"));
    EXPECT_TRUE(menu.contains("\nExec=\"/opt/My Apps/cor%%vex\" %f\n"));
    struct stat info{};
    ASSERT_EQ(stat(ApplicationsEntry().toUtf8().constData(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR);
    EXPECT_EQ(FolderEntryExec(QStringLiteral("/a\"b$c\\d")), "\"/a\\\\\"b\\\\$c\\\\\\\\d\" %f");

    // desktop-file-utils comes with scripts/install-deps.
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    ASSERT_FALSE(validator.isEmpty());
    QProcess check;
    check.start(validator, {ApplicationsEntry()});
    ASSERT_TRUE(check.waitForFinished());
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    EXPECT_EQ(check.readAllStandardOutput(), "");
}

TEST(FolderContextEntry, OnlyTheServiceMenuWithoutAFolderOpener)
{
    qputenv("XDG_DATA_DIRS", TestFolder(QStringLiteral("empty")).toUtf8());
    ASSERT_TRUE(CreateFolderContextEntry(QStringLiteral("/usr/bin/corvexpro"), QStringLiteral("Corvex Pro")));
    EXPECT_TRUE(fs::exists(ServiceMenuEntry()));
    EXPECT_FALSE(fs::exists(ApplicationsEntry()));
}

TEST_F(OptionsDialog, ContextEntryFollowsTheBoxWhateverTheLanguage)
{
    InstallFolderOpener();
    Sprache = 0;
    Kontextmenu = 1;
    ScriptedModals modals;
    modals.answer(mrCancel);
    dialog_->ShowModal(); // the show sets the box, which creates the entry
    EXPECT_TRUE(dialog_->KontextMenuCB->isChecked());
    EXPECT_TRUE(fs::exists(ApplicationsEntry()));
    EXPECT_TRUE(fs::exists(ServiceMenuEntry()));
    Sprache = 10000;
    dialog_->KontextMenuCB->setChecked(false);
    EXPECT_FALSE(fs::exists(ApplicationsEntry()));
    EXPECT_FALSE(fs::exists(ServiceMenuEntry()));

    // The applications folder is a plain file: nothing stays behind, the box unticked.
    ASSERT_TRUE(fs::removeEmptyFolder(qEnvironmentVariable("XDG_DATA_HOME") + "/applications"));
    ASSERT_TRUE(fs::writeFileAtomic(qEnvironmentVariable("XDG_DATA_HOME") + "/applications", "x"));
    dialog_->KontextMenuCB->setChecked(true);
    EXPECT_FALSE(dialog_->KontextMenuCB->isChecked());
    EXPECT_FALSE(fs::exists(ServiceMenuEntry()));
}

} // namespace
