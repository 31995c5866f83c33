#include "localisation/fktSprache.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QtGlobal>

int Sprache = 0;
std::uint8_t LanguageIndex = 0;
const std::array<QString, 5> LanguageNames = {QStringLiteral("deutsch"), QStringLiteral("english"),
                                              QStringLiteral("dutch"), QStringLiteral("spanish"),
                                              QStringLiteral("french")};

namespace {

// Five language blocks of 10000 entries, in the order of the language offsets.
constexpr int BlockSize = 10000;
constexpr int EntryCount = 5 * BlockSize;
constexpr qsizetype MaxTextLength = 254;
const char *const TextFiles[5] = {":/resources/texts/de.txt", ":/resources/texts/en.txt",
                                  ":/resources/texts/nl.txt", ":/resources/texts/es.txt",
                                  ":/resources/texts/fr.txt"};

// Reads one language file (lines "id<TAB>text") into the table at the block's offset.
void ReadTextFile(const char *fileName, int offset, QHash<int, QString> &table)
{
    QFile file(QString::fromLatin1(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Text table %s cannot be read", fileName);
        return;
    }
    const QString content = QString::fromUtf8(file.readAll());
    for (QString line : content.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool ok = false;
        const int id = tab > 0 ? line.left(tab).toInt(&ok) : 0;
        if (!ok || id < 0 || id >= BlockSize) {
            qWarning("Text table %s: malformed line \"%s\"", fileName, qUtf8Printable(line));
            continue;
        }
        const QString text = line.mid(tab + 1);
        if (!text.isEmpty())
            table.insert(offset + id, text.left(MaxTextLength));
    }
}

// The table is a read-only resource: it is parsed once, on first use.
const QHash<int, QString> &TextTable()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (int k = 0; k < 5; ++k)
            ReadTextFile(TextFiles[k], k * BlockSize, t);
        return t;
    }();
    return table;
}

} // namespace

QString LoadLangString(int Id)
{
    // Added in 64 bits: no value of Sprache can overflow or reach outside the table.
    const long long entry = static_cast<long long>(Id) + Sprache;
    if (entry < 0 || entry >= EntryCount)
        return {};
    return TextTable().value(static_cast<int>(entry));
}

void SetLanguageIndexFromSprache()
{
    for (int i = 0; i < 5; ++i)
        if (Sprache == i * 10000)
            LanguageIndex = std::uint8_t(i);
}

QString LanguageName()
{
    return LanguageNames[LanguageIndex < 5 ? LanguageIndex : 0];
}

QLocale LanguageLocale()
{
    static const QLocale::Language languages[] = {QLocale::German, QLocale::English, QLocale::Dutch,
                                                  QLocale::Spanish, QLocale::French};
    return QLocale(languages[LanguageIndex < 5 ? LanguageIndex : 0]);
}
