// The whole rename road on real files: from the menu action (or its tool button and
// pop-up item) through the collector, the rule and the executor, and back by undo.

#include "RenameFixture.h"

#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/ShellViews.h"
#include "platform/toolkit/StringGrid.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

class RenameRoad : public RenameFixture {
protected:
    void SetUp() override
    {
        RenameFixture::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
        Source = Root + "src/";
        ASSERT_TRUE(fs::createFolders(Source + "sub"));
        ASSERT_TRUE(fs::createFolders(Root + "work"));
        Arbeitsverzeichnis = Root + "work/";
        Protokolldatei = "Protokoll.txt";
        for (const char *name : {"a1.txt", "a2.txt", "a3.txt"})
            MakeFile(Source + name);
        ActiveExplorer = 1;
        ASSERT_TRUE(Form().ShellTreeView01->setPath(Source));
    }
    void MakeFile(const QString &path) { ASSERT_TRUE(fs::writeFileAtomic(path, path.toUtf8())); }
    static QStringList Names(const QString &folder)
    {
        QStringList names;
        for (const fs::Entry &e : fs::listFolder(folder))
            names << e.name + (e.isFolder ? "/" : "");
        return names;
    }
    void SelectAllFiles()
    {
        Form().ShellListView01->Refresh();
        Form().ShellListView01->SelectAll();
    }
    void NumberIndex(const QString &stem, int places, int start)
    {
        Form().DatUmbRadioGroup02->setItemIndex(0);
        Form().DatUmbEdit01->setText(stem);
        Form().UpDownStellenanzahl01->setPosition(places);
        Form().DatUmbEdit03->setText(QString::number(start));
    }
    // Runs the rename action answering the question with Answer; expects the question.
    void RenameAnswering(int answer, const std::function<void()> &start)
    {
        const size_t before = modals_.shown().size();
        modals_.answer(answer);
        start();
        ASSERT_EQ(modals_.shown().size(), before + 1);
        EXPECT_EQ(modals_.shown().back().dlgType, mtWarning);
        EXPECT_EQ(modals_.shown().back().buttonSet, mbYesNo);
    }
    void Undo()
    {
        ASSERT_TRUE(Form().HMenuDateiRueckgaengig->isEnabled());
        Form().HMenuDateiRueckgaengig->trigger();
    }

    QString Root, Source;

private:
    QTemporaryDir dir_;
};

TEST_F(RenameRoad, NumberIndexInPlaceAndUndo)
{
    SelectAllFiles();
    NumberIndex("Bild", 2, 1);
    RenameAnswering(mrYes, [&] { Form().HMenuAktionenUmbenennen->trigger(); });
    EXPECT_EQ(Names(Source), (QStringList{"Bild01.txt", "Bild02.txt", "Bild03.txt", "sub/"}));
    EXPECT_EQ(fs::readFile(Source + "Bild02.txt").value_or(""), (Source + "a2.txt").toUtf8());
    EXPECT_EQ(LastIndexValue, 3);

    Undo();
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
    EXPECT_EQ(fs::readFile(Source + "a2.txt").value_or(""), (Source + "a2.txt").toUtf8());
}

TEST_F(RenameRoad, RecursiveMoveKeepsTheSubFolderAndUndoBringsThemBack)
{
    MakeFile(Source + "sub/b.txt");
    FilterMasksLeft = {"*.txt"};
    Form().DatUmbRekursiv->setChecked(true);
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText(Root + "ziel");
    Form().DatUmbRadioGroup02->setItemIndex(6);
    Form().DatUmbRadioGroup08->setItemIndex(2);
    Form().DatUmbRadioGroup09->setItemIndex(0);
    // Nothing is selected: the checked recursive box enables the item as the menu opens.
    RenameAnswering(mrYes, [&] {
        Form().HMenuAktionenClick();
        Form().HMenuAktionenUmbenennen->trigger();
    });
    EXPECT_EQ(RenameBaseFolder, Source);
    EXPECT_EQ(Names(Root + "ziel"), (QStringList{"A1.txt", "A2.txt", "A3.txt", "sub/"}));
    EXPECT_EQ(Names(Root + "ziel/sub"), QStringList{"B.txt"});
    EXPECT_EQ(Names(Source), QStringList{"sub/"});

    Undo();
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
    EXPECT_EQ(Names(Source + "sub"), QStringList{"b.txt"});
}

TEST_F(RenameRoad, NewExtensionOnlyForTheOldOnePreviewedAndCarriedOut)
{
    MakeFile(Source + "report.pdf");
    MakeFile(Source + "NOTE.TXT");
    SelectAllFiles();
    Form().DatUmbRadioGroup02->setItemIndex(8);
    Form().DatUmbComboBox01->setCurrentText("*.txt");
    Form().DatUmbComboBox02->setCurrentText("*.text");
    Form().DatUmbVorschau->setDown(true);
    ShowRenamePreview();
    QStringList previewed;
    for (int r = 1; r < Form().VorschauStringGrid01->RowCount(); ++r)
        previewed << Form().VorschauStringGrid01->Cells(1, r);
    EXPECT_EQ(previewed, (QStringList{"a1.text", "a2.text", "a3.text", "NOTE.text", "report.pdf"}));
    Form().DatUmbVorschau->setDown(false);

    RenameAnswering(mrYes, [&] { Form().HMenuAktionenUmbenennen->trigger(); });
    EXPECT_EQ(Names(Source), (QStringList{"a1.text", "a2.text", "a3.text", "NOTE.text", "report.pdf", "sub/"}));
    Undo();
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "NOTE.TXT", "report.pdf", "sub/"}));
}

TEST_F(RenameRoad, OwnDateAndTimeLeftEmptyRenameNothing)
{
    SelectAllFiles();
    Form().DatUmbRadioGroup02->setItemIndex(9);
    Form().RGDatumZeit01->setItemIndex(1);
    Form().RGDatumZeit03->setItemIndex(1);
    ExpectMessageAndAbort(HMenuAktionenUmbenennenClick, 9120); // before any question
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
    EXPECT_FALSE(Form().HMenuDateiRueckgaengig->isEnabled());
}

TEST_F(RenameRoad, AnsweringNoThroughTheToolButtonChangesNothing)
{
    SelectAllFiles();
    NumberIndex("x", 1, 0);
    RenameAnswering(mrNo, [&] { Form().TB01Umbenennen->click(); });
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
    EXPECT_FALSE(Form().HMenuDateiRueckgaengig->isEnabled());
}

TEST_F(RenameRoad, UnchangedBatchThroughThePopUpItemEndsWithoutAQuestion)
{
    SelectAllFiles();
    Form().DatUmbRadioGroup02->setItemIndex(3);
    Form().DatUmbEdit05->setText("nowhere");
    Form().PM01DateiUmbenennen->trigger();
    EXPECT_TRUE(modals_.shown().empty());
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
}

TEST_F(RenameRoad, MessagesAndChecksEndTheRoadBeforeAnythingIsRenamed)
{
    NumberIndex("x", 1, 0);
    ExpectMessageAndAbort(HMenuAktionenUmbenennenClick, 9000); // nothing selected

    SelectAllFiles();
    Form().DatUmbEdit03->setText("x1");
    EXPECT_THROW(HMenuAktionenUmbenennenClick(), EAbort); // silently, no question

    Form().DatUmbEdit03->setText("0");
    {
        const BatchGuard running; // a preview or batch is under way
        HMenuAktionenUmbenennenClick();
    }
    EXPECT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Names(Source), (QStringList{"a1.txt", "a2.txt", "a3.txt", "sub/"}));
}

} // namespace
