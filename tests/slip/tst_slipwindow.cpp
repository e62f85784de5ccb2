// The slip window driven as a user drives it: a delivery note typed through the keyboard,
// the save, overwrite and delete questions, 前回伝票, the history, the copy of lines from
// another type, the number dialog, the line commands of the menu, the fields and menus
// each type shows, the header's Enter route and the help topic.
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraSlip.h"
#include "documents/KivoraSlipNo.h"
#include "documents/SlipGrid.h"
#include "masters/KivoraFindGoods.h"
#include "masters/KivoraRegist.h"
#include "masters/KivoraWork.h"
#include "resources/StringTable.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db;
    std::unique_ptr<KivoraSlip> window;

    explicit Fixture(int type = 2) {
        db = env.openMain();
        AppState& s = env.state;
        s.DbMain = db.get();
        s.AppTitle = QStringLiteral("Kivora");
        s.gUserCode = QStringLiteral("1");
        s.gUserName = QStringLiteral("山田商店");
        s.gExcise = 10;
        s.gFraction = 0;
        s.gPriceFraction = 0;
        exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱'), ('03', '式')");
        exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES "
             "('A001', '鉛筆', 1050, '箱'), ('A002', '消しゴム', 333, '個'), "
             "('B001', 'ノート', 150, '個')");
        exec("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES "
             "('S01', '文具セット', 1500, '式')");
        exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice, Unit) VALUES "
             "('S01', 1, 'A002', '消しゴム', 333, '個'), ('S01', 2, 'B001', 'ノート', 150, '個')");
        exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '佐藤')");
        open(type);
    }
    ~Fixture() {
        if (window)
            window->close();
    }
    void open(int type) {
        env.state.gDocType = static_cast<quint8>(type);
        env.state.gCaption = Res::text(101 + type);
        window = std::make_unique<KivoraSlip>(env.state);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("slip window not active");
    }
    void exec(const char* sql) { db->exec(QString::fromUtf8(sql)); }
    int rows(const char* sql) { return db->scalar(QString::fromUtf8(sql)).toInt(); }
    SlipGrid* grid() const { return window->FxGridSlip; }
    QString cell(int line, int column) const { return grid()->cell(line, column); }

    static void key(QWidget* w, QChar c) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Types into a cell: the first key on the grid opens the editor, the rest goes into
    // it, Enter takes it.
    void typeCell(int line, int column, const QString& text, bool enter = true) {
        grid()->setCurrentLine(line, column);
        grid()->setFocus();
        key(grid(), text.at(0));
        for (QChar c : text.mid(1))
            key(window->TextGrid, c);
        if (enter)
            QTest::keyClick(window->TextGrid, Qt::Key_Return);
    }
    void typeField(int index, const QString& text) {
        QLineEdit* field = window->TextSlip[index];
        field->setFocus();
        field->clear();
        for (QChar c : text)
            key(field, c);
    }
    // A saved document of this customer, written as the store writes it.
    void storeDocument(int type, const QString& number, const QStringList& goods, qint64 ymd) {
        SlipHeader header;
        header.UserCode = env.state.gUserCode;
        header.DocType = type;
        header.DocNumber = number;
        header.IssueYMD = ymd;
        QList<SlipLine> lines;
        for (const QString& name : goods) {
            SlipLine line;
            line.Goods = name;
            line.Quantity = 2;
            line.UnitPrice = 100;
            line.Price = 200;
            lines << line;
        }
        DocumentStore(*db).Save(header, lines, 0);
    }
    void fillSmallSlip(const QString& number) {
        window->TextSlip[0]->setText(number);
        typeCell(1, 1, QStringLiteral("A001"));
        typeCell(1, 3, QStringLiteral("2"));
    }
};

QStringList visibleItems(const std::array<QAction*, 4>& items) {
    QStringList texts;
    for (QAction* item : items) {
        if (item->isVisible())
            texts << item->text();
    }
    return texts;
}

} // namespace

