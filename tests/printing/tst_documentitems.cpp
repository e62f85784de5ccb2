// The rules of the document items that have logic: the customer's name and contact for
// each contact choice and kind of document, the title and its copy mark, when the page
// number, the totals and the per-rate lines print, the due date, block marks and stored
// numbers.
#include "printing/DocumentItems.h"
#include "support/TestMain.h"

#include <QtTest>

using namespace DocumentItems;

namespace {

enum Kind { Slip, Receipt, Bill };

// A header item of a window kind; "<none>" where it prints nothing at all.
QString Item(int kind, int code, const DocumentItemContext& ctx) {
    return (kind == Slip      ? SlipHeaderItem(code, {}, ctx)
            : kind == Receipt ? ReceiptHeaderItem(code, {}, ctx)
                              : BillHeaderItem(code, {}, ctx))
        .value_or(QStringLiteral("<none>"));
}

} // namespace

class TestDocumentItems : public QObject {
    Q_OBJECT

private slots:
    // Choice 0 prints contact 1, choice 1 contact 2, both after the name with its
    // honorific; choice 2 prints no contact and 御中 instead, except on receipts.
    void customerNameAndContact_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("charge");
        QTest::addColumn<QString>("printed"); // items 10 and 11
        const char* kinds[] = {"slip", "receipt", "bill"};
        for (int kind : {Slip, Receipt, Bill}) {
            QTest::addRow("%s, contact 1", kinds[kind])
                << kind << 0 << "山田商店 様|営業部  佐藤 殿";
            QTest::addRow("%s, contact 2", kinds[kind])
                << kind << 1 << "山田商店 様|経理部  鈴木 殿";
            QTest::addRow("%s, no contact", kinds[kind])
                << kind << 2 << (kind == Receipt ? "山田商店 様|  " : "山田商店 御中|  ");
        }
    }
    void customerNameAndContact() {
        QFETCH(int, kind);
        QFETCH(int, charge);
        DocumentItemContext ctx;
        ctx.UserName = "山田商店";
        ctx.Customer.Prefix1 = "様";
        ctx.Customer.Position1 = "営業部";
        ctx.Customer.Charge1 = "佐藤";
        ctx.Customer.Position2 = "経理部";
        ctx.Customer.Charge2 = "鈴木";
        ctx.Customer.Prefix2 = "殿";
        ctx.Charge = charge;
        QTEST(Item(kind, 10, ctx) + '|' + Item(kind, 11, ctx), "printed");
    }

    // The title is the text between the first brackets of either width (the rest of the
    // name when never closed, the whole name without them); copies add the mark.
    void titleBetweenTheBrackets() {
        const std::tuple<const char*, bool, const char*> cases[] = {
            {"納品書A4(納品書)", false, "納品書"},
            {"納品書A4(納品書)", true, "納品書(控)"},
            {"見積(御見積書)2枚(控付)", false, "御見積書"},
            {"請求書（請求書）", false, "請求書"},
            {"領収証", true, "領収証(控)"},
            {"注文書(注文書", false, "注文書"}};
        for (const auto& [layout, copy, title] : cases)
            QCOMPARE(Title(layout, copy), title);
    }

    // The page number only where there are pages to tell apart; totals on a set's last
    // page; slips and bills alike.
    void pageNumberAndTotals() {
        const std::tuple<int, int, const char*> cases[] = {
            {1, 1, "- 税込"}, {1, 2, "1/2 -"}, {2, 2, "2/2 税込"}};
        SlipPrintHeader slip;
        BillPrintHeader bill;
        slip.Totals = bill.Totals = {"税抜", "税額", "税込"};
        const auto text = [](const std::optional<QString>& item) { return item.value_or("-"); };
        for (const auto& [page, pages, printed] : cases) {
            DocumentItemContext ctx;
            ctx.Page = page;
            ctx.Pages = pages;
            QCOMPARE(text(SlipHeaderItem(31, slip, ctx)) + ' ' +
                         text(SlipHeaderItem(30, slip, ctx)),
                     QString(printed));
            QCOMPARE(text(BillHeaderItem(31, bill, ctx)) + ' ' +
                         text(BillHeaderItem(30, bill, ctx)),
                     QString(printed));
        }
    }

    // The per-rate lines print with the totals on the last page of a set, for a registered
    // company even with one rate, and not at all for an unregistered one with one rate;
    // they pack from the first code. The number prints only with the company items.
    void invoiceItemsFollowRegistrationAndPage() {
        const SlipTotals::RateTotals one = SlipTotals::Calc({"1000"}, {0}, 10, 8, 0).rates;
        const SlipTotals::RateTotals reduced = SlipTotals::Calc({"500"}, {1}, 10, 8, 0).rates;
        const std::tuple<bool, SlipTotals::RateTotals, int, const char*> cases[] = {
            {false, one, 1, "|||"},
            {true, one, 1, "登録番号 T7000012050002|10%対象 ¥1,000 / 消費税 ¥100||"},
            {true, one, 2, "登録番号 T7000012050002|||"},
            {false, reduced, 1, "|8%対象※ ¥500 / 消費税 ¥40||※は軽減税率対象"}};
        for (const auto& [registered, rates, pages, printed] : cases) {
            DocumentItemContext ctx;
            ctx.Company = CompanyRow{};
            ctx.Company->RegistNumber = registered ? "T7000012050002" : "";
            ctx.Registered = registered;
            ctx.Rates = rates;
            ctx.Pages = pages;
            QStringList items;
            for (int code : {57, 58, 59, 61})
                items << SlipHeaderItem(code, {}, ctx).value_or("-");
            QCOMPARE(items.join('|'), QString(printed));
        }
    }

    // The receipt's due date joins the parts that are there, each but the day with "/".
    void dueDate() {
        const std::pair<std::array<QString, 3>, const char*> cases[] = {
            {{"2024", "08", "31"}, "2024/08/31"},
            {{"", "08", "31"}, "08/31"},
            {{"2024", "", "31"}, "2024/31"},
            {{"2024", "08", ""}, "2024/08/"},
            {{"", "", ""}, ""}};
        for (const auto& [parts, joined] : cases) {
            ReceiptPrintHeader h;
            h.DueDate = parts;
            QCOMPARE(ReceiptHeaderItem(49, h, DocumentItemContext()), QString(joined));
        }
    }

    // Block marks are taken by position: an empty part still stands for its block. A layout
    // without a line area prints one page whatever the lines. Stored numbers print with
    // their precision but without binary noise or "-0"; an empty cell prints nothing.
    void marksPagesAndNumbers() {
        QCOMPARE(QList<int>({BlockMark("/-1", 1), BlockMark("/-1", 2), BlockMark("/-1", 3)}),
                 QList<int>({0, -1, 0}));
        QCOMPARE(PageCount(12, 0), 1);
        QCOMPARE(PlainNumber(0.1 + 0.2) + '|' + PlainNumber(-0.0) + '|' + PlainNumber({}),
                 "0.3|0|");
    }
};

KIVORA_TEST(TestDocumentItems)
#include "tst_documentitems.moc"
