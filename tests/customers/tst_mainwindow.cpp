// The main window as a user drives it: entry, save refusals in order, stepping,
// deleting, classes, searches, postal lookup and the reading of a typed name.
#include "support/TestMain.h"
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
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Kivora> window;

    Fixture() {
        env.state.AppTitle = u"Kivora"_s;
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
        db().exec(u"INSERT INTO 顧客 (Code, Name, Class, ZipCode, BusinessYMD, "
                  "Excise, Fraction, ClosingDay, Payment, Mail, ClosingType) "
                  "VALUES (?, ?, ?, '123', 20010401, 8, 2, 20, 10, 1, 1)"_s,
                  {code, name, cls});
    }
    // Types into a field and presses Enter there.
    void enter(int field, const QString& text) {
        window->TextSlip[field]->setFocus();
        window->TextSlip[field]->setText(text);
        QTest::keyClick(window->TextSlip[field], Qt::Key_Return);
    }
    // Sets fields of the form, each {field, text}.
    void fill(std::initializer_list<std::pair<int, const char*>> fields) {
        for (const auto& [field, text] : fields)
            window->TextSlip[field]->setText(QString::fromUtf8(text));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    int count(const char* table) {
        return db().scalar(u"SELECT COUNT(*) FROM "_s + QString::fromUtf8(table)).toInt();
    }
    QString value(const QString& sql) { return db().scalar(sql).toString(); }
    // The tax rate, rounding, closing day, payment and mail lists as shown.
    QString terms() const {
        QStringList shown;
        for (int i = 3; i <= 7; ++i)
            shown << window->ComboSlip[i]->currentText();
        return shown.join(QLatin1Char(' '));
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void newCustomerTakesCompanyDefaults() {
        Fixture f;
        f.db().exec(u"UPDATE 自社情報 SET Excise = 8, ExciseFraction = 1, "
                    "PriceFraction = 2, ClosingDay = 20, Payment = 10"_s);
        f.window->DataNew();
        QCOMPARE(f.terms(), u"8% 四捨五入 20 10 する"_s);
        QVERIFY(f.window->OptionSlip[0]->isChecked());
        QCOMPARE(f.window->ComboSlip[0]->currentText(),
                 QString::number(QDate::currentDate().year()));
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
        QCOMPARE(f.env.state.gFraction, quint8(1));
        QVERIFY(f.env.state.gUserCode.isEmpty());
    }

    void unknownCodeKeepsTheCode() {
        Fixture f;
        f.addCustomer(u"1"_s, u"山田商店"_s);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.enter(0, u"1"_s);
        QCOMPARE(f.window->TextSlip[1]->text(), u"山田商店"_s);
        QCOMPARE(f.env.state.gUserCode, u"1"_s);
        QCOMPARE(f.focused(), f.window->ComboSlip[0]);
        f.enter(0, u"77"_s);
        QCOMPARE(f.window->TextSlip[0]->text(), u"77"_s);
        QVERIFY(f.window->TextSlip[1]->text().isEmpty() && f.env.state.gUserCode.isEmpty());
        // A forbidden character is refused and the focus stays.
        f.enter(0, u"1!"_s);
        QCOMPARE(f.env.messages.lastText(), u"以下の文字は使用出来ません。\r !"_s);
        QCOMPARE(f.focused(), f.window->TextSlip[0]);
    }

    void saveRefusalsInOrder_data() {
        QTest::addColumn<QStringList>("fields"); // code, name, zip1, zip2, address1
        QTest::addColumn<QString>("message");
        const QString forbidden = u"以下の文字は使用出来ません。\r "_s;
        const QString code = u"顧客番号は数字を入力して下さい｡"_s;
        const QString zip = u"郵便番号は数字を入力して下さい｡"_s;
        // clang-format off
        QTest::newRow("forbidden in name") << QStringList{"1", "山田#", "", "", ""} << forbidden + "#";
        QTest::newRow("code checked whole before the name") << QStringList{"1a", "山田#", "", "", ""} << code;
        QTest::newRow("full-width code") << QStringList{"１", "山田", "", "", ""} << forbidden + "漢字(全角)";
        QTest::newRow("decimal code") << QStringList{"1.5", "山田", "", "", ""} << code;
        QTest::newRow("first postal field") << QStringList{"1", "山田", "1a0", "", ""} << zip;
        QTest::newRow("second postal field") << QStringList{"1", "山田", "100", "00x1", ""} << zip;
        QTest::newRow("empty code") << QStringList{"", "山田", "", "", ""} << "顧客番号を入力して下さい｡";
        QTest::newRow("empty name") << QStringList{"1", "", "", "", ""} << "顧客名を入力して下さい｡";
        QTest::newRow("forbidden in address") << QStringList{"1", "山田", "", "", "1-2|3"} << forbidden + "|";
        // clang-format on
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
        QCOMPARE(f.count("顧客"), 0);
    }

    void saveNewThenOverwrite() {
        Fixture f;
        Kivora& w = *f.window;
        f.fill({{0, "120"}, {1, "株式会社見本"}, {4, "100"}, {6, "東京都千代田区"}});
        w.ComboSlip[5]->setCurrentIndex(19); // closing day 20
        w.OptionSlip[1]->setChecked(true);
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(), u"顧客番号[120]を保存します｡"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QCOMPARE(f.count("顧客"), 0);
        QCOMPARE(w.TextSlip[1]->text(), u"株式会社見本"_s); // form unchanged

        w.DataSave(); // answered OK
        QCOMPARE(f.count("顧客"), 1);
        QCOMPARE(f.env.state.gUserCode, u"120"_s);
        QCOMPARE(f.env.state.gClosingDay, quint8(20));
        QCOMPARE(f.env.state.gClosingType, quint8(1));
        QCOMPARE(w.UserNum, 1);
        // No "-" without a second postal part; registered today.
        QCOMPARE(f.value(u"SELECT ZipCode || ' ' || ClosingType || ' ' || "
                         "BusinessYMD FROM 顧客 WHERE Code = '120'"_s),
                 u"100 1 "_s + QDate::currentDate().toString(u"yyyyMMdd"_s));
        QCOMPARE(f.count("前回伝票 WHERE UserCode = '120'"), 1);

        // An existing customer: overwrite only after OK, and the unused columns are reset.
        f.db().exec(u"UPDATE 顧客 SET Bank = 'x', AccountType = 3 WHERE Code = '120'"_s);
        f.fill({{1, "見本商事"}, {5, "0001"}});
        f.env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(f.env.messages.lastText(), u"顧客番号[120]は既に存在します､上書きで保存します｡"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QCOMPARE(f.value(u"SELECT Name FROM 顧客"_s), u"株式会社見本"_s);
        w.DataSave();
        QCOMPARE(f.value(u"SELECT Name || ' ' || ZipCode || ' [' || ifnull(Bank, '') || '] ' "
                         "|| AccountType FROM 顧客 WHERE Code = '120'"_s),
                 u"見本商事 100-0001 [] 0"_s);
        QCOMPARE(f.count("前回伝票"), 1);
    }

    void readBackShowsEveryField() {
        Fixture f;
        f.db().exec(u"INSERT INTO 顧客分類 (Code, Name) VALUES ('A1', '小売')"_s);
        f.addCustomer(u"5"_s, u"田中"_s, u"A1"_s);
        Kivora& w = *f.window;
        w.TextSlip[0]->setText(u"5"_s);
        QVERIFY(w.DataRead(0));
        QCOMPARE(w.TextSlip[4]->text(), u"123"_s); // stored without "-"
        QVERIFY(w.TextSlip[5]->text().isEmpty());
        QCOMPARE(w.ComboSlip[0]->currentText() + w.ComboSlip[1]->currentText() +
                     w.ComboSlip[2]->currentText(),
                 u"20010401"_s);
        QCOMPARE(f.terms(), u"8% 切り上げ 20 10 しない"_s);
        QVERIFY(w.OptionSlip[1]->isChecked());
        QCOMPARE(w.LabelClass->text(), u"小売"_s);
        QCOMPARE(f.env.state.gExcise, 8.0);
        QCOMPARE(f.env.state.gFraction, quint8(2));
    }

    void customerLimit() {
        Fixture f;
        {
            Transaction tx(f.db());
            for (int i = 1; i <= 30000; ++i)
                f.db().exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, 'x')"_s,
                            {QString::number(i)});
            tx.commit();
        }
        f.window->DataNew();
        QCOMPARE(f.window->UserNum, 30000);
        f.fill({{0, "30001"}, {1, "超過"}});
        f.window->DataSave();
        QCOMPARE(f.env.messages.texts(), QStringList{u"登録限度を超えました｡"_s});
        QCOMPARE(f.count("顧客"), 30000);
        // An existing customer can still be saved at the limit.
        f.window->TextSlip[0]->setText(u"17"_s);
        f.window->DataSave();
        QCOMPARE(f.value(u"SELECT Name FROM 顧客 WHERE Code = '17'"_s), u"超過"_s);
    }

    // Text order; the ends stay put; an empty or unknown code starts at the first.
    void steppingInTextOrder() {
        Fixture f;
        for (const char* code : {"2", "10", "9"})
            f.addCustomer(QString::fromLatin1(code), u"客"_s + QString::fromLatin1(code));
        Kivora& w = *f.window;
        // Direction 0 first, 1 previous, 2 next, 3 last; a code to start from when given.
        const std::tuple<const char*, int, const char*> steps[] = {
            {"", 1, "10"},      {"", 2, "2"},       {nullptr, 2, "9"}, {nullptr, 2, "9"},
            {nullptr, 0, "10"}, {nullptr, 1, "10"}, {nullptr, 3, "9"}, {"55", 2, "2"}};
        for (const auto& [from, direction, expected] : steps) {
            if (from)
                w.TextSlip[0]->setText(QString::fromLatin1(from));
            w.DataMove(direction);
            QCOMPARE(w.TextSlip[0]->text(), QString::fromLatin1(expected));
        }
        QCOMPARE(w.TextSlip[1]->text(), u"客2"_s);
        QCOMPARE(f.env.state.gUserCode, u"2"_s);
    }

    void deleteKeepsDocuments() {
        Fixture f;
        f.addCustomer(u"8"_s, u"削除候補"_s);
        f.db().exec(u"INSERT INTO 前回伝票 (UserCode) VALUES ('8')"_s);
        f.db().exec(u"INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD) "
                    "VALUES ('8', 2, '1', 20010401)"_s);
        f.db().exec(u"INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, "
                    "Price) VALUES ('8', 20010401, 2, '1', 1000)"_s);
        const auto counts = [&f] {
            return QList<int>{f.count("顧客"), f.count("前回伝票"), f.count("伝票管理"),
                              f.count("売掛")};
        };
        f.window->TextSlip[0]->setText(u"8"_s);
        f.window->DataRead(0);
        f.env.messages.answer(MsgCancel);
        f.window->DataDelete();
        // The question tells what stays behind.
        QVERIFY(f.env.messages.lastText().startsWith(u"顧客番号[8]を削除します｡"_s));
        QVERIFY(f.env.messages.lastText().contains(u"伝票 1 件と売掛 1 件"_s));
        QCOMPARE(counts(), (QList<int>{1, 1, 1, 1}));
        f.window->DataDelete();
        QCOMPARE(counts(), (QList<int>{0, 0, 1, 1}));
        QVERIFY(f.window->TextSlip[0]->text().isEmpty()); // a new, empty customer
        f.window->TextSlip[0]->setText(u"x"_s);
        f.window->DataDelete();
        QCOMPARE(f.env.messages.lastText(), u"顧客番号は数字を入力して下さい｡"_s);
    }

    void classCodes() {
        Fixture f;
        f.db().exec(u"INSERT INTO 顧客分類 (Code, Name) VALUES ('01', '卸')"_s);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->TabStripSlip->setCurrentIndex(1);
        f.enter(17, u"01"_s);
        QCOMPARE(f.window->LabelClass->text(), u"卸"_s);
        QCOMPARE(f.focused(), f.window->ComboSlip[3]);
        f.enter(17, u"99"_s);
        QVERIFY(f.window->LabelClass->text().isEmpty());
        QCOMPARE(f.focused(), f.window->TextSlip[17]); // not found: stay
        // An unknown class is saved as empty.
        f.fill({{0, "3"}, {1, "分類なし"}});
        f.window->DataSave();
        QCOMPARE(f.value(u"SELECT Class FROM 顧客 WHERE Code = '3'"_s), QString());
    }

    void searchesFillTheForm() {
        Fixture f;
        f.db().exec(u"INSERT INTO 顧客分類 (Code, Name) VALUES ('07', '官公庁')"_s);
        f.addCustomer(u"31"_s, u"本田商会"_s);
        f.addCustomer(u"32"_s, u"佐藤電機"_s);
        // The customer search: the second customer by name.
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraFindUser*>(modal);
            QVERIFY(dialog);
            dialog->OptFindUser[1]->click();
            dialog->TextFindUser->setText(u"佐藤"_s);
            dialog->BtnFind->click();
            dialog->BtnOK->click();
        });
        f.window->ToolButton[4]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text() + f.window->TextSlip[1]->text(), u"32佐藤電機"_s);
        QCOMPARE(f.env.state.gUserCode, u"32"_s);
        // Cancelled: the form stays as it was.
        OnNextModal(
            [](QWidget* modal) { qobject_cast<KivoraFindUser*>(modal)->BtnCancel->click(); });
        f.window->MenuBusiness[4]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text(), u"32"_s);
        // The class search puts the chosen code and its name into the form.
        f.window->TabStripSlip->setCurrentIndex(1);
        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraFindItem*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), u"分類検索"_s);
            dialog->BtnFind->click(); // the empty first search lists all after the question
            dialog->BtnOK->click();
        });
        f.window->BtnClass->click();
        QCOMPARE(f.window->TextSlip[17]->text(), u"07"_s);
        QCOMPARE(f.window->LabelClass->text(), u"官公庁"_s);
    }

    // Enter: reading → honorific (page 1) or class (page 2); last fields → the code.
    void enterRoutes() {
        Fixture f;
        Kivora& w = *f.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const std::tuple<int, QWidget*, QWidget*> routes[] = {
            {0, w.TextSlip[2], w.TextSlip[3]},  {0, w.TextSlip[3], w.TextSlip[4]},
            {0, w.TextSlip[16], w.TextSlip[0]}, {1, w.TextSlip[2], w.TextSlip[17]},
            {1, w.ComboSlip[2], w.TextSlip[1]}, {1, w.ComboSlip[3], w.ComboSlip[4]},
            {1, w.ComboSlip[7], w.TextSlip[0]}};
        for (const auto& [page, from, to] : routes) {
            w.TabStripSlip->setCurrentIndex(page);
            if (auto* edit = qobject_cast<QLineEdit*>(from))
                edit->clear();
            from->setFocus();
            QTest::keyClick(from, Qt::Key_Return);
            QCOMPARE(f.focused(), to);
        }
        // Delete does not empty a list's choice.
        w.ComboSlip[4]->setFocus();
        QTest::keyClick(w.ComboSlip[4], Qt::Key_Delete);
        QVERIFY(w.ComboSlip[4]->currentIndex() >= 0);
    }

    // Documents need a stored customer; only documents with a window are offered.
    void documentsNeedAStoredCustomer() {
        {
            Fixture f;
            QList<int> opened;
            f.window->SetDocumentOpener([&opened](int type) { opened << type; });
            f.fill({{0, "4"}, {1, "未保存"}});
            QVERIFY(!f.window->OpenDocument(2, u"納品書(&D)"_s));
            QCOMPARE(f.env.messages.lastText(), u"顧客を選択してください｡"_s);
            f.window->DataSave();
            QVERIFY(f.window->OpenDocument(2, u"納品書(&D)"_s));
            QCOMPARE(opened, QList<int>{2});
            QCOMPARE(f.env.state.gCaption, u"納品書"_s);
            QCOMPARE(f.env.state.gUserName, u"未保存"_s);
            QCOMPARE(f.env.state.RsWork.text("Code"), u"4"_s);
            f.db().exec(u"DELETE FROM 顧客"_s);
            QVERIFY(!f.window->OpenDocument(0, u"見積書(&E)"_s));
        }

        Fixture g;
        g.addCustomer(u"40"_s, u"岡田商店"_s);
        g.window->TextSlip[0]->setText(u"40"_s);
        g.window->DataRead(0);
        QVERIFY(g.window->MenuSlip[2]->isEnabled() && g.window->MenuBill[0]->isEnabled());
        QVERIFY(!g.window->MenuSlip[4]->isEnabled() && !g.window->MenuBill[1]->isEnabled());
        QVERIFY(!g.window->ImageWorkBar[5]->isEnabled());
        QString title;
        OnNextModal([&title](QWidget* modal) {
            title = modal->windowTitle();
            QVERIFY(qobject_cast<KivoraSlip*>(modal));
            modal->close();
        });
        g.window->MenuSlip[2]->trigger();
        QCOMPARE(title, u"納品書 [岡田商店]"_s);
        QCOMPARE(g.env.state.gDocType, quint8(2));
    }

    void registrationMenus() {
        Fixture f;
        QStringList titles;
        OnNextModal([&titles](QWidget* modal) {
            titles << modal->windowTitle();
            QVERIFY(qobject_cast<KivoraCompany*>(modal));
            qobject_cast<KivoraCompany*>(modal)->BtnCancel->click();
        });
        f.window->MenuRegist[0]->trigger();
        QCOMPARE(f.env.state.gCaption, u"自社情報"_s);
        QVERIFY(!titles.takeFirst().isEmpty());
        // Goods, then in place set goods, then done: the list reopens while it asks to.
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
        QCOMPARE(titles, (QStringList{"商品の登録", "セット商品の登録"}));
        // Classes are kind 4.
        OnNextModal([&titles](QWidget* modal) {
            titles << modal->windowTitle();
            qobject_cast<KivoraRegist*>(modal)->BtnEnd->click();
        });
        f.window->MenuRegist[4]->trigger();
        QCOMPARE(titles.last(), u"顧客分類の登録"_s);
    }

    void postalLookupFillsTheForm() {
        Fixture f;
        Kivora& w = *f.window;
        f.fill({{4, "100"}, {5, "0005"}});
        w.PostLookup();
        QVERIFY(w.List_Zip->isVisibleTo(&w));
        QCOMPARE(w.List_Zip->count(), 3);
        QCOMPARE(w.List_Zip->item(0)->text(), u"(ｷｬﾝｾﾙ)"_s);
        w.TakeZipEntry(w.List_Zip->item(1)->text());
        QCOMPARE(w.TextSlip[6]->text(), u"東京都千代田区丸の内"_s);
        QVERIFY(!w.List_Zip->isVisibleTo(&w));
        // Both code and address filled: nothing happens.
        w.PostLookup();
        QVERIFY(!w.List_Zip->isVisibleTo(&w));
        QCOMPARE(f.env.messages.count(), 0);
        // Address to code.
        f.fill({{4, ""}, {5, ""}, {6, "東京都千代田区千代田"}});
        w.PostLookup();
        QCOMPARE(w.List_Zip->count(), 2);
        w.TakeZipEntry(w.List_Zip->item(1)->text());
        QCOMPARE(w.TextSlip[4]->text() + w.TextSlip[5]->text(), u"1000001"_s);
        // Not found.
        f.fill({{4, "999"}, {5, ""}, {6, ""}});
        w.PostLookup();
        const MessageRequest& told = f.env.messages.shown().last();
        QCOMPARE(told.text, u"見つかりませんでした。"_s);
        QCOMPARE(told.title, u"〒<=>住所検索"_s);
        QCOMPARE(told.icon, MsgIcon::Information);
    }

    void readingOfATypedName() {
        Fixture f;
        Kivora& w = *f.window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        f.fill({{1, "株"}, {2, "ｶﾌﾞ"}});
        w.TextSlip[1]->setFocus();
        QCoreApplication::processEvents(); // the field selects its whole text on entry
        QVERIFY(w.TextSlip[1]->hasSelectedText());
        w.TextSlip[1]->end(false); // add to the name rather than replace it
        // Composition steps: a null commit string sends only the pre-edit text.
        const auto compose = [&](const QStringList& steps) {
            for (const QString& step : steps) {
                const bool commit = step.startsWith(QLatin1Char('='));
                QInputMethodEvent event(commit ? QString() : step, {});
                if (commit)
                    event.setCommitString(step.mid(1));
                QApplication::sendEvent(w.TextSlip[1], &event);
            }
        };
        compose({"や", "やまだ", "山田", "=山田", "="});
        QCOMPARE(w.TextSlip[1]->text(), u"株山田"_s);
        QCOMPARE(w.TextSlip[2]->text(), u"ｶﾌﾞ"_s); // filled only on leaving
        w.TextSlip[3]->setFocus();
        QCOMPARE(w.TextSlip[2]->text(), u"ｶﾌﾞﾔﾏﾀﾞ"_s);
        // Typing over the whole name drops the old reading with it.
        w.TextSlip[1]->setFocus();
        QCoreApplication::processEvents();
        compose({"かわ", "川", "=川"});
        w.TextSlip[3]->setFocus();
        QCOMPARE(w.TextSlip[1]->text() + w.TextSlip[2]->text(), u"川ｶﾜ"_s);
        // Emptying the name empties the reading.
        w.TextSlip[1]->clear();
        QVERIFY(w.TextSlip[2]->text().isEmpty());
    }
};

KIVORA_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
