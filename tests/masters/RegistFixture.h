#pragma once
// What the window tests of the registration share: a main database wired into the
// state, rows to list, and helpers that drive the nested edit and set dialogs.
#include "core/Database.h"
#include "masters/KivoraWork.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

namespace regist {

// Every row of the list with its cells joined by '|'.
inline QStringList Rows(const QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        out << cells.join('|');
    }
    return out;
}

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    AppState& state = env.state;
    // Set when a dialog other than the expected one was shown (and closed).
    QString unexpected;

    Fixture() {
        state.DbMain = db.get();
        state.AppTitle = "Kivora";
    }
    void open(quint8 kind, const QString& table) {
        state.gMode = kind;
        state.gCaption = table;
    }
    void units(const QStringList& names) {
        for (int i = 0; i < int(names.size()); ++i)
            db->exec("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)",
                     {QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')), names[i]});
    }
    void goods(const QString& code, const QString& name, double price, const QString& unit) {
        db->exec("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES (?, ?, 'ｶﾅ', ?, ?)",
                 {code, name, price, unit});
    }
    // Name, reading, price and unit of stored goods; empty when there are none.
    QString goodsRow(const QString& code) const {
        return db
            ->scalar("SELECT Name || '|' || IFNULL(Kana, '') || '|' || UnitPrice || '|' || Unit "
                     "FROM 商品 "
                     "WHERE Code = ?",
                     {code})
            .toString();
    }
    int count(const QString& table) { return db->scalar("SELECT COUNT(*) FROM " + table).toInt(); }

    // Runs `action` on the next modal window when it is a T; any other window is
    // noted and closed, so that a wrong dialog fails the test instead of hanging it.
    template <typename T> void onNext(std::function<void(T*)> action) {
        OnNextModal([this, action](QWidget* w) {
            if (auto* dialog = qobject_cast<T*>(w))
                return action(dialog);
            unexpected = w->objectName();
            if (auto* other = qobject_cast<QDialog*>(w))
                other->reject();
        });
    }
    // Fills the edit dialog's fields (the unit of goods too, when given) and presses OK.
    void fillWork(const QStringList& texts, const QString& unit = QString()) {
        onNext<KivoraWork>([texts, unit](KivoraWork* w) {
            for (int i = 0; i < int(texts.size()); ++i)
                if (!w->TextWork[i]->isReadOnly())
                    w->TextWork[i]->setText(texts[i]);
            if (!unit.isNull())
                w->ComboWork->setCurrentIndex(w->ComboWork->findText(unit));
            w->BtnOK->click();
        });
    }
    // Runs `action` and tells whether it opened a modal window (which is closed).
    bool opensDialog(const std::function<void()>& action) {
        auto shown = std::make_shared<bool>(false);
        OnNextModal(
            [shown](QWidget* w) {
                *shown = true;
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
            },
            300);
        action();
        QTest::qWait(400);
        return *shown;
    }
};

} // namespace regist
