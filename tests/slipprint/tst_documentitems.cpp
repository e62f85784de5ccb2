// The item-code tables of the three document windows, where the print run test of the
// slip does not reach: the title between the brackets, the slip's estimate fields and
// line values, the receipt's honorific, company items, amounts and due date, the bill's
// date parts, balances and lines, and the copy marks of single blocks.
#include "printing/DocumentItems.h"

#include <QtTest>

namespace {

DocumentItemContext Context() {
    DocumentItemContext ctx;
    ctx.UserCode = QStringLiteral("000123");
    ctx.UserName = QStringLiteral("山田商店");
    ctx.Customer.ZipCode = QStringLiteral("910-0001");
    ctx.Customer.Address1 = QStringLiteral("福井県福井市大願寺1-2-3");
    ctx.Customer.Address2 = QStringLiteral("山田ビル2F");
    ctx.Customer.Prefix1 = QStringLiteral("様");
    ctx.Customer.Position1 = QStringLiteral("営業部");
    ctx.Customer.Charge1 = QStringLiteral("佐藤一郎");
    ctx.Customer.Position2 = QStringLiteral("経理部");
    ctx.Customer.Charge2 = QStringLiteral("鈴木花子");
    ctx.Customer.Prefix2 = QStringLiteral("殿");
    ctx.Customer.TEL = QStringLiteral("0776-11-2222");
    ctx.Customer.FAX = QStringLiteral("0776-11-3333");
    ctx.LayoutName = QStringLiteral("納品書A4(納品書)");
    return ctx;
}

CompanyRow Company() {
    CompanyRow m;
    m.Name = QStringLiteral("株式会社キボラ");
    m.ZipCode = QStringLiteral("100-0001");
    m.Address1 = QStringLiteral("東京都千代田区千代田1-1");
    m.Address2 = QStringLiteral("キボラビル");
    m.TEL = QStringLiteral("03-1234-5678");
    m.Bank1 = QStringLiteral("みずなみ銀行 本店 普通 1234567");
    m.Bank2 = QStringLiteral("ゆうちょ銀行 〇一八店 普通 7654321");
    return m;
}

} // namespace

class TestDocumentItems : public QObject {
    Q_OBJECT

private slots:
    void titleIsTheTextInBrackets() {
        using DocumentItems::Title;
        QCOMPARE(Title(QStringLiteral("納品書A4(納品書)"), false), QStringLiteral("納品書"));
        QCOMPARE(Title(QStringLiteral("納品書A4(納品書)"), true), QStringLiteral("納品書(控)"));
        // The first closing bracket after the opening one ends the title.
        QCOMPARE(Title(QStringLiteral("見積(御見積書)2枚(控付)"), false),
                 QStringLiteral("御見積書"));
        QCOMPARE(Title(QStringLiteral("請求書（請求書）"), false), QStringLiteral("請求書"));
        QCOMPARE(Title(QStringLiteral("領収証"), true), QStringLiteral("領収証(控)"));
        QCOMPARE(Title(QStringLiteral("注文書(注文書"), false), QStringLiteral("注文書"));
    }

    void receiptNameKeepsItsHonorific() {
        // The receipt never prints 御中: it keeps the honorific whatever the contact
        // choice, while the contact follows the choice as on slips.
        DocumentItemContext ctx = Context();
        ctx.Charge = 2;
        QCOMPARE(DocumentItems::SlipHeaderItem(10, SlipPrintHeader(), ctx),
                 QStringLiteral("山田商店 御中"));
        QCOMPARE(DocumentItems::ReceiptHeaderItem(10, ReceiptPrintHeader(), ctx),
                 QStringLiteral("山田商店 様"));
        QCOMPARE(DocumentItems::ReceiptHeaderItem(11, ReceiptPrintHeader(), ctx),
                 QStringLiteral("  "));
        ctx.Charge = 1;
        QCOMPARE(DocumentItems::ReceiptHeaderItem(11, ReceiptPrintHeader(), ctx),
                 QStringLiteral("経理部  鈴木花子 殿"));
    }

