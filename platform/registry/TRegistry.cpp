#include "platform/registry/TRegistry.h"

#include "platform/Environment.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"

#include <vector>

namespace {

const QString RootName = QStringLiteral("HKEY_CURRENT_USER");
const QString HeaderLine = QStringLiteral("REGEDIT4");

// One line of a key: a value, or, when Value is empty, a line kept as it stands
// (comments, forms the store does not know).
struct RegEntry {
    std::optional<TRegValue> Value;
    QString Raw;
};

struct RegKey {
    QString Name; // the text between the brackets, e.g. HKEY_CURRENT_USER\Software\Wexmoor
    std::vector<RegEntry> Entries;
};

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString FullKeyName(const QString &Key)
{
    QString path = Key;
    while (path.startsWith(QLatin1Char('\\')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path.isEmpty() ? RootName : RootName + QLatin1Char('\\') + path;
}

// ---- Reading the file ----

// Reads a quoted text starting at s[pos] == '"'; pos ends after the closing quote.
std::optional<QString> ReadQuoted(const QString &s, qsizetype &pos)
{
    QString text;
    for (qsizetype i = pos + 1; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('"')) {
            pos = i + 1;
            return text;
        }
        if (c == QLatin1Char('\\') && i + 1 < s.size() &&
            (s[i + 1] == QLatin1Char('\\') || s[i + 1] == QLatin1Char('"'))) {
            text += s[++i];
            continue;
        }
        text += c;
    }
    return std::nullopt;
}

std::optional<QByteArray> ParseHexBytes(const QString &list)
{
    QByteArray bytes;
    const QString trimmed = list.trimmed();
    if (trimmed.isEmpty())
        return bytes;
    for (const QString &item : trimmed.split(QLatin1Char(','))) {
        const QString digits = item.trimmed();
        bool ok = false;
        const uint b = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 2)
            return std::nullopt;
        bytes.append(char(b));
    }
    return bytes;
}

// Parses the value line lines[i]; a hex list continued by a trailing "\" takes the
// following lines too (i ends at the last line used).
std::optional<TRegValue> ParseValue(const QStringList &lines, qsizetype &i)
{
    const QString &line = lines[i];
    TRegValue value;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
        const auto name = ReadQuoted(line, pos);
        if (!name)
            return std::nullopt;
        value.Name = *name;
    } else {
        return std::nullopt;
    }
    QString rest = line.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('=')))
        return std::nullopt;
    rest = rest.mid(1).trimmed();

    if (rest.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        const auto text = ReadQuoted(rest, end);
        if (!text || !rest.mid(end).trimmed().isEmpty())
            return std::nullopt;
        value.Type = REG_SZ;
        value.Data = fs::encodeName(*text) + '\0';
        return value;
    }
    if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = rest.mid(6).trimmed();
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        value.Type = REG_DWORD;
        for (int b = 0; b < 4; ++b)
            value.Data.append(char((number >> (8 * b)) & 0xFF));
        return value;
    }
    if (!rest.startsWith(QLatin1String("hex"), Qt::CaseInsensitive))
        return std::nullopt;
    qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QString kind = rest.left(colon).mid(3);
    if (kind.isEmpty()) {
        value.Type = REG_BINARY;
    } else {
        if (!kind.startsWith(QLatin1Char('(')) || !kind.endsWith(QLatin1Char(')')))
            return std::nullopt;
        const QString digits = kind.mid(1, kind.size() - 2);
        bool ok = false;
        value.Type = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
    }
    QString list = rest.mid(colon + 1).trimmed();
    qsizetype last = i;
    while (list.endsWith(QLatin1Char('\\')) && last + 1 < lines.size()) {
        list.chop(1);
        list += lines[++last].trimmed();
    }
    const auto bytes = ParseHexBytes(list);
    if (!bytes)
        return std::nullopt;
    value.Data = *bytes;
    i = last;
    return value;
}

