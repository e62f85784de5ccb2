// The postal-code lookup: which mode the fields choose, which input is refused, what
// each search lists (against the small test directory and against the generated national
// directory), and what taking an entry fills in.
#include "support/TestMain.h"
#include "core/Database.h"
#include "customers/PostalLookup.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace PostalLookup;

namespace {

QStringList byCode(const Database& post, const QString& part1, const QString& part2) {
    return Search_Zip(post, part1, part2, QString(), part2.isEmpty() ? ModeOldCode : ModeCode);
}

QStringList byAddress(const Database& post, const QString& address) {
    return Search_Zip(post, QString(), QString(), address, ModeAddress);
}

// Adds a prefecture table to the directory, with one row.
void AddTable(Database& post, const QString& name, const QString& row) {
    post.exec("CREATE TABLE " + QuoteIdentifier(name) +
              " (NewPostCode TEXT, OldPostCode TEXT, Prefecture TEXT)");
    post.exec("INSERT INTO " + QuoteIdentifier(name) + " VALUES (" + row + ")");
}

} // namespace

class TestPostalLookup : public QObject {
    Q_OBJECT

    // The national directory as the build generates it; copied, since an open database
    // is held exclusively and the build's file must stay usable.
    QTemporaryDir m_realDir;
    std::unique_ptr<Database> m_real;

    // The test directory: 10 → 東京都, 91 → 福井県 then 石川県.
    struct Fixture {
        TestEnv env{TestEnv::PostDb};
        std::unique_ptr<Database> post =
            std::make_unique<Database>(env.state.PostCodePath, QStringLiteral("郵便区分"));
    };

    // Inputs that must neither break the statement nor find anything, on any directory.
    static void hostileAddressesFindNothing(const Database& post) {
        const QString tables =
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'");
        const int before = post.scalar(tables).toInt();
        for (const char* input : {"東京都千代田区'千代田", "東京都千代田区\"千代田",
                                  "東京都'; DROP TABLE \"東京都\"; --", "東\"京都千代田区千代田",
                                  "東'京都千代田区千代田", "架空県どこか",
                                  "東京千代田区千代田" /* no suffix at character 3 or 4 */}) {
            QVERIFY2(byAddress(post, input).isEmpty(), input);
        }
        QCOMPARE(post.scalar(tables).toInt(), before);
    }

private slots:
    void initTestCase() {
        const QString source = QStringLiteral(KIVORA_BINARY_DIR "/DataFile/PostCode.mdb");
        if (!QFile::exists(source) || !m_realDir.isValid())
            return;
        const QString copy = m_realDir.path() + QStringLiteral("/PostCode.mdb");
        QVERIFY(QFile::copy(source, copy));
        m_real = std::make_unique<Database>(copy, QStringLiteral("郵便区分"));
    }