    void receiptCompanyItemsHaveNoBank() {
        DocumentItemContext ctx = Context();
        const ReceiptPrintHeader h;
        using DocumentItems::ReceiptHeaderItem;
        for (int code = 14; code <= 18; ++code)
            QVERIFY2(!ReceiptHeaderItem(code, h, ctx), qPrintable(QString::number(code)));
        ctx.Company = Company();
        QCOMPARE(ReceiptHeaderItem(14, h, ctx), QStringLiteral("株式会社キボラ"));
        QCOMPARE(ReceiptHeaderItem(15, h, ctx), QStringLiteral("〒100-0001"));
        QCOMPARE(ReceiptHeaderItem(17, h, ctx), QStringLiteral("キボラビル"));
        QCOMPARE(ReceiptHeaderItem(18, h, ctx), QStringLiteral("TEL:03-1234-5678 "));
        QVERIFY(!ReceiptHeaderItem(19, h, ctx));
        QCOMPARE(DocumentItems::BillHeaderItem(19, BillPrintHeader(), ctx), Company().Bank1);
    }

    void slipHeaderValues() {
        DocumentItemContext ctx = Context();
        SlipPrintHeader h;
        h.Date = {QStringLiteral("2024年"), QStringLiteral("05月"), QStringLiteral("31日")};
        h.Number = QStringLiteral("D-0042");
        h.ChargeName = QStringLiteral("田中");
        h.ChargePosition = QStringLiteral("営業課");
        h.Remark = QStringLiteral("毎度ありがとうございます");
        h.FixDate = {QStringLiteral("2024"), QStringLiteral("06"), QStringLiteral("10")};
        h.Term = {QStringLiteral("2024"), QStringLiteral("07"), QStringLiteral("31")};
        h.Deliver = QStringLiteral("貴社指定場所");
        h.Business = QStringLiteral("月末締め翌月末払い");
        using DocumentItems::SlipHeaderItem;
        QCOMPARE(SlipHeaderItem(1, h, ctx), QStringLiteral("2024年05月31日"));
        QCOMPARE(SlipHeaderItem(3, h, ctx), QStringLiteral("05月"));
        QCOMPARE(SlipHeaderItem(5, h, ctx), QStringLiteral("D-0042"));
        QCOMPARE(SlipHeaderItem(6, h, ctx), QStringLiteral("田中"));
        QCOMPARE(SlipHeaderItem(27, h, ctx), h.Remark);
        QCOMPARE(SlipHeaderItem(32, h, ctx), QStringLiteral("2024"));
        QCOMPARE(SlipHeaderItem(34, h, ctx), QStringLiteral("31"));
        QCOMPARE(SlipHeaderItem(35, h, ctx), QStringLiteral("2024"));
        QCOMPARE(SlipHeaderItem(37, h, ctx), QStringLiteral("10"));
        QCOMPARE(SlipHeaderItem(38, h, ctx), h.Deliver);
        QCOMPARE(SlipHeaderItem(39, h, ctx), h.Business);
        QCOMPARE(SlipHeaderItem(40, h, ctx), QStringLiteral("営業課"));
        // Detail codes and codes the slip window does not know print nothing as headers.
        for (int code : {20, 22, 26, 41, 49, 50, 52, 99, -1})
            QVERIFY2(!SlipHeaderItem(code, h, ctx), qPrintable(QString::number(code)));
    }

