// The registry store file and the settings read from and written to it.

#include "localisation/fktSprache.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/registry/TRegistry.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Section = QStringLiteral("[HKEY_CURRENT_USER\\Software\\Wexmoor\\CorvexPro\\V1.50]");

std::string Str(const QString &s)
{
    return s.toStdString();
}

void WriteStoreFile(const QString &text)
{
    const QString file = TRegistry::StoreFileName();
    ASSERT_TRUE(fs::createFolders(file.left(file.lastIndexOf('/'))));
    ASSERT_TRUE(fs::writeFileAtomic(file, fs::encodeName(text)));
}

// A store whose settings key holds these value lines.
void WriteSettings(const QString &valueLines)
{
    WriteStoreFile(QStringLiteral("REGEDIT4\n\n") + Section + QStringLiteral("\n") + valueLines);
}

QString StoreText()
{
    const auto bytes = fs::readFile(TRegistry::StoreFileName());
    return bytes ? fs::decodeName(*bytes) : QString();
}

// Value names of the settings key in file order.
QStringList StoredNames()
{
    QStringList names;
    bool inKey = false;
    for (const QString &line : StoreText().split('\n')) {
        if (line.startsWith('['))
            inKey = line == Section;
        else if (inKey && line.startsWith('"'))
            names << line.mid(1, line.indexOf('"', 1) - 1);
    }
    return names;
}

class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Strings that keep their value on a read error start empty, as at program start.
        Arbeitsverzeichnis.clear();
        StartverzeichnisLinks.clear();
        StartverzeichnisRechts.clear();
        Protokolldatei.clear();
        Sprache = 0;
        LanguageIndex = 0;
        ASSERT_TRUE(programDir_.isValid());
        ProgramDir = programDir_.path() + '/';
    }

    QTemporaryDir programDir_;
};

} // namespace

// ---- The store ----

TEST(RegistryStore, ValuesKeepTheirTypesAndUnknownLinesSurvive)
{
    WriteStoreFile(QStringLiteral(
        "REGEDIT4\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
        "\"Keep\"=\"me\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Wexmoor\\CorvexPro\\V1.50]\r\n"
        "; a comment\r\n"
        "\"Pfad\"=\"C:\\\\Daten\\\\\\\"x\\\"\"\r\n"
        "\"Zahl\"=dword:0000007b\r\n"
        "\"Liste\"=hex(7):61,00,62,00,\\\r\n"
        "  00,00\r\n"
        "\"Roh\"=hex:01,ff\r\n"
        "\"Erweitert\"=hex(2):24,48,4f,4d,45,00\r\n"
        "\"Seltsam\"=irgendwas\r\n"));

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(Str(reg.ReadString("Pfad")), "C:\\Daten\\\"x\"");
    EXPECT_EQ(reg.ReadInteger("zahl"), 123); // names compare without letter case
    EXPECT_EQ(Str(reg.ReadString("Erweitert")), "$HOME"); // REG_EXPAND_SZ as stored
    EXPECT_EQ(reg.GetValue("Liste")->Type, REG_MULTI_SZ);
    EXPECT_EQ(reg.GetValue("Liste")->Data, QByteArray("a\0b\0\0\0", 6));
    EXPECT_EQ(reg.GetValue("Roh")->Type, REG_BINARY);
    EXPECT_FALSE(reg.GetValue("Seltsam"));

    reg.WriteString("Neu", "x");
    reg.CloseKey();
    const QString text = StoreText();
    EXPECT_TRUE(text.startsWith("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Other]\n\"Keep\"=\"me\"\n")) << Str(text);
    for (const char *line : {"; a comment", "\"Pfad\"=\"C:\\\\Daten\\\\\\\"x\\\"\"", "\"Zahl\"=dword:0000007b",
                             "\"Liste\"=hex(7):61,00,62,00,00,00", "\"Roh\"=hex:01,ff",
                             "\"Erweitert\"=hex(2):24,48,4f,4d,45,00", "\"Seltsam\"=irgendwas", "\"Neu\"=\"x\""})
        EXPECT_TRUE(text.split('\n').contains(QString::fromUtf8(line))) << line << "\n" << Str(text);

    TRegistry again;
    ASSERT_TRUE(again.OpenKey("\\software\\wexmoor\\corvexpro\\v1.50\\", false));
    EXPECT_EQ(again.GetValue("Liste")->Data, QByteArray("a\0b\0\0\0", 6));
}

