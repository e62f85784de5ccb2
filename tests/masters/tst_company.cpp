// The own company dialog driven as a user drives it: what it shows of the stored row,
// what OK stores and what Cancel leaves alone, the postal code's two parts, the rate
// and rounding lists, the rounding that the next slip line uses, a lost row written
// back, the Enter route, focus colours and a write that fails.
#include "support/TestMain.h"
#include "core/Database.h"
#include "documents/SlipTotals.h"
#include "masters/KivoraCompany.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = "Kivora";
        env.state.gCaption = "自社情報";
    }

    // Every column of every stored row as text, in the table's own column order.
    QStringList stored() const {
        QStringList out;
        for (RecordSet rs = db->select("SELECT * FROM 自社情報"); !rs.Eof(); rs.MoveNext())
            for (const QString& field : rs.fields())
                out << rs.text(field);
        return out;
    }
    QString column(const QString& expression) const {
        return db->scalar("SELECT " + expression + " FROM 自社情報").toString();
    }
    // Opens the dialog, lets `edit` change it and presses OK.
    void ok(const std::function<void(KivoraCompany&)>& edit) {
        KivoraCompany d(env.state);
        edit(d);
        d.BtnOK->click();
    }
};

// The ten fields, the rate, rounding, closing day and payment day lists, and the closing.
QStringList Shown(const KivoraCompany& d) {
    QStringList out;
    for (const QLineEdit* field : d.TextComp)
        out << field->text();
    for (const QComboBox* list : d.ComboComp)
        out << list->currentText();
    return out << (d.OptionComp[1]->isChecked() ? "次月" : "当月");
}

// Types `texts` into the fields from field `first` on.
void Fill(KivoraCompany& d, int first, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        d.TextComp[first + i]->setText(texts[i]);
}

QStringList Items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

} // namespace