    void slipDetailsAsPlainText() {
        SlipLine line;
        line.GoodsCode = QStringLiteral("A001");
        line.Goods = QStringLiteral("鉛筆");
        line.Quantity = 2.5;
        line.Unit = QStringLiteral("箱");
        line.UnitPrice = 0.1 + 0.2;
        line.Price = -12345678;
        line.Remark = QStringLiteral("至急");
        using DocumentItems::SlipDetailItem;
        QCOMPARE(SlipDetailItem(20, line), QStringLiteral("A001"));
        QCOMPARE(SlipDetailItem(21, line), QStringLiteral("鉛筆"));
        QCOMPARE(SlipDetailItem(22, line), QStringLiteral("2.5"));
        QCOMPARE(SlipDetailItem(23, line), QStringLiteral("箱"));
        QCOMPARE(SlipDetailItem(24, line), QStringLiteral("0.3"));
        QCOMPARE(SlipDetailItem(25, line), QStringLiteral("-12345678"));
        QCOMPARE(SlipDetailItem(26, line), QStringLiteral("至急"));
        QVERIFY(!SlipDetailItem(19, line));
        QVERIFY(!SlipDetailItem(50, line));
        // An empty cell prints nothing, a zero prints 0 and never "-0".
        line.Quantity.reset();
        line.Price = -0.0;
        QCOMPARE(SlipDetailItem(22, line), QString());
        QCOMPARE(SlipDetailItem(25, line), QStringLiteral("0"));
        QVERIFY(DocumentItems::IsSlipDetail(20) && DocumentItems::IsSlipDetail(26));
        QVERIFY(!DocumentItems::IsSlipDetail(19) && !DocumentItems::IsSlipDetail(27));
    }

    void blockCopyMarks() {
        // Receipts and bills mark single blocks of a sheet as the copy; the marks are
        // taken by position, so an empty part still stands for its block.
        using namespace DocumentItems;
        QCOMPARE(BlockMark(QStringLiteral("0/-1"), 1), 0);
        QCOMPARE(BlockMark(QStringLiteral("0/-1"), 2), -1);
        QCOMPARE(BlockMark(QStringLiteral("0/-1"), 3), 0);
        QCOMPARE(BlockMark(QStringLiteral("/-1"), 2), -1);
        QCOMPARE(BlockMark(QString(), 1), 0);
        QVERIFY(IsCopy(2, 1, 1, -1));
        QVERIFY(!IsCopy(2, 1, 1, 0));
        QVERIFY(IsCopy(0, 2, 1, 0));
        // A layout without a line area prints one page whatever the lines.
        QCOMPARE(PageCount(12, 0), 1);
    }

    void receiptItems() {
        DocumentItemContext ctx = Context();
        ctx.LayoutName = QStringLiteral("領収証2枚(領収証)");
        ctx.Copy = true;
        ReceiptPrintHeader h;
        h.Date = {QStringLiteral("2024"), QStringLiteral("05"), QStringLiteral("31")};
        h.Number = QStringLiteral("R-7");
        h.Remark = QStringLiteral("5月分");
        h.Totals = {QStringLiteral("33,000"), QStringLiteral("¥33,000")};
        for (int i = 0; i < 8; ++i)
            h.Amounts[static_cast<size_t>(i)] = QStringLiteral("v%1").arg(41 + i);
        using DocumentItems::ReceiptHeaderItem;
        QCOMPARE(ReceiptHeaderItem(0, h, ctx), QStringLiteral("領収証(控)"));
        QCOMPARE(ReceiptHeaderItem(4, h, ctx), QStringLiteral("31"));
        QCOMPARE(ReceiptHeaderItem(5, h, ctx), QStringLiteral("R-7"));
        QCOMPARE(ReceiptHeaderItem(13, h, ctx), QStringLiteral("000123"));
        QCOMPARE(ReceiptHeaderItem(27, h, ctx), QStringLiteral("5月分"));
        QCOMPARE(ReceiptHeaderItem(28, h, ctx), QStringLiteral("33,000"));
        QCOMPARE(ReceiptHeaderItem(29, h, ctx), QStringLiteral("¥33,000"));
        QCOMPARE(ReceiptHeaderItem(41, h, ctx), QStringLiteral("v41"));
        QCOMPARE(ReceiptHeaderItem(48, h, ctx), QStringLiteral("v48"));
        // The receipt has no issue date in one piece, no customer address, no staff, no
        // third total and no page number.
        for (int code : {1, 6, 7, 8, 9, 12, 30, 31, 40, 50})
            QVERIFY2(!ReceiptHeaderItem(code, h, ctx), qPrintable(QString::number(code)));

        const auto due = [&](const char* y, const char* m, const char* d) {
            h.DueDate = {QString::fromUtf8(y), QString::fromUtf8(m), QString::fromUtf8(d)};
            return *ReceiptHeaderItem(49, h, ctx);
        };
        QCOMPARE(due("2024", "08", "31"), QStringLiteral("2024/08/31"));
        QCOMPARE(due("", "08", "31"), QStringLiteral("08/31"));
        QCOMPARE(due("2024", "", "31"), QStringLiteral("2024/31"));
        QCOMPARE(due("2024", "08", ""), QStringLiteral("2024/08/"));
        QCOMPARE(due("", "", ""), QString());
    }

