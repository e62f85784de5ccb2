#pragma once
#include <QString>
#include <memory>

class QSettings;

// Per-user preferences: application "Norv", section "Kivora", one text value per key.
// Every key the program uses has its default here, so a reader never invents one.
// A stored value that is not a number where a number is expected reads as the default.
class SettingsStore {
public:
    // The user's own store (INI file in the user's configuration folder).
    SettingsStore();
    // A store in the given INI file; tests use this to keep away from the user's store.
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The default that readers use for `key` ("" for unknown keys and keys without one).
    static QString defaultOf(const QString& key);
    static bool isKnownKey(const QString& key);

    QString get(const QString& key) const;
    QString get(const QString& key, const QString& fallback) const;
    void save(const QString& key, const QString& value);
    void save(const QString& key, int value) { save(key, QString::number(value)); }

    // Numeric readers: the stored text converted, or the default when missing, not a
    // number, or out of the type's range.
    quint8 getByte(const QString& key) const;
    quint8 getByte(const QString& key, quint8 fallback) const;
    qint16 getInt16(const QString& key) const;
    qint16 getInt16(const QString& key, qint16 fallback) const;
    // Decimal text such as the seal size "1.0"; the fallback when not a number.
    double getDouble(const QString& key, double fallback) const;

    void sync();
    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
