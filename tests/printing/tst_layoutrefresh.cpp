// Refreshing an installation's older layout file with the delivered layouts: what is
// added, replaced and kept, the copy kept beside it, and files that must be left alone.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/LayoutRefresh.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString script() {
    return TestEnv::sourceFile(u"data/layout.sql"_s);
}

} // namespace

class TestLayoutRefresh : public QObject {
    Q_OBJECT
private slots:
    // The fingerprints the program carries know every delivered layout as it is now, so
    // that the next version recognises them as unchanged (the script was run, and it
    // writes what the program computes).
    void deliveredLayoutsAreKnown() {
        TestEnv env(TestEnv::LayoutDb);
        const Database db(env.state.DbNames[1], LayoutDbMarkerTable());
        QVERIFY(db.schemaVersion() >= 1);
        const LayoutRefresh::Deliveries known =
            LayoutRefresh::ReadDeliveries(TestEnv::sourceFile(u"data/layout-deliveries.txt"_s));
        const QStringList keys = LayoutRefresh::LayoutKeys(db);
        QVERIFY(keys.contains(u"宛名/1"_s) && keys.contains(u"伝票/11"_s));
        for (const QString& key : keys) {
            const QStringList parts = key.split('/');
            QVERIFY2(known.value(key).contains(
                         LayoutRefresh::Fingerprint(db, parts[0], parts[1].toInt())),
                     qPrintable(key));
        }
        // The program's own copy is the same file.
        QCOMPARE(LayoutRefresh::ReadDeliveries(u":/layout/layout-deliveries.txt"_s), known);
    }

    // An old file gains the layouts it lacks, a layout as an earlier version delivered it
    // is replaced, one the user changed is kept; a copy of the old file stays beside it,
    // and a second start changes nothing.
    void olderFileIsRefreshed() {
        TestEnv env(TestEnv::LayoutDb);
        const QString path = env.state.DbNames[1];
        const QString deliveries = env.path(u"deliveries.txt"_s);
        {
            Database db(path, LayoutDbMarkerTable());
            db.setSchemaVersion(0);
            for (const char* table : {"宛名種類", "宛名項目", "宛名位置"})
                db.exec(u"DELETE FROM "_s + QString::fromUtf8(table));
            // Layout 1 as an earlier version delivered it, layout 11 as the user moved it.
            db.exec(u"UPDATE 伝票位置 SET Y1 = 99 WHERE Code = 1 AND ItemNo = 0"_s);
            db.exec(u"UPDATE 伝票位置 SET Y1 = 77 WHERE Code = 11 AND ItemNo = 0"_s);
            QFile file(deliveries);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents(TestEnv::sourceFile(u"data/layout-deliveries.txt"_s)));
            file.write(
                u"伝票\t1\t%1\n"_s.arg(LayoutRefresh::Fingerprint(db, u"伝票"_s, 1)).toUtf8());
        }
        const QByteArray before = contents(path);

        const LayoutRefresh::Outcome done = LayoutRefresh::RefreshFile(path, script(), deliveries);
        QCOMPARE(done.added, 4);
        QCOMPARE(done.replaced, 1);
        QCOMPARE(done.kept, 1);
        QCOMPARE(contents(path + u".v0.bak"_s), before);
        {
            const Database db(path, LayoutDbMarkerTable());
            QCOMPARE(db.schemaVersion(), done.toVersion);
            const auto y = [&db](int code) {
                return db.scalar(u"SELECT Y1 FROM 伝票位置 WHERE Code = ? AND ItemNo = 0"_s, {code})
                    .toDouble();
            };
            QVERIFY(y(1) != 99);
            QCOMPARE(y(11), 77.0);
            QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM 宛名種類"_s).toInt(), 4);
            // Layout 1's rows are the delivered ones, once each.
            TestEnv fresh(TestEnv::LayoutDb);
            const Database delivered(fresh.state.DbNames[1], LayoutDbMarkerTable());
            QCOMPARE(LayoutRefresh::Fingerprint(db, u"伝票"_s, 1),
                     LayoutRefresh::Fingerprint(delivered, u"伝票"_s, 1));
            QCOMPARE(LayoutRefresh::Fingerprint(db, u"宛名"_s, 4),
                     LayoutRefresh::Fingerprint(delivered, u"宛名"_s, 4));
        }
        const QByteArray refreshed = contents(path);
        QVERIFY(!LayoutRefresh::RefreshFile(path, script(), deliveries).refreshed());
        QCOMPARE(contents(path), refreshed);
    }

    // A damaged file and a write-protected one are reported and left exactly as they were.
    void damagedOrProtectedFileIsLeftAlone() {
        TestEnv env(TestEnv::LayoutDb);
        const QString path = env.state.DbNames[1];
        {
            Database db(path, LayoutDbMarkerTable());
            db.setSchemaVersion(0);
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QByteArray before = contents(path);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, LayoutRefresh::RefreshFile(path, script()));
        QCOMPARE(contents(path), before);

        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(0);
        file.write(QByteArray(4096, 'x'));
        file.close();
        before = contents(path);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, LayoutRefresh::RefreshFile(path, script()));
        QCOMPARE(contents(path), before);
    }
};

KIVORA_TEST(TestLayoutRefresh)
#include "tst_layoutrefresh.moc"
