// Rules 3 to 9 of the rule list: replace, insert, cut, letter case, shorten,
// extension and date/time.

#include "RenameFixture.h"

#include "operations/fktAttribute.h"
#include "platform/fs/FileSystem.h"

#include <QComboBox>
#include <QDate>
#include <QTemporaryDir>

namespace {

class TextRules : public RenameFixture {};

// Non-BMP characters and lone surrogates (undecodable bytes) count as one character.
const QString Smile = QString::fromUcs4(U"\U0001F600");
const QString RawByte = QString(QChar(0xDCE9));

TEST_F(TextRules, ReplaceRunsOverTheWholeName)
{
    struct Case {
        QString name, search, replacement, result;
    };
    const Case cases[] = {
        {"abc.txt", "b", "bb", "abbc.txt"},    // the inserted text is not matched again
        {"aaa", "aa", "b", "ba"},
        {"a.txt.txt", ".txt", ".doc", "a.doc.doc"},
        {"Ab.txt", "a", "x", "Ab.txt"},        // case-sensitive
        {"a.txt", "a", "x/y\\z", "xyz.txt"},   // no folder from the replacement
        {"abc", "abc", "", "abc"},             // an empty name keeps the entry
        {"x" + RawByte + "y", RawByte, "-", "x-y"},
    };
    for (const Case &c : cases) {
        Form().DatUmbEdit05->setText(c.search);
        Form().DatUmbEdit06->setText(c.replacement);
        EXPECT_EQ(RunOne(ReplaceCharacters, "/d/" + c.name), "/d/" + c.result) << c.name.toStdString();
    }
}

TEST_F(TextRules, ReplaceWithoutSearchTextAsksForItAndChangesNothing)
{
    Form().DatUmbEdit05->setText("");
    modals_.answer(mrOk);
    EXPECT_EQ(RunOne(ReplaceCharacters, "/d/a.txt"), "/d/a.txt");
    ASSERT_EQ(modals_.shown().size(), 1u);
    ExpectInformation(modals_.shown()[0], LoadLangString(9008) + '\r' + LoadLangString(9009));
}

TEST_F(TextRules, Insert)
{
    struct Case {
        QString stem, text;
        int n;
        int from; // 0 start, 1 end
        QString result;
    };
    const Case cases[] = {
        {"abc", "X", 0, 0, "Xabc"}, {"abc", "X", 0, 1, "abcX"}, {"abc", "X", 3, 0, "abcX"},
        {"abc", "X", 3, 1, "Xabc"}, {"abc", "X", 1, 1, "abXc"}, {"abc", "X", 2, 0, "abXc"},
        {"abc", "X", 4, 0, "abc"},  // N beyond the stem: unchanged
        {Smile + "b", "X", 1, 0, Smile + "Xb"}, {"a" + RawByte, "X", 1, 1, "aX" + RawByte},
        {"abc", "/", 1, 0, "abc"},  // nothing left to insert
    };
    for (const Case &c : cases) {
        Form().DatUmbEdit07->setText(c.text);
        Form().DatUmbUpDownZKE->setPosition(c.n);
        Form().DatUmbRadioGroup06->setItemIndex(c.from);
        EXPECT_EQ(RunOne(InsertCharacters, "/d/" + c.stem + ".txt"), "/d/" + c.result + ".txt")
            << c.stem.toStdString() << " N " << c.n << " from " << c.from;
    }
}

TEST_F(TextRules, Cut)
{
    struct Case {
        int from, position, count;
        QString stem, result;
    };
    const Case cases[] = {
        {0, 2, 3, "abcdefg", "abfg"}, {0, 2, 3, "abcd", "ab"}, {0, 2, 3, "abc", "abc"},
        {0, 0, 1, "abc", "bc"},       {1, 4, 1, "abcdef", "abdef"}, {1, 4, 5, "abcdef", "abcdef"},
        {1, 5, 3, "abc", "bc"},       {1, 3, 3, "abcde", "ab"},
        {0, 1, 1, "x" + RawByte + "yz", "xyz"}, {0, 1, 1, Smile + Smile + "a", Smile + "a"},
        {1, 2, 1, Smile + Smile + "a", Smile + "a"},
    };
    for (const Case &c : cases) {
        Form().DatUmbRadioGroup07->setItemIndex(c.from);
        Form().DatUmbUpDownZA02->setPosition(c.position);
        Form().DatUmbUpDownZA01->setPosition(c.count);
        EXPECT_EQ(RunOne(CutCharacters, "/d/" + c.stem + ".txt"), "/d/" + c.result + ".txt")
            << c.stem.toStdString() << " from " << c.from << " P " << c.position << " C " << c.count;
    }
    // Cutting the whole stem leaves the extension as the name; a name without
    // extension is never emptied.
    Form().DatUmbRadioGroup07->setItemIndex(0);
    Form().DatUmbUpDownZA02->setPosition(0);
    Form().DatUmbUpDownZA01->setPosition(3);
    EXPECT_EQ(RunOne(CutCharacters, "/d/abc.txt"), "/d/.txt");
    EXPECT_EQ(RunOne(CutCharacters, "/d/abc"), "/d/abc");
}

TEST_F(TextRules, Case)
{
    struct Case {
        int mode, scope; // scope 0 name, 1 extension, 2 both
        QString name, result;
    };
    const Case cases[] = {
        {0, 0, "hello world.txt", "Hello world.txt"},
        {0, 1, "a.txt", "a.Txt"},
        {0, 2, "noext", "Noext"},               // no lone "." for a name without extension
        {1, 0, "  two  words.x", "  Two  Words.x"},
        {1, 0, "mIXed case", "MIXed Case"},     // nothing is lowered
        {1, 2, "a b.jpg", "A B.Jpg"},
        {2, 0, "\u00e4rger.txt", "\u00e4RGER.txt"},
        {2, 2, "a\u00e9b.txt", "A\u00e9B.TXT"},
        {3, 2, "ABC.TXT", "abc.txt"},
        {3, 1, "ABC.TXT", "ABC.txt"},
        {4, 2, "AbC.tXt", "aBc.TxT"},
        {4, 2, "noext", "NOEXT"},
        {2, 1, "noext", "noext"},
        {0, 0, ".bashrc", ".bashrc"},           // an empty stem stays empty
    };
    for (const Case &c : cases) {
        Form().DatUmbRadioGroup08->setItemIndex(c.mode);
        Form().DatUmbRadioGroup09->setItemIndex(c.scope);
        EXPECT_EQ(RunOne(ChangeCase, "/d/" + c.name), "/d/" + c.result)
            << c.name.toStdString() << " mode " << c.mode << " scope " << c.scope;
    }
}

TEST_F(TextRules, Shorten)
{
    struct Case {
        int kind;   // 0 by N, 1 to N, 2 8.3
        int where;  // 0 start, 1 end
        int scope;  // kind 1: 0 name, 1 name and extension
        int n;
        QString name, result;
    };
    const Case cases[] = {
        {0, 0, 0, 3, "abc.txt", "abc.txt"},   // never emptied by this kind
        {0, 0, 0, 2, "abcde.txt", "cde.txt"},
        {0, 1, 0, 2, "abcde.txt", "abc.txt"},
        {1, 1, 0, 3, "abcde.txt", "abc.txt"},
        {1, 0, 0, 3, "abcde.txt", "cde.txt"},
        {1, 1, 0, 0, "abcde.txt", ".txt"},    // "Name" and 0: only the extension remains
        {1, 1, 0, 0, "abcde", "abcde"},       // nothing would remain
        {1, 1, 0, 9, "abc.txt", "abc.txt"},
        {1, 1, 1, 6, "abcdef.txt", "ab.txt"}, // the extension counts towards N
        {1, 1, 1, 2, "abc.txt", "abc.txt"},   // the stem is never emptied
        {2, 1, 0, 0, "Verzeichnis.jpeg", "Verzeich.jpe"},
        {2, 0, 0, 0, "Verzeichnis.jpeg", "zeichnis.jpe"},
        {2, 1, 0, 0, "short.txt", "short.txt"},
        {2, 1, 0, 0, "noextensionhere", "noextens"},
        {1, 1, 0, 2, Smile + Smile + Smile + ".x", Smile + Smile + ".x"},
    };
    for (const Case &c : cases) {
        Form().DatUmbRadioGroup11->setItemIndex(c.kind);
        Form().DatUmbRadioGroup10->setItemIndex(c.where);
        Form().DatUmbRadioGroup12->setItemIndex(c.scope);
        Form().DatUmbUpDownNK->setPosition(c.n);
        EXPECT_EQ(RunOne(ShortenNames, "/d/" + c.name), "/d/" + c.result)
            << c.name.toStdString() << " kind " << c.kind << " where " << c.where << " scope " << c.scope
            << " N " << c.n;
    }
}

TEST_F(TextRules, ExtensionIsNormalised)
{
    Form().DatUmbAlleEndungen->setChecked(true);
    struct Case {
        QString typed, name, result;
    };
    const Case cases[] = {
        {"*.html", "a.txt", "a.html"}, {"*.html", "noext", "noext.html"}, {".txt", "a.doc", "a.txt"},
        {"txt", "a.doc", "a.txt"},     {"*.t/x\\t", "a", "a.txt"},        {"*.tar.gz", "a.b", "a.tar.gz"},
    };
    for (const Case &c : cases) {
        Form().DatUmbComboBox02->setCurrentText(c.typed);
        EXPECT_EQ(RunOne(ChangeExtension, "/d/" + c.name), "/d/" + c.result) << c.typed.toStdString();
    }
    for (const char *typed : {"", "*", ".", "*.", "/"}) {
        SCOPED_TRACE(typed);
        Form().DatUmbComboBox02->setCurrentText(typed);
        ExpectMessageAndAbort([&] { Run(ChangeExtension, {"/d/a.txt"}); }, 9064);
        EXPECT_EQ(Form().NeueDateinamen, QStringList{"/d/a.txt"});
    }
}

TEST_F(TextRules, ExtensionNeedsTheOldOneUnlessAllAreChanged)
{
    Form().DatUmbComboBox01->setCurrentText("");
    Form().DatUmbComboBox02->setCurrentText("*.bak");
    ExpectMessageAndAbort([&] { Run(ChangeExtension, {"/d/a.txt"}); }, 9063);
    Form().DatUmbAlleEndungen->setChecked(true);
    EXPECT_EQ(Run(ChangeExtension, {"/d/a.txt", "/d/b.doc"}), (QStringList{"/d/a.bak", "/d/b.bak"}));
}

TEST_F(TextRules, ExtensionChangesOnlyTheNamesOfTheOldOne)
{
    Form().DatUmbComboBox02->setCurrentText("*.text");
    const QStringList batch{"/d/a.txt", "/d/B.TXT", "/d/report.pdf", "/d/noext", "/d/a.txt.bak", "/d/txt"};
    struct Case {
        QString old;
        QStringList result;
    };
    const Case cases[] = {
        {"*.txt", {"/d/a.text", "/d/B.text", "/d/report.pdf", "/d/noext", "/d/a.txt.bak", "/d/txt"}},
        {".txt", {"/d/a.text", "/d/B.text", "/d/report.pdf", "/d/noext", "/d/a.txt.bak", "/d/txt"}},
        {"TXT", {"/d/a.text", "/d/B.text", "/d/report.pdf", "/d/noext", "/d/a.txt.bak", "/d/txt"}},
        {"*.*", {"/d/a.text", "/d/B.text", "/d/report.text", "/d/noext.text", "/d/a.txt.text", "/d/txt.text"}},
        {"*.t?t", {"/d/a.text", "/d/B.text", "/d/report.pdf", "/d/noext", "/d/a.txt.bak", "/d/txt"}},
    };
    for (const Case &c : cases) {
        Form().DatUmbComboBox01->setCurrentText(c.old);
        EXPECT_EQ(Run(ChangeExtension, batch), c.result) << c.old.toStdString();
    }
    // Every entry with all extensions, whatever the old box holds.
    Form().DatUmbComboBox01->setCurrentText("*.txt");
    Form().DatUmbAlleEndungen->setChecked(true);
    EXPECT_EQ(Run(ChangeExtension, {"/d/a.txt", "/d/report.pdf"}), (QStringList{"/d/a.text", "/d/report.text"}));
}

class DateTimeRule : public TextRules {
protected:
    void SetUp() override
    {
        TextRules::SetUp();
        ASSERT_TRUE(dir_.isValid());
        File = dir_.path() + "/name.ext";
        ASSERT_TRUE(fs::writeFileAtomic(File, "x"));
        // 9 December 2026, 14:05:07 local time
        const TDateTime created = QDate(1899, 12, 30).daysTo(QDate(2026, 12, 9)) + (14 * 3600 + 5 * 60 + 7) / 86400.0;
        TDateTime c, a, w;
        ASSERT_TRUE(GetFileTimes(File, c, a, w));
        ASSERT_TRUE(SetFileTimes(File, created, a, w)) << "the temporary folder keeps no creation time";
    }
    QString Folder() const { return dir_.path() + "/"; }
    QString File;

private:
    QTemporaryDir dir_;
};

TEST_F(DateTimeRule, CreationTime)
{
    struct Case {
        int arrangement, position, datum;
        QString result;
    };
    const Case cases[] = {
        {0, 0, 0, "9-12-2026 name.ext"},      {2, 0, 0, "14.5.7 name.ext"},
        {1, 0, 0, "9-12-202614.5.7 name.ext"}, {3, 0, 0, "14.5.79-12-2026 name.ext"},
        {0, 1, 0, "name 9-12-2026.ext"},      {0, 0, 1, "12-9-2026 name.ext"},
    };
    for (const Case &c : cases) {
        Form().RGDatumZeit03->setItemIndex(c.arrangement);
        Form().RGDatumZeit02->setItemIndex(c.position);
        Datum = std::uint8_t(c.datum);
        EXPECT_EQ(RunOne(InsertDateTime, File), Folder() + c.result)
            << "arrangement " << c.arrangement << " position " << c.position << " Datum " << c.datum;
    }
}

TEST_F(DateTimeRule, UnreadableCreationTimeKeepsTheName)
{
    const QStringList batch{Folder() + "missing.txt", File};
    EXPECT_EQ(Run(InsertDateTime, batch), (QStringList{Folder() + "missing.txt", Folder() + "9-12-2026 name.ext"}));
}

TEST_F(DateTimeRule, OwnValuesNeverAddAFolder)
{
    Form().RGDatumZeit01->setItemIndex(1);
    Form().MaskEdit01->setInputMask(QString());
    Form().MaskEdit02->setInputMask(QString());
    Form().MaskEdit01->setText("9/12\\2026");
    Form().MaskEdit02->setText("14.05.07");
    struct Case {
        int arrangement;
        QString result;
    };
    for (const Case &c : {Case{0, "9-12-2026 name.ext"}, Case{1, "9-12-2026 14.05.07 name.ext"},
                          Case{2, "14.05.07 name.ext"}, Case{3, "14.05.07 9-12-2026 name.ext"}}) {
        Form().RGDatumZeit03->setItemIndex(c.arrangement);
        EXPECT_EQ(RunOne(InsertDateTime, File), Folder() + c.result) << "arrangement " << c.arrangement;
    }
}

// The own values through the masked fields as the page builds them: only a complete
// date that exists and a complete time of day go into the names, and only the fields
// that the arrangement uses are checked.
TEST_F(DateTimeRule, OwnValuesMustBeCompleteWhereTheArrangementUsesThem)
{
    Form().RGDatumZeit01->setItemIndex(1);
    // The locale's separator, as it goes into a name.
    QString sep = Form().MaskEdit01->displayText().mid(2, 1);
    if (sep == "/" || sep == "\\")
        sep = "-";
    const QString valid = "09" + sep + "12" + sep + "2026";
    struct Case {
        QString date, time; // typed as digits; the fields put in their separators
        int arrangement;    // 0 date, 1 date + time, 2 time, 3 time + date
        int datum;
        int failure;        // the text of the failed check, 0 when the names are made
        QString result;
    };
    const Case cases[] = {
        {"09122026", "140507", 1, 0, 0, valid + " 14.05.07 name.ext"},
        {"", "", 0, 0, 9120, {}},         // empty: only the separators
        {"", "", 2, 0, 9121, {}},
        {"", "", 1, 0, 9120, {}},
        {"0912", "140507", 0, 0, 9120, {}},    // no year
        {"0912202", "140507", 0, 0, 9120, {}}, // a year of three digits
        {"31022026", "140507", 0, 0, 9120, {}}, // 31 February
        {"29022028", "", 0, 0, 0, "29" + sep + "02" + sep + "2028 name.ext"}, // a leap day; no time needed
        {"12312026", "", 0, 0, 9120, {}},       // month 31
        {"12312026", "", 0, 1, 0, "12" + sep + "31" + sep + "2026 name.ext"}, // month first with Datum 1
        {"", "1405", 2, 0, 9121, {}},          // no seconds
        {"", "240000", 2, 0, 9121, {}},
        {"", "126000", 2, 0, 9121, {}},
        {"", "235959", 2, 0, 0, "23.59.59 name.ext"},
        {"31022026", "140507", 2, 0, 0, "14.05.07 name.ext"}, // the date is not used
        {"09122026", "", 3, 0, 9121, {}},
        {"09122026", "140507", 3, 0, 0, "14.05.07 " + valid + " name.ext"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.toStdString() << " / " << c.time.toStdString() << " arrangement "
                                        << c.arrangement << " Datum " << c.datum);
        Form().MaskEdit01->setText(c.date);
        Form().MaskEdit02->setText(c.time);
        Form().RGDatumZeit03->setItemIndex(c.arrangement);
        Datum = std::uint8_t(c.datum);
        if (c.failure) {
            ExpectMessageAndAbort([&] { Run(InsertDateTime, {File}); }, c.failure);
            EXPECT_EQ(Form().NeueDateinamen, QStringList{File});
        } else {
            EXPECT_EQ(RunOne(InsertDateTime, File), Folder() + c.result);
        }
    }
}

TEST_F(TextRules, TargetModesKeepTheSubFolderBelowTheBase)
{
    Form().DatUmbRadioGroup08->setItemIndex(2);
    Form().DatUmbRadioGroup09->setItemIndex(0);
    Form().DatUmbRadioGroup01->setItemIndex(2);
    ExpectMessageAndAbort([&] { Run(ChangeCase, {"/src/a/x.txt"}); }, 9003);

    Form().DatUmbZielverzeichnis->setText("/ziel/");
    RenameBaseFolder = "/src/";
    EXPECT_EQ(Run(ChangeCase, {"/src/a/b/x.txt", "/src/y.txt", "/other/z.txt"}),
              (QStringList{"/ziel/a/b/X.txt", "/ziel/Y.txt", "/ziel/Z.txt"}));
    // The rules whose change does not apply still move the file.
    Form().DatUmbUpDownZKE->setPosition(9);
    EXPECT_EQ(RunOne(InsertCharacters, "/src/a/x.txt"), "/src/a/x.txt") << "insert leaves such entries";
    Form().DatUmbUpDownZA01->setPosition(9);
    EXPECT_EQ(RunOne(CutCharacters, "/src/a/x.txt"), "/ziel/a/x.txt");
    Form().DatUmbEdit05->setText("q");
    EXPECT_EQ(RunOne(ReplaceCharacters, "/src/a/x.txt"), "/ziel/a/x.txt");
}

} // namespace