TEST(RegistryStore, StringsRoundTripWhateverTheyHold)
{
    const QString texts[] = {
        QStringLiteral("plain"),
        QStringLiteral("back\\slash \"quoted\" ;=[]"),
        QStringLiteral("two\nlines\r"),
        QStringLiteral("Umlaute äöü ß"),
        fs::decodeName(QByteArray("/name/\xff\xfe.txt")), // not valid UTF-8
        QString(),
    };
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(SettingsKey, true));
        for (size_t i = 0; i < std::size(texts); ++i)
            reg.WriteString(QStringLiteral("S%1").arg(i), texts[i]);
        reg.WriteInteger("Negativ", -2);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    for (size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(fs::encodeName(reg.ReadString(QStringLiteral("S%1").arg(i))), fs::encodeName(texts[i])) << i;
        EXPECT_EQ(reg.GetValue(QStringLiteral("S%1").arg(i))->Type, REG_SZ) << i;
    }
    EXPECT_EQ(reg.ReadInteger("Negativ"), -2);
    EXPECT_TRUE(StoreText().contains("\"Negativ\"=dword:fffffffe"));
    EXPECT_TRUE(StoreText().contains("\"S1\"=\"back\\\\slash \\\"quoted\\\" ;=[]\""));
}

TEST(RegistryStore, ReadsCheckTheType)
{
    WriteSettings(QStringLiteral("\"Text\"=\"5\"\n\"Zahl\"=dword:00000005\n\"Leer\"=hex:\n\"Zwei\"=hex(1):61,00,62,00\n"));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_THROW(reg.ReadInteger("Text"), ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Fehlt"), ERegistryException);
    EXPECT_THROW(reg.ReadBool("Text"), ERegistryException);
    EXPECT_THROW(reg.ReadString("Zahl"), ERegistryException);
    EXPECT_EQ(Str(reg.ReadString("Fehlt")), "");
    EXPECT_EQ(Str(reg.ReadString("Leer")), ""); // no data: empty, whatever the type
    EXPECT_EQ(Str(reg.ReadString("Zwei")), "a"); // up to the first NUL
    reg.CloseKey();
    EXPECT_THROW(reg.ReadString("Text"), ERegistryException);
    EXPECT_THROW(reg.WriteString("Text", "x"), ERegistryException);
}

TEST(RegistryStore, OpeningAKeyWritesNothing)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(SettingsKey, false));
    EXPECT_TRUE(reg.OpenKey(SettingsKey, true));
    reg.CloseKey();
    EXPECT_FALSE(fs::exists(TRegistry::StoreFileName()));
}

TEST(RegistryStore, UnreadableStoreIsNeverOverwritten)
{
    const QString file = TRegistry::StoreFileName();
    ASSERT_TRUE(fs::createFolders(file)); // a folder where the file belongs
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(SettingsKey, true));
    EXPECT_THROW(WriteTreePaneWidths(1, 2), ERegistryException);
    EXPECT_TRUE(fs::isFolder(file));
}

TEST(RegistryStore, FailedStoreIsReported)
{
    const QString file = TRegistry::StoreFileName();
    const QString folder = file.left(file.lastIndexOf('/'));
    ASSERT_TRUE(fs::createFolders(folder.left(folder.lastIndexOf('/'))));
    ASSERT_TRUE(fs::writeFileAtomic(folder, "not a folder")); // the store's folder cannot be made
    EXPECT_THROW(WriteThumbSize(120), ERegistryException);
    EXPECT_EQ(fs::readFile(folder).value_or(""), "not a folder");
}

TEST(RegistryStore, LivesInTheConfigFolder)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Str(TRegistry::StoreFileName()), saved.toStdString() + "/Wexmoor/CorvexPro.reg");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(Str(TRegistry::StoreFileName()), qgetenv("HOME").toStdString() + "/.config/Wexmoor/CorvexPro.reg");
    qputenv("XDG_CONFIG_HOME", saved);
}

// ---- Reading the settings ----

