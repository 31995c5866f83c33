// The ID3v1 tag component on files the tests write: reading, saving in place or
// appended, removal, the text and track rules, the genre table and the failures.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/ID3.h"
#include "operations/ID3Tag.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "support/ScriptedModals.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A block of 128 bytes: "TAG", the fields as given (padded with Fill), genre, and
// bytes 125/126 when Track >= 0.
QByteArray Block(const QByteArray &Title, const QByteArray &Comment = {}, int Genre = 255, int Track = -1,
                 char Fill = ' ')
{
    QByteArray b(128, Fill);
    b.replace(0, 3, "TAG");
    b.replace(3, Title.size(), Title);
    b.replace(97, Comment.size(), Comment);
    if (Track >= 0) {
        b[125] = 0;
        b[126] = char(Track);
    }
    b[127] = char(Genre);
    return b;
}

class ID3TagTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Sprache = 0;
    }
    void TearDown() override { EXPECT_EQ(modals_.pending(), 0u); }

    QString Write(const char *Name, const QByteArray &Content)
    {
        const QString path = dir_.path() + u'/' + QString::fromUtf8(Name);
        EXPECT_TRUE(fs::writeFileAtomic(path, Content));
        return path;
    }
    static QByteArray Read(const QString &Path) { return fs::readFile(Path).value_or("<missing>"); }

    // The component fails loudly: the warning 9117 with the path, nothing else.
    void ExpectWarning(const QString &Path)
    {
        ASSERT_EQ(modals_.shown().size(), 1u);
        EXPECT_EQ(modals_.shown()[0].text, LoadLangString(9117) + u'\r' + Path);
        EXPECT_EQ(modals_.shown()[0].dlgType, mtWarning);
        EXPECT_EQ(modals_.shown()[0].buttonSet, mbOKOnly);
    }

    QTemporaryDir dir_;
    ScriptedModals modals_;
};

TEST_F(ID3TagTest, GenreTable)
{
    ASSERT_EQ(Id3GenreNames.size(), 126u);
    EXPECT_EQ(Id3GenreNames[0], u"Blues");
    EXPECT_EQ(Id3GenreNames[17], u"Rock");
    EXPECT_EQ(Id3GenreNames[62], u"Pop/Funk");
    EXPECT_EQ(Id3GenreNames[67], u"Psychadelic");
    EXPECT_EQ(Id3GenreNames[93], u"Psychedelic Rock");
    EXPECT_EQ(Id3GenreNames[125], u"Dance Hall");
    EXPECT_EQ(GenreIndexOf("rOCK"), 17);
    EXPECT_EQ(GenreIndexOf("Unknown"), 255);
    EXPECT_EQ(GenreIndexOf(""), 255);
}

