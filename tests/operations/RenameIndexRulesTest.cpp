// Rules 0 to 2 of the rule list: number index, letter index, addition to the existing
// names; their capacity check, the logical sort and the target folder check.

#include "RenameFixture.h"

#include <QRandomGenerator>
#include <QSet>

#include <algorithm>
#include <limits>

namespace {

class IndexRules : public RenameFixture {
protected:
    void Rule(int rule, const QString &stem, int places)
    {
        Form().DatUmbRadioGroup02->setItemIndex(rule);
        Form().DatUmbEdit01->setText(stem);
        Form().UpDownStellenanzahl01->setPosition(places);
    }
    static QStringList Files(int count, const QString &folder = "/d/")
    {
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << folder + QStringLiteral("f%1.txt").arg(i);
        return files;
    }
    static QStringList Names(const QStringList &paths)
    {
        QStringList names;
        for (const QString &p : paths)
            names << p.mid(p.lastIndexOf('/') + 1);
        return names;
    }
};

TEST_F(IndexRules, NumberIndexPadsToPlacesAndTakesItsPosition)
{
    Rule(0, "Bild", 3);
    Form().DatUmbEdit03->setText("7");
    const QStringList files{"/d/x.jpg", "/d/y.jpg", "/d/z"};
    EXPECT_EQ(Run(SetUpIndexRule, files), (QStringList{"/d/Bild007.jpg", "/d/Bild008.jpg", "/d/Bild009"}));
    EXPECT_EQ(LastIndexValue, 9);

    Form().DatUmbRadioGroup04->setItemIndex(1);
    Form().DatUmbRadioGroup03->setItemIndex(1);
    EXPECT_EQ(Run(SetUpIndexRule, {"/d/x.jpg"}), QStringList{"/d/007Bild.JPG"});
    Form().DatUmbRadioGroup03->setItemIndex(2);
    EXPECT_EQ(Run(SetUpIndexRule, {"/d/x.JPG"}), QStringList{"/d/007Bild.jpg"});

    // A number with more digits than places is written in full.
    Rule(0, "n", 1);
    Form().DatUmbEdit03->setText("5");
    Form().DatUmbRadioGroup04->setItemIndex(0);
    EXPECT_EQ(Names(Run(SetUpIndexRule, Files(5))), (QStringList{"n5.txt", "n6.txt", "n7.txt", "n8.txt", "n9.txt"}));
}

TEST_F(IndexRules, NumberIndexCapacity)
{
    struct Case {
        int places;
        int start;
        int files;
        bool passes;
    };
    for (const Case c : {Case{1, 0, 10, true}, Case{1, 0, 11, false}, Case{2, 95, 5, true}, Case{2, 95, 6, false},
                         Case{9, 0, 3, true}}) {
        SCOPED_TRACE(testing::Message() << "places " << c.places << " start " << c.start << " files " << c.files);
        Rule(0, "a", c.places);
        Form().DatUmbEdit03->setText(QString::number(c.start));
        LastIndexValue = -1;
        if (c.passes) {
            const QStringList names = Run(SetUpIndexRule, Files(c.files));
            EXPECT_EQ(LastIndexValue, c.start + c.files - 1);
            EXPECT_EQ(names.last(), "/d/a" + QString::number(c.start + c.files - 1).rightJustified(c.places, '0') + ".txt");
        } else {
            ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(c.files)); }, 9005);
            EXPECT_EQ(Form().NeueDateinamen, Files(c.files)) << "nothing is rewritten";
            EXPECT_EQ(LastIndexValue, -1);
        }
    }
}

TEST_F(IndexRules, LetterIndexStartsAndCapacity)
{
    struct Case {
        const char *typed;
        int places;
        int files;
        const char *first; // nullptr: message 9005
        const char *last;
    };
    const Case cases[] = {
        {"", 2, 3, "aa", "ac"},
        {"b", 2, 2, "aa", "ab"},        // the length differs from the places
        {"ab", 2, 674, "ab", "zy"},     // 676 - 2
        {"ab", 2, 675, nullptr, nullptr},
        {"y", 1, 1, "y", "y"},
        {"y", 1, 2, nullptr, nullptr},
        {"AB", 2, 2, "ab", "ac"},       // lower-cased
        {"a1", 2, 676, "aa", "zz"},     // not a-z: from aa, every code
        {"za", 2, 26, "za", "zz"},      // only the codes left
        {"za", 2, 27, nullptr, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "start \"" << c.typed << "\" places " << c.places << " files " << c.files);
        Rule(1, "p", c.places);
        Form().DatUmbEdit04->setText(c.typed);
        if (!c.first) {
            ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(c.files)); }, 9005);
            continue;
        }
        const QStringList names = Names(Run(SetUpIndexRule, Files(c.files)));
        EXPECT_EQ(names.first(), QStringLiteral("p%1.txt").arg(c.first));
        EXPECT_EQ(names.last(), QStringLiteral("p%1.txt").arg(c.last));
        EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << "no name twice";
        for (const QString &n : names)
            for (QChar ch : n.mid(1, c.places))
                EXPECT_TRUE(ch >= 'a' && ch <= 'z') << n.toStdString();
    }
}

TEST_F(IndexRules, LetterIndexAtTheBeginning)
{
    Rule(1, "Urlaub", 1);
    Form().DatUmbEdit04->setText("a");
    Form().DatUmbRadioGroup04->setItemIndex(1);
    EXPECT_EQ(Run(SetUpIndexRule, {"/d/1.png", "/d/2.png"}), (QStringList{"/d/aUrlaub.png", "/d/bUrlaub.png"}));
    EXPECT_EQ(LastIndexValue, 0) << "only the number index writes it";
}

