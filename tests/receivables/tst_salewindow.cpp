// The receivables window and the payment dialog driven as a user drives them: the list
// of a month, a customer's ledger opened from it, payments entered, replaced, corrected
// and deleted, the refusals of both windows, and the customer put back on closing.
#include "core/Database.h"
#include "core/MessageService.h"
#include "customers/Kivora.h"
#include "printing/KivoraPrintL.h"
#include "receivables/KivoraReceive.h"
#include "receivables/KivoraSale.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb | TestEnv::LayoutDb};
    std::unique_ptr<Database> db = env.openMain();
    FakePrinterService printers{env.path("out")};
    std::unique_ptr<KivoraSale> window;

    Fixture() {
        AppState& s = env.state;
        s.DbMain = db.get();
        s.printers = &printers;
        s.gUserCode = "M1";
        s.gUserName = "本店";
        s.gCaption = "売掛管理";
        db->exec("INSERT INTO 顧客 (Code, Name) VALUES ('1', '一商事'), ('2', '二商店'), "
                 "('3', '三工業')");
    }
    ~Fixture() {
        if (window)
            window->close();
    }
    void open(const QString& month = {}) {
        window = std::make_unique<KivoraSale>(env.state);
        window->show();
        if (!month.isEmpty())
            window->ComboSale->setCurrentText(month);
    }
    void row(const QString& code, qint64 ymd, int docType, double price, double receive,
             int division, const QString& number = {}) {
        db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                 "Division) VALUES (?, ?, ?, ?, ?, ?, ?)",
                 {code, ymd, docType, number, price, receive, division});
    }
    // 印刷 of the current view saved as a PDF (without the company, which the test
    // installation lacks); the text of the file.
    QString printedText() {
        printers.saveAnswer = env.path("list.pdf");
        OnNextModal([this](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPrintL*>(modal);
            QVERIFY(dialog);
            dialog->CheckPrintL[ListCheck::Company]->setChecked(false);
            dialog->BtnPdf->click();
            dialog->close();
        });
        window->MenuJob[SaleMenu::Print]->trigger();
        return PdfProbe::Text(printers.saveAnswer).simplified();
    }
    QString cell(int r, int c) const {
        const QTableWidgetItem* item = window->FxGridSale->item(r, c);
        return item ? item->text() : QString();
    }
    QStringList grid() const {
        QStringList out;
        for (int r = 0; r < window->FxGridSale->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < SaleColumn::Count; ++c)
                cells << cell(r, c);
            out << cells.join('|');
        }
        return out;
    }
    QString labels() const {
        QStringList out;
        for (QLabel* label : window->LabelSale)
            out << label->text();
        return out.join('|') + " " + window->LabelTitle[SaleTitle::Last]->text();
    }
    QString q(const QString& sql) { return db->scalar(sql).toString(); }
    QString payments() {
        QStringList out;
        for (RecordSet rs = db->select("SELECT SaleYMD, Receive, Division FROM 売掛 WHERE "
                                       "DocType = 0 ORDER BY SaleYMD");
             !rs.Eof(); rs.MoveNext())
            out << rs.text("SaleYMD") + ":" + rs.text("Receive") + ":" + rs.text("Division");
        return out.join(' ');
    }
    // Selects grid row `r` as a click does.
    void select(int r) {
        QTableWidget* g = window->FxGridSale;
        g->setCurrentCell(r, 0);
        const QRect cellRect = g->visualRect(g->model()->index(r, 0));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, cellRect.center());
    }
    // The payment dialog, once it opens, gets `day`, `amount` and kind `kind` (0-5) and OK.
    void enterPayment(const QString& day, const QString& amount, int kind = 0) {
        OnNextModal([day, amount, kind](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraReceive*>(modal);
            QVERIFY(dialog);
            if (!day.isEmpty())
                dialog->ComboReceive[ReceiveCombo::Day]->setCurrentText(day);
            dialog->TextReceive->setText(amount);
            dialog->ComboReceive[ReceiveCombo::Kind]->setCurrentIndex(kind);
            dialog->BtnOK->click();
        });
    }
};

} // namespace

