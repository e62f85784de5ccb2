// The list windows handing their rows over, and the list display: label marks through a
// sort, export to a chosen folder and to the clipboard, and what stops an export.
#include "core/Cp932.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "customers/Kivora.h"
#include "lists/KivoraDisp.h"
#include "lists/KivoraListG.h"
#include "lists/KivoraListSR.h"
#include "lists/KivoraListU.h"
#include "lists/ListPicker.h"
#include "lists/ListQueries.h"
#include "printing/KivoraPrintL.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    QTemporaryDir folder;
    QString prompt;

    Fixture() {
        env.state.DbMain = db.get();
        env.state.PickFolder = [this](const QString& text) {
            prompt = text;
            return folder.path();
        };
    }
    void customer(const QString& code, const QString& name) {
        db->exec("INSERT INTO 顧客 (Code, Name) VALUES (?, ?)", {code, name});
    }
    // The rows of a list, the way a list window hands them over.
    void handOver(int kind, const RecordSet& rows) {
        env.state.RsWork = rows;
        env.state.gDocType = static_cast<quint8>(kind);
        env.state.gCaption = "一覧";
    }
    QStringList codes(const KivoraDisp& w, int column) const {
        QStringList out;
        for (int r = w.table().HeaderRows; r < w.table().rowCount(); ++r)
            out << w.table().Cells[r][column];
        return out;
    }
};

} // namespace

class TestListWindows : public QObject {
    Q_OBJECT

private slots:
    void labelMarksFollowTheirCustomersThroughASort() {
        Fixture f;
        f.customer("1", "う");
        f.customer("2", "あ");
        f.customer("3", "い");
        f.env.settings().save("SortUser", 0);
        f.env.settings().save("OrderUser", 1);
        f.handOver(ListType::Labels, ListQueries(*f.db).Customers({}).Rows);
        KivoraDisp w(f.env.state);
        QCOMPARE(f.codes(w, 1), QStringList({"1", "2", "3"}));
        QCOMPARE(w.outputMarks(), QList<bool>({true, true, true}));
        w.selectRow(2); // customer 2
        QCOMPARE(w.outputMarks(), QList<bool>({true, false, true}));

        // By name: あ (2), い (3), う (1); the cleared mark stays with customer 2.
        f.env.settings().save("SortUser", 1);
        w.DataDisp();
        QCOMPARE(f.codes(w, 1), QStringList({"2", "3", "1"}));
        QCOMPARE(f.codes(w, 0), QStringList({"×", "○", "○"}));
        w.selectRow(1);
        w.selectRow(3);
        QCOMPARE(w.outputMarks(), QList<bool>({true, true, false}));
        w.selectRow(0); // the header is no customer
        QCOMPARE(w.outputMarks(), QList<bool>({true, true, false}));
        // Without a printer to print on, the label list offers no printing.
        QVERIFY(!w.MenuWork[DispWork::Print]->isEnabled());
        QVERIFY(!w.MenuWork[DispWork::Print]->toolTip().isEmpty());
    }

