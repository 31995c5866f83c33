// The text table as a whole: which ids each language file holds, the form of every
// line, the texts that must read exactly as quoted, the lookup by id and language
// offset, and that every id the code asks for is filled. The ids below are this test's
// own data, never read from the table.

#include "localisation/fktSprache.h"
#include "operations/TextLines.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>

#ifndef CORVEX_SOURCE_DIR
#error "CORVEX_SOURCE_DIR must name the source tree"
#endif

namespace {

enum Language { German, English, Dutch, Spanish, French };
const char *const Languages[5] = {"de", "en", "nl", "es", "fr"};
constexpr int LongestText = 177; // French 1202

struct IdRange {
    int first, last;
};
// Every id that has a text in some language (German ids).
const IdRange IdsOfTheTable[] = {
    // main window, rename page
    {1, 13}, {100, 118}, {200, 207}, {300, 364}, {500, 513}, {600, 615},
    // options dialog
    {700, 764},
    // undo item and action menu items
    {801, 802}, {806, 807}, {811, 816}, {820, 823}, {829, 830}, {839, 840},
    // TrueType, MP3 and rename-function views
    {900, 904}, {950, 962}, {1050, 1054}, {1060, 1065}, {1080, 1088}, {1150, 1163}, {1200, 1213},
    // attributes, sorting and folder pages, file list, chart, thumbnails
    {1500, 1515}, {1517, 1517}, {1519, 1519}, {1521, 1521}, {1523, 1530}, {1600, 1614}, {1700, 1703},
    {1750, 1753}, {1800, 1825}, {1850, 1862}, {1900, 1914}, {2000, 2016},
    // menus, pop-ups, report columns, view-style buttons, page tabs, graphics page
    {3000, 3005}, {3050, 3051}, {3054, 3063}, {3100, 3113}, {3200, 3217}, {3300, 3305}, {3400, 3407},
    {3500, 3504}, {3600, 3637}, {3650, 3653},
    // short texts
    {8989, 8999},
    // messages, captions and prompts
    {9000, 9005}, {9008, 9012}, {9014, 9022}, {9024, 9025}, {9029, 9029}, {9031, 9031}, {9039, 9040},
    {9042, 9042}, {9052, 9052}, {9054, 9064}, {9066, 9066}, {9079, 9083}, {9085, 9086}, {9088, 9096},
    {9100, 9117},
    // the own date and time of the date/time rule
    {9120, 9121},
    // the report of the files a batch could not change
    {9130, 9134}};

// Empty in every language: hints without a text, and the empty first item 302.
const std::set<int> EmptyInAllLanguages = {
    203,  301,  302,  306,  311,  315,  603,  605,  701,  705,  719,  721,  723,  730,  732,  740,  742,  748,
    750,  960,  962,  1612, 1809, 1908, 1912, 3001, 3051, 3101, 3201, 3301, 3405, 3601, 3623, 3625, 3637, 3651};

// Ids filled in some languages only, with the languages that have a text.
const std::map<int, std::set<Language>> PartlyFilled = {
    {606, {German, English, Dutch, French}}, {609, {Spanish}},        {1811, {Spanish}},
    {1813, {Dutch}},                         {2016, {Spanish}},       {9111, {German, Dutch}}};

// The texts that begin or end with a blank: prefixes and parts of joined messages, and
// the caption of the defective-file target group.
struct Edges {
    bool leading, trailing;
};
const std::map<int, Edges> BlankEdges = {{3618, {true, true}},   {8990, {false, true}}, {8992, {false, true}},
                                         {8999, {false, true}},  {9024, {false, true}}, {9057, {false, true}},
                                         {9058, {true, false}},  {9088, {true, false}}, {9130, {false, true}}};

std::set<int> AllIds()
{
    std::set<int> ids;
    for (const IdRange &range : IdsOfTheTable)
        for (int id = range.first; id <= range.last; ++id)
            ids.insert(id);
    return ids;
}

bool IsFilled(int id, Language language)
{
    if (EmptyInAllLanguages.count(id))
        return false;
    const auto partly = PartlyFilled.find(id);
    return partly == PartlyFilled.end() || partly->second.count(language);
}

std::set<int> FilledIds(Language language)
{
    std::set<int> filled;
    for (int id : AllIds())
        if (IsFilled(id, language))
            filled.insert(id);
    return filled;
}

// Sets Sprache for one test and puts the language state back afterwards.
class TextTableTest : public testing::Test {
protected:
    void TearDown() override
    {
        Sprache = 0;
        LanguageIndex = 0;
    }
    static QString Text(int language, int id)
    {
        Sprache = language * 10000;
        return LoadLangString(id);
    }
};

// The lines of one language file, without the final line feed.
QStringList ReadTextLines(int language)
{
    QFile file(QStringLiteral(":/resources/texts/%1.txt").arg(QLatin1String(Languages[language])));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing text resource " << Languages[language];
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString content = decoder(bytes);
    EXPECT_FALSE(decoder.hasError()) << Languages[language] << ".txt is not valid UTF-8";
    EXPECT_TRUE(content.endsWith(QLatin1Char('\n'))) << Languages[language] << ".txt: last line unterminated";
    QStringList lines = content.split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

const QRegularExpression &LineForm()
{
    static const QRegularExpression form(QStringLiteral("^([1-9][0-9]{0,3})\\t(.*)$"));
    return form;
}

// id -> text of one language file, as the file holds it.
std::map<int, QString> ReadTextFile(int language)
{
    std::map<int, QString> texts;
    for (const QString &line : ReadTextLines(language)) {
        const auto match = LineForm().match(line);
        if (match.hasMatch())
            texts.emplace(match.captured(1).toInt(), match.captured(2));
    }
    return texts;
}

// The characters that Windows-1252 has, without the control characters.
std::set<char16_t> Windows1252Characters()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    std::set<char16_t> characters;
    for (QChar c : TextLines::decodeWindows1252(bytes))
        if (c.category() != QChar::Other_Control)
            characters.insert(c.unicode());
    return characters;
}

TEST(TextTableFiles, EveryLineIsAnIdTabAndOneFilledLineOfWindows1252Text)
{
    const std::set<char16_t> windows1252 = Windows1252Characters();
    int longest = 0;
    for (int k = 0; k < 5; ++k) {
        const QStringList lines = ReadTextLines(k);
        ASSERT_FALSE(lines.isEmpty()) << Languages[k];
        int previous = 0;
        for (const QString &line : lines) {
            const auto match = LineForm().match(line);
            if (!match.hasMatch()) {
                ADD_FAILURE() << Languages[k] << ".txt: malformed line \"" << line.toStdString() << '"';
                continue;
            }
            const int id = match.captured(1).toInt();
            const QString text = match.captured(2);
            const std::string where = std::string(Languages[k]) + ".txt id " + std::to_string(id);
            EXPECT_GT(id, previous) << where << ": ids out of order or twice";
            previous = id;
            EXPECT_FALSE(text.isEmpty()) << where << ": an empty text has no line";
            EXPECT_LE(text.size(), LongestText) << where;
            longest = std::max(longest, int(text.size()));
            for (QChar c : text)
                EXPECT_TRUE(windows1252.count(c.unicode()))
                    << where << ": character U+" << std::hex << int(c.unicode()) << " is not in Windows-1252";
        }
    }
    EXPECT_EQ(longest, LongestText);
    EXPECT_EQ(ReadTextFile(French)[1202].size(), LongestText);
}

TEST(TextTableFiles, EachFileHoldsExactlyTheFilledIds)
{
    EXPECT_EQ(AllIds().size(), 608u);
    const size_t filledCount[5] = {568, 567, 569, 569, 567};
    for (int k = 0; k < 5; ++k) {
        const std::set<int> filled = FilledIds(Language(k));
        EXPECT_EQ(filled.size(), filledCount[k]) << Languages[k];
        const std::map<int, QString> texts = ReadTextFile(k);
        for (int id : filled)
            if (!texts.count(id))
                ADD_FAILURE() << Languages[k] << ".txt: text " << id << " missing";
        for (const auto &[id, text] : texts)
            EXPECT_TRUE(filled.count(id)) << Languages[k] << ".txt: id " << id << " should have no text";
    }
}

TEST(TextTableFiles, OnlyTextsJoinedWithANameBeginOrEndWithABlank)
{
    for (int k = 0; k < 5; ++k)
        for (const auto &[id, text] : ReadTextFile(k)) {
            if (text.isEmpty())
                continue; // a form fault, reported above
            const auto edges = BlankEdges.find(id);
            const Edges expected = edges == BlankEdges.end() ? Edges{false, false} : edges->second;
            const std::string where = std::string(Languages[k]) + ".txt id " + std::to_string(id);
            EXPECT_EQ(text.front().isSpace(), expected.leading) << where << " \"" << text.toStdString() << '"';
            EXPECT_EQ(text.back().isSpace(), expected.trailing) << where << " \"" << text.toStdString() << '"';
        }
}

TEST(TextTableFiles, ACaptionWithAnAccessKeyInGermanHasOneInEveryLanguage)
{
    std::map<int, QString> files[5];
    for (int k = 0; k < 5; ++k)
        files[k] = ReadTextFile(k);
    int captions = 0;
    for (const auto &[id, text] : files[German]) {
        if (!text.contains(QLatin1Char('&')))
            continue;
        ++captions;
        for (int k = 0; k < 5; ++k) {
            const QString caption = files[k][id];
            const qsizetype at = caption.indexOf(QLatin1Char('&'));
            EXPECT_TRUE(caption.count(QLatin1Char('&')) == 1 && at + 1 < caption.size() &&
                        caption.at(at + 1).isLetterOrNumber())
                << Languages[k] << ".txt id " << id << " \"" << caption.toStdString() << '"';
        }
    }
    EXPECT_GE(captions, 15);
}

// Dutch, Spanish and French say each text in their own words: a text equal to the
// German or English one is a word that is the same there, or quoted so.
TEST(TextTableFiles, EachLanguageInItsOwnWords)
{
    const std::set<QString> sameThere[5] = {
        {},
        {},
        {"Datum:", "Datum", "TTF", "MP3", "Titel", "Album", "Genre", "Track", "V1.0", "V1.1", "Sec.", "alle",
         "Laden", "Type", "Details", "&Info", "Help", "Info ...", "&OK", "OK", "Corvex Pro", "Links", "Rechts",
         "Number: "},
        {"General", "TTF", "MP3", "V1.0", "V1.1", "Fotos", "&Info", "Info ...", "&OK", "OK", "Corvex Pro"},
        {"Position", "Date", "TTF", "MP3", "Album", "Genre", "Liste", "V1.0", "V1.1", "Minute", "Sec.", "Archive",
         "Photos", "Options", "Type", "&Info", "Info ...", "&OK", "OK", "Corvex Pro", "Transparent", "Opaque"}};
    // The Spanish block holds the English lines of this message.
    const std::set<int> spanishInEnglish = {9108, 9109, 9110, 9112};
    // Words that only German or English have.
    const QRegularExpression foreignWord(QStringLiteral(
        "\\b(the|and|with|you|your|please|files?|director(y|ies)|folders?|yet|should|und|oder|nicht|Sie|"
        "Dateien|Datei|Ordner|Verzeichnis|bitte|wurden?|keine?|ist|für)\\b"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::UseUnicodePropertiesOption);

    const std::map<int, QString> german = ReadTextFile(German), english = ReadTextFile(English);
    for (int k : {Dutch, Spanish, French})
        for (const auto &[id, text] : ReadTextFile(k)) {
            if (k == Spanish && spanishInEnglish.count(id))
                continue;
            const std::string where = std::string(Languages[k]) + ".txt id " + std::to_string(id) + " \"" +
                                      text.toStdString() + '"';
            const auto same = [&](const std::map<int, QString> &other) {
                const auto it = other.find(id);
                return it != other.end() && it->second == text;
            };
            if (same(german) || same(english)) {
                EXPECT_TRUE(sameThere[k].count(text)) << where << " is the German or English text";
            }
            const auto foreign = foreignWord.match(text);
            EXPECT_FALSE(foreign.hasMatch()) << where << " holds \"" << foreign.captured().toStdString() << '"';
            if (id != 1209) { // "umlauts and ß"
                EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[ÄÖÜäöüß]")))) << where;
            }
        }
}

TEST_F(TextTableTest, QuotedTextsComeBackExactly)
{
    struct Row {
        int id;
        const char *texts[5]; // nullptr: not quoted in that language
    };
    const Row rows[] = {
        {9042, {"Sprache auswählen", "Select language", "Taal kiezen", "Seleccionar idioma", "Choisissez la langue"}},
        {9040, {"&Abbrechen", "&Abort", "&Beëindigen", "&Cancelar", "&Arrêt"}},
        {8999, {"Anzahl: ", "Number: ", "Number: ", "Número: ", "Nombre: "}},
        {9110,
         {"Funktion Kopien verkleinern oder lassen Sie zuerst einmal nur", "first or test it with backup files.",
          "de functie Kopie verkleinen of laat allereerst alleen", "first or test it with backup files.",
          "première ou les examinent avec les dossiers de secours."}},
        {9111, {"Sicherheitskopien verkleinern.", "", "de back-up kopieën verkleinen.", "", ""}},
        {710, {"Corvex Pro starten", "Corvex Pro", "Corvex Pro", "Corvex Pro", "Corvex Pro"}},
        {9039, {"&OK", "&OK", "&OK", "&OK", "&OK"}},
        // German and English, spread over the ranges
        {200, {"Verzeichnisse Rekursiv durchsuchen", "Search directories recursive"}},
        {201,
         {"Hier können Sie festlegen ob auch die Unterverzeichnisse durchsucht werden sollen",
          "Here you can choose whether to search the sub-directories as well"}},
        {511, {"Zielverzeichnis festlegen. Bitte klicken !!!", "Set destination directory. Please click !!!"}},
        {708, {"VKT in Kontextmenü einfügen", "Integrate VKT into shell"}},
        {711, {"Startverzeichnis links", "Starting Directory Left"}},
        {713, {"Arbeitsverzeichnis", "Working Directory"}},
        {714, {"Name der Protokolldatei", "Name Of The Log File"}},
        {716, {"Eigene Dateiendungen", "Your Own File Extensions"}},
        {718, {"&OK"}},
        {720, {"&Abbrechen", "&Abort"}},
        {727, {"Eingebundene DLLs", "Linked DLLs"}},
        {731, {"DLL entfernen", "Remove DLL"}},
        {733, {"Grundeinstellungen", "Base Adjustments"}},
        {734, {"Oberfläche", "Surface"}},
        {736, {"Optionen", "Options"}},
        {737, {"Format: *.xxxxx;*.xxxxx *.yyyyy;*.yyyyy"}},
        {743, {"Grösse [Pixel]"}},
        {751, {"OK"}},
        {755, {"Suchen in:", "Search in:"}},
        {756, {"kein Hintergrund", "No Background"}},
        {762, {"eigene Textur", "Own Texture"}},
        {806,
         {"Letzten Umbenennungsvorgang wiederrufen (nur bei umbenennen/verschieben und umbenennen).",
          "Undo last rename process (only possible at rename/move and rename)."}},
        {811, {"Datei löschen", "Delete File"}},
        {822,
         {"Markierte Dateien (Dateien im markierten Ordner) umbenennen",
          "Rename marked files (files in marked directory)."}},
        {1088, {"nach im ID3 Tag gespeicherten Interpreten sortieren", "Sort after artist saved in id3 tag"}},
        {1526, {"Dateiattribute", "File Attributes"}},
        {1600, {"sortiere&n nach", "Sort accordi&ng to"}},
        {1602, {"Anfangsbuchstaben (-zahlen)", "Initial Letter / Number"}},
        {1609, {"verschieben und sortieren", "M&ove and Sort"}},
        {2012, {"Ordner Füllstand", "Directory Fill Level"}},
        {3000, {"Hierher kopieren", "Copy"}},
        {3102, {"Dateiauswahl", "File Select"}},
        {3108, {"Ordner Füllstand", "Folder Fill Level"}},
        {3210, {"Name"}},
        {3211, {"Größe"}},
        {3212, {"Typ"}},
        {3213, {"Geändert am"}},
        {3618, {" Defekte Dateien in Zielverzeichnis "}},
        {8990, {"Stand: ", "Release: "}},
        {8991, {"Sonstige", "Others"}},
        {8992, {"Dateigrösse: ", "File Size: "}},
        {9001, {"Möchten Sie die Dateien wirklich umbenennen ?", "Do you really want to rename the files ?"}},
        {9003, {"Es wurde noch kein Zielverzeichnis angegeben !", "You haven't choosen a destination directory yet !"}},
        {9029, {"Möchten Sie die Datei wirklich löschen ?", "Do you really want to delete the file ?"}},
        {9031, {"Möchten Sie die Dateien wirklich löschen ?", "Do you really want to delete the files ?"}},
        {9057, {"Ein Ordner mit dem Namen ", "A directory with the name "}},
        {9058, {" ist bereits vorhanden!", " is already present!"}},
        {9059, {"Es wurde noch kein Ordner ausgewählt !", "There is no directory marked yet !"}},
        {9062, {"Es wurde noch kein Dateiname angegeben !", "You haven't inserted a filename yet !"}},
        {9079, {"Möchten Sie die Ordner wirklich umbenennen?", "Do you really want to rename the directories ?"}},
        {9088, {" leere Ordner gefunden.", " empty folder(s) found."}},
        {9089, {"Möchten Sie die Ordner wirklich löschen ?", "Do you really want to delete the folder(s) ?"}},
        {9090, {"Es wurden keine leeren Ordner gefunden.", "No empty folders found."}},
        {9103, {"Ordnernamen einlesen", "Read in directory names"}},
        {9104, {"Ordnerdaten einlesen", "Read in directory data"}},
        {9115, {"Die Suche nach defekten Dateien ist beendet.", "Search for damaged files ready."}},
    };
    for (const Row &row : rows)
        for (int k = 0; k < 5; ++k)
            if (row.texts[k]) {
                EXPECT_EQ(Text(k, row.id).toStdString(), row.texts[k]) << "id " << row.id << " language " << k;
            }
}

TEST_F(TextTableTest, EmptyAndPartlyFilledEntriesAsListed)
{
    for (int id : EmptyInAllLanguages)
        for (int k = 0; k < 5; ++k)
            EXPECT_TRUE(Text(k, id).isEmpty()) << "id " << id << " language " << k;
    for (const auto &[id, filledIn] : PartlyFilled)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(Text(k, id).isEmpty(), !filledIn.count(Language(k))) << "id " << id << " language " << k;

    // As the lookup gives them.
    Sprache = 30000;
    EXPECT_FALSE(LoadLangString(609).isEmpty());
    EXPECT_TRUE(LoadLangString(606).isEmpty());
    Sprache = 20000;
    EXPECT_FALSE(LoadLangString(1813).isEmpty());
    EXPECT_EQ(LoadLangString(8999).toStdString(), "Number: ");
}

TEST_F(TextTableTest, LongestTextComesBackWhole)
{
    const QString text = Text(French, 1202);
    EXPECT_EQ(text.size(), LongestText);
    EXPECT_EQ(text.toStdString(), ReadTextFile(French)[1202].toStdString());
}

// The message of texts 9108 to 9112, joined with CR as the JPEG reduction shows it.
TEST_F(TextTableTest, JoinedMessageKeepsAnEmptyLineWhereTheEntryIsEmpty)
{
    auto message = [](int language) {
        QStringList lines;
        for (int id = 9108; id <= 9112; ++id)
            lines << Text(language, id);
        return lines.join(QLatin1Char('\r'));
    };
    for (int k = 0; k < 5; ++k) {
        const QStringList shown = message(k).split(QLatin1Char('\r'));
        ASSERT_EQ(shown.size(), 5) << "language " << k;
        for (int line = 0; line < 5; ++line)
            EXPECT_EQ(shown[line].isEmpty(), line == 3 && k != German && k != Dutch)
                << "language " << k << " line " << line;
    }
    EXPECT_EQ(message(Spanish), message(English));
}

TEST_F(TextTableTest, AnyOffsetIsAddedUnchangedAndNeverReadsOutsideTheTable)
{
    // An offset that is none of the five is added as it is; LanguageIndex keeps its value.
    Sprache = 10001;
    SetLanguageIndexFromSprache();
    EXPECT_EQ(LoadLangString(8989).toStdString(), "Release: ");
    EXPECT_EQ(LanguageIndex, 0);

    // Entries below 0 or from 50000 on are empty, also where the sum overflows an int.
    const struct {
        int sprache, id;
    } outside[] = {{99999, 1},  {99999, 9042}, {50000, 0},   {-1, 0},           {-10000, 9116}, {0, -1},
                   {0, 50000},  {1, INT_MAX},  {INT_MAX, 1}, {INT_MAX, INT_MAX}, {INT_MIN, -1},  {INT_MIN, INT_MIN}};
    for (const auto &c : outside) {
        Sprache = c.sprache;
        EXPECT_TRUE(LoadLangString(c.id).isEmpty()) << "Sprache " << c.sprache << " id " << c.id;
    }
    // The highest entry of the table and the first one past it.
    Sprache = 40000;
    EXPECT_TRUE(LoadLangString(9999).isEmpty());
    EXPECT_TRUE(LoadLangString(10000).isEmpty());
    Sprache = 0;
    EXPECT_EQ(LoadLangString(18990).toStdString(), "Release: ");
}

// Every LoadLangString(<number>) in the code, and every number handed to the message
// helpers Text and ReportAndAbort, names a text that exists in German and English,
// unless the id is one of the entries meant to be empty.
TEST_F(TextTableTest, EveryIdTheCodeAsksForExistsInGermanAndEnglish)
{
    const QDir source(QStringLiteral(CORVEX_SOURCE_DIR));
    ASSERT_TRUE(source.exists(QStringLiteral("localisation/fktSprache.cpp"))) << CORVEX_SOURCE_DIR;

    const QRegularExpression call(QStringLiteral("\\b(?:LoadLangString|Text|ReportAndAbort)\\s*\\(\\s*(\\d+)\\s*\\)"));
    std::map<int, QString> usedIn;
    for (const char *folder : {"localisation", "operations", "shell", "components"}) {
        QDirIterator files(source.filePath(QLatin1String(folder)), {QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString code = QString::fromUtf8(file.readAll());
            for (auto it = call.globalMatch(code); it.hasNext();)
                usedIn.emplace(it.next().captured(1).toInt(), source.relativeFilePath(file.fileName()));
        }
    }

    for (const auto &[id, where] : usedIn) {
        if (!IsFilled(id, German))
            continue;
        EXPECT_FALSE(Text(German, id).isEmpty()) << "German text " << id << " missing (" << where.toStdString() << ")";
        if (IsFilled(id, English)) {
            EXPECT_FALSE(Text(English, id).isEmpty())
                << "English text " << id << " missing (" << where.toStdString() << ")";
        }
    }
}

} // namespace
