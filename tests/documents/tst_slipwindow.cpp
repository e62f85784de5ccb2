// The slip window driven as a user drives it: typing, saving, deleting, 前回伝票, the history,
// copies from another type, the number dialog, menus and fields per type, Enter and help.
#include "support/TestMain.h"
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

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    std::unique_ptr<KivoraSlip> window;

    explicit Fixture(int type = 2) {
        AppState& s = env.state;
        s.DbMain = db.get();
        s.AppTitle = "Kivora";
        s.gUserCode = "1";
        s.gUserName = "山田商店";
        s.gExcise = 10; // truncating tax and amounts, as the state starts
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱'), ('03', '式')");
        db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES ('A001', '鉛筆', 1050, "
                 "'箱'), ('A002', '消しゴム', 333, '個'), ('B001', 'ノート', 150, '個')");
        db->exec("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES ('S01', "
                 "'文具セット', 1500, '式')");
        db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice, Unit) VALUES "
                 "('S01', 1, 'A002', '消しゴム', 333, '個'), ('S01', 2, 'B001', 'ノート', 150, "
                 "'個')");
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '佐藤')");
        env.state.gDocType = static_cast<quint8>(type);
        env.state.gCaption = Res::text(101 + type);
        window = std::make_unique<KivoraSlip>(env.state);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("slip window not active");
    }
    ~Fixture() { window->close(); }
    QString q(const QString& sql) { return db->scalar(sql).toString(); }
    SlipGrid* grid() const { return window->FxGridSlip; }
    QString cell(int line, int column) const { return grid()->cell(line, column); }
    QString totals() const {
        const auto& t = window->LabelTotal;
        return QStringLiteral("%1 %2 %3").arg(t[0]->text(), t[1]->text(), t[2]->text());
    }
    // The last message as "text|icon|whether it offered Cancel".
    QString asked() const {
        const MessageRequest& m = env.messages.shown().last();
        return QStringLiteral("%1|%2|%3").arg(m.text).arg(int(m.icon)).arg(m.withCancel);
    }

    static void key(QWidget* w, QChar c) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Types into a cell: the first key opens the editor, the rest goes into it; Enter takes it.
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
        window->TextSlip[index]->setFocus();
        window->TextSlip[index]->clear();
        for (QChar c : text)
            key(window->TextSlip[index], c);
    }
    // A saved document of this customer, each line 2 x 100.
    void storeDocument(int type, const QString& number, const QStringList& goods, qint64 ymd) {
        QList<SlipLine> lines;
        for (const QString& name : goods)
            lines << SlipLine{"", name, 2, "", 100, 200, ""};
        DocumentStore(*db).Save({"1", type, number, ymd, false, {}, {}, {}, {}, {}, {}, {}, {}},
                                lines, 0);
    }
    void fillSmallSlip(const QString& number) {
        window->TextSlip[0]->setText(number);
        typeCell(1, 1, "A001");
        typeCell(1, 3, "2");
    }
};

QString Asking(const char* text, MsgIcon icon) {
    return QStringLiteral("%1|%2|1").arg(text).arg(int(icon));
}

QStringList VisibleItems(const std::array<QAction*, 4>& items) {
    QStringList texts;
    for (QAction* item : items)
        if (item->isVisible())
            texts << item->text();
    return texts;
}

} // namespace

class TestSlipWindow : public QObject {
    Q_OBJECT

private slots:
    void deliveryNoteThroughTheKeyboard() {
        Fixture f;
        KivoraSlip& w = *f.window;
        QCOMPARE(w.windowTitle(), "納品書 [山田商店]");
        QCOMPARE(f.totals(), "¥0 ¥0 ¥0");
        f.typeField(0, "A00001");
        f.typeField(1, "01");
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        f.typeField(2, "四月分");
        f.typeCell(1, 1, "A001");
        f.typeCell(1, 3, "3");
        f.typeCell(2, 1, "A002");
        f.typeCell(2, 3, "1");
        // A refused price stops the save that waited for the editor.
        f.typeCell(2, 5, "abc", false);
        QTest::keyClick(w.TextGrid, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.env.messages.texts(), QStringList({"単価は数字を入力して下さい｡"}));
        QVERIFY(f.cell(2, 5).isEmpty());
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "0");
        f.typeCell(2, 5, "333");
        f.typeCell(3, 2, "送料");
        f.typeCell(3, 6, "500");
        // 3,150 + 333 + 500 = 3,983; 10 % is 398.3, truncated.
        QCOMPARE(f.totals(), "¥3,983 ¥398 ¥4,381");

