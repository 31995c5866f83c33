// TrueType font names: the reader of the naming table, its byte filters, the names in
// the TrueType view and the rename rule of that view, on fonts the tests make.

#include "RenameFixture.h"

#include "operations/rvTTF.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/StringGrid.h"
#include "support/FolderNames.h"
#include "support/FontFiles.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace fontfiles;

namespace {

class TrueType : public RenameFixture {
protected:
    void SetUp() override
    {
        RenameFixture::SetUp();
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + "/";
    }
    QString Font(const QString &Name, const QByteArray &Bytes)
    {
        EXPECT_TRUE(fs::writeFileAtomic(Root + Name, Bytes));
        return Root + Name;
    }
    static std::vector<std::string> Names()
    {
        return {FontNotice.toStdString(), FontFamilyName.toStdString(), FontStyleName.toStdString(),
                FontFullName.toStdString()};
    }
    std::vector<std::string> Read(const QByteArray &Bytes)
    {
        ReadTrueTypeNames(Font("f.ttf", Bytes));
        return Names();
    }
    std::vector<std::string> Labels()
    {
        std::vector<std::string> shown;
        for (QLabel *label : {Form().TTFLabel6, Form().TTFLabel7, Form().TTFLabel8, Form().TTFLabel9})
            shown.push_back(label->text().toStdString());
        return shown;
    }
    QTemporaryDir dir_;
    QString Root;
};

using Names4 = std::vector<std::string>;

TEST_F(TrueType, MacintoshAndWindowsRecords)
{
    EXPECT_EQ(Read(MakeFont({MacName(0, "(c) 2003  \x01"), MacName(1, "Sans\x7F"), MacName(2, "Bold\x85"),
                             MacName(4, "Sans Bold")})),
              (Names4{"(c) 2003", "Sans", "Bold", "Sans Bold"}));
    // Two-byte text: the zero bytes drop out; the notice ends at its first NUL.
    EXPECT_EQ(Read(MakeFont("Copyright", "Serif", "Italic", "Serif Italic")),
              (Names4{"", "Serif", "Italic", "Serif Italic"}));
}

TEST_F(TrueType, RecordsAsTheReaderTakesThem)
{
    // The last record of an id wins; ids 3 and above 4 are not read; only five records.
    EXPECT_EQ(Read(MakeFont({MacName(1, "First"), MacName(3, "Unique"), MacName(1, "Second"), MacName(5, "V"),
                             MacName(2, "Style"), MacName(4, "Sixth")})),
              (Names4{"", "Second", "Style", ""}));
    // Lengths count modulo 256.
    NameRecord wide = MacName(4, "Abcdef");
    wide.Length = 0x0103;
    EXPECT_EQ(Read(MakeFont({wide})), (Names4{"", "", "", "Abc"}));
    // A string past the end of the file gives an empty text, not the one read before;
    // a string that the end of the file cuts keeps the bytes that are there.
    NameRecord beyond = MacName(1, "");
    beyond.Offset = 0xFFF0;
    beyond.Length = 8;
    EXPECT_EQ(Read(MakeFont({MacName(1, "Family"), beyond})), (Names4{"", "", "", ""}));
    QByteArray cut = MakeFont({MacName(4, "Complete")});
    cut.chop(3);
    EXPECT_EQ(Read(cut), (Names4{"", "", "", "Compl"}));
    // Windows-1252 bytes become their characters, and a valid UTF-8 name.
    EXPECT_EQ(Read(MakeFont({MacName(4, "Caf\xE9"), MacName(1, "\xA0\xFF")})),
              (Names4{"", "\u00A0\u00FF", "", "Caf\u00E9"}));
}

TEST_F(TrueType, FilesWithoutNames)
{
    const QByteArray font = MakeFont("N", "F", "S", "Full");
    for (int size : {0, 1, 2, 3, 4, 20, 30, 34})
        EXPECT_EQ(Read(font.left(size)), (Names4{"", "", "", ""})) << size;
    EXPECT_EQ(Read(QByteArray(5000, 'x')), (Names4{"", "", "", ""}));
    // A table offset beyond the end of the file.
    QByteArray far = font;
    far[20] = char(0x7F); // the table offset's first byte
    EXPECT_EQ(Read(far), (Names4{"", "", "", ""}));
    // A file that cannot be opened, or is not a regular file.
    ReadTrueTypeNames(Root + "missing.ttf");
    EXPECT_EQ(Names(), (Names4{"", "", "", ""}));
    ReadTrueTypeNames(Root);
    EXPECT_EQ(Names(), (Names4{"", "", "", ""}));
}

TEST_F(TrueType, AFifoDoesNotBlock)
{
    const QString fifo = Root + "f.ttf";
    ASSERT_EQ(mkfifo(fs::encodeName(fifo).constData(), 0644), 0);
    QElapsedTimer timer;
    timer.start();
    ReadTrueTypeNames(fifo);
    EXPECT_EQ(Names(), (Names4{"", "", "", ""}));
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST_F(TrueType, TheFirstTagCountsWhereverItLies)
{
    const QByteArray font = MakeFont("N", "Family", "S", "Full");
    // Before, across and after the ends of the first read and of the later blocks.
    for (qsizetype prefix : {0, 65530, 65533, 65534, 65535, 65536, 65536 + 1048576 - 5, 65536 + 1048576 - 2}) {
        EXPECT_EQ(Read(MakeFont(std::vector<NameRecord>{MacName(1, "Family")}, QByteArray(prefix, 'x'))),
                  (Names4{"", "Family", "", ""}))
            << prefix;
    }
    // An earlier "name" is taken, even when it is no directory entry.
    QByteArray first = QByteArray(70000, 'x') + "name" + QByteArray(12, '\0');
    EXPECT_EQ(Read(MakeFont(std::vector<NameRecord>{MacName(1, "Family")}, first)), (Names4{"", "", "", ""}));
    // The same from an open device.
    QByteArray bytes = font;
    QBuffer buffer(&bytes);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    ReadTrueTypeNames(buffer);
    EXPECT_EQ(FontFamilyName, "Family");
}

TEST_F(TrueType, ByteFilters)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QString printable;
    for (int b = 0x20; b <= 0x7E; ++b)
        printable += QChar(b);
    for (int b = 0xA0; b <= 0xFF; ++b)
        printable += QChar(b);
    EXPECT_EQ(FilterFontNameBytes(all, 1), printable);
    QString safe = printable;
    for (QChar c : QString("\"*/:;<=>?[\\]^|"))
        safe.remove(c);
    EXPECT_EQ(FilterFontNameBytes(all, 2), safe.left(80));
    EXPECT_EQ(FilterFontNameBytes("Sans Bold: Italic", 2), "Sans Bold Italic");
    EXPECT_EQ(FontNameBytesToText(QByteArray("ab \x01 c \t\r\n\0xyz", 13)), "ab \x01 c");
    EXPECT_EQ(FontNameBytesToText("\x80"), QString("\u20AC"));
}

TEST_F(TrueType, ShowFontInfoByExtension)
{
    const QString font = Font("Sans.TTF", MakeFont({MacName(0, "(c)"), MacName(1, "Sans"), MacName(2, "Bold"),
                                                    MacName(4, "<b>Sans</b>")}));
    ShowFontInfo(font);
    EXPECT_EQ(Labels(), (Names4{"(c)", "Sans", "Bold", "bSansb"}));
    EXPECT_EQ(Form().TTFLabel9->textFormat(), Qt::PlainText);
    ShowFontInfo(Font("Sans.otf", MakeFont("a", "b", "c", "d")));
    EXPECT_EQ(Labels(), (Names4{"", "", "", ""}));
    ShowFontInfo(font);
    ShowFontInfo(QString());
    EXPECT_EQ(Labels(), (Names4{"", "", "", ""}));
}

TEST_F(TrueType, RuleNames)
{
    const QString colon = Font("a.ttf", MakeFont({MacName(4, "Sans Bold: Italic")}));
    const QString longName = Font("b.TTF", MakeFont({MacName(4, QByteArray(100, 'L'))}));
    const QString sixth = Font("c.ttf", MakeFont({MacName(1, "a"), MacName(1, "a"), MacName(1, "a"), MacName(1, "a"),
                                                  MacName(1, "a"), MacName(4, "Sixth")}));
    const QString dots = Font("d.ttf", MakeFont({MacName(4, "/..")}));
    EXPECT_EQ(Run(RenameByFontName, {colon, longName, sixth, dots, Root + "missing.ttf"}),
              (QStringList{Root + "Sans Bold Italic.ttf", Root + QString(80, 'L') + ".ttf", sixth,
                           Root + "...ttf", Root + "missing.ttf"}));
    Form().DatUmbRadioGroup01->setItemIndex(2);
    Form().DatUmbZielverzeichnis->setText("/t");
    RenameBaseFolder = Root;
    EXPECT_EQ(Run(RenameByFontName, {colon}), QStringList{"/t/Sans Bold Italic.ttf"});
}

TEST_F(TrueType, RuleMessagesChangeNothingAndDoNotAbort)
{
    modals_.answer(mrOk);
    EXPECT_EQ(Run(RenameByFontName, {}), QStringList{});
    ASSERT_EQ(modals_.shown().size(), 1u);
    ExpectInformation(modals_.shown()[0], LoadLangString(9052));
    const QString font = Font("a.ttf", MakeFont({MacName(4, "Full")}));
    for (int mode : {1, 2}) {
        Form().DatUmbRadioGroup01->setItemIndex(mode);
        modals_.answer(mrOk);
        EXPECT_EQ(Run(RenameByFontName, {font}), QStringList{font});
        ExpectInformation(modals_.shown().back(), LoadLangString(9003));
    }
}

TEST_F(TrueType, RoadMakesEqualNamesUniqueAndMovesFontsFlat)
{
    Arbeitsverzeichnis = Root;
    const QString src = Root + "src/";
    MakeTestFileBelow(Root, "src/one.ttf", MakeFont({MacName(4, "Name")}));
    MakeTestFileBelow(Root, "src/two.TTF", MakeFont({MacName(4, "Name")}));
    MakeTestFileBelow(Root, "src/plain.ttf", QByteArray("no font"));
    MakeTestFileBelow(Root, "src/sub/three.ttf", MakeFont({MacName(4, "Name")}));
    Form().DatUmbSpeedButton03->setDown(true);
    Form().DatUmbAnsichtWechsel();
    ASSERT_EQ(Form().DatUmb01->currentIndex(), 2);
    const auto fileList = [this](const QStringList &paths) {
        TStringGrid *list = Form().DLStringGrid;
        list->setRowCount(int(paths.size()));
        for (int r = 0; r < paths.size(); ++r)
            list->setCells(1, r, paths[r]);
    };
    fileList({src + "one.ttf", src + "two.TTF", src + "plain.ttf"});
    Form().DatUmbDateiListe->setChecked(true);

    // Mode 0: in their folder, the second name made unique.
    modals_.answer(mrYes);
    HMenuAktionenUmbenennenClick();
    EXPECT_EQ(SortedNames(src), (QStringList{"Name.ttf", "Name_1.ttf", "plain.ttf", "sub"}));

    // Mode 1: flat into the target folder.
    fileList({src + "Name.ttf", src + "Name_1.ttf", src + "sub/three.ttf"});
    Form().DatUmbZielverzeichnis->setText(Root + "target");
    Form().DatUmbRadioGroup01->setItemIndex(1);
    modals_.answer(mrYes);
    HMenuAktionenUmbenennenClick();
    EXPECT_EQ(SortedNames(Root + "target"), (QStringList{"Name.ttf", "Name_1.ttf", "Name_2.ttf"}));
    EXPECT_EQ(SortedNames(src), (QStringList{"plain.ttf", "sub"}));
    EXPECT_EQ(SortedNames(src + "sub"), QStringList{});
}

} // namespace
