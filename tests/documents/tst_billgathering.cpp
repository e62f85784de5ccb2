// Gathering a bill from posted delivery notes or invoices: the period from the two
// months, which lines and ledger rows count, the grid rules (date and number only where
// they change, papers per date), tax per date, and the bill's sums against the
// receivables ledger of the same month.
#include "core/Database.h"
#include "documents/BillGathering.h"
#include "documents/DocumentStore.h"
#include "documents/SlipTotals.h"
#include "receivables/Ledger.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    DocumentStore documents{*db};
    BillGathering gathering{*db};

    // Saves a document of `type` through the document store, posting it when `addUp`
    // is set, with the total the slip window shows (10 %, tax truncated).
    void document(int type, const QString& number, qint64 ymd, const QList<double>& prices,
                  bool addUp = true, const QString& user = "100", const QList<int>& classes = {}) {
        SlipHeader h;
        h.UserCode = user;
        h.DocType = type;
        h.DocNumber = number;
        h.IssueYMD = ymd;
        h.AddUpSale = addUp;
        QList<SlipLine> lines;
        QStringList cells;
        for (double price : prices) {
            SlipLine line;
            line.Goods = QStringLiteral("品%1").arg(lines.size() + 1);
            line.Quantity = 1;
            line.UnitPrice = price;
            line.Price = price;
            line.TaxType = classes.value(lines.size(), TaxClass::Standard);
            lines << line;
            cells << QString::number(price);
        }
        documents.Save(h, lines, SlipTotals::Calc(cells, 10, 0).total);
    }
    void payment(qint64 ymd, double amount) {
        Ledger(*db).StorePayment("100", ymd, amount, PaymentKind::Cash);
    }
};

QString PeriodText(const std::optional<BillPeriod>& p) {
    return p ? QStringLiteral("%1-%2 %3").arg(p->Start).arg(p->End).arg(p->PreviousEnd)
             : QStringLiteral("refused");
}

QStringList LineTexts(const QList<BillSourceLine>& lines) {
    QStringList out;
    for (const BillSourceLine& l : lines)
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(l.IssueYMD)
                   .arg(l.DocNumber, l.Goods)
                   .arg(l.Price.value_or(-1));
    return out;
}

} // namespace

class TestBillGathering : public QObject {
    Q_OBJECT

private slots:
    void period() {
        // The previous bill must be strictly earlier.
        QCOMPARE(PeriodText(BillGathering::Period(2026, 3, 2026, 3, 20, 0)), "refused");
        QCOMPARE(PeriodText(BillGathering::Period(2026, 3, 2026, 4, 20, 0)), "refused");
        QCOMPARE(PeriodText(BillGathering::Period(2026, 1, 2025, 12, 20, 0)),
                 "20251221-20260120 20251220");
        // Day 31 after February: from 1 March, the previous close on February's last day.
        QCOMPARE(PeriodText(BillGathering::Period(2026, 3, 2026, 2, 31, 0)),
                 "20260301-20260331 20260228");
        // Day 29 after a short February starts the day after it, not on it again.
        QCOMPARE(PeriodText(BillGathering::Period(2026, 3, 2026, 2, 29, 0)),
                 "20260301-20260329 20260228");
        // 次月: both closings move one month on, across the year end.
        QCOMPARE(PeriodText(BillGathering::Period(2026, 12, 2026, 11, 10, 1)),
                 "20261211-20270110 20261210");
    }

