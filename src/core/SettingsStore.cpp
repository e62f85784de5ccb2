#include "core/SettingsStore.h"

#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <cmath>

namespace {

const QString kApplication = QStringLiteral("Norv");
const QString kSection = QStringLiteral("Kivora");

// Keys with a fixed name. Where two readers use different defaults (printing and the
// print dialog for S<n>Company, printing and the seal window for InkanT/InkanY), the
// value here is the one the data-using reader takes; the window that differs passes its
// own fallback explicitly.
const QHash<QString, QString>& fixedDefaults() {
    static const QHash<QString, QString> table = {
        {"SetupFolder", ""},
        {"SelText", "0"},
        {"Zero", "0"},
        {"FindItem", "0"},
        {"FindSet", "0"},
        {"TextTitle", "1"},
        {"TextDouble", "1"},
        {"TextSeparator", "0"},
        {"Inkan", ""},
        {"InkanT", "1.0"},
        {"InkanY", "1.0"},
        {"LTop", "0"},
        {"LLeft", "0"},
        {"LFont", "0"},
        {"LCompany", "1"},
        {"LDT", "1"},
        {"ATop", "0"},
        {"ALeft", "0"},
        {"AFont", "0"},
        {"ACharge", "0"},
        {"APage", "0"},
        {"ANo", "1"},
        {"ATEL", "1"},
        {"FindGoodsItem", "0"},
        // The main database on a PostgreSQL server ("host=... port=... dbname=...
        // user=..."); empty for the file in the data folder.
        {"Server", ""},
    };
    return table;
}

// Keys built from a prefix: sort orders per list, last document numbers per type and
// document printing options per type.
bool patternDefault(const QString& key, QString* value) {
    static const QRegularExpression sortKey(
        QStringLiteral("^(Sort|Order)(Charge|Unit|Goods|Set|Class|History|User|Sale|Receipt)$"));
    static const QRegularExpression slipNo(QStringLiteral("^SlipNo[0-6]$"));
    static const QRegularExpression printKey(
        QStringLiteral("^S[0-6](Top|Left|Charge|Company|Font|Duplicate|Bank)$"));
    if (sortKey.match(key).hasMatch() || printKey.match(key).hasMatch()) {
        *value = QStringLiteral("0");
        return true;
    }
    if (slipNo.match(key).hasMatch()) {
        value->clear();
        return true;
    }
    return false;
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kApplication)) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::isKnownKey(const QString& key) {
    QString ignored;
    return fixedDefaults().contains(key) || patternDefault(key, &ignored);
}

QString SettingsStore::defaultOf(const QString& key) {
    auto it = fixedDefaults().constFind(key);
    if (it != fixedDefaults().constEnd())
        return it.value();
    QString value;
    if (patternDefault(key, &value))
        return value;
    return {};
}

QString SettingsStore::get(const QString& key) const {
    return get(key, defaultOf(key));
}

QString SettingsStore::get(const QString& key, const QString& fallback) const {
    const QString path = kSection + QLatin1Char('/') + key;
    const QVariant v = m_settings->value(path);
    if (!v.isValid())
        return fallback;
    return v.toString();
}

void SettingsStore::save(const QString& key, const QString& value) {
    m_settings->setValue(kSection + QLatin1Char('/') + key, value);
}

quint8 SettingsStore::getByte(const QString& key) const {
    return getByte(key, static_cast<quint8>(defaultOf(key).toUInt()));
}

quint8 SettingsStore::getByte(const QString& key, quint8 fallback) const {
    bool ok = false;
    const int v = get(key, QString()).trimmed().toInt(&ok);
    return ok && v >= 0 && v <= 255 ? static_cast<quint8>(v) : fallback;
}

qint16 SettingsStore::getInt16(const QString& key) const {
    return getInt16(key, static_cast<qint16>(defaultOf(key).toInt()));
}

qint16 SettingsStore::getInt16(const QString& key, qint16 fallback) const {
    bool ok = false;
    const int v = get(key, QString()).trimmed().toInt(&ok);
    return ok && v >= -32768 && v <= 32767 ? static_cast<qint16>(v) : fallback;
}

double SettingsStore::getDouble(const QString& key, double fallback) const {
    bool ok = false;
    const double v = get(key, QString()).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}

void SettingsStore::sync() {
    m_settings->sync();
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}