void AddEntry(RegKey &key, RegEntry entry)
{
    if (entry.Value) {
        for (RegEntry &e : key.Entries)
            if (e.Value && SameName(e.Value->Name, entry.Value->Name)) {
                e.Value->Type = entry.Value->Type;
                e.Value->Data = entry.Value->Data;
                return;
            }
    }
    key.Entries.push_back(std::move(entry));
}

// ---- Writing the file ----

QString Quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

QString HexList(const QByteArray &data)
{
    QStringList items;
    for (const char b : data)
        items << QStringLiteral("%1").arg(uint(quint8(b)), 2, 16, QLatin1Char('0'));
    return items.join(QLatin1Char(','));
}

// A REG_SZ that the quoted form holds exactly: one final NUL and no line break.
std::optional<QString> QuotableText(const TRegValue &value)
{
    if (value.Type != REG_SZ || !value.Data.endsWith('\0'))
        return std::nullopt;
    const QByteArray bytes = value.Data.chopped(1);
    if (bytes.contains('\0') || bytes.contains('\n') || bytes.contains('\r'))
        return std::nullopt;
    return fs::decodeName(bytes);
}

QString ValueLine(const TRegValue &value)
{
    QString line = value.Name.isEmpty() ? QStringLiteral("@") : Quoted(value.Name);
    line += QLatin1Char('=');
    if (const auto text = QuotableText(value))
        return line + Quoted(*text);
    if (value.Type == REG_DWORD && value.Data.size() == 4) {
        std::uint32_t number = 0;
        for (int b = 0; b < 4; ++b)
            number |= std::uint32_t(quint8(value.Data[b])) << (8 * b);
        return line + QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
    }
    if (value.Type == REG_BINARY)
        return line + QStringLiteral("hex:") + HexList(value.Data);
    return line + QStringLiteral("hex(%1):").arg(value.Type, 0, 16) + HexList(value.Data);
}

} // namespace

struct TRegistry::Store {
    QStringList Preamble; // lines before the first key, the header excepted
    std::vector<RegKey> Keys;

    static std::optional<Store> Load(const QString &fileName)
    {
        Store store;
        if (!fs::exists(fileName))
            return store;
        const auto bytes = fs::readFile(fileName);
        if (!bytes)
            return std::nullopt;
        QStringList lines = fs::decodeName(*bytes).split(QLatin1Char('\n'));
        for (QString &line : lines)
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        RegKey *key = nullptr;
        bool headerSeen = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.isEmpty())
                continue;
            if (!headerSeen && !key && line == HeaderLine) {
                headerSeen = true;
                continue;
            }
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                key = &store.KeyNamed(line.mid(1, line.size() - 2));
                continue;
            }
            if (!key) {
                store.Preamble << lines[i];
                continue;
            }
            RegEntry entry;
            entry.Raw = lines[i];
            lines[i] = line;
            entry.Value = ParseValue(lines, i);
            AddEntry(*key, std::move(entry));
        }
        return store;
    }

    // The key of that name, created (at the end) when missing.
    RegKey &KeyNamed(const QString &name)
    {
        if (const int index = IndexOf(name); index >= 0)
            return Keys[size_t(index)];
        Keys.push_back(RegKey{name, {}});
        return Keys.back();
    }

    int IndexOf(const QString &name) const
    {
        for (size_t k = 0; k < Keys.size(); ++k)
            if (SameName(Keys[k].Name, name))
                return int(k);
        return -1;
    }

    QByteArray Text() const
    {
        QString text = HeaderLine + QStringLiteral("\n\n");
        for (const QString &line : Preamble)
            text += line + QLatin1Char('\n');
        for (const RegKey &key : Keys) {
            text += QLatin1Char('[') + key.Name + QStringLiteral("]\n");
            for (const RegEntry &entry : key.Entries)
                text += (entry.Value ? ValueLine(*entry.Value) : entry.Raw) + QLatin1Char('\n');
            text += QLatin1Char('\n');
        }
        return fs::encodeName(text);
    }
};

