// The reading captured from the name field: the kana converter, the event sequences a
// real input method sends (replayed as it sends them), and the filter on a live field.
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

// Pre-edit only.
ImEvent pre(const QString& text) {
    return {QString(), text};
}
// The result of a conversion: the commit with an empty pre-edit.
ImEvent done(const QString& text) {
    return {text, QString()};
}
// The empty event the input method sends after a commit.
const ImEvent Empty{};

// Feeds the events the way the filter does: the commit first, then the pre-edit.
QString replay(const QList<ImEvent>& events) {
    NameReading reading;
    reading.start();
    for (const ImEvent& e : events) {
        if (!e.commit.isEmpty())
            reading.commit(e.commit);
        reading.preedit(e.preedit);
    }
    return reading.captured();
}

// Pre-edits shown while a word is typed key by key: the kana so far, then the letters
// not yet turned into kana, full-width ("やまだしょうてｎ").
QList<ImEvent> typing(const QStringList& shown) {
    QList<ImEvent> events;
    for (const QString& s : shown)
        events << pre(s);
    return events;
}

} // namespace

Q_DECLARE_METATYPE(QList<ImEvent>)

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
        QTest::newRow("voiced marks split")
            << QStringLiteral("がぎぐげござじずぜぞだぢづでどばびぶべぼ")
            << QStringLiteral("ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ");
        QTest::newRow("semi-voiced")
            << QStringLiteral("ぱぴぷぺぽパ") << QStringLiteral("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟﾊﾟ");
        QTest::newRow("small hiragana")
            << QStringLiteral("ぁぃぅぇぉっゃゅょ") << QStringLiteral("ｧｨｩｪｫｯｬｭｮ");
        QTest::newRow("long vowel") << QStringLiteral("コーヒー") << QStringLiteral("ｺｰﾋｰ");
        QTest::newRow("vu") << QStringLiteral("ゔヴ") << QStringLiteral("ｳﾞｳﾞ");
        QTest::newRow("old and rare letters")
            << QStringLiteral("ゎゐゑヮヰヱヵヶ") << QStringLiteral("ﾜｲｴﾜｲｴｶｹ");
        QTest::newRow("punctuation") << QStringLiteral("・「」、。") << QStringLiteral("･｢｣､｡");
        QTest::newRow("half-width stays") << QStringLiteral("ｶﾌﾞ") << QStringLiteral("ｶﾌﾞ");
        QTest::newRow("other text stays") << QStringLiteral("山A1") << QStringLiteral("山A1");
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

    void isKana_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kana");
        QTest::newRow("hiragana") << QStringLiteral("やまだ") << true;
        QTest::newRow("katakana") << QStringLiteral("ヤマダー") << true;
        QTest::newRow("half-width") << QStringLiteral("ﾔﾏﾀﾞ") << true;
        QTest::newRow("with blanks") << QStringLiteral("やまだ　たろう ") << true;
        QTest::newRow("kanji") << QStringLiteral("山田") << false;
        QTest::newRow("mixed kanji") << QStringLiteral("山だ") << false;
        QTest::newRow("pending letter") << QStringLiteral("やまｄ") << false;
        QTest::newRow("latin") << QStringLiteral("abc") << false;
        QTest::newRow("digits") << QStringLiteral("１２") << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral(" 　") << false;
    }

    void isKana() {
        QFETCH(QString, text);
        QFETCH(bool, kana);
        QCOMPARE(NameReading::IsKana(text), kana);
    }

    void sequences_data() {
        QTest::addColumn<QList<ImEvent>>("events");
        QTest::addColumn<QString>("reading");

        // "yamadashouten", space to convert, Return to accept.
        QList<ImEvent> shop = typing({"ｙ", "や", "やｍ", "やま", "やまｄ", "やまだ", "やまだｓ",
                                      "やまだｓｈ", "やまだし", "やまだしょ", "やまだしょう",
                                      "やまだしょうｔ", "やまだしょうて", "やまだしょうてｎ"});
        shop << pre(QStringLiteral("山田商店")) << done(QStringLiteral("山田商店")) << Empty;
        QTest::newRow("word with final n") << shop << QStringLiteral("ﾔﾏﾀﾞｼｮｳﾃﾝ");

        // "yamada" converted, then typing "shouten" commits it and starts a new word.
        QList<ImEvent> two = typing({"や", "やま", "やまだ"});
        two << pre(QStringLiteral("山田")) << done(QStringLiteral("山田")) << Empty;
        two << typing({"ｓ", "ｓｈ", "し", "しょ", "しょう", "しょうて", "しょうてん"});
        two << pre(QStringLiteral("商店")) << done(QStringLiteral("商店")) << Empty;
        QTest::newRow("two words") << two << QStringLiteral("ﾔﾏﾀﾞｼｮｳﾃﾝ");

        // The commit and the next pre-edit arriving in one event.
        QList<ImEvent> joined = typing({"か", "かわ"});
        joined << pre(QStringLiteral("川")) << ImEvent{QStringLiteral("川"), QStringLiteral("ぐ")}
               << pre(QStringLiteral("ぐち")) << pre(QStringLiteral("口"))
               << done(QStringLiteral("口")) << Empty;
        QTest::newRow("commit with next pre-edit") << joined << QStringLiteral("ｶﾜｸﾞﾁ");

        // A word converted to katakana: the katakana pre-edit is the reading too.
        QList<ImEvent> coffee = typing({"こ", "こー", "こーひ", "こーひー"});
        coffee << pre(QStringLiteral("コーヒー")) << done(QStringLiteral("コーヒー")) << Empty;
        QTest::newRow("katakana word") << coffee << QStringLiteral("ｺｰﾋｰ");

        // A pre-edit taken back with Escape leaves nothing behind.
        QList<ImEvent> cancelled = typing({"や", "やま"});
        cancelled << pre(QString()) << typing({"か", "かわ"}) << pre(QStringLiteral("川"))
                  << done(QStringLiteral("川")) << Empty;
        QTest::newRow("cancelled word") << cancelled << QStringLiteral("ｶﾜ");

        // Taken back, then a word that never shows kana (full-width letters) is committed.
        QList<ImEvent> cancelledLatin = typing({"や", "やま"});
        cancelledLatin << pre(QString()) << typing({"Ｎ", "ＮＨ", "ＮＨＫ"})
                       << done(QStringLiteral("ＮＨＫ")) << Empty;
        QTest::newRow("cancelled word, then letters") << cancelledLatin << QString();

        QTest::newRow("kana committed directly")
            << QList<ImEvent>{done(QStringLiteral("かぶしきがいしゃ")), Empty}
            << QStringLiteral("ｶﾌﾞｼｷｶﾞｲｼｬ");
        QTest::newRow("half-width kana committed")
            << QList<ImEvent>{done(QStringLiteral("ｶﾌﾞ"))} << QStringLiteral("ｶﾌﾞ");
        QTest::newRow("latin committed")
            << QList<ImEvent>{done(QStringLiteral("ABC Co.")), Empty} << QString();
        QTest::newRow("kanji committed without kana")
            << QList<ImEvent>{done(QStringLiteral("株"))} << QString();

        QList<ImEvent> latinAfter = typing({"や", "やま", "やまだ"});
        latinAfter << pre(QStringLiteral("山田")) << done(QStringLiteral("山田")) << Empty
                   << done(QStringLiteral("Inc."));
        QTest::newRow("latin after a word") << latinAfter << QStringLiteral("ﾔﾏﾀﾞ");

        QList<ImEvent> blanks = typing({"やまだ", "やまだ　", "やまだ　たろう"});
        blanks << pre(QStringLiteral("山田　太郎")) << done(QStringLiteral("山田　太郎"))
               << done(QStringLiteral(" さとう ")) << done(QStringLiteral("　"));
        QTest::newRow("blanks removed") << blanks << QStringLiteral("ﾔﾏﾀﾞﾀﾛｳｻﾄｳ");

        QList<ImEvent> halfN = typing({"ほ", "ほn"});
        halfN << pre(QStringLiteral("本")) << done(QStringLiteral("本"));
        QTest::newRow("half-width final n") << halfN << QStringLiteral("ﾎﾝ");
    }

    void sequences() {
        QFETCH(QList<ImEvent>, events);
        QFETCH(QString, reading);
        QCOMPARE(replay(events), reading);
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
        auto* name = new QLineEdit(&window);
        auto* reading = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(name);
        layout->addWidget(reading);
        layout->addWidget(other);
        auto* filter = new NameReadingFilter(name, reading);
        QCOMPARE(filter->parent(), name);
        name->setAttribute(Qt::WA_InputMethodEnabled, false);
        name->setInputMethodHints(Qt::ImhLatinOnly);
        reading->setText(QStringLiteral("ｶ)"));

        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());

        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QVERIFY(name->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(name->inputMethodHints(), Qt::ImhNone);

        const auto send = [name](const QString& commit, const QString& preedit) {
            QInputMethodEvent event(preedit, {});
            if (!commit.isEmpty())
                event.setCommitString(commit);
            QApplication::sendEvent(name, &event);
        };
        for (const QString& s : QStringList{"や", "やま", "やまｄ", "やまだ"})
            send(QString(), s);
        send(QString(), QStringLiteral("山田"));
        send(QStringLiteral("山田"), QString());
        send(QString(), QString());
        for (const QString& s : QStringList{"ｓ", "し", "しょ", "しょう", "しょうて", "しょうてｎ"})
            send(QString(), s);
        send(QString(), QStringLiteral("商店"));
        send(QStringLiteral("商店"), QString());
        send(QString(), QString());

        // The events reached the field, and the reading waits until the field is left.
        QCOMPARE(name->text(), QStringLiteral("山田商店"));
        QCOMPARE(reading->text(), QStringLiteral("ｶ)"));

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝ"));

        // Back in the field: its text is selected and capturing starts afresh, so the
        // first word's reading is not appended twice.
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        QTRY_COMPARE(name->selectedText(), QStringLiteral("山田商店"));
        name->end(false);
        for (const QString& s : QStringList{"ほ", "ほんｔ", "ほんて", "ほんてｎ"})
            send(QString(), s);
        send(QString(), QStringLiteral("本店"));
        // Typing on during the conversion: the commit and the next word in one event.
        send(QStringLiteral("本店"), QStringLiteral("え"));
        send(QString(), QStringLiteral("えき"));
        send(QString(), QStringLiteral("駅"));
        send(QStringLiteral("駅"), QString());
        reading->setFocus();
        QTRY_VERIFY(reading->hasFocus());
        QCOMPARE(name->text(), QStringLiteral("山田商店本店駅"));
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝﾎﾝﾃﾝｴｷ"));

        // Passing through without typing, or typing only Latin text, adds nothing.
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        send(QStringLiteral("Ltd"), QString());
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QCOMPARE(reading->text(), QStringLiteral("ｶ)ﾔﾏﾀﾞｼｮｳﾃﾝﾎﾝﾃﾝｴｷ"));
    }
};

QTEST_MAIN(TestNameReading)
#include "tst_namereading.moc"