        w.CheckSlip->setFocus();
        QTest::keyClick(w.CheckSlip, Qt::Key_Space);
        QVERIFY(w.CheckSlip->isChecked());
        f.env.messages.clear();
        QTest::keyClick(f.grid(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.asked(), Asking("伝票番号[A00001]を保存します｡", MsgIcon::Question));
        QCOMPARE(f.env.messages.shown().last().title, "保存");
        QCOMPARE(f.env.state.gCaption, "納品書");
        // Lines, unit, staff, remark, the posted total and 前回伝票.
        QCOMPARE(f.q("SELECT (SELECT COUNT(*) FROM 納品 WHERE UserCode = '1' AND Number = "
                     "'A00001') || (SELECT Unit FROM 納品 WHERE Count = 1) || ChargeCode || "
                     "Remark || (SELECT Price FROM 売掛 WHERE DocType = 2) || (SELECT DocNumD "
                     "FROM 前回伝票) FROM 伝票管理"),
                 "3箱01四月分4381.0A00001");
        // The window shows what was stored.
        QCOMPARE(w.TextSlip[0]->text(), "A00001");
        QCOMPARE(f.cell(3, 2), "送料");
        QCOMPARE(f.totals(), "¥3,983 ¥398 ¥4,381");
    }

    void imageBarSavesDespiteRefusal() {
        Fixture f;
        f.fillSmallSlip("D1");
        f.typeCell(1, 5, "x1", false);
        f.env.messages.answer(MsgOK); // the refusal
        f.env.messages.answer(MsgCancel);
        f.window->ImageSlipBar[0]->click();
        QCOMPARE(f.env.messages.texts(),
                 QStringList({"単価は数字を入力して下さい｡", "伝票番号[D1]を保存します｡"}));
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "0");
        QVERIFY(f.window->ImageSlipBar[1]->isEnabled());
    }

    void saveRefusalsInOrder() {
        // Number, month and day (of 2023), whether a line has an amount but no name.
        const std::tuple<const char*, const char*, const char*, bool, const char*> cases[] = {
            {"A１", "02", "28", false, "以下の文字は使用出来ません。\r 漢字(全角)"},
            {"A#1", "02", "30", false, "以下の文字は使用出来ません。\r #"},
            {"", "02", "30", false, "伝票番号を入力して下さい｡"},
            {"A1", "02", "30", false, "正確に作成日を入力して下さい｡"},
            {"A1", "02", "28", false, "明細を入力して下さい｡"},
            {"A1", "04", "30", true, "明細を入力して下さい｡"}};
        for (const auto& [number, month, day, line, message] : cases) {
            Fixture f;
            f.window->TextSlip[0]->setText(number);
            f.window->ComboSlip[0]->setCurrentText("2023");
            f.window->ComboSlip[1]->setCurrentText(month);
            f.window->ComboSlip[2]->setCurrentText(day);
            if (line)
                f.typeCell(1, 6, "100");
            f.window->MenuSlip[1]->trigger();
            QCOMPARE(f.env.messages.texts(), QStringList({message}));
            QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "0");
        }
    }

    void overwriteAndCancel() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("A00001");
        // A staff code that was never looked up (no name shown) is not stored.
        w.TextSlip[1]->setText("99");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT ChargeCode FROM 伝票管理"), "");
        QVERIFY(w.TextSlip[1]->text().isEmpty());
        // A changed document saved under the same number asks before it replaces.
        f.typeCell(1, 3, "5");
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.asked(), Asking("伝票番号[A00001]は既に存在します､上書きで保存します｡",
                                   MsgIcon::Exclamation));
        QCOMPARE(f.q("SELECT Quantity FROM 納品"), "2");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT Quantity FROM 納品"), "5");
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "1");
        // The delivery note was saved with the box unchecked: nothing was posted.
        QCOMPARE(f.q("SELECT COUNT(*) FROM 売掛"), "0");
    }

    void lastSlip() {
        Fixture f;
        KivoraSlip& w = *f.window;
        w.TextSlip[2]->setText("書きかけ");
        w.MenuSlip[6]->trigger();
        QCOMPARE(f.env.messages.texts(),
                 QStringList({"前回伝票を読み込みます｡", "前回伝票は見つかりませんでした｡"}));
        QCOMPARE(f.env.messages.shown().first().icon, MsgIcon::Question);
        QCOMPARE(w.TextSlip[2]->text(), "書きかけ");

        f.fillSmallSlip("A00007");
        w.TextSlip[1]->setText("01");
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        w.MenuSlip[1]->trigger();
        w.MenuSlip[0]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty() && f.cell(1, 2).isEmpty());
        QVERIFY(w.LabelCharge[0]->text().isEmpty());
        // Cancel reads nothing; OK (here through F8) reads the last saved document.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[6]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty());
        f.grid()->setFocus();
        QTest::keyClick(f.grid(), Qt::Key_F8);
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(QStringList({w.TextSlip[0]->text(), w.LabelCharge[0]->text(), f.cell(1, 2),
                              f.cell(1, 6), w.LabelTotal[2]->text()}),
                 QStringList({"A00007", "佐藤", "鉛筆", "2,100", "¥2,310"}));
    }

    void deleteAsksTwiceForPostedInvoice() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("B1");
        w.CheckSlip->setChecked(true);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT COUNT(*) FROM 売掛 WHERE DocType = 3 AND DocNumber = 'B1'"), "1");
        // Cancel at the first question deletes nothing.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.texts(), QStringList({"伝票番号[B1]を削除します｡"}));
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "1");
        // OK, then Cancel at the second: the document goes, its sale stays.
        f.env.messages.clear();
        f.env.messages.answer(MsgOK);
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.texts(),
                 QStringList({"伝票番号[B1]を削除します｡", "伝票番号[B1]の売上を削除します｡"}));
        QCOMPARE(f.env.messages.shown().last().title, "削除");
        QCOMPARE(f.q("SELECT (SELECT COUNT(*) FROM 伝票管理) || (SELECT COUNT(*) FROM 請求) || "
                     "(SELECT COUNT(*) FROM 売掛)"),
                 "001");
        QVERIFY(w.TextSlip[0]->text().isEmpty() && f.cell(1, 2).isEmpty());
        // An unknown number asks nothing.
        f.env.messages.clear();
        w.TextSlip[0]->setText("B1");
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.count(), 0);
    }

    void historyReadsTheChosenDocument() {
        Fixture f;
        f.storeDocument(2, "A00001", {"一"}, 20010301);
        f.storeDocument(2, "A00002", {"二", "三"}, 20010305);
        f.storeDocument(0, "E9", {"見積の行"}, 20010301);
        QString seen;
        OnNextModal([&](QWidget* modal) {
            auto* history = qobject_cast<KivoraHistory*>(modal);
            seen = history->windowTitle() + QString::number(history->BtnFind->isHidden());
            history->FxGridHistory->setCurrentCell(1, 1);
            history->BtnOK->click();
        });
        f.window->MenuSlip[7]->trigger();
        // Without a search button, the delivery notes only; the chosen one is read.
        QCOMPARE(seen, "伝票履歴1");
        QCOMPARE(QStringList({f.window->TextSlip[0]->text(), f.window->ComboSlip[2]->currentText(),
                              f.cell(2, 2)}),
                 QStringList({"A00002", "05", "三"}));
        QCOMPARE(f.env.state.gCaption, "納品書");
    }

    void copyLinesFromAnotherType() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.storeDocument(2, "D5", {"納品の行1", "納品の行2"}, 20010301);
        w.TextSlip[0]->setText("B7");
        w.TextSlip[2]->setText("消える");
        QString seen;
        OnNextModal([&](QWidget* modal) {
            auto* history = qobject_cast<KivoraHistory*>(modal);
            seen = QStringLiteral("%1 %2")
                       .arg(!history->BtnFind->isHidden())
                       .arg(f.env.state.gDocType);
            history->BtnOK->click();
        });
        w.MenuCopy[2]->trigger();
        // The history lists the other type, with the search button.
        QCOMPARE(seen, "1 2");
        // The window is a new document with the copied lines and their stored amounts.
        QVERIFY(w.TextSlip[0]->text().isEmpty() && w.TextSlip[2]->text().isEmpty());
        QCOMPARE(f.cell(1, 2) + f.cell(2, 6) + w.LabelTotal[0]->text(), "納品の行1200¥400");
        QCOMPARE(f.env.state.gDocType, quint8(3));
        QCOMPARE(f.env.state.gUserCode + f.env.state.gCaption, "1請求書");
        // Saved under a number, the lines become an invoice of the window's own type.
        w.TextSlip[0]->setText("B7");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT COUNT(*) FROM 請求 WHERE Number = 'B7'"), "2");
        // A cancelled history copies nothing.
        OnNextModal(
            [](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnCancel->click(); });
        w.MenuCopy[0]->trigger();
        QCOMPARE(w.TextSlip[0]->text() + f.cell(2, 2), "B7納品の行2");
    }

    void numberDialog() {
        Fixture f;
        f.env.settings().save(KivoraSlipNo::SettingsKey(2), "0/0/0/0/1/Z");
        QString caption;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraSlipNo*>(modal);
            caption = dialog->windowTitle();
            dialog->BtnOK->click();
        });
        f.window->BtnSlipNo->click();
        QCOMPARE(caption, "納品書(伝票番号)");
        QCOMPARE(f.window->TextSlip[0]->text(), "00001Z");
        QCOMPARE(f.window->focusWidget(), f.window->TextSlip[0]);
        // Cancel leaves the number as it was.
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraSlipNo*>(modal)->BtnCancel->click(); });
        f.window->MenuSlip[8]->trigger();
        QCOMPARE(f.window->TextSlip[0]->text(), "00001Z");
    }

    void unitsRegisteredFromTheSlip() {
        Fixture f;
        KivoraSlip& w = *f.window;
        const int before = w.FxGridSlip->ComboGrid->count();
        QString listed;
        OnNextModal([&listed](QWidget* modal) {
            auto* list = qobject_cast<KivoraRegist*>(modal);
            QVERIFY(list);
            listed = list->windowTitle();
            OnNextModal([](QWidget* inner) {
                auto* work = qobject_cast<KivoraWork*>(inner);
                QVERIFY(work);
                work->TextWork[1]->setText("ケース");
                work->BtnOK->click();
            });
            list->BtnRegist[0]->click();
            list->BtnEnd->click();
        });
        w.MenuRegist[1]->trigger();
        QCOMPARE(listed, "単位の登録");
        // The new unit is offered in the lines at once.
        QCOMPARE(w.FxGridSlip->ComboGrid->count(), before + 1);
        QVERIFY(w.FxGridSlip->ComboGrid->findText("ケース") > 0);
        QCOMPARE(f.env.state.gDocType, quint8(2));
    }

    void setExpandedThroughTheSearch() {
        Fixture f;
        f.typeCell(4, 3, "9");
        f.typeCell(3, 2, "x", false);
        OnNextModal([&](QWidget* modal) {
            auto* search = qobject_cast<KivoraFindGoods*>(modal);
            search->TabFindGoods->setCurrentIndex(1);
            search->OptFindGoods1[0]->setChecked(true);
            search->TextFindGoods->setText("S01");
            search->BtnFind->click();
            search->FxGridFindGoods->setCurrentCell(0, 0);
            search->BtnOK->click();
        });
        QTest::keyClick(f.window->TextGrid, Qt::Key_F7);
        // The components from the current line down, the second over the typed quantity.
        QCOMPARE(QStringList({f.cell(3, 1), f.cell(4, 1), f.cell(4, 6), f.cell(5, 1)}),
                 QStringList({"A002", "B001", "1,350", ""}));
        QCOMPARE(f.window->LabelTotal[0]->text(), "¥1,350");
    }

    void lineCommandsOfTheMenu() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.grid()->setCell(2, 2, "2");
        f.typeCell(1, 1, "A001");
        f.typeCell(1, 3, "1");
        // Copy and insert the line; delete one: the totals follow.
        w.MenuEdit[0]->trigger();
        w.MenuPaste[1]->trigger();
        QCOMPARE(f.cell(2, 2) + f.cell(3, 2), "鉛筆2");
        QCOMPARE(w.LabelTotal[0]->text(), "¥2,100");
        f.grid()->setCurrentLine(2, 2);
        w.MenuEdit[2]->trigger();
        QVERIFY(f.cell(2, 2).isEmpty());
        QCOMPARE(w.LabelTotal[0]->text(), "¥1,050");
    }

    void fieldsAndMenusPerType() {
        // Type; whether the estimate fields and the posting box show; the copy sources.
        const std::tuple<int, bool, bool, QStringList> types[] = {
            {0, true, false, {"注文書から(&O)", "納品書から(&D)", "請求書から(&B)"}},
            {1, false, false, {"見積書から(&E)", "納品書から(&D)", "請求書から(&B)"}},
            {2, false, true, {"見積書から(&E)", "注文書から(&O)", "請求書から(&B)"}},
            {3, false, true, {"見積書から(&E)", "注文書から(&O)", "納品書から(&D)"}}};
        for (const auto& [type, estimate, posting, copies] : types) {
            Fixture f(type);
            KivoraSlip& w = *f.window;
            QCOMPARE(w.windowTitle(), Res::text(101 + type) + " [山田商店]");
            for (int k = 3; k <= 10; ++k)
                QCOMPARE(w.TextSlip[k]->isVisible(), estimate);
            for (int k = 7; k <= 10; ++k)
                QCOMPARE(w.LabelTitle[k]->isVisible(), estimate);
            QCOMPARE(w.CheckSlip->isVisible(), posting);
            QVERIFY(w.TextSlip[2]->isVisible());
            QCOMPARE(VisibleItems(w.MenuCopy), copies);
            for (QAction* item : w.MenuRegist)
                QVERIFY(item->isEnabled());
            QVERIFY(w.MenuSlip[4]->isEnabled());
            // Dated today.
            QCOMPARE(w.ComboSlip[0]->currentText(), QString::number(QDate::currentDate().year()));
            QCOMPARE(w.ComboSlip[2]->currentIndex(), QDate::currentDate().day() - 1);
            // Enter in the last visible field goes back to the number.
            const int last = estimate ? 10 : 2;
            w.TextSlip[last]->setFocus();
            QTest::keyClick(w.TextSlip[last], Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), w.TextSlip[0]);
            // Help opens the topic of the type.
            QUrl opened;
            f.env.state.HelpFile = f.env.path("Kivora.html");
            f.env.state.OpenUrl = [&](const QUrl& url) {
                opened = url;
                return true;
            };
            w.MenuMain[3]->trigger();
            QCOMPARE(opened.fragment(), QString::number(1000 + std::min(type, 2)));
            QCOMPARE(opened.toLocalFile(), f.env.state.HelpFile);
        }
    }

    void headerEnterRoute() {
        Fixture f(0);
        KivoraSlip& w = *f.window;
        for (int k : {0, 2, 3, 4, 5, 6, 7, 8, 9}) {
            w.TextSlip[k]->setFocus();
            QTest::keyClick(w.TextSlip[k], Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), w.TextSlip[k + 1]);
        }
        // An unknown staff code keeps the focus; a known one fills the labels and goes on.
        f.typeField(1, "99");
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[1]);
        QVERIFY(w.LabelCharge[0]->text().isEmpty());
        f.typeField(1, "01");
        QTest::keyClick(w.TextSlip[1], Qt::Key_Return);
        QCOMPARE(w.LabelCharge[0]->text() + w.LabelCharge[1]->text(), "佐藤営業部");
        QCOMPARE(QApplication::focusWidget(), w.TextSlip[2]);
        // The fields keep their byte lengths: six for the number.
        f.typeField(0, "ABCDEFGH");
        QCOMPARE(w.TextSlip[0]->text(), "ABCDEF");
        // An estimate stores its dates, place and terms and reads them back.
        w.TextSlip[0]->setText("E1");
        const QStringList parts = {"2001", "4", "1", "本社", "2001", "5", "31", "現金"};
        for (int i = 0; i < 8; ++i)
            w.TextSlip[3 + i]->setText(parts[i]);
        f.typeCell(1, 2, "作業一式");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT FixDate || ' ' || Term FROM 伝票管理"), "2001/4/1 2001/5/31");
        w.MenuSlip[0]->trigger();
        QVERIFY(w.TextSlip[6]->text().isEmpty());
        w.MenuSlip[6]->trigger();
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w.TextSlip[3 + i]->text(), parts[i]);
    }
};

KIVORA_TEST(TestSlipWindow)
#include "tst_slipwindow.moc"
