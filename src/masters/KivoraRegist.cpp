#include "masters/KivoraRegist.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "masters/KivoraSet.h"
#include "masters/KivoraSort.h"
#include "masters/KivoraWork.h"
#include "masters/MasterStore.h"
#include "widgets/WidgetRoutines.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QStringList HeadersOf(MasterKind kind) {
    switch (kind) {
    case MasterKind::Staff:
        return {QStringLiteral("番号"), QStringLiteral("部署名"), QStringLiteral("氏名")};
    case MasterKind::Unit:
        return {QStringLiteral("番号"), QStringLiteral("単位")};
    case MasterKind::Goods:
    case MasterKind::Set:
        return {QStringLiteral("商品番号"), QStringLiteral("商品名"), QStringLiteral("単価"),
                QStringLiteral("単位")};
    case MasterKind::Class:
        return {QStringLiteral("番号"), QStringLiteral("分類名")};
    }
    return {};
}

// The list's cells of a record after its code, in column order.
constexpr int GoodsPriceCell = 1; // where the price is among the cells of goods and sets
QStringList CellsOf(MasterKind kind, const MasterRow& row, const QString& numFormat) {
    switch (kind) {
    case MasterKind::Staff:
        return {row.Position, row.Name};
    case MasterKind::Unit:
        return {row.Unit};
    case MasterKind::Goods:
    case MasterKind::Set:
        return {row.Name, Format(row.UnitPrice, numFormat), row.Unit};
    case MasterKind::Class:
        return {row.Name};
    }
    return {};
}

// A price as the edit dialogs show it for a change: the plain number ("1200", "1.25"),
// which their number check reads back unchanged.
QString PriceText(double price) {
    return QString::number(price, 'g', 15);
}

// The record's texts in the scratch slots the edit dialogs read and write.
void ToWork(AppState& state, MasterKind kind, const MasterRow& row) {
    state.gWork.fill(QString());
    state.gWork[0] = row.Code;
    switch (kind) {
    case MasterKind::Staff:
        state.gWork[1] = row.Position;
        state.gWork[2] = row.Name;
        break;
    case MasterKind::Unit:
        state.gWork[1] = row.Unit;
        break;
    case MasterKind::Goods:
    case MasterKind::Set:
        state.gWork[1] = row.Name;
        state.gWork[2] = PriceText(row.UnitPrice);
        state.gWork[3] = row.Unit;
        if (kind == MasterKind::Goods)
            state.gWork[4] = QString::number(row.TaxType);
        break;
    case MasterKind::Class:
        state.gWork[1] = row.Name;
        break;
    }
}

MasterRow FromWork(const AppState& state, MasterKind kind) {
    MasterRow row;
    row.Code = state.gWork[0];
    switch (kind) {
    case MasterKind::Staff:
        row.Position = state.gWork[1];
        row.Name = state.gWork[2];
        break;
    case MasterKind::Unit:
        row.Unit = state.gWork[1];
        break;
    case MasterKind::Goods:
    case MasterKind::Set:
        row.Name = state.gWork[1];
        // The dialog has refused anything but a number or an empty text.
        row.UnitPrice = MasterStore::PriceValue(state.gWork[2]).value_or(0.0);
        row.Unit = state.gWork[3];
        if (kind == MasterKind::Goods)
            row.TaxType = state.gWork[4].toInt();
        break;
    case MasterKind::Class:
        row.Name = state.gWork[1];
        break;
    }
    return row;
}

// Restores the dialog exchange values a child dialog was opened with, so that the
// caller's reopen loop still sees this window's own kind and table.
class KeepModeAndCaption {
public:
    explicit KeepModeAndCaption(AppState& state)
        : m_state(state), m_mode(state.gMode), m_caption(state.gCaption) {}
    ~KeepModeAndCaption() {
        m_state.gMode = m_mode;
        m_state.gCaption = m_caption;
    }
    KeepModeAndCaption(const KeepModeAndCaption&) = delete;
    KeepModeAndCaption& operator=(const KeepModeAndCaption&) = delete;

private:
    AppState& m_state;
    quint8 m_mode;
    QString m_caption;
};

} // namespace

