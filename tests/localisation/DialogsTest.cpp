#include "localisation/rvDialogs.h"

#include "platform/toolkit/ShellViews.h"
#include "support/ScriptedModals.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Silver(0xC0, 0xC0, 0xC0);
const QRgb Untouched = qRgb(1, 2, 3);

std::vector<int> Positions(const std::vector<GradientLine> &lines)
{
    std::vector<int> p;
    for (const GradientLine &l : lines)
        p.push_back(l.From.x());
    return p;
}

// Draws into an image with a one-pixel border that must stay untouched.
QImage DrawOnImage(int width, int height, std::uint8_t direction, const std::vector<QColor> &colors)
{
    QImage img(width + 2, height + 2, QImage::Format_RGB32);
    img.fill(Untouched);
    QPainter p(&img);
    DrawGradient(p, QRect(1, 1, width, height), direction, colors);
    return img;
}

// ---- Gradient ---------------------------------------------------------------------

TEST(DrawGradient, TwoColoursOverHundredPixelsRunFromWhiteToSilver)
{
    const std::vector<GradientLine> lines = GradientLines(QRect(0, 0, 100, 10), 1, {White, Silver});
    ASSERT_EQ(lines.size(), 100u);
    for (int k = 0; k < 100; ++k) {
        EXPECT_EQ(lines[k].From, QPoint(k, 0));
        EXPECT_EQ(lines[k].To, QPoint(k, 10));
        const int expected = 255 - 63 * k / 99; // integer steps, cut towards zero
        EXPECT_EQ(lines[k].Color, QColor(expected, expected, expected)) << "line " << k;
    }

    const QImage img = DrawOnImage(100, 10, 1, {White, Silver});
    for (int y = 1; y <= 10; ++y) {
        EXPECT_EQ(img.pixel(1, y), White.rgb());
        EXPECT_EQ(img.pixel(51, y), qRgb(224, 224, 224));
        EXPECT_EQ(img.pixel(100, y), Silver.rgb());
    }
    for (int x = 0; x < img.width(); ++x) {
        EXPECT_EQ(img.pixel(x, 0), Untouched);
        EXPECT_EQ(img.pixel(x, 11), Untouched);
    }
    for (int y = 0; y < img.height(); ++y) {
        EXPECT_EQ(img.pixel(0, y), Untouched);
        EXPECT_EQ(img.pixel(101, y), Untouched);
    }
}

TEST(DrawGradient, ThreeColoursOverElevenPixelsMeetAtSix)
{
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    const std::vector<GradientLine> lines = GradientLines(QRect(0, 0, 11, 3), 1, {red, green, blue});
    EXPECT_EQ(Positions(lines), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lines[6].Color, green);
    EXPECT_EQ(lines[7].Color, green);
    EXPECT_EQ(lines.back().Color, blue);

    const QImage img = DrawOnImage(11, 3, 1, {red, green, blue});
    EXPECT_EQ(img.pixel(1, 2), red.rgb());
    EXPECT_EQ(img.pixel(7, 2), green.rgb());
    EXPECT_EQ(img.pixel(11, 2), blue.rgb());
    EXPECT_EQ(img.pixel(12, 2), Untouched);
}

TEST(DrawGradient, SegmentLengthRoundsHalvesToEven)
{
    // black -> white -> black: the first white line marks where the first segment ends
    struct Case {
        int extent;
        int seg;
    };
    for (const Case c : {Case{11, 6}, Case{5, 2}, Case{7, 4}, Case{9, 4}, Case{8, 4}}) {
        const auto lines = GradientLines(QRect(0, 0, c.extent, 1), 1, {Qt::black, Qt::white, Qt::black});
        const auto firstWhite = std::find_if(lines.begin(), lines.end(),
                                             [](const GradientLine &l) { return l.Color == Qt::white; });
        ASSERT_NE(firstWhite, lines.end());
        EXPECT_EQ(firstWhite->From.x(), c.seg) << "extent " << c.extent;
        EXPECT_EQ(lines.back().From.x(), c.extent - 1);
        EXPECT_EQ(lines.back().Color, Qt::black);
    }
}