TEST_F(SettingsTest, EmptyStoreGivesTheDefaults)
{
    ReadSettings();
    const QString home = QString::fromLocal8Bit(qgetenv("HOME")) + '/';
    EXPECT_EQ(Str(Arbeitsverzeichnis), Str(ProgramDir));
    EXPECT_EQ(Str(StartverzeichnisLinks), Str(home));
    EXPECT_EQ(Str(StartverzeichnisRechts), Str(home));
    EXPECT_EQ(Str(Protokolldatei), "Protokoll.txt");
    EXPECT_EQ(Str(Dateiendungen), "");
    EXPECT_EQ(Str(FilterEinst), "");
    EXPECT_EQ(Sprache, 0);
    EXPECT_EQ(LanguageIndex, 0);
    const std::pair<int, int> numbers[] = {
        {Sprachwahl, 1}, {Datum, 0}, {Zeit, 0}, {Startwert, 0}, {Kontextmenu, 0}, {TortenFarbe, 2},
        {ThumbsBreite, 100}, {ThumbsHoehe, 100}, {ThumbLinks, 0}, {ThumbRechts, 0}, {ThumbHintGroesse, 100},
        {ThumbTransparenz, 255}, {VerstecktAnzeigen, 0}, {BildschirmSpeichern, 0}, {Explorer01aLinks, 150},
        {Explorer02aLinks, 150}, {SLVBackground01, 1}, {SLVBackground02, 1}, {SLVTextur01, 1},
        {SLVTextur02, 1}, {SLVFontColor01, 0}, {SLVFontColor02, 0}};
    for (size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i].first, numbers[i].second) << "setting " << i << " in table order";
    EXPECT_EQ(Str(SLVTexturPfad01), "");
    EXPECT_EQ(Str(SLVTexturPfad02), "");
}

TEST_F(SettingsTest, WorkingFolderFallsBackToTheDataFolder)
{
    ProgramDir = programDir_.path() + "/missing/";
    ReadSettings();
    const QString expected = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Wexmoor/CorvexPro/";
    EXPECT_EQ(Str(Arbeitsverzeichnis), Str(expected));
    EXPECT_TRUE(fs::isFolder(expected));
}

TEST_F(SettingsTest, FolderValuesEndInASlash)
{
    WriteSettings(QStringLiteral("\"Arbeitsverzeichnis\"=\"/data/work\"\n"
                                 "\"StartverzeichnisLinks\"=\"/data/left/\"\n"
                                 "\"StartverzeichnisRechts\"=\"/\"\n"
                                 "\"Protokolldatei\"=\"undo.log\"\n"
                                 "\"SLVTexturPfad01\"=\"/pics/a\"\n"));
    ReadSettings();
    EXPECT_EQ(Str(Arbeitsverzeichnis), "/data/work/");
    EXPECT_EQ(Str(StartverzeichnisLinks), "/data/left/");
    EXPECT_EQ(Str(StartverzeichnisRechts), "/");
    EXPECT_EQ(Str(Protokolldatei), "undo.log");
    EXPECT_EQ(Str(SLVTexturPfad01), "/pics/a");
}

TEST_F(SettingsTest, WronglyTypedValuesGiveTheDefault)
{
    WriteSettings(QStringLiteral("\"Arbeitsverzeichnis\"=dword:00000001\n"
                                 "\"StartverzeichnisLinks\"=hex:2f,00\n"
                                 "\"Protokolldatei\"=dword:00000001\n"
                                 "\"Dateiendungen\"=dword:00000001\n"
                                 "\"Sprache\"=\"10000\"\n"
                                 "\"Sprachwahl\"=\"0\"\n"
                                 "\"TortenFarbe\"=\"1\"\n"
                                 "\"ThumbTransparenz\"=hex:01,00,00,00\n"
                                 "\"Explorer01aLinks\"=\"300\"\n"
                                 "\"SLVTexturPfad02\"=dword:00000001\n"));
    ReadSettings();
    EXPECT_EQ(Str(Arbeitsverzeichnis), Str(ProgramDir));
    EXPECT_EQ(Str(StartverzeichnisLinks), Str(HomeFolder()));
    EXPECT_EQ(Str(Protokolldatei), "Protokoll.txt");
    EXPECT_EQ(Str(Dateiendungen), "");
    EXPECT_EQ(Sprache, 0);
    EXPECT_EQ(Sprachwahl, 1);
    EXPECT_EQ(TortenFarbe, 2);
    EXPECT_EQ(ThumbTransparenz, 255);
    EXPECT_EQ(Explorer01aLinks, 150);
    EXPECT_EQ(Str(SLVTexturPfad02), "");
}

TEST_F(SettingsTest, NumbersTruthValuesAndBytes)
{
    WriteSettings(QStringLiteral("\"TortenFarbe\"=dword:00000102\n"      // 258: low byte 2
                                 "\"ThumbTransparenz\"=dword:000001ff\n" // 511: low byte 255
                                 "\"ThumbHintGroesse\"=dword:00000014\n" // 20, not range-checked
                                 "\"Sprachwahl\"=dword:00000002\n"
                                 "\"Kontextmenu\"=dword:00000000\n"
                                 "\"SLVBackground01\"=dword:00000000\n"
                                 "\"Startwert\"=dword:ffffffff\n"
                                 "\"SLVFontColor02\"=dword:00ffffff\n"));
    ReadSettings();
    EXPECT_EQ(TortenFarbe, 2);
    EXPECT_EQ(ThumbTransparenz, 255);
    EXPECT_EQ(ThumbHintGroesse, 20);
    EXPECT_EQ(Sprachwahl, 1);
    EXPECT_EQ(Kontextmenu, 0);
    EXPECT_EQ(SLVBackground01, 0);
    EXPECT_EQ(Startwert, -1);
    EXPECT_EQ(SLVFontColor02, 0xFFFFFF);
}

