// Printing stored bills on the recording canvas with the delivered layouts: the detailed
// bill's lines over pages with their dates and numbers only where stored, the amounts
// of the window in their places, and the summary bill on one page without lines.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "documents/BillStore.h"
#include "printing/BillPrint.h"
#include "printing/PrintCodes.h"
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
    BillPrintHeader header;

    // Bill B1 of both types for customer 1 with `lines` lines, a new date every 3rd.
    explicit Fixture(int lines) {
        db->exec(u"INSERT INTO 顧客 (Code, Name, Prefix1) VALUES ('1', '山田商店', '様')"_s);
        for (int type : {4, 5}) {
            Bill bill;
            bill.UserCode = u"1"_s;
            bill.DocType = type;
            bill.Number = u"B1"_s;
            bill.IssueYMD = 20260425;
            for (int i = 1; i <= lines; ++i) {
                const bool first = i % 3 == 1;
                bill.Lines << BillLine{i,
                                       first ? 20260400 + i : 0,
                                       first ? u"N%1"_s.arg(i) : QString(),
                                       u"商品%1"_s.arg(i),
                                       2,
                                       u"個"_s,
                                       50,
                                       100,
                                       QString()};
            }
            BillStore(*db).Save(bill);
        }
        header.ClosingYMD = 20260420;
        header.Number = u"B1"_s;
        header.Totals = {u"¥3,000"_s, u"¥300"_s, u"¥3,300"_s};
        header.Balance = {u"¥8,000"_s, u"¥5,000"_s, u"¥3,000"_s};
        header.Billed = u"¥6,300"_s;
        header.SlipCount = u"10"_s;
    }
    bool print(int code, int type) {
        return BillPrint::PrintBill(canvas, *db, layoutDb, env.settings(), env.messages, u"印刷"_s,
                                    u"#,#0.00"_s, code, type, u"1"_s, u"山田商店"_s, header);
    }
};

} // namespace

class TestBillPrint : public QObject {
    Q_OBJECT

private slots:
    void detailedBillOverPages() {
        Fixture f(30);
        QVERIFY(f.print(41, 4));
        // 26 lines a page: the last four lines go onto a second page, and the copy set
        // follows with the same two pages.
        QCOMPARE(f.canvas.pageCount(), 4);
        QVERIFY(f.canvas.textStrings(2).join(' ').contains(u"(控)"_s));
        QVERIFY(f.canvas.textStrings(3).contains(u"商品30"_s));
        const QStringList first = f.canvas.textStrings(0);
        const QStringList second = f.canvas.textStrings(1);
        QVERIFY(first.contains(u"商品26"_s) && !first.contains(u"商品27"_s));
        QVERIFY(second.contains(u"商品27"_s) && second.contains(u"商品30"_s));
        QVERIFY(first.contains(u"N1"_s) && !first.contains(u"N2"_s));
        const QString all = first.join(' ');
        for (const QString& amount : {u"8,000"_s, u"5,000"_s, u"6,300"_s, u"山田商店"_s})
            QVERIFY2(all.contains(amount), qPrintable(amount + u" in "_s + all));
        QVERIFY2(all.contains(u"2026/04/01"_s) || all.contains(u"26/04/01"_s), qPrintable(all));
    }

    void summaryBillOnOnePage() {
        Fixture f(30);
        f.env.settings().save(u"S5Duplicate"_s, int(CopyChoice::NoCopy));
        QVERIFY(f.print(51, 5));
        QCOMPARE(f.canvas.pageCount(), 1);
        const QString all = f.canvas.textStrings(0).join(' ');
        QVERIFY(!all.contains(u"商品1"_s));
        QVERIFY2(all.contains(u"¥6,300"_s) && all.contains(u"2026/04/20"_s), qPrintable(all));

        // A bill whose customer has gone prints nothing and says so.
        f.db->exec(u"DELETE FROM 顧客"_s);
        RecordingCanvas again;
        QVERIFY(!BillPrint::PrintBill(again, *f.db, f.layoutDb, f.env.settings(), f.env.messages,
                                      u"印刷"_s, u"#,#0.00"_s, 51, 5, u"1"_s, u"山田商店"_s,
                                      f.header));
        QCOMPARE(f.env.messages.lastText(), u"顧客が見つかりませんでした｡"_s);
    }
};

KIVORA_TEST(TestBillPrint)
#include "tst_billprint.moc"