TEST(DrawGradient, TopToBottomDrawsHorizontalLines)
{
    const std::vector<GradientLine> lines = GradientLines(QRect(5, 7, 20, 4), 0, {White, Silver});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].From, QPoint(5, 7));
    EXPECT_EQ(lines[0].To, QPoint(25, 7));
    EXPECT_EQ(lines[3].From, QPoint(5, 10));
    EXPECT_EQ(lines[3].Color, Silver);

    const QImage img = DrawOnImage(20, 4, 0, {White, Silver});
    EXPECT_EQ(img.pixel(1, 1), White.rgb());
    EXPECT_EQ(img.pixel(20, 1), White.rgb());
    EXPECT_EQ(img.pixel(21, 1), Untouched);
    EXPECT_EQ(img.pixel(10, 4), Silver.rgb());
    EXPECT_EQ(img.pixel(10, 5), Untouched);
}

TEST(DrawGradient, ShortExtentsStayInsideWithoutDividingByZero)
{
    // One pixel, two colours: a segment of length 0 is its end colour.
    const auto one = GradientLines(QRect(0, 0, 1, 5), 1, {White, Silver});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Color, Silver);

    // More colours than pixels: every line inside the rectangle.
    for (int extent = 1; extent <= 4; ++extent) {
        const auto lines = GradientLines(QRect(0, 0, extent, 1), 1,
                                         {Qt::red, Qt::green, Qt::blue, Qt::white, Qt::black});
        for (int p : Positions(lines)) {
            EXPECT_GE(p, 0);
            EXPECT_LT(p, extent);
        }
    }
}

TEST(DrawGradient, EmptyRectangleDrawsNothingAndKeepsThePen)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Untouched);
    QPainter p(&img);
    const QPen pen(QBrush(Qt::red), 3, Qt::DashLine);
    p.setPen(pen);
    for (const QRect &r : {QRect(2, 2, 0, 5), QRect(2, 2, -3, 5)})
        DrawGradient(p, r, 1, {White, Silver});
    DrawGradient(p, QRect(2, 2, 5, 0), 0, {White, Silver});
    EXPECT_EQ(p.pen(), pen);
    DrawGradient(p, QRect(2, 2, 5, 5), 1, {White, Silver});
    EXPECT_EQ(p.pen(), pen);
    p.end();
    EXPECT_EQ(img.pixel(0, 0), Untouched);
    EXPECT_EQ(img.pixel(2, 8), Untouched); // below the height-0 and width-0 rectangles
}

TEST(DrawGradient, FewerThanTwoColoursRaisesBeforeDrawing)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Untouched);
    QPainter p(&img);
    const QPen pen(Qt::blue);
    p.setPen(pen);
    for (const std::vector<QColor> &colors : {std::vector<QColor>{}, std::vector<QColor>{White}}) {
        try {
            DrawGradient(p, QRect(0, 0, 10, 10), 1, colors);
            ADD_FAILURE() << "no error for " << colors.size() << " colours";
        } catch (const EMathError &e) {
            EXPECT_STREQ(e.what(), "Es müssen mindestens zwei Farben angegeben werden.");
        }
    }
    EXPECT_EQ(p.pen(), pen);
    p.end();
    EXPECT_EQ(img.pixel(5, 5), Untouched);
}

// ---- Message box ------------------------------------------------------------------

// Presses a key in a dialog shown without a modal loop; returns the dialog's result.
int PressKey(QDialog &dialog, Qt::Key key)
{
    dialog.show();
    QWidget *target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    const int result = dialog.isVisible() ? -1 : dialog.result();
    dialog.hide();
    return result;
}

struct Units {
    int X, Y;
    explicit Units(const QFont &font)
    {
        const QFontMetrics fm(font);
        X = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52;
        Y = fm.height();
    }
    // a·b/c rounded to nearest for the positive values used here
    static int MulDiv(int a, int b, int c) { return (a * b + c / 2) / c; }
};

// The width of a message as the box lays it out: wrapped at half the screen width.
int TextWidth(const QFontMetrics &fm, const QString &text)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return fm.boundingRect(QRect(0, 0, screen.width() / 2, 0),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, text)
        .width();
}

class MessageBoxTest : public testing::Test {
protected:
    void SetUp() override { DialogButtonWidths.fill(0); }
    ScriptedModals modals;
};

