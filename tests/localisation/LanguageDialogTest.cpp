// The language dialog: its texts, OK with the language state and the settings store,
// closing without change, the start with and without the dialog, and unattended runs.

#include "localisation/frmSprache.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/Application.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

QByteArray StoreBytes()
{
    return fs::readFile(TRegistry::StoreFileName()).value_or("<missing>");
}

// The user's part: picks language Item (-1: none), sets the check box, then closes
// the dialog by Close.
using Closer = std::function<void(TSpracheF &)>;
ScriptedModals::Answer Choose(int item, bool showAtStart, Closer close)
{
    return [=](QDialog &dialog, const ModalRecord &) {
        auto &form = static_cast<TSpracheF &>(dialog);
        if (item >= 0)
            form.RadioGroup1->findChild<QRadioButton *>(QStringLiteral("RadioGroup1_%1").arg(item))->click();
        form.CheckBox1->setChecked(showAtStart);
        close(form);
        return form.result();
    };
}

const Closer PressOK = [](TSpracheF &f) { f.BitBtn1->click(); };

class LanguageDialog : public testing::Test {
protected:
    void SetUp() override
    {
        Sprache = 0;
        LanguageIndex = 0;
        Sprachwahl = 1;
        CommandFileName.clear();
        Arbeitsverzeichnis.clear();
        Protokolldatei.clear();
        SetProgramArguments(1, nullptr);
    }

    void TearDown() override
    {
        dialog_.reset();
        main_.reset();
        Sprache = 0;
        LanguageIndex = 0;
        Sprachwahl = 1;
        TApplication::setExceptionHandler({});
    }

    // The start: the main window (it reads the settings), then the language dialog.
    void Start()
    {
        dialog_.reset();
        main_ = std::make_unique<THauptForm>();
        dialog_ = std::make_unique<TSpracheF>();
    }

    // The dialog alone, as the File menu opens it later.
    TSpracheF &Dialog()
    {
        const std::uint8_t keep = Sprachwahl;
        Sprachwahl = 0;
        dialog_ = std::make_unique<TSpracheF>();
        Sprachwahl = keep;
        return *dialog_;
    }

    ScriptedModals modals_;
    std::unique_ptr<THauptForm> main_;
    std::unique_ptr<TSpracheF> dialog_;
};

TEST_F(LanguageDialog, ShowsItsTextsInTheChosenLanguage)
{
    struct Case {
        int sprache;
        const char *caption, *abort, *check;
        int selected;
    };
    for (const Case c : {Case{0, "Sprache auswählen", "&Abbrechen", "bei jedem Start anzeigen", 0},
                         Case{10000, "Select language", "&Abort", "Show at each start of program", 1},
                         Case{40000, "Choisissez la langue", "&Arrêt", "afficher à chaque démarrage", 4}}) {
        Sprache = c.sprache;
        SetLanguageIndexFromSprache();
        TSpracheF &form = Dialog();
        modals_.answerWith([&](QDialog &, const ModalRecord &rec) {
            EXPECT_EQ(Str(rec.kind), "Language");
            EXPECT_EQ(Str(rec.caption), c.caption);
            EXPECT_EQ(rec.buttons, QStringList({"&OK", QString::fromUtf8(c.abort)}));
            EXPECT_EQ(Str(form.windowTitle()), c.caption);
            EXPECT_EQ(Str(form.BitBtn1->text()), "&OK");
            EXPECT_EQ(Str(form.BitBtn2->text()), c.abort);
            EXPECT_EQ(Str(form.CheckBox1->text()), c.check);
            EXPECT_TRUE(form.CheckBox1->isChecked());
            EXPECT_EQ(form.RadioGroup1->ItemIndex(), c.selected);
            return int(mrCancel);
        });
        form.ShowModal();
    }

    // The group, its items and the flag hints are the same in every language.
    TSpracheF &form = *dialog_;
    EXPECT_EQ(Str(form.RadioGroup1->title()), "Sprache / Language");
    EXPECT_EQ(form.RadioGroup1->Items(),
              QStringList({"deutsch", "english", "dutch", "spanish", "french (beta)"}));
    QStringList hints;
    for (QLabel *image : {form.Image1, form.Image2, form.Image3, form.Image4, form.Image5, form.Image6}) {
        hints << image->toolTip();
        EXPECT_EQ(image->size(), QSize(32, 32));
        EXPECT_FALSE(image->pixmap().isNull());
    }
    EXPECT_EQ(hints, QStringList({"Sprache: deutsch", "Language: english", "Language: english",
                                  "Language: dutch", "Language: spanish", QString::fromUtf8("Langue : français")}));
    EXPECT_EQ(form.size(), QSize(292, 313));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);

    // A Sprache that is none of the five offsets leaves the selection as it was.
    Sprache = 12345;
    Sprachwahl = 0;
    modals_.answerWith([&](QDialog &, const ModalRecord &) {
        EXPECT_EQ(form.RadioGroup1->ItemIndex(), 4);
        EXPECT_FALSE(form.CheckBox1->isChecked());
        return int(mrCancel);
    });
    form.ShowModal();
}

