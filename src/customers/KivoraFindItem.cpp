#include "customers/KivoraFindItem.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "core/WidgetRoutines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString ConditionCaption = QStringLiteral("検索条件");

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

KivoraFindItem::KivoraFindItem(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state),
      m_search(state.gMode == 1 ? RecordSearch::Source::Classes : RecordSearch::Source::Staff) {
    BusyCursor busy;
    const bool staff = m_search.source() == RecordSearch::Source::Staff;
    const QString kind = staff ? QStringLiteral("担当者") : QStringLiteral("分類");
    setObjectName(QStringLiteral("KivoraFindItem"));
    setWindowTitle(kind + QStringLiteral("検索"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    FrameFindItem = new QGroupBox(QStringLiteral("検索対照"), this);
    const QString captions[] = {QStringLiteral("番号(&U)"), kind + QStringLiteral("名(&N)")};
    auto* options = new QGridLayout(FrameFindItem);
    for (int i = 0; i < int(OptFindItem.size()); ++i) {
        OptFindItem[i] = new QRadioButton(captions[i], FrameFindItem);
        OptFindItem[i]->setObjectName(QStringLiteral("OptFindItem%1").arg(i));
        // Each new condition starts from an empty text in the chosen column.
        connect(OptFindItem[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            TextFindItem->clear();
            TextFindItem->setFocus();
        });
        options->addWidget(OptFindItem[i], 0, i);
    }

    LabelFindItem = new QLabel(ConditionCaption, this);
    TextFindItem = new QLineEdit(this);
    TextFindItem->setObjectName(QStringLiteral("TextFindItem"));
    LabelFindItem->setBuddy(TextFindItem);
    AttachLimitLength(TextFindItem, 31);
    TextFindItem->installEventFilter(this);

    BtnFind = new QPushButton(QStringLiteral("検索(&F)"), this);
    BtnReset = new QPushButton(QStringLiteral("解除(&R)"), this);
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnFind->setObjectName(QStringLiteral("BtnFind"));
    BtnReset->setObjectName(QStringLiteral("BtnReset"));
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnFind, &QPushButton::clicked, this, &KivoraFindItem::onFind);
    connect(BtnReset, &QPushButton::clicked, this, &KivoraFindItem::onReset);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraFindItem::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraFindItem::onCancel);

    FxGridFindItem = new QTableWidget(this);
    FxGridFindItem->setObjectName(QStringLiteral("FxGridFindItem"));
    QStringList headers{QStringLiteral("番号"), kind + QStringLiteral("名")};
    if (staff)
        headers << QStringLiteral("部署名");
    FxGridFindItem->setColumnCount(static_cast<int>(headers.size()));
    FxGridFindItem->setHorizontalHeaderLabels(headers);
    FxGridFindItem->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridFindItem->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridFindItem->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridFindItem->verticalHeader()->hide();
    FxGridFindItem->setMinimumSize(360, 220);
    FxGridFindItem->installEventFilter(this);
    connect(FxGridFindItem, &QTableWidget::cellDoubleClicked, this, &KivoraFindItem::onOK);

    auto* condition = new QHBoxLayout;
    condition->addWidget(LabelFindItem);
    condition->addWidget(TextFindItem, 1);
    condition->addWidget(BtnFind);
    condition->addWidget(BtnReset);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FrameFindItem);
    layout->addLayout(condition);
    layout->addWidget(FxGridFindItem, 1);
    layout->addLayout(buttons);

    clearGrid();
    OptFindItem[0]->setChecked(true);
    m_state.gResult = -1;
    adjustSize();
    // The caller leaves itself in gCaller; the dialog opens over that window.
    const auto* caller = qobject_cast<const QWidget*>(m_state.gCaller.data());
    if (!caller)
        caller = parent;
    CenterForm(this, caller ? caller->window() : nullptr);
}

int KivoraFindItem::searchItem() const {
    for (int i = 0; i < int(OptFindItem.size()); ++i) {
        if (OptFindItem[i]->isChecked())
            return i;
    }
    return 0;
}

void KivoraFindItem::clearGrid() {
    // The grid keeps one empty row under its header, like an empty result list.
    FxGridFindItem->clearContents();
    FxGridFindItem->setRowCount(1);
    SetGridWidth(FxGridFindItem);
}

void KivoraFindItem::fillGrid(const QList<QStringList>& rows) {
    FxGridFindItem->clearContents();
    FxGridFindItem->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(rows[r].size()); ++c)
            FxGridFindItem->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
    // A new result starts at its first row, so OK right after a search takes that one.
    FxGridFindItem->setCurrentCell(0, 0);
    SetGridWidth(FxGridFindItem);
}

void KivoraFindItem::onFind() {
    if (m_search.isFull())
        return;
    const QString text = TextFindItem->text();
    if (CheckChar(*m_state.messages, text, ConditionCaption, true, false))
        return;
    if (text.trimmed().isEmpty()) {
        if (m_search.count() > 0) {
            ShowMsg(*m_state.messages, ConditionCaption, 1, 0, m_state.AppTitle);
            return;
        }
        if (ShowMsg(*m_state.messages, QStringLiteral("全件を表示します"), 0, 7,
                    m_state.AppTitle) != MsgOK)
            return;
    }
    // The option buttons stand in the order of the search columns of the source.
    const QString column = m_search.searchColumns().at(searchItem());
    const QString pattern = RecordSearch::MakePattern(text, m_state.FindItem == 1);
    QList<QStringList> rows;
    try {
        BusyCursor busy;
        rows = m_search.search(*m_state.DbMain, column, pattern);
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), 4, m_state.AppTitle);
        return;
    }
    if (rows.isEmpty()) {
        ShowMsg(*m_state.messages, QString(), 9, 2, m_state.AppTitle);
        return;
    }
    fillGrid(rows);
    BtnFind->setEnabled(!m_search.isFull());
}

void KivoraFindItem::onReset() {
    if (ShowMsg(*m_state.messages, StripParen(BtnReset->text()) + QStringLiteral("します"), 0, 3,
                m_state.AppTitle) != MsgOK)
        return;
    clearGrid();
    TextFindItem->clear();
    m_search.reset();
    BtnFind->setEnabled(true);
}

void KivoraFindItem::onOK() {
    const int row = FxGridFindItem->currentRow();
    const QTableWidgetItem* code = row >= 0 ? FxGridFindItem->item(row, 0) : nullptr;
    if (!code || code->text().isEmpty())
        return;
    const QTableWidgetItem* name = FxGridFindItem->item(row, 1);
    m_state.gHandOff = code->text();
    m_state.gWork[0] = name ? name->text() : QString();
    m_state.gResult = 0;
    done(QDialog::Accepted);
}

void KivoraFindItem::onCancel() {
    m_state.gResult = -1;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraFindItem::reject() {
    onCancel();
}

bool KivoraFindItem::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        // Enter searches from the text (not once five conditions are applied) and picks
        // the current row from the grid; it never reaches a default button.
        if (watched == TextFindItem) {
            if (BtnFind->isEnabled())
                onFind();
            return true;
        }
        if (watched == FxGridFindItem) {
            onOK();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void KivoraFindItem::keyPressEvent(QKeyEvent* event) {
    // Enter on an option button does nothing: there is no default button to press.
    if (IsEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