TEST_F(MessageBoxTest, YesNoQuestionInEnglish)
{
    std::vector<int> keyResults;
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        modals.answerWith([&keyResults, key](QDialog &d, const ModalRecord &) {
            auto *yes = d.findChild<QPushButton *>("Yes");
            auto *no = d.findChild<QPushButton *>("No");
            EXPECT_TRUE(yes && yes->isDefault());
            EXPECT_TRUE(no && !no->isDefault());
            const int r = PressKey(d, key);
            keyResults.push_back(r);
            return r;
        });
    }
    EXPECT_EQ(MessageDlg("Wirklich?", mtConfirmation, mbYesNo, 0, "english"), mrYes);
    EXPECT_EQ(MessageDlg("Wirklich?", mtConfirmation, mbYesNo, 0, "english"), mrNo);
    EXPECT_EQ(keyResults, (std::vector<int>{6, 7}));

    ASSERT_EQ(modals.shown().size(), 2u);
    const ModalRecord &rec = modals.shown()[0];
    EXPECT_EQ(rec.kind, "MessageDlg");
    EXPECT_EQ(rec.caption, "Confirm");
    EXPECT_EQ(rec.text, "Wirklich?");
    EXPECT_EQ(rec.buttons, (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(rec.dlgType, 3);
    EXPECT_EQ(rec.buttonSet, 3);
}

TEST_F(MessageBoxTest, OkAbortAnswersAbortOnEscapeAndCancelWhenClosed)
{
    std::unique_ptr<TMessageForm> form = CreateMessageDialog("x", mtWarning, mbOKAbort, "english");
    auto *ok = form->findChild<QPushButton *>("OK");
    auto *abort = form->findChild<QPushButton *>("Abort");
    ASSERT_TRUE(ok && abort);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(abort->text(), "&Abort");
    EXPECT_LT(ok->x(), abort->x());
    EXPECT_EQ(form->windowTitle(), "Warning");

    EXPECT_EQ(PressKey(*form, Qt::Key_Return), mrOk);
    EXPECT_EQ(PressKey(*form, Qt::Key_Escape), mrAbort);
    form->show();
    form->close();
    EXPECT_EQ(form->result(), mrCancel);
}

TEST_F(MessageBoxTest, RealModalLoopAnswersKeys)
{
    // No scripted handler: the real exec runs, a timer presses the key.
    ModalSeam::setHandler({});
    struct Case {
        TMsgDlgButtons buttons;
        Qt::Key key;
        int result;
    };
    for (const Case c : {Case{mbYesNo, Qt::Key_Return, mrYes}, Case{mbYesNo, Qt::Key_Escape, mrNo},
                         Case{mbOKAbort, Qt::Key_Escape, mrAbort}, Case{mbOKOnly, Qt::Key_Return, mrOk}}) {
        QTimer::singleShot(0, [key = c.key] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
            QKeyEvent *press = new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::postEvent(target, press);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                static_cast<QDialog *>(modal)->done(-99);
        });
        watchdog.start(5000);
        EXPECT_EQ(MessageDlg("Frage", mtConfirmation, c.buttons, 0, "deutsch"), c.result);
    }
}

TEST_F(MessageBoxTest, LanguageChosenByLowerCaseNameWithGermanFallback)
{
    struct Case {
        const char *lang;
        const char *caption;
        QStringList buttons;
    };
    const Case cases[] = {
        {"ENGLISH", "Confirm", {"&Yes", "&No"}},
        {"klingon", "Bestätigung", {"&Ja", "&Nein"}},
        {"", "Bestätigung", {"&Ja", "&Nein"}},
        {"Dutch", "Bevestig", {"&Ja", "&Nee"}},
        {"spanish", "Confirmación", {"&Si", "&No"}},
        {"french", "Confirmation", {"&Oui", "&Non"}},
    };
    for (const Case &c : cases) {
        auto form = CreateMessageDialog("?", mtConfirmation, mbYesNo, c.lang);
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.caption)) << c.lang;
        EXPECT_EQ(form->findChild<QPushButton *>("Yes")->text(), c.buttons[0]) << c.lang;
        EXPECT_EQ(form->findChild<QPushButton *>("No")->text(), c.buttons[1]) << c.lang;
    }
    EXPECT_EQ(CreateMessageDialog("?", mtError, mbOKOnly, "french")->windowTitle(), "Erreur");
    EXPECT_EQ(CreateMessageDialog("?", mtInformation, mbOKOnly, "deutsch")->windowTitle(), "Information");
}

