// The rename-function language of the sub-view "Funktionen".

#include "RenameFixture.h"

namespace {

class RenameFunction : public RenameFixture {
protected:
    QString Apply(const QString &Function, const QString &Entry)
    {
        Form().UmbenennungsFunktion->setText(Function);
        return RunOne(ApplyRenameFunction, Entry);
    }
};

TEST_F(RenameFunction, CommandsRewriteTheStemOnly)
{
    struct Case {
        QString function, name, result;
    };
    const Case cases[] = {
        {"<N:LFA>", "  a b  .txt", "a b.txt"},
        {"<N:LFA>", "\ta .txt", "\ta.txt"}, // only blanks are trimmed
        {"<N:zsa3>", "Track7.mp3", "Track007.mp3"},
        {"<N:ZSA3>", "CD1-Track12.mp3", "CD001-Track012.mp3"},
        {"<N:ZSA3>", "12345.txt", "12345.txt"},
        {"<N:ZSA3>", "a1.22", "a001.22"}, // the extension stays
        {"<N:ZSA258>", "a1", "a01"},      // places modulo 256
        {"<N:ZSA0>", "a1", "a1"},
        {QString("<N:ZSA3>"), QString("a\uFF11\u00C4.txt"), QString("a\uFF11\u00C4.txt")}, // full-width digit
        {"<N:LVG>", "MeinNeuerName.txt", "Mein Neuer Name.txt"},
        {"<N:LVG>", "My Name.txt", "My  Name.txt"},
        {QString("<N:LVG>"), QString("a\u00C4b.txt"), QString("a\u00C4b.txt")}, // only A-Z
        {"<N:LVG>", "A.txt", "A.txt"},
        {"<N:LVZ->", "a-b-c.txt", "a -b -c.txt"},
        {"<N:LVZ-x>", "-a-b.txt", "-a -b.txt"}, // one character; the first one stays
        {"<N:LVZ>", "a b.txt", "a b.txt"},      // no character matches nothing
        {QString("<N:LVZ\U0001F600>"), QString("a\U0001F600b.txt"), QString("a \U0001F600b.txt")},
        {QString("<N:SZU>"), QString("Gr\u00F6\u00DFe.txt"), "Groesse.txt"},
        {QString("<N:SZU>"), QString("\u00C4\u00D6\u00DC\u00E4\u00F6\u00FC\u00DF"), "AeOeUeaeoeuess"},
        {QString("<N:SZE>"), QString("Gr\u00F6\u00DFe.txt"), "Gre.txt"},
        {QString("<N:SZE>"), QString("a!b\u00A7c\u00B4d*e.txt"), "abcde.txt"},
        {"<N:SZE>", "!.txt", ".txt"},          // an empty stem with its extension remains
        {"<N:LFA>", ".txt", ".txt"},           // no stem: unchanged
        {"<N:SZE>", "?", "?"},                 // an empty name keeps the entry
        {"<N:ZEDab;x>", "abcab.txt", "xcx.txt"},
        {"<N:ZEDa;x/y>", "a.txt", "xy.txt"},   // no folder from the replacement
        {"<N:ZEDa;..>", "a", "a"},             // nor a name ".."
        {"<N:ZED;x>", "abc.txt", "abc.txt"},   // empty first text
        {"<N:ZEDa>", "abc.txt", "abc.txt"},    // no ";"
        {"<N:ZED_;.:ZSA3>", "a_1", "a.1"},     // the extension boundary moves
        {"<N:SZU:LFA:ZSA2>", QString(" \u00DC1 .txt"), "Ue01.txt"},
        {"x<N:LFA>", " a.txt", "a.txt"},       // text before the first ":" is ignored
    };
    for (const Case &c : cases)
        EXPECT_EQ(Apply(c.function, "/d/" + c.name), "/d/" + c.result)
            << c.function.toStdString() << " on " << c.name.toStdString();
}

TEST_F(RenameFunction, FaultyCommandsReportAndAbortBeforeAnythingIsRenamed)
{
    const std::pair<QString, int> cases[] = {
        {"<N>", 9105},         {"", 9105},           {"<N:ZSA>", 9106},  {"<N:ZSA3a>", 9106},
        {"<N:ZSA-1>", 9106},   {"<N:ZSA2147483648>", 9106},         {QString("<N:ZSA\uFF13>"), 9106},
        {"<N:LVZx>", 9116},    {"<N:LVZ7>", 9116},   {"<N:LFA:LVZZ>", 9116},
    };
    for (const auto &[function, id] : cases) {
        Form().UmbenennungsFunktion->setText(function);
        ExpectMessageAndAbort([this] { Run(ApplyRenameFunction, {"/d/a.txt"}); }, id);
    }
}

TEST_F(RenameFunction, UnknownEmptyOrUnclosedCommandsStopSilently)
{
    for (const QString function : {"<N:ABC>", "<N: LFA>", "<N:LFA", "<N::LFA>", "<N:LFA:>", "<N:LF>", "<N:LFA>:"}) {
        Form().UmbenennungsFunktion->setText(function);
        EXPECT_THROW(Run(ApplyRenameFunction, {"/d/a.txt"}), EAbort) << function.toStdString();
    }
    EXPECT_TRUE(modals_.shown().empty());
}

TEST_F(RenameFunction, EachCommandRunsOverTheWholeBatchBeforeTheNext)
{
    // The second command stops the action; the first has rewritten every entry.
    Form().UmbenennungsFunktion->setText("<N:LFA:XYZ>");
    Form().AlteDateinamen = Form().NeueDateinamen = QStringList{"/d/ a.txt", "/d/ b.txt"};
    EXPECT_THROW(ApplyRenameFunction(), EAbort);
    EXPECT_EQ(Form().NeueDateinamen, (QStringList{"/d/a.txt", "/d/b.txt"}));
}

TEST_F(RenameFunction, TargetModesMoveOnceWithTheSubPath)
{
    Form().DatUmbZielverzeichnis->setText("/t");
    RenameBaseFolder = "/b/";
    Form().UmbenennungsFunktion->setText("<N:ZSA2:LFA>");
    for (int mode : {1, 2}) {
        Form().DatUmbRadioGroup01->setItemIndex(mode);
        EXPECT_EQ(Run(ApplyRenameFunction, {"/b/s/x1.txt", "/b/y.txt"}), (QStringList{"/t/s/x01.txt", "/t/y.txt"}));
    }
    Form().DatUmbRadioGroup01->setItemIndex(0);
    EXPECT_EQ(RunOne(ApplyRenameFunction, "/b/s/x1.txt"), "/b/s/x01.txt");
}

TEST_F(RenameFunction, TargetModeWithoutFolderShows9003First)
{
    Form().DatUmbRadioGroup01->setItemIndex(1);
    Form().DatUmbZielverzeichnis->setText("");
    Form().UmbenennungsFunktion->setText("<N>"); // the target folder is checked before the commands
    ExpectMessageAndAbort([this] { Run(ApplyRenameFunction, {"/d/a.txt"}); }, 9003);
}

TEST_F(RenameFunction, CommandsOfTheFunctionText)
{
    Form().UmbenennungsFunktion->setText("<N:ZSA3:zedA;B:LFA>x");
    EXPECT_EQ(GetRenameFunctionCommand(1), "ZSA3");
    EXPECT_EQ(GetRenameFunctionCommand(2), "zedA;B");
    EXPECT_EQ(GetRenameFunctionCommand(3), "LFA"); // up to the last ">"
    EXPECT_EQ(GetRenameFunctionCommand(4), "");
    Form().UmbenennungsFunktion->setText("<N:a>b>");
    EXPECT_EQ(GetRenameFunctionCommand(1), "a>b");
    Form().UmbenennungsFunktion->setText("<N>:LFA");
    EXPECT_EQ(GetRenameFunctionCommand(1), "");
    // More than 255 commands all count.
    QString many = "<N";
    for (int k = 0; k < 300; ++k)
        many += ":LFA";
    Form().UmbenennungsFunktion->setText(many + ":ZSA2>");
    EXPECT_EQ(GetRenameFunctionCommand(301), "ZSA2");
    EXPECT_EQ(RunOne(ApplyRenameFunction, "/d/ 1 .txt"), "/d/01.txt");
}

TEST_F(RenameFunction, StemOperations)
{
    EXPECT_EQ(ZeroString(3), "000");
    EXPECT_EQ(ZeroString(0), "");
    EXPECT_EQ(PadDigitRuns("1a22b333", 3), "001a022b333");
    EXPECT_EQ(PadDigitRuns("", 3), "");
    EXPECT_EQ(PadDigitRuns("7", 255), QString(254, u'0') + "7");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(BlankBeforeCapitals("ABC"), "A B C");
    EXPECT_EQ(BlankBeforeCharacter("--", U'-'), "- -");
    EXPECT_EQ(ReplaceText("aaa", "a", ""), "");
}

} // namespace
