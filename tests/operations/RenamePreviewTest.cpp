// The rename preview: the same collection and rule as the rename action, shown as
// names in VorschauStringGrid01; nothing is renamed or asked.

#include "RenameFixture.h"

#include "operations/fktAllgemein.h"
#include "platform/toolkit/StringGrid.h"

#include <QLabel>
#include <QTabWidget>

namespace {

class Preview : public RenameFixture {
protected:
    void SetUp() override
    {
        RenameFixture::SetUp();
        FileList({"/src/a/x.txt", "/src/y.jpg"});
        Form().DatUmbDateiListe->setChecked(true);
        Form().DatUmbVorschau->setDown(true);
        Form().DatUmbRadioGroup02->setItemIndex(0);
        Form().DatUmbEdit01->setText("n");
        Form().UpDownStellenanzahl01->setPosition(2);
        Form().DatUmbEdit03->setText("5");
    }
    void FileList(const QStringList &paths)
    {
        TStringGrid *list = Form().DLStringGrid;
        list->setRowCount(int(paths.size()));
        for (int r = 0; r < paths.size(); ++r)
            list->setCells(1, r, paths[r]);
    }
    TStringGrid *Grid() { return Form().VorschauStringGrid01; }
    QStringList Column(int col)
    {
        QStringList cells;
        for (int r = 0; r < Grid()->RowCount(); ++r)
            cells << Grid()->Cells(col, r);
        return cells;
    }
};

TEST_F(Preview, ShowsOnlyTheNamesAndSetsLastIndexValue)
{
    Form().DatUmbZielverzeichnis->setText("/ziel");
    Form().DatUmbRadioGroup01->setItemIndex(1); // the preview follows the target mode
    EXPECT_EQ(Column(0), (QStringList{LoadLangString(8993), "x.txt", "y.jpg"}));
    EXPECT_EQ(Column(1), (QStringList{LoadLangString(8994), "n05.txt", "n06.jpg"}));
    EXPECT_EQ(LastIndexValue, 6);
    EXPECT_EQ(Form().NeueDateinamen, (QStringList{"/ziel/n05.txt", "/ziel/n06.jpg"}));

    // A shorter batch shrinks the grid.
    FileList({"/src/z.png"});
    ShowRenamePreview();
    EXPECT_EQ(Column(1), (QStringList{LoadLangString(8994), "n05.png"}));
}

TEST_F(Preview, UnchangedNamesAreShownToo)
{
    Form().DatUmbVorschau->setDown(false); // the fields refresh a preview that is on
    Form().DatUmbRadioGroup02->setItemIndex(3);
    Form().DatUmbEdit05->setText("nowhere");
    Form().DatUmbVorschau->setDown(true);
    ShowRenamePreview();
    EXPECT_EQ(Column(0).mid(1), (QStringList{"x.txt", "y.jpg"}));
    EXPECT_EQ(Column(1).mid(1), Column(0).mid(1));
}

TEST_F(Preview, DoesNothingWhenOffOnAnotherPageOrWhileABatchRuns)
{
    const QStringList before = Column(1);
    Form().DatUmbVorschau->setDown(false);
    ShowRenamePreview();
    EXPECT_EQ(Column(1), before);

    Form().DatUmbVorschau->setDown(true);
    auto *other = new QWidget;
    Form().PageControl->addTab(other, "other");
    Form().PageControl->setCurrentWidget(other);
    ShowRenamePreview();
    EXPECT_EQ(Column(1), before);

    Form().PageControl->setCurrentWidget(Form().TabSheet01);
    Form().DatUmbDateiListe->setChecked(false); // an empty selection would report 9000
    {
        const BatchGuard running;
        ShowRenamePreview();
    }
    EXPECT_EQ(Column(1), before);
    EXPECT_TRUE(modals_.shown().empty());
}

// A failed refresh keeps only the header row and shows the message in the line above
// the grid until the next refresh; its box opens only when the user asked for it.
TEST_F(Preview, AFailedRefreshEmptiesTheGridAndShowsItsMessage)
{
    ShowRenamePreview();
    ASSERT_EQ(Grid()->RowCount(), 3);
    EXPECT_TRUE(Form().VorschauLabel01->isHidden());

    const auto expectFailed = [this](const QString &line) {
        EXPECT_EQ(Column(1), QStringList{LoadLangString(8994)});
        EXPECT_EQ(Form().VorschauLabel01->text(), line);
        EXPECT_FALSE(Form().VorschauLabel01->isHidden());
    };
    struct Case {
        const char *what;
        std::function<void()> set; // each case on the settings of the one before
        QString box;
    } const cases[] = {
        {"nothing selected", [this] { Form().DatUmbDateiListe->setChecked(false); }, LoadLangString(9000)},
        {"too few places", [this] {
             Form().DatUmbDateiListe->setChecked(true);
             Form().UpDownStellenanzahl01->setPosition(1);
             Form().DatUmbEdit03->setText("9");
         }, LoadLangString(9005)},
        {"a rule that reports and goes on", [this] { Form().DatUmbRadioGroup02->setItemIndex(3); },
         LoadLangString(9008) + u'\r' + LoadLangString(9009)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Form().DatUmbVorschau->setDown(false); // the fields refresh a preview that is on
        c.set();
        Form().DatUmbVorschau->setDown(true);
        const QString line = QString(c.box).replace(u'\r', u' ');

        const size_t before = modals_.shown().size();
        ShowRenamePreview(); // a change
        EXPECT_EQ(modals_.shown().size(), before);
        expectFailed(line);
        for (size_t time = 1; time <= 2; ++time) { // each refresh asked for shows its box
            modals_.answer(mrOk);
            ShowRenamePreview(PreviewStart::Asked);
            ASSERT_EQ(modals_.shown().size(), before + time);
            ExpectInformation(modals_.shown().back(), c.box);
            expectFailed(line);
        }
    }
    Form().DatUmbRadioGroup02->setItemIndex(0); // a refresh that works clears the line
    Form().UpDownStellenanzahl01->setPosition(2);
    EXPECT_EQ(Column(1), (QStringList{LoadLangString(8994), "n09.txt", "n10.jpg"}));
    EXPECT_TRUE(Form().VorschauLabel01->isHidden());
}

TEST_F(Preview, StartValueIsCheckedBeforeAnythingIsCollected)
{
    Form().DatUmbDateiListe->setChecked(false); // collecting would report 9000
    Form().DatUmbVorschau->setDown(true);
    for (const char *start : {"", "abc", "-1", "99999999999"}) {
        Form().DatUmbEdit03->setText(start);
        ShowRenamePreview(PreviewStart::Asked);
        EXPECT_EQ(Grid()->RowCount(), 1) << start;
        EXPECT_TRUE(Form().VorschauLabel01->isHidden()) << start; // the silent abort has no text
    }
    EXPECT_TRUE(modals_.shown().empty());
}

} // namespace