TEST_F(MessageBoxTest, LayoutFollowsDialogUnits)
{
    auto form = CreateMessageDialog("Eine kurze Frage", mtConfirmation, mbYesNo, "english");
    const Units u(form->font());
    const QFontMetrics fm(form->font());
    const int hm = Units::MulDiv(8, u.X, 4), vm = Units::MulDiv(8, u.Y, 8);
    const int hs = Units::MulDiv(10, u.X, 4), vs = Units::MulDiv(10, u.Y, 8);
    const int bw = std::max({Units::MulDiv(50, u.X, 4), DialogButtonWidths[mbYes], DialogButtonWidths[mbNo]});
    const int bh = Units::MulDiv(14, u.Y, 8), bs = Units::MulDiv(4, u.X, 4);
    const int tw = TextWidth(fm, "Eine kurze Frage");
    const int textHeight = std::max(fm.height(), 32);

    const int clientWidth = std::max(std::max(tw + 32 + hs, 2 * bw + bs) + 2 * hm, CaptionWidth("Confirm"));
    EXPECT_EQ(form->size(), QSize(clientWidth, textHeight + bh + vs + 2 * vm));

    auto *image = form->findChild<QLabel *>("Image");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(hm, vm, 32, 32));
    EXPECT_FALSE(image->pixmap().isNull());

    auto *message = form->findChild<QLabel *>("Message");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->geometry(), QRect(32 + hs + hm, vm, tw, fm.height()));

    const int x0 = (clientWidth - (2 * bw + bs)) / 2;
    const int y = textHeight + vm + vs;
    EXPECT_EQ(form->findChild<QPushButton *>("Yes")->geometry(), QRect(x0, y, bw, bh));
    EXPECT_EQ(form->findChild<QPushButton *>("No")->geometry(), QRect(x0 + bw + bs, y, bw, bh));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(form->x(), screen.width() / 2 - form->width() / 2);
}

// A short message leaves the box as wide as its caption needs in the title font, with
// room beside it for at least the frame's icon and close button.
TEST_F(MessageBoxTest, ShortMessageKeepsTheWholeCaption)
{
    const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    QGuiApplication::setApplicationDisplayName("Corvex Pro");
    for (const char *lang : {"deutsch", "english", "dutch", "spanish", "french"})
        for (TMsgDlgType kind : {mtWarning, mtError, mtInformation, mtConfirmation, mtCustom}) {
            auto form = CreateMessageDialog("?", kind, mbOKOnly, lang);
            const QString caption = form->windowTitle();
            EXPECT_GE(form->width(), title.horizontalAdvance(caption) + 3 * title.height())
                << lang << " " << caption.toStdString();
            const auto *ok = form->findChild<QPushButton *>("OK");
            EXPECT_EQ(ok->x(), (form->width() - ok->width()) / 2) << lang << " " << caption.toStdString();
        }
}

// On a desktop (QT_QPA_PLATFORM=xcb under a window manager) the picture shows the frame.
TEST_F(MessageBoxTest, Screenshot)
{
    const QString file = qEnvironmentVariable("CORVEX_SCREENSHOT");
    if (file.isEmpty())
        GTEST_SKIP() << "set CORVEX_SCREENSHOT=<file.png> to save pictures of short messages";
    for (const char *lang : {"english", "french"}) {
        modals.answerWith([&](QDialog &d, const ModalRecord &) {
            d.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
            QTest::qWait(500); // the window manager draws its frame
            QString target = file;
            target.replace(".png", "-" + QLatin1String(lang) + ".png");
            const QRect frame = d.frameGeometry().adjusted(-20, -20, 20, 20);
            EXPECT_TRUE(d.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(target));
            return int(mrOk);
        });
        MessageDlg("Fertig.", mtInformation, mbOKOnly, 0, lang);
    }
}

TEST_F(MessageBoxTest, EmptyMessageWithIconHasTextAreaOfIconHeight)
{
    auto form = CreateMessageDialog("", mtInformation, mbOKOnly, "deutsch");
    const Units u(form->font());
    const int vm = Units::MulDiv(8, u.Y, 8), vs = Units::MulDiv(10, u.Y, 8);
    EXPECT_EQ(form->findChild<QPushButton *>("OK")->y(), 32 + vm + vs);
    EXPECT_EQ(form->height(), 32 + Units::MulDiv(14, u.Y, 8) + vs + 2 * vm);
}

