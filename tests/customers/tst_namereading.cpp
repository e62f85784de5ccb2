// The reading captured from the name field: the kana converter, the event sequences a
// real input method sends (replayed as it sends them), and the filter on a live field.
#include "support/TestMain.h"
#include "customers/NameReading.h"
#include "customers/NameReadingFilter.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

namespace {

// One input-method event as the field receives it: a commit string and a pre-edit.
struct ImEvent {
    QString commit;
    QString preedit;
};
using Events = QList<ImEvent>;

// The result of a conversion: the commit with an empty pre-edit.
ImEvent done(const QString& text) {
    return {text, QString()};
}
// The empty event the input method sends after a commit.
const ImEvent Empty{};

// Pre-edits only: the kana typed so far, full-width letters not yet turned into kana
// ("やまだしょうてｎ"), or the word converted and not yet committed.
Events pre(const QStringList& shown) {
    Events events;
    for (const QString& s : shown)
        events << ImEvent{QString(), s};
    return events;
}

// A word typed as `shown`, converted to `word` and committed.
Events word(const QStringList& shown, const QString& word) {
    return pre(shown) << ImEvent{QString(), word} << done(word) << Empty;
}

} // namespace

Q_DECLARE_METATYPE(Events)

class TestNameReading : public QObject {
    Q_OBJECT

private slots:
    void converter_data() {
        QTest::addColumn<QString>("kana");
        QTest::addColumn<QString>("half");
        QTest::newRow("plain hiragana")
            << QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの"
                              "はひふへほまみむめもやゆよらりるれろわをん")
            << QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝ");
        QTest::newRow("voiced and semi-voiced marks split")
            << QStringLiteral("がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽパ")
            << QStringLiteral("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟﾊﾟ");
        QTest::newRow("small letters and long vowel")
            << QStringLiteral("ぁぃぅぇぉっゃゅょコーヒー") << QStringLiteral("ｧｨｩｪｫｯｬｭｮｺｰﾋｰ");
        QTest::newRow("vu, old and rare letters")
            << QStringLiteral("ゔヴゎゐゑヮヰヱヵヶ") << QStringLiteral("ｳﾞｳﾞﾜｲｴﾜｲｴｶｹ");
        QTest::newRow("punctuation") << QStringLiteral("・「」、。") << QStringLiteral("･｢｣､｡");
        QTest::newRow("other text stays") << QStringLiteral("ｶﾌﾞ山A1") << QStringLiteral("ｶﾌﾞ山A1");
    }

    void converter() {
        QFETCH(QString, kana);
        QFETCH(QString, half);
        QCOMPARE(NameReading::ToHalfWidthKatakana(kana), half);
    }

    void everyKatakanaBecomesHalfWidth() {
        // No letter of the block is left full-width or mapped to a gap in the table.
        for (char16_t c = u'ァ'; c <= u'ー'; ++c) {
            const QString half = NameReading::ToHalfWidthKatakana(QString(QChar(c)));
            QVERIFY2(!half.isEmpty() && half.size() <= 2, qPrintable(QString(QChar(c))));
            for (const QChar h : half)
                QVERIFY2(h.unicode() >= 0xFF61 && h.unicode() <= 0xFF9F,
                         qPrintable(QString(QChar(c)) + QStringLiteral(" -> ") + half));
            // Hiragana take the same form as their katakana.
            if (c <= u'ヶ')
                QCOMPARE(NameReading::ToHalfWidthKatakana(QString(QChar(c - 0x60))), half);
        }
    }

    void isKana() {
        // Hiragana, katakana with the long vowel, half-width, and blanks between.
        for (const char* text : {"やまだ", "ヤマダー", "ﾔﾏﾀﾞ", "やまだ　たろう "})
            QVERIFY2(NameReading::IsKana(QString::fromUtf8(text)), text);
        // Kanji, a pending letter, Latin letters, digits, nothing and blanks only.
        for (const char* text : {"山田", "山だ", "やまｄ", "abc", "１２", "", " 　"})
            QVERIFY2(!NameReading::IsKana(QString::fromUtf8(text)), text);
    }

    void sequences_data() {
        QTest::addColumn<Events>("events");
        QTest::addColumn<QString>("reading");
        // "yamadashouten", space to convert, Return to accept.
        QTest::newRow("word with final n")
            << word({"ｙ", "や", "やｍ", "やま", "やまｄ", "やまだ", "やまだｓ", "やまだｓｈ",
                     "やまだし", "やまだしょ", "やまだしょう", "やまだしょうｔ", "やまだしょうて",
                     "やまだしょうてｎ"},
                    QStringLiteral("山田商店"))
            << QStringLiteral("ﾔﾏﾀﾞｼｮｳﾃﾝ");
        // "yamada" converted, then typing "shouten" commits it and starts a new word.
        QTest::newRow("two words")
            << (word({"や", "やま", "やまだ"}, QStringLiteral("山田"))
                << word({"ｓ", "ｓｈ", "し", "しょ", "しょう", "しょうて", "しょうてん"},
                        QStringLiteral("商店")))
            << QStringLiteral("ﾔﾏﾀﾞｼｮｳﾃﾝ");
        // The commit and the next pre-edit arriving in one event.
        QTest::newRow("commit with next pre-edit")
            << (pre({"か", "かわ", "川"}) << ImEvent{QStringLiteral("川"), QStringLiteral("ぐ")}
                                          << word({"ぐち"}, QStringLiteral("口")))
            << QStringLiteral("ｶﾜｸﾞﾁ");
        // A word converted to katakana: the katakana pre-edit is the reading too.
        QTest::newRow("katakana word")
            << word({"こ", "こー", "こーひ", "こーひー"}, QStringLiteral("コーヒー"))
            << QStringLiteral("ｺｰﾋｰ");
        // A pre-edit taken back with Escape leaves nothing behind, even when a word that
        // never shows kana (full-width letters) is committed next.
        QTest::newRow("cancelled word")
            << (pre({"や", "やま", ""}) << word({"か", "かわ"}, QStringLiteral("川")))
            << QStringLiteral("ｶﾜ");
        QTest::newRow("cancelled word, then letters")
            << (pre({"や", "やま", "", "Ｎ", "ＮＨ", "ＮＨＫ"})
                << done(QStringLiteral("ＮＨＫ")) << Empty)
            << QString();
        // Text committed without a pre-edit: kana count, Latin and kanji add nothing.
        QTest::newRow("direct commits") << Events{done(QStringLiteral("かぶしきがいしゃ")),
                                                  Empty,
                                                  done(QStringLiteral("ABC Co.")),
                                                  Empty,
                                                  done(QStringLiteral("株")),
                                                  done(QStringLiteral("ｶﾌﾞ"))}
                                        << QStringLiteral("ｶﾌﾞｼｷｶﾞｲｼｬｶﾌﾞ");
        QTest::newRow("latin after a word")
            << (word({"や", "やま", "やまだ"}, QStringLiteral("山田"))
                << done(QStringLiteral("Inc.")))
            << QStringLiteral("ﾔﾏﾀﾞ");
        QTest::newRow("blanks removed")
            << (pre({"やまだ", "やまだ　", "やまだ　たろう", "山田　太郎"})
                << done(QStringLiteral("山田　太郎")) << done(QStringLiteral(" さとう "))
                << done(QStringLiteral("　")))
            << QStringLiteral("ﾔﾏﾀﾞﾀﾛｳｻﾄｳ");
        QTest::newRow("half-width final n")
            << (pre({"ほ", "ほn", "本"}) << done(QStringLiteral("本"))) << QStringLiteral("ﾎﾝ");
    }

    void sequences() {
        QFETCH(Events, events);
        QFETCH(QString, reading);
        // Fed the way the filter feeds them: the commit first, then the pre-edit.
        NameReading capture;
        capture.start();
        for (const ImEvent& e : events) {
            if (!e.commit.isEmpty())
                capture.commit(e.commit);
            capture.preedit(e.preedit);
        }
        QCOMPARE(capture.captured(), reading);
    }

    void startForgetsEverything() {
        NameReading reading;
        reading.start();
        reading.preedit(QStringLiteral("やま"));
        reading.commit(QStringLiteral("山"));
        QCOMPARE(reading.captured(), QStringLiteral("ﾔﾏ"));
        reading.preedit(QStringLiteral("かわ"));
        reading.start();
        QVERIFY(reading.captured().isEmpty());
        // The kana kept before start() belong to no word any more.
        reading.commit(QStringLiteral("Z"));
        QVERIFY(reading.captured().isEmpty());
    }

    void filterOnALiveField() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* name = new QLineEdit;
        auto* reading = new QLineEdit;
        auto* other = new QLineEdit;
        for (QLineEdit* field : {name, reading, other})
            layout->addWidget(field);
        auto* filter = new NameReadingFilter(name, reading);
        QCOMPARE(filter->parent(), name);
        name->setAttribute(Qt::WA_InputMethodEnabled, false);
        name->setInputMethodHints(Qt::ImhLatinOnly);
        reading->setText(QStringLiteral("ｶ)"));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto focus = [](QLineEdit* field) {
            field->setFocus();
            QTRY_VERIFY(field->hasFocus());
        };
        const auto send = [name](const QString& commit, const QString& preedit) {
            QInputMethodEvent event(preedit, {});
            event.setCommitString(commit);
            QApplication::sendEvent(name, &event);
        };
        const auto sendAll = [&send](const Events& events) {
            for (const ImEvent& e : events)
                send(e.commit, e.preedit);
        };
        focus(other);
        focus(name);
        // The field takes Japanese input whatever it was set to before.
        QVERIFY(name->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(name->inputMethodHints(), Qt::ImhNone);
        sendAll(word({"や", "やま", "やまｄ", "やまだ"}, QStringLiteral("山田")));
        sendAll(
            word({"ｓ", "し", "しょ", "しょう", "しょうて", "しょうてｎ"}, QStringLiteral("商店")));
        // The events reached the field, and the reading waits until the field is left.
        QCOMPARE(name->text(), QStringLiteral("山田商店"));
        QCOMPARE(reading->text(), QStringLiteral("ｶ)"));
        focus(other);
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝ"));

        // Back in the field: its text is selected and capturing starts afresh, so the
        // first word's reading is not appended twice.
        focus(name);
        QTRY_COMPARE(name->selectedText(), QStringLiteral("山田商店"));
        name->end(false);
        // Typing on during the conversion: the commit and the next word in one event.
        sendAll(pre({"ほ", "ほんｔ", "ほんて", "ほんてｎ", "本店"}));
        send(QStringLiteral("本店"), QStringLiteral("え"));
        sendAll(pre({"えき", "駅"}) << done(QStringLiteral("駅")));
        focus(reading);
        QCOMPARE(name->text(), QStringLiteral("山田商店本店駅"));
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝﾎﾝﾃﾝｴｷ"));

        // Passing through with only Latin text typed adds nothing.
        focus(name);
        send(QStringLiteral("Ltd"), QString());
        focus(other);
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝﾎﾝﾃﾝｴｷ"));
    }
};

KIVORA_TEST(TestNameReading)
#include "tst_namereading.moc"