// What a file's block reads as.
TEST_F(ID3TagTest, Reading)
{
    const QByteArray audio(300, '\xFF');
    QByteArray v11zero = Block("T", QByteArray(28, 'c'), 17, 0); // track byte 0: V1.0
    QByteArray nulTitle = Block(QByteArray("Ab\0cd", 5), "x", 13);
    QByteArray controls = Block("Ab \t\x01", QByteArray(30, 'z'), 126);
    struct Case {
        const char *name;
        QByteArray content;
        bool present;
        std::int64_t position;
        QString title, comment, track, genre;
        bool noTrack;
    } const cases[] = {
        {"short", QByteArray(100, 'x'), false, 100, "", "", "0", "Unknown", false},
        {"empty", QByteArray(), false, 0, "", "", "0", "Unknown", false},
        {"no tag", audio, false, 300, "", "", "0", "Unknown", false},
        {"v1.1", audio + Block("Song", "Nice", 0, 7), true, 300, "Song", "Nice", "7", "Blues", false},
        {"track byte 0", audio + v11zero, true, 300, "T", QString(28, u'c'), "0", "Rock", true},
        {"cut at NUL", nulTitle, true, 0, "Ab", "x", "0", "Pop", true},
        {"trailing controls", controls, true, 0, "Ab", QString(30, u'z'), "0", "Unknown", true},
        {"genre 255", Block("a", "", 255), true, 0, "a", "", "0", "Unknown", true},
        {"windows-1252", Block("\xE9\x80\x81\x9D"), true, 0, QString::fromUtf8("é€\u0081\u009D"), "", "0",
         "Unknown", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TID3Tag tag;
        tag.setFileName(Write(c.name, c.content));
        EXPECT_EQ(tag.TagPresent, c.present);
        EXPECT_EQ(tag.TagPosition, c.position);
        EXPECT_EQ(tag.Title(), c.title);
        EXPECT_EQ(tag.Comment(), c.comment);
        EXPECT_EQ(tag.Track(), c.track);
        EXPECT_EQ(tag.Genre(), c.genre);
        EXPECT_EQ(tag.NoTrack(), c.noTrack);
        EXPECT_FALSE(tag.Modified);
    }
}

// The bytes a save writes, from a file without a tag (appended) or over a block.
TEST_F(ID3TagTest, SavedBytes)
{
    struct Case {
        const char *name;
        QByteArray before;
        std::function<void(TID3Tag &)> edit;
        QByteArray block;
    } const cases[] = {
        {"100 bytes: appended", QByteArray(100, 'a'), [](TID3Tag &t) { t.setTitle("x"); t.setNoTrack(true); },
         Block("x")},
        {"35 characters cut", {}, [](TID3Tag &t) { t.setTitle(QString(35, u'q')); t.setNoTrack(true); },
         Block(QByteArray(30, 'q'))},
        {"track 3 and 29 characters", Block("old"),
         [](TID3Tag &t) { t.setTitle("old"); t.setComment(QString(29, u'k')); t.setNoTrack(false); t.setTrack("3"); },
         Block("old", QByteArray(28, 'k'), 255, 3)},
        {"track 300", {}, [](TID3Tag &t) { t.setTitle("t"); t.setNoTrack(false); t.setTrack("300"); },
         Block("t", "", 255, 44)},
        {"pop-funk", {}, [](TID3Tag &t) { t.setGenre("pop/funk"); t.setNoTrack(true); }, Block("", "", 62)},
        {"rock", {}, [](TID3Tag &t) { t.setGenre("ROCK"); t.setNoTrack(true); }, Block("", "", 17)},
        {"unknown genre", Block("", "", 17), [](TID3Tag &t) { t.setGenre("Polka Punk"); t.setNoTrack(true); },
         Block("", "", 255)},
        {"windows-1252", {}, [](TID3Tag &t) { t.setArtist(QString::fromUtf8("é€\u0081中")); t.setNoTrack(true); },
         [] { QByteArray b = Block(""); b.replace(33, 4, "\xE9\x80\x81?"); return b; }()},
        // A character beyond U+FFFF is one character, one "?"; so is a lone surrogate.
        {"beyond U+FFFF",
         {},
         [](TID3Tag &t) {
             t.setArtist(QString::fromUtf8("x😀y"));
             t.setAlbum(QString::fromUtf16(u"a\xDC80\xD800" u"b\xDFFF"));
             t.setComment(QString::fromUtf8("😀") + QString(29, u'k') + u'z');
             t.setNoTrack(true);
         },
         [] {
             QByteArray b = Block("", "?" + QByteArray(29, 'k'));
             b.replace(33, 3, "x?y");
             b.replace(63, 5, "a??b?");
             return b;
         }()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write(c.name, c.before);
        TID3Tag tag;
        tag.setFileName(path);
        c.edit(tag);
        ASSERT_TRUE(tag.SaveTag());
        const QByteArray after = Read(path);
        const qsizetype kept = c.before.startsWith("TAG") ? 0 : c.before.size();
        EXPECT_EQ(after.left(kept), c.before.left(kept));
        EXPECT_EQ(after.mid(kept), c.block);
        EXPECT_EQ(tag.TagPosition, kept);
        EXPECT_FALSE(tag.Modified);
        // What was written reads back as it was set (but for what the block cannot hold).
        TID3Tag back;
        back.setFileName(path);
        EXPECT_EQ(back.Title(), tag.Title().left(30));
        EXPECT_EQ(back.Genre().toUpper(), GenreIndexOf(tag.Genre()) == 255 ? "UNKNOWN" : tag.Genre().toUpper());
    }
    TID3Tag e;
    e.setFileName(dir_.path() + "/windows-1252");
    EXPECT_EQ(e.Artist(), QString::fromUtf8("é€\u0081?"));
}

TEST_F(ID3TagTest, SetterRulesAndRereading)
{
    const QString path = Write("a.mp3", Block("One"));
    TID3Tag tag;
    tag.setFileName(path);
    EXPECT_FALSE(tag.Modified);
    tag.setTitle("One"); // unchanged
    EXPECT_FALSE(tag.Modified);
    tag.setTitle("one"); // case counts
    EXPECT_TRUE(tag.Modified);
    tag.setGenre("no such genre");
    EXPECT_EQ(tag.Genre(), "Unknown");
    tag.setGenre("jazz");
    EXPECT_EQ(tag.Genre(), "jazz");
    // The same name again reads the file afresh and clears Modified.
    ASSERT_TRUE(fs::writeFileAtomic(path, Block("Two")));
    tag.setFileName(path);
    EXPECT_EQ(tag.Title(), "Two");
    EXPECT_FALSE(tag.Modified);
    // An empty name reads nothing.
    tag.setFileName(QString());
    EXPECT_EQ(tag.Title(), "Two");
}

TEST_F(ID3TagTest, SaveWithoutChangesLeavesTheFileAlone)
{
    const QString path = Write("a.mp3", QByteArray(10, 'a') + Block("x"));
    TID3Tag tag;
    tag.setFileName(path);
    ASSERT_TRUE(fs::removeFile(path));
    EXPECT_TRUE(tag.SaveTagNow()); // nothing to write: the file is not even opened
    EXPECT_FALSE(fs::exists(path));
}

// Another writer changed the file since it was read: the block goes where it is now.
TEST_F(ID3TagTest, SaveFindsTheBlockAfresh)
{
    const QByteArray audio(500, 'a');
    const QString path = Write("a.mp3", audio + Block("old"));
    TID3Tag tag;
    tag.setFileName(path);
    ASSERT_EQ(tag.TagPosition, 500);
    ASSERT_TRUE(fs::writeFileAtomic(path, audio.left(450))); // tag removed, audio cut
    tag.setTitle("new");
    ASSERT_TRUE(tag.SaveTag());
    EXPECT_EQ(Read(path), audio.left(450) + Block("new"));
    EXPECT_EQ(tag.TagPosition, 450);

    ASSERT_TRUE(fs::writeFileAtomic(path, Block("other") + Block("moved"))); // a block at the new end
    tag.setTitle("newer");
    ASSERT_TRUE(tag.SaveTag());
    EXPECT_EQ(Read(path), Block("other") + Block("newer"));
}

TEST_F(ID3TagTest, FailedSavesWarnAndChangeNothing)
{
    // The file has gone: nothing is created.
    const QString gone = Write("gone.mp3", QByteArray(200, 'a'));
    TID3Tag tag;
    tag.setFileName(gone);
    ASSERT_TRUE(fs::removeFile(gone));
    tag.setTitle("x");
    modals_.answer(mrOk);
    EXPECT_FALSE(tag.SaveTag());
    ExpectWarning(gone);
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_TRUE(tag.Modified) << "a failed save stays to be done";
}

TEST_F(ID3TagTest, TrackThatIsNoNumberWarns)
{
    const QString path = Write("a.mp3", QByteArray(200, 'a'));
    TID3Tag tag;
    tag.setFileName(path);
    tag.setNoTrack(false);
    tag.setTrack("abc");
    modals_.answer(mrOk);
    EXPECT_FALSE(tag.SaveTag());
    ExpectWarning(path);
    EXPECT_EQ(Read(path), QByteArray(200, 'a'));
}

TEST_F(ID3TagTest, OnlyRegularFilesWithoutBlocking)
{
    const QString fifo = dir_.path() + "/f.mp3";
    ASSERT_EQ(mkfifo(fs::encodeName(fifo).constData(), 0644), 0);
    TID3Tag tag;
    tag.setFileName(fifo); // does not wait for a writer
    EXPECT_FALSE(tag.TagPresent);
    EXPECT_EQ(tag.Genre(), "Unknown");
    tag.setTitle("x");
    modals_.answer(mrOk);
    EXPECT_FALSE(tag.SaveTag());
    ExpectWarning(fifo);
}

TEST_F(ID3TagTest, RemoveTag)
{
    const QByteArray audio(300, 'a');
    const QString tagged = Write("tagged.mp3", audio + Block("x"));
    const QString plain = Write("plain.mp3", audio);
    const QString small = Write("small.mp3", "TAG");
    TID3Tag tag;
    EXPECT_TRUE(tag.RemoveTag(tagged));
    EXPECT_EQ(Read(tagged), audio);
    EXPECT_TRUE(tag.RemoveTag(plain));
    EXPECT_EQ(Read(plain), audio);
    EXPECT_TRUE(tag.RemoveTag(small));
    EXPECT_EQ(Read(small), "TAG");
    const QString gone = dir_.path() + "/gone.mp3";
    modals_.answer(mrOk);
    EXPECT_FALSE(tag.RemoveTag(gone));
    ExpectWarning(gone);
    EXPECT_FALSE(fs::exists(gone));
}

} // namespace