TEST_F(MessageBoxTest, CustomKindHasNoIconAndTheApplicationTitle)
{
    QGuiApplication::setApplicationDisplayName("Corvex Pro");
    auto form = CreateMessageDialog("Hallo", mtCustom, mbOKOnly, "deutsch");
    const Units u(form->font());
    EXPECT_EQ(form->findChild<QLabel *>("Image"), nullptr);
    EXPECT_EQ(form->windowTitle(), "Corvex Pro");
    EXPECT_EQ(form->findChild<QLabel *>("Message")->x(), Units::MulDiv(8, u.X, 4));
}

TEST_F(MessageBoxTest, MessageShownAsPlainTextWithLineBreaks)
{
    modals.answerWith([](QDialog &d, const ModalRecord &rec) {
        auto *message = d.findChild<QLabel *>("Message");
        EXPECT_EQ(message->textFormat(), Qt::PlainText);
        EXPECT_EQ(message->text(), "<b>A&B.txt</b>\nzwei\ndrei");
        const QFontMetrics fm(d.font());
        EXPECT_GE(message->height(), 3 * fm.height());
        EXPECT_EQ(rec.text, "<b>A&B.txt</b>\rzwei\r\ndrei");
        return mrOk;
    });
    EXPECT_EQ(MessageDlg("<b>A&B.txt</b>\rzwei\r\ndrei", mtError, mbOKOnly, 0, "deutsch"), mrOk);

    // A line wider than half the screen wraps.
    QString longLine;
    for (int i = 0; i < 60; ++i)
        longLine += "Wort ";
    auto form = CreateMessageDialog(longLine, mtWarning, mbOKOnly, "deutsch");
    auto *message = form->findChild<QLabel *>("Message");
    EXPECT_LE(message->width(), QGuiApplication::primaryScreen()->geometry().width() / 2);
    EXPECT_GE(message->height(), 2 * QFontMetrics(form->font()).height());
}

TEST_F(MessageBoxTest, ButtonWidthsAreMeasuredOncePerRun)
{
    auto dutch = CreateMessageDialog("?", mtConfirmation, ButtonSet({mbNoToAll}), "dutch");
    const QFontMetrics fm(dutch->font());
    const int measured = fm.size(Qt::TextShowMnemonic, "&Nee op alles").width() + 8;
    EXPECT_EQ(DialogButtonWidths[mbNoToAll], measured);
    EXPECT_EQ(DialogButtonWidths[mbYes], 0);

    auto english = CreateMessageDialog("?", mtConfirmation, ButtonSet({mbNoToAll}), "english");
    EXPECT_EQ(DialogButtonWidths[mbNoToAll], measured);
    EXPECT_EQ(english->findChild<QPushButton *>("NoToAll")->width(),
              dutch->findChild<QPushButton *>("NoToAll")->width());

    // A kept width wider than the standard one widens the buttons.
    DialogButtonWidths[mbYes] = 200;
    auto wide = CreateMessageDialog("?", mtConfirmation, mbYesNo, "english");
    EXPECT_EQ(wide->findChild<QPushButton *>("Yes")->width(), 200);
    EXPECT_EQ(wide->findChild<QPushButton *>("No")->width(), 200);
}

TEST_F(MessageBoxTest, PositionGivenByCaller)
{
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        EXPECT_EQ(d.pos(), QPoint(10, 20));
        return mrOk;
    });
    MessageDlgPosHelp("x", mtInformation, mbOKOnly, 0, 10, 20, QString(), "deutsch");
}

// ---- Input question -----------------------------------------------------------

QLineEdit *Edit(QDialog &d)
{
    auto *edit = d.findChild<QLineEdit *>();
    EXPECT_NE(edit, nullptr);
    return edit;
}

TEST(InputQuery, OkReturnsTheEditedText)
{
    ScriptedModals modals;
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        QLineEdit *edit = Edit(d);
        EXPECT_EQ(edit->text(), "Alt");
        EXPECT_EQ(edit->selectedText(), "Alt");
        edit->setText("Neu");
        return mrOk;
    });
    QString value = "Alt";
    EXPECT_TRUE(InputQuery("Ordner", "Neuer Name:", value, "english"));
    EXPECT_EQ(value, "Neu");

    ASSERT_EQ(modals.shown().size(), 1u);
    const ModalRecord &rec = modals.shown()[0];
    EXPECT_EQ(rec.kind, "InputQuery");
    EXPECT_EQ(rec.caption, "Ordner");
    EXPECT_EQ(rec.text, "Neuer Name:");
    EXPECT_EQ(rec.buttons, (QStringList{"OK", "Abort"}));
}

