// The customer and the staff/class search dialogs, driven as a user meets them: typed
// conditions that narrow step by step, the questions and refusals on the way, and what
// the dialogs hand back to their caller.
#include "support/TestMain.h"
#include "core/Database.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// Customers, staff (01, 02 and 10) and customer classes (1 卸売, 2 小売, 3 官公庁).
struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        db->exec(QStringLiteral(
            "INSERT INTO 顧客 (Code, Name, Address1, TEL) VALUES "
            "('5', '山田商店', '東京都千代田区', '03-1111-2222'), "
            "('2', '森田電気', '石川県金沢市', '076-203-1111'), "
            "('12', '田中工務店', '福井県福井市', '0776-12-3456'), "
            "('120', '佐藤商事', '東京都港区', '03-5555-0000'), "
            "('13', '在庫_処分', '東京都北区', ''), ('1', '在庫X処分', '東京都北区', '')"));
        db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Name, Position) VALUES "
                                "('01', '山田太郎', '営業部'), ('02', '田中花子', '経理部'), "
                                "('10', '佐藤一郎', '営業部')"));
        db->exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES "
                                "('3', '官公庁'), ('1', '卸売'), ('2', '小売')"));
    }

    MessageRequest last() const { return env.messages.shown().last(); }
    // The last message was `text` with `icon`, offering Cancel or not.
    void expect(const QString& text, MsgIcon icon, bool withCancel) const {
        QCOMPARE(last().text, text);
        QCOMPARE(last().icon, icon);
        QCOMPARE(last().withCancel, withCancel);
    }
};

// Types a text as the user would, replacing what the field held.
void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
    return out;
}

// Centres may differ by a pixel where a size is odd.
bool Near(const QPoint& a, const QPoint& b) {
    return (a - b).manhattanLength() <= 2;
}

QPoint RowCentre(const QTableWidget* grid, int row) {
    return grid->visualRect(grid->model()->index(row, 0)).center();
}

void Find(KivoraFindUser& d, int option, const QString& text) {
    d.OptFindUser[option]->click();
    Type(d.TextFindUser, text);
    d.BtnFind->click();
}

void Find(KivoraFindItem& d, int option, const QString& text) {
    d.OptFindItem[option]->click();
    Type(d.TextFindItem, text);
    d.BtnFind->click();
}

QStringList Codes(const KivoraFindUser& d) {
    return Column(d.FxGridFindUser, 0);
}

const QStringList Empty{QString()};

} // namespace

