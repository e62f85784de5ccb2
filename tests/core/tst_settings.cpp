#include "core/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The settings file outlives program versions and can be edited by hand, so the readers must
// cope with whatever is in it, and every value written must really reach the file.
class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void defaultsOfFixedKeys_data();
    void defaultsOfFixedKeys();
    void defaultsOfPatternKeys_data();
    void defaultsOfPatternKeys();
    void unknownKeysHaveNoDefault();
    void roundTripThroughFreshStore_data();
    void roundTripThroughFreshStore();
    void valuesLiveInKivoraSection();
    void numericReadersFallBack_data();
    void numericReadersFallBack();
    void doubleReaderFallsBack_data();
    void doubleReaderFallsBack();
    void readersWithTheirOwnFallback();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("Norv.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestSettings::defaultsOfFixedKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QList<QPair<const char*, const char*>> table = {
        {"SetupFolder", ""}, {"SelText", "0"},   {"Zero", "0"},       {"FindItem", "0"},
        {"FindSet", "0"},    {"TextTitle", "1"}, {"TextDouble", "1"}, {"TextSeparator", "0"},
        {"Inkan", ""},       {"InkanT", "1.0"},  {"InkanY", "1.0"},   {"LTop", "0"},
        {"LLeft", "0"},      {"LFont", "0"},     {"LCompany", "1"},   {"LDT", "1"},
        {"ATop", "0"},       {"ALeft", "0"},     {"AFont", "0"},      {"ACharge", "0"},
        {"APage", "0"},      {"ANo", "1"},       {"ATEL", "1"}};
    for (const auto& row : table)
        QTest::newRow(row.first) << QString::fromLatin1(row.first)
                                 << QString::fromLatin1(row.second);
}

void TestSettings::defaultsOfFixedKeys() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    SettingsStore store(iniPath());
    QVERIFY(SettingsStore::isKnownKey(key));
    QCOMPARE(SettingsStore::defaultOf(key), value);
    QCOMPARE(store.get(key), value);
    // The numeric readers agree with the text default on a fresh profile.
    bool numeric = false;
    const int n = value.toInt(&numeric);
    if (numeric) {
        QCOMPARE(int(store.getByte(key)), n);
        QCOMPARE(int(store.getInt16(key)), n);
    }
}

void TestSettings::defaultsOfPatternKeys_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    for (const char* prefix :
         {"Charge", "Unit", "Goods", "Set", "Class", "History", "User", "Sale", "Receipt"}) {
        for (const char* head : {"Sort", "Order"}) {
            const QString key = QString::fromLatin1(head) + QString::fromLatin1(prefix);
            QTest::newRow(qPrintable(key)) << key << QStringLiteral("0");
        }
    }
    for (int type = 0; type <= 6; ++type) {
        const QString slip = QStringLiteral("SlipNo%1").arg(type);
        QTest::newRow(qPrintable(slip)) << slip << QString();
        for (const char* suffix :
             {"Top", "Left", "Charge", "Company", "Font", "Duplicate", "Bank"}) {
            const QString key = QStringLiteral("S%1").arg(type) + QString::fromLatin1(suffix);
            QTest::newRow(qPrintable(key)) << key << QStringLiteral("0");
        }
    }
}

void TestSettings::defaultsOfPatternKeys() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    SettingsStore store(iniPath());
    QVERIFY(SettingsStore::isKnownKey(key));
    QCOMPARE(SettingsStore::defaultOf(key), value);
    QCOMPARE(store.get(key), value);
}

void TestSettings::unknownKeysHaveNoDefault() {
    // Near misses of the pattern keys must not be taken for them.
    for (const char* key : {"SlipNo7", "S7Top", "SortThing", "Sort", "S3", "sortgoods", "SlipNo",
                            "S0TopX", "XSortGoods"}) {
        QVERIFY2(!SettingsStore::isKnownKey(QString::fromLatin1(key)), key);
        QCOMPARE(SettingsStore::defaultOf(QString::fromLatin1(key)), QString());
    }
}