TEST_F(SettingsTest, LanguageIndexFollowsSprache)
{
    const std::pair<QString, int> cases[] = {{"00004e20", 2}, {"00003a98", 0}, {"00009c40", 4}, {"00002710", 1}};
    for (const auto &[stored, index] : cases) {
        LanguageIndex = 0;
        WriteSettings(QStringLiteral("\"Sprache\"=dword:%1\n").arg(stored));
        ReadSettings();
        EXPECT_EQ(Sprache, stored.toInt(nullptr, 16));
        EXPECT_EQ(LanguageIndex, index) << Str(stored);
    }
}

// ---- Own extensions and filters ----

TEST(OwnExtensionsAndFilters, ExtensionsSplitByTheirRule)
{
    QString twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += QStringLiteral("*.e%1").arg(i, 2, 10, QLatin1Char('0'));
    const std::pair<QString, QStringList> cases[] = {
        {"*.abc*.de", {"*.abc", "*.de"}},
        {"*.abcdefghij", {"*.abcde"}},
        {"abc", {"abc"}},
        {"*.*ab", {"*.ab"}}, // a "*" after two characters neither ends the entry nor is kept
        {"*.a*.b", {"*.a", "*.b"}},
        {twelve, {"*.e01", "*.e02", "*.e03", "*.e04", "*.e05", "*.e06", "*.e07", "*.e08", "*.e09", "*.e10"}},
    };
    for (const auto &[stored, entries] : cases) {
        OwnExtensions.fill("old");
        ASSERT_EQ(SplitOwnExtensions(stored), int(entries.size())) << Str(stored);
        for (size_t i = 0; i < OwnExtensions.size(); ++i)
            EXPECT_EQ(Str(OwnExtensions[i]), Str(entries.value(qsizetype(i)))) << Str(stored) << " entry " << i;
    }
}

TEST(OwnExtensionsAndFilters, FiltersSplitAndFormTheFilterString)
{
    const QString longMask = QStringLiteral("*.aaaaaaaaaa;*.bbbbbbbbbb;*.cccccccccc");
    const std::tuple<QString, QStringList, QString> cases[] = {
        {"*.jpg;*.gif*.txt", {"*.jpg;*.gif", "*.txt"}, "|*.jpg;*.gif|*.jpg;*.gif|*.txt|*.txt|"},
        {"", {}, ""},
        {longMask, {longMask.left(30)}, "|" + longMask.left(30) + "|" + longMask.left(30) + "|"},
        {"*.a*.b*.c*.d*.e*.f", {"*.a", "*.b", "*.c", "*.d", "*.e"}, "|*.a|*.a|*.b|*.b|*.c|*.c|*.d|*.d|*.e|*.e|"},
    };
    for (const auto &[stored, entries, filterString] : cases) {
        OwnFilters.fill("old");
        FilterString = "old";
        ASSERT_EQ(SplitOwnFilters(stored), int(entries.size())) << Str(stored);
        for (size_t i = 0; i < OwnFilters.size(); ++i)
            EXPECT_EQ(Str(OwnFilters[i]), Str(entries.value(qsizetype(i)))) << Str(stored) << " entry " << i;
        EXPECT_EQ(Str(FilterString), Str(filterString));
    }
}

// ---- Writers ----