class TestFindDialogs : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyThenConditionsNarrowStepByStep() {
        Fixture f;
        f.env.state.gResult = 7;
        KivoraFindUser d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.windowTitle(), QStringLiteral("顧客検索"));
        QVERIFY(d.OptFindUser[0]->isChecked());
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(d.FxGridFindUser->editTriggers(), QAbstractItemView::NoEditTriggers);
        // 40 bytes at most: 40 half-width characters or 20 full-width ones.
        Type(d.TextFindUser, QString(45, QLatin1Char('1')));
        QCOMPARE(d.TextFindUser->text(), QString(40, QLatin1Char('1')));
        Type(d.TextFindUser, QString(25, QChar(0x7530)));
        QCOMPARE(d.TextFindUser->text(), QString(20, QChar(0x7530)));

        Find(d, 1, QStringLiteral("田"));
        QCOMPARE(Codes(d), QStringList({"5", "2", "12"}));
        QCOMPARE(Column(d.FxGridFindUser, 2),
                 QStringList({"東京都千代田区", "石川県金沢市", "福井県福井市"}));
        // Choosing an option starts a new text there.
        d.BtnFind->setFocus();
        d.OptFindUser[4]->click();
        QVERIFY(d.TextFindUser->text().isEmpty() && d.TextFindUser->hasFocus());
        // The second condition, confirmed with Enter, narrows the first result; the list
        // now ascends by telephone number.
        QTest::keyClicks(d.TextFindUser, "03");
        QTest::keyClick(d.TextFindUser, Qt::Key_Return);
        QCOMPARE(Codes(d), QStringList({"5", "2"}));
        QCOMPARE(Column(d.FxGridFindUser, 3), QStringList({"03-1111-2222", "076-203-1111"}));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(f.env.messages.count(), 0);
        // A fresh list starts at its first row: OK takes it without touching the grid.
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("5"));
    }

    void exactMatchPreference() {
        // The patterns themselves are RecordSearch's; here only the stored preference.
        Fixture f;
        f.env.state.FindItem = 1;
        KivoraFindUser d(f.env.state);
        Find(d, 0, "12");
        QCOMPARE(Codes(d), QStringList({"12"}));
        f.env.state.FindItem = 0;
        KivoraFindUser partial(f.env.state);
        Find(partial, 0, "12");
        QCOMPARE(Codes(partial), QStringList({"12", "120"}));
    }

    void fiveConditionsResetAndEmptySearches() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        d.show();
        for (const char* part : {"1", "-", "11", "2", "22"})
            Find(d, 4, QString::fromLatin1(part));
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Codes(d), QStringList({"5"}));
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
        f.expect(QStringLiteral("解除します｡"), MsgIcon::Information, true);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Codes(d), QStringList({"5"}));
        QCOMPARE(d.TextFindUser->text(), QStringLiteral("03"));
        d.BtnReset->click();
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
        QVERIFY(d.TextFindUser->text().isEmpty());
        QVERIFY(d.BtnFind->isEnabled());

        // An empty first search asks first; Cancel lists nothing.
        f.env.messages.answer(MsgCancel);
        Find(d, 0, QStringLiteral("  "));
        f.expect(QStringLiteral("全件を表示します｡"), MsgIcon::Question, true);
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(d.conditionCount(), 0);
        // OK lists every customer, ascending by the searched column.
        Find(d, 1, QString());
        QCOMPARE(Column(d.FxGridFindUser, 1), QStringList({"佐藤商事", "在庫X処分", "在庫_処分",
                                                           "山田商店", "森田電気", "田中工務店"}));
        QCOMPARE(d.conditionCount(), 1);
        // After a condition, an empty text asks for one instead.
        f.env.messages.clear();
        Find(d, 0, QString());
        QCOMPARE(f.env.messages.count(), 1);
        f.expect(QStringLiteral("検索条件を入力して下さい｡"), MsgIcon::Exclamation, false);
        QCOMPARE(d.conditionCount(), 1);
        QCOMPARE(d.FxGridFindUser->rowCount(), 6);
    }

    void refusalsAndFailuresKeepTheList() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        // A forbidden character searches nothing.
        Find(d, 1, QStringLiteral("田!"));
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.last().text, QStringLiteral("以下の文字は使用出来ません。\r !"));
        QCOMPARE(f.last().title, QStringLiteral("検索条件"));
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
        // A value not found is dropped: the list stays and the next search builds on the
        // name only.
        Find(d, 1, QStringLiteral("田"));
        Find(d, 4, "99");
        QCOMPARE(f.env.messages.count(), 2);
        f.expect(QStringLiteral("見つかりませんでした｡"), MsgIcon::Information, false);
        QCOMPARE(f.last().title, QStringLiteral("Kivora"));
        QCOMPARE(Codes(d), QStringList({"5", "2", "12"}));
        QCOMPARE(d.conditionCount(), 1);
        Find(d, 4, "-11");
        QCOMPARE(Codes(d), QStringList({"5", "2"}));
        // A failing database is reported; the list and its conditions stay.
        f.db->exec(QStringLiteral("DROP TABLE 顧客"));
        Find(d, 4, "03");
        QCOMPARE(f.last().icon, MsgIcon::Stop);
        QVERIFY(!f.last().text.isEmpty());
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(Codes(d), QStringList({"5", "2"}));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void customerIsHandedBack_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("chosen"); // code and name; empty: nothing handed back
        QTest::newRow("Cancel") << 0 << QString();
        QTest::newRow("Escape") << 1 << QString();
        QTest::newRow("click and OK") << 2 << QStringLiteral("2森田電気");
        QTest::newRow("double click") << 3 << QStringLiteral("12田中工務店");
        QTest::newRow("Enter in the grid takes the first row") << 4 << QStringLiteral("5山田商店");
    }

    void customerIsHandedBack() {
        QFETCH(int, way);
        QFETCH(QString, chosen);
        Fixture f;
        f.env.state.gUserCode = QStringLiteral("120");
        // Opened over its caller, it stands centred on it.
        QWidget caller;
        caller.setGeometry(100, 80, 600, 450);
        caller.show();
        KivoraFindUser d(f.env.state, &caller);
        QVERIFY(Near(d.frameGeometry().center(), caller.frameGeometry().center()));
        d.show();
        // OK with nothing listed does nothing.
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        Find(d, 1, QStringLiteral("田"));
        // Leaving without a choice is a cancel even after an earlier choice set gResult.
        f.env.state.gResult = 0;
        QWidget* rows = d.FxGridFindUser->viewport();
        const QPoint at = RowCentre(d.FxGridFindUser, way == 2 ? 1 : 2);
        if (way == 0) {
            d.BtnCancel->click();
        } else if (way == 1) {
            QTest::keyClick(&d, Qt::Key_Escape);
        } else if (way == 4) {
            QTest::keyClick(d.FxGridFindUser, Qt::Key_Return);
        } else {
            // A double click arrives as the first click followed by the double click.
            QTest::mouseClick(rows, Qt::LeftButton, {}, at);
            QCOMPARE(d.FxGridFindUser->selectionModel()->selectedRows().size(), 1);
            if (way == 2)
                d.BtnOK->click();
            else
                QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        }
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(chosen.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(f.env.state.gUserCode + f.env.state.gUserName,
                 chosen.isEmpty() ? QStringLiteral("120") : chosen);
        QCOMPARE(f.env.state.gResult, qint16(chosen.isEmpty() ? -1 : 0));
    }

    void staffAndClassSearch_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("columns"); // staff rows carry the department
        QTest::addColumn<QString>("chosen");             // the second row: code and name
        QTest::newRow("staff") << 0 << "担当者検索" << 1 << "田"
                               << QList<QStringList>{{"01", "02"},
                                                     {"山田太郎", "田中花子"},
                                                     {"営業部", "経理部"}}
                               << "02田中花子";
        QTest::newRow("classes, all listed")
            << 1 << "分類検索" << 0 << ""
            << QList<QStringList>{{"1", "2", "3"}, {"卸売", "小売", "官公庁"}} << "2小売";
    }

    void staffAndClassSearch() {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(int, option);
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, columns);
        QFETCH(QString, chosen);
        Fixture f;
        f.env.state.gMode = mode;
        f.env.state.gHandOff = QStringLiteral("keep");
        // Opened over the caller that left itself in gCaller, not over the parent.
        QWidget caller, parent;
        caller.setGeometry(150, 100, 600, 450);
        parent.setGeometry(0, 0, 300, 200);
        caller.show();
        f.env.state.gCaller = &caller;
        KivoraFindItem d(f.env.state, &parent);
        QVERIFY(Near(d.frameGeometry().center(), caller.frameGeometry().center()));
        d.show();
        QCOMPARE(d.windowTitle(), title);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // 30 bytes at most.
        Type(d.TextFindItem, QString(20, QChar(0x7530)));
        QCOMPARE(d.TextFindItem->text(), QString(15, QChar(0x7530)));
        // OK on the empty list hands back nothing and stays open.
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("keep"));

        Find(d, option, text);
        if (text.isEmpty())
            QCOMPARE(f.last().text, QStringLiteral("全件を表示します｡"));
        QCOMPARE(d.FxGridFindItem->columnCount(), columns.size());
        for (int c = 0; c < columns.size(); ++c)
            QCOMPARE(Column(d.FxGridFindItem, c), columns[c]);
        d.FxGridFindItem->setFocus();
        QTest::keyClick(d.FxGridFindItem, Qt::Key_Down);
        QTest::keyClick(d.FxGridFindItem, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gHandOff + f.env.state.gWork[0], chosen);
        QCOMPARE(f.env.state.gResult, qint16(0));
    }
};

KIVORA_TEST(TestFindDialogs)
#include "tst_finddialogs.moc"