void TestSettings::roundTripThroughFreshStore_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("flag") << "Zero"
                          << "1";
    QTest::newRow("document number") << "SlipNo3"
                                     << "0/0/1/A/Z/9";
    QTest::newRow("negative offset") << "S3Top"
                                     << "-120";
    QTest::newRow("seal size") << "InkanT"
                               << "1.5";
    QTest::newRow("path with Japanese, blanks and comma")
        << "Inkan" << QStringLiteral("/home/user/印影 画像/seal,2001.png");
    QTest::newRow("separator-like characters") << "SetupFolder" << QStringLiteral("C:\\a;b=c#d\"e");
    QTest::newRow("leading and trailing blanks") << "SetupFolder" << QStringLiteral("  x  ");
    QTest::newRow("empty text") << "SlipNo0" << QString();
}

void TestSettings::roundTripThroughFreshStore() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    {
        SettingsStore store(iniPath());
        // Something different from the value first, so the read cannot be the default.
        store.save(key, QStringLiteral("placeholder"));
        store.save(key, value);
    } // destroying the store must write the file
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains(key.toLatin1() + '='));
    SettingsStore again(iniPath());
    QCOMPARE(again.get(key), value);
    QCOMPARE(again.get(key, QStringLiteral("fallback")), value);
}

void TestSettings::valuesLiveInKivoraSection() {
    {
        SettingsStore store(iniPath());
        store.save(QStringLiteral("SortGoods"), 1);
        store.save(QStringLiteral("S3Left"), -7);
        store.sync();
        QCOMPARE(store.fileName(), iniPath());
    }
    // Read the file itself: QSettings objects of one process may share a cache.
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("[Kivora]"));
    QVERIFY(lines.contains("SortGoods=1"));
    QVERIFY(lines.contains("S3Left=-7"));

    QSettings raw(iniPath(), QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("Kivora")});
    QCOMPARE(raw.value(QStringLiteral("Kivora/SortGoods")).toString(), QStringLiteral("1"));
    QCOMPARE(raw.value(QStringLiteral("Kivora/S3Left")).toString(), QStringLiteral("-7"));

    // A key outside the section is not ours and must not be read as if it were.
    raw.setValue(QStringLiteral("Other/Zero"), QStringLiteral("1"));
    raw.setValue(QStringLiteral("SelText"), QStringLiteral("1"));
    raw.sync();
    SettingsStore store(iniPath());
    QCOMPARE(store.getByte(QStringLiteral("Zero")), quint8(0));
    QCOMPARE(store.getByte(QStringLiteral("SelText")), quint8(0));
    QCOMPARE(store.getByte(QStringLiteral("SortGoods")), quint8(1));
    QCOMPARE(store.getInt16(QStringLiteral("S3Left")), qint16(-7));
}

void TestSettings::numericReadersFallBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("asByte");  // with fallback 7
    QTest::addColumn<int>("asInt16"); // with fallback -5

    QTest::newRow("zero") << "0" << 0 << 0;
    QTest::newRow("byte max") << "255" << 255 << 255;
    QTest::newRow("above byte") << "256" << 7 << 256;
    QTest::newRow("negative") << "-1" << 7 << -1;
    QTest::newRow("int16 min") << "-32768" << 7 << -32768;
    QTest::newRow("int16 max") << "32767" << 7 << 32767;
    QTest::newRow("above int16") << "32768" << 7 << -5;
    QTest::newRow("below int16") << "-32769" << 7 << -5;
    QTest::newRow("huge") << "99999999999" << 7 << -5;
    QTest::newRow("blank padded") << " 12 " << 12 << 12;
    QTest::newRow("not a number") << "abc" << 7 << -5;
    QTest::newRow("empty") << "" << 7 << -5;
    QTest::newRow("decimal") << "1.0" << 7 << -5;
    QTest::newRow("trailing text") << "12px" << 7 << -5;
    QTest::newRow("hex") << "0x10" << 7 << -5;
    QTest::newRow("full-width digits") << QStringLiteral("１２") << 7 << -5;
}