    void modeRefusalsAndPrefectureNames() {
        const QString code1 = "100", code2 = "0001", address = "東京都千代田区千代田", none;
        QCOMPARE(ChooseMode(code1, code2, none), int(ModeCode));
        QCOMPARE(ChooseMode(code1, none, none), int(ModeOldCode));
        QCOMPARE(ChooseMode(none, none, address), int(ModeAddress));
        // The second code field on its own does not count.
        QCOMPARE(ChooseMode(none, code2, address), int(ModeAddress));
        QCOMPARE(ChooseMode(none, code2, none), int(ModeNone));
        QCOMPARE(ChooseMode(none, none, none), int(ModeNone));
        QCOMPARE(ChooseMode(code1, code2, address), -1);
        QCOMPARE(ChooseMode(code1, none, address), -1);

        // Unusable input for the mode stops the lookup.
        QVERIFY(!ZipErr(ModeCode, "100", "0001", none));
        QVERIFY(ZipErr(ModeCode, "100", none, none));
        QVERIFY(ZipErr(ModeCode, none, "0001", none));
        QVERIFY(ZipErr(ModeCode, "1a0", "0001", none));
        QVERIFY(ZipErr(ModeCode, "100", "00-1", none));
        QVERIFY(ZipErr(ModeCode, "１００", "0001", none));
        QVERIFY(!ZipErr(ModeOldCode, "100", none, none));
        QVERIFY(!ZipErr(ModeOldCode, "1", none, none));
        QVERIFY(ZipErr(ModeOldCode, none, none, none));
        QVERIFY(ZipErr(ModeOldCode, "10 ", none, none));
        QVERIFY(!ZipErr(ModeAddress, none, none, "東京都"));
        QVERIFY(ZipErr(ModeAddress, none, none, none));
        // Nothing to search is still searched, so that the user is told it was not found.
        QVERIFY(!ZipErr(ModeNone, none, none, none));
        QVERIFY(ZipErr(-1, "100", none, "東京都"));

        // The prefecture name ends at character 3 or 4.
        QCOMPARE(PrefectureLength("東京都千代田区"), 3);
        QCOMPARE(PrefectureLength("神奈川県横浜市"), 4);
        QCOMPARE(PrefectureLength("京都府京都市"), 3); // "都" at 2 is too early
        QCOMPARE(PrefectureLength("北海道寿都郡寿都町"), 3);
        QCOMPARE(PrefectureLength("和歌山県"), 4);
        QCOMPARE(PrefectureLength("東都千代田区"), 0);
        QCOMPARE(PrefectureLength("東京"), 0);
        QCOMPARE(PrefectureLength(QString()), 0);
        QCOMPARE(QuoteIdentifier("東\"県"), QStringLiteral("\"東\"\"県\""));
    }

    void codeFindsItsAddresses() {
        Fixture f;
        int rows = 0;
        const auto counted = [&](const QString& part2) {
            rows = 0;
            return Search_Zip(*f.post, "100", part2, QString(), ModeCode, [&rows] { ++rows; });
        };
        const QStringList one{"東京都千代田区千代田 〒1000001"};
        QCOMPARE(counted("0001"), one);
        QCOMPARE(rows, 1);
        // One code, two addresses, in the file's order.
        QCOMPARE(byCode(*f.post, "100", "0005"),
                 QStringList({"東京都千代田区丸の内 〒1000005",
                              "東京都千代田区丸の内（次のビルを除く） 〒1000005"}));
        QVERIFY(byCode(*f.post, "200", "0001").isEmpty());
        QVERIFY(byCode(*f.post, "1", QString()).isEmpty());
        // A prefecture listed twice for a prefix is still searched once.
        f.post->exec("INSERT INTO 郵便区分 VALUES ('10', '東京都')");
        QCOMPARE(byCode(*f.post, "100", "0001"), one);

        // An unknown code falls back to its old code: every row, in file order, not in
        // code order.
        f.post->exec("INSERT INTO \"東京都\" VALUES ('1000003', '100', '千代田区一ツ橋')");
        const QStringList old = {"東京都千代田区千代田 〒1000001", "東京都千代田区丸の内 〒1000005",
                                 "東京都千代田区丸の内（次のビルを除く） 〒1000005",
                                 "東京都千代田区一ツ橋 〒1000003"};
        QCOMPARE(counted("9999"), old);
        QCOMPARE(rows, old.size());
        QCOMPARE(byCode(*f.post, "100", QString()), old);
        QCOMPARE(byCode(*f.post, "910", QString()), QStringList{"福井県福井市大願寺 〒9100001"});

        // 石川県 is the second prefecture of prefix 91, and is searched as well.
        const QStringList kaga{"石川県加賀市大聖寺 〒9160001"};
        QCOMPARE(byCode(*f.post, "916", "0001"), kaga);
        QCOMPARE(byCode(*f.post, "916", QString()), kaga);
        // A new code found in one prefecture wins over an old code in another...
        f.post->exec("INSERT INTO \"福井県\" VALUES ('9169999', '916', '福井市試験町')");
        QCOMPARE(byCode(*f.post, "916", "0001"), kaga);
        // ...and the old code is looked up in all of them, in the directory's order.
        QCOMPARE(byCode(*f.post, "916", "0002"),
                 QStringList({"福井県福井市試験町 〒9169999", "石川県加賀市大聖寺 〒9160001"}));
    }

