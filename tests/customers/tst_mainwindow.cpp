// The main window as a user drives it: the checks and questions before a customer is
// stored, and what a stored customer brings into the form and the state the documents use.
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "customers/Kivora.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Kivora> window;

    Fixture() {
        window = std::make_unique<Kivora>(env.state);
        window->Load();
        window->show();
    }
    ~Fixture() {
        env.messages.answer(MsgOK); // the quit question
        window->close();
    }
    Database& db() { return *env.state.DbMain; }
    void fill(std::initializer_list<std::pair<int, const char*>> fields) {
        for (const auto& [field, text] : fields)
            window->TextSlip[field]->setText(QString::fromUtf8(text));
    }
    QString value(const QString& sql) { return db().scalar(sql).toString(); }
    // The tax rate, rounding, closing day, payment and mail lists.
    QString terms() const {
        QStringList shown;
        for (int i = 3; i <= 7; ++i)
            shown << window->ComboSlip[i]->currentText();
        return shown.join(' ');
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void saveRefusalsInOrder_data() {
        QTest::addColumn<QStringList>("fields"); // code, name, zip1, zip2, address1
        QTest::addColumn<QString>("message");
        const QString forbidden = "以下の文字は使用出来ません。\r ";
        // clang-format off
        QTest::newRow("code checked whole before the name") << QStringList{"1.5", "山田#", "", "", ""} << "顧客番号は数字を入力して下さい｡";
        QTest::newRow("forbidden in name") << QStringList{"1", "山田#", "", "", ""} << forbidden + "#";
        QTest::newRow("full-width code") << QStringList{"１", "山田", "", "", ""} << forbidden + "漢字(全角)";
        QTest::newRow("second postal field") << QStringList{"1", "山田", "100", "00x1", ""} << "郵便番号は数字を入力して下さい｡";
        QTest::newRow("empty code") << QStringList{"", "山田", "", "", ""} << "顧客番号を入力して下さい｡";
        QTest::newRow("forbidden in address") << QStringList{"1", "山田", "", "", "1-2|3"} << forbidden + "|";
        // clang-format on
    }
    void saveRefusalsInOrder() {
        QFETCH(QStringList, fields);
        Fixture f;
        const int columns[] = {0, 1, 4, 5, 6};
        for (int i = 0; i < 5; ++i)
            f.window->TextSlip[columns[i]]->setText(fields[i]);
        f.window->DataSave();
        QTEST(f.env.messages.texts().join('\n'), "message");
        QCOMPARE(f.value("SELECT COUNT(*) FROM 顧客"), "0");
    }

    void saveAsksAndCancelWritesNothing() {
        Fixture f;
        Kivora& w = *f.window;
        f.fill({{0, "120"}, {1, "株式会社見本"}, {4, "100"}, {17, "99"}}); // 99: no such class
        w.ComboSlip[5]->setCurrentIndex(19);                               // closing day 20
        w.OptionSlip[1]->setChecked(true);
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(), "顧客番号[120]を保存します｡");
        QCOMPARE(f.value("SELECT COUNT(*) FROM 顧客"), "0");
        w.DataSave(); // answered OK
        // No "-" without a second postal part; an unknown class is stored as none.
        QCOMPARE(f.value("SELECT Name || ' ' || ZipCode || ' [' || Class || '] ' || ClosingDay "
                         "|| ' ' || ClosingType FROM 顧客 WHERE Code = '120'"),
                 "株式会社見本 100 [] 20 1");
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(f.env.state.gUserCode)
                     .arg(f.env.state.gClosingDay)
                     .arg(f.env.state.gClosingType)
                     .arg(w.UserNum),
                 "120 20 1 1");
        // Overwriting asks again: Cancel keeps the stored row, OK replaces it.
        f.fill({{1, "見本商事"}, {5, "0001"}});
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(), "顧客番号[120]は既に存在します､上書きで保存します｡");
        QCOMPARE(f.value("SELECT Name FROM 顧客"), "株式会社見本");
        w.DataSave();
        QCOMPARE(f.value("SELECT Name || ' ' || ZipCode FROM 顧客"), "見本商事 100-0001");
        QCOMPARE(w.UserNum, 1);
    }

    void readShowsTheCustomerAndItsTerms() {
        Fixture f;
        f.db().exec("UPDATE 自社情報 SET Excise = 10, ExciseFraction = 1, PriceFraction = 2");
        f.db().exec("INSERT INTO 顧客分類 (Code, Name) VALUES ('A1', '小売')");
        f.db().exec("INSERT INTO 顧客 (Code, Name, Class, ZipCode, BusinessYMD, Excise, Fraction, "
                    "ClosingDay, Payment, Mail, ClosingType) VALUES ('5', '田中', 'A1', '123', "
                    "20010401, 8, 2, 20, 10, 1, 1), ('6', '佐藤', '', '', 0, 0, 0, 0, 0, 0, 0)");
        Kivora& w = *f.window;
        // A new customer starts from the company's terms.
        w.DataNew();
        QCOMPARE(f.terms(), "10% 四捨五入 31 31 する");
        QCOMPARE(f.env.state.gFraction + 10 * f.env.state.gPriceFraction, 21);
        // A stored customer brings its own tax rate and rounding for the next document.
        w.TextSlip[0]->setText("5");
        QVERIFY(w.DataRead(0));
        QCOMPARE(w.TextSlip[1]->text() + ' ' + w.TextSlip[4]->text() + ' ' + w.LabelClass->text(),
                 "田中 123 小売");
        QCOMPARE(f.terms(), "8% 切り上げ 20 10 しない");
        QVERIFY(w.OptionSlip[1]->isChecked());
        QCOMPARE(QString("%1 %2 %3")
                     .arg(f.env.state.gExcise)
                     .arg(f.env.state.gFraction)
                     .arg(f.env.state.gUserCode),
                 "8 2 5");
        // Stepping reads the next customer; an unknown code keeps the typed code only.
        w.DataMove(2);
        QCOMPARE(w.TextSlip[1]->text(), "佐藤");
        w.TextSlip[0]->setText("77");
        QVERIFY(w.DataRead(0));
        QVERIFY(w.TextSlip[1]->text().isEmpty() && f.env.state.gUserCode.isEmpty());
        // Deleting asks first; OK leaves a new, empty customer.
        w.TextSlip[0]->setText("6");
        f.env.messages.answer(MsgCancel);
        w.DataDelete();
        QCOMPARE(f.env.messages.lastText(), "顧客番号[6]を削除します｡");
        QCOMPARE(f.value("SELECT COUNT(*) FROM 顧客"), "2");
        w.DataDelete();
        QCOMPARE(f.value("SELECT COUNT(*) FROM 顧客"), "1");
        QVERIFY(w.TextSlip[0]->text().isEmpty());
    }

    // Documents need a stored customer; the menu opens the document window for it.
    // The postal lookup from the keyboard alone; an address longer than 住所１ goes on in
    // an empty 住所２, and is refused (told, nothing changed) when 住所２ is taken.
    void postalLookupFromTheKeyboard() {
        Fixture f;
        Kivora& w = *f.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        f.fill({{4, "100"}, {5, "0005"}});
        w.TextSlip[5]->setFocus();
        QTest::keyClick(w.TextSlip[5], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.cmd_Post);
        QTest::keyClick(w.cmd_Post, Qt::Key_Return); // Enter presses it, as Space does
        QCOMPARE(QApplication::focusWidget(), w.List_Zip);
        QTest::keyClick(w.List_Zip, Qt::Key_Escape);
        QVERIFY(w.List_Zip->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.cmd_Post);
        const auto take = [&](int downs) {
            QTest::keyClick(w.cmd_Post, Qt::Key_Space);
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(w.List_Zip, Qt::Key_Down);
            QTest::keyClick(w.List_Zip, Qt::Key_Return);
        };
        take(2); // the second address, 38 bytes
        QVERIFY(w.List_Zip->isHidden());
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[6]);
        QCOMPARE(w.TextSlip[6]->text() + '|' + w.TextSlip[7]->text(),
                 "東京都千代田区丸の内（次のビル|を除く）");
        f.fill({{6, ""}, {7, "2階"}});
        take(2);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(w.TextSlip[6]->text() + '|' + w.TextSlip[7]->text(), "|2階");
        take(1); // a short one fits 住所１ alone
        QCOMPARE(w.TextSlip[6]->text() + '|' + w.TextSlip[7]->text(), "東京都千代田区丸の内|2階");
        // Codes, postal parts and numbers keep the input method out; the name takes it.
        // The platform's input method asks the field; the other answers stay the field's.
        const auto takesInputMethod = [&](int field) {
            QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImMaximumTextLength);
            QApplication::sendEvent(w.TextSlip[field], &query);
            if (query.value(Qt::ImMaximumTextLength).toInt() != w.TextSlip[field]->maxLength())
                return -1; // the field's own answers were lost
            return query.value(Qt::ImEnabled).toBool() ? 1 : 0;
        };
        for (int field : {0, 4, 5, 8, 9, 10, 17})
            QVERIFY2(takesInputMethod(field) == 0, qPrintable(QString::number(field)));
        QCOMPARE(takesInputMethod(1), 1);
    }

    void documentsNeedAStoredCustomer() {
        Fixture f;
        QList<int> opened;
        f.window->SetDocumentOpener([&opened](int type) { opened << type; });
        f.fill({{0, "4"}, {1, "未保存"}});
        QVERIFY(!f.window->OpenDocument(2, "納品書(&D)"));
        QCOMPARE(f.env.messages.lastText(), "顧客を選択してください｡");
        f.window->DataSave();
        QVERIFY(f.window->OpenDocument(2, "納品書(&D)"));
        QCOMPARE(opened, QList<int>{2});
        QCOMPARE(f.env.state.gCaption + f.env.state.gUserName, "納品書未保存");
    }
};

KIVORA_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
