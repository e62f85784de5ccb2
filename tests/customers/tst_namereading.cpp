// The reading captured from the name field, from input-method events and from a live field.
#include "customers/NameReading.h"
#include "customers/NameReadingFilter.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// One input-method event as the field receives it: a commit string and a pre-edit.
struct ImEvent {
    QString commit, preedit;
};
using Events = QList<ImEvent>;

// A word typed as the pre-edits `shown`, converted to `word` and committed.
Events word(const QStringList& shown, const QString& word) {
    Events events;
    for (const QString& s : shown + QStringList{word})
        events << ImEvent{QString(), s};
    return events << ImEvent{word, QString()} << ImEvent{};
}

} // namespace

Q_DECLARE_METATYPE(Events)

class TestNameReading : public QObject {
    Q_OBJECT

private slots:
    void sequences_data() {
        QTest::addColumn<Events>("events");
        QTest::addColumn<QString>("reading");
        QTest::newRow("two words, final n")
            << (word({"や", "やまだ"}, "山田") << word({"ｓ", "しょうてｎ"}, "商店"))
            << "ﾔﾏﾀﾞｼｮｳﾃﾝ";
        // The commit and the next pre-edit arriving in one event.
        QTest::newRow("commit with next pre-edit")
            << (word({"かわ"}, "川").mid(0, 2) << ImEvent{"川", "ぐ"} << word({"ぐち"}, "口"))
            << "ｶﾜｸﾞﾁ";
        // A pre-edit taken back with Escape leaves nothing behind, even when a word that never
        // shows kana (full-width letters) is committed next.
        QTest::newRow("cancelled word, then letters")
            << (Events{{"", "や"}, {"", ""}} << word({"Ｎ"}, "ＮＨＫ")) << QString();
        // Text committed without a pre-edit: kana count, Latin and kanji add nothing; blanks go.
        QTest::newRow("direct commits")
            << Events{{" かぶしき ", ""}, {"ABC Co.", ""}, {"株", ""}, {"ｶﾌﾞ", ""}} << "ｶﾌﾞｼｷｶﾌﾞ";
    }

    void sequences() {
        QFETCH(Events, events);
        // Fed the way the filter feeds them: the commit first, then the pre-edit.
        NameReading capture;
        capture.start();
        for (const ImEvent& e : events) {
            if (!e.commit.isEmpty())
                capture.commit(e.commit);
            capture.preedit(e.preedit);
        }
        QTEST(capture.captured(), "reading");
        // start() forgets everything, the kana pending before it too.
        capture.preedit("かわ");
        capture.start();
        capture.commit("Z");
        QVERIFY(capture.captured().isEmpty());
    }

    void filterOnALiveField() {
        QWidget window;
        auto *name = new QLineEdit(&window), *reading = new QLineEdit(&window);
        new NameReadingFilter(name, reading);
        reading->setText("ｶ)");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The reading is added when the field is left; back in it, capturing starts afresh.
        for (const char* typed : {"やまだ", "ほんてん"}) {
            name->setFocus();
            for (const ImEvent& e : word({typed}, "漢字")) {
                QInputMethodEvent event(e.preedit, {});
                event.setCommitString(e.commit);
                QApplication::sendEvent(name, &event);
            }
            reading->setFocus();
        }
        QCOMPARE(reading->text(), "ｶ)ﾔﾏﾀﾞﾎﾝﾃﾝ");
        // A name emptied while it is typed (Backspace, or a new word typed over the whole
        // selected name) starts a new reading: the old kana do not stay in front.
        const auto type = [&](const char* kana, const char* kanji) {
            for (const ImEvent& e : word({kana}, kanji)) {
                QInputMethodEvent event(e.preedit, {});
                event.setCommitString(e.commit);
                QApplication::sendEvent(name, &event);
            }
        };
        reading->clear();
        name->setFocus();
        type("やまだ", "山田");
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Backspace);
        type("すずき", "鈴木");
        name->selectAll();
        type("かわ", "川");
        reading->setFocus();
        QCOMPARE(name->text() + reading->text(), "川ｶﾜ");
    }
};

KIVORA_TEST(TestNameReading)
#include "tst_namereading.moc"