    void addressFindsItsCodes() {
        Fixture f;
        int rows = 0;
        QCOMPARE(Search_Zip(*f.post, QString(), QString(), "東京都千代田区丸の内", ModeAddress,
                            [&rows] { ++rows; }),
                 QStringList{"1000005 :千代田区丸の内"});
        QCOMPARE(rows, 1);
        QCOMPARE(byAddress(*f.post, "石川県加賀市大聖寺"), QStringList{"9160001 :加賀市大聖寺"});
        // Only the exact town text matches.
        for (const char* address :
             {"東京都千代田区", "東京都千代田区丸の", "東京都千代田区丸の内1", "東京都"})
            QVERIFY2(byAddress(*f.post, address).isEmpty(), address);
        f.post->exec("INSERT INTO \"東京都\" VALUES ('1000099', '100', '千代田区千代田')");
        QCOMPARE(byAddress(*f.post, "東京都千代田区千代田"),
                 QStringList({"1000001 :千代田区千代田", "1000099 :千代田区千代田"}));
        // A town starting with a suffix character: 府 at the fourth place does not make
        // "東京都府" a prefecture; the listed 東京都 is taken instead.
        f.post->exec("INSERT INTO \"東京都\" VALUES ('1830000', '183', '府中市')");
        QCOMPARE(byAddress(*f.post, "東京都府中市"), QStringList{"1830000 :府中市"});
        // Without a mode that searches, nothing is found, whatever the fields hold.
        QVERIFY(
            Search_Zip(*f.post, QString(), QString(), "東京都千代田区千代田", ModeNone).isEmpty());
        QVERIFY(Search_Zip(*f.post, "100", "0001", "東京都千代田区千代田", -1).isEmpty());
    }

    void onlyListedPrefecturesAreRead() {
        Fixture f;
        hostileAddressesFindNothing(*f.post);
        // A table that exists but is not a listed prefecture is not read.
        AddTable(*f.post, "秘密県", "'1000002', '100', '港町'");
        QVERIFY(byAddress(*f.post, "秘密県港町").isEmpty());
        // A listed two-character name is not recognised: the suffix must stand at 3 or 4...
        f.post->exec("INSERT INTO 郵便区分 VALUES ('10', '東都')");
        AddTable(*f.post, "東都", "'1000002', '100', '港町'");
        QVERIFY(byAddress(*f.post, "東都港町").isEmpty());
        // ...but it is searched by code, after 東京都, as the directory lists it.
        QCOMPARE(byCode(*f.post, "100", "0002"), QStringList{"東都港町 〒1000002"});
        // A listed name with a double quote in it is quoted, not cut short.
        f.post->exec("INSERT INTO 郵便区分 VALUES ('19', '東\"県')");
        AddTable(*f.post, "東\"県", "'1900001', '190', '港町'");
        QCOMPARE(byAddress(*f.post, "東\"県港町"), QStringList{"1900001 :港町"});
        QCOMPARE(byCode(*f.post, "190", "0001"), QStringList{"東\"県港町 〒1900001"});
    }

    void takingAnEntry() {
        const auto take = [](const QString& entry, const QString& address1) {
            const Taken t = TakeEntry(entry, address1);
            QStringList out;
            if (t.hideOnly)
                out << "hide";
            if (t.setsCode)
                out << "code " + t.part1 + "-" + t.part2;
            if (t.setsAddress)
                out << "address " + t.address1;
            return out.join(", ");
        };
        QCOMPARE(take(QString(), "東京都"), QString());
        QCOMPARE(take(CancelEntry, QString()), QStringLiteral("hide"));
        QCOMPARE(take("1000005 :千代田区丸の内", "東京都千代田区丸の内"),
                 QStringLiteral("code 100-0005"));
        QCOMPARE(take("東京都千代田区丸の内（次のビルを除く） 〒1000005", QString()),
                 QStringLiteral("address 東京都千代田区丸の内（次のビルを除く）"));
        // An address typed in after a code search: the entry is not of the kind the
        // filled address implies, so nothing is taken from it.
        QCOMPARE(take("東京都千代田区千代田 〒1000001", "東京都港区"), QStringLiteral("hide"));
    }

