#pragma once
// Per-user settings store: integers and texts by section and key, like a registry profile.
// Integers are kept as the registry's unsigned 32-bit words (-3 is stored as 4294967293).

#include <QSettings>
#include <QString>
#include <cstdint>

class Profile {
public:
    // organisation "Orbane"; application = the executable's base name.
    explicit Profile(const QString& organisation);

    // The stored word, or defaultValue when the key is missing or does not parse.
    uint32_t getInt(const QString& section, const QString& key, int32_t defaultValue) const;
    void writeInt(const QString& section, const QString& key, int32_t value);
    QString getString(const QString& section, const QString& key, const QString& defaultValue) const;
    void writeString(const QString& section, const QString& key, const QString& text);
    void sync();  // the file is replaced atomically

    QString fileName() const { return m_store.fileName(); }

private:
    static QString path(const QString& section, const QString& key) { return section + '/' + key; }
    mutable QSettings m_store;
};
