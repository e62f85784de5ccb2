#include "support/TestMain.h"
#include "core/Cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Field limits count Shift_JIS bytes and the text export writes them, so the byte count,
// the encoder and the decoder must agree with each other and with real CP932.
class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void byteLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("ascii, control and DEL") << u"AB-1 x\t\r\n\x7f"_s << 10;
        QTest::newRow("first non-ascii") << u"\u0080"_s << 2;
        QTest::newRow("half-width katakana") << u"ｶﾌﾞｼｷｶﾞｲｼｬ"_s << 10;
        QTest::newRow("half-width range ends") << u"\uFF61\uFF9F"_s << 2;
        QTest::newRow("just outside the range") << u"\uFF60\uFFA0"_s << 4;
        QTest::newRow("kanji, kana, full-width latin") << u"山田あアＡ"_s << 10;
        QTest::newRow("surrogate pair counts once") << u"\U0001F600"_s << 2;
        QTest::newRow("mixed") << u"a山ｱ\U0001F600b"_s << 7;
    }

    void byteLength() {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(Cp932::byteLength(text), bytes);
        int sum = 0; // the per-character count the input fields use must add up the same
        for (char32_t cp : text.toUcs4())
            sum += Cp932::byteLengthOf(cp);
        QCOMPARE(sum, bytes);
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // null: only the round trip is checked
        QTest::newRow("ascii and double-byte") << u"A1あ漢～"_s << "A1\x82\xa0\x8a\xbf\x81\x60"_ba;
        QTest::newRow("half-width a and voicing mark") << u"ｱﾞ"_s << "\xb1\xde"_ba;
        QTest::newRow("circled one, a vendor extension") << u"①"_s << "\x87\x40"_ba;
        QTest::newRow("address line")
            << u"株式会社ｶﾌﾞｼｷｶﾞｲｼｬ 山田太郎様\r\n〒100-0001 東京都千代田区①㈱－￥1,000"_s << QByteArray();
        // Half-width katakana grow from one byte to three in UTF-8 and kanji shrink from three to
        // two: long runs of each must not be cut off by a buffer sized for the other.
        for (const char* unit : {"ｱ", "漢", "a"})
            QTest::newRow(unit) << QString::fromUtf8(unit).repeated(5000) << QByteArray();
    }

    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const Cp932::Encoded encoded = Cp932::encode(text);
        QCOMPARE(encoded.badIndex, qsizetype(-1));
        if (!bytes.isNull())
            QCOMPARE(encoded.bytes, bytes);
        // The input limits and the export must count the same bytes.
        QCOMPARE(encoded.bytes.size(), qsizetype(Cp932::byteLength(text)));
        bool ok = false;
        QCOMPARE(Cp932::decode(encoded.bytes, &ok), text);
        QVERIFY(ok);
    }

    void badIndexOfUnencodable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("badIndex");
        QTest::newRow("emoji first") << u"\U0001F600abc"_s << 0;
        QTest::newRow("emoji after Japanese") << u"山田\U0001F600"_s << 2;
        QTest::newRow("emoji after half-width and ascii") << u"ﾔﾏﾀﾞ x\U0001F600y"_s << 6;
        QTest::newRow("first of two emoji") << u"あ\U0001F600い\U0001F601"_s << 1;
        QTest::newRow("accented latin") << u"Caf\u00e9"_s << 3;
        QTest::newRow("hangul") << u"顧客\uD55C"_s << 2;
    }

    void badIndexOfUnencodable() {
        QFETCH(QString, text);
        QFETCH(int, badIndex);
        const Cp932::Encoded encoded = Cp932::encode(text);
        QCOMPARE(encoded.badIndex, qsizetype(badIndex));
        // The text before that index is encodable on its own, so the index is not early.
        QVERIFY(Cp932::encode(text.left(badIndex)).ok());
    }

    void decodeRefusesInvalidBytes() {
        // A lone lead byte at the end, a lead byte with a bad trail byte, unassigned 0x80 and 0xFF.
        for (const QByteArray& bytes : {"abc\x82"_ba, "\x82\x20xyz"_ba, "\x80"_ba, "a\xff"_ba}) {
            bool ok = true;
            Cp932::decode(bytes, &ok);
            QVERIFY2(!ok, bytes.toHex().constData());
            // Valid bytes right after still decode cleanly (no state left behind).
            QCOMPARE(Cp932::decode("\x82\xa0"_ba, &ok), u"あ"_s);
            QVERIFY(ok);
        }
    }
};

KIVORA_TEST(TestCp932)
#include "tst_cp932.moc"
