// Printing a receipt on the recording canvas with the delivered receipt layouts: the
// values of the window in their places, the stub titled 控え by the layout's copy marks,
// the forms' offsets on A4 and on other paper, the company switch, and a run that must
// stop before printing anything.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/LayoutTables.h"
#include "printing/ReceiptPrint.h"
#include "printing/RecordingCanvas.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    Database layoutDb{env.state.DbNames[1], LayoutDbMarkerTable()};
    RecordingCanvas canvas;
    ReceiptPrintHeader header;

    Fixture() {
        db->exec(u"INSERT INTO 顧客 (Code, Name, Prefix1) VALUES ('1', '山田商店', '様')"_s);
        header.Date = {u"2024"_s, u"04"_s, u"01"_s};
        header.Number = u"R1"_s;
        header.Totals = {u"1,500"_s, u"¥1,500"_s};
        header.Amounts = {u"1,000"_s, u"0"_s, u"500"_s,          u"0"_s,
                          u"0"_s,     u"0"_s, u"お品代として"_s, u"T-9"_s};
        header.DueDate = {u"2027"_s, u"05"_s, QString()};
    }
    bool print(int code, bool company = true, const QString& user = u"1"_s) {
        canvas.discardJob();
        env.messages.clear();
        env.settings().save(u"S6Company"_s, company ? 1 : 0);
        return ReceiptPrint::PrintReceipt(canvas, *db, layoutDb, env.settings(), env.messages,
                                          u"印刷"_s, u"#,#0.00"_s, code, user, u"山田商店"_s,
                                          header);
    }
    // Tops of every text equal to `text`, in drawing order.
    QList<double> tops(const QString& text) const {
        QList<double> out;
        for (const RecordedOp& op : canvas.findTexts(text))
            out << op.y;
        return out;
    }
};

} // namespace

class TestReceiptPrint : public QObject {
    Q_OBJECT

private slots:
    // Two forms on one A4 sheet: the same receipt, the lower one titled 控え, 148.5 mm down;
    // the window's values where the layout puts them.
    void twoFormsOnA4() {
        Fixture f;
        QVERIFY(f.print(61));
        QCOMPARE(f.canvas.pageCount(), 1);
        QCOMPARE(f.tops(u"領収書"_s), QList<double>{10});
        QCOMPARE(f.tops(u"領収書(控)"_s), QList<double>{158.5});
        QCOMPARE(f.tops(u"¥1,500"_s), QList<double>({47.56, 196.06}));
        QCOMPARE(f.tops(u"お品代として"_s), QList<double>({62, 210.5}));
        QCOMPARE(f.tops(u"2027/05/"_s), QList<double>({87.06, 235.56}));
        QCOMPARE(f.tops(u"500"_s), QList<double>({93.06, 241.56})); // 振込
        QCOMPARE(f.tops(u"山田商店 様"_s).size(), 2);
        QCOMPARE(f.tops(u"株式会社サンプル商事"_s).size(), 2);
        // Without the company switch no company item prints.
        QVERIFY(f.print(61, false));
        QVERIFY(f.tops(u"株式会社サンプル商事"_s).isEmpty());
        QVERIFY(f.tops(u"見本ビル3階"_s).isEmpty());
    }

    // Forms sit closer on paper other than A4; the three-form sheet titles both stubs.
    void formOffsetsByPaper() {
        const struct {
            int code;
            QPageSize::PageSizeId paper;
            QList<double> copyTops;
        } cases[] = {{61, QPageSize::Letter, {137.5}},
                     {62, QPageSize::A4, {104.5, 203}},
                     {62, QPageSize::B5, {91.7, 177.4}}};
        for (const auto& c : cases) {
            Fixture f;
            f.canvas.setPaperSize(c.paper);
            QVERIFY(f.print(c.code));
            QCOMPARE(f.tops(u"領収書"_s).size(), 1);
            const QList<double> tops = f.tops(u"領収書(控)"_s);
            QCOMPARE(tops.size(), c.copyTops.size());
            for (qsizetype i = 0; i < tops.size(); ++i)
                QCOMPARE_LE(std::abs(tops[i] - c.copyTops[i]), 1e-9);
        }
    }

    // A customer that has gone stops the run before anything is drawn.
    void missingCustomerPrintsNothing() {
        Fixture f;
        QVERIFY(!f.print(61, true, u"9"_s));
        QCOMPARE(f.env.messages.texts(), QStringList{u"顧客が見つかりませんでした｡"_s});
        QVERIFY(f.canvas.discarded());
        QCOMPARE(f.canvas.pageCount(), 0);
    }
};

KIVORA_TEST(TestReceiptPrint)
#include "tst_receiptprint.moc"
