#include "components/URLLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Records what reaches the desktop's opener, for every scheme it may be handed.
class Opener : public QObject {
    Q_OBJECT
public:
    Opener()
    {
        for (const QString &scheme : Schemes())
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~Opener() override
    {
        for (const QString &scheme : Schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;

public slots:
    void open(const QUrl &url) { opened << url.toString(); }

private:
    static QStringList Schemes() { return {"http", "https", "mailto", "file"}; }
};

const QColor Green(0, 128, 0);

class URLLabel : public testing::Test {
protected:
    void SetUp() override
    {
        label.resize(80, 20);
        label.ColorMoveOver = 0x008000; // green, to tell it from ColorNormal
        label.URL = QStringLiteral("https://wexmoor.example/page");
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, label.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }
    void Press(QPoint at = {5, 5}) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    void Crossing(QEvent::Type type)
    {
        if (type == QEvent::Enter) {
            QEnterEvent event(QPointF(5, 5), QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(&label, &event);
        } else {
            QEvent event(QEvent::Leave);
            QApplication::sendEvent(&label, &event);
        }
    }

    Opener opener;
    TURLLabel label;
};

TEST_F(URLLabel, Defaults)
{
    TURLLabel fresh;
    EXPECT_EQ(fresh.text().toStdString(), "Click me!");
    EXPECT_EQ(fresh.ColorNormal, clBlue);
    EXPECT_EQ(fresh.ColorMoveOver, clBlue);
    EXPECT_EQ(fresh.ColorClick, clRed);
    EXPECT_EQ(fresh.URL.toStdString(), "https://wexmoor.example/");
    EXPECT_TRUE(fresh.font().underline());
    EXPECT_EQ(fresh.FontColor(), QColor(0, 0, 255));
}

TEST_F(URLLabel, AReleaseOverTheLabelBoundsIncludedOpensTheURL)
{
    Press();
    EXPECT_EQ(label.FontColor(), QColor(255, 0, 0));
    Release(QPoint(label.width(), label.height()));
    EXPECT_EQ(opener.opened, QStringList{"https://wexmoor.example/page"});
    EXPECT_EQ(label.FontColor(), Green);

    Press();
    Release(QPoint(label.width() + 1, 0));
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));

    // A release without a press over the label opens nothing.
    Release(QPoint(5, 5));
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST_F(URLLabel, DraggingOffAndReleasingOutsideOpensNothing)
{
    Press();
    Send(QEvent::MouseMove, QPoint(200, 5), Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
    Release(QPoint(200, 5));
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
}

TEST_F(URLLabel, EnteringWhileTheButtonIsHeldShowsTheClickColour)
{
    Crossing(QEvent::Enter);
    EXPECT_EQ(label.FontColor(), Green);
    Press();
    // With leave and enter events, as a toolkit without a grab sends them...
    Crossing(QEvent::Leave);
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
    Crossing(QEvent::Enter);
    EXPECT_EQ(label.FontColor(), QColor(255, 0, 0));
    // ...and with moves alone, as the pointer grab leaves them.
    Send(QEvent::MouseMove, QPoint(-3, 5), Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), QColor(0, 0, 255));
    Send(QEvent::MouseMove, QPoint(3, 5), Qt::LeftButton);
    EXPECT_EQ(label.FontColor(), QColor(255, 0, 0));
    Release(QPoint(3, 5));
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(label.FontColor(), Green);
}

TEST_F(URLLabel, WithoutAURLTheCaptionIsOpenedWhenItIsAnAddress)
{
    struct Case {
        const char *caption;
        QStringList opened;
    };
    const Case cases[] = {
        {"https://x.example/", {"https://x.example/"}},
        {"mailto:someone@x.example", {"mailto:someone@x.example"}},
        {"Click me!", {}},
        {"www.x.example", {}}, // no guessed web address
        {"javascript:alert(1)", {}},
    };
    label.URL.clear();
    for (const Case &c : cases) {
        opener.opened.clear();
        label.setText(QString::fromUtf8(c.caption));
        Press();
        Release(QPoint(5, 5));
        EXPECT_EQ(opener.opened, c.opened) << c.caption;
    }
}

} // namespace

#include "URLLabelTest.moc"