class TestCompany : public QObject {
    Q_OBJECT

private slots:
    void okStoresEveryFieldAndShowsItAgain() {
        Fixture f;
        f.env.state.gPriceFraction = 0;
        KivoraCompany d(f.env.state);
        d.show();
        QCOMPARE(d.windowTitle(), "自社情報");
        const QStringList texts = QString("有限会社テスト工房|試験 花子|910|0005|福井県福井市大手|"
                                          "２丁目|0776-00-0000|0776-00-0001|福井銀行 本店 普通 "
                                          "111|北陸銀行 駅前 当座 222")
                                      .split('|');
        const QStringList choices{"8%", "四捨五入", "切り上げ", "25", "10"};
        Fill(d, 0, texts);
        for (int i = 0; i < 5; ++i)
            d.ComboComp[i]->setCurrentText(choices[i]);
        QTest::mouseClick(d.OptionComp[1], Qt::LeftButton);
        d.BtnOK->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.stored(),
                 QStringList({texts[0], texts[1], "910-0005", texts[4], texts[5], texts[6],
                              texts[7], texts[8], texts[9], "8", "1", "2", "25", "10", "1"}));
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
        QCOMPARE(f.env.messages.count(), 0);
        // Opened again it shows the stored row; 当月 goes back to 0.
        f.ok([&](KivoraCompany& again) {
            QCOMPARE(Shown(again), texts + choices + QStringList{"次月"});
            again.OptionComp[0]->setChecked(true);
        });
        QCOMPARE(f.column("ClosingType || Name"), "0" + texts[0]);
    }

    void cancelWritesNothing() {
        Fixture f;
        const QStringList before = f.stored();
        f.env.state.gPriceFraction = 0;
        // The Cancel button, Escape and closing the window.
        for (int way = 0; way < 3; ++way) {
            KivoraCompany d(f.env.state);
            d.show();
            Fill(d, 0, QString("99|99|99||99|99|99|99|99|99").split('|'));
            for (QComboBox* list : d.ComboComp)
                list->setCurrentIndex(1);
            d.OptionComp[1]->setChecked(true);
            if (way == 0)
                d.BtnCancel->click();
            else if (way == 1)
                QTest::keyClick(d.ComboComp[4], Qt::Key_Escape);
            else
                d.close();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(f.stored(), before);
            QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        }
        QCOMPARE(f.env.messages.count(), 0);
    }

    void postalCodeWithoutSecondPart() {
        Fixture f;
        f.ok([](KivoraCompany& d) { Fill(d, 2, {"910", ""}); });
        QCOMPARE(f.column("ZipCode"), "910");
        // Shown as the first part alone and, untouched, stored back as it came.
        f.ok([](KivoraCompany& d) { QCOMPARE(Shown(d).mid(2, 2), QStringList({"910", ""})); });
        QCOMPARE(f.column("ZipCode"), "910");
        // Both parts empty: no lone hyphen.
        f.ok([](KivoraCompany& d) { d.TextComp[2]->clear(); });
        QCOMPARE(f.column("ZipCode"), "");
    }

    void fieldsKeepTheirByteLimits() {
        Fixture f;
        KivoraCompany d(f.env.state);
        // Bytes kept: one less than each field's length property.
        QList<qsizetype> kept;
        for (QLineEdit* field : d.TextComp) {
            field->setText(QString(50, '9'));
            kept << field->text().size();
        }
        QCOMPARE(kept, QList<qsizetype>({40, 20, 3, 4, 30, 30, 12, 12, 40, 40}));
        // A full-width character counts two bytes; typing stops at the limit too.
        d.TextComp[1]->setText(QString(15, QChar(u'山')));
        QCOMPARE(d.TextComp[1]->text(), QString(10, QChar(u'山')));
        d.show();
        d.TextComp[2]->clear();
        QTest::keyClicks(d.TextComp[2], "91000");
        QCOMPARE(d.TextComp[2]->text(), "910");
    }

    void amountRoundingReachesTheNextSlipLine() {
        Fixture f;
        f.env.state.gPriceFraction = 0;
        const auto amount = [&f](const char* price) {
            return SlipTotals::LineAmount("2", price, f.env.state.gPriceFraction);
        };
        // The amount rounding chosen is stored and used by the next slip line at once:
        // 2 x 1.25 and 2 x 1.05 half up, truncated and rounded up.
        const std::tuple<const char*, int, const char*> modes[] = {
            {"四捨五入", 1, "3 2"}, {"切り捨て", 0, "2 2"}, {"切り上げ", 2, "3 3"}};
        for (const auto& [choice, mode, amounts] : modes) {
            f.ok([choice](KivoraCompany& d) { d.ComboComp[2]->setCurrentText(choice); });
            QCOMPARE(f.column("PriceFraction").toInt(), mode);
            QCOMPARE(f.env.state.gPriceFraction, quint8(mode));
            QCOMPARE(amount("1.25") + ' ' + amount("1.05"), amounts);
        }
        // The tax rounding is a default for new customers and leaves the amounts alone.
        f.ok([](KivoraCompany& d) { d.ComboComp[1]->setCurrentIndex(1); });
        QCOMPARE(f.column("ExciseFraction"), "1");
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
    }

    void rateListOffersOnlyPercentRates() {
        Fixture f;
        f.db->exec("INSERT INTO 税率 (Code, Excise) VALUES (3, 5)");
        f.ok([](KivoraCompany& d) {
            QVERIFY(!d.ComboComp[0]->isEditable());
            QCOMPARE(Items(d.ComboComp[0]), QStringList({"10%", "8%", "5%"}));
            QCOMPARE(d.ComboComp[0]->currentText(), "10%");
            // Choosing a text that is not offered changes nothing.
            d.ComboComp[0]->setCurrentText("7");
            QCOMPARE(d.ComboComp[0]->currentText(), "10%");
            d.ComboComp[0]->setCurrentText("5%");
        });
        QCOMPARE(f.column("Excise"), "5");
        // A stored rate that is no longer offered stays, written as the list writes rates.
        f.db->exec("UPDATE 自社情報 SET Excise = 3");
        f.ok([](KivoraCompany& d) {
            QCOMPARE(d.ComboComp[0]->currentText(), "3%");
            for (const QString& item : Items(d.ComboComp[0]))
                QVERIFY2(item.endsWith('%'), qPrintable(item));
        });
        QCOMPARE(f.column("Excise"), "3");
    }

    void missingRowIsCreatedOnOK() {
        Fixture f;
        f.db->exec("DELETE FROM 自社情報");
        f.env.state.gPriceFraction = 2;
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(Shown(d),
                     QStringList(10, QString()) +
                         QStringList({"10%", "切り捨て", "切り捨て", "31", "31", "当月"}));
            d.BtnCancel->click(); // Cancel does not add it.
        }
        QVERIFY(f.stored().isEmpty());
        f.ok([](KivoraCompany& d) { Fill(d, 0, {"新会社", "", "105"}); });
        QCOMPARE(f.stored(), QStringList({"新会社", "", "105", "", "", "", "", "", "", "10", "0",
                                          "0", "31", "31", "0"}));
        QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void listsWithoutAChoiceKeepTheStoredValue() {
        // Values no list offers (a damaged row) come back unchanged rather than as 0.
        Fixture f;
        f.db->exec("UPDATE 自社情報 SET ExciseFraction = 7, ClosingDay = 0, Payment = 40");
        f.ok([](KivoraCompany& d) {
            QCOMPARE(Shown(d).mid(11, 4), QStringList({"", "切り捨て", "", ""}));
        });
        QCOMPARE(f.column("ExciseFraction || '|' || ClosingDay || '|' || Payment"), "7|0|40");
    }

    void enterRoutesDeleteAndFocusColours() {
        Fixture f;
        KivoraCompany d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // Enter walks the fields, then the lists, then back to the first field; the keypad's
        // Enter walks the same way, and no Enter ever closes the dialog.
        std::vector<QWidget*> route(d.TextComp.begin(), d.TextComp.end());
        route.insert(route.end(), d.ComboComp.begin(), d.ComboComp.end());
        route.push_back(d.TextComp[0]);
        for (size_t i = 0; i + 1 < route.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), route[i]);
            QTest::keyClick(route[i], Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), d.TextComp[0]);
        QTest::keyClick(d.TextComp[0], Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), d.TextComp[1]);
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.count(), 0);

        // Delete leaves every list's choice alone.
        for (QComboBox* list : d.ComboComp) {
            list->setFocus();
            const int index = list->currentIndex();
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->currentIndex(), index);
        }

        // The field with the focus is drawn in tooltip colours, the others as usual.
        const QPalette plain = d.TextComp[4]->palette();
        const auto colour = [&d](int field, QPalette::ColorRole role) {
            return d.TextComp[field]->palette().color(role);
        };
        QVERIFY(plain.color(QPalette::Base) != plain.color(QPalette::ToolTipBase));
        d.TextComp[4]->setFocus();
        QCOMPARE(colour(4, QPalette::Base), plain.color(QPalette::ToolTipBase));
        QCOMPARE(colour(4, QPalette::Text), plain.color(QPalette::ToolTipText));
        QTest::keyClick(d.TextComp[4], Qt::Key_Return);
        QCOMPARE(colour(4, QPalette::Base), plain.color(QPalette::Base));
        QCOMPARE(colour(5, QPalette::Base), plain.color(QPalette::ToolTipBase));
        // The whole text is selected on focus when SelText asks for it.
        f.env.state.SelText = 1;
        d.TextComp[0]->setFocus();
        QTRY_COMPARE(d.TextComp[0]->selectedText(), "株式会社サンプル商事");
        d.BtnCancel->click();
    }

    void failedWriteIsReportedAndKeepsTheDialogOpen() {
        Fixture f;
        f.db->exec("CREATE TRIGGER refuse BEFORE UPDATE ON 自社情報 BEGIN SELECT RAISE(ABORT, "
                   "'refused'); END");
        const QStringList before = f.stored();
        f.env.state.gPriceFraction = 0;
        KivoraCompany d(f.env.state);
        d.show();
        d.TextComp[0]->setText("変更後");
        d.ComboComp[2]->setCurrentIndex(1);
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.shown().first().title, "Kivora");
        QVERIFY(f.env.messages.lastText().contains("変更は保存されていません"));
        QCOMPARE(f.stored(), before);
        QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        QCOMPARE(d.TextComp[0]->text(), "変更後");
        d.BtnCancel->click();
        QVERIFY(!d.isVisible());
    }
};

KIVORA_TEST(TestCompany)
#include "tst_company.moc"
