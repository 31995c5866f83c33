// Path, name and size helpers, the character tables and the line files.

#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"

#include "localisation/fktSprache.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"
#include "shell/Haupt.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Case {
    const char16_t *a;
    const char16_t *b;
    const char16_t *expected;
};

QString S(const char16_t *text)
{
    return QString::fromUtf16(text);
}

TEST(PathHelpers, AddTrailingBackslash)
{
    EXPECT_EQ(AddTrailingBackslash(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(AddTrailingBackslash(QStringLiteral("/a")), QStringLiteral("/a/"));
    EXPECT_EQ(AddTrailingBackslash(QStringLiteral("/a/")), QStringLiteral("/a/"));
    EXPECT_EQ(AddTrailingBackslash(QString()), QString());
}

TEST(PathHelpers, PathBelowFolder)
{
    const Case cases[] = {
        {u"/a", u"/a/b/c", u"b/c/"},
        {u"/a/", u"/a/b/c/", u"b/c/"},
        {u"/a/", u"/a/", u""},
        {u"/a", u"/a", u""},
        {u"", u"/a/b", u""},
        {u"/a", u"/ab/c", u""},   // not at a component boundary
        {u"/a/b", u"/x/y/z", u""}, // outside the base
        {u"/", u"/x/y", u"x/y/"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PathBelowFolder(S(c.a), S(c.b)), S(c.expected)) << S(c.a).toStdString() << " " << S(c.b).toStdString();
}

// Paths that are normal already come back as they are; every other form is rebuilt.
// The byte form gives the same, also for a path that is not UTF-8, into a reused buffer.
TEST(PathHelpers, NormalPath)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"/", u"/"},
        {u"/a/b.txt", u"/a/b.txt"},
        {u"/a/b/", u"/a/b/"},
        {u"/.a/..b/c.", u"/.a/..b/c."},
        {u"/a//b", u"/a/b"},
        {u"/a/./b", u"/a/b"},
        {u"/a/../b", u"/b"},
        {u"/../etc/x", u"/etc/x"},
        {u"/a/.", u"/a"},
        {u"/a/..", u"/"},
        {u"/a/b/../", u"/a/"},
        {u"//", u"/"},
        {u"a/../b", u"a/../b"}, // not absolute: as it is
        {u"/a/\xDCE9/../\xDCE9.txt", u"/a/\xDCE9.txt"}, // the byte E9, not UTF-8
    };
    QByteArray normal = "a reused buffer that is longer than any case";
    for (const auto &[path, expected] : cases) {
        EXPECT_EQ(fs::normalPath(S(path)), S(expected)) << S(path).toStdString();
        fs::normalEncodedPath(fs::encodeName(S(path)), normal);
        EXPECT_EQ(normal, fs::encodeName(S(expected))) << S(path).toStdString();
    }
}

