// The text table: the resource files themselves, the lookup by id and language offset,
// and that every id the code asks for is filled.

#include "localisation/fktSprache.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>

#ifndef CORVEX_SOURCE_DIR
#error "CORVEX_SOURCE_DIR must name the source tree"
#endif

namespace {

const char *const Languages[5] = {"de", "en", "nl", "es", "fr"};
constexpr int MaxTableText = 177;

// Ids that are empty in every language, and ids filled in one language only.
const std::set<int> EmptyInAllLanguages = {203,  301,  302,  306,  311,  315,  603,  605,  701,
                                           960,  962,  1612, 1809, 1908, 1912, 3001, 3051, 3101,
                                           3201, 3301, 3405, 3601, 3623, 3625, 3637, 3651};
const std::map<int, int> FilledInOneLanguageOnly = {{609, 3}, {1811, 3}, {2016, 3}, {1813, 2}};

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

QString ReadTextResource(const char *language)
{
    QFile file(QStringLiteral(":/resources/texts/%1.txt").arg(QLatin1String(language)));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing text resource " << language;
        return {};
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString content = decoder(bytes);
    EXPECT_FALSE(decoder.hasError()) << language << ".txt is not valid UTF-8";
    return content;
}

TEST(TextTableFiles, EveryLineIsAnIdTabAndASingleLineText)
{
    const QRegularExpression lineForm(QStringLiteral("^([1-9][0-9]{0,3})\\t([^\\t\\r\\x00-\\x1f]*)$"));
    for (const char *language : Languages) {
        const QString content = ReadTextResource(language);
        ASSERT_FALSE(content.isEmpty()) << language;
        EXPECT_TRUE(content.endsWith(QLatin1Char('\n'))) << language << ".txt: last line unterminated";
        QStringList lines = content.split(QLatin1Char('\n'));
        lines.removeLast();
        std::set<int> seen;
        for (const QString &line : lines) {
            const auto match = lineForm.match(line);
            if (!match.hasMatch()) {
                ADD_FAILURE() << language << ".txt: malformed line \"" << line.toStdString() << '"';
                continue;
            }
            const int id = match.captured(1).toInt();
            EXPECT_TRUE(seen.insert(id).second) << language << ".txt: id " << id << " twice";
            EXPECT_LE(match.captured(2).size(), MaxTableText) << language << ".txt: id " << id;
        }
    }
}

TEST_F(TextTableTest, QuotedTextsComeBackExactlyInEachLanguage)
{
    struct Row {
        int id;
        const char *texts[5];
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
    };
    for (const Row &row : rows)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(Text(k, row.id).toStdString(), row.texts[k]) << "id " << row.id << " language " << k;

    // Prefixes keep their trailing blank.
    EXPECT_EQ(Text(0, 8990).toStdString(), "Stand: ");
    EXPECT_EQ(Text(1, 8990).toStdString(), "Release: ");
    EXPECT_EQ(Text(0, 8992).toStdString(), "Dateigrösse: ");
    EXPECT_EQ(Text(1, 8992).toStdString(), "File Size: ");
}

TEST_F(TextTableTest, LongestTextComesBackWhole)
{
    const QString text = Text(4, 1202);
    EXPECT_EQ(text.size(), MaxTableText);
    EXPECT_TRUE(text.endsWith(QLatin1Char('.'))) << text.toStdString();
}

TEST_F(TextTableTest, EmptyEntriesAreEmptyWhereListed)
{
    for (int id : EmptyInAllLanguages)
        for (int k = 0; k < 5; ++k)
            EXPECT_TRUE(Text(k, id).isEmpty()) << "id " << id << " language " << k;
    for (const auto &[id, only] : FilledInOneLanguageOnly)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(Text(k, id).isEmpty(), k != only) << "id " << id << " language " << k;
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(Text(k, 606).isEmpty(), k == 3) << "language " << k;

    // An empty entry in a joined message leaves an empty line.
    Sprache = 10000;
    QStringList lines;
    for (int id = 9108; id <= 9112; ++id)
        lines << LoadLangString(id);
    const QStringList shown = lines.join(QLatin1Char('\r')).split(QLatin1Char('\r'));
    ASSERT_EQ(shown.size(), 5);
    EXPECT_TRUE(shown[3].isEmpty());
    EXPECT_FALSE(shown[2].isEmpty());
    EXPECT_FALSE(shown[4].isEmpty());
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
        if (EmptyInAllLanguages.count(id) || FilledInOneLanguageOnly.count(id))
            continue;
        EXPECT_FALSE(Text(0, id).isEmpty()) << "German text " << id << " missing (" << where.toStdString() << ")";
        if (id != 9111) {
            EXPECT_FALSE(Text(1, id).isEmpty()) << "English text " << id << " missing (" << where.toStdString() << ")";
        }
    }
}

} // namespace
