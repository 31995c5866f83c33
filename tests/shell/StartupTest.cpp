// Creating the main window: command line, caption, explorer start folders, tree-pane
// widths, and the window-wide handlers (wheel, dialog keys, hints).

#include "localisation/fktSprache.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "support/MainWindowFixture.h"
#include "support/StoredSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

class MainWindowStart : public testing::Test {
protected:
    void SetUp() override
    {
        for (QString *s : {&WindowsDir, &CurrentFolderLeft,
                           &CurrentFolderRight, &Arbeitsverzeichnis, &StartverzeichnisLinks,
                           &StartverzeichnisRechts, &Protokolldatei})
            s->clear();
        Sprache = 0;
        LanguageIndex = 0;
        SetProgramArguments(1, nullptr);
        ASSERT_TRUE(folder_.isValid());
    }

    void TearDown() override
    {
        form_.reset();
        SetProgramArguments(1, nullptr);
        // A command-file start asks the event loop to end; these tests run no loop.
        QCoreApplication::removePostedEvents(qApp, QEvent::MetaCall);
    }

    THauptForm &Create()
    {
        return form_.Create();
    }

    THauptForm &CreateWith(const QStringList &arguments)
    {
        std::vector<QByteArray> bytes{"corvexpro"};
        for (const QString &a : arguments)
            bytes.push_back(a.toUtf8());
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        SetProgramArguments(int(argv.size()), argv.data());
        return Create();
    }

    QString Folder(const QString &name) const
    {
        const QString path = folder_.path() + '/' + name;
        EXPECT_TRUE(fs::createFolders(path));
        return path;
    }

    QTemporaryDir folder_;
    MainWindowFixture form_;
};

} // namespace

