// The picture hint beside the file lists: what it shows, where it goes, when it hides,
// the mouse watch that hides it, and the window's end with the watch running.

#include "localisation/fktSprache.h"
#include "localisation/fktSprache_Captions.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "shell/frmThumbHint.h"
#include "support/FolderNames.h"
#include "support/JpegFixtures.h"
#include "support/MainWindowFixture.h"
#include "support/ProgramWithoutDisplay.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray Bitmap(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::darkMagenta);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

class ThumbHint : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path();
        MakeTestFileBelow(Root, "a.jpg", OneColourJpeg(400, 300, JCS_RGB, {30, 90, 160}));
        MakeTestFileBelow(Root, "b.bmp", Bitmap(60, 120));
        MakeTestFileBelow(Root, "c.txt", "text");
        MakeTestFileBelow(Root, "d.jpg", "no picture");
        THauptForm &f = window_.Create();
        f.setWindowState(Qt::WindowNoState);
        f.setGeometry(100, 100, 1000, 700);
        f.show();
        EXPECT_TRUE(f.ShellTreeView01->setPath(Root));
        EXPECT_TRUE(f.ShellTreeView02->setPath(Root));
        ThumbLinks = ThumbRechts = 1;
        hint_ = std::make_unique<TThumbForm>();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        hint_.reset();
        window_.reset();
    }
    static int Item(TShellListView *List, const QString &Name)
    {
        for (int i = 0; i < List->Count(); ++i)
            if (List->Folders(i).Name == Name)
                return i;
        ADD_FAILURE() << "no item " << Name.toStdString();
        return -1;
    }
    // The mouse over Name in the left list (empty: over no item), the cursor at P.
    void OverLeft(const QString &Name, QPoint P = {400, 300})
    {
        window_->ShellListView01MouseMove(Name.isEmpty() ? -1 : Item(window_->ShellListView01, Name), P);
    }
    static bool Shown() { return ThumbForm->isVisible(); }
    // Lets the message loop run for Ms milliseconds.
    static void RunFor(int Ms)
    {
        const QDeadlineTimer deadline(Ms);
        while (!deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
    }

    QTemporaryDir dir_;
    QString Root;
    MainWindowFixture window_;
    std::unique_ptr<TThumbForm> hint_;
};

TEST_F(ThumbHint, ShowsPicturesOnlyAndSizesTheWindowToThem)
{
    OverLeft("b.bmp");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(ThumbForm->HintImage->pixmap().size(), QSize(50, 100));
    EXPECT_EQ(ThumbForm->size(), QSize(54, 104)); // picture + 4
    OverLeft("a.jpg");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(ThumbForm->size(), QSize(104, 79)); // 100 x 75
    OverLeft("c.txt");
    EXPECT_FALSE(Shown());
    OverLeft("a.jpg");
    OverLeft("d.jpg"); // cannot be decoded
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(ThumbForm->testAttribute(Qt::WA_WState_Visible) && QApplication::activeWindow() == ThumbForm);
}

TEST_F(ThumbHint, HiddenByEmptySpaceAndShownAgainForTheSameItem)
{
    OverLeft("a.jpg");
    ASSERT_TRUE(Shown());
    OverLeft(QString());
    EXPECT_FALSE(Shown());
    OverLeft("a.jpg");
    EXPECT_TRUE(Shown());
    ThumbForm->HintImageMouseMove(); // the mouse reached the hint
    EXPECT_FALSE(Shown());
    OverLeft("a.jpg");
    EXPECT_TRUE(Shown());
    window_->ShellListView01->OnMouseDown(QPoint());
    EXPECT_FALSE(Shown());
    ThumbLinks = 0;
    OverLeft("a.jpg");
    EXPECT_FALSE(Shown());
}

TEST_F(ThumbHint, PlacedBesideTheCursorWithinTheWindow)
{
    const QRect main = window_->frameGeometry();
    // Left list: left of the cursor, or right of it where the screen ends.
    OverLeft("a.jpg", {50, main.top() + 20}); // 50 - (104 + 30) < 0
    EXPECT_EQ(ThumbForm->pos(), QPoint(80, main.top() + 20));
    OverLeft("a.jpg", {600, main.top() + 20});
    EXPECT_EQ(ThumbForm->pos(), QPoint(600 - 134, main.top() + 20));
    // Near the window's bottom it rises to stay 30 above it.
    const int low = main.bottom() - 40;
    OverLeft("a.jpg", {600, low});
    EXPECT_EQ(ThumbForm->y(), main.top() + main.height() - (79 + 30));

    // Right list: always left of the cursor; its rule counts from the window's top.
    TShellListView *right = window_->ShellListView02;
    window_->ShellListView02MouseMove(Item(right, "a.jpg"), {50, main.top() + 20});
    EXPECT_EQ(ThumbForm->pos(), QPoint(50 - 134, main.top() + 20));
    window_->ShellListView02MouseMove(Item(right, "a.jpg"), {700, low});
    EXPECT_EQ(ThumbForm->y(), main.top() + main.height() - (79 + 25));
    ThumbRechts = 0;
    window_->ShellListView02MouseMove(Item(right, "a.jpg"), {700, low});
    EXPECT_FALSE(Shown());
}

