#pragma once
// Registry access: a typed store of keys and values in the registry's own text
// syntax (REGEDIT4), one file for HKEY_CURRENT_USER, $XDG_CONFIG_HOME/Wexmoor/CorvexPro.reg:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Wexmoor\CorvexPro\V1.50]
//   "Arbeitsverzeichnis"="/home/anna/Work/"     REG_SZ (\ and " escaped)
//   "Datum"=dword:00000001                      REG_DWORD
//   "Liste"=hex(7):61,00,00                     any other type n (hex: is REG_BINARY)
//
// An access object lives for one operation: open a key, read or write values, close.
// The values written are stored together when the key is closed, in one atomic
// replacement of the file: a failed store leaves the previous file whole. Key paths
// and value names compare case-insensitively. Lines the store does not understand are
// kept as they stand.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

enum TRegDataType : std::uint32_t {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
};

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TRegValue {
    QString Name;          // "" is the key's default value ("@")
    std::uint32_t Type = REG_NONE;
    QByteArray Data;       // the value's bytes; REG_SZ ends in NUL, REG_DWORD is 4 bytes little-endian
};

class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry &) = delete;
    TRegistry &operator=(const TRegistry &) = delete;

    // The store file of HKEY_CURRENT_USER.
    static QString StoreFileName();

    // Opens Key (a path below HKEY_CURRENT_USER such as "\Software\Wexmoor"); with
    // CanCreate a missing key is created (stored with its first value). False when the
    // key is missing and not created, or the store file exists but cannot be read.
    bool OpenKey(const QString &Key, bool CanCreate);
    // Stores the values written since the key was opened; throws ERegistryException
    // when the file cannot be written. The destructor closes an open key too, but
    // drops a failure.
    void CloseKey();

    // The value, nothing when it is missing (or no key is open).
    std::optional<TRegValue> GetValue(const QString &Name) const;

    // Text of a REG_SZ or REG_EXPAND_SZ value (as stored, not expanded) up to its first
    // NUL. Empty when the value is missing or holds no data. Another type, or no open
    // key, throws ERegistryException.
    QString ReadString(const QString &Name) const;
    // A REG_DWORD value; throws ERegistryException when it is missing, of another type
    // or no key is open.
    int ReadInteger(const QString &Name) const;
    // ReadInteger(Name) != 0.
    bool ReadBool(const QString &Name) const;

    // Write as REG_SZ, REG_DWORD, REG_DWORD 0/1; throw ERegistryException when no key
    // is open.
    void WriteString(const QString &Name, const QString &Value);
    void WriteInteger(const QString &Name, int Value);
    void WriteBool(const QString &Name, bool Value);

private:
    struct Store;
    void WriteValue(const TRegValue &value);

    std::unique_ptr<Store> store_;
    int keyIndex_ = -1;
    bool changed_ = false;
};
