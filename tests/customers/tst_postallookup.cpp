// The postal-code lookup: which mode the fields choose, which input is refused, what
// each search lists against the small test directory, and what taking an entry fills in.
#include "PostalConverter.h"
#include "core/Database.h"
#include "customers/PostalLookup.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

using namespace PostalLookup;

namespace {

// The test directory: prefix 10 → 東京都, 91 → 福井県 then 石川県.
struct Fixture {
    TestEnv env{TestEnv::PostDb};
    Database post{env.state.PostCodePath, "郵便区分"};

    QStringList byCode(const QString& part1, const QString& part2) const {
        return Search_Zip(post, part1, part2, QString(), part2.isEmpty() ? ModeOldCode : ModeCode);
    }
    QStringList byAddress(const QString& address) const {
        return Search_Zip(post, QString(), QString(), address, ModeAddress);
    }
};

} // namespace

class TestPostalLookup : public QObject {
    Q_OBJECT

private slots:
    void modeAndRefusals() {
        // The two code parts and the address; the mode they choose and whether it is refused.
        const QString a = "東京都千代田区千代田";
        const std::tuple<const char*, const char*, QString, int, bool> cases[] = {
            {"100", "0001", "", ModeCode, false},
            {"1", "", "", ModeOldCode, false},
            {"", "0001", a, ModeAddress, false}, // the second part alone does not count
            {"", "0001", "", ModeNone, false},   // searched, so that the user is told
            {"100", "", a, -1, true},
            {"1a0", "0001", "", ModeCode, true},
            {"100", "00-1", "", ModeCode, true},
            {"１００", "0001", "", ModeCode, true},
            {"10 ", "", "", ModeOldCode, true}};
        for (const auto& [part1, part2, address, mode, refused] : cases) {
            QCOMPARE(ChooseMode(part1, part2, address), mode);
            QCOMPARE(ZipErr(mode, part1, part2, address), refused);
        }
    }

    void everyPrefectureIsRecognised() {
        // The name ends at character 3 or 4, for every prefecture the directory can list.
        for (const QString& name : kivora::postconv::prefectureNames())
            QCOMPARE(PrefectureLength(name + "中央区本町"), int(name.size()));
        QCOMPARE(QuoteIdentifier("東\"県"), "\"東\"\"県\"");
    }

    void codeFindsItsAddresses() {
        Fixture f;
        int rows = 0; // the window lets events run after each row
        const QStringList one{"東京都千代田区千代田 〒1000001"};
        QCOMPARE(Search_Zip(f.post, "100", "0001", QString(), ModeCode, [&rows] { ++rows; }), one);
        QCOMPARE(rows, 1);
        // One code, two addresses, in the file's order.
        QCOMPARE(f.byCode("100", "0005"),
                 QStringList({"東京都千代田区丸の内 〒1000005",
                              "東京都千代田区丸の内（次のビルを除く） 〒1000005"}));
        // An unknown code falls back to its old code: every row, in file order.
        f.post.exec("INSERT INTO \"東京都\" VALUES ('1000003', '100', '千代田区一ツ橋')");
        const QStringList old = f.byCode("100", "9999");
        QCOMPARE(old.size(), 4);
        QCOMPARE(old.last(), "東京都千代田区一ツ橋 〒1000003");
        // 石川県 is the second prefecture of prefix 91, and is searched as well.
        QCOMPARE(f.byCode("916", "0001"), QStringList{"石川県加賀市大聖寺 〒9160001"});
        // A new code found in one prefecture wins over an old code in another, and the old
        // code is looked up in all of them, in the directory's order.
        f.post.exec("INSERT INTO \"福井県\" VALUES ('9169999', '916', '福井市試験町')");
        QCOMPARE(f.byCode("916", "0001"), QStringList{"石川県加賀市大聖寺 〒9160001"});
        QCOMPARE(f.byCode("916", "0002"),
                 QStringList({"福井県福井市試験町 〒9169999", "石川県加賀市大聖寺 〒9160001"}));
    }

    void addressFindsItsCodes() {
        Fixture f;
        QCOMPARE(f.byAddress("石川県加賀市大聖寺"), QStringList{"9160001 :加賀市大聖寺"});
        // Only the exact town text matches.
        for (const char* address : {"東京都千代田区", "東京都千代田区丸の内1", "東京都"})
            QVERIFY2(f.byAddress(address).isEmpty(), address);
        f.post.exec("INSERT INTO \"東京都\" VALUES ('1000099', '100', '千代田区千代田')");
        QCOMPARE(f.byAddress("東京都千代田区千代田"),
                 QStringList({"1000001 :千代田区千代田", "1000099 :千代田区千代田"}));
        // 府 at the fourth place does not make "東京都府" a prefecture; 東京都 is taken.
        f.post.exec("INSERT INTO \"東京都\" VALUES ('1830000', '183', '府中市')");
        QCOMPARE(f.byAddress("東京都府中市"), QStringList{"1830000 :府中市"});
        QVERIFY(Search_Zip(f.post, "100", "0001", "東京都千代田区千代田", -1).isEmpty());
    }

    void onlyListedPrefecturesAreRead() {
        Fixture f;
        for (const char* input : {"東京都千代田区'千代田", "東京都'; DROP TABLE \"東京都\"; --"})
            QVERIFY2(f.byAddress(input).isEmpty(), input);
        QCOMPARE(f.byCode("100", "0001").size(), 1); // the table is still there
        // A table that exists but is not a listed prefecture is not read.
        f.post.exec("CREATE TABLE 秘密県 (NewPostCode TEXT, OldPostCode TEXT, Prefecture TEXT)");
        f.post.exec("INSERT INTO 秘密県 VALUES ('1000002', '100', '港町')");
        QVERIFY(f.byAddress("秘密県港町").isEmpty());
    }

    void takingAnEntry() {
        const auto take = [](const QString& entry, const QString& address1) {
            const Taken t = TakeEntry(entry, address1);
            return QString("%1|%2 %3-%4|%5 %6")
                .arg(t.hideOnly)
                .arg(t.setsCode)
                .arg(t.part1, t.part2)
                .arg(t.setsAddress)
                .arg(t.address1);
        };
        QCOMPARE(take("", "東京都"), "0|0 -|0 ");
        QCOMPARE(take(CancelEntry, ""), "1|0 -|0 ");
        QCOMPARE(take("1000005 :千代田区丸の内", "東京都千代田区丸の内"), "0|1 100-0005|0 ");
        QCOMPARE(take("東京都千代田区丸の内 〒1000005", ""), "0|0 -|1 東京都千代田区丸の内");
        // An address typed in after a code search: the entry is not of the kind the filled
        // address implies, so nothing is taken from it.
        QCOMPARE(take("東京都千代田区千代田 〒1000001", "東京都港区"), "1|0 -|0 ");
    }
};

KIVORA_TEST(TestPostalLookup)
#include "tst_postallookup.moc"
