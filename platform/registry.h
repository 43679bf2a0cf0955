#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace platform {

// The settings store of one program: the analogue of the key
// HKEY_CURRENT_USER\Software\Velmar\<application>. A section is a sub-key,
// written with '\' or '/' between levels; the empty section is the
// application key itself, whose unnamed value is its default value.
//
// Values are kept in the user's configuration folder (~/.config/Velmar/
// <application>.conf). The whole store can be pointed at another folder with
// setStoreFolder() or the environment variable DOMORA_SETTINGS_DIR, which is
// how tests stay away from the user's real settings.
//
// The store keeps text only: an integer is written as its unsigned 32-bit
// decimal value, so -1 is kept as 4294967295 and reads back as -1. Exported,
// a value that is such a number becomes a dword, any other a string.
class Registry
{
public:
    static constexpr const char *organisation = "Velmar";

    explicit Registry(const QString &application);
    ~Registry();
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;

    // Points every store of every program at `folder`; an empty folder
    // returns to the user's configuration folder.
    static void setStoreFolder(const QString &folder);
    [[nodiscard]] static QString storeFolder();

    [[nodiscard]] QString application() const { return m_application; }
    // "HKEY_CURRENT_USER\Software\Velmar\<application>"
    [[nodiscard]] QString keyName() const;
    [[nodiscard]] QString fileName() const;

    [[nodiscard]] int readInt(const QString &section, const QString &entry, int defaultValue) const;
    [[nodiscard]] quint32 readUInt(const QString &section, const QString &entry,
                                   quint32 defaultValue) const;
    [[nodiscard]] QString readString(const QString &section, const QString &entry,
                                     const QString &defaultValue = {}) const;
    [[nodiscard]] bool contains(const QString &section, const QString &entry) const;
    bool writeInt(const QString &section, const QString &entry, int value);
    bool writeUInt(const QString &section, const QString &entry, quint32 value);
    bool writeString(const QString &section, const QString &entry, const QString &value);
    bool deleteValue(const QString &section, const QString &entry);

    // The unnamed value of a section (its "(Default)").
    [[nodiscard]] QString readDefault(const QString &section) const;
    bool writeDefault(const QString &section, const QString &value);

    [[nodiscard]] QStringList valueNames(const QString &section) const;
    [[nodiscard]] QStringList subKeys(const QString &section) const;
    [[nodiscard]] bool keyExists(const QString &section) const;
    // Deletes the section with every value and sub-key below it; the empty
    // section empties the whole application key.
    bool deleteKey(const QString &section);

    // Writes the section and its sub-keys as a .reg text file (UTF-8).
    bool exportKey(const QString &section, const QString &filePath, QString *error = nullptr) const;

    bool sync();

private:
    [[nodiscard]] static QString groupPath(const QString &section);
    [[nodiscard]] QString keyPath(const QString &section, const QString &entry) const;

    QString m_application;
    std::unique_ptr<QSettings> m_settings;
};

// Reads a .reg text file and applies it to the stores of the programs it
// names (keys under HKEY_CURRENT_USER\Software\Velmar\...). The whole file is
// parsed before anything is written: a damaged file changes nothing and
// returns false with the reason in `error`.
bool importRegFile(const QString &filePath, QString *error = nullptr);

} // namespace platform