TEST_F(ThumbHint, SizeKeptWithinItsRange)
{
    ThumbHintGroesse = 100000;
    OverLeft("a.jpg");
    EXPECT_EQ(ThumbForm->HintImage->pixmap().size(), QSize(500, 375));
    ThumbHintGroesse = 1;
    OverLeft(QString());
    OverLeft("b.bmp");
    EXPECT_EQ(ThumbForm->HintImage->pixmap().size(), QSize(25, 50));
    EXPECT_EQ(ThumbHintGroesse, 1); // the global keeps its value
    ThumbHintGroesse = 100;
}

TEST_F(ThumbHint, WatchHidesItOffTheListsAndKeepsItOverTheRightOne)
{
    ViewMode = 2;
    window_->SetViewMode(2); // both lists shown
    QApplication::processEvents();
    TShellListView *right = window_->ShellListView02;
    QAbstractItemView *view = right->currentView();
    const QRect item = view->visualRect(view->model()->index(Item(right, "a.jpg"), 0));
    const QPoint overRight = view->viewport()->mapToGlobal(item.center()); // moving there shows the hint too
    QCursor::setPos(overRight);
    ASSERT_EQ(QCursor::pos(), overRight) << "the platform cannot place the cursor";
    window_->ShellListView02MouseMove(Item(right, "a.jpg"), overRight);
    ASSERT_TRUE(Shown());
    RunFor(600);
    EXPECT_TRUE(Shown());

    // Only the watch hides it now: the lists no longer see the mouse leave.
    for (TShellListView *list : {window_->ShellListView01, right})
        QObject::disconnect(list, &TShellListView::OnMouseMove, nullptr, nullptr);
    QCursor::setPos(window_->frameGeometry().bottomRight() + QPoint(200, 200));
    RunFor(550); // two periods
    EXPECT_FALSE(Shown());
}

TEST_F(ThumbHint, ClosingTheWindowEndsTheWatch)
{
    RunFor(300);
    EXPECT_TRUE(window_->close());
    RunFor(300); // no call of the watch reaches the closed window
    window_.reset();
}

TEST_F(ThumbHint, Screenshots)
{
    const QString out = qEnvironmentVariable("CORVEX_HINT_SCREENSHOTS");
    if (out.isEmpty())
        GTEST_SKIP() << "set CORVEX_HINT_SCREENSHOTS=<folder> to save the hint beside the left list";
    THauptForm &f = *window_;
    f.resize(1024, 700);
    QApplication::processEvents();
    TShellListView *left = f.ShellListView01;
    for (int language : {0, 1}) {
        Sprache = language * 10000;
        LanguageIndex = std::uint8_t(language);
        ApplyLanguageCaptions();
        QApplication::processEvents(); // the refilled option groups are laid out
        ThumbForm->HideHint();
        const QPoint cursor = left->mapToGlobal(QPoint(left->width() / 2, 40));
        f.ShellListView01MouseMove(Item(left, "a.jpg"), cursor);
        ASSERT_TRUE(Shown());
        // The hint is a window of its own: drawn into the picture where it stands.
        QPixmap picture = f.grab();
        QPainter painter(&picture);
        painter.drawPixmap(ThumbForm->pos() - f.geometry().topLeft(), ThumbForm->grab());
        painter.end();
        EXPECT_TRUE(picture.save(QDir(out).filePath(QStringLiteral("hint_%1.png").arg(language ? "en" : "de"))));
    }
    Sprache = 0;
    LanguageIndex = 0;
}

TEST(ThumbHintProgram, CommandFileRunsEndWithoutThreadWarnings)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString commands = dir.filePath("leer.txt");
    ASSERT_TRUE(fs::writeFileAtomic(commands, "AKTION: 0\r\n"));
    for (int run = 0; run < 5; ++run) {
        QProcess program;
        StartWithoutDisplay(program, "/R:" + commands);
        ASSERT_TRUE(program.waitForFinished(60000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << run;
        const QByteArray errors = program.readAllStandardError();
        EXPECT_FALSE(errors.contains("QThread")) << errors.toStdString();
    }
}

} // namespace
