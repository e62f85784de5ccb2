#include "core/SettingsStore.h"
#include "support/TestMain.h"

#include <QtTest>
#include <memory>

// The settings file outlives program versions and can be edited by hand, so the readers must
// cope with whatever is in it, and every value written must really reach the file.
class TestSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir; // a new one per test: QSettings caches files by name
    QString iniPath() const { return m_dir->filePath("Norv.ini"); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void valuesReachTheFile() {
        const QString odd = "/home/u/印影 画像/a,b;c=d#e\"f ";
        {
            SettingsStore store(iniPath());
            store.save("SetupFolder", "placeholder"); // so the read below cannot be the default
            store.save("SetupFolder", odd);
            store.save("SlipNo0", QString());
        } // destroying the store must write the file
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().startsWith("[Kivora]"));
        // A key outside the section is not ours and must not be read as if it were.
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue("Other/Zero", "1");
        raw.sync();
        SettingsStore store(iniPath());
        QCOMPARE(store.get("SetupFolder"), odd);
        QCOMPARE(store.get("SlipNo0", "x"), QString());
        QCOMPARE(store.getByte("Zero"), quint8(0));
    }

    void numericReadersFallBack_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("asByte");  // with fallback 7
        QTest::addColumn<int>("asInt16"); // with fallback -5
        QTest::newRow("byte max") << "255" << 255 << 255;
        QTest::newRow("above byte") << "256" << 7 << 256;
        QTest::newRow("negative") << "-32768" << 7 << -32768;
        // Out of both ranges, or not plain decimal digits: both fall back.
        for (const char* stored : {"32768", "abc", "", "1.0", "12px", "0x10", "１２"})
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
    }

    void decimalReaderFallsBack() {
        // Readable decimals come back; anything else, infinities and NaN too, gives the fallback.
        const std::pair<const char*, double> cases[] = {
            {" 0.75 ", 0.75}, {"1,5", 0.25}, {"nan", 0.25}, {"-inf", 0.25}, {"1e999", 0.25}};
        SettingsStore store(iniPath());
        for (const auto& [stored, value] : cases) {
            store.save("InkanY", stored);
            QVERIFY2(store.getDouble("InkanY", 0.25) == value, stored);
        }
    }
};

KIVORA_TEST(TestSettings)
#include "tst_settings.moc"
