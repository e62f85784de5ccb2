#include "core/Cp932.h"
#include "support/TestMain.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Field limits count Shift_JIS bytes and the text export writes them, so the byte count,
// the encoder and the decoder must agree with each other and with real CP932.
class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // null: only the round trip is checked
        QTest::newRow("ascii, control, DEL") << u"A-1\t\r\n\x7f"_s << "A-1\t\r\n\x7f"_ba;
        QTest::newRow("double-byte") << u"あ漢～①"_s << "\x82\xa0\x8a\xbf\x81\x60\x87\x40"_ba;
        QTest::newRow("half-width range ends") << u"\uFF61ｱﾞ\uFF9F"_s << "\xa1\xb1\xde\xdf"_ba;
        // Half-width katakana grow from one byte to three in UTF-8 and kanji shrink from three to
        // two: long runs of each must not be cut off by a buffer sized for the other.
        for (const char* unit : {"ｱ", "漢"})
            QTest::newRow(unit) << QString::fromUtf8(unit).repeated(5000) << QByteArray();
    }

    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const Cp932::Encoded encoded = Cp932::encode(text);
        QCOMPARE(encoded.badIndex, qsizetype(-1));
        if (!bytes.isNull())
            QCOMPARE(encoded.bytes, bytes);
        // The input limits count the same bytes, as a whole and character by character.
        int sum = 0;
        for (char32_t cp : text.toUcs4())
            sum += Cp932::byteLengthOf(cp);
        QCOMPARE(sum, Cp932::byteLength(text));
        QCOMPARE(encoded.bytes.size(), qsizetype(sum));
        bool ok = false;
        QCOMPARE(Cp932::decode(encoded.bytes, &ok), text);
        QVERIFY(ok);
    }

    void unencodableAndInvalid() {
        // Outside CP932: the first such character is named; a surrogate pair counts once.
        QCOMPARE(Cp932::encode(u"ﾔﾏﾀﾞ x\U0001F600y\u00e9"_s).badIndex, qsizetype(6));
        QCOMPARE(Cp932::byteLength(u"a\U0001F600\uFF60"_s), 5);
        // A surrogate without its other half has no form at all (it used to become "?").
        for (const QString& lone : {u"ab"_s + QChar(0xD83D) + u"c"_s, u"ab"_s + QChar(0xDE00)}) {
            const Cp932::Encoded e = Cp932::encode(lone);
            QCOMPARE(e.badIndex, qsizetype(2));
            QCOMPARE(e.bytes, "ab"_ba);
        }
        // Cut at a byte budget between whole characters, never inside a pair.
        using Cut = std::pair<QString, QString>;
        QCOMPARE(Cp932::splitAtBytes(u"札幌市ab"_s, 5), Cut(u"札幌"_s, u"市ab"_s));
        QCOMPARE(Cp932::splitAtBytes(u"aｱ市"_s, 3), Cut(u"aｱ"_s, u"市"_s));
        QCOMPARE(Cp932::splitAtBytes(u"a\U0001F600b"_s, 2), Cut(u"a"_s, u"\U0001F600b"_s));
        QCOMPARE(Cp932::splitAtBytes(u"abc"_s, 9), Cut(u"abc"_s, QString()));
        // A lone lead byte at the end, a bad trail byte, unassigned 0x80 and 0xFF.
        for (const QByteArray& bytes : {"abc\x82"_ba, "\x82\x20xyz"_ba, "\x80"_ba, "a\xff"_ba}) {
            bool ok = true;
            Cp932::decode(bytes, &ok);
            QVERIFY2(!ok, bytes.toHex().constData());
            QCOMPARE(Cp932::decode("\x82\xa0"_ba, &ok), u"あ"_s); // no state left behind
            QVERIFY(ok);
        }
    }
};

KIVORA_TEST(TestCp932)
#include "tst_cp932.moc"
