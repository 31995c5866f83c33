#include "shell/Haupt_Einstellungen.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/registry/TRegistry.h"
#include "shell/Haupt_Globals.h"

#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

const QString SettingsKey = QStringLiteral("\\Software\\Wexmoor\\CorvexPro\\V1.50");

namespace {

enum class SettingKind { String, Integer, Byte, Truth };
using SettingGlobal = std::variant<QString *, int *, std::uint8_t *>;
using SettingValue = std::variant<QString, int>;

// One setting: its value name in the store, the global holding it, its kind and
// default. A string with a reading rule keeps its value on a read error and is then
// completed by the rule; any other string becomes empty on a read error.
struct SettingEntry {
    QLatin1String Name;
    SettingKind Kind;
    SettingGlobal Global;
    int Default = 0;
    QString (*Rule)(const QString &) = nullptr;
};

SettingEntry String(const char *Name, QString &Global, QString (*Rule)(const QString &) = nullptr)
{
    return {QLatin1String(Name), SettingKind::String, &Global, 0, Rule};
}

SettingEntry Integer(const char *Name, int &Global, int Default)
{
    return {QLatin1String(Name), SettingKind::Integer, &Global, Default};
}

// Keeps the low 8 bits of the stored number.
SettingEntry Byte(const char *Name, std::uint8_t &Global, std::uint8_t Default)
{
    return {QLatin1String(Name), SettingKind::Byte, &Global, Default};
}

// Stored as 0 or 1, read as true when not 0.
SettingEntry Truth(const char *Name, std::uint8_t &Global, bool Default)
{
    return {QLatin1String(Name), SettingKind::Truth, &Global, Default ? 1 : 0};
}

QString WorkingFolder(const QString &Stored)
{
    return Stored.isEmpty() ? ProgramDataFolder() : AddTrailingBackslash(Stored);
}

QString StartFolder(const QString &Stored)
{
    return Stored.isEmpty() ? HomeFolder() : AddTrailingBackslash(Stored);
}

QString UndoLogName(const QString &Stored)
{
    return Stored.isEmpty() ? QStringLiteral("Protokoll.txt") : Stored;
}

// Every setting, in the order in which they are read.
const std::vector<SettingEntry> &Settings()
{
    static const std::vector<SettingEntry> table = {
        String("Arbeitsverzeichnis", Arbeitsverzeichnis, WorkingFolder),
        String("StartverzeichnisLinks", StartverzeichnisLinks, StartFolder),
        String("StartverzeichnisRechts", StartverzeichnisRechts, StartFolder),
        String("Protokolldatei", Protokolldatei, UndoLogName),
        String("Dateiendungen", Dateiendungen),
        String("FilterEinst", FilterEinst),
        Integer("Sprache", Sprache, 0),
        Truth("Sprachwahl", Sprachwahl, true),
        Byte("Datum", Datum, 0),
        Byte("Zeit", Zeit, 0),
        Integer("Startwert", Startwert, 0),
        Truth("Kontextmenu", Kontextmenu, false),
        Byte("TortenFarbe", TortenFarbe, 2),
        Integer("ThumbsBreite", ThumbsBreite, 100),
        Integer("ThumbsHoehe", ThumbsHoehe, 100),
        Truth("ThumbLinks", ThumbLinks, false),
        Truth("ThumbRechts", ThumbRechts, false),
        Integer("ThumbHintGroesse", ThumbHintGroesse, 100),
        Byte("ThumbTransparenz", ThumbTransparenz, 255),
        Truth("VerstecktAnzeigen", VerstecktAnzeigen, false),
        Truth("BildschirmSpeichern", BildschirmSpeichern, false),
        Integer("Explorer01aLinks", Explorer01aLinks, 150),
        Integer("Explorer02aLinks", Explorer02aLinks, 150),
        Truth("SLVBackground01", SLVBackground01, true),
        Truth("SLVBackground02", SLVBackground02, true),
        Byte("SLVTextur01", SLVTextur01, 1),
        Byte("SLVTextur02", SLVTextur02, 1),
        String("SLVTexturPfad01", SLVTexturPfad01),
        String("SLVTexturPfad02", SLVTexturPfad02),
        Integer("SLVFontColor01", SLVFontColor01, 0),
        Integer("SLVFontColor02", SLVFontColor02, 0),
    };
    return table;
}

const SettingEntry &EntryOf(const SettingGlobal &Global)
{
    for (const SettingEntry &entry : Settings())
        if (entry.Global == Global)
            return entry;
    throw std::logic_error("not a setting");
}

// The stored value, or the setting's default when it is missing or of another type.
SettingValue ReadValue(const TRegistry &Reg, const SettingEntry &Entry)
{
    if (Entry.Kind == SettingKind::String) {
        QString text;
        try {
            text = Reg.ReadString(Entry.Name);
        } catch (...) {
            if (Entry.Rule)
                text = *std::get<QString *>(Entry.Global);
        }
        return Entry.Rule ? Entry.Rule(text) : text;
    }
    try {
        return Entry.Kind == SettingKind::Truth ? int(Reg.ReadBool(Entry.Name)) : Reg.ReadInteger(Entry.Name);
    } catch (...) {
        return Entry.Default;
    }
}

void Assign(const SettingGlobal &Global, const SettingValue &Value)
{
    std::visit(
        [&Value](auto *global) {
            using T = std::remove_pointer_t<decltype(global)>;
            if constexpr (std::is_same_v<T, QString>)
                *global = std::get<QString>(Value);
            else
                *global = T(std::get<int>(Value)); // bytes keep the low 8 bits
        },
        Global);
}

SettingValue CurrentValue(const SettingGlobal &Global)
{
    return std::visit([](auto *global) -> SettingValue {
        if constexpr (std::is_same_v<decltype(global), QString *>)
            return *global;
        else
            return int(*global);
    }, Global);
}

void WriteValue(TRegistry &Reg, const SettingEntry &Entry, const SettingValue &Value)
{
    switch (Entry.Kind) {
    case SettingKind::String: Reg.WriteString(Entry.Name, std::get<QString>(Value)); break;
    case SettingKind::Truth: Reg.WriteBool(Entry.Name, std::get<int>(Value) != 0); break;
    case SettingKind::Integer:
    case SettingKind::Byte: Reg.WriteInteger(Entry.Name, std::get<int>(Value)); break;
    }
}

using SettingWrites = std::vector<std::pair<SettingGlobal, SettingValue>>;

// Stores the values under the names of these settings, in this order, in one
// replacement of the store file.
void StoreValues(const SettingWrites &Values)
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true);
    for (const auto &[global, value] : Values)
        WriteValue(Reg, EntryOf(global), value);
    Reg.CloseKey();
}

