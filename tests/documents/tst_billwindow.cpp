// The bill window driven as a user drives it: an inverted period and a save before
// gathering refused, two delivery notes of one date gathered as one paper with both
// numbers, 行削除 carrying the date down and recomputing the tax, saving and reading
// back with the sums as numbers, and the summary bill's layout.
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraSlipB.h"
#include "receivables/Ledger.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// Customer 1 closes on the 20th (当月) at 10 %, tax rounded up; March 2026 to April 2026.
struct Fixture : PrintFixture {
    std::unique_ptr<KivoraSlipB> window;

    explicit Fixture(int type = 4) {
        AppState& s = env.state;
        s.gClosingDay = 20;
        s.gClosingType = 0;
        s.gExcise = 10;
        s.gFraction = 2;
        note(u"D2"_s, 20260405, {5, 1234});
        note(u"D1"_s, 20260405, {5});
        note(u"D3"_s, 20260410, {5});
        note(u"D0"_s, 20260301, {1000});
        Ledger(*db).StorePayment(u"1"_s, 20260401, 300, PaymentKind::Cash);
        s.gDocType = static_cast<quint8>(type);
        s.gCaption = type == 4 ? u"明細請求書"_s : u"合計請求書"_s;
        window = std::make_unique<KivoraSlipB>(s);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("bill window not shown");
        setMonths(2026, 4, 2026, 3);
    }
    ~Fixture() { window->close(); }
    void note(const QString& number, qint64 ymd, const QList<double>& prices) {
        SlipHeader h;
        h.UserCode = u"1"_s;
        h.DocType = 2;
        h.DocNumber = number;
        h.IssueYMD = ymd;
        h.AddUpSale = true;
        QList<SlipLine> lines;
        double total = 0;
        for (double p : prices) {
            lines << SlipLine{{}, u"品%1"_s.arg(lines.size() + 1), 1, u"個"_s, p, p, {}};
            total += p;
        }
        DocumentStore(*db).Save(h, lines, total);
    }
    void setMonths(int y0, int m0, int y1, int m1) {
        window->ScrollSlipB[BillScroll::Year]->setValue(y0);
        window->ScrollSlipB[BillScroll::Month]->setValue(m0);
        window->ScrollSlipB[BillScroll::PrevYear]->setValue(y1);
        window->ScrollSlipB[BillScroll::PrevMonth]->setValue(m1);
    }
    QStringList sums() const {
        QStringList out;
        for (int i = BillLabel::Papers; i < BillLabel::Count; ++i)
            out << window->LabelSlipB[i]->text();
        return out;
    }
    QStringList firstCells() const {
        QStringList out;
        for (const QStringList& row : window->gridRows())
            out << row.mid(0, 3).join('|');
        return out;
    }
    // The rows a query gives, one after another, NULL as "-".
    QString q(const QString& sql) { return TestEnv::rows(*db, sql, {}, "-").join(' '); }
};

} // namespace

