#include "documents/KivoraHistory.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "customers/KivoraFindUser.h"
#include "documents/HistoryQuery.h"
#include "masters/KivoraSort.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* MakeValueLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

} // namespace

KivoraHistory::KivoraHistory(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_docType(state.gDocType) {
    setObjectName(QStringLiteral("KivoraHistory"));
    setWindowTitle(m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    LabelHistory[HistoryLabel::Code] = MakeValueLabel(this, QStringLiteral("LabelHistory0"));
    LabelHistory[HistoryLabel::Name] = MakeValueLabel(this, QStringLiteral("LabelHistory1"));
    LabelHistory[HistoryLabel::Code]->setMinimumWidth(90);
    LabelHistory[HistoryLabel::Name]->setMinimumWidth(240);

    BtnFind = new QPushButton(this);
    BtnFind->setObjectName(QStringLiteral("BtnFind"));
    BtnFind->setIcon(QIcon(Pictures::Tool(205)));
    BtnFind->setToolTip(QStringLiteral("顧客") + Res::text(1009));
    BtnFind->setAutoDefault(false);
    connect(BtnFind, &QPushButton::clicked, this, &KivoraHistory::onFind);

    FxGridHistory = new QTableWidget(this);
    FxGridHistory->setObjectName(QStringLiteral("FxGridHistory"));
    FxGridHistory->setColumnCount(HistoryColumn::Count);
    FxGridHistory->setHorizontalHeaderLabels({QString(), QStringLiteral("伝票番号"),
                                              QStringLiteral("作成日"), QStringLiteral("担当者")});
    FxGridHistory->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridHistory->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridHistory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridHistory->verticalHeader()->hide();
    FxGridHistory->setMinimumSize(360, 240);
    FxGridHistory->installEventFilter(this);
    connect(FxGridHistory, &QTableWidget::cellDoubleClicked, this, &KivoraHistory::onOK);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnSort = new QPushButton(QStringLiteral("並び替え(&S)"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnSort->setObjectName(QStringLiteral("BtnSort"));
    BtnOK->setDefault(true);
    BtnCancel->setAutoDefault(false);
    BtnSort->setAutoDefault(false);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraHistory::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraHistory::onCancel);
    connect(BtnSort, &QPushButton::clicked, this, &KivoraHistory::onSort);

    auto* customer = new QHBoxLayout;
    customer->addWidget(LabelHistory[HistoryLabel::Code]);
    customer->addWidget(LabelHistory[HistoryLabel::Name], 1);
    customer->addWidget(BtnFind);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnSort);
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(customer);
    layout->addWidget(FxGridHistory, 1);
    layout->addLayout(buttons);

    LabelHistory[HistoryLabel::Code]->setText(m_state.gUserCode);
    LabelHistory[HistoryLabel::Name]->setText(m_state.gUserName);
    // Only the copy command lists another type than its own window's, and only there
    // may the source belong to another customer.
    BtnFind->setVisible(m_state.gMode != m_state.gDocType);

    // Closing the window without a choice is a cancel.
    m_state.gResult = DialogResult::Cancelled;
    GridDraw();
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    FxGridHistory->setFocus();
}

void KivoraHistory::GridDraw() {
    QList<HistoryRow> rows;
    QString error;
    {
        BusyCursor busy;
        try {
            rows = HistoryQuery::History(*m_state.DbMain, *m_state.settings, m_state.gUserCode,
                                         m_docType);
        } catch (const DatabaseError& e) {
            error = e.userMessage();
        }
    }
    // Told once the hourglass is gone; the list then shows as empty, so nothing can be
    // chosen from a list that could not be read.
    if (!error.isEmpty())
        ShowText(*m_state.messages, error, Box::Stop, m_state.AppTitle);

    FxGridHistory->clearContents();
    // An empty history keeps one empty line under the header, as the other lists do.
    FxGridHistory->setRowCount(rows.isEmpty() ? 1 : static_cast<int>(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const HistoryRow& row = rows[r];
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        FxGridHistory->setItem(r, HistoryColumn::Row, number);
        FxGridHistory->setItem(r, HistoryColumn::Number, new QTableWidgetItem(row.DocNumber));
        FxGridHistory->setItem(
            r, HistoryColumn::Date,
            new QTableWidgetItem(Format(double(row.IssueYMD), QStringLiteral("0/00/00"))));
        FxGridHistory->setItem(r, HistoryColumn::Staff, new QTableWidgetItem(row.ChargeName));
    }
    BtnOK->setEnabled(!rows.isEmpty());
    BtnSort->setEnabled(!rows.isEmpty());
    FxGridHistory->setCurrentCell(0, HistoryColumn::Number);
    SetGridWidth(FxGridHistory);
}

void KivoraHistory::onOK() {
    // A double click on the empty line of an empty history must not hand back an empty
    // number as if a document had been chosen.
    const int row = FxGridHistory->currentRow();
    const QTableWidgetItem* number =
        row >= 0 ? FxGridHistory->item(row, HistoryColumn::Number) : nullptr;
    if (!number || number->text().isEmpty())
        return;
    m_state.gHandOff = number->text();
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void KivoraHistory::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

void KivoraHistory::onSort() {
    m_state.gMode = ListKind::History;
    m_state.gCaption = QStringLiteral("伝票履歴の") + StripParen(BtnSort->text());
    {
        KivoraSort dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult == SortResult::Stored)
        GridDraw();
    // The sort dialog's answer is no choice of a document.
    m_state.gResult = DialogResult::Cancelled;
}

void KivoraHistory::onFind() {
    m_state.gMode = FindUserMode::FromHistory;
    {
        KivoraFindUser dialog(m_state, this);
        dialog.exec();
    }
    // The search leaves the chosen customer in gUserCode and gUserName; the calling
    // window puts its own customer back once this dialog has closed.
    if (m_state.gResult == DialogResult::Ok) {
        LabelHistory[HistoryLabel::Code]->setText(m_state.gUserCode);
        LabelHistory[HistoryLabel::Name]->setText(m_state.gUserName);
        GridDraw();
    }
    m_state.gResult = DialogResult::Cancelled;
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraHistory::reject() {
    onCancel();
}

bool KivoraHistory::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the list takes the current document, as a double click does.
    if (watched == FxGridHistory && IsEnterKey(event)) {
        onOK();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