TEST_F(MainWindowStart, CaptionInTheStoredLanguageAndMinimumSize)
{
    const std::pair<int, std::string> cases[] = {{0, "Corvex Pro V1.52 (Stand: 11.04.2003)"},
                                                 {10000, "Corvex Pro V1.52 (Release: 11.04.2003)"}};
    for (const auto &[language, caption] : cases) {
        StoreSettings([&](TRegistry &reg) { reg.WriteInteger("Sprache", language); });
        THauptForm &form = Create();
        EXPECT_EQ(Str(form.windowTitle()), caption);
        // At least 800 x 565; higher where the panes and the page control need it.
        EXPECT_EQ(form.minimumWidth(), 800);
        EXPECT_GE(form.minimumHeight(), 565);
        EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(MainWindowStart, EachTreeOpensItsStartFolderOrHome)
{
    const QString existing = Folder("start");
    const QString missing = folder_.path() + "/gone";
    const QString home = HomeFolder();
    const std::pair<QString, QString> cases[] = {{existing, missing}, {missing, existing}};
    for (const auto &[left, right] : cases) {
        StoreSettings([&](TRegistry &reg) {
            reg.WriteString("StartverzeichnisLinks", left);
            reg.WriteString("StartverzeichnisRechts", right);
        });
        THauptForm &form = Create();
        const auto shown = [&](const QString &folder) { return folder == existing ? existing : home.chopped(1); };
        const auto current = [&](const QString &folder) { return folder == existing ? existing + '/' : home; };
        EXPECT_EQ(Str(form.ShellTreeView01->Path()), Str(shown(left)));
        EXPECT_EQ(Str(form.ShellTreeView02->Path()), Str(shown(right)));
        EXPECT_EQ(Str(CurrentFolderLeft), Str(current(left)));
        EXPECT_EQ(Str(CurrentFolderRight), Str(current(right)));
    }
}

TEST_F(MainWindowStart, FirstArgumentIsAFolderOrACommandFile)
{
    const QString folder = Folder("arg");
    {
        THauptForm &form = CreateWith({folder});
        EXPECT_EQ(Str(CommandLineFolder), Str(folder));
        EXPECT_EQ(Str(form.ShellTreeView01->Path()), Str(folder));
        EXPECT_EQ(Str(form.ShellTreeView02->Path()), Str(folder));
        EXPECT_TRUE(CommandFileName.isEmpty());
        EXPECT_TRUE(WindowsDir.isEmpty());
    }
    // A command file that does not exist: nothing is carried out.
    const QString commandFile = folder_.path() + "/run.txt";
    const std::tuple<QString, std::string, std::string> cases[] = {
        {"/r:" + commandFile, Str(commandFile), "/usr"}, // the switch in any letter case
        {"/R:", "", "/usr"},                         // no file: a normal start
        {"/R", "", ""},                              // too short: a folder
    };
    for (const auto &[argument, commandFile, windowsDir] : cases) {
        WindowsDir.clear();
        CreateWith({argument});
        EXPECT_EQ(Str(CommandFileName), commandFile) << Str(argument);
        EXPECT_EQ(Str(WindowsDir), windowsDir) << Str(argument);
        EXPECT_EQ(Str(CommandLineFolder), windowsDir.empty() ? Str(argument) : "") << Str(argument);
    }
}

TEST_F(MainWindowStart, TreePaneWidthsAreKeptAcrossRuns)
{
    StoreSettings([](TRegistry &reg) {
        reg.WriteBool("BildschirmSpeichern", true);
        reg.WriteInteger("Explorer01aLinks", 230);
        reg.WriteInteger("Explorer02aLinks", 260);
    });
    THauptForm &form = Create();
    form.show();
    QApplication::processEvents();
    ViewMode = 2; // the right explorer beside the left one
    form.SetViewMode(ViewMode);
    QApplication::processEvents();
    EXPECT_EQ(form.ExplorerSplitter01->sizes().value(0), 230);
    EXPECT_EQ(form.ExplorerSplitter02->sizes().value(0), 260);

    form.ExplorerSplitter01->setSizes({180, 400});
    form.close();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger("Explorer01aLinks"), 180);
    EXPECT_EQ(reg.ReadInteger("Explorer02aLinks"), 260);
}

// A session in view mode 1 never shows the right explorer: its stored width stays, and
// the next session that shows it gives it that width.
TEST_F(MainWindowStart, ATreePaneNeverShownKeepsItsStoredWidth)
{
    StoreSettings([](TRegistry &reg) {
        reg.WriteBool("BildschirmSpeichern", true);
        reg.WriteInteger("Explorer01aLinks", 230);
        reg.WriteInteger("Explorer02aLinks", 347);
    });
    const auto stored = [] {
        TRegistry reg;
        EXPECT_TRUE(reg.OpenKey(SettingsKey, false));
        return std::pair(reg.ReadInteger("Explorer01aLinks"), reg.ReadInteger("Explorer02aLinks"));
    };
    const auto shown = [this] {
        THauptForm &form = Create();
        form.setWindowState(Qt::WindowNoState);
        form.resize(1024, 700);
        form.show();
        QApplication::processEvents();
        return &form;
    };
    THauptForm *form = shown();
    ASSERT_FALSE(form->ExplorerSplitter02->isVisible());
    form->close();
    EXPECT_EQ(stored(), std::pair(230, 347));

    // Shown, then hidden again: the width it had when it was last shown.
    form = shown();
    ViewMode = 2;
    form->SetViewMode(ViewMode);
    QApplication::processEvents();
    EXPECT_EQ(TreePaneWidth(form->ExplorerSplitter02), 347);
    form->ExplorerSplitter02->setSizes({200, 300});
    QApplication::processEvents();
    ViewMode = 1;
    form->SetViewMode(ViewMode);
    QApplication::processEvents();
    form->close();
    EXPECT_EQ(stored(), std::pair(230, 200));
}

TEST_F(MainWindowStart, WheelActsAsUpAndDownKeys)
{
    THauptForm &form = Create();
    auto *list = new QListWidget(&form);
    list->addItems({"a", "b", "c"});
    form.show();
    QApplication::setActiveWindow(&form);
    list->setFocus();
    for (QDeadlineTimer deadline(5000); !list->hasFocus() && !deadline.hasExpired();)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(list->hasFocus());

    const std::pair<QPoint, int> turns[] = {{{0, 120}, 0}, {{0, -120}, 2}, {{120, 0}, 1}};
    for (const auto &[delta, row] : turns) {
        list->setCurrentRow(1);
        QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), delta, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list->viewport(), &wheel);
        EXPECT_EQ(list->currentRow(), row) << delta.x() << "," << delta.y();
    }
}