KivoraRegist::KivoraRegist(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    const MasterKind kind = MasterStore::KindOf(m_state.gMode).value_or(MasterKind::Staff);
    m_kind = quint8(kind);
    m_table = MasterStore::TableName(kind);
    m_limit = MasterStore::MaxRows(kind);
    setObjectName(QStringLiteral("KivoraRegist"));
    setWindowTitle(m_state.gCaption + QStringLiteral("の登録"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    FxGridRegist = new QTableWidget(this);
    FxGridRegist->setObjectName(QStringLiteral("FxGridRegist"));
    const QStringList headers = HeadersOf(kind);
    FxGridRegist->setColumnCount(int(headers.size()));
    FxGridRegist->setHorizontalHeaderLabels(headers);
    FxGridRegist->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridRegist->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridRegist->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridRegist->verticalHeader()->hide();
    FxGridRegist->setMinimumSize(420, 300);
    connect(FxGridRegist, &QTableWidget::cellDoubleClicked, this,
            [this] { onRegist(RegistButton::Change); });

    BtnRegist[RegistButton::Add] = new QPushButton(QStringLiteral("追加(&A)"), this);
    BtnRegist[RegistButton::Change] = new QPushButton(QStringLiteral("変更(&C)"), this);
    BtnDelete = new QPushButton(QStringLiteral("削除(&D)"), this);
    BtnSort = new QPushButton(QStringLiteral("並べ替え(&S)"), this);
    BtnSet = new QPushButton(QStringLiteral("セット商品(&P)"), this);
    BtnEnd = new QPushButton(QStringLiteral("終了(&E)"), this);
    BtnRegist[RegistButton::Add]->setObjectName(QStringLiteral("BtnRegist0"));
    BtnRegist[RegistButton::Change]->setObjectName(QStringLiteral("BtnRegist1"));
    BtnDelete->setObjectName(QStringLiteral("BtnDelete"));
    BtnSort->setObjectName(QStringLiteral("BtnSort"));
    BtnSet->setObjectName(QStringLiteral("BtnSet"));
    BtnEnd->setObjectName(QStringLiteral("BtnEnd"));
    const std::array<QPushButton*, 6> all = {BtnRegist[RegistButton::Add],
                                             BtnRegist[RegistButton::Change],
                                             BtnDelete,
                                             BtnSort,
                                             BtnSet,
                                             BtnEnd};
    for (QPushButton* button : all)
        button->setAutoDefault(false);
    connect(BtnRegist[RegistButton::Add], &QPushButton::clicked, this,
            [this] { onRegist(RegistButton::Add); });
    connect(BtnRegist[RegistButton::Change], &QPushButton::clicked, this,
            [this] { onRegist(RegistButton::Change); });
    connect(BtnDelete, &QPushButton::clicked, this, &KivoraRegist::onDelete);
    connect(BtnSort, &QPushButton::clicked, this, &KivoraRegist::onSort);
    connect(BtnSet, &QPushButton::clicked, this, &KivoraRegist::onSet);
    connect(BtnEnd, &QPushButton::clicked, this, &KivoraRegist::onEnd);
    // Units keep the order of their codes; only goods lead on to the set goods.
    BtnSort->setVisible(kind != MasterKind::Unit);
    BtnSet->setVisible(kind == MasterKind::Goods);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : all)
        buttons->addWidget(button);
    buttons->insertStretch(4);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(FxGridRegist, 1);
    layout->addLayout(buttons);

    // Closing the window in any way but BtnSet ends the caller's reopen loop.
    m_state.gResult = DialogResult::Cancelled;
    GridDraw();
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    FxGridRegist->setFocus();
}

void KivoraRegist::GridDraw() {
    const MasterKind kind = MasterKind(m_kind);
    QList<MasterRow> rows;
    QString error;
    {
        BusyCursor busy;
        try {
            rows = MasterStore(*m_state.DbMain).List(kind, *m_state.settings);
        } catch (const DatabaseError& e) {
            error = e.userMessage();
        }
    }
    if (!error.isEmpty())
        reportError(error);

    // The record just written becomes the current row, else the one that was current.
    const QString keep = m_written.isEmpty() ? currentCode() : m_written;
    m_written.clear();
    m_count = int(rows.size());
    FxGridRegist->clearContents();
    // An empty list keeps one empty line under the header, as the other lists do.
    FxGridRegist->setRowCount(rows.isEmpty() ? 1 : m_count);
    int current = 0;
    for (int r = 0; r < m_count; ++r) {
        const MasterRow& row = rows[r];
        FxGridRegist->setItem(r, 0, new QTableWidgetItem(row.Code));
        const QStringList cells = CellsOf(kind, row, m_state.NumFormat);
        for (int c = 0; c < int(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if ((kind == MasterKind::Goods || kind == MasterKind::Set) && c == GoodsPriceCell)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            FxGridRegist->setItem(r, c + 1, item);
        }
        if (row.Code == keep)
            current = r;
    }
    FxGridRegist->setCurrentCell(current, 0);
    SetGridWidth(FxGridRegist);
}

QString KivoraRegist::currentCode() const {
    const int row = FxGridRegist->currentRow();
    const QTableWidgetItem* item = row >= 0 ? FxGridRegist->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

QString KivoraRegist::codeCaption() const {
    return FxGridRegist->horizontalHeaderItem(0)->text();
}

void KivoraRegist::reportError(const QString& message) {
    ShowText(*m_state.messages, message, Box::Stop, m_state.AppTitle);
}

bool KivoraRegist::refuseWhenFull() {
    if (m_count < m_limit)
        return false;
    ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
    return true;
}

void KivoraRegist::onRegist(int index) {
    const bool adding = index == RegistButton::Add;
    if (adding && refuseWhenFull())
        return;
    try {
        if (MasterKind(m_kind) == MasterKind::Set)
            editSet(adding);
        else
            editRecord(adding);
    } catch (const DatabaseError& e) {
        reportError(e.userMessage());
    }
    GridDraw();
    // The edit dialog's answer is not this window's: closing still ends the loop.
    m_state.gResult = DialogResult::Cancelled;
}

void KivoraRegist::editRecord(bool adding) {
    const MasterKind kind = MasterKind(m_kind);
    MasterStore store(*m_state.DbMain);
    if (adding) {
        MasterRow empty;
        if (kind == MasterKind::Unit)
            empty.Code = store.NextUnitCode();
        ToWork(m_state, kind, empty);
    } else {
        const QString code = currentCode();
        if (code.isEmpty())
            return;
        const std::optional<MasterRow> stored = store.Find(kind, code);
        // Gone since the list was drawn: the redraw that follows shows it.
        if (!stored)
            return;
        ToWork(m_state, kind, *stored);
    }

    {
        KeepModeAndCaption keep(m_state);
        m_state.gMode = m_kind;
        m_state.gCaption =
            m_table + QStringLiteral("の") +
            StripParen(BtnRegist[adding ? RegistButton::Add : RegistButton::Change]->text());
        KivoraWork dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult != DialogResult::Ok)
        return;
    const MasterRow row = FromWork(m_state, kind);

    if (kind == MasterKind::Unit && adding) {
        // A new unit always goes after the last one; its code is the next number.
        const std::optional<QString> code = store.AddUnit(row.Unit);
        if (!code)
            ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
        m_written = code.value_or(QString());
        return;
    }
    // A change that types another code writes the record under that code: a new
    // record when the code is free, the stored one (without asking) when it is not.
    // The record the change started from stays as it was.
    if (adding && store.Find(kind, row.Code)) {
        const QString word = codeCaption() + QLatin1Char('[') + row.Code + QLatin1Char(']');
        if (ShowMsg(*m_state.messages, word, Msg::Overwrite, Box::ExclamationCancel,
                    m_state.AppTitle) != MsgOK)
            return;
    }
    if (store.Save(kind, row) == MasterStore::SaveResult::LimitReached) {
        ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
        return;
    }
    m_written = row.Code;
}

void KivoraRegist::editSet(bool adding) {
    MasterStore store(*m_state.DbMain);
    if (adding) {
        ToWork(m_state, MasterKind::Set, MasterRow());
    } else {
        const QString code = currentCode();
        if (code.isEmpty())
            return;
        const std::optional<MasterRow> stored = store.Find(MasterKind::Set, code);
        if (!stored)
            return;
        ToWork(m_state, MasterKind::Set, *stored);
    }
    // The set window reads the set from gWork (an empty code for a new set) and writes
    // the set and its composition itself.
    KeepModeAndCaption keep(m_state);
    m_state.gCaption =
        m_table + QStringLiteral("の") +
        StripParen(BtnRegist[adding ? RegistButton::Add : RegistButton::Change]->text());
    KivoraSet dialog(m_state, this);
    dialog.exec();
}

void KivoraRegist::onDelete() {
    const QString code = currentCode();
    if (code.isEmpty())
        return;
    const QString word = codeCaption() + QLatin1Char('[') + code + QLatin1Char(']');
    if (ShowMsg(*m_state.messages, word, Msg::Delete, Box::QuestionCancel, m_state.AppTitle) !=
        MsgOK)
        return;
    try {
        MasterStore(*m_state.DbMain).Remove(MasterKind(m_kind), code);
    } catch (const DatabaseError& e) {
        reportError(e.userMessage());
    }
    GridDraw();
}

void KivoraRegist::onSort() {
    bool confirmed = false;
    {
        KeepModeAndCaption keep(m_state);
        m_state.gMode = m_kind;
        m_state.gCaption = m_table + QStringLiteral("の") + StripParen(BtnSort->text());
        KivoraSort dialog(m_state, this);
        dialog.exec();
        confirmed = m_state.gResult == SortResult::Stored;
    }
    if (confirmed)
        GridDraw();
    m_state.gResult = DialogResult::Cancelled;
}

void KivoraRegist::onSet() {
    // The caller reopens the window on DialogResult::Ok, now with the set goods.
    m_state.gMode = quint8(MasterKind::Set);
    m_state.gCaption = QStringLiteral("セット商品");
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void KivoraRegist::onEnd() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

// Escape and the window's close button finish as BtnEnd does.
void KivoraRegist::reject() {
    onEnd();
}

void KivoraRegist::OpenUntilDone(AppState& state, QWidget* parent) {
    do {
        KivoraRegist window(state, parent);
        window.exec();
    } while (state.gResult == DialogResult::Ok);
}