    void billItems() {
        DocumentItemContext ctx = Context();
        ctx.LayoutName = QStringLiteral("請求書(御請求書)");
        ctx.Charge = 2;
        ctx.Pages = 2;
        ctx.Page = 1;
        BillPrintHeader h;
        h.ClosingYMD = 20240131;
        h.Number = QStringLiteral("B-3");
        h.Totals = {QStringLiteral("¥10,000"), QStringLiteral("¥1,000"), QStringLiteral("¥11,000")};
        h.Balance = {QStringLiteral("¥5,000"), QStringLiteral("¥4,000"), QStringLiteral("¥1,000")};
        h.Billed = QStringLiteral("¥12,000");
        h.SlipCount = QStringLiteral("4");
        using DocumentItems::BillHeaderItem;
        QCOMPARE(BillHeaderItem(0, h, ctx), QStringLiteral("御請求書"));
        QCOMPARE(BillHeaderItem(1, h, ctx), QStringLiteral("20240131"));
        QCOMPARE(BillHeaderItem(2, h, ctx), QStringLiteral("2024"));
        QCOMPARE(BillHeaderItem(3, h, ctx), QStringLiteral("01"));
        QCOMPARE(BillHeaderItem(4, h, ctx), QStringLiteral("31"));
        QCOMPARE(BillHeaderItem(10, h, ctx), QStringLiteral("山田商店 御中"));
        QCOMPARE(BillHeaderItem(31, h, ctx), QStringLiteral("1/2"));
        QVERIFY(!BillHeaderItem(28, h, ctx));
        QCOMPARE(BillHeaderItem(52, h, ctx), QStringLiteral("¥5,000"));
        QCOMPARE(BillHeaderItem(54, h, ctx), QStringLiteral("¥1,000"));
        QCOMPARE(BillHeaderItem(55, h, ctx), QStringLiteral("¥12,000"));
        QCOMPARE(BillHeaderItem(56, h, ctx), QStringLiteral("4"));
        ctx.Page = 2;
        QCOMPARE(BillHeaderItem(30, h, ctx), QStringLiteral("¥11,000"));
        QVERIFY(!BillHeaderItem(14, h, ctx));
        QVERIFY(!BillHeaderItem(41, h, ctx));

        BillPrintLine line;
        line.DocNumber = QStringLiteral("D-0042");
        line.Goods = QStringLiteral("ノート");
        line.Quantity = 3;
        line.Price = 450;
        using DocumentItems::BillDetailItem;
        QCOMPARE(BillDetailItem(50, line), QString());
        line.IssueYMD = 20240115;
        QCOMPARE(BillDetailItem(50, line), QStringLiteral("20240115"));
        QCOMPARE(BillDetailItem(51, line), QStringLiteral("D-0042"));
        QCOMPARE(BillDetailItem(22, line), QStringLiteral("3"));
        QCOMPARE(BillDetailItem(24, line), QString());
        QCOMPARE(BillDetailItem(25, line), QStringLiteral("450"));
        // Bills have no goods code column.
        QVERIFY(!BillDetailItem(20, line));
        QVERIFY(!DocumentItems::IsBillDetail(20));
        QVERIFY(DocumentItems::IsBillDetail(50) && DocumentItems::IsBillDetail(26));
    }
};

QTEST_GUILESS_MAIN(TestDocumentItems)
#include "tst_documentitems.moc"