// Stores the current values of these settings, in this order.
void StoreSettings(std::initializer_list<SettingGlobal> Globals)
{
    SettingWrites values;
    for (const SettingGlobal &global : Globals)
        values.emplace_back(global, CurrentValue(global));
    StoreValues(values);
}

} // namespace

QString ProgramDataFolder()
{
    if (IsWritableFolder(ProgramDir))
        return ProgramDir;
    const QString folder = DataHomeFolder() + QStringLiteral("Wexmoor/CorvexPro/");
    fs::createFolders(folder);
    return folder;
}

void ReadSettings()
{
    TRegistry Reg;
    Reg.OpenKey(SettingsKey, true); // when it cannot be opened, every read gives its default
    for (const SettingEntry &entry : Settings())
        Assign(entry.Global, ReadValue(Reg, entry));
    Reg.CloseKey();
    SetLanguageIndexFromSprache();
}

int SplitOwnExtensions(const QString &Stored)
{
    OwnExtensions.fill(QString());
    QString current;
    int n = 0;
    for (qsizetype i = 0; i < Stored.size() && n < int(OwnExtensions.size()); ++i) {
        const QChar c = Stored[i];
        const bool star = c == QLatin1Char('*');
        if (!star || current.size() <= 1)
            current += c;
        if ((star && current.size() >= 3) || i == Stored.size() - 1) {
            OwnExtensions[size_t(n++)] = current.left(7);
            current = QStringLiteral("*");
        }
    }
    return n;
}

int SplitOwnFilters(const QString &Stored)
{
    OwnFilters.fill(QString());
    QString current;
    int n = 0;
    int k = 0; // characters since the last ";"
    for (qsizetype i = 0; i < Stored.size() && n < int(OwnFilters.size()); ++i) {
        const QChar c = Stored[i];
        const bool star = c == QLatin1Char('*');
        if (!star || k <= 1) {
            current += c;
            k = c == QLatin1Char(';') ? 0 : k + 1;
        }
        if ((star && k >= 3) || i == Stored.size() - 1) {
            OwnFilters[size_t(n++)] = current.left(30);
            current = QStringLiteral("*");
            k = 1;
        }
    }
    FilterString.clear();
    if (!Stored.isEmpty()) {
        FilterString = QStringLiteral("|");
        for (int e = 0; e < n; ++e)
            FilterString += OwnFilters[size_t(e)] + QLatin1Char('|') + OwnFilters[size_t(e)] + QLatin1Char('|');
    }
    return n;
}

void WriteOptionsSettings()
{
    StoreSettings({&Arbeitsverzeichnis, &StartverzeichnisLinks, &StartverzeichnisRechts, &Protokolldatei,
                   &Dateiendungen, &FilterEinst, &Sprache, &Datum, &Zeit, &Startwert, &TortenFarbe, &Kontextmenu,
                   &ThumbLinks, &ThumbRechts, &ThumbHintGroesse, &ThumbTransparenz, &VerstecktAnzeigen,
                   &BildschirmSpeichern, &SLVBackground01, &SLVBackground02, &SLVTextur01, &SLVTextur02,
                   &SLVTexturPfad01, &SLVTexturPfad02, &SLVFontColor01, &SLVFontColor02});
}

void WriteLanguageSettings()
{
    StoreSettings({&Arbeitsverzeichnis, &Protokolldatei, &Sprache, &Sprachwahl});
}

void WriteTreePaneWidths(int Left, int Right)
{
    StoreValues({{&Explorer01aLinks, Left}, {&Explorer02aLinks, Right}});
}

void WriteThumbSize(int Size)
{
    StoreValues({{&ThumbsBreite, Size}, {&ThumbsHoehe, Size}});
}
