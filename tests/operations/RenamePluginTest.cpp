// Rule 10: plug-in libraries compute the new names and describe themselves. The
// libraries are the sample plug-in beside the program and the test plug-ins in its
// folder plugin-fixtures/.

#include "RenameFixture.h"

#include "platform/SharedLibrary.h"
#include "platform/toolkit/StringGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include <cstdlib>

namespace {

// The folder of the program, where the build puts the sample plug-in.
QString ProgramFolder()
{
    const QString program = QString::fromLocal8Bit(std::getenv("CORVEX_PROGRAM"));
    return program.left(program.lastIndexOf(u'/') + 1);
}

const QString RawByte = QString(QChar(0xDCE9)); // the byte E9 of a name

class Plugins : public RenameFixture {
protected:
    // The program's folder is known once the test program runs.
    const QString Sample = ProgramFolder() + "Unterstriche.so";
    const QString Fixtures = ProgramFolder() + "plugin-fixtures/";
    const QString Pruefling = Fixtures + "Pruefling.so";             // result by the name given
    const QString NurBeschreibung = Fixtures + "NurBeschreibung.so"; // only a description

    void Choose(const QString &Library) { Form().DatUmbComboBox03->setEditText(Library); }
    QStringList RunRule(const QStringList &Entries) { return Run(RenameByExternalDll, Entries); }
    // Fn shows 9082 as a warning with OK.
    void ExpectNotFound(const std::function<void()> &Fn)
    {
        const size_t before = modals_.shown().size();
        modals_.answer(mrOk);
        Fn();
        ASSERT_EQ(modals_.shown().size(), before + 1);
        const ModalRecord &shown = modals_.shown().back();
        EXPECT_EQ(shown.text, LoadLangString(9082));
        EXPECT_EQ(shown.dlgType, mtWarning);
        EXPECT_EQ(shown.buttonSet, mbOKOnly);
    }
    QString Memo() { return Form().DatUmbMemo01->toPlainText(); }
};

TEST_F(Plugins, TheSampleRenamesAndDescribesItself)
{
    Choose(Sample);
    EXPECT_EQ(RunRule({"/d/a b c.txt", "/d/ab.txt", "/d/x " + RawByte + ".txt"}),
              (QStringList{"/d/a_b_c.txt", "/d/ab.txt", "/d/x_" + RawByte + ".txt"}));
    Form().DatUmbBitBtn01Click();
    EXPECT_EQ(Memo(), "Leerzeichen werden zu Unterstrichen.\nBlanks become underscores.");
    EXPECT_FALSE(platform::SharedLibrary::IsLoaded(Sample));
}

TEST_F(Plugins, ResultsByKind)
{
    Choose(Pruefling);
    const QStringList in = {"/d/same.txt", "/d/null.txt", "/d/empty.txt", "/d/dot.txt",
                            "/d/sub.txt",  "/d/back.txt", "/d/k" + RawByte + ".txt"};
    const QStringList out = {"/d/same.txt", "/d/null.txt", "/d/empty.txt", "/d/dot.txt",
                             "/d/subx.txt", "/d/ab.txt",   "/d/k" + RawByte + ".txt"};
    EXPECT_EQ(RunRule(in), out);
    EXPECT_FALSE(platform::SharedLibrary::IsLoaded(Pruefling));
}

TEST_F(Plugins, TargetModesMoveTheUnchangedNamesWithTheirSubPath)
{
    Choose(Pruefling);
    Form().DatUmbZielverzeichnis->setText("/t");
    RenameBaseFolder = "/b/";
    Form().DatUmbRadioGroup01->setItemIndex(1);
    EXPECT_EQ(RunRule({"/b/s/same.txt", "/b/null.txt"}), (QStringList{"/t/s/same.txt", "/b/null.txt"}));
}

TEST_F(Plugins, TargetModeWithoutFolderAbortsAndReleasesTheLibrary)
{
    Choose(Pruefling);
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText("");
    ExpectMessageAndAbort([this] { RunRule({"/d/sub.txt"}); }, 9003);
    EXPECT_EQ(Form().NeueDateinamen, QStringList{"/d/sub.txt"});
    EXPECT_FALSE(platform::SharedLibrary::IsLoaded(Pruefling));
}

TEST_F(Plugins, MissingLibraryOrExportShows9082AndChangesNothing)
{
    for (const QString &library : {QString(), NurBeschreibung, Fixtures + "missing.so", QString("missing.so")}) {
        Choose(library);
        ExpectNotFound([this] { EXPECT_EQ(RunRule({"/d/a b.txt"}), QStringList{"/d/a b.txt"}); });
        EXPECT_FALSE(platform::SharedLibrary::IsLoaded(NurBeschreibung));
    }
}

TEST_F(Plugins, DescriptionLinesAndMissingDescription)
{
    Choose(NurBeschreibung);
    Form().DatUmbBitBtn01Click();
    EXPECT_EQ(Memo(), "Nur eine Beschreibung");
    // Not UTF-8: Windows-1252; CR and LF each end a line.
    Choose(Pruefling);
    Form().DatUmbBitBtn01Click();
    EXPECT_EQ(Memo(), QString("Pr\u00FCfling\nline two\nline three"));
    EXPECT_FALSE(platform::SharedLibrary::IsLoaded(Pruefling));
    // Without a library the memo keeps what it showed.
    for (const QString &library : {QString(), Fixtures + "missing.so"}) {
        Choose(library);
        ExpectNotFound([this] { Form().DatUmbBitBtn01Click(); });
        EXPECT_EQ(Memo(), QString("Pr\u00FCfling\nline two\nline three"));
    }
}

TEST_F(Plugins, ANameWithoutFolderComesFromTheProgramFolderFirst)
{
    ProgramDir = Fixtures;
    Choose("Pruefling.so");
    EXPECT_EQ(RunRule({"/d/sub.txt"}), QStringList{"/d/subx.txt"});
}

// A missing library: the preview asked for shows the warning, one that a change set off
// says it in the preview's line; either way the grid keeps only its header.
TEST_F(Plugins, PreviewWithAMissingLibrarySaysSo)
{
    TStringGrid *list = Form().DLStringGrid;
    list->setRowCount(1);
    list->setCells(1, 0, "/src/a b.txt");
    Form().DatUmbDateiListe->setChecked(true);
    Form().DatUmbRadioGroup02->setItemIndex(10);
    EXPECT_EQ(Form().DatUmb01a->currentIndex(), 9);
    Form().DatUmbVorschau->setDown(true);
    Choose(Fixtures + "missing.so");
    EXPECT_EQ(Form().VorschauStringGrid01->RowCount(), 1);
    EXPECT_EQ(Form().VorschauLabel01->text(), LoadLangString(9082));
    ExpectNotFound([] { ShowRenamePreview(PreviewStart::Asked); });
    EXPECT_EQ(Form().VorschauStringGrid01->RowCount(), 1);
    // A change of the library refreshes the preview.
    Choose(Sample);
    EXPECT_EQ(Form().VorschauStringGrid01->Cells(1, 1), "a_b.txt");
}

} // namespace
