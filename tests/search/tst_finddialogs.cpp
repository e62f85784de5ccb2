// The customer and the staff/class search dialogs, driven as a user meets them: typed
// conditions that narrow step by step, the questions and refusals on the way, and what
// the dialogs hand back to their caller.
#include "core/Database.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        const QList<QStringList> customers = {
            {"5", QStringLiteral("山田商店"), QStringLiteral("東京都千代田区"), "03-1111-2222"},
            {"2", QStringLiteral("森田電気"), QStringLiteral("石川県金沢市"), "076-203-1111"},
            {"12", QStringLiteral("田中工務店"), QStringLiteral("福井県福井市"), "0776-12-3456"},
            {"120", QStringLiteral("佐藤商事"), QStringLiteral("東京都港区"), "03-5555-0000"},
            {"13", QStringLiteral("在庫_処分"), QStringLiteral("東京都北区"), ""},
            {"1", QStringLiteral("在庫X処分"), QStringLiteral("東京都北区"), ""},
        };
        for (const QStringList& c : customers)
            db->exec(
                QStringLiteral("INSERT INTO 顧客 (Code, Name, Address1, TEL) VALUES (?, ?, ?, ?)"),
                {c[0], c[1], c[2], c[3]});
        db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Name, Position) VALUES (?, ?, ?), "
                                "(?, ?, ?), (?, ?, ?)"),
                 {"01", QStringLiteral("山田太郎"), QStringLiteral("営業部"), "02",
                  QStringLiteral("田中花子"), QStringLiteral("経理部"), "10",
                  QStringLiteral("佐藤一郎"), QStringLiteral("営業部")});
        db->exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES (?, ?), (?, ?), (?, ?)"),
                 {"3", QStringLiteral("官公庁"), "1", QStringLiteral("卸売"), "2",
                  QStringLiteral("小売")});
    }

    MessageRequest last() const { return env.messages.shown().last(); }
};

// Types a text as the user would, replacing what the field held.
void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* item = grid->item(r, column);
        out << (item ? item->text() : QString());
    }
    return out;
}

QStringList Headers(const QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << grid->horizontalHeaderItem(c)->text();
    return out;
}

// Centres may differ by a pixel where a size is odd.
bool Near(const QPoint& a, const QPoint& b) {
    return (a - b).manhattanLength() <= 2;
}

QPoint RowCentre(const QTableWidget* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 0)).center();
}

// Searches `text` in option `option` of a dialog with the usual control names.
template <typename Dialog, typename Options>
void Search(Dialog& dialog, Options& options, QLineEdit* field, int option, const QString& text) {
    options[option]->click();
    Type(field, text);
    dialog.BtnFind->click();
}

} // namespace

class TestFindDialogs : public QObject {
    Q_OBJECT

    static void find(KivoraFindUser& d, int option, const QString& text) {
        Search(d, d.OptFindUser, d.TextFindUser, option, text);
    }
    static void find(KivoraFindItem& d, int option, const QString& text) {
        Search(d, d.OptFindItem, d.TextFindItem, option, text);
    }

private slots:
    void customerDialogOpensEmpty() {
        Fixture f;
        f.env.state.gResult = 7;
        KivoraFindUser d(f.env.state);
        QCOMPARE(d.windowTitle(), QStringLiteral("顧客検索"));
        QCOMPARE(d.FrameFindUser->title(), QStringLiteral("検索対照"));
        QStringList captions;
        for (const QRadioButton* option : d.OptFindUser)
            captions << option->text();
        QCOMPARE(captions,
                 QStringList({QStringLiteral("顧客番号(&U)"), QStringLiteral("顧客名(&N)"),
                              QStringLiteral("顧客カナ(&K)"), QStringLiteral("住所１(&A)"),
                              QStringLiteral("ＴＥＬ(&T)"), QStringLiteral("担当者１(&C)")}));
        QVERIFY(d.OptFindUser[0]->isChecked());
        QCOMPARE(Headers(d.FxGridFindUser),
                 QStringList({QStringLiteral("顧客番号"), QStringLiteral("顧客名"),
                              QStringLiteral("住所"), QStringLiteral("ＴＥＬ")}));
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({QString()}));
        QCOMPARE(d.BtnFind->text(), QStringLiteral("検索(&F)"));
        QCOMPARE(d.BtnReset->text(), QStringLiteral("解除(&R)"));
        QCOMPARE(d.BtnCancel->text(), QStringLiteral("キャンセル"));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(d.FxGridFindUser->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(d.FxGridFindUser->editTriggers(), QAbstractItemView::NoEditTriggers);
        // 40 bytes at most: 40 half-width characters or 20 full-width ones.
        Type(d.TextFindUser, QString(45, QLatin1Char('1')));
        QCOMPARE(d.TextFindUser->text(), QString(40, QLatin1Char('1')));
        Type(d.TextFindUser, QString(25, QChar(0x7530)));
        QCOMPARE(d.TextFindUser->text(), QString(20, QChar(0x7530)));
    }

