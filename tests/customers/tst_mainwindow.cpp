// The main window driven as a user drives it: typing customers through the keyboard,
// every refusal of a save in its order, stepping, deleting, classes, postal lookup and
// the reading of a name typed through the input method.
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "customers/Kivora.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "documents/KivoraSlip.h"
#include "masters/KivoraCompany.h"
#include "masters/KivoraRegist.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Kivora> window;

    Fixture() {
        env.state.AppTitle = QStringLiteral("Kivora");
        window = std::make_unique<Kivora>(env.state);
        window->Load();
        window->show();
    }
    ~Fixture() {
        env.messages.answer(MsgOK); // the quit question
        window->close();
    }
    Database& db() { return *env.state.DbMain; }
    void addCustomer(const QString& code, const QString& name, const QString& cls = QString()) {
        db().exec(QStringLiteral("INSERT INTO 顧客 (Code, Name, Class, ZipCode, BusinessYMD, Excise, "
                                 "Fraction, ClosingDay, Payment, Mail, ClosingType) "
                                 "VALUES (?, ?, ?, '123', 20010401, 8, 2, 20, 10, 1, 1)"),
                  {code, name, cls});
    }
    void type(int field, const QString& text) {
        window->TextSlip[field]->setFocus();
        window->TextSlip[field]->setText(text);
    }
    void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    QWidget* focused() const { return QApplication::focusWidget(); }
    int rows(const QString& sql, const QVariantList& values = {}) {
        return env.state.DbMain->scalar(sql, values).toInt();
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void newCustomerTakesCompanyDefaults() {
        Fixture f;
        f.db().exec(QStringLiteral("UPDATE 自社情報 SET Excise = 8, ExciseFraction = 1, PriceFraction = 2, "
                                   "ClosingDay = 20, Payment = 10"));
        f.window->DataNew();
        Kivora& w = *f.window;
        QCOMPARE(w.ComboSlip[3]->currentText(), QStringLiteral("8%"));
        QCOMPARE(w.ComboSlip[4]->currentText(), QStringLiteral("四捨五入"));
        QCOMPARE(w.ComboSlip[5]->currentText(), QStringLiteral("20"));
        QCOMPARE(w.ComboSlip[6]->currentText(), QStringLiteral("10"));
        QCOMPARE(w.ComboSlip[7]->currentText(), QStringLiteral("する"));
        QVERIFY(w.OptionSlip[0]->isChecked());
        QCOMPARE(w.ComboSlip[0]->currentText(), QString::number(QDate::currentDate().year()));
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
        QCOMPARE(f.env.state.gFraction, quint8(1));
        QVERIFY(f.env.state.gUserCode.isEmpty());
    }

    void unknownCodeKeepsTheCode() {
        Fixture f;
        f.addCustomer(QStringLiteral("1"), QStringLiteral("山田商店"));
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.type(0, QStringLiteral("1"));
        f.enter(f.window->TextSlip[0]);
        QCOMPARE(f.window->TextSlip[1]->text(), QStringLiteral("山田商店"));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("1"));
        QCOMPARE(f.focused(), f.window->ComboSlip[0]);
        f.type(0, QStringLiteral("77"));
        f.enter(f.window->TextSlip[0]);
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("77"));
        QVERIFY(f.window->TextSlip[1]->text().isEmpty());
        QVERIFY(f.env.state.gUserCode.isEmpty());
        // A forbidden character is refused and the focus stays.
        f.type(0, QStringLiteral("1!"));
        f.enter(f.window->TextSlip[0]);
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("以下の文字は使用出来ません。\r !"));
        QCOMPARE(f.focused(), f.window->TextSlip[0]);
    }

    void saveRefusalsInOrder_data() {
        QTest::addColumn<QStringList>("fields"); // code, name, zip1, zip2, address1
        QTest::addColumn<QString>("message");
        QTest::newRow("forbidden in name")
            << QStringList{"1", "山田#", "", "", ""} << QStringLiteral("以下の文字は使用出来ません。\r #");
        QTest::newRow("code checked whole before the name")
            << QStringList{"1a", "山田#", "", "", ""} << QStringLiteral("顧客番号は数字を入力して下さい｡");
        QTest::newRow("full-width code") << QStringList{"１", "山田", "", "", ""}
                                         << QStringLiteral("以下の文字は使用出来ません。\r 漢字(全角)");
        QTest::newRow("non-numeric code") << QStringList{"1a", "山田", "", "", ""}
                                          << QStringLiteral("顧客番号は数字を入力して下さい｡");
        QTest::newRow("decimal code") << QStringList{"1.5", "山田", "", "", ""}
                                      << QStringLiteral("顧客番号は数字を入力して下さい｡");
        QTest::newRow("first postal field") << QStringList{"1", "山田", "1a0", "", ""}
                                       << QStringLiteral("郵便番号は数字を入力して下さい｡");
        QTest::newRow("second postal field") << QStringList{"1", "山田", "100", "00x1", ""}
                                       << QStringLiteral("郵便番号は数字を入力して下さい｡");
        QTest::newRow("empty code") << QStringList{"", "山田", "", "", ""}
                                    << QStringLiteral("顧客番号を入力して下さい｡");
        QTest::newRow("empty name") << QStringList{"1", "", "", "", ""}
                                    << QStringLiteral("顧客名を入力して下さい｡");
        QTest::newRow("forbidden in address") << QStringList{"1", "山田", "", "", "1-2|3"}
                                              << QStringLiteral("以下の文字は使用出来ません。\r |");
    }

    void saveRefusalsInOrder() {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        Fixture f;
        const int columns[] = {0, 1, 4, 5, 6};
        for (int i = 0; i < 5; ++i)
            f.window->TextSlip[columns[i]]->setText(fields[i]);
        f.window->DataSave();
        QCOMPARE(f.env.messages.texts(), QStringList{message});
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 0);
    }

    void saveNewThenOverwrite() {
        Fixture f;
        Kivora& w = *f.window;
        w.TextSlip[0]->setText(QStringLiteral("120"));
        w.TextSlip[1]->setText(QStringLiteral("株式会社見本"));
        w.TextSlip[4]->setText(QStringLiteral("100"));
        w.TextSlip[6]->setText(QStringLiteral("東京都千代田区"));
        w.ComboSlip[5]->setCurrentIndex(19); // closing day 20
        w.OptionSlip[1]->setChecked(true);
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("顧客番号[120]を保存します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 0);
        QCOMPARE(w.TextSlip[1]->text(), QStringLiteral("株式会社見本")); // form unchanged

        w.DataSave(); // answered OK
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 1);
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("120"));
        QCOMPARE(f.env.state.gClosingDay, quint8(20));
        QCOMPARE(f.env.state.gClosingType, quint8(1));
        QCOMPARE(w.UserNum, 1);
        RecordSet rs = f.db().select(QStringLiteral("SELECT * FROM 顧客 WHERE Code = '120'"));
        QCOMPARE(rs.text("ZipCode"), QStringLiteral("100")); // no "-" without a second part
        QCOMPARE(rs.value("ClosingType").toInt(), 1);
        QCOMPARE(rs.value("BusinessYMD").toLongLong(), QDate::currentDate().toString("yyyyMMdd").toLongLong());
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 前回伝票 WHERE UserCode = '120'")), 1);

        // An existing customer: overwrite only after OK, and the unused columns are reset.
        f.db().exec(QStringLiteral("UPDATE 顧客 SET Bank = 'x', AccountType = 3 WHERE Code = '120'"));
        w.TextSlip[1]->setText(QStringLiteral("見本商事"));
        w.TextSlip[5]->setText(QStringLiteral("0001"));
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(),
                 QStringLiteral("顧客番号[120]は既に存在します､上書きで保存します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QCOMPARE(f.db().scalar(QStringLiteral("SELECT Name FROM 顧客")).toString(), QStringLiteral("株式会社見本"));
        w.DataSave();
        rs = f.db().select(QStringLiteral("SELECT * FROM 顧客 WHERE Code = '120'"));
        QCOMPARE(rs.text("Name"), QStringLiteral("見本商事"));
        QCOMPARE(rs.text("ZipCode"), QStringLiteral("100-0001"));
        QCOMPARE(rs.text("Bank"), QString());
        QCOMPARE(rs.value("AccountType").toInt(), 0);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 前回伝票")), 1);
    }

    void readBackShowsEveryField() {
        Fixture f;
        f.db().exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES ('A1', '小売')"));
        f.addCustomer(QStringLiteral("5"), QStringLiteral("田中"), QStringLiteral("A1"));
        f.window->TextSlip[0]->setText(QStringLiteral("5"));
        QVERIFY(f.window->DataRead(0));
        Kivora& w = *f.window;
        QCOMPARE(w.TextSlip[4]->text(), QStringLiteral("123")); // stored without "-"
        QVERIFY(w.TextSlip[5]->text().isEmpty());
        QCOMPARE(w.ComboSlip[0]->currentText(), QStringLiteral("2001"));
        QCOMPARE(w.ComboSlip[1]->currentText(), QStringLiteral("04"));
        QCOMPARE(w.ComboSlip[2]->currentText(), QStringLiteral("01"));
        QCOMPARE(w.ComboSlip[3]->currentText(), QStringLiteral("8%"));
        QCOMPARE(w.ComboSlip[4]->currentText(), QStringLiteral("切り上げ"));
        QCOMPARE(w.ComboSlip[5]->currentText(), QStringLiteral("20"));
        QCOMPARE(w.ComboSlip[6]->currentText(), QStringLiteral("10"));
        QCOMPARE(w.ComboSlip[7]->currentText(), QStringLiteral("しない"));
        QVERIFY(w.OptionSlip[1]->isChecked());
        QCOMPARE(w.LabelClass->text(), QStringLiteral("小売"));
        QCOMPARE(f.env.state.gExcise, 8.0);
        QCOMPARE(f.env.state.gFraction, quint8(2));
    }

    void customerLimit() {
        Fixture f;
        {
            Transaction tx(f.db());
            for (int i = 1; i <= 30000; ++i)
                f.db().exec(QStringLiteral("INSERT INTO 顧客 (Code, Name) VALUES (?, 'x')"), {QString::number(i)});
            tx.commit();
        }
        f.window->DataNew();
        QCOMPARE(f.window->UserNum, 30000);
        f.window->TextSlip[0]->setText(QStringLiteral("30001"));
        f.window->TextSlip[1]->setText(QStringLiteral("超過"));
        f.window->DataSave();
        QCOMPARE(f.env.messages.texts(), QStringList{QStringLiteral("登録限度を超えました｡")});
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 30000);
        // An existing customer can still be saved at the limit.
        f.window->TextSlip[0]->setText(QStringLiteral("17"));
        f.window->DataSave();
        QCOMPARE(f.db().scalar(QStringLiteral("SELECT Name FROM 顧客 WHERE Code = '17'")).toString(),
                 QStringLiteral("超過"));
    }

    void steppingInTextOrder() {
        Fixture f;
        for (const char* code : {"2", "10", "9"})
            f.addCustomer(QString::fromLatin1(code), QStringLiteral("客") + QString::fromLatin1(code));
        Kivora& w = *f.window;
        auto code = [&] { return w.TextSlip[0]->text(); };
        // From an empty code: previous shows the first, next the second (text order).
        w.DataMove(1);
        QCOMPARE(code(), QStringLiteral("10"));
        w.TextSlip[0]->clear();
        w.DataMove(2);
        QCOMPARE(code(), QStringLiteral("2"));
        w.DataMove(2);
        QCOMPARE(code(), QStringLiteral("9"));
        w.DataMove(2); // next on the last stays there
        QCOMPARE(code(), QStringLiteral("9"));
        w.DataMove(0);
        QCOMPARE(code(), QStringLiteral("10"));
        w.DataMove(1); // previous on the first stays there
        QCOMPARE(code(), QStringLiteral("10"));
        w.DataMove(3);
        QCOMPARE(code(), QStringLiteral("9"));
        QCOMPARE(w.TextSlip[1]->text(), QStringLiteral("客9"));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("9"));
        w.TextSlip[0]->setText(QStringLiteral("55")); // not a customer: starts at the first
        w.DataMove(2);
        QCOMPARE(code(), QStringLiteral("2"));
    }

    void deleteKeepsDocuments() {
        Fixture f;
        f.addCustomer(QStringLiteral("8"), QStringLiteral("削除候補"));
        f.db().exec(QStringLiteral("INSERT INTO 前回伝票 (UserCode) VALUES ('8')"));
        f.db().exec(QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD) VALUES ('8', 2, '1', 20010401)"));
        f.db().exec(QStringLiteral("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price) VALUES ('8', 20010401, 2, '1', 1000)"));
        f.window->TextSlip[0]->setText(QStringLiteral("8"));
        f.window->DataRead(0);
        f.env.messages.answer(MsgCancel);
        f.window->DataDelete();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("顧客番号[8]を削除します｡"));
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 1);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 前回伝票")), 1);
        f.window->DataDelete();
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 顧客")), 0);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 前回伝票")), 0);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 伝票管理")), 1);
        QCOMPARE(f.rows(QStringLiteral("SELECT COUNT(*) FROM 売掛")), 1);
        QVERIFY(f.window->TextSlip[0]->text().isEmpty()); // a new, empty customer
        f.window->TextSlip[0]->setText(QStringLiteral("x"));
        f.window->DataDelete();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("顧客番号は数字を入力して下さい｡"));
    }

    void classCodes() {
        Fixture f;
        f.db().exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES ('01', '卸')"));
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->TabStripSlip->setCurrentIndex(1);
        f.type(17, QStringLiteral("01"));
        f.enter(f.window->TextSlip[17]);
        QCOMPARE(f.window->LabelClass->text(), QStringLiteral("卸"));
        QCOMPARE(f.focused(), f.window->ComboSlip[3]);
        f.type(17, QStringLiteral("99"));
        f.enter(f.window->TextSlip[17]);
        QVERIFY(f.window->LabelClass->text().isEmpty());
        QCOMPARE(f.focused(), f.window->TextSlip[17]); // not found: stay
        // An unknown class is saved as empty.
        f.window->TextSlip[0]->setText(QStringLiteral("3"));
        f.window->TextSlip[1]->setText(QStringLiteral("分類なし"));
        f.window->DataSave();
        QCOMPARE(f.db().scalar(QStringLiteral("SELECT Class FROM 顧客 WHERE Code = '3'")).toString(), QString());
    }

    void searchesFillTheForm() {
        Fixture f;
        f.db().exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES ('07', '官公庁')"));
        f.addCustomer(QStringLiteral("31"), QStringLiteral("本田商会"));
        f.addCustomer(QStringLiteral("32"), QStringLiteral("佐藤電機"));
        // The customer search: the second customer by name.
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraFindUser*>(modal);
            QVERIFY(dialog);
            dialog->OptFindUser[1]->click();
            dialog->TextFindUser->setText(QStringLiteral("佐藤"));
            dialog->BtnFind->click();
            dialog->BtnOK->click();
        });
        f.window->ToolButton[4]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("32"));
        QCOMPARE(f.window->TextSlip[1]->text(), QStringLiteral("佐藤電機"));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("32"));
        // Cancelled: the form stays as it was.
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraFindUser*>(modal)->BtnCancel->click(); });
        f.window->MenuBusiness[4]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("32"));
        // The class search puts the chosen code and its name into the form.
        f.window->TabStripSlip->setCurrentIndex(1);
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraFindItem*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("分類検索"));
            dialog->BtnFind->click(); // the empty first search lists all after the question
            dialog->BtnOK->click();
        });
        f.window->BtnClass->click();
        QCOMPARE(f.window->TextSlip[17]->text(), QStringLiteral("07"));
        QCOMPARE(f.window->LabelClass->text(), QStringLiteral("官公庁"));
    }

    void enterRoutes() {
        Fixture f;
        Kivora& w = *f.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.TabStripSlip->setCurrentIndex(0);
        f.type(2, QString());
        f.enter(w.TextSlip[2]);
        QCOMPARE(f.focused(), w.TextSlip[3]); // page 1: reading → honorific
        f.enter(w.TextSlip[3]);
        QCOMPARE(f.focused(), w.TextSlip[4]);
        f.type(16, QString());
        f.enter(w.TextSlip[16]);
        QCOMPARE(f.focused(), w.TextSlip[0]);
        w.TabStripSlip->setCurrentIndex(1);
        f.type(2, QString());
        f.enter(w.TextSlip[2]);
        QCOMPARE(f.focused(), w.TextSlip[17]); // page 2: reading → class code
        w.ComboSlip[2]->setFocus();
        f.enter(w.ComboSlip[2]);
        QCOMPARE(f.focused(), w.TextSlip[1]);
        w.ComboSlip[3]->setFocus();
        f.enter(w.ComboSlip[3]);
        QCOMPARE(f.focused(), w.ComboSlip[4]);
        w.ComboSlip[7]->setFocus();
        f.enter(w.ComboSlip[7]);
        QCOMPARE(f.focused(), w.TextSlip[0]);
        // Delete does not empty a list's choice.
        w.ComboSlip[4]->setFocus();
        QTest::keyClick(w.ComboSlip[4], Qt::Key_Delete);
        QVERIFY(w.ComboSlip[4]->currentIndex() >= 0);
    }

    void documentNeedsAStoredCustomer() {
        Fixture f;
        QList<int> opened;
        f.window->SetDocumentOpener([&opened](int type) { opened << type; });
        f.window->TextSlip[0]->setText(QStringLiteral("4"));
        f.window->TextSlip[1]->setText(QStringLiteral("未保存"));
        QVERIFY(!f.window->OpenDocument(2, QStringLiteral("納品書(&D)")));
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("顧客を選択してください｡"));
        f.window->DataSave();
        QVERIFY(f.window->OpenDocument(2, QStringLiteral("納品書(&D)")));
        QCOMPARE(opened, QList<int>{2});
        QCOMPARE(f.env.state.gCaption, QStringLiteral("納品書"));
        QCOMPARE(f.env.state.gUserName, QStringLiteral("未保存"));
        QCOMPARE(f.env.state.RsWork.text("Code"), QStringLiteral("4"));
        // Deleted behind the window's back: refused again.
        f.db().exec(QStringLiteral("DELETE FROM 顧客"));
        QVERIFY(!f.window->OpenDocument(0, QStringLiteral("見積書(&E)")));
    }

    void deliveryNoteOpensForTheCustomer() {
        Fixture f;
        f.addCustomer(QStringLiteral("40"), QStringLiteral("岡田商店"));
        f.window->TextSlip[0]->setText(QStringLiteral("40"));
        f.window->DataRead(0);
        // Documents with a window are offered; receipts, bills and the ledger wait.
        QVERIFY(f.window->MenuSlip[2]->isEnabled());
        QVERIFY(f.window->MenuBill[0]->isEnabled());
        QVERIFY(!f.window->MenuSlip[4]->isEnabled());
        QVERIFY(!f.window->MenuBill[1]->isEnabled());
        QVERIFY(!f.window->ImageWorkBar[5]->isEnabled());
        QString title;
        OnNextModal([&title](QWidget* modal) {
            title = modal->windowTitle();
            QVERIFY(qobject_cast<KivoraSlip*>(modal));
            modal->close();
        });
        f.window->MenuSlip[2]->trigger();
        QCOMPARE(title, QStringLiteral("納品書 [岡田商店]"));
        QCOMPARE(f.env.state.gDocType, quint8(2));
    }

    void registrationMenus() {
        Fixture f;
        QString company;
        OnNextModal([&company](QWidget* modal) {
            company = modal->windowTitle();
            QVERIFY(qobject_cast<KivoraCompany*>(modal));
            qobject_cast<KivoraCompany*>(modal)->BtnCancel->click();
        });
        f.window->MenuRegist[0]->trigger();
        QCOMPARE(f.env.state.gCaption, QStringLiteral("自社情報"));
        QVERIFY(!company.isEmpty());
        // Goods, then in place set goods, then done: the list reopens while it asks to.
        QStringList titles;
        std::function<void(QWidget*)> drive = [&](QWidget* modal) {
            auto* list = qobject_cast<KivoraRegist*>(modal);
            QVERIFY(list);
            titles << list->windowTitle();
            if (titles.size() == 1) {
                OnNextModal(drive);
                list->BtnSet->click();
            } else {
                list->BtnEnd->click();
            }
        };
        OnNextModal(drive);
        f.window->MenuRegist[3]->trigger();
        QCOMPARE(titles, (QStringList{QStringLiteral("商品の登録"), QStringLiteral("セット商品の登録")}));
        // Classes are kind 4.
        OnNextModal([&titles](QWidget* modal) {
            titles << modal->windowTitle();
            qobject_cast<KivoraRegist*>(modal)->BtnEnd->click();
        });
        f.window->MenuRegist[4]->trigger();
        QCOMPARE(titles.last(), QStringLiteral("顧客分類の登録"));
    }

    void postalLookupFillsTheForm() {
        Fixture f;
        Kivora& w = *f.window;
        w.TextSlip[4]->setText(QStringLiteral("100"));
        w.TextSlip[5]->setText(QStringLiteral("0005"));
        w.PostLookup();
        QVERIFY(w.List_Zip->isVisibleTo(&w));
        QCOMPARE(w.List_Zip->count(), 3);
        QCOMPARE(w.List_Zip->item(0)->text(), QStringLiteral("(ｷｬﾝｾﾙ)"));
        w.TakeZipEntry(w.List_Zip->item(1)->text());
        QCOMPARE(w.TextSlip[6]->text(), QStringLiteral("東京都千代田区丸の内"));
        QVERIFY(!w.List_Zip->isVisibleTo(&w));
        // Both code and address filled: nothing happens.
        f.env.messages.clear();
        w.PostLookup();
        QVERIFY(!w.List_Zip->isVisibleTo(&w));
        QCOMPARE(f.env.messages.count(), 0);
        // Address to code.
        w.TextSlip[4]->clear();
        w.TextSlip[5]->clear();
        w.TextSlip[6]->setText(QStringLiteral("東京都千代田区千代田"));
        w.PostLookup();
        QCOMPARE(w.List_Zip->count(), 2);
        w.TakeZipEntry(w.List_Zip->item(1)->text());
        QCOMPARE(w.TextSlip[4]->text(), QStringLiteral("100"));
        QCOMPARE(w.TextSlip[5]->text(), QStringLiteral("0001"));
        // Not found.
        w.TextSlip[4]->setText(QStringLiteral("999"));
        w.TextSlip[5]->clear();
        w.TextSlip[6]->clear();
        w.PostLookup();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("見つかりませんでした。"));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("〒<=>住所検索"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Information);
    }

    void readingOfATypedName() {
        Fixture f;
        Kivora& w = *f.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.TextSlip[1]->setText(QStringLiteral("株"));
        w.TextSlip[2]->setText(QStringLiteral("ｶﾌﾞ"));
        w.TextSlip[1]->setFocus();
        QCoreApplication::processEvents(); // the field selects its whole text on entry
        QVERIFY(w.TextSlip[1]->hasSelectedText());
        w.TextSlip[1]->end(false); // add to the name rather than replace it
        auto send = [&](const QString& preedit, const QString& commit) {
            QInputMethodEvent event(preedit, {});
            if (!commit.isNull())
                event.setCommitString(commit);
            QApplication::sendEvent(w.TextSlip[1], &event);
        };
        send(QStringLiteral("や"), QString());
        send(QStringLiteral("やまだ"), QString());
        send(QStringLiteral("山田"), QString());
        send(QString(), QStringLiteral("山田"));
        send(QString(), QString());
        QCOMPARE(w.TextSlip[1]->text(), QStringLiteral("株山田"));
        QCOMPARE(w.TextSlip[2]->text(), QStringLiteral("ｶﾌﾞ")); // filled only on leaving
        w.TextSlip[3]->setFocus();
        QCOMPARE(w.TextSlip[2]->text(), QStringLiteral("ｶﾌﾞﾔﾏﾀﾞ"));
        // Typing over the whole name empties the name for a moment, and with it the old
        // reading: the new name gets only its own reading.
        w.TextSlip[1]->setFocus();
        QCoreApplication::processEvents();
        send(QStringLiteral("かわ"), QString());
        send(QStringLiteral("川"), QString());
        send(QString(), QStringLiteral("川"));
        w.TextSlip[3]->setFocus();
        QCOMPARE(w.TextSlip[1]->text(), QStringLiteral("川"));
        QCOMPARE(w.TextSlip[2]->text(), QStringLiteral("ｶﾜ"));
        // Emptying the name empties the reading.
        w.TextSlip[1]->clear();
        QVERIFY(w.TextSlip[2]->text().isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