TEST(PathHelpers, StringReplaceAll)
{
    EXPECT_EQ(StringReplaceAll("abc", "b", "bb"), "abbc");
    EXPECT_EQ(StringReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(StringReplaceAll("ab", "abc", "x"), "ab");
    EXPECT_EQ(StringReplaceAll("", "a", "x"), "");
    EXPECT_EQ(StringReplaceAll("aXbX", "X", ""), "ab");
    EXPECT_EQ(StringReplaceAll("abc", "", "x"), "abc");
}

TEST(PathHelpers, RemoveInvalidNameChars)
{
    const Case cases[] = {
        {u"/x/a=b/c?d.mp3", nullptr, u"/x/ab/cd.mp3"},
        {u"/x/a:b/c:d.mp3", nullptr, u"/x/a:b/cd.mp3"},    // colon kept in folders only
        {u"/x/a\\b/c\\d.txt", nullptr, u"/x/a\\b/cd.txt"}, // backslash likewise
        {u"/x/y/#'.-_@~{}.txt", nullptr, u"/x/y/#'.-_@~{}.txt"},
        {u"/x/y/a\u00A7\u00B0\u00B4\u00E4.txt", nullptr, u"/x/y/a\u00E4.txt"},
        {u"/x/y/???", nullptr, u"/x/y/???"}, // nothing would be left of the name
        {u"/x/?\?/a.txt", nullptr, u"/x/?\?/a.txt"}, // nor of the folder name
        {u"/x/y/?..", nullptr, u"/x/y/?.."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RemoveInvalidNameChars(S(c.a)), S(c.expected)) << S(c.a).toStdString();
}

TEST(PathHelpers, CharacterTables)
{
    EXPECT_EQ(InvalidFolderChars.size(), 8);
    EXPECT_EQ(SpecialCharacters.size(), 26);
    EXPECT_EQ(UmlautCharacters.size(), 7);
    for (char16_t c : {u'\\', u':', u'\u00A7', u'\u00B0', u'\u00B4', u'/'})
        EXPECT_TRUE(SpecialCharacters.contains(QChar(c)));
    for (char16_t c : {u'#', u'\'', u'.', u'-', u'_', u'@', u'~', u'{', u'}'})
        EXPECT_FALSE(SpecialCharacters.contains(QChar(c)));
    EXPECT_TRUE(InvalidFolderChars.contains(u'='));
    EXPECT_FALSE(InvalidFolderChars.contains(u':'));
    EXPECT_FALSE(InvalidFolderChars.contains(u'\\'));
    EXPECT_TRUE(UmlautCharacters.contains(u'\u00DF'));
}

class FileHelpers : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
    }
    void MakeFile(const QString &name, qint64 size = 1)
    {
        ASSERT_TRUE(fs::writeFileAtomic(Root + name, QByteArray(size, 'x')));
    }
    QTemporaryDir dir_;
    QString Root;
};

TEST_F(FileHelpers, MakeUniqueFileName)
{
    EXPECT_EQ(MakeUniqueFileName(Root + "free.txt"), Root + "free.txt");
    MakeFile("a.txt");
    MakeFile("a_1.txt");
    EXPECT_EQ(MakeUniqueFileName(Root + "a.txt"), Root + "a_2.txt");
    MakeFile("name");
    EXPECT_EQ(MakeUniqueFileName(Root + "name"), Root + "name_1");
    // A folder or a dangling link of the name is taken as well.
    ASSERT_TRUE(fs::createFolders(Root + "dir.txt"));
    EXPECT_EQ(MakeUniqueFileName(Root + "dir.txt"), Root + "dir_1.txt");
    ASSERT_EQ(symlink("nowhere", fs::encodeName(Root + "link.txt").constData()), 0);
    EXPECT_EQ(MakeUniqueFileName(Root + "link.txt"), Root + "link_1.txt");
    // The renamed file does not take its own name; another file of the spelling does.
    EXPECT_EQ(MakeUniqueFileName(Root + "a.txt", Root + "a.txt"), Root + "a_2.txt");
    MakeFile("B.txt");
    EXPECT_EQ(MakeUniqueFileName(Root + "b.txt", Root + "B.txt"), Root + "b.txt");
    MakeFile("b.txt");
    EXPECT_EQ(MakeUniqueFileName(Root + "b.txt", Root + "B.txt"), Root + "b_1.txt");
}

TEST_F(FileHelpers, FileSizeText)
{
    const QString prefix = LoadLangString(8992);
    MakeFile("1023", 1023);
    MakeFile("1024", 1024);
    MakeFile("mb", 1048576);
    EXPECT_EQ(FileSizeText(Root + "1023"), prefix + "1023 Byte");
    const QString point = QLocale::system().decimalPoint();
    EXPECT_EQ(FileSizeText(Root + "1024"), prefix + "1" + point + "00 kByte");
    EXPECT_EQ(FileSizeText(Root + "mb"), prefix + "1" + point + "00 MByte");
    EXPECT_EQ(FileSizeText(qint64(5) << 30), prefix + "5" + point + "00 GByte");
    EXPECT_EQ(FileSizeText(qint64(3000) << 30), prefix + "3000" + point + "00 GByte");
    EXPECT_EQ(FileSizeText(Root + "missing"), QString());
    EXPECT_EQ(FileSizeText(dir_.path()), QString()); // a folder has no size text
}

