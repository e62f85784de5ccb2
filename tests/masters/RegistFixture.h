#pragma once
// What the window tests of the registration share: a main database wired into the state,
// the rows a grid shows, and helpers that drive the nested edit dialog.
#include "core/Database.h"
#include "masters/KivoraWork.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <memory>

namespace regist {

// Every row of a grid with its cells joined by '|'.
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

    void open(quint8 kind, const QString& table) {
        state.DbMain = db.get();
        state.gMode = kind;
        state.gCaption = table;
    }
    QString goodsRow(const QString& code) const {
        return TestEnv::rows(*db, "SELECT Name, Kana, UnitPrice, Unit FROM 商品 WHERE Code = ?",
                             {code})
            .value(0);
    }
    int count(const QString& table) { return db->scalar("SELECT COUNT(*) FROM " + table).toInt(); }
    // Fills the next edit dialog's fields (null texts and read-only fields stay as they are),
    // the unit of goods when given, and presses OK.
    static void fillWork(const QStringList& texts, const QString& unit = QString()) {
        OnNextModal([texts, unit](QWidget* modal) {
            auto* w = qobject_cast<KivoraWork*>(modal);
            QVERIFY(w);
            for (int i = 0; i < int(texts.size()); ++i)
                if (!texts[i].isNull() && !w->TextWork[i]->isReadOnly())
                    w->TextWork[i]->setText(texts[i]);
            if (!unit.isNull())
                w->ComboWork->setCurrentIndex(w->ComboWork->findText(unit));
            w->BtnOK->click();
        });
    }
};

} // namespace regist