TEST_F(MainWindowStart, UpAndDownScrollTheStatisticsAndThumbnailViews)
{
    THauptForm &form = Create();
    const auto addBox = [&](const QString &name) {
        auto *box = new QScrollArea(&form);
        box->setObjectName(name);
        auto *content = new QLabel("content");
        content->setFixedSize(100, 2000);
        box->setWidget(content);
        box->setGeometry(0, 0, 200, 200);
        return box;
    };
    QScrollArea *statistics = addBox("OrdnerScrollBox01");
    QScrollArea *thumbs = addBox("ThumbScrollBox");
    form.show();
    QApplication::processEvents();
    ASSERT_GT(statistics->verticalScrollBar()->maximum(), 100);
    const int step = statistics->verticalScrollBar()->singleStep();

    const auto press = [&](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&form, &event);
    };
    const auto position = [](QScrollArea *box) { return box->verticalScrollBar()->value(); };

    ViewMode = 9;
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    EXPECT_EQ(position(statistics), step);
    EXPECT_EQ(position(thumbs), 0);

    ViewMode = 10;
    press(Qt::Key_Down);
    EXPECT_EQ(position(thumbs), step);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    press(Qt::Key_Down);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(position(thumbs), step);

    ViewMode = 1;
    press(Qt::Key_Down);
    EXPECT_EQ(position(statistics), step);
    EXPECT_EQ(position(thumbs), step);
}

TEST_F(MainWindowStart, HintOfTheControlUnderTheMouseGoesToTheStatusBar)
{
    THauptForm &form = Create();
    auto *panel = new QWidget(&form);
    panel->setToolTip("Panel hint");
    auto *button = new QWidget(panel);
    button->setToolTip("Button hint");
    auto *plain = new QWidget(panel);

    const auto send = [](QWidget *w, QEvent::Type type) {
        QEvent event(type);
        QApplication::sendEvent(w, &event);
    };
    send(button, QEvent::Enter);
    EXPECT_EQ(Str(form.HauptStatusBar->currentMessage()), "Button hint");
    send(button, QEvent::Leave);
    EXPECT_EQ(Str(form.HauptStatusBar->currentMessage()), "Panel hint");
    send(plain, QEvent::Enter);
    EXPECT_EQ(Str(form.HauptStatusBar->currentMessage()), "");
}

// Saves a picture of the started window when CORVEX_SCREENSHOT names a PNG file.
TEST_F(MainWindowStart, Screenshot)
{
    const QString file = qEnvironmentVariable("CORVEX_SCREENSHOT");
    if (file.isEmpty())
        GTEST_SKIP() << "set CORVEX_SCREENSHOT=<file.png> to save a picture of the main window";
    THauptForm &form = Create();
    form.setWindowState(Qt::WindowNoState);
    form.resize(1024, 700);
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.grab().save(file));
}

TEST_F(MainWindowStart, ExtensionBoxesHoldTheBuiltInThenTheOwnExtensions)
{
    StoreSettings([](TRegistry &reg) { reg.WriteString("Dateiendungen", "*.abc*.de"); });
    THauptForm &form = Create();
    for (QComboBox *box : {form.DatUmbComboBox01, form.DatUmbComboBox02}) {
        ASSERT_EQ(box->count(), 19);
        EXPECT_EQ(Str(box->itemText(0)), "*.bak");
        EXPECT_EQ(Str(box->itemText(16)), "*.zip");
        EXPECT_EQ(Str(box->itemText(17)), "*.abc");
        EXPECT_EQ(Str(box->itemText(18)), "*.de");
        EXPECT_EQ(box->currentIndex(), -1);
    }
}