TEST_F(LanguageDialog, FrenchAndOkChangeTheLanguageAndStoreFourValues)
{
    StoreSettings([](TRegistry &reg) {
        reg.WriteInteger("Sprache", 10000);
        reg.WriteInteger("Datum", 1);
    });
    modals_.answerWith(Choose(4, true, PressOK)); // shown at start: Sprachwahl is on by default
    Start();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Str(modals_.shown()[0].caption), "Select language");
    EXPECT_TRUE(dialog_->isHidden());

    EXPECT_EQ(Sprache, 40000);
    EXPECT_EQ(LanguageIndex, 4);
    EXPECT_EQ(Str(main_->windowTitle()), "Corvex Pro V1.52 (Version : 11.04.2003)");
    modals_.answer(mrYes);
    MessageDlg("?", mtConfirmation, mbYesNo, 0, LanguageName());
    EXPECT_EQ(modals_.shown().back().buttons, QStringList({"&Oui", "&Non"}));

    // The four values come from the current state; the others stay.
    Arbeitsverzeichnis = QStringLiteral("/srv/arbeit/");
    Protokolldatei = QStringLiteral("Protokoll.txt");
    modals_.answerWith(Choose(-1, false, PressOK));
    dialog_->ShowModal();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(Str(reg.ReadString("Arbeitsverzeichnis")), "/srv/arbeit/");
    EXPECT_EQ(Str(reg.ReadString("Protokolldatei")), "Protokoll.txt");
    EXPECT_EQ(reg.ReadInteger("Sprache"), 40000);
    EXPECT_EQ(reg.GetValue("Sprachwahl")->Type, REG_DWORD);
    EXPECT_FALSE(reg.ReadBool("Sprachwahl"));
    EXPECT_EQ(reg.ReadInteger("Datum"), 1);
}

TEST_F(LanguageDialog, AbortEscAndTheFrameChangeNothing)
{
    StoreSettings([](TRegistry &reg) {
        reg.WriteInteger("Sprache", 10000);
        reg.WriteBool("Sprachwahl", true);
    });
    const QByteArray before = StoreBytes();
    Sprache = 10000;
    SetLanguageIndexFromSprache();
    TSpracheF &form = Dialog();
    EXPECT_EQ(form.PM_FensterSchliessen->shortcut(), QKeySequence(Qt::Key_Escape));

    const std::pair<const char *, Closer> ways[] = {
        {"Abort", [](TSpracheF &f) { f.BitBtn2->click(); }},
        {"Esc",
         [](TSpracheF &f) {
             // A real key press: the window's shortcut, not the dialog's own Esc handling.
             f.show();
             QApplication::setActiveWindow(&f);
             ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
             QTest::keyClick(f.RadioGroup1->findChild<QRadioButton *>(), Qt::Key_Escape);
         }},
        {"frame", [](TSpracheF &f) {
             f.show();
             f.close();
         }}};
    for (const auto &[name, close] : ways) {
        int closedBy = 0;
        const QObject counter;
        QObject::connect(form.PM_FensterSchliessen, &QAction::triggered, &counter, [&] { ++closedBy; });
        modals_.answerWith(Choose(4, false, close));
        form.ShowModal();
        EXPECT_FALSE(form.isVisible()) << name;
        EXPECT_EQ(closedBy, std::string(name) == "Esc" ? 1 : 0) << name;
        EXPECT_EQ(Sprache, 10000) << name;
        EXPECT_EQ(LanguageIndex, 1) << name;
        EXPECT_EQ(Sprachwahl, 1) << name;
        EXPECT_EQ(StoreBytes(), before) << name;
    }
}