TEST_F(IndexRules, IncrementLetterIndex)
{
    struct Case {
        const char *text;
        const char *next;
    };
    for (const Case c : {Case{"a", "b"}, Case{"az", "ba"}, Case{"azz", "baa"}, Case{"zz", "aa"}, Case{"", ""}}) {
        QString t = c.text;
        IncrementLetterIndex(t, int(t.size()));
        EXPECT_EQ(t, QString(c.next)) << c.text;
    }
    QString t = "az";
    IncrementLetterIndex(t, 1); // only the first position runs on
    EXPECT_EQ(t, QString("bz"));
}

TEST_F(IndexRules, NameAddition)
{
    Rule(2, "new", 3);
    EXPECT_EQ(RunOne(SetUpIndexRule, "/d/photo.jpg"), "/d/newphoto.jpg");

    Form().DatUmbRadioGroup05->setItemIndex(1);
    Form().DatUmbEdit03->setText("1");
    EXPECT_EQ(Run(SetUpIndexRule, {"/d/photo.jpg", "/d/b.jpg"}), (QStringList{"/d/001photo.jpg", "/d/002b.jpg"}));
    EXPECT_EQ(LastIndexValue, 0);

    // Numbers need the places: 10^1 - 8 = 2.
    Form().UpDownStellenanzahl01->setPosition(1);
    Form().DatUmbEdit03->setText("8");
    ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(3)); }, 9005);

    // The stem is required even when numbers are added.
    Form().DatUmbEdit01->setText("");
    ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(1)); }, 9004);
    Form().DatUmbRadioGroup05->setItemIndex(0);
    ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(1)); }, 9004);
}

TEST_F(IndexRules, TypedStemNeverAddsAFolder)
{
    Rule(0, "a/b\\c", 1);
    EXPECT_EQ(RunOne(SetUpIndexRule, "/d/x.txt"), "/d/abc0.txt");
    Rule(2, "//", 1);
    ExpectMessageAndAbort([&] { Run(SetUpIndexRule, Files(1)); }, 9004);
}

TEST_F(IndexRules, LogicalSortOrdersByTheNumberInEachName)
{
    Rule(0, "x", 1);
    Form().DatUmbLogisch->setChecked(true);
    const QStringList files{"/d/a10.txt", "/d/a9.txt", "/d/a100.txt", "/d/b.txt", "/d/a1.txt"};
    const QStringList names = Run(SetUpIndexRule, files);
    EXPECT_EQ(Form().AlteDateinamen, (QStringList{"/d/b.txt", "/d/a1.txt", "/d/a9.txt", "/d/a10.txt", "/d/a100.txt"}));
    EXPECT_EQ(names, (QStringList{"/d/x0.txt", "/d/x1.txt", "/d/x2.txt", "/d/x3.txt", "/d/x4.txt"}));

    // The addition is never sorted.
    Rule(2, "s", 1);
    Run(SetUpIndexRule, files);
    EXPECT_EQ(Form().AlteDateinamen, files);
}

TEST_F(IndexRules, NumberInFileName)
{
    struct Case {
        const char *name;
        std::int32_t number;
    };
    const Case cases[] = {
        {"a10.txt", 10},        {"abc.txt", 0},       {"x12y34.jpg", 12},  {"007b", 7},
        {"12.5.txt", 12},       {"a.123", 0},         {"", 0},             {"2147483647", 2147483647},
        {"2147483648.txt", std::numeric_limits<std::int32_t>::max()},
        {"a99999999999999999999999b", std::numeric_limits<std::int32_t>::max()},
        {"0000000000000000000042", 42},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NumberInFileName(c.name), c.number) << c.name;
}

TEST_F(IndexRules, SortByNumberKeysSortsLargeAndDegenerateLists)
{
    const int n = 200000;
    std::vector<std::vector<std::int32_t>> inputs(4, std::vector<std::int32_t>(size_t(n)));
    for (int i = 0; i < n; ++i) {
        inputs[0][size_t(i)] = i;                                    // sorted
        inputs[1][size_t(i)] = n - i;                                // reversed
        inputs[2][size_t(i)] = 7;                                    // all equal
        inputs[3][size_t(i)] = std::int32_t(QRandomGenerator(1u + i).bounded(1000)); // many repeats
    }
    for (std::vector<std::int32_t> keys : inputs) {
        // The list follows the keys through Swap.
        std::vector<std::int32_t> list = keys;
        std::vector<std::int32_t> expected = keys;
        std::sort(expected.begin(), expected.end());
        SortByNumberKeys(keys, 0, n - 1, [&](int i, int j) { std::swap(list[size_t(i)], list[size_t(j)]); });
        EXPECT_EQ(keys, expected);
        EXPECT_EQ(list, expected);
    }
}

TEST_F(IndexRules, TargetModesPutEveryFileDirectlyIntoTheTargetFolder)
{
    Rule(0, "n", 1);
    RenameBaseFolder = "/src/";
    Form().DatUmbRadioGroup01->setItemIndex(1);
    ExpectMessageAndAbort([&] { Run(SetUpIndexRule, {"/src/a/x.txt"}); }, 9003);

    Form().DatUmbZielverzeichnis->setText("/ziel");
    EXPECT_EQ(Run(SetUpIndexRule, {"/src/a/x.txt", "/src/y.txt"}), (QStringList{"/ziel/n0.txt", "/ziel/n1.txt"}));
    EXPECT_EQ(RenameTargetFolder, "/ziel/");

    Form().DatUmbRadioGroup01->setItemIndex(0);
    Form().DatUmbZielverzeichnis->setText("");
    EXPECT_EQ(RunOne(SetUpIndexRule, "/src/a/x.txt"), "/src/a/n0.txt");
    EXPECT_EQ(RenameTargetFolder, "/ziel/") << "mode 0 leaves it as it was";
}

} // namespace
