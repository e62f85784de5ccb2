#include "core/Cp932.h"

#include <QTest>

// Field limits count Shift_JIS bytes and the text export writes them, so the byte count,
// the encoder and the decoder must agree with each other and with real CP932.
class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void byteLength_data();
    void byteLength();
    void knownBytes_data();
    void knownBytes();
    void roundTripJapaneseText();
    void longTextsSurviveBothWays();
    void badIndexOfUnencodable_data();
    void badIndexOfUnencodable();
    void decodeRefusesInvalidBytes_data();
    void decodeRefusesInvalidBytes();
};

void TestCp932::byteLength_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("ascii") << QStringLiteral("ABC-123 xyz") << 11;
    QTest::newRow("control and DEL") << QStringLiteral("\t\r\n\x7f") << 4;
    QTest::newRow("first non-ascii") << QStringLiteral("\u0080") << 2;
    QTest::newRow("half-width katakana") << QStringLiteral("ｶﾌﾞｼｷｶﾞｲｼｬ") << 10;
    QTest::newRow("half-width range start") << QStringLiteral("\uFF61") << 1;
    QTest::newRow("half-width range end") << QStringLiteral("\uFF9F") << 1;
    QTest::newRow("just below the range") << QStringLiteral("\uFF60") << 2;
    QTest::newRow("just above the range") << QStringLiteral("\uFFA0") << 2;
    QTest::newRow("kanji") << QStringLiteral("山田太郎") << 8;
    QTest::newRow("hiragana and full-width katakana") << QStringLiteral("あア") << 4;
    QTest::newRow("full-width latin") << QStringLiteral("ＡＢ") << 4;
    QTest::newRow("surrogate pair counts once") << QStringLiteral("\U0001F600") << 2;
    QTest::newRow("mixed") << QStringLiteral("a山ｱ\U0001F600b") << 7;
}

void TestCp932::byteLength() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(Cp932::byteLength(text), bytes);
    int sum = 0;
    for (char32_t cp : text.toUcs4())
        sum += Cp932::byteLengthOf(cp);
    QCOMPARE(sum, bytes);
}

void TestCp932::knownBytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("A1") << QByteArray("A1");
    QTest::newRow("hiragana a") << QStringLiteral("あ") << QByteArray("\x82\xa0");
    QTest::newRow("kanji") << QStringLiteral("漢") << QByteArray("\x8a\xbf");
    QTest::newRow("half-width a") << QStringLiteral("ｱ") << QByteArray("\xb1");
    QTest::newRow("half-width voicing mark") << QStringLiteral("ﾞ") << QByteArray("\xde");
    QTest::newRow("full-width tilde") << QStringLiteral("～") << QByteArray("\x81\x60");
    QTest::newRow("circled one (vendor extension)")
        << QStringLiteral("①") << QByteArray("\x87\x40");
}

void TestCp932::knownBytes() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const Cp932::Encoded encoded = Cp932::encode(text);
    QVERIFY(encoded.ok());
    QCOMPARE(encoded.badIndex, qsizetype(-1));
    QCOMPARE(encoded.bytes, bytes);
    bool ok = false;
    QCOMPARE(Cp932::decode(bytes, &ok), text);
    QVERIFY(ok);
}

void TestCp932::roundTripJapaneseText() {
    const QString text =
        QStringLiteral("株式会社ｶﾌﾞｼｷｶﾞｲｼｬ 山田太郎様\r\n〒100-0001 東京都千代田区①㈱－￥1,000");
    const Cp932::Encoded encoded = Cp932::encode(text);
    QVERIFY(encoded.ok());
    // The input limits and the export must count the same bytes.
    QCOMPARE(encoded.bytes.size(), qsizetype(Cp932::byteLength(text)));
    bool ok = false;
    QCOMPARE(Cp932::decode(encoded.bytes, &ok), text);
    QVERIFY(ok);
}

void TestCp932::longTextsSurviveBothWays() {
    // Half-width katakana grow from one byte to three in UTF-8, and kanji shrink from three
    // to two: long runs of each must not be cut off by a buffer sized for the other.
    for (const QString& unit : {QStringLiteral("ｱ"), QStringLiteral("漢"), QStringLiteral("a")}) {
        const QString text = unit.repeated(5000);
        const Cp932::Encoded encoded = Cp932::encode(text);
        QVERIFY(encoded.ok());
        QCOMPARE(encoded.bytes.size(), qsizetype(Cp932::byteLength(text)));
        bool ok = false;
        QCOMPARE(Cp932::decode(encoded.bytes, &ok), text);
        QVERIFY(ok);
    }
}

void TestCp932::badIndexOfUnencodable_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badIndex");
    QTest::newRow("emoji first") << QStringLiteral("\U0001F600abc") << 0;
    QTest::newRow("emoji after Japanese") << QStringLiteral("山田\U0001F600") << 2;
    QTest::newRow("emoji after half-width and ascii") << QStringLiteral("ﾔﾏﾀﾞ x\U0001F600y") << 6;
    QTest::newRow("first of two emoji") << QStringLiteral("あ\U0001F600い\U0001F601") << 1;
    QTest::newRow("accented latin") << QStringLiteral("Caf\u00e9") << 3;
    QTest::newRow("hangul") << QStringLiteral("顧客\uD55C") << 2;
}

void TestCp932::badIndexOfUnencodable() {
    QFETCH(QString, text);
    QFETCH(int, badIndex);
    const Cp932::Encoded encoded = Cp932::encode(text);
    QVERIFY(!encoded.ok());
    QCOMPARE(encoded.badIndex, qsizetype(badIndex));
    // The text before that index is encodable on its own, so the index is not early.
    QVERIFY(Cp932::encode(text.left(badIndex)).ok());
}

void TestCp932::decodeRefusesInvalidBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lone lead byte at the end") << QByteArray("abc\x82");
    QTest::newRow("lead byte with a bad trail byte") << QByteArray("\x82\x20xyz");
    QTest::newRow("unassigned single byte 0x80") << QByteArray("\x80");
    QTest::newRow("unassigned single byte 0xFF") << QByteArray("a\xff");
}

void TestCp932::decodeRefusesInvalidBytes() {
    QFETCH(QByteArray, bytes);
    bool ok = true;
    Cp932::decode(bytes, &ok);
    QVERIFY(!ok);
    // Valid bytes around the same calls still decode cleanly (no state left behind).
    QCOMPARE(Cp932::decode(QByteArray("\x82\xa0"), &ok), QStringLiteral("あ"));
    QVERIFY(ok);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
