#include "support/TestMain.h"
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
    std::unique_ptr<QTemporaryDir> m_dir; // a new one per test: QSettings caches files by name
    QString iniPath() const { return m_dir->filePath("Norv.ini"); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void defaults_data() { // the row name is the key
        QTest::addColumn<QString>("value");
        const QList<QPair<const char*, const char*>> fixed = {
            {"SetupFolder", ""}, {"SelText", "0"},   {"Zero", "0"},       {"FindItem", "0"},
            {"FindSet", "0"},    {"TextTitle", "1"}, {"TextDouble", "1"}, {"TextSeparator", "0"},
            {"Inkan", ""},       {"InkanT", "1.0"},  {"InkanY", "1.0"},   {"LTop", "0"},
            {"LLeft", "0"},      {"LFont", "0"},     {"LCompany", "1"},   {"LDT", "1"},
            {"ATop", "0"},       {"ALeft", "0"},     {"AFont", "0"},      {"ACharge", "0"},
            {"APage", "0"},      {"ANo", "1"},       {"ATEL", "1"}};
        for (const auto& [key, value] : fixed)
            QTest::newRow(key) << value;
        // Keys built from a list or document type: sort choices, last numbers, print options.
        for (auto list :
             {"Charge", "Unit", "Goods", "Set", "Class", "History", "User", "Sale", "Receipt"}) {
            QTest::addRow("Sort%s", list) << "0";
            QTest::addRow("Order%s", list) << "0";
        }
        for (int type = 0; type <= 6; ++type) {
            QTest::addRow("SlipNo%d", type) << QString();
            for (auto suffix : {"Top", "Left", "Charge", "Company", "Font", "Duplicate", "Bank"})
                QTest::addRow("S%d%s", type, suffix) << "0";
        }
    }

    void defaults() {
        const QString key = QTest::currentDataTag();
        QFETCH(QString, value);
        SettingsStore store(iniPath());
        QVERIFY(SettingsStore::isKnownKey(key));
        QCOMPARE(SettingsStore::defaultOf(key), value);
        QCOMPARE(store.get(key), value);
        // The numeric readers agree with the text default on a fresh profile.
        bool numeric = false;
        if (const int n = value.toInt(&numeric); numeric) {
            QCOMPARE(int(store.getByte(key)), n);
            QCOMPARE(int(store.getInt16(key)), n);
        }
    }

    void unknownKeysHaveNoDefault() {
        // Near misses of the pattern keys must not be taken for them.
        for (const char* key : {"SlipNo7", "S7Top", "SortThing", "Sort", "S3", "sortgoods",
                                "SlipNo", "S0TopX", "XSortGoods"}) {
            QVERIFY2(!SettingsStore::isKnownKey(key), key);
            QCOMPARE(SettingsStore::defaultOf(key), QString());
        }
    }

    void roundTripThroughTheFile_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("flag") << "Zero" << "1";
        QTest::newRow("document number") << "SlipNo3" << "0/0/1/A/Z/9";
        QTest::newRow("negative offset") << "S3Top" << "-120";
        QTest::newRow("seal size") << "InkanT" << "1.5";
        QTest::newRow("Japanese, blanks, comma") << "Inkan" << "/home/user/印影 画像/seal,2001.png";
        QTest::newRow("separator-like characters") << "SetupFolder" << "C:\\a;b=c#d\"e";
        QTest::newRow("leading and trailing blanks") << "SetupFolder" << "  x  ";
        QTest::newRow("empty text") << "SlipNo0" << QString();
    }

    void roundTripThroughTheFile() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        {
            SettingsStore store(iniPath());
            // Something different from the value first, so the read cannot be the default.
            store.save(key, "placeholder");
            store.save(key, value);
        } // destroying the store must write the file
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(key.toLatin1() + '='));
        SettingsStore again(iniPath());
        QCOMPARE(again.get(key), value);
        QCOMPARE(again.get(key, "fallback"), value);
    }

    void valuesLiveInKivoraSection() {
        {
            SettingsStore store(iniPath());
            store.save("SortGoods", 1);
            store.save("S3Left", -7);
            store.sync();
            QCOMPARE(store.fileName(), iniPath());
        }
        // Read the file itself: QSettings objects of one process may share a cache.
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.value(0), "[Kivora]");
        QVERIFY(lines.contains("SortGoods=1") && lines.contains("S3Left=-7"));

        // A key outside the section is not ours and must not be read as if it were.
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue("Other/Zero", "1");
        raw.setValue("SelText", "1");
        raw.sync();
        SettingsStore store(iniPath());
        QCOMPARE(store.getByte("Zero"), quint8(0));
        QCOMPARE(store.getByte("SelText"), quint8(0));
        QCOMPARE(store.getByte("SortGoods"), quint8(1));
        QCOMPARE(store.getInt16("S3Left"), qint16(-7));
    }

    void numericReadersFallBack_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("asByte");  // with fallback 7
        QTest::addColumn<int>("asInt16"); // with fallback -5
        QTest::newRow("zero") << "0" << 0 << 0;
        QTest::newRow("byte max") << "255" << 255 << 255;
        QTest::newRow("above byte") << "256" << 7 << 256;
        QTest::newRow("negative") << "-1" << 7 << -1;
        QTest::newRow("int16 min") << "-32768" << 7 << -32768;
        QTest::newRow("int16 max") << "32767" << 7 << 32767;
        QTest::newRow("blank padded") << " 12 " << 12 << 12;
        // Out of both ranges, or not plain decimal digits: both fall back.
        for (const char* stored :
             {"32768", "-32769", "99999999999", "abc", "", "1.0", "12px", "0x10", "１２"})
            QTest::addRow("\"%s\"", stored) << QString(stored) << 7 << -5;
    }

    void numericReadersFallBack() {
        QFETCH(QString, stored);
        QFETCH(int, asByte);
        QFETCH(int, asInt16);
        SettingsStore(iniPath()).save("LTop", stored); // so the reads below come from the file
        SettingsStore store(iniPath());
        QCOMPARE(int(store.getByte("LTop", 7)), asByte);
        QCOMPARE(int(store.getInt16("LTop", -5)), asInt16);
        // The one-argument readers fall back to the key's own default ("1" for LCompany).
        store.save("LCompany", stored);
        QCOMPARE(int(store.getByte("LCompany")), asByte == 7 ? 1 : asByte);
        QCOMPARE(int(store.getInt16("LCompany")), asInt16 == -5 ? 1 : asInt16);
    }

    void doubleReaderFallsBack() {
        // Readable decimals come back; anything else, infinities and NaN too, gives the fallback.
        const QList<QPair<QString, double>> cases = {
            {"1.5", 1.5}, {"2", 2.0},     {" 0.75 ", 0.75}, {"1,5", 0.25},  {"big", 0.25},
            {"", 0.25},   {"nan", 0.25},  {"inf", 0.25},    {"-inf", 0.25}, {"1e999", 0.25}};
        SettingsStore store(iniPath());
        for (const auto& [stored, value] : cases) {
            store.save("InkanY", stored);
            QVERIFY2(store.getDouble("InkanY", 0.25) == value, qPrintable(stored));
        }
    }

    void explicitFallbackOnlyWhileUnsaved() {
        // Two windows read the same key with different defaults until it is saved once.
        SettingsStore store(iniPath());
        QCOMPARE(store.get("TextTitle", "0"), "0");
        QCOMPARE(store.getByte("S3Company", 1), quint8(1));
        QCOMPARE(store.getDouble("InkanT", 0.0), 0.0);
        store.save("S3Company", 0);
        QCOMPARE(store.getByte("S3Company", 1), quint8(0));
        QCOMPARE(store.getByte("S2Company", 1), quint8(1)); // the other type's key is untouched
    }
};

KIVORA_TEST(TestSettings)
#include "tst_settings.moc"