TEST_F(LanguageDialog, OkClosesAlsoWhenTheSettingsCannotBeStored)
{
    const QString file = TRegistry::StoreFileName();
    const QString folder = file.left(file.lastIndexOf('/'));
    ASSERT_TRUE(fs::createFolders(folder.left(folder.lastIndexOf('/'))));
    ASSERT_TRUE(fs::writeFileAtomic(folder, "not a folder")); // the store's folder cannot be made
    std::vector<std::exception_ptr> errors;
    TApplication::setExceptionHandler([&](std::exception_ptr e) { errors.push_back(e); });

    TSpracheF &form = Dialog();
    modals_.answerWith([&](QDialog &, const ModalRecord &) {
        form.show();
        form.RadioGroup1->setItemIndex(1);
        form.BitBtn1->click();
        EXPECT_FALSE(form.isVisible());
        return form.result();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    // The language holds for the run; the failure went to the application's handler.
    EXPECT_EQ(Sprache, 10000);
    EXPECT_EQ(LanguageIndex, 1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_THROW(std::rethrow_exception(errors[0]), ERegistryException);
    EXPECT_EQ(fs::readFile(folder).value_or(""), "not a folder");
}

TEST_F(LanguageDialog, UntickedAndOkTheNextStartShowsNoDialog)
{
    modals_.answerWith(Choose(1, false, PressOK));
    Start();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Str(modals_.shown()[0].caption), "Sprache auswählen");

    // The next start reads the settings anew.
    Sprache = 0;
    Sprachwahl = 1;
    Start();
    EXPECT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Sprache, 10000);
    EXPECT_EQ(Sprachwahl, 0);
    EXPECT_EQ(Str(main_->windowTitle()), "Corvex Pro V1.52 (Release: 11.04.2003)");
}

TEST_F(LanguageDialog, CentredOnTheMainWindowOnceItIsShown)
{
    StoreSettings([](TRegistry &reg) { reg.WriteBool("Sprachwahl", false); });
    Start();
    QPoint centre;
    modals_.answerWith([&](QDialog &d, const ModalRecord &) {
        centre = d.geometry().center();
        return int(mrCancel);
    });
    dialog_->ShowModal();
    const QRect screen = dialog_->screen()->availableGeometry();
    EXPECT_LE((centre - screen.center()).manhattanLength(), 2);

    main_->setWindowState(Qt::WindowNoState);
    main_->setGeometry(300, 200, 900, 700);
    main_->show();
    modals_.answerWith([&](QDialog &d, const ModalRecord &) {
        centre = d.geometry().center();
        return int(mrCancel);
    });
    dialog_->ShowModal();
    EXPECT_LE((centre - main_->frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(LanguageDialog, TheFileMenuOpensItButNotDuringABatch)
{
    StoreSettings([](TRegistry &reg) { reg.WriteBool("Sprachwahl", false); });
    Start();
    EXPECT_TRUE(modals_.shown().empty());
    modals_.answer(mrCancel);
    main_->HMenuDateiSpracheClick();
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Str(modals_.shown()[0].kind), "Language");

    const BatchGuard batch; // a batch letting the message loop run
    ASSERT_TRUE(batch.Entered());
    main_->HMenuDateiSpracheClick();
    EXPECT_EQ(modals_.shown().size(), 1u);
}

// Saves pictures of the dialog in English and French when CORVEX_SCREENSHOT names a
// PNG file ("-english" and "-french" are added to its name).
TEST_F(LanguageDialog, Screenshot)
{
    const QString file = qEnvironmentVariable("CORVEX_SCREENSHOT");
    if (file.isEmpty())
        GTEST_SKIP() << "set CORVEX_SCREENSHOT=<file.png> to save pictures of the language dialog";
    TSpracheF &form = Dialog();
    for (const auto &[sprache, name] : {std::pair{10000, "-english"}, std::pair{40000, "-french"}}) {
        Sprache = sprache;
        SetLanguageIndexFromSprache();
        modals_.answerWith([&](QDialog &d, const ModalRecord &) {
            d.show();
            QApplication::processEvents();
            QString target = file;
            EXPECT_TRUE(d.grab().save(target.replace(".png", QLatin1String(name) + ".png")));
            return int(mrCancel);
        });
        form.ShowModal();
    }
}

// ---- The real program ----

class LanguageDialogRun : public testing::Test {
protected:
    void SetUp() override
    {
        modalLog_ = QString::fromLocal8Bit(qgetenv("HOME")) + "/modal.log";
        StoreSettings([](TRegistry &reg) { reg.WriteBool("Sprachwahl", true); });
        settings_ = StoreBytes();
    }
    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(10000);
        }
    }

    void StartProgram(const QStringList &arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(name));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("CORVEX_MODAL_LOG", modalLog_);
        program_.setProcessEnvironment(env);
        program_.start(qEnvironmentVariable("CORVEX_PROGRAM"), arguments);
        ASSERT_TRUE(program_.waitForStarted(10000)) << "CORVEX_PROGRAM cannot be started";
    }

    QList<QJsonObject> ShownBoxes() const { return LoggedBoxes(modalLog_); }

    QString modalLog_;
    QByteArray settings_;
    QProcess program_;
};

TEST_F(LanguageDialogRun, CommandFileRunShowsNoDialog)
{
    const QString commandFile = QString::fromLocal8Bit(qgetenv("HOME")) + "/command.txt";
    ASSERT_TRUE(fs::writeFileAtomic(commandFile, {}));
    StartProgram({"/R:" + commandFile});
    ASSERT_TRUE(program_.waitForFinished(60000)) << "the command-file run did not end";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0) << program_.readAllStandardError().toStdString();
    EXPECT_TRUE(ShownBoxes().isEmpty());
    EXPECT_EQ(StoreBytes(), settings_);
}

TEST_F(LanguageDialogRun, NormalStartShowsTheDialog)
{
    StartProgram({});
    QDeadlineTimer deadline(60000);
    while (ShownBoxes().isEmpty() && !deadline.hasExpired() && program_.state() == QProcess::Running)
        QThread::msleep(50);
    const QList<QJsonObject> boxes = ShownBoxes();
    ASSERT_EQ(boxes.size(), 1) << program_.readAllStandardError().toStdString();
    EXPECT_EQ(Str(boxes[0]["kind"].toString()), "Language");
    EXPECT_EQ(Str(boxes[0]["caption"].toString()), "Sprache auswählen");
    EXPECT_EQ(boxes[0]["buttons"].toVariant().toStringList(), QStringList({"&OK", "&Abbrechen"}));
    EXPECT_EQ(program_.state(), QProcess::Running);
}

} // namespace
