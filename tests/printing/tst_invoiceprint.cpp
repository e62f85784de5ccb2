// Qualified invoices on paper: every delivered document and bill layout, printed to a PDF
// for a registered company with food at the reduced rate beside standard goods, carries
// the registration number, the amount and tax per rate and the reduced-rate note.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "documents/BillStore.h"
#include "documents/DocumentStore.h"
#include "masters/CompanyStore.h"
#include "printing/BillPrint.h"
#include "printing/LayoutTables.h"
#include "printing/PrinterCanvas.h"
#include "printing/SlipPrint.h"
#include "support/FakePrinterService.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QPrinter>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    Database layoutDb{env.state.DbNames[1], LayoutDbMarkerTable()};

    // Customer 1 at 10 %, tax truncated; the company registered; per type a stored
    // document or bill "N1": 1,000 of goods and 500 of food at 8 %.
    Fixture() {
        db->exec(u"INSERT INTO 顧客 (Code, Name, Prefix1, Excise, Fraction) "
                 "VALUES ('1', '山田商店', '様', 10, 0)"_s);
        CompanyRow company = CompanyStore(*db).Read().value();
        company.RegistNumber = u"T7000012050002"_s;
        CompanyStore(*db).Write(company);
        QList<SlipLine> lines(2);
        lines[0].Goods = u"ボールペン"_s;
        lines[0].Price = 1000;
        lines[1].Goods = u"緑茶"_s;
        lines[1].Price = 500;
        lines[1].TaxType = TaxClass::Reduced;
        for (int type = 0; type <= 3; ++type) {
            SlipHeader h;
            h.UserCode = u"1"_s;
            h.DocType = type;
            h.DocNumber = u"N1"_s;
            h.IssueYMD = 20261005;
            DocumentStore(*db).Save(h, lines, 1540);
        }
        for (int type : {4, 5}) {
            Bill bill;
            bill.UserCode = u"1"_s;
            bill.DocType = type;
            bill.Number = u"N1"_s;
            bill.IssueYMD = 20261031;
            for (const SlipLine& l : lines)
                bill.Lines << BillLine{int(bill.Lines.size()) + 1,
                                       bill.Lines.isEmpty() ? 20261005 : 0,
                                       u"N1"_s,
                                       l.Goods,
                                       {},
                                       {},
                                       {},
                                       l.Price,
                                       {},
                                       l.TaxType};
            BillStore(*db).Save(bill);
        }
        for (int type = 0; type <= 5; ++type)
            env.settings().save(u"S%1Company"_s.arg(type), 1);
    }

    // The text of layout `kind` printed to a PDF.
    QString print(const DocumentLayoutKind& kind) {
        const QString file = env.path(u"layout-%1.pdf"_s.arg(kind.Code));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            PrinterCanvas canvas(printer);
            bool printed = false;
            if (kind.DocType <= 3) {
                SlipPrintHeader header;
                header.DocType = kind.DocType;
                header.UserCode = u"1"_s;
                header.UserName = u"山田商店"_s;
                header.Number = u"N1"_s;
                printed = SlipPrint::PrintSlip(canvas, *db, layoutDb, env.settings(), env.messages,
                                               u"印刷"_s, u"#,#0"_s, kind.Code, header);
            } else {
                BillPrintHeader header;
                header.ClosingYMD = 20261031;
                header.Number = u"N1"_s;
                printed = BillPrint::PrintBill(canvas, *db, layoutDb, env.settings(), env.messages,
                                               u"印刷"_s, u"#,#0"_s, kind.Code, kind.DocType,
                                               u"1"_s, u"山田商店"_s, header);
            }
            if (!printed)
                return {};
        }
        return PdfProbe::Text(file);
    }
};

} // namespace

class TestInvoicePrint : public QObject {
    Q_OBJECT

private slots:
    void everyDeliveredFormCarriesTheInvoiceItems() {
        Fixture f;
        int layouts = 0;
        for (int type = 0; type <= 5; ++type) {
            for (const DocumentLayoutKind& kind : LayoutTables::DocumentLayouts(f.layoutDb, type)) {
                ++layouts;
                const QString text = f.print(kind);
                for (const QString& expected :
                     {u"登録番号 T7000012050002"_s, u"10%対象 ¥1,000 / 消費税 ¥100"_s,
                      u"8%対象※ ¥500 / 消費税 ¥40"_s, u"※は軽減税率対象"_s})
                    QVERIFY2(text.contains(expected),
                             qPrintable(kind.Name + u": no "_s + expected + u"\n"_s + text));
            }
        }
        QCOMPARE(layouts, 10);
    }
};

KIVORA_TEST(TestInvoicePrint)
#include "tst_invoiceprint.moc"