TEST_F(FileHelpers, IsDriveReady)
{
    EXPECT_TRUE(IsDriveReady(QStringLiteral("/")));
    EXPECT_TRUE(IsDriveReady(Root));
    EXPECT_TRUE(IsDriveReady(Root + "not/yet/there")); // its nearest existing ancestor answers
    EXPECT_FALSE(IsDriveReady(QStringLiteral("A")));
    EXPECT_FALSE(IsDriveReady(QString()));
}

TEST_F(FileHelpers, PropertiesDialogOfOurOwnWithoutFileManager)
{
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    MainWindowFixture window;
    window.Create();
    MakeFile("p.txt", 10);
    ScriptedModals modals;
    modals.answer(QDialog::Accepted);
    ShowPropertiesDialog(Root + "p.txt");
    ASSERT_EQ(modals.shown().size(), 1u);
    EXPECT_EQ(modals.shown()[0].kind, QStringLiteral("Properties"));
    EXPECT_EQ(modals.shown()[0].text, Root + "p.txt");
}

TEST_F(FileHelpers, LineFilesRoundTripBytes)
{
    const QString latin = fs::decodeName(QByteArray("caf\xE9.txt"));
    const QStringList lines = {Root + "a.txt", Root + latin, QString(), QStringLiteral("\u00E4")};
    const QString file = Root + "lines.txt";
    ASSERT_TRUE(TextLines::writeLinesAtomic(file, lines));
    EXPECT_EQ(*fs::readFile(file), (Root + "a.txt\r\n").toUtf8() + fs::encodeName(Root) + "caf\xE9.txt\r\n\r\n\xC3\xA4\r\n");
    EXPECT_EQ(TextLines::readLines(file), lines);

    ASSERT_TRUE(TextLines::writeLinesAtomic(file, {}));
    EXPECT_EQ(*fs::readFile(file), QByteArray());
    EXPECT_EQ(TextLines::readLines(file), QStringList());
    EXPECT_FALSE(TextLines::readLines(Root + "missing").has_value());
}

TEST(TextLines, SplitLines)
{
    using List = QList<QByteArray>;
    EXPECT_EQ(TextLines::splitLines("a\r\nb\nc"), (List{"a", "b", "c"}));
    EXPECT_EQ(TextLines::splitLines("a\r\r\n"), (List{"a\r"})); // one CR dropped
    EXPECT_EQ(TextLines::splitLines("\n\n"), (List{"", ""}));
    EXPECT_EQ(TextLines::splitLines("a\rb\r\n"), (List{"a\rb"}));
    EXPECT_EQ(TextLines::splitLines(""), List{});
}

TEST_F(FileHelpers, TextLinesFallBackToWindows1252)
{
    const QString file = Root + "cmd.txt";
    ASSERT_TRUE(fs::writeFileAtomic(file, "M\xFCller\r\n\x80 \x93x\x94\n"));
    EXPECT_EQ(TextLines::readTextLines(file), (QStringList{S(u"M\u00FCller"), S(u"\u20AC \u201Cx\u201D")}));
    ASSERT_TRUE(fs::writeFileAtomic(file, "\xEF\xBB\xBFM\xC3\xBCller\r\n"));
    EXPECT_EQ(TextLines::readTextLines(file), (QStringList{S(u"M\u00FCller")}));
}

TEST(UndoLogTimes, ShortestFormRoundTrips)
{
    for (double v : {45123.0, 45123.5, 45123.123456789, 36526.999988426})
    {
        TDateTime back = 0;
        ASSERT_TRUE(ParseUndoLogTime(UndoLogTimeText(v), back)) << UndoLogTimeText(v).toStdString();
        EXPECT_NEAR(back, v, 1e-9);
    }
    EXPECT_EQ(UndoLogTimeText(45123.0), QStringLiteral("45123"));
    TDateTime v = 0;
    EXPECT_FALSE(ParseUndoLogTime(QStringLiteral("abc"), v));
    EXPECT_FALSE(ParseUndoLogTime(QString(), v));
}

} // namespace