class TestSlipWindow : public QObject {
    Q_OBJECT

private slots:
    void deliveryNoteThroughTheKeyboard() {
        Fixture f;
        KivoraSlip& w = *f.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("納品書 [山田商店]"));
        QCOMPARE(w.LabelTotal[2]->text(), QStringLiteral("¥0"));
        f.typeField(0, QStringLiteral("A00001"));
        QTest::keyClick(w.TextSlip[0], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[1]);
        f.typeField(1, QStringLiteral("01"));
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        QCOMPARE(w.LabelCharge[0]->text(), QStringLiteral("佐藤"));
        QCOMPARE(w.LabelCharge[1]->text(), QStringLiteral("営業部"));
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[2]);
        f.typeField(2, QStringLiteral("四月分"));

        f.typeCell(1, 1, QStringLiteral("A001"));
        f.typeCell(1, 3, QStringLiteral("3"));
        // The unit from the list: 箱 came with the goods, Down picks the next entry.
        f.grid()->setCurrentLine(1, 4);
        QTest::keyClick(f.grid(), Qt::Key_Return);
        QTest::keyClick(w.ComboGrid, Qt::Key_Down);
        QTest::keyClick(w.ComboGrid, Qt::Key_Return);
        QCOMPARE(f.cell(1, 4), QStringLiteral("式"));
        f.typeCell(2, 1, QStringLiteral("A002"));
        f.typeCell(2, 3, QStringLiteral("1"));
        // A refused price stops the save that waited for the editor.
        f.typeCell(2, 5, QStringLiteral("abc"), false);
        QTest::keyClick(w.TextGrid, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.env.messages.texts(),
                 QStringList{QStringLiteral("単価は数字を入力して下さい｡")});
        QVERIFY(f.cell(2, 5).isEmpty());
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 0);
        f.typeCell(2, 5, QStringLiteral("333"));
        f.typeCell(3, 2, QStringLiteral("送料"));
        f.typeCell(3, 6, QStringLiteral("500"));
        // 3,150 + 333 + 500 = 3,983; 10 % is 398.3, truncated.
        QCOMPARE(w.LabelTotal[0]->text(), QStringLiteral("¥3,983"));
        QCOMPARE(w.LabelTotal[1]->text(), QStringLiteral("¥398"));
        QCOMPARE(w.LabelTotal[2]->text(), QStringLiteral("¥4,381"));

        w.CheckSlip->setFocus();
        QTest::keyClick(w.CheckSlip, Qt::Key_Space);
        QVERIFY(w.CheckSlip->isChecked());
        f.env.messages.clear();
        QTest::keyClick(f.grid(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.env.messages.texts(),
                 QStringList{QStringLiteral("伝票番号[A00001]を保存します｡")});
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("保存"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QCOMPARE(f.env.state.gCaption, QStringLiteral("納品書"));
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 納品 WHERE UserCode = '1' AND Number = 'A00001'"), 3);
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Unit FROM 納品 WHERE Count = 1")).toString(),
                 QStringLiteral("式"));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT ChargeCode FROM 伝票管理")).toString(),
                 QStringLiteral("01"));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Remark FROM 伝票管理")).toString(),
                 QStringLiteral("四月分"));
        QCOMPARE(
            f.db->scalar(QStringLiteral("SELECT Price FROM 売掛 WHERE DocType = 2")).toDouble(),
            4381.0);
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT DocNumD FROM 前回伝票")).toString(),
                 QStringLiteral("A00001"));
        // The window shows what was stored.
        QCOMPARE(w.TextSlip[0]->text(), QStringLiteral("A00001"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("送料"));
        QCOMPARE(w.LabelTotal[2]->text(), QStringLiteral("¥4,381"));
    }

    void imageBarSavesDespiteRefusal() {
        Fixture f;
        f.fillSmallSlip(QStringLiteral("D1"));
        f.typeCell(1, 5, QStringLiteral("x1"), false);
        f.env.messages.answer(MsgOK); // the refusal
        f.env.messages.answer(MsgCancel);
        f.window->ImageSlipBar[0]->click();
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{QStringLiteral("単価は数字を入力して下さい｡"),
                              QStringLiteral("伝票番号[D1]を保存します｡")}));
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 0);
        QVERIFY(f.window->ImageSlipBar[1]->isEnabled());
    }

    void saveRefusalsInOrder_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("full-width number")
            << "A１"
            << "02"
            << "28" << false << QStringLiteral("以下の文字は使用出来ません。\r 漢字(全角)");
        QTest::newRow("forbidden number")
            << "A#1"
            << "02"
            << "30" << false << QStringLiteral("以下の文字は使用出来ません。\r #");
        QTest::newRow("empty number")
            << ""
            << "02"
            << "30" << false << QStringLiteral("伝票番号を入力して下さい｡");
        QTest::newRow("no such date")
            << "A1"
            << "02"
            << "30" << false << QStringLiteral("正確に作成日を入力して下さい｡");
        QTest::newRow("no lines") << "A1"
                                  << "02"
                                  << "28" << false << QStringLiteral("明細を入力して下さい｡");
        QTest::newRow("line without name")
            << "A1"
            << "04"
            << "30" << true << QStringLiteral("明細を入力して下さい｡");
    }
    void saveRefusalsInOrder() {
        QFETCH(QString, number);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(bool, lines);
        QFETCH(QString, message);
        Fixture f;
        KivoraSlip& w = *f.window;
        w.TextSlip[0]->setText(number);
        w.ComboSlip[0]->setCurrentText(QStringLiteral("2023"));
        w.ComboSlip[1]->setCurrentText(month);
        w.ComboSlip[2]->setCurrentText(day);
        if (lines)
            f.typeCell(1, 6, QStringLiteral("100")); // an amount but no name
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.env.messages.texts(), QStringList{message});
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 0);
    }

    void overwriteAndCancel() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.fillSmallSlip(QStringLiteral("A00001"));
        // A staff code that was never looked up (no name shown) is not stored.
        w.TextSlip[1]->setText(QStringLiteral("99"));
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT ChargeCode FROM 伝票管理")).toString(),
                 QString(""));
        QVERIFY(w.TextSlip[1]->text().isEmpty());
        // A changed document saved under the same number asks before it replaces.
        f.typeCell(1, 3, QStringLiteral("5"));
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.env.messages.lastText(),
                 QStringLiteral("伝票番号[A00001]は既に存在します､上書きで保存します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Quantity FROM 納品")).toDouble(), 2.0);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Quantity FROM 納品")).toDouble(), 5.0);
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 1);
        // The delivery note was saved with the box unchecked: nothing was posted.
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 売掛"), 0);
    }

    void lastSlip() {
        Fixture f;
        KivoraSlip& w = *f.window;
        w.TextSlip[2]->setText(QStringLiteral("書きかけ"));
        w.MenuSlip[6]->trigger();
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{QStringLiteral("前回伝票を読み込みます｡"),
                              QStringLiteral("前回伝票は見つかりませんでした｡")}));
        QCOMPARE(f.env.messages.shown().first().icon, MsgIcon::Question);
        QCOMPARE(w.TextSlip[2]->text(), QStringLiteral("書きかけ"));

        f.fillSmallSlip(QStringLiteral("A00007"));
        w.TextSlip[1]->setText(QStringLiteral("01"));
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        w.MenuSlip[1]->trigger();
        w.MenuSlip[0]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty());
        QVERIFY(f.cell(1, 2).isEmpty());
        QVERIFY(w.LabelCharge[0]->text().isEmpty());
        // Cancel reads nothing; OK (here through F8) reads the last saved document.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[6]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty());
        f.grid()->setFocus();
        QTest::keyClick(f.grid(), Qt::Key_F8);
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(w.TextSlip[0]->text(), QStringLiteral("A00007"));
        QCOMPARE(w.LabelCharge[0]->text(), QStringLiteral("佐藤"));
        QCOMPARE(f.cell(1, 2), QStringLiteral("鉛筆"));
        QCOMPARE(f.cell(1, 6), QStringLiteral("2,100"));
        QCOMPARE(w.LabelTotal[2]->text(), QStringLiteral("¥2,310"));
    }

    void deleteAsksTwiceForPostedInvoice() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.fillSmallSlip(QStringLiteral("B1"));
        w.CheckSlip->setChecked(true);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 売掛 WHERE DocType = 3 AND DocNumber = 'B1'"), 1);
        // Cancel at the first question deletes nothing.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.texts(), QStringList{QStringLiteral("伝票番号[B1]を削除します｡")});
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 1);
        // OK, then Cancel at the second: the document goes, its sale stays.
        f.env.messages.clear();
        f.env.messages.answer(MsgOK);
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.texts(),
                 (QStringList{QStringLiteral("伝票番号[B1]を削除します｡"),
                              QStringLiteral("伝票番号[B1]の売上を削除します｡")}));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("削除"));
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 伝票管理"), 0);
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 請求"), 0);
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 売掛"), 1);
        QVERIFY(w.TextSlip[0]->text().isEmpty());
        QVERIFY(f.cell(1, 2).isEmpty());
        // An unknown number asks nothing.
        f.env.messages.clear();
        w.TextSlip[0]->setText(QStringLiteral("B1"));
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.count(), 0);
    }

    void historyReadsTheChosenDocument() {
        Fixture f;
        f.storeDocument(2, QStringLiteral("A00001"), {QStringLiteral("一")}, 20010301);
        f.storeDocument(2, QStringLiteral("A00002"), {QStringLiteral("二"), QStringLiteral("三")},
                        20010305);
        f.storeDocument(0, QStringLiteral("E9"), {QStringLiteral("見積の行")}, 20010301);
        QString caption;
        bool findShown = true;
        OnNextModal([&](QWidget* modal) {
            auto* history = qobject_cast<KivoraHistory*>(modal);
            caption = history->windowTitle();
            findShown = !history->BtnFind->isHidden();
            history->FxGridHistory->setCurrentCell(1, 1);
            history->BtnOK->click();
        });
        f.window->MenuSlip[7]->trigger();
        QCOMPARE(caption, QStringLiteral("伝票履歴"));
        QVERIFY(!findShown);
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("A00002"));
        QCOMPARE(f.window->ComboSlip[2]->currentText(), QStringLiteral("05"));
        QCOMPARE(f.cell(2, 2), QStringLiteral("三"));
        QCOMPARE(f.env.state.gCaption, QStringLiteral("納品書"));
    }

    void copyLinesFromAnotherType() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        QCOMPARE(visibleItems(w.MenuCopy),
                 (QStringList{"見積書から(&E)", "注文書から(&O)", "納品書から(&D)"}));
        f.storeDocument(2, QStringLiteral("D5"),
                        {QStringLiteral("納品の行1"), QStringLiteral("納品の行2")}, 20010301);
        w.TextSlip[0]->setText(QStringLiteral("B7"));
        w.TextSlip[2]->setText(QStringLiteral("消える"));
        bool findShown = false;
        quint8 listedType = 9;
        OnNextModal([&](QWidget* modal) {
            auto* history = qobject_cast<KivoraHistory*>(modal);
            findShown = !history->BtnFind->isHidden();
            listedType = f.env.state.gDocType;
            history->BtnOK->click();
        });
        w.MenuCopy[2]->trigger();
        QVERIFY(findShown);
        QCOMPARE(listedType, quint8(2));
        // The window is a new document with the copied lines and their stored amounts.
        QVERIFY(w.TextSlip[0]->text().isEmpty());
        QVERIFY(w.TextSlip[2]->text().isEmpty());
        QCOMPARE(f.cell(1, 2), QStringLiteral("納品の行1"));
        QCOMPARE(f.cell(2, 6), QStringLiteral("200"));
        QCOMPARE(w.LabelTotal[0]->text(), QStringLiteral("¥400"));
        QCOMPARE(f.env.state.gDocType, quint8(3));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("1"));
        QCOMPARE(f.env.state.gCaption, QStringLiteral("請求書"));
        // Saved under a number, the lines become an invoice of the window's own type.
        w.TextSlip[0]->setText(QStringLiteral("B7"));
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.rows("SELECT COUNT(*) FROM 請求 WHERE Number = 'B7'"), 2);
        // A cancelled history copies nothing.
        OnNextModal(
            [](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnCancel->click(); });
        w.MenuCopy[0]->trigger();
        QCOMPARE(w.TextSlip[0]->text(), QStringLiteral("B7"));
        QCOMPARE(f.cell(2, 2), QStringLiteral("納品の行2"));
    }

    void numberDialog() {
        Fixture f;
        f.env.settings().save(KivoraSlipNo::SettingsKey(2), QStringLiteral("0/0/0/0/1/Z"));
        QString caption;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraSlipNo*>(modal);
            caption = dialog->windowTitle();
            dialog->BtnOK->click();
        });
        f.window->BtnSlipNo->click();
        QCOMPARE(caption, QStringLiteral("納品書(伝票番号)"));
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("00001Z"));
        QCOMPARE(f.window->focusWidget(), f.window->TextSlip[0]);
        // Cancel leaves the number as it was.
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraSlipNo*>(modal)->BtnCancel->click(); });
        f.window->MenuSlip[8]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text(), QStringLiteral("00001Z"));
    }

    void unitsRegisteredFromTheSlip() {
        Fixture f;
        f.open(2);
        KivoraSlip& w = *f.window;
        const int before = w.FxGridSlip->ComboGrid->count();
        bool listed = false;
        OnNextModal([&listed](QWidget* modal) {
            auto* list = qobject_cast<KivoraRegist*>(modal);
            QVERIFY(list);
            listed = true;
            QCOMPARE(list->windowTitle(), QStringLiteral("単位の登録"));
            OnNextModal([](QWidget* inner) {
                auto* work = qobject_cast<KivoraWork*>(inner);
                QVERIFY(work);
                work->TextWork[1]->setText(QStringLiteral("ケース"));
                work->BtnOK->click();
            });
            list->BtnRegist[0]->click();
            list->BtnEnd->click();
        });
        w.MenuRegist[1]->trigger();
        QVERIFY(listed);
        // The new unit is offered in the lines at once.
        QCOMPARE(w.FxGridSlip->ComboGrid->count(), before + 1);
        QVERIFY(w.FxGridSlip->ComboGrid->findText(QStringLiteral("ケース")) > 0);
        QCOMPARE(f.env.state.gDocType, quint8(2));
    }

    void setExpandedThroughTheSearch() {
        Fixture f;
        f.typeCell(4, 3, QStringLiteral("9"));
        f.typeCell(3, 2, QStringLiteral("x"), false);
        OnNextModal([&](QWidget* modal) {
            auto* search = qobject_cast<KivoraFindGoods*>(modal);
            search->TabFindGoods->setCurrentIndex(1);
            search->OptFindGoods1[0]->setChecked(true);
            search->TextFindGoods->setText(QStringLiteral("S01"));
            search->BtnFind->click();
            search->FxGridFindGoods->setCurrentCell(0, 0);
            search->BtnOK->click();
        });
        QTest::keyClick(f.window->TextGrid, Qt::Key_F7);
        QCOMPARE(f.cell(3, 1), QStringLiteral("A002"));
        QCOMPARE(f.cell(4, 1), QStringLiteral("B001"));
        QCOMPARE(f.cell(4, 6), QStringLiteral("1,350"));
        QCOMPARE(f.cell(5, 1), QString());
        QCOMPARE(f.window->LabelTotal[0]->text(), QStringLiteral("¥1,350"));
    }

    void lineCommandsOfTheMenu() {
        Fixture f;
        KivoraSlip& w = *f.window;
        QCOMPARE(w.MenuEdit[0]->text(), QStringLiteral("行コピー(&C)"));
        QCOMPARE(w.MenuEdit[1]->text(), QStringLiteral("行貼り付け(&P)"));
        QCOMPARE(w.MenuEdit[2]->text(), QStringLiteral("行削除(&D)"));
        for (int line = 1; line <= 99; ++line)
            f.grid()->setCell(line, 2, QString::number(line));
        f.grid()->setCell(99, 6, QStringLiteral("700"));
        f.typeCell(1, 1, QStringLiteral("A001"));
        f.typeCell(1, 3, QStringLiteral("1"));
        w.MenuEdit[0]->trigger();
        w.MenuPaste[1]->trigger();
        QCOMPARE(f.cell(2, 2), QStringLiteral("鉛筆"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("2"));
        QCOMPARE(f.cell(99, 2), QStringLiteral("98"));
        // Line 99's amount fell off with it.
        QCOMPARE(w.LabelTotal[0]->text(), QStringLiteral("¥2,100"));
        f.grid()->setCurrentLine(99, 2);
        w.MenuPaste[1]->trigger();
        QCOMPARE(f.cell(99, 2), QStringLiteral("鉛筆"));
        QCOMPARE(f.cell(98, 2), QStringLiteral("97"));
        w.MenuEdit[2]->trigger();
        QVERIFY(f.cell(99, 2).isEmpty());
        QCOMPARE(w.LabelTotal[0]->text(), QStringLiteral("¥2,100"));
    }

    void fieldsAndMenusPerType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("estimate");
        QTest::addColumn<bool>("posting");
        QTest::addColumn<QStringList>("copies");
        QTest::newRow("estimate") << 0 << true << false
                                  << QStringList{"注文書から(&O)", "納品書から(&D)",
                                                 "請求書から(&B)"};
        QTest::newRow("order") << 1 << false << false
                               << QStringList{"見積書から(&E)", "納品書から(&D)", "請求書から(&B)"};
        QTest::newRow("delivery note")
            << 2 << false << true
            << QStringList{"見積書から(&E)", "注文書から(&O)", "請求書から(&B)"};
        QTest::newRow("invoice") << 3 << false << true
                                 << QStringList{"見積書から(&E)", "注文書から(&O)",
                                                "納品書から(&D)"};
    }
    void fieldsAndMenusPerType() {
        QFETCH(int, type);
        QFETCH(bool, estimate);
        QFETCH(bool, posting);
        QFETCH(QStringList, copies);
        Fixture f(type);
        KivoraSlip& w = *f.window;
        QCOMPARE(w.windowTitle(), Res::text(101 + type) + QStringLiteral(" [山田商店]"));
        for (int k = 3; k <= 10; ++k)
            QCOMPARE(w.TextSlip[k]->isVisible(), estimate);
        for (int k = 7; k <= 10; ++k)
            QCOMPARE(w.LabelTitle[k]->isVisible(), estimate);
        QCOMPARE(w.CheckSlip->isVisible(), posting);
        QVERIFY(w.TextSlip[2]->isVisible());
        QCOMPARE(visibleItems(w.MenuCopy), copies);
        for (QAction* item : w.MenuRegist)
            QVERIFY(item->isEnabled());
        QVERIFY(w.MenuSlip[4]->isEnabled());
        QCOMPARE(w.ComboSlip[0]->currentText(), QString::number(QDate::currentDate().year()));
        QCOMPARE(w.ComboSlip[2]->currentIndex(), QDate::currentDate().day() - 1);
        // Enter in the last visible field goes back to the number.
        const int last = estimate ? 10 : 2;
        w.TextSlip[last]->setFocus();
        QTest::keyClick(w.TextSlip[last], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[0]);
        // Help opens the topic of the type.
        QUrl opened;
        f.env.state.HelpFile = f.env.path(QStringLiteral("Kivora.html"));
        f.env.state.OpenUrl = [&](const QUrl& url) {
            opened = url;
            return true;
        };
        w.MenuMain[3]->trigger();
        QCOMPARE(opened.fragment(), QString::number(1000 + std::min(type, 2)));
        QCOMPARE(opened.toLocalFile(), f.env.state.HelpFile);
    }

    void headerEnterRoute() {
        Fixture f(0);
        KivoraSlip& w = *f.window;
        for (int k : {2, 3, 4, 5, 6, 7, 8, 9}) {
            w.TextSlip[k]->setFocus();
            QTest::keyClick(w.TextSlip[k], Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), w.TextSlip[k + 1]);
        }
        // An unknown staff code keeps the focus; a known one fills the labels and goes on.
        f.typeField(1, QStringLiteral("99"));
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[1]);
        QVERIFY(w.LabelCharge[0]->text().isEmpty());
        f.typeField(1, QStringLiteral("01"));
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        QCOMPARE(w.LabelCharge[0]->text(), QStringLiteral("佐藤"));
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[2]);
        // The fields keep their byte lengths: six for the number.
        f.typeField(0, QStringLiteral("ABCDEFGH"));
        QCOMPARE(w.TextSlip[0]->text(), QStringLiteral("ABCDEF"));
        // An estimate stores its dates, place and terms and reads them back.
        w.TextSlip[0]->setText(QStringLiteral("E1"));
        const QStringList parts = {"2001", "4", "1", "本社", "2001", "5", "31", "現金"};
        for (int i = 0; i < 8; ++i)
            w.TextSlip[3 + i]->setText(parts[i]);
        f.typeCell(1, 2, QStringLiteral("作業一式"));
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT FixDate FROM 伝票管理")).toString(),
                 QStringLiteral("2001/4/1"));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Term FROM 伝票管理")).toString(),
                 QStringLiteral("2001/5/31"));
        w.MenuSlip[0]->trigger();
        QVERIFY(w.TextSlip[6]->text().isEmpty());
        w.MenuSlip[6]->trigger();
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w.TextSlip[3 + i]->text(), parts[i]);
    }
};

QTEST_MAIN(TestSlipWindow)
#include "tst_slipwindow.moc"