    void exportsToTheChosenFolderAndTheClipboard() {
        Fixture f;
        f.db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES ('1', 'ネジ', 1200, "
                   "'個'), ('2', 'ボルト', 30, '本')");
        f.env.settings().save("SortGoods", 0);
        f.env.settings().save("OrderGoods", 1);
        f.env.settings().save("TextSeparator", 1);
        f.handOver(ListType::Goods, ListQueries(*f.db).Goods(false).Rows);
        KivoraDisp w(f.env.state);
        w.MenuText[DispText::File]->trigger();
        QVERIFY(f.prompt.contains("ファイル名：SYOUHIN.TXT"));
        QFile file(f.folder.filePath("SYOUHIN.TXT"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(Cp932::encode("\"商品番号\"\t\"品名\"").bytes));
        QCOMPARE(bytes.count("\r\n"), 3);
        QVERIFY(bytes.contains("\"1\"\t"));
        QCOMPARE(f.env.messages.lastText(), "ファイルが終了しました｡");

        // Cancelling the folder picker does nothing.
        f.env.messages.clear();
        f.env.state.PickFolder = [](const QString&) { return QString(); };
        w.MenuText[DispText::File]->trigger();
        QCOMPARE(f.env.messages.count(), 0);

        QApplication::clipboard()->setText("before");
        f.env.messages.answer(MsgCancel);
        w.MenuText[DispText::Clipboard]->trigger();
        QCOMPARE(QApplication::clipboard()->text(), "before");
        QCOMPARE(f.env.messages.lastText(), "クリップボードへデータの出力を行います｡");
        w.MenuText[DispText::Clipboard]->trigger();
        const QString text = QApplication::clipboard()->text();
        QVERIFY(!text.contains('\n'));
        QCOMPARE(text.count('\r'), 3);
        QVERIFY(text.startsWith("\"商品番号\"\t\"品名\""));
        QCOMPARE(f.env.messages.lastText(), "クリップボードが終了しました｡");
    }

    void anUnencodableNameStopsTheExport() {
        Fixture f;
        f.customer("1", "一商事");
        f.customer("2", "김치");
        f.env.settings().save("SortUser", 0);
        f.env.settings().save("OrderUser", 1);
        f.handOver(ListType::Customers, ListQueries(*f.db).Customers({}).Rows);
        KivoraDisp w(f.env.state);
        w.MenuText[DispText::File]->trigger();
        QVERIFY(!QFile::exists(f.folder.filePath("KOKYAKU.TXT")));
        QCOMPARE(f.env.messages.count(), 1);
        // Customer 2's name: the second customer's second row, under three header rows.
        QVERIFY(f.env.messages.lastText().contains("8行目1列目"));
    }

    void listWindowsHandTheirRowsOver() {
        Fixture f;
        f.customer("0010", "一商事");
        f.customer("0020", "二商店");
        AppState& state = f.env.state;
        {
            state.gMode = CustomerListMode::List;
            KivoraListU w(state);
            w.OptionArea[CustomerArea::Range]->setChecked(true);
            w.TextListU[CodeEnd::From]->setText("0010");
            w.TextListU[CodeEnd::To]->setText("00A0");
            // A range that is not numeric ends silently.
            QVERIFY(!w.RunQuery());
            QCOMPARE(f.env.messages.count(), 0);
            w.TextListU[CodeEnd::To]->setText("0015");
            QVERIFY(w.RunQuery());
            QCOMPARE(state.gDocType, ListType::Customers);
            QCOMPARE(state.RsWork.RecordCount(), 1);
            QCOMPARE(state.gHandOff, "顧客範囲:0010～0015");
            w.OptionLayout[CustomerLayout::Cards]->setChecked(true);
            QVERIFY(!w.BtnDisp->isEnabled());
            QVERIFY(w.RunQuery());
            QCOMPARE(state.gDocType, ListType::CustomerCards);
        }
        {
            state.gMode = CustomerListMode::Labels;
            KivoraListU w(state);
            QCOMPARE(w.BtnDisp->text(), "開始(&S)");
            QVERIFY(w.FrameLayout->isHidden() && w.BtnPrint->isHidden());
            QVERIFY(w.RunQuery());
            QCOMPARE(state.gDocType, ListType::Labels);
            QCOMPARE(state.RsWork.RecordCount(), 2);
        }
        {
            KivoraListG w(state);
            QVERIFY(!w.RunQuery());
            QCOMPARE(state.gResult, -1);
            QCOMPARE(f.env.messages.lastText(), "商品は見つかりませんでした｡");
        }
        {
            f.db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, Receive, Division) VALUES "
                       "('0010', 20240105, 300, 2), ('0020', 20240105, 500, 1)");
            state.gMode = DayListMode::Payments;
            KivoraListSR w(state);
            QVERIFY(!w.FrameKind->isHidden());
            w.LabelListSR[DayPart::Year]->setValue(2024);
            w.LabelListSR[DayPart::Month]->setValue(1);
            w.LabelListSR[DayPart::Day]->setValue(5);
            QCOMPARE(w.LabelListSR[DayPart::Month]->Label->text(), "01");
            w.ComboListSR->setCurrentIndex(2);
            QVERIFY(w.RunQuery());
            QCOMPARE(state.gDocType, ListType::DayPayments);
            QCOMPARE(state.RsWork.RecordCount(), 1);
            QCOMPARE(state.RsWork.text("Code"), "0010");
        }
    }

    // 印刷 runs the query and goes on to the list printing only with rows; the list
    // display's 印刷 prints its list the same way.
    void printOpensTheListPrintingWithRows() {
        Fixture f;
        FakePrinterService printers{f.env.path("out")};
        AppState& state = f.env.state;
        state.printers = &printers;
        QStringList opened;
        const auto expectDialog = [&opened, &state] {
            OnNextModal([&opened, &state](QWidget* modal) {
                auto* dialog = qobject_cast<KivoraPrintL*>(modal);
                QVERIFY(dialog);
                opened << dialog->windowTitle() + "|" + QString::number(state.RsWork.RecordCount());
                dialog->close();
            });
        };
        {
            KivoraListG w(state);
            w.BtnPrint->click();
            QCOMPARE(f.env.messages.lastText(), "商品は見つかりませんでした｡");
            QVERIFY(opened.isEmpty());
        }
        f.customer("0010", "一商事");
        f.customer("0020", "二商店");
        {
            state.gMode = CustomerListMode::List;
            KivoraListU w(state);
            expectDialog();
            w.BtnPrint->click();
            QCOMPARE(opened, QStringList({"印刷(" + state.gCaption + ")|2"}));
        }
        f.handOver(ListType::Customers, state.RsWork);
        KivoraDisp display(state);
        QVERIFY(display.MenuWork[DispWork::Print]->isEnabled());
        expectDialog();
        display.MenuWork[DispWork::Print]->trigger();
        QCOMPARE(opened.size(), 2);
        QCOMPARE(opened.last(), "印刷(一覧)|2");
    }

    void mainMenuOpensTheListWindows() {
        TestEnv env;
        Kivora main(env.state);
        main.Load();
        main.show();
        QStringList opened;
        for (int item : {ListMenu::Customers, ListMenu::Staff, ListMenu::Goods, ListMenu::Sales,
                         ListMenu::Receipts}) {
            OnNextModal([&opened](QWidget* modal) {
                opened << modal->objectName() + ":" + modal->windowTitle();
                modal->close();
            });
            main.MenuList[item]->trigger();
        }
        QCOMPARE(opened, QStringList({"KivoraListU:顧客一覧", "KivoraListC:担当者一覧",
                                      "KivoraListG:商品一覧", "KivoraListSR:売上一覧",
                                      "KivoraListSR:入金一覧"}));
        env.messages.answer(MsgOK); // the quit question
        main.close();
    }
};

KIVORA_TEST(TestListWindows)
#include "tst_listwindows.moc"