TEST(InputQuery, CancelKeepsTheValue)
{
    ScriptedModals modals;
    modals.answerWith([](QDialog &d, const ModalRecord &rec) {
        EXPECT_EQ(rec.buttons, (QStringList{"OK", "Abbrechen"}));
        Edit(d)->setText("verworfen");
        return mrCancel;
    });
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        Edit(d)->setText("verworfen");
        return PressKey(d, Qt::Key_Escape);
    });
    for (int i = 0; i < 2; ++i) {
        QString value = "Alt";
        EXPECT_FALSE(InputQuery("Ordner", "Name:", value, "deutsch"));
        EXPECT_EQ(value, "Alt");
    }
}

TEST(InputQuery, EnterInTheEditConfirms)
{
    ScriptedModals modals;
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        Edit(d)->setText("Neu");
        return PressKey(d, Qt::Key_Return);
    });
    QString value = "Alt";
    EXPECT_TRUE(InputQuery("Ordner", "Name:", value, "deutsch"));
    EXPECT_EQ(value, "Neu");
}

TEST(InputQuery, InputIsCutAt255Characters)
{
    ScriptedModals modals;
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        QLineEdit *edit = Edit(d);
        edit->clear();
        edit->insert(QString(300, 'x')); // as typed
        return mrOk;
    });
    QString value;
    EXPECT_TRUE(InputQuery("Ordner", "Name:", value, "deutsch"));
    EXPECT_EQ(value.size(), 255);
}

TEST(InputQuery, LayoutFollowsDialogUnits)
{
    ScriptedModals modals;
    modals.answerWith([](QDialog &d, const ModalRecord &) {
        const Units u(d.font());
        EXPECT_EQ(d.size(), QSize(Units::MulDiv(180, u.X, 4), Units::MulDiv(63, u.Y, 8)));
        const QLineEdit *edit = Edit(d);
        EXPECT_EQ(edit->pos(), QPoint(Units::MulDiv(8, u.X, 4), Units::MulDiv(19, u.Y, 8)));
        EXPECT_EQ(edit->width(), Units::MulDiv(164, u.X, 4));
        const auto buttons = d.findChildren<QPushButton *>();
        EXPECT_EQ(buttons.size(), 2);
        for (const QPushButton *b : buttons) {
            EXPECT_EQ(b->y(), Units::MulDiv(41, u.Y, 8));
            EXPECT_EQ(b->size(), QSize(Units::MulDiv(50, u.X, 4), Units::MulDiv(14, u.Y, 8)));
            EXPECT_EQ(b->x(), Units::MulDiv(b->isDefault() ? 38 : 92, u.X, 4));
        }
        return mrCancel;
    });
    QString value;
    InputQuery("Ordner", "Name:", value, "deutsch");
}

// ---- Folder dialog ------------------------------------------------------------

class SelectDirectoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path();
        ASSERT_TRUE(QDir(root).mkpath("eins/zwei"));
        ASSERT_TRUE(QDir(root).mkpath("drei"));
    }
    // Runs SelectDirectory; the answer sees the dialog's tree.
    QString Select(QString folder, std::function<int(TSelectDirDlg &)> answer)
    {
        modals.answerWith([answer](QDialog &d, const ModalRecord &) {
            return answer(static_cast<TSelectDirDlg &>(d));
        });
        SelectDirectory(folder, "Zielordner", "Bitte einen Ordner", "english");
        return folder;
    }
    QTemporaryDir tmp;
    QString root;
    ScriptedModals modals;
};

TEST_F(SelectDirectoryTest, OkReturnsTheFolderChosenInTheTree)
{
    const QString start = root + "/eins/zwei";
    QString shown;
    EXPECT_EQ(Select(start, [&](TSelectDirDlg &d) {
                  shown = d.GetDialogDirectory();
                  return mrOk;
              }),
              start);
    EXPECT_EQ(shown, start);

    EXPECT_EQ(Select(start, [&](TSelectDirDlg &d) {
                  EXPECT_TRUE(d.ShellTreeView->setPath(root + "/drei"));
                  return mrOk;
              }),
              root + "/drei");

    const ModalRecord &rec = modals.shown()[0];
    EXPECT_EQ(rec.kind, "SelectDirectory");
    EXPECT_EQ(rec.caption, "Zielordner");
    EXPECT_EQ(rec.text, "Bitte einen Ordner");
    EXPECT_EQ(rec.buttons, (QStringList{"OK", "", "&Abort"}));
}

