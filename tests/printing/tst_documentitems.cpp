// The item-code tables of the three document windows, where the print run test of the
// slip does not reach: the title between the brackets, the slip's estimate fields and
// line values, the receipt's honorific, company items, amounts and due date, the bill's
// date parts, balances and lines, and the copy marks of single blocks.
#include "support/TestMain.h"
#include "printing/DocumentItems.h"

#include <QtTest>
#include <functional>

using namespace DocumentItems;

namespace {

const QString None = QStringLiteral("<none>");

// What a window prints for each code in turn; None where it prints nothing at all.
QStringList Items(const std::function<std::optional<QString>(int)>& item,
                  std::initializer_list<int> codes) {
    QStringList out;
    for (int code : codes)
        out << item(code).value_or(None);
    return out;
}

DocumentItemContext Context() {
    DocumentItemContext ctx;
    ctx.UserCode = "000123";
    ctx.UserName = "山田商店";
    ctx.Customer.Prefix1 = "様";
    ctx.Customer.Position2 = "経理部";
    ctx.Customer.Charge2 = "鈴木花子";
    ctx.Customer.Prefix2 = "殿";
    ctx.LayoutName = "納品書A4(納品書)";
    return ctx;
}

} // namespace

class TestDocumentItems : public QObject {
    Q_OBJECT

private slots:
    void titleIsTheTextInBrackets() {
        // The first closing bracket after the opening one ends the title.
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

    void slipItems() {
        const DocumentItemContext ctx = Context();
        SlipPrintHeader h;
        h.Date = {"2024年", "05月", "31日"};
        h.Number = "D-0042";
        h.ChargeName = "田中";
        h.ChargePosition = "営業課";
        h.Remark = "毎度ありがとうございます";
        h.FixDate = {"2024", "06", "10"};
        h.Term = {"2024", "07", "31"};
        h.Deliver = "貴社指定場所";
        h.Business = "月末締め翌月末払い";
        const auto header = [&](int code) { return SlipHeaderItem(code, h, ctx); };
        QCOMPARE(Items(header, {1, 3, 5, 6, 27, 32, 34, 35, 37, 38, 39, 40}),
                 QStringList({"2024年05月31日", "05月", "D-0042", "田中",
                              "毎度ありがとうございます", "2024", "31", "2024", "10",
                              "貴社指定場所", "月末締め翌月末払い", "営業課"}));
        // Detail codes and codes the slip window does not know print nothing as headers.
        QCOMPARE(Items(header, {20, 22, 26, 41, 49, 50, 52, 99, -1}), QStringList(9, None));

        SlipLine line{"A001", "鉛筆", 2.5, "箱", 0.1 + 0.2, -12345678, "至急"};
        const auto detail = [&](int code) { return SlipDetailItem(code, line); };
        QCOMPARE(
            Items(detail, {20, 21, 22, 23, 24, 25, 26, 19, 50}),
            QStringList({"A001", "鉛筆", "2.5", "箱", "0.3", "-12345678", "至急", None, None}));
        // An empty cell prints nothing, a zero prints 0 and never "-0".
        line.Quantity.reset();
        line.Price = -0.0;
        QCOMPARE(Items(detail, {22, 25}), QStringList({"", "0"}));
        QVERIFY(IsSlipDetail(20) && IsSlipDetail(26) && !IsSlipDetail(19) && !IsSlipDetail(27));
    }

    void receiptItems() {
        DocumentItemContext ctx = Context();
        ctx.LayoutName = "領収証2枚(領収証)";
        ctx.Copy = true;
        ReceiptPrintHeader h;
        h.Date = {"2024", "05", "31"};
        h.Number = "R-7";
        h.Remark = "5月分";
        h.Totals = {"33,000", "¥33,000"};
        h.Amounts = {"v41", "v42", "v43", "v44", "v45", "v46", "v47", "v48"};
        const auto item = [&](int code) { return ReceiptHeaderItem(code, h, ctx); };
        QCOMPARE(Items(item, {0, 4, 5, 13, 27, 28, 29, 41, 48}),
                 QStringList({"領収証(控)", "31", "R-7", "000123", "5月分", "33,000", "¥33,000",
                              "v41", "v48"}));
        // No issue date in one piece, no customer address, no staff, no third total and no
        // page number; no company items without the company choice.
        QCOMPARE(Items(item, {1, 6, 7, 8, 9, 12, 30, 31, 40, 50, 14, 15, 16, 17, 18}),
                 QStringList(15, None));

        // The receipt never prints 御中: it keeps the honorific whatever the contact choice,
        // while the contact follows the choice as on slips.
        ctx.Charge = 2;
        QCOMPARE(SlipHeaderItem(10, SlipPrintHeader(), ctx), "山田商店 御中");
        QCOMPARE(Items(item, {10, 11}), QStringList({"山田商店 様", "  "}));
        ctx.Charge = 1;
        QCOMPARE(item(11), "経理部  鈴木花子 殿");

        // With the company: its items, but never the bank the bill prints.
        ctx.Company.emplace();
        ctx.Company->Name = "株式会社キボラ";
        ctx.Company->ZipCode = "100-0001";
        ctx.Company->Address2 = "キボラビル";
        ctx.Company->TEL = "03-1234-5678";
        ctx.Company->Bank1 = "みずなみ銀行 本店 普通 1234567";
        QCOMPARE(
            Items(item, {14, 15, 17, 18, 19}),
            QStringList({"株式会社キボラ", "〒100-0001", "キボラビル", "TEL:03-1234-5678 ", None}));
        QCOMPARE(BillHeaderItem(19, BillPrintHeader(), ctx), "みずなみ銀行 本店 普通 1234567");

        // The due date joins the parts that are there.
        const auto due = [&](const char* y, const char* m, const char* d) {
            h.DueDate = {y, m, d};
            return *item(49);
        };
        QCOMPARE(QStringList({due("2024", "08", "31"), due("", "08", "31"), due("2024", "", "31"),
                              due("2024", "08", ""), due("", "", "")}),
                 QStringList({"2024/08/31", "08/31", "2024/31", "2024/08/", ""}));
    }

    void billItems() {
        DocumentItemContext ctx = Context();
        ctx.LayoutName = "請求書(御請求書)";
        ctx.Charge = 2;
        ctx.Pages = 2;
        BillPrintHeader h;
        h.ClosingYMD = 20240131;
        h.Totals = {"¥10,000", "¥1,000", "¥11,000"};
        h.Balance = {"¥5,000", "¥4,000", "¥1,000"};
        h.Billed = "¥12,000";
        h.SlipCount = "4";
        const auto item = [&](int code) { return BillHeaderItem(code, h, ctx); };
        // Totals close the set: only its last page shows them.
        QCOMPARE(Items(item, {0, 1, 2, 3, 4, 10, 31, 28, 52, 54, 55, 56}),
                 QStringList({"御請求書", "20240131", "2024", "01", "31", "山田商店 御中", "1/2",
                              None, "¥5,000", "¥1,000", "¥12,000", "4"}));
        ctx.Page = 2;
        QCOMPARE(Items(item, {30, 14, 41}), QStringList({"¥11,000", None, None}));

        BillPrintLine line{{}, "D-0042", "ノート", 3, "", {}, 450, ""};
        const auto detail = [&](int code) { return BillDetailItem(code, line); };
        QCOMPARE(detail(50), "");
        line.IssueYMD = 20240115;
        // Bills have no goods code column.
        QCOMPARE(Items(detail, {50, 51, 22, 24, 25, 20}),
                 QStringList({"20240115", "D-0042", "3", "", "450", None}));
        QVERIFY(!IsBillDetail(20) && IsBillDetail(50) && IsBillDetail(26));
    }

    void blockCopyMarks() {
        // Receipts and bills mark single blocks of a sheet as the copy; the marks are
        // taken by position, so an empty part still stands for its block.
        QCOMPARE(QList<int>({BlockMark("0/-1", 1), BlockMark("0/-1", 2), BlockMark("0/-1", 3),
                             BlockMark("/-1", 2), BlockMark(QString(), 1)}),
                 QList<int>({0, -1, 0, -1, 0}));
        QVERIFY(IsCopy(2, 1, 1, -1) && !IsCopy(2, 1, 1, 0) && IsCopy(0, 2, 1, 0));
        // A layout without a line area prints one page whatever the lines.
        QCOMPARE(PageCount(12, 0), 1);
    }
};

KIVORA_TEST(TestDocumentItems)
#include "tst_documentitems.moc"