class TestBillWindow : public QObject {
    Q_OBJECT

private slots:
    void gatherDeleteRowsSaveAndRead() {
        Fixture f;
        KivoraSlipB& w = *f.window;
        // Saving before gathering is refused.
        w.TextSlipB[BillField::Number]->setText(u"B1"_s);
        w.MenuSlip[SlipBMenu::Save]->trigger();
        QCOMPARE(f.env.messages.lastText(), u"データが見つかりませんでした｡"_s);

        f.setMonths(2026, 4, 2026, 4);
        w.MenuSlip[SlipBMenu::Gather]->trigger();
        QCOMPARE(f.env.messages.lastText(), u"前回請求を今回請求以前に設定して下さい｡"_s);
        QCOMPARE(w.LabelSlipB[BillLabel::PrvPrice]->text(), QString());

        f.setMonths(2026, 4, 2026, 3);
        w.ImageSlipBBar[BillImage::Gather]->click();
        QCOMPARE(f.firstCells(), QStringList({u"2026/04/05|D1|品1"_s, u"|D2|品1"_s, u"||品2"_s,
                                              u"2026/04/10|D3|品1"_s}));
        // Per date, rounded up: 1244 → 125 and 5 → 1.
        QCOMPARE(f.sums(), QStringList({u"2"_s, u"¥1,000"_s, u"¥300"_s, u"¥700"_s, u"¥1,249"_s,
                                        u"¥126"_s, u"¥1,375"_s, u"¥2,075"_s}));
        // A change of the period clears what was gathered.
        w.ScrollSlipB[BillScroll::PrevMonth]->setValue(2);
        QCOMPARE(w.LabelSlipB[BillLabel::TotalPrice]->text(), QString());
        w.ScrollSlipB[BillScroll::PrevMonth]->setValue(3);
        w.MenuSlip[SlipBMenu::Gather]->trigger();

        // Deleting the first line hands its date down to D2, whose two lines now are the
        // first date group; the papers stay as gathered.
        w.FxGridSlipB->selectRow(0);
        f.env.messages.answer(MsgOK);
        w.MenuSlip[SlipBMenu::DeleteRows]->trigger();
        QCOMPARE(f.env.messages.lastText(), u"指定行を削除します｡"_s);
        QCOMPARE(f.firstCells(),
                 QStringList({u"2026/04/05|D2|品1"_s, u"||品2"_s, u"2026/04/10|D3|品1"_s}));
        QCOMPARE(f.sums().mid(4), QStringList({u"¥1,244"_s, u"¥125"_s, u"¥1,369"_s, u"¥2,069"_s}));

        f.env.messages.answer(MsgOK);
        w.MenuSlip[SlipBMenu::Save]->trigger();
        QCOMPARE(f.q(u"SELECT TotalPrice + Papers FROM 合計請求 WHERE Number = 'B1'"_s), u"2071"_s);
        QCOMPARE(f.q(u"SELECT Term, FixDate, AddUpSale FROM 伝票管理 WHERE DocType = 4"_s),
                 u"2026/04/20|2026/03/20|0"_s);
        QCOMPARE(f.q(u"SELECT Count, IssueYMD FROM 明細請求 ORDER BY Count"_s),
                 u"1|20260405 2|- 3|20260410"_s);

        // Read back through 前回伝票 after a new bill.
        w.MenuSlip[SlipBMenu::New]->trigger();
        QCOMPARE(w.TextSlipB[BillField::Number]->text(), QString());
        f.env.messages.answer(MsgOK);
        w.MenuSlip[SlipBMenu::LastSlip]->trigger();
        QCOMPARE(w.TextSlipB[BillField::Number]->text(), u"B1"_s);
        QCOMPARE(f.sums(), QStringList({u"2"_s, u"¥1,000"_s, u"¥300"_s, u"¥700"_s, u"¥1,244"_s,
                                        u"¥125"_s, u"¥1,369"_s, u"¥2,069"_s}));
        QCOMPARE(f.firstCells().size(), 3);
        QCOMPARE(w.LabelSlipB[BillLabel::PrevMonth]->text(), u"03"_s);

        f.env.messages.answer(MsgOK);
        w.MenuSlip[SlipBMenu::Delete]->trigger();
        QCOMPARE(f.q(u"SELECT (SELECT COUNT(*) FROM 伝票管理 WHERE DocType = 4) + "
                     "(SELECT COUNT(*) FROM 合計請求) + (SELECT COUNT(*) FROM 明細請求)"_s),
                 u"0"_s);
    }

    // The summary bill hides its lines and 行削除 but still stores the lines.
    void summaryBill() {
        Fixture f(5);
        KivoraSlipB& w = *f.window;
        QVERIFY(!w.FxGridSlipB->isVisible());
        QVERIFY(!w.MenuSlip[SlipBMenu::DeleteRows]->isVisible());
        QCOMPARE(w.windowTitle(), u"合計請求書 [山田商店]"_s);
        w.MenuSlip[SlipBMenu::Gather]->trigger();
        w.TextSlipB[BillField::Number]->setText(u"T1"_s);
        f.env.messages.answer(MsgOK);
        w.MenuSlip[SlipBMenu::Save]->trigger();
        QCOMPARE(f.q(u"SELECT COUNT(*) FROM 明細請求 WHERE DocType = 5"_s), u"4"_s);
        QCOMPARE(f.q(u"SELECT DocNumBT FROM 前回伝票"_s), u"T1"_s);
    }
};

KIVORA_TEST(TestBillWindow)
#include "tst_billwindow.moc"