    void nationalDirectory() {
        if (!m_real)
            QSKIP("build/DataFile/PostCode.mdb has not been generated");
        const Database& post = *m_real;
        QVERIFY(byCode(post, "100", "0001").contains("東京都千代田区千代田 〒1000001"));
        QVERIFY(byAddress(post, "東京都千代田区千代田").contains("1000001 :千代田区千代田"));
        QVERIFY(byAddress(post, "東京都千代田区千代").isEmpty());

        // An unknown seven-digit code lists every address of its old code.
        QVERIFY(!post.scalar("SELECT 1 FROM \"東京都\" WHERE NewPostCode = '1009999'").isValid());
        const int oldRows =
            post.scalar("SELECT count(*) FROM \"東京都\" WHERE OldPostCode = '100'").toInt();
        QVERIFY(oldRows > 1);
        const QStringList old = byCode(post, "100", "9999");
        QCOMPARE(old.size(), oldRows);
        QCOMPARE(old.first(), QStringLiteral("東京都千代田区 〒1000000"));

        // Every listed prefecture is recognised in an address, and taking the entry
        // gives back the code the row holds.
        RecordSet names = post.select("SELECT DISTINCT Prefecture FROM 郵便区分");
        QCOMPARE(names.RecordCount(), 47);
        for (names.MoveFirst(); !names.Eof(); names.MoveNext()) {
            const QString name = names.value(0).toString();
            RecordSet row = post.select("SELECT NewPostCode, Prefecture FROM " +
                                        QuoteIdentifier(name) + " ORDER BY rowid LIMIT 1");
            QVERIFY2(!row.isEmpty(), qPrintable(name));
            const QString code = row.value(0).toString(), town = row.value(1).toString();
            const QString entry = code + " :" + town;
            QVERIFY2(byAddress(post, name + town).contains(entry), qPrintable(name + town));
            const Taken taken = TakeEntry(entry, name + town);
            QCOMPARE(taken.part1 + taken.part2, code);
        }
        // A suffix character further on in the town does not cut the address.
        RecordSet hokkaido = post.select("SELECT NewPostCode, Prefecture FROM \"北海道\" WHERE "
                                         "Prefecture LIKE '%都%' ORDER BY rowid LIMIT 1");
        if (!hokkaido.isEmpty())
            QVERIFY(
                byAddress(post, "北海道" + hokkaido.value(1).toString())
                    .contains(hokkaido.value(0).toString() + " :" + hokkaido.value(1).toString()));
        hostileAddressesFindNothing(post);

        // For every prefecture that is not the first of its prefix, one of its codes
        // with that prefix must be found.
        RecordSet shared = post.select(
            "SELECT Code, Prefecture FROM 郵便区分 WHERE Code IN "
            "(SELECT Code FROM 郵便区分 GROUP BY Code HAVING count(*) > 1) ORDER BY Code, rowid");
        QString previousPrefix;
        int checked = 0;
        for (shared.MoveFirst(); !shared.Eof(); shared.MoveNext()) {
            const QString prefix = shared.value(0).toString(), name = shared.value(1).toString();
            const bool first = prefix != previousPrefix;
            previousPrefix = prefix;
            if (first)
                continue;
            RecordSet row =
                post.select("SELECT NewPostCode, Prefecture FROM " + QuoteIdentifier(name) +
                                " WHERE NewPostCode LIKE ? ORDER BY rowid LIMIT 1",
                            {prefix + '%'});
            if (row.isEmpty())
                continue; // listed for old codes only
            const QString code = row.value(0).toString();
            const QString entry = name + row.value(1).toString() + " 〒" + code;
            QVERIFY2(byCode(post, code.left(3), code.mid(3)).contains(entry), qPrintable(entry));
            ++checked;
        }
        QVERIFY(checked >= 10);
    }
};

KIVORA_TEST(TestPostalLookup)
#include "tst_postallookup.moc"