TEST_F(SelectDirectoryTest, NoAndEscapeEmptyTheFolderAbortAndCloseKeepIt)
{
    const QString start = root + "/drei";
    EXPECT_EQ(Select(start, [](TSelectDirDlg &) { return mrNo; }), "");
    EXPECT_EQ(Select(start, [](TSelectDirDlg &d) { return PressKey(d, Qt::Key_Escape); }), "");
    EXPECT_EQ(Select(start, [](TSelectDirDlg &) { return mrAbort; }), start);
    EXPECT_EQ(Select(start, [](TSelectDirDlg &d) {
                  d.show();
                  d.close();
                  return d.result();
              }),
              start);
    // Enter with the tree focused presses OK.
    EXPECT_EQ(Select(start, [](TSelectDirDlg &d) { return PressKey(d, Qt::Key_Return); }), start);
}

TEST_F(SelectDirectoryTest, StartFolderForms)
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(root.toLocal8Bit().constData()), 0);
    struct Case {
        QString given;
        QString shown;
    };
    const Case cases[] = {
        {"/", "/"},
        {root + "/eins/", root + "/eins"},
        {root + "/eins/zwei/..", root + "/eins"},
        {"eins/zwei", root + "/eins/zwei"}, // relative to the current directory
    };
    for (const Case &c : cases) {
        TSelectDirDlg dialog;
        dialog.SetDialogDirectory(c.given);
        EXPECT_EQ(dialog.GetDialogDirectory(), c.shown) << c.given.toStdString();
    }
    ASSERT_EQ(chdir(cwd), 0);

    // A folder that is not there opens at its nearest existing parent.
    EXPECT_EQ(Select(root + "/eins/fehlt/tiefer", [&](TSelectDirDlg &d) {
                  EXPECT_EQ(d.GetDialogDirectory(), root + "/eins");
                  return mrAbort;
              }),
              root + "/eins/fehlt/tiefer");
}

TEST_F(SelectDirectoryTest, ButtonTextsOfEveryLanguage)
{
    const struct {
        const char *language;
        const char *abort;
    } cases[] = {{"deutsch", "&Abbrechen"}, {"english", "&Abort"}, {"dutch", "&Beëindigen"},
                 {"spanish", "&Cancelar"}, {"french", "&Interrompre"}};
    for (const auto &c : cases) {
        QString folder = root;
        modals.answer(mrNo);
        SelectDirectory(folder, "Zielordner", "Bitte einen Ordner", c.language);
        EXPECT_EQ(folder, "") << c.language;
        EXPECT_EQ(modals.shown().back().buttons, (QStringList{"OK", "", QString::fromUtf8(c.abort)})) << c.language;
    }
}

TEST_F(SelectDirectoryTest, LayoutAndScaling)
{
    DialogLanguage = "DEUTSCH";
    TSelectDirDlg dialog;
    EXPECT_EQ(DialogOKText, "OK");
    EXPECT_EQ(DialogAbortText, "&Abbrechen");
    EXPECT_EQ(dialog.size(), QSize(280, 320));
    EXPECT_TRUE(dialog.OKButton->isDefault());
    EXPECT_EQ(dialog.CancelButton(), dialog.NoButton);
    EXPECT_EQ(dialog.focusWidget(), dialog.ShellTreeView);

    dialog.ScaleBy(120, 96);
    EXPECT_EQ(dialog.size(), QSize(350, 400));
    EXPECT_EQ(dialog.LabelUeberschrift->geometry(), QRect(19, 13, 313, 33));
    EXPECT_EQ(dialog.ShellTreeView->geometry(), QRect(19, 60, 313, 281));
    EXPECT_EQ(dialog.OKButton->geometry(), QRect(25, 356, 125, 31));
    EXPECT_EQ(dialog.NoButton->geometry(), QRect(156, 356, 38, 31));
    EXPECT_EQ(dialog.AbortButton->geometry(), QRect(200, 356, 125, 31));
}

} // namespace
