// The main database's schema versions: an old file brought up to date with every row
// kept, a newer file refused, and an upgrade that fails leaving the file as it was.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the base schema, as every installation before the versions had it, with a
// customer and a summary bill whose amounts are the texts the bill window showed.
struct OldFile {
    QTemporaryDir dir;
    QString path = dir.filePath(u"Kivora0.MDB"_s);
    OldFile() {
        Database::createFromScript(path, TestEnv::sourceFile(u"data/main.sql"_s));
        Database db(path, MainDbMarkerTable());
        db.exec(u"INSERT INTO 顧客 (Code, Name) VALUES ('1', '山田商店')"_s);
        db.exec(u"INSERT INTO 商品 (Code, Name) VALUES ('G1', '緑茶')"_s);
        db.exec(u"INSERT INTO 合計請求 (UserCode, Number, DocType, PrvPrice, Receive, CarryOver, "
                "Total, Excise, Price, TotalPrice, Papers) VALUES ('1', 'B1', 5, ?, ?, ?, ?, ?, ?, "
                "?, 3)"_s,
                {u"\\1,234"_s, QString(), u"-\\5,000"_s, u" 12,000 "_s, u"¥980"_s, u"￥0"_s,
                 u"\\1,234,567"_s});
    }
};

} // namespace

class TestSchemaUpgrade : public QObject {
    Q_OBJECT

private slots:
    void oldFileIsUpgradedWithItsRows() {
        OldFile old;
        const QString copy = SchemaUpgrade::CopyPath(old.path, 0);
        Database db(old.path, MainDbMarkerTable());
        QCOMPARE(db.schemaVersion(), 0);
        SchemaUpgrade::Upgrade(db, copy);
        QVERIFY(SchemaUpgrade::ProgramVersion() >= 1);
        QCOMPARE(db.schemaVersion(), SchemaUpgrade::ProgramVersion());
        QCOMPARE(db.scalar(u"SELECT Name FROM 顧客 WHERE Code = '1'"_s).toString(), u"山田商店"_s);
        const RecordSet bill = db.select(u"SELECT * FROM 合計請求"_s);
        const QList<double> amounts{1234, 0, -5000, 12000, 980, 0, 1234567};
        const char* columns[] = {"PrvPrice", "Receive", "CarryOver", "Total",
                                 "Excise",   "Price",   "TotalPrice"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(bill.value(columns[i]).toDouble(), amounts[i]);
        QCOMPARE(bill.value("Papers").toInt(), 3);
        // Not registered, the reduced rate at 8 %, goods of the standard class.
        const RecordSet company = db.select(u"SELECT RegistNumber, ReducedExcise FROM 自社情報"_s);
        QCOMPARE(company.value(0).toString() + ' ' + company.value(1).toString(), u" 8"_s);
        QCOMPARE(db.scalar(u"SELECT TaxType FROM 商品 WHERE Code = 'G1'"_s).toInt(), 0);
        // Numbers add up in SQL now, and a new row's amounts start at 0.
        QCOMPARE(db.scalar(u"SELECT PrvPrice + TotalPrice FROM 合計請求"_s).toDouble(), 1235801.0);
        db.exec(u"INSERT INTO 合計請求 (UserCode, Number, DocType) VALUES ('1', 'B2', 5)"_s);
        QCOMPARE(db.scalar(u"SELECT SUM(Total) FROM 合計請求"_s).toDouble(), 12000.0);

        // The copy kept beside it is the old file as it was.
        {
            Database kept(copy, MainDbMarkerTable());
            QCOMPARE(kept.schemaVersion(), 0);
            QCOMPARE(kept.scalar(u"SELECT PrvPrice FROM 合計請求"_s).toString(), u"\\1,234"_s);
        }
        // An up-to-date file is left alone: no second copy.
        QFile::remove(copy);
        SchemaUpgrade::Upgrade(db, copy);
        QVERIFY(!QFile::exists(copy));
    }

    // A file written by a newer program, and upgrades that fail (a step half-way, the
    // copy that must come first), leave the file exactly as it was.
    void refusedUpgradesChangeNothing() {
        enum Case { Newer, StepFails, NoCopy };
        for (const Case c : {Newer, StepFails, NoCopy}) {
            OldFile old;
            QTemporaryDir steps;
            QString stepsFolder = u":/upgrade"_s;
            if (c == StepFails) {
                stepsFolder = steps.path();
                QFile ok(steps.filePath(u"0001-ok.sql"_s)), bad(steps.filePath(u"0002-bad.sql"_s));
                QVERIFY(ok.open(QIODevice::WriteOnly) && bad.open(QIODevice::WriteOnly));
                ok.write("CREATE TABLE 追加 (A INTEGER);\n");
                bad.write("DELETE FROM 顧客;\nSELECT * FROM 無い表;\n");
            }
            if (c == Newer)
                Database(old.path, MainDbMarkerTable())
                    .setSchemaVersion(SchemaUpgrade::ProgramVersion() + 1);
            const QByteArray before = Bytes(old.path);
            const QString copy = c == NoCopy ? old.dir.filePath(u"gone/copy"_s)
                                             : SchemaUpgrade::CopyPath(old.path, 0);
            DatabaseError::Kind kind = DatabaseError::Kind::Statement;
            {
                Database db(old.path, MainDbMarkerTable());
                try {
                    SchemaUpgrade::Upgrade(db, copy, stepsFolder);
                } catch (const DatabaseError& e) {
                    kind = e.kind();
                }
                QVERIFY(!db.tableExists(u"追加"_s));
            }
            QCOMPARE(kind,
                     c == Newer ? DatabaseError::Kind::Newer : DatabaseError::Kind::NotUpgraded);
            QCOMPARE(Bytes(old.path), before);
            QCOMPARE(QFile::exists(copy), c == StepFails);
        }
    }
};

KIVORA_TEST(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
