// The postal-code lookup: which mode the fields choose, which input is refused, what
// each search lists (against the small test directory and against the generated national
// directory), and what taking an entry fills in.
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

int tableCount(const Database& db) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"))
        .toInt();
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
        std::unique_ptr<Database> post;
        Fixture() {
            post = std::make_unique<Database>(env.state.PostCodePath, QStringLiteral("郵便区分"));
            env.state.DbPost = post.get();
        }
    };

    // Inputs that must neither break the statement nor find anything, on any directory.
    static void hostileAddressesFindNothing(const Database& post) {
        const int tables = tableCount(post);
        const QStringList inputs = {
            QStringLiteral("東京都千代田区'千代田"),
            QStringLiteral("東京都千代田区\"千代田"),
            QStringLiteral("東京都'; DROP TABLE \"東京都\"; --"),
            QStringLiteral("東\"京都千代田区千代田"),
            QStringLiteral("東'京都千代田区千代田"),
            QStringLiteral("架空県どこか"),
            QStringLiteral("東京千代田区千代田"), // no suffix at character 3 or 4
        };
        for (const QString& input : inputs) {
            QStringList found;
            try {
                found = byAddress(post, input);
            } catch (const DatabaseError& e) {
                QFAIL(qPrintable(input + QStringLiteral(": ") + e.detail()));
            }
            QVERIFY2(found.isEmpty(), qPrintable(input));
        }
        QCOMPARE(tableCount(post), tables);
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

    void chooseModeFromFields() {
        const QString code1 = QStringLiteral("100"), code2 = QStringLiteral("0001");
        const QString address = QStringLiteral("東京都千代田区千代田");
        QCOMPARE(ChooseMode(code1, code2, QString()), int(ModeCode));
        QCOMPARE(ChooseMode(code1, QString(), QString()), int(ModeOldCode));
        QCOMPARE(ChooseMode(QString(), QString(), address), int(ModeAddress));
        // The second code field on its own does not count.
        QCOMPARE(ChooseMode(QString(), code2, address), int(ModeAddress));
        QCOMPARE(ChooseMode(QString(), code2, QString()), int(ModeNone));
        QCOMPARE(ChooseMode(QString(), QString(), QString()), int(ModeNone));
        QCOMPARE(ChooseMode(code1, code2, address), -1);
        QCOMPARE(ChooseMode(code1, QString(), address), -1);
    }

    void zipErrRefusesUnusableInput() {
        const QString none;
        QVERIFY(!ZipErr(ModeCode, QStringLiteral("100"), QStringLiteral("0001"), none));
        QVERIFY(ZipErr(ModeCode, QStringLiteral("100"), none, none));
        QVERIFY(ZipErr(ModeCode, none, QStringLiteral("0001"), none));
        QVERIFY(ZipErr(ModeCode, QStringLiteral("1a0"), QStringLiteral("0001"), none));
        QVERIFY(ZipErr(ModeCode, QStringLiteral("100"), QStringLiteral("00-1"), none));
        QVERIFY(ZipErr(ModeCode, QStringLiteral("１００"), QStringLiteral("0001"), none));
        QVERIFY(!ZipErr(ModeOldCode, QStringLiteral("100"), none, none));
        QVERIFY(!ZipErr(ModeOldCode, QStringLiteral("1"), none, none));
        QVERIFY(ZipErr(ModeOldCode, none, none, none));
        QVERIFY(ZipErr(ModeOldCode, QStringLiteral("10 "), none, none));
        QVERIFY(!ZipErr(ModeAddress, none, none, QStringLiteral("東京都")));
        QVERIFY(ZipErr(ModeAddress, none, none, none));
        // Nothing to search is still searched, so that the user is told it was not found.
        QVERIFY(!ZipErr(ModeNone, none, none, none));
        QVERIFY(ZipErr(-1, QStringLiteral("100"), none, QStringLiteral("東京都")));
    }

    void prefectureNameAtCharacterThreeOrFour() {
        QCOMPARE(PrefectureLength(QStringLiteral("東京都千代田区")), 3);
        QCOMPARE(PrefectureLength(QStringLiteral("神奈川県横浜市")), 4);
        QCOMPARE(PrefectureLength(QStringLiteral("京都府京都市")), 3); // "都" at 2 is too early
        QCOMPARE(PrefectureLength(QStringLiteral("北海道寿都郡寿都町")), 3);
        QCOMPARE(PrefectureLength(QStringLiteral("和歌山県")), 4);
        QCOMPARE(PrefectureLength(QStringLiteral("東都千代田区")), 0);
        QCOMPARE(PrefectureLength(QStringLiteral("東京")), 0);
        QCOMPARE(PrefectureLength(QString()), 0);
        QCOMPARE(QuoteIdentifier(QStringLiteral("東\"県")), QStringLiteral("\"東\"\"県\""));
    }

    void codeFindsItsAddresses() {
        Fixture f;
        int rows = 0;
        const QStringList one = Search_Zip(*f.post, QStringLiteral("100"), QStringLiteral("0001"),
                                           QString(), ModeCode, [&rows] { ++rows; });
        QCOMPARE(one, QStringList{QStringLiteral("東京都千代田区千代田 〒1000001")});
        QCOMPARE(rows, 1);
        // One code, two addresses, in the file's order.
        QCOMPARE(byCode(*f.post, QStringLiteral("100"), QStringLiteral("0005")),
                 (QStringList{QStringLiteral("東京都千代田区丸の内 〒1000005"),
                              QStringLiteral("東京都千代田区丸の内（次のビルを除く） 〒1000005")}));
        QVERIFY(byCode(*f.post, QStringLiteral("200"), QStringLiteral("0001")).isEmpty());
        QVERIFY(byCode(*f.post, QStringLiteral("1"), QString()).isEmpty());
        // A prefecture listed twice for a prefix is still searched once.
        f.post->exec(QStringLiteral("INSERT INTO 郵便区分 VALUES ('10', '東京都')"));
        QCOMPARE(byCode(*f.post, QStringLiteral("100"), QStringLiteral("0001")), one);
    }

    void unknownCodeFallsBackToOldCode() {
        Fixture f;
        // Rows in file order, not in code order.
        f.post->exec(
            QStringLiteral("INSERT INTO \"東京都\" VALUES ('1000003', '100', '千代田区一ツ橋')"));
        const QStringList expected = {
            QStringLiteral("東京都千代田区千代田 〒1000001"),
            QStringLiteral("東京都千代田区丸の内 〒1000005"),
            QStringLiteral("東京都千代田区丸の内（次のビルを除く） 〒1000005"),
            QStringLiteral("東京都千代田区一ツ橋 〒1000003")};
        int rows = 0;
        QCOMPARE(Search_Zip(*f.post, QStringLiteral("100"), QStringLiteral("9999"), QString(),
                            ModeCode, [&rows] { ++rows; }),
                 expected);
        QCOMPARE(rows, expected.size());
        QCOMPARE(byCode(*f.post, QStringLiteral("100"), QString()), expected);
        QCOMPARE(byCode(*f.post, QStringLiteral("910"), QString()),
                 QStringList{QStringLiteral("福井県福井市大願寺 〒9100001")});
    }

    void sharedPrefixSearchesEveryPrefecture() {
        Fixture f;
        // 石川県 is the second prefecture of prefix 91.
        QCOMPARE(byCode(*f.post, QStringLiteral("916"), QStringLiteral("0001")),
                 QStringList{QStringLiteral("石川県加賀市大聖寺 〒9160001")});
        QCOMPARE(byCode(*f.post, QStringLiteral("916"), QString()),
                 QStringList{QStringLiteral("石川県加賀市大聖寺 〒9160001")});
        // A new code found in one prefecture wins over an old code in another...
        f.post->exec(
            QStringLiteral("INSERT INTO \"福井県\" VALUES ('9169999', '916', '福井市試験町')"));
        QCOMPARE(byCode(*f.post, QStringLiteral("916"), QStringLiteral("0001")),
                 QStringList{QStringLiteral("石川県加賀市大聖寺 〒9160001")});
        // ...and the old code is looked up in all of them, in the directory's order.
        QCOMPARE(byCode(*f.post, QStringLiteral("916"), QStringLiteral("0002")),
                 (QStringList{QStringLiteral("福井県福井市試験町 〒9169999"),
                              QStringLiteral("石川県加賀市大聖寺 〒9160001")}));
    }

    void addressFindsItsCodes() {
        Fixture f;
        int rows = 0;
        QCOMPARE(Search_Zip(*f.post, QString(), QString(), QStringLiteral("東京都千代田区丸の内"),
                            ModeAddress, [&rows] { ++rows; }),
                 QStringList{QStringLiteral("1000005 :千代田区丸の内")});
        QCOMPARE(rows, 1);
        QCOMPARE(byAddress(*f.post, QStringLiteral("石川県加賀市大聖寺")),
                 QStringList{QStringLiteral("9160001 :加賀市大聖寺")});
        // Only the exact town text matches.
        QVERIFY(byAddress(*f.post, QStringLiteral("東京都千代田区")).isEmpty());
        QVERIFY(byAddress(*f.post, QStringLiteral("東京都千代田区丸の")).isEmpty());
        QVERIFY(byAddress(*f.post, QStringLiteral("東京都千代田区丸の内1")).isEmpty());
        QVERIFY(byAddress(*f.post, QStringLiteral("東京都")).isEmpty());
        f.post->exec(
            QStringLiteral("INSERT INTO \"東京都\" VALUES ('1000099', '100', '千代田区千代田')"));
        QCOMPARE(byAddress(*f.post, QStringLiteral("東京都千代田区千代田")),
                 (QStringList{QStringLiteral("1000001 :千代田区千代田"),
                              QStringLiteral("1000099 :千代田区千代田")}));
        // A town starting with a suffix character: 府 at the fourth place does not make
        // "東京都府" a prefecture; the listed 東京都 is taken instead.
        f.post->exec(QStringLiteral("INSERT INTO \"東京都\" VALUES ('1830000', '183', '府中市')"));
        QCOMPARE(byAddress(*f.post, QStringLiteral("東京都府中市")),
                 QStringList{QStringLiteral("1830000 :府中市")});
        // Without a mode that searches, nothing is found, whatever the fields hold.
        QVERIFY(Search_Zip(*f.post, QString(), QString(), QStringLiteral("東京都千代田区千代田"),
                           ModeNone)
                    .isEmpty());
        QVERIFY(Search_Zip(*f.post, QStringLiteral("100"), QStringLiteral("0001"),
                           QStringLiteral("東京都千代田区千代田"), -1)
                    .isEmpty());
    }

    void onlyListedPrefecturesAreRead() {
        Fixture f;
        hostileAddressesFindNothing(*f.post);
        // A table that exists but is not a listed prefecture is not read.
        f.post->exec(QStringLiteral(
            "CREATE TABLE \"秘密県\" (NewPostCode TEXT, OldPostCode TEXT, Prefecture TEXT)"));
        f.post->exec(QStringLiteral("INSERT INTO \"秘密県\" VALUES ('1000002', '100', '港町')"));
        QVERIFY(byAddress(*f.post, QStringLiteral("秘密県港町")).isEmpty());
        // A listed two-character name is not recognised: the suffix must stand at 3 or 4.
        f.post->exec(QStringLiteral("INSERT INTO 郵便区分 VALUES ('10', '東都')"));
        f.post->exec(QStringLiteral(
            "CREATE TABLE \"東都\" (NewPostCode TEXT, OldPostCode TEXT, Prefecture TEXT)"));
        f.post->exec(QStringLiteral("INSERT INTO \"東都\" VALUES ('1000002', '100', '港町')"));
        QVERIFY(byAddress(*f.post, QStringLiteral("東都港町")).isEmpty());
        // But it is searched by code, after 東京都, as the directory lists it.
        QCOMPARE(byCode(*f.post, QStringLiteral("100"), QStringLiteral("0002")),
                 QStringList{QStringLiteral("東都港町 〒1000002")});
        // A listed name with a double quote in it is quoted, not cut short.
        f.post->exec(QStringLiteral("INSERT INTO 郵便区分 VALUES ('19', '東\"県')"));
        f.post->exec(QStringLiteral(
            "CREATE TABLE \"東\"\"県\" (NewPostCode TEXT, OldPostCode TEXT, Prefecture TEXT)"));
        f.post->exec(QStringLiteral("INSERT INTO \"東\"\"県\" VALUES ('1900001', '190', '港町')"));
        QCOMPARE(byAddress(*f.post, QStringLiteral("東\"県港町")),
                 QStringList{QStringLiteral("1900001 :港町")});
        QCOMPARE(byCode(*f.post, QStringLiteral("190"), QStringLiteral("0001")),
                 QStringList{QStringLiteral("東\"県港町 〒1900001")});
    }

    void takingAnEntry() {
        const Taken none = TakeEntry(QString(), QStringLiteral("東京都"));
        QVERIFY(!none.hideOnly && !none.setsCode && !none.setsAddress);

        const Taken cancel = TakeEntry(CancelEntry, QString());
        QVERIFY(cancel.hideOnly && !cancel.setsCode && !cancel.setsAddress);

        const Taken code = TakeEntry(QStringLiteral("1000005 :千代田区丸の内"),
                                     QStringLiteral("東京都千代田区丸の内"));
        QVERIFY(code.setsCode && !code.setsAddress && !code.hideOnly);
        QCOMPARE(code.part1, QStringLiteral("100"));
        QCOMPARE(code.part2, QStringLiteral("0005"));

        const Taken address = TakeEntry(
            QStringLiteral("東京都千代田区丸の内（次のビルを除く） 〒1000005"), QString());
        QVERIFY(address.setsAddress && !address.setsCode && !address.hideOnly);
        QCOMPARE(address.address1, QStringLiteral("東京都千代田区丸の内（次のビルを除く）"));

        // An address typed in after a code search: the entry is not of the kind the
        // filled address implies, so nothing is taken from it.
        const Taken mixed = TakeEntry(QStringLiteral("東京都千代田区千代田 〒1000001"),
                                      QStringLiteral("東京都港区"));
        QVERIFY(mixed.hideOnly && !mixed.setsCode && !mixed.setsAddress);
    }

    void nationalDirectoryByCodeAndAddress() {
        if (!m_real)
            QSKIP("build/DataFile/PostCode.mdb has not been generated");
        const Database& post = *m_real;
        QVERIFY(byCode(post, QStringLiteral("100"), QStringLiteral("0001"))
                    .contains(QStringLiteral("東京都千代田区千代田 〒1000001")));
        QVERIFY(byAddress(post, QStringLiteral("東京都千代田区千代田"))
                    .contains(QStringLiteral("1000001 :千代田区千代田")));
        QVERIFY(byAddress(post, QStringLiteral("東京都千代田区千代")).isEmpty());

        // An unknown seven-digit code lists every address of its old code.
        QVERIFY(
            !post.scalar(QStringLiteral("SELECT 1 FROM \"東京都\" WHERE NewPostCode = '1009999'"))
                 .isValid());
        const int oldRows =
            post.scalar(QStringLiteral("SELECT count(*) FROM \"東京都\" WHERE OldPostCode = '100'"))
                .toInt();
        QVERIFY(oldRows > 1);
        const QStringList old = byCode(post, QStringLiteral("100"), QStringLiteral("9999"));
        QCOMPARE(old.size(), oldRows);
        QCOMPARE(old.first(), QStringLiteral("東京都千代田区 〒1000000"));

        // Every listed prefecture is recognised in an address, and taking the entry
        // gives back the code the row holds.
        RecordSet names = post.select(QStringLiteral("SELECT DISTINCT Prefecture FROM 郵便区分"));
        QCOMPARE(names.RecordCount(), 47);
        for (names.MoveFirst(); !names.Eof(); names.MoveNext()) {
            const QString name = names.value(0).toString();
            RecordSet row =
                post.select(QStringLiteral("SELECT NewPostCode, Prefecture FROM ") +
                            QuoteIdentifier(name) + QStringLiteral(" ORDER BY rowid LIMIT 1"));
            QVERIFY2(!row.isEmpty(), qPrintable(name));
            const QString code = row.value(0).toString(), town = row.value(1).toString();
            const QString entry = code + QStringLiteral(" :") + town;
            QVERIFY2(byAddress(post, name + town).contains(entry), qPrintable(name + town));
            const Taken taken = TakeEntry(entry, name + town);
            QCOMPARE(taken.part1 + taken.part2, code);
        }
        // A suffix character further on in the town does not cut the address.
        RecordSet hokkaido =
            post.select(QStringLiteral("SELECT NewPostCode, Prefecture FROM \"北海道\" WHERE "
                                       "Prefecture LIKE '%都%' ORDER BY rowid LIMIT 1"));
        if (!hokkaido.isEmpty())
            QVERIFY(byAddress(post, QStringLiteral("北海道") + hokkaido.value(1).toString())
                        .contains(hokkaido.value(0).toString() + QStringLiteral(" :") +
                                  hokkaido.value(1).toString()));
        hostileAddressesFindNothing(post);
    }

    void nationalDirectorySharedPrefixes() {
        if (!m_real)
            QSKIP("build/DataFile/PostCode.mdb has not been generated");
        const Database& post = *m_real;
        // For every prefecture that is not the first of its prefix, one of its codes
        // with that prefix must be found.
        RecordSet shared = post.select(QStringLiteral(
            "SELECT Code, Prefecture FROM 郵便区分 WHERE Code IN "
            "(SELECT Code FROM 郵便区分 GROUP BY Code HAVING count(*) > 1) ORDER BY Code, rowid"));
        QString previousPrefix;
        int checked = 0;
        for (shared.MoveFirst(); !shared.Eof(); shared.MoveNext()) {
            const QString prefix = shared.value(0).toString(), name = shared.value(1).toString();
            const bool first = prefix != previousPrefix;
            previousPrefix = prefix;
            if (first)
                continue;
            RecordSet row = post.select(
                QStringLiteral("SELECT NewPostCode, Prefecture FROM ") + QuoteIdentifier(name) +
                    QStringLiteral(" WHERE NewPostCode LIKE ? ORDER BY rowid LIMIT 1"),
                {prefix + QLatin1Char('%')});
            if (row.isEmpty())
                continue; // listed for old codes only
            const QString code = row.value(0).toString();
            const QString entry = name + row.value(1).toString() + QStringLiteral(" 〒") + code;
            QVERIFY2(byCode(post, code.left(3), code.mid(3)).contains(entry), qPrintable(entry));
            ++checked;
        }
        QVERIFY(checked >= 10);
    }
};

QTEST_GUILESS_MAIN(TestPostalLookup)
#include "tst_postallookup.moc"