class TestSaleWindow : public QObject {
    Q_OBJECT

private slots:
    void opensOnTodaysMonthWithTheList() {
        Fixture f;
        const QDate today = QDate::currentDate();
        const qint64 ymd = today.year() * 10000 + today.month() * 100 + today.day();
        f.row("1", ymd, 2, 1200, 0, 0, "A1");
        f.row("2", 20010210, 2, 800, 0, 0, "B1"); // settled in February 2001
        f.row("2", 20010220, 0, 0, 800, 1);
        f.open();
        KivoraSale& w = *f.window;
        QCOMPARE(w.ComboSale->currentText(), today.toString("yyyy/MM"));
        QCOMPARE(w.ComboSale->itemText(0), "1990/01");
        QCOMPARE(w.ComboSale->itemText(w.ComboSale->count() - 1), "2200/12");
        QCOMPARE(w.FxGridSale->horizontalHeaderItem(2)->text(), "繰越残高");
        QCOMPARE(f.grid(), QStringList({"1|一商事|0|1,200|0|1,200"}));
        QCOMPARE(f.labels(), "||¥1,200|¥0|¥1,200 残高合計");
        QVERIFY(!w.BtnLast->isEnabled() && !w.MenuJob[SaleMenu::List]->isEnabled());
        // 印刷 hands the list to the list printing: the customers with something to show.
        QString title;
        int rows = -1;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPrintL*>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            rows = f.env.state.RsWork.RecordCount();
            QVERIFY(dialog->BtnSort->isHidden());
            dialog->close();
        });
        w.MenuJob[SaleMenu::Print]->trigger();
        QCOMPARE(title, "印刷(売掛一覧)");
        QCOMPARE(rows, 2); // the ledger's rows; the quiet customer is left out when printed
        // The settled customer shows in its months and not in the month after.
        w.ComboSale->setCurrentText("2001/02");
        QCOMPARE(f.grid(), QStringList({"2|二商店|0|800|800|0"}));
        w.ComboSale->setCurrentText("2001/03");
        QCOMPARE(f.grid(), QStringList({"|||||"}));
        QCOMPARE(f.labels(), "||¥0|¥0|¥0 残高合計");
    }

    void paymentCommandsNeedACustomer() {
        Fixture f;
        f.row("1", 20010305, 0, 0, 500, 1);
        f.open("2001/03");
        KivoraSale& w = *f.window;
        // Any payment dialog that opens is counted and closed at once.
        int dialogs = 0;
        QTimer guard;
        guard.setInterval(5);
        QObject::connect(&guard, &QTimer::timeout, [&dialogs] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                ++dialogs;
                modal->close();
            }
        });
        guard.start();
        f.select(0);
        for (int image : {SaleImage::Receive, SaleImage::Correct, SaleImage::Delete})
            w.ImageSaleBar[image]->click();
        for (int item : {SaleMenu::Receive, SaleMenu::Correct, SaleMenu::Delete})
            w.MenuJob[item]->trigger();
        guard.stop();
        QCOMPARE(dialogs, 0);
        QCOMPARE(f.env.messages.texts(), QStringList(6, "顧客を選択してください｡"));
        QCOMPARE(f.payments(), "20010305:500:1");
    }

    void customerLedgerFromTheListAndBack() {
        Fixture f;
        f.row("1", 20010220, 2, 1000, 0, 0, "A0"); // carried over into March
        f.row("1", 20010305, 0, 0, 3000, 2);       // the payment sorts after the sale
        f.row("1", 20010305, 2, 500, 0, 0, "A1");
        f.row("2", 20010310, 2, 700, 0, 0, "B1");
        f.open("2001/03");
        KivoraSale& w = *f.window;
        QCOMPARE(f.grid(),
                 QStringList({"1|一商事|1,000|500|3,000|-1,500", "2|二商店|0|700|0|700"}));
        QCOMPARE(f.labels(), "||¥1,200|¥3,000|-¥800 残高合計");
        const QString list = f.printedText();
        QVERIFY2(list.contains("売掛一覧表") && list.contains("2001/03") &&
                     list.contains("一商事 1,000 500 3,000 -1,500") &&
                     list.contains("700 0 700 1,000 1,200 3,000 -800") && list.contains("合計"),
                 qPrintable(list));
        w.FxGridSale->cellDoubleClicked(0, 0);
        QCOMPARE(w.mode(), int(LedgerMode::Customer));
        QCOMPARE(w.FxGridSale->horizontalHeaderItem(0)->text(), "処理日");
        QCOMPARE(f.grid(),
                 QStringList({"2001/03/05|A1||500|0|1,500", "2001/03/05||小切手|0|3,000|-1,500"}));
        QCOMPARE(f.labels(), "1|一商事|¥500|¥3,000|¥1,000 前月繰越");
        QVERIFY(w.BtnLast->isEnabled() && w.MenuJob[SaleMenu::List]->isEnabled());
        // Printed, the customer's rows run on from the balance carried into March.
        const QString history = f.printedText();
        QVERIFY2(history.contains("取引履歴") && history.contains("一商事") &&
                     history.contains("500 0 1,500 0 3,000 -1,500"),
                 qPrintable(history));
        // Back to the list, and into the other customer by the keyboard.
        w.BtnLast->click();
        QCOMPARE(w.mode(), int(LedgerMode::List));
        w.FxGridSale->setCurrentCell(1, 0);
        w.FxGridSale->setFocus();
        QTest::keyClick(w.FxGridSale, Qt::Key_Return);
        QCOMPARE(f.grid(), QStringList({"2001/03/10|B1||700|0|700"}));
        QCOMPARE(f.env.state.gUserCode, "2");
        // Closing puts the main window's customer back.
        w.close();
        QCOMPARE(f.env.state.gUserCode + f.env.state.gUserName, "M1本店");
    }

    void paymentEnteredReplacedCorrectedAndDeleted() {
        Fixture f;
        f.row("1", 20010305, 2, 5000, 0, 0, "A1");
        f.open("2001/03");
        KivoraSale& w = *f.window;
        w.FxGridSale->cellDoubleClicked(0, 0);

        f.enterPayment("10", "2,000");
        w.ImageSaleBar[SaleImage::Receive]->click();
        QCOMPARE(f.payments(), "20010310:2000:1");
        QCOMPARE(f.grid().last(), "2001/03/10||現金|0|2,000|3,000");
        QCOMPARE(f.env.messages.count(), 0);

        // A second payment of that date asks first; Cancel keeps the first.
        f.env.messages.answer(MsgCancel);
        f.enterPayment("10", "2500", 2);
        w.MenuJob[SaleMenu::Receive]->trigger();
        QCOMPARE(f.env.messages.lastText(), "2001/03/10の入金は既に存在します､上書きで保存します｡");
        QCOMPARE(f.payments(), "20010310:2000:1");
        f.env.messages.answer(MsgOK);
        f.enterPayment("10", "2500", 2);
        w.MenuJob[SaleMenu::Receive]->trigger();
        QCOMPARE(f.payments(), "20010310:2500:3");

        // A correction keeps its day and asks nothing.
        f.env.messages.clear();
        f.select(1);
        QString shown;
        OnNextModal([&shown](QWidget* modal) {
            auto* d = qobject_cast<KivoraReceive*>(modal);
            shown = QStringList{d->Label1[ReceiveMark::Month]->text(),
                                d->ComboReceive[ReceiveCombo::Day]->currentText(),
                                d->ComboReceive[ReceiveCombo::Day]->isEnabled() ? "open" : "locked",
                                d->TextReceive->text(),
                                d->ComboReceive[ReceiveCombo::Kind]->currentText()}
                        .join(' ');
            d->TextReceive->setText("2600");
            d->BtnOK->click();
        });
        w.ImageSaleBar[SaleImage::Correct]->click();
        QCOMPARE(shown, "2001/03/ 10 locked 2500 振込");
        QCOMPARE(f.payments(), "20010310:2600:3");
        QCOMPARE(f.env.messages.count(), 0);

        // Deleting a sale does nothing; deleting the payment asks, and Cancel keeps it.
        f.select(0);
        w.ImageSaleBar[SaleImage::Delete]->click();
        QCOMPARE(f.env.messages.count(), 0);
        f.select(1);
        f.env.messages.answer(MsgCancel);
        w.MenuJob[SaleMenu::Delete]->trigger();
        QCOMPARE(f.env.messages.lastText(), "2001/03/10日の入金を削除します｡");
        QCOMPARE(f.payments(), "20010310:2600:3");
        f.env.messages.answer(MsgOK);
        w.MenuJob[SaleMenu::Delete]->trigger();
        QCOMPARE(f.payments(), "");
        QCOMPARE(f.grid(), QStringList({"2001/03/05|A1||5,000|0|5,000"}));
        QCOMPARE(f.q("SELECT COUNT(*) FROM 売掛"), "1");
    }

    void receiveDialogRefusesAndHandsBack() {
        Fixture f;
        ReceiveParam param;
        param.DateText = "2001/04";
        KivoraReceive dialog(f.env.state, param);
        dialog.show();
        QCOMPARE(dialog.Label1[ReceiveMark::Month]->text(), "2001/04/");
        QCOMPARE(dialog.LabelTitle[ReceiveTitle::Kind]->text(), "入金科目");
        QCOMPARE(dialog.ComboReceive[ReceiveCombo::Kind]->currentText(), "現金");
        const auto ok = [&](const QString& day, const QString& amount) {
            dialog.ComboReceive[ReceiveCombo::Day]->setCurrentText(day);
            dialog.TextReceive->setText(amount);
            dialog.BtnOK->click();
            return f.env.messages.lastText();
        };
        QCOMPARE(ok("30", "0"), "入金額を入力して下さい｡");
        QCOMPARE(ok("30", ""), "入金額を入力して下さい｡");
        QCOMPARE(ok("30", "1O0"), "入金額は数字を入力して下さい｡");
        QCOMPARE(ok("31", "-300"), "正確に入金日を入力して下さい｡");
        QVERIFY(dialog.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(DialogResult::Cancelled));
        dialog.ComboReceive[ReceiveCombo::Kind]->setCurrentIndex(4);
        ok("30", "-300");
        QCOMPARE(f.env.messages.count(), 4);
        QCOMPARE(f.env.state.gResult, qint16(DialogResult::Ok));
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(param.DateText).arg(param.Amount).arg(param.Kind),
                 "20010430 -300 5");
    }

    void mainWindowOpensTheLedger() {
        TestEnv env;
        Kivora main(env.state);
        main.Load();
        main.show();
        QStringList opened;
        const auto record = [&opened](QWidget* modal) {
            opened << modal->objectName() + ":" + modal->windowTitle();
            modal->close();
        };
        OnNextModal(record);
        main.MenuBusiness[BusinessMenu::Receivables]->trigger();
        OnNextModal(record);
        main.ImageWorkBar[WorkBarImage::Receivables]->click();
        QCOMPARE(opened, QStringList(2, "KivoraSale:売掛管理"));
        env.messages.answer(MsgOK); // the quit question
        main.close();
    }
};

KIVORA_TEST(TestSaleWindow)
#include "tst_salewindow.moc"