    void conditionsNarrowStepByStep() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        d.show();
        find(d, 1, QStringLiteral("田"));
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2", "12"}));
        QCOMPARE(Column(d.FxGridFindUser, 2),
                 QStringList({QStringLiteral("東京都千代田区"), QStringLiteral("石川県金沢市"),
                              QStringLiteral("福井県福井市")}));
        // The second condition, typed and confirmed with Enter, narrows the first result;
        // the list now ascends by telephone number.
        d.OptFindUser[4]->click();
        QTest::keyClicks(d.TextFindUser, "03");
        QTest::keyClick(d.TextFindUser, Qt::Key_Return);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2"}));
        QCOMPARE(Column(d.FxGridFindUser, 3), QStringList({"03-1111-2222", "076-203-1111"}));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(f.env.messages.count(), 0);
        // A fresh list starts at its first row: OK takes it without touching the grid.
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("5"));
    }

    void choosingAnOptionStartsANewText() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.BtnFind->setFocus();
        d.TextFindUser->setText(QStringLiteral("abc"));
        d.OptFindUser[2]->click();
        QVERIFY(d.TextFindUser->text().isEmpty());
        QVERIFY(d.TextFindUser->hasFocus());
    }

    void exactMatchAndPatterns() {
        Fixture f;
        f.env.state.FindItem = 1;
        KivoraFindUser d(f.env.state);
        find(d, 0, "12");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"12"}));
        // "?" typed by the user still stands for any one character.
        d.BtnReset->click();
        find(d, 0, "1?");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"12", "13"}));
        // "_" is a plain character of the data, not a wildcard.
        d.BtnReset->click();
        find(d, 1, QStringLiteral("庫_処"));
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({QString()}));
        QCOMPARE(f.last().text, QStringLiteral("見つかりませんでした｡"));
        find(d, 1, QStringLiteral("在庫_処分"));
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"13"}));

        f.env.state.FindItem = 0;
        KivoraFindUser partial(f.env.state);
        find(partial, 0, "12");
        QCOMPARE(Column(partial.FxGridFindUser, 0), QStringList({"12", "120"}));
        partial.BtnReset->click();
        find(partial, 1, QStringLiteral("庫_処"));
        QCOMPARE(Column(partial.FxGridFindUser, 0), QStringList({"13"}));
    }

    void notFoundDropsTheCondition() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        find(d, 1, QStringLiteral("田"));
        find(d, 4, "99");
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.last().text, QStringLiteral("見つかりませんでした｡"));
        QCOMPARE(f.last().title, QStringLiteral("Kivora"));
        QCOMPARE(f.last().icon, MsgIcon::Information);
        QVERIFY(!f.last().withCancel);
        // The previous result stays, and the next search builds on the name only.
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2", "12"}));
        QCOMPARE(d.conditionCount(), 1);
        find(d, 4, "0");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2", "12"}));
        find(d, 4, "-1");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2", "12"}));
        find(d, 4, "-11");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2"}));
    }

    void emptySearches() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        // First search: a question; Cancel lists nothing.
        f.env.messages.answer(MsgCancel);
        find(d, 0, QStringLiteral("  "));
        QCOMPARE(f.last().text, QStringLiteral("全件を表示します｡"));
        QCOMPARE(f.last().icon, MsgIcon::Question);
        QVERIFY(f.last().withCancel);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({QString()}));
        QCOMPARE(d.conditionCount(), 0);
        // OK lists every customer, ascending by the searched column.
        find(d, 1, QString());
        QCOMPARE(Column(d.FxGridFindUser, 1),
                 QStringList({QStringLiteral("佐藤商事"), QStringLiteral("在庫X処分"),
                              QStringLiteral("在庫_処分"), QStringLiteral("山田商店"),
                              QStringLiteral("森田電気"), QStringLiteral("田中工務店")}));
        QCOMPARE(d.conditionCount(), 1);
        // After a condition, an empty text asks for one instead.
        f.env.messages.clear();
        find(d, 0, QString());
        QCOMPARE(f.env.messages.texts(),
                 QStringList({QStringLiteral("検索条件を入力して下さい｡")}));
        QCOMPARE(f.last().icon, MsgIcon::Exclamation);
        QCOMPARE(d.conditionCount(), 1);
        QCOMPARE(d.FxGridFindUser->rowCount(), 6);
    }

    void fiveConditionsStopSearching() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        d.show();
        for (const char* part : {"1", "-", "11", "2", "22"})
            find(d, 4, QString::fromLatin1(part));
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5"}));
        QVERIFY(!d.BtnFind->isEnabled());
        // Enter in the text neither searches nor reaches another button.
        Type(d.TextFindUser, "03");
        QTest::keyClick(d.TextFindUser, Qt::Key_Return);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));

        // Reset, refused and then confirmed, is the only way back.
        f.env.messages.answer(MsgCancel);
        d.BtnReset->click();
        QCOMPARE(f.last().text, QStringLiteral("解除します｡"));
        QCOMPARE(f.last().icon, MsgIcon::Information);
        QVERIFY(f.last().withCancel);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5"}));
        QCOMPARE(d.TextFindUser->text(), QStringLiteral("03"));
        d.BtnReset->click();
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({QString()}));
        QVERIFY(d.TextFindUser->text().isEmpty());
        QVERIFY(d.BtnFind->isEnabled());
        find(d, 0, "2");
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"12", "120", "2"}));
    }

    void forbiddenCharacterSearchesNothing() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        find(d, 1, QStringLiteral("田!"));
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.last().text, QStringLiteral("以下の文字は使用出来ません。\r !"));
        QCOMPARE(f.last().title, QStringLiteral("検索条件"));
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({QString()}));
    }

    void databaseErrorLeavesTheList() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        find(d, 1, QStringLiteral("田"));
        f.db->exec(QStringLiteral("DROP TABLE 顧客"));
        find(d, 4, "03");
        QCOMPARE(f.last().icon, MsgIcon::Stop);
        QVERIFY(!f.last().text.isEmpty());
        QCOMPARE(d.conditionCount(), 1);
        QCOMPARE(Column(d.FxGridFindUser, 0), QStringList({"5", "2", "12"}));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void customerIsHandedBack() {
        Fixture f;
        {
            // OK with nothing listed does nothing.
            KivoraFindUser d(f.env.state);
            d.show();
            d.BtnOK->click();
            QVERIFY(d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(-1));
            // A click picks a row, OK takes it.
            find(d, 1, QStringLiteral("田"));
            QTest::mouseClick(d.FxGridFindUser->viewport(), Qt::LeftButton, {},
                              RowCentre(d.FxGridFindUser, 1));
            QCOMPARE(d.FxGridFindUser->selectionModel()->selectedRows().size(), 1);
            d.BtnOK->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(f.env.state.gUserCode, QStringLiteral("2"));
            QCOMPARE(f.env.state.gUserName, QStringLiteral("森田電気"));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
        {
            // A double click takes the row under the pointer.
            KivoraFindUser d(f.env.state);
            d.show();
            find(d, 1, QStringLiteral("田"));
            // A widget double click arrives as the first click followed by the double click.
            const QPoint at = RowCentre(d.FxGridFindUser, 2);
            QTest::mouseClick(d.FxGridFindUser->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(d.FxGridFindUser->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gUserCode, QStringLiteral("12"));
            QCOMPARE(f.env.state.gUserName, QStringLiteral("田中工務店"));
        }
        {
            // Opened modally by a caller: Enter in the grid takes the first listed row.
            QWidget caller;
            caller.setGeometry(300, 200, 900, 700);
            caller.show();
            OnNextModal([](QWidget* modal) {
                auto* d = qobject_cast<KivoraFindUser*>(modal);
                QVERIFY(d);
                find(*d, 4, "03");
                d->FxGridFindUser->setFocus();
                QTest::keyClick(d->FxGridFindUser, Qt::Key_Return);
            });
            KivoraFindUser d(f.env.state, &caller);
            QVERIFY(Near(d.frameGeometry().center(), caller.frameGeometry().center()));
            QCOMPARE(d.exec(), int(QDialog::Accepted));
            QCOMPARE(f.env.state.gUserCode, QStringLiteral("5"));
            QCOMPARE(f.env.state.gUserName, QStringLiteral("山田商店"));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
    }

    void cancelHandsBackNothing() {
        Fixture f;
        f.env.state.gUserCode = QStringLiteral("120");
        KivoraFindUser d(f.env.state);
        d.show();
        find(d, 1, QStringLiteral("田"));
        d.BtnCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("120"));
        // Escape ends the dialog the same way, even after a row was chosen before.
        KivoraFindUser again(f.env.state);
        again.show();
        f.env.state.gResult = 0;
        QTest::keyClick(&again, Qt::Key_Escape);
        QVERIFY(!again.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
    }

    void staffSearch() {
        Fixture f;
        f.env.state.gMode = 0;
        KivoraFindItem d(f.env.state);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("担当者検索"));
        QCOMPARE(d.OptFindItem[0]->text(), QStringLiteral("番号(&U)"));
        QCOMPARE(d.OptFindItem[1]->text(), QStringLiteral("担当者名(&N)"));
        QCOMPARE(Headers(d.FxGridFindItem),
                 QStringList({QStringLiteral("番号"), QStringLiteral("担当者名"),
                              QStringLiteral("部署名")}));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // 30 bytes at most.
        Type(d.TextFindItem, QString(20, QChar(0x7530)));
        QCOMPARE(d.TextFindItem->text(), QString(15, QChar(0x7530)));

        find(d, 1, QStringLiteral("田"));
        QCOMPARE(Column(d.FxGridFindItem, 0), QStringList({"01", "02"}));
        QCOMPARE(Column(d.FxGridFindItem, 2),
                 QStringList({QStringLiteral("営業部"), QStringLiteral("経理部")}));
        find(d, 0, "9");
        QCOMPARE(f.last().text, QStringLiteral("見つかりませんでした｡"));
        QCOMPARE(d.conditionCount(), 1);
        find(d, 0, "2");
        QCOMPARE(Column(d.FxGridFindItem, 0), QStringList({"02"}));
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("02"));
        QCOMPARE(f.env.state.gWork[0], QStringLiteral("田中花子"));
        QCOMPARE(f.env.state.gResult, qint16(0));
    }

    void classSearch() {
        Fixture f;
        f.env.state.gMode = 1;
        // Opened over the caller that left itself in gCaller, not over the parent.
        QWidget caller, parent;
        caller.setGeometry(500, 300, 700, 500);
        parent.setGeometry(0, 0, 300, 200);
        caller.show();
        f.env.state.gCaller = &caller;
        KivoraFindItem d(f.env.state, &parent);
        QVERIFY(Near(d.frameGeometry().center(), caller.frameGeometry().center()));
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("分類検索"));
        QCOMPARE(d.OptFindItem[1]->text(), QStringLiteral("分類名(&N)"));
        QCOMPARE(Headers(d.FxGridFindItem),
                 QStringList({QStringLiteral("番号"), QStringLiteral("分類名")}));

        find(d, 0, QString());
        QCOMPARE(f.last().text, QStringLiteral("全件を表示します｡"));
        QCOMPARE(Column(d.FxGridFindItem, 0), QStringList({"1", "2", "3"}));
        QCOMPARE(Column(d.FxGridFindItem, 1),
                 QStringList(
                     {QStringLiteral("卸売"), QStringLiteral("小売"), QStringLiteral("官公庁")}));
        d.FxGridFindItem->setFocus();
        QTest::keyClick(d.FxGridFindItem, Qt::Key_Down);
        QTest::keyClick(d.FxGridFindItem, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("2"));
        QCOMPARE(f.env.state.gWork[0], QStringLiteral("小売"));
        QCOMPARE(f.env.state.gResult, qint16(0));
    }

    void itemSearchLimitsAndCancel() {
        Fixture f;
        f.env.state.gMode = 1;
        f.env.state.gHandOff = QStringLiteral("keep");
        KivoraFindItem d(f.env.state);
        d.show();
        find(d, 1, QStringLiteral("売!"));
        QCOMPARE(f.last().title, QStringLiteral("検索条件"));
        QCOMPARE(d.conditionCount(), 0);
        for (int i = 0; i < 5; ++i)
            find(d, 1, QStringLiteral("売"));
        QVERIFY(!d.BtnFind->isEnabled());
        QTest::keyClick(d.TextFindItem, Qt::Key_Return);
        QCOMPARE(d.conditionCount(), 5);
        // OK on an empty row of a reset list hands back nothing.
        d.BtnReset->click();
        QVERIFY(d.BtnFind->isEnabled());
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        d.BtnCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("keep"));
    }
};

QTEST_MAIN(TestFindDialogs)
#include "tst_finddialogs.moc"