TEST_F(SettingsTest, EachWriterWritesItsValuesInItsOrder)
{
    const std::pair<std::function<void()>, QStringList> writers[] = {
        {WriteOptionsSettings,
         {"Arbeitsverzeichnis", "StartverzeichnisLinks", "StartverzeichnisRechts", "Protokolldatei",
          "Dateiendungen", "FilterEinst", "Sprache", "Datum", "Zeit", "Startwert", "TortenFarbe", "Kontextmenu",
          "ThumbLinks", "ThumbRechts", "ThumbHintGroesse", "ThumbTransparenz", "VerstecktAnzeigen",
          "BildschirmSpeichern", "SLVBackground01", "SLVBackground02", "SLVTextur01", "SLVTextur02",
          "SLVTexturPfad01", "SLVTexturPfad02", "SLVFontColor01", "SLVFontColor02"}},
        {WriteLanguageSettings, {"Arbeitsverzeichnis", "Protokolldatei", "Sprache", "Sprachwahl"}},
        {[] { WriteTreePaneWidths(210, 320); }, {"Explorer01aLinks", "Explorer02aLinks"}},
        {[] { WriteThumbSize(140); }, {"ThumbsBreite", "ThumbsHoehe"}},
    };
    for (const auto &[write, names] : writers) {
        fs::removeFile(TRegistry::StoreFileName());
        write();
        EXPECT_EQ(StoredNames(), names);
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    EXPECT_EQ(reg.ReadInteger("ThumbsBreite"), 140);
    EXPECT_EQ(reg.ReadInteger("ThumbsHoehe"), 140);
}

TEST_F(SettingsTest, WrittenSettingsReadBackWithTheirTypes)
{
    Arbeitsverzeichnis = "/work/";
    StartverzeichnisLinks = "/left/";
    StartverzeichnisRechts = "/right/";
    Protokolldatei = "log.txt";
    Dateiendungen = "*.abc*.de";
    FilterEinst = "*.jpg;*.gif*.txt";
    Sprache = 20000;
    Sprachwahl = 0;
    Datum = 1;
    Zeit = 1;
    Startwert = -7;
    Kontextmenu = 1;
    TortenFarbe = 0;
    ThumbLinks = 1;
    ThumbRechts = 1;
    ThumbHintGroesse = 450;
    ThumbTransparenz = 77;
    VerstecktAnzeigen = 1;
    BildschirmSpeichern = 1;
    SLVBackground01 = 0;
    SLVBackground02 = 0;
    SLVTextur01 = 6;
    SLVTextur02 = 3;
    SLVTexturPfad01 = "/pics/a.jpg";
    SLVTexturPfad02 = "/pics/b.bmp";
    SLVFontColor01 = 0xFFFFFF;
    SLVFontColor02 = 0x123456;
    WriteOptionsSettings();
    WriteLanguageSettings();
    WriteTreePaneWidths(210, 320);
    WriteThumbSize(140);

    // Everything written reads back the same after the globals are reset.
    Arbeitsverzeichnis = StartverzeichnisLinks = StartverzeichnisRechts = Protokolldatei = QString();
    ReadSettings();
    EXPECT_EQ(Str(Arbeitsverzeichnis), "/work/");
    EXPECT_EQ(Str(StartverzeichnisLinks), "/left/");
    EXPECT_EQ(Str(StartverzeichnisRechts), "/right/");
    EXPECT_EQ(Str(Protokolldatei), "log.txt");
    EXPECT_EQ(Str(Dateiendungen), "*.abc*.de");
    EXPECT_EQ(Str(FilterEinst), "*.jpg;*.gif*.txt");
    EXPECT_EQ(Sprache, 20000);
    EXPECT_EQ(LanguageIndex, 2);
    const std::pair<int, int> numbers[] = {
        {Sprachwahl, 0}, {Datum, 1}, {Zeit, 1}, {Startwert, -7}, {Kontextmenu, 1}, {TortenFarbe, 0},
        {ThumbsBreite, 140}, {ThumbsHoehe, 140}, {ThumbLinks, 1}, {ThumbRechts, 1}, {ThumbHintGroesse, 450},
        {ThumbTransparenz, 77}, {VerstecktAnzeigen, 1}, {BildschirmSpeichern, 1}, {Explorer01aLinks, 210},
        {Explorer02aLinks, 320}, {SLVBackground01, 0}, {SLVBackground02, 0}, {SLVTextur01, 6}, {SLVTextur02, 3},
        {SLVFontColor01, 0xFFFFFF}, {SLVFontColor02, 0x123456}};
    for (size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i].first, numbers[i].second) << "number " << i << " in table order";
    EXPECT_EQ(Str(SLVTexturPfad01), "/pics/a.jpg");
    EXPECT_EQ(Str(SLVTexturPfad02), "/pics/b.bmp");

    const QString strings[] = {"Arbeitsverzeichnis", "StartverzeichnisLinks", "StartverzeichnisRechts",
                               "Protokolldatei", "Dateiendungen", "FilterEinst", "SLVTexturPfad01",
                               "SLVTexturPfad02"};
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(SettingsKey, false));
    for (const QString &name : StoredNames())
        EXPECT_EQ(reg.GetValue(name)->Type, std::find(std::begin(strings), std::end(strings), name) != std::end(strings)
                                                 ? REG_SZ : REG_DWORD)
            << Str(name);
    EXPECT_EQ(StoredNames().size(), 31);
}