void TestSettings::numericReadersFallBack() {
    QFETCH(QString, stored);
    QFETCH(int, asByte);
    QFETCH(int, asInt16);
    {
        SettingsStore store(iniPath());
        store.save(QStringLiteral("LTop"), stored);
    }
    SettingsStore store(iniPath());
    QCOMPARE(int(store.getByte(QStringLiteral("LTop"), 7)), asByte);
    QCOMPARE(int(store.getInt16(QStringLiteral("LTop"), -5)), asInt16);
    // The one-argument readers fall back to the key's own default ("1" for LCompany).
    store.save(QStringLiteral("LCompany"), stored);
    QCOMPARE(int(store.getByte(QStringLiteral("LCompany"))), asByte == 7 ? 1 : asByte);
    QCOMPARE(int(store.getInt16(QStringLiteral("LCompany"))), asInt16 == -5 ? 1 : asInt16);
}

void TestSettings::doubleReaderFallsBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<double>("value"); // with fallback 0.25
    QTest::newRow("decimal") << "1.5" << 1.5;
    QTest::newRow("whole") << "2" << 2.0;
    QTest::newRow("blank padded") << " 0.75 " << 0.75;
    QTest::newRow("decimal comma") << "1,5" << 0.25;
    QTest::newRow("not a number") << "big" << 0.25;
    QTest::newRow("empty") << "" << 0.25;
    QTest::newRow("nan") << "nan" << 0.25;
    QTest::newRow("inf") << "inf" << 0.25;
    QTest::newRow("-inf") << "-inf" << 0.25;
    QTest::newRow("overflow") << "1e999" << 0.25;
}

void TestSettings::doubleReaderFallsBack() {
    QFETCH(QString, stored);
    QFETCH(double, value);
    SettingsStore store(iniPath());
    store.save(QStringLiteral("InkanY"), stored);
    QCOMPARE(store.getDouble(QStringLiteral("InkanY"), 0.25), value);
}

void TestSettings::readersWithTheirOwnFallback() {
    // Two windows read the same key with different defaults until it is saved once;
    // after that both see the stored value.
    SettingsStore store(iniPath());
    QCOMPARE(store.get(QStringLiteral("TextTitle")), QStringLiteral("1"));
    QCOMPARE(store.get(QStringLiteral("TextTitle"), QStringLiteral("0")), QStringLiteral("0"));
    QCOMPARE(store.getByte(QStringLiteral("S3Company")), quint8(0));
    QCOMPARE(store.getByte(QStringLiteral("S3Company"), 1), quint8(1));
    QCOMPARE(store.getDouble(QStringLiteral("InkanT"), 1.0), 1.0);
    QCOMPARE(store.getDouble(QStringLiteral("InkanT"), 0.0), 0.0);

    store.save(QStringLiteral("TextTitle"), 0);
    store.save(QStringLiteral("S3Company"), 1);
    store.save(QStringLiteral("InkanT"), QStringLiteral("2.5"));
    store.sync();
    SettingsStore again(iniPath());
    QCOMPARE(again.get(QStringLiteral("TextTitle")), QStringLiteral("0"));
    QCOMPARE(again.get(QStringLiteral("TextTitle"), QStringLiteral("1")), QStringLiteral("0"));
    QCOMPARE(again.getByte(QStringLiteral("S3Company")), quint8(1));
    QCOMPARE(again.getByte(QStringLiteral("S3Company"), 0), quint8(1));
    QCOMPARE(again.getDouble(QStringLiteral("InkanT"), 1.0), 2.5);
    QCOMPARE(again.getDouble(QStringLiteral("InkanT"), 0.0), 2.5);
    // The other type's key is untouched.
    QCOMPARE(again.getByte(QStringLiteral("S2Company"), 1), quint8(1));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