TRegistry::TRegistry() = default;

TRegistry::~TRegistry()
{
    try {
        CloseKey();
    } catch (const ERegistryException &) {
    }
}

QString TRegistry::StoreFileName()
{
    return ConfigHomeFolder() + QStringLiteral("Wexmoor/CorvexPro.reg");
}

bool TRegistry::OpenKey(const QString &Key, bool CanCreate)
{
    CloseKey();
    auto loaded = Store::Load(StoreFileName());
    if (!loaded)
        return false;
    store_ = std::make_unique<Store>(std::move(*loaded));
    const QString name = FullKeyName(Key);
    keyIndex_ = store_->IndexOf(name);
    if (keyIndex_ < 0 && CanCreate) {
        store_->KeyNamed(name);
        keyIndex_ = int(store_->Keys.size()) - 1;
    }
    if (keyIndex_ < 0)
        store_.reset();
    return keyIndex_ >= 0;
}

void TRegistry::CloseKey()
{
    const std::unique_ptr<Store> store = std::move(store_);
    const bool changed = changed_;
    keyIndex_ = -1;
    changed_ = false;
    if (!changed)
        return;
    const QString fileName = StoreFileName();
    fs::Result result = fs::createFolders(fileName.left(fileName.lastIndexOf(QLatin1Char('/'))));
    if (result)
        result = fs::writeFileAtomic(fileName, store->Text());
    if (!result)
        throw ERegistryException("Failed to store " + fileName.toStdString() + ": " +
                                 result.message().toStdString());
}

std::optional<TRegValue> TRegistry::GetValue(const QString &Name) const
{
    if (keyIndex_ < 0)
        return std::nullopt;
    for (const RegEntry &entry : store_->Keys[size_t(keyIndex_)].Entries)
        if (entry.Value && SameName(entry.Value->Name, Name))
            return entry.Value;
    return std::nullopt;
}

QString TRegistry::ReadString(const QString &Name) const
{
    if (keyIndex_ < 0)
        throw ERegistryException("No registry key is open");
    const auto value = GetValue(Name);
    if (!value || value->Data.isEmpty())
        return {};
    if (value->Type != REG_SZ && value->Type != REG_EXPAND_SZ)
        throw ERegistryException("Invalid data type for '" + Name.toStdString() + "'");
    const qsizetype end = value->Data.indexOf('\0');
    return fs::decodeName(end < 0 ? value->Data : value->Data.left(end));
}

int TRegistry::ReadInteger(const QString &Name) const
{
    if (keyIndex_ < 0)
        throw ERegistryException("No registry key is open");
    const auto value = GetValue(Name);
    if (!value)
        throw ERegistryException("Value '" + Name.toStdString() + "' is missing");
    if (value->Type != REG_DWORD || value->Data.size() != 4)
        throw ERegistryException("Invalid data type for '" + Name.toStdString() + "'");
    std::uint32_t number = 0;
    for (int b = 0; b < 4; ++b)
        number |= std::uint32_t(quint8(value->Data[b])) << (8 * b);
    return int(number);
}

bool TRegistry::ReadBool(const QString &Name) const
{
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteString(const QString &Name, const QString &Value)
{
    WriteValue({Name, REG_SZ, fs::encodeName(Value) + '\0'});
}

void TRegistry::WriteInteger(const QString &Name, int Value)
{
    QByteArray data;
    for (int b = 0; b < 4; ++b)
        data.append(char((std::uint32_t(Value) >> (8 * b)) & 0xFF));
    WriteValue({Name, REG_DWORD, data});
}

void TRegistry::WriteBool(const QString &Name, bool Value)
{
    WriteInteger(Name, Value ? 1 : 0);
}

void TRegistry::WriteValue(const TRegValue &value)
{
    if (keyIndex_ < 0)
        throw ERegistryException("No registry key is open");
    AddEntry(store_->Keys[size_t(keyIndex_)], RegEntry{value, {}});
    changed_ = true;
}