    // A delivery-note bill takes posted delivery notes of the period only, counts every
    // payment but no invoice sale; the invoice bill the other way round.
    void gatherCountsOnlyTheSourceType() {
        Fixture f;
        f.document(DocType::DeliveryNote, "D0", 20260310, {1000});     // before the period
        f.document(DocType::DeliveryNote, "D2", 20260405, {200, 300}); // same date, two notes
        f.document(DocType::DeliveryNote, "D1", 20260405, {50});
        f.document(DocType::DeliveryNote, "D3", 20260420, {70});       // on the closing day
        f.document(DocType::DeliveryNote, "D4", 20260412, {9}, false); // not posted
        f.document(DocType::DeliveryNote, "D5", 20260421, {8});        // after the period
        f.document(DocType::Invoice, "B1", 20260310, {5000});
        f.document(DocType::Invoice, "B2", 20260410, {600});
        f.document(DocType::DeliveryNote, "X1", 20260405, {7}, true, "200");
        f.payment(20260315, 400);
        f.payment(20260401, 100);
        f.payment(20260420, 20);

        const BillPeriod period = *BillGathering::Period(2026, 4, 2026, 3, 20, 0);
        const GatheredBill notes = f.gathering.Gather("100", period, DocType::DeliveryNote);
        QCOMPARE(LineTexts(notes.Lines),
                 QStringList({"20260405 D1 品1 50", "20260405 D2 品1 200", "20260405 D2 品2 300",
                              "20260420 D3 品1 70"}));
        // D0 posted 1100 with tax; the 5500 of invoice B1 does not count.
        QCOMPARE(notes.PrvPrice, 1100.0 - 400);
        QCOMPARE(notes.Receive, 120.0);
        QCOMPARE(notes.CarryOver(), 580.0);

        const GatheredBill invoices = f.gathering.Gather("100", period, DocType::Invoice);
        QCOMPARE(LineTexts(invoices.Lines), QStringList({"20260410 B2 品1 600"}));
        QCOMPARE(invoices.PrvPrice, 5500.0 - 400);
        QCOMPARE(invoices.Receive, 120.0);

        // A customer with nothing at all gathers zeros, not an error.
        const GatheredBill none = f.gathering.Gather("999", period, DocType::DeliveryNote);
        QVERIFY(none.Lines.isEmpty());
        QCOMPARE(none.PrvPrice + none.Receive, 0.0);
    }

    // Two notes on one date are one paper and one tax group; the second number shows
    // because it differs, the repeated date does not.
    void gridRowsAndTaxPerDate() {
        auto line = [](qint64 ymd, const QString& number, double price) {
            BillSourceLine l;
            l.IssueYMD = ymd;
            l.DocNumber = number;
            l.Goods = "品";
            l.Quantity = 1.5;
            l.Price = price;
            return l;
        };
        const QList<BillSourceLine> lines{line(20260405, "D1", 5), line(20260405, "D2", 5),
                                          line(20260405, "D2", 1234), line(20260406, "D3", 5)};
        int papers = -1;
        const QList<QStringList> rows = BillGathering::GridRows(lines, "#,#0.00", &papers);
        QCOMPARE(papers, 2);
        QStringList firstCells;
        for (const QStringList& row : rows)
            firstCells << row.mid(0, 4).join('|') + '|' + row.value(BillColumn::Price);
        QCOMPARE(firstCells, QStringList({"2026/04/05|D1|品|1.50|5", "|D2|品|1.50|5",
                                          "||品|1.50|1,234", "2026/04/06|D3|品|1.50|5"}));
        QCOMPARE(rows[0].value(BillColumn::UnitPrice), QString()); // no unit price: empty

        // Rounded up per date: 1244 × 10 % = 124.4 → 125 and 5 × 10 % → 1; one sum over
        // every line would give 125, one group per document 1 + 1 + 124 + 1.
        const BillTotals t = BillGathering::Totals(rows, 10, 2, 580);
        QCOMPARE(QList<double>({t.Total, t.Excise, t.Price, t.TotalPrice}),
                 QList<double>({1249, 126, 1375, 1955}));
        // A row whose date was deleted belongs to the group above it.
        QList<QStringList> merged = rows;
        merged[3][BillColumn::Date].clear();
        QCOMPARE(BillGathering::Totals(merged, 10, 2, 0).Excise, 125.0);
    }

    // Reduced-rate rows are taxed at their own rate within each date group and rounded
    // there (once per bill, the reduced tax would be 2,805 × 8 % = 224.4 → 225); rows
    // without tax add none. The class travels from the stored note into the grid rows.
    void taxPerRateWithinEachDate() {
        Fixture f;
        f.document(DocType::DeliveryNote, "D1", 20260405, {1001, 999, 555}, true, "100",
                   {TaxClass::Standard, TaxClass::Reduced, TaxClass::Reduced});
        f.document(DocType::DeliveryNote, "D2", 20260406, {1251, 300}, true, "100",
                   {TaxClass::Reduced, TaxClass::NotTaxed});
        const BillPeriod period = *BillGathering::Period(2026, 4, 2026, 3, 20, 0);
        const GatheredBill bill = f.gathering.Gather("100", period, DocType::DeliveryNote);
        const QList<QStringList> rows = BillGathering::GridRows(bill.Lines, "#,#0", nullptr);
        QStringList marks;
        for (const QStringList& row : rows)
            marks << row.value(BillColumn::Tax);
        QCOMPARE(marks, QStringList({"", "※", "※", "※", "非"}));

        const BillTotals t = BillGathering::Totals(rows, 10, 2, 0, 8);
        const SlipTotals::RateTotals& r = t.Rates;
        QVERIFY(r.Split);
        QCOMPARE(QList<double>(
                     {r.StandardBase, r.StandardTax, r.ReducedBase, r.ReducedTax, r.NotTaxedBase}),
                 QList<double>({1001, 101, 2805, 226, 300}));
        QCOMPARE(QList<double>({t.Total, t.Excise, t.Price}), QList<double>({4106, 327, 4433}));

        // All rows standard: the one-rate figures of the bill above, to the yen.
        QList<QStringList> standard = rows;
        for (QStringList& row : standard)
            row[BillColumn::Tax].clear();
        const BillTotals one = BillGathering::Totals(standard, 10, 2, 0, 8);
        QVERIFY(!one.Rates.Split);
        // 2,555 × 10 % = 255.5 → 256 and 1,551 × 10 % = 155.1 → 156.
        QCOMPARE(QList<double>({one.Total, one.Excise}), QList<double>({4106, 412}));
    }

    // For a customer on the company's closing day, billed from delivery notes with one
    // document per date, the bill's previous amount, payments and amount billed are the
    // ledger's carry-over, payments and balance of the same month.
    void agreesWithTheLedger() {
        for (const ClosingRule rule : {ClosingRule{31, 0}, ClosingRule{15, 1}}) {
            Fixture f;
            f.db->exec("UPDATE 自社情報 SET ClosingDay = ?, ClosingType = ?",
                       {rule.Day, rule.Type});
            int n = 0;
            for (qint64 ymd : {20260120, 20260203, 20260214, 20260215, 20260301, 20260316, 20260331,
                               20260401, 20260415, 20260416}) {
                f.document(DocType::DeliveryNote, QStringLiteral("D%1").arg(++n), ymd,
                           {double(n * 137), 55.0 * n + 1});
                if (n % 3 == 0)
                    f.payment(ymd, 300.0 * n);
            }
            const Ledger ledger(*f.db);
            for (int month : {2, 3}) {
                const LedgerPeriod lp = Ledger::Period(2026, month, ledger.Closing());
                const CustomerLedger cl = ledger.ReadCustomer("100", lp);
                double received = 0;
                for (const LedgerEntry& e : cl.Entries)
                    received += e.Receive;
                const double balance =
                    cl.Entries.isEmpty() ? cl.CarryOver : cl.Entries.last().Balance;

                const BillPeriod bp =
                    *BillGathering::Period(2026, month, 2026, month - 1, rule.Day, rule.Type);
                const GatheredBill bill = f.gathering.Gather("100", bp, DocType::DeliveryNote);
                const BillTotals totals =
                    BillGathering::Totals(BillGathering::GridRows(bill.Lines, "#,#0.00", nullptr),
                                          10, 0, bill.CarryOver());
                QVERIFY(!bill.Lines.isEmpty());
                QCOMPARE(bill.PrvPrice, cl.CarryOver);
                QCOMPARE(bill.Receive, received);
                QCOMPARE(totals.TotalPrice, balance);
            }
        }
    }
};

KIVORA_TEST(TestBillGathering)
#include "tst_billgathering.moc"
