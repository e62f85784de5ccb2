#include "customers/StackedSearchDialog.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "widgets/WidgetRoutines.h"

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

} // namespace

StackedSearchDialog::StackedSearchDialog(AppState& state, RecordSearch::Source source,
                                         const Look& look, QWidget* parent)
    : QDialog(parent), m_state(state), m_search(source), m_everything(look.everything) {
    BusyCursor busy;
    setObjectName(QStringLiteral("Kivora") + look.stem);
    setWindowTitle(look.title);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls(look);
    layOut();
    clearGrid();
}

void StackedSearchDialog::buildControls(const Look& look) {
    m_frame = new QGroupBox(QStringLiteral("検索対照"), this);
    auto* optionLayout = new QGridLayout(m_frame);
    const int perRow = qMax(1, look.optionsPerRow);
    for (int i = 0; i < int(look.options.size()); ++i) {
        auto* option = new QRadioButton(look.options[i], m_frame);
        option->setObjectName(QStringLiteral("Opt%1%2").arg(look.stem).arg(i));
        // Each new condition starts from an empty text in the chosen column.
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            m_text->clear();
            m_text->setFocus();
        });
        optionLayout->addWidget(option, i / perRow, i % perRow);
        m_options << option;
    }

    m_label = new QLabel(ConditionCaption, this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text") + look.stem);
    m_label->setBuddy(m_text);
    AttachLimitLength(m_text, look.maxLength);
    m_text->installEventFilter(this);

    BtnFind = new QPushButton(QStringLiteral("検索(&F)"), this);
    BtnReset = new QPushButton(QStringLiteral("解除(&R)"), this);
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnFind->setObjectName(QStringLiteral("BtnFind"));
    BtnReset->setObjectName(QStringLiteral("BtnReset"));
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnFind, &QPushButton::clicked, this, &StackedSearchDialog::onFind);
    connect(BtnReset, &QPushButton::clicked, this, &StackedSearchDialog::onReset);
    connect(BtnOK, &QPushButton::clicked, this, &StackedSearchDialog::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &StackedSearchDialog::onCancel);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("FxGrid") + look.stem);
    // Headers are not contents: clearing the list keeps them.
    m_grid->setColumnCount(static_cast<int>(look.headers.size()));
    m_grid->setHorizontalHeaderLabels(look.headers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setMinimumSize(look.gridSize);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &StackedSearchDialog::onOK);
}

void StackedSearchDialog::layOut() {
    auto* condition = new QHBoxLayout;
    condition->addWidget(m_label);
    condition->addWidget(m_text, 1);
    condition->addWidget(BtnFind);
    condition->addWidget(BtnReset);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    m_buttons->addWidget(BtnOK);
    m_buttons->addWidget(BtnCancel);
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_frame);
    m_layout->addLayout(condition);
    m_layout->addWidget(m_grid, 1);
    m_layout->addLayout(m_buttons);
}

void StackedSearchDialog::finishSetUp(int option, const QWidget* over) {
    if (!m_options.isEmpty())
        m_options[option >= 0 && option < int(m_options.size()) ? option : 0]->setChecked(true);
    m_state.gResult = DialogResult::Cancelled;
    adjustSize();
    CenterForm(this, over ? over->window() : nullptr);
}

const QWidget* StackedSearchDialog::callerOr(const QWidget* parent) const {
    const auto* caller = qobject_cast<const QWidget*>(m_state.gCaller.data());
    return caller ? caller : parent;
}

int StackedSearchDialog::searchItem() const {
    for (int i = 0; i < int(m_options.size()); ++i) {
        if (m_options[i]->isChecked())
            return i;
    }
    return 0;
}

void StackedSearchDialog::clearGrid() {
    // The grid keeps one empty row under its header, like an empty result list.
    m_grid->clearContents();
    m_grid->setRowCount(1);
    SetGridWidth(m_grid);
}

void StackedSearchDialog::fillGrid(const QList<QStringList>& rows) {
    m_grid->setUpdatesEnabled(false);
    m_grid->clearContents();
    m_grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(rows[r].size()); ++c)
            m_grid->setItem(r, c, makeCell(c, rows[r][c]));
    }
    // A new result starts at its first row, so OK right after a search takes that one.
    m_grid->setCurrentCell(0, 0);
    SetGridWidth(m_grid);
    m_grid->setUpdatesEnabled(true);
}

QTableWidgetItem* StackedSearchDialog::makeCell(int, const QString& value) const {
    return new QTableWidgetItem(value);
}

QList<QStringList> StackedSearchDialog::runSearch(const QString& column, const QString& pattern) {
    return m_search.search(*m_state.DbMain, column, pattern);
}

void StackedSearchDialog::startOver(RecordSearch::Source source) {
    m_search = RecordSearch(source);
    clearGrid();
    BtnFind->setEnabled(true);
}

void StackedSearchDialog::resetSearch() {
    m_text->clear();
    startOver(m_search.source());
}

void StackedSearchDialog::onFind() {
    if (m_search.isFull())
        return;
    const QString text = m_text->text();
    if (CheckChar(*m_state.messages, text, ConditionCaption, true, false))
        return;
    if (text.trimmed().isEmpty()) {
        if (m_search.count() > 0) {
            ShowMsg(*m_state.messages, ConditionCaption, Msg::Enter, Box::Exclamation,
                    m_state.AppTitle);
            return;
        }
        if (ShowMsg(*m_state.messages, m_everything, Msg::SubjectOnly, Box::QuestionCancel,
                    m_state.AppTitle) != MsgOK)
            return;
    }
    // The option buttons stand in the order of the search columns of the source.
    const QString column = m_search.searchColumns().at(searchItem());
    const QString pattern = RecordSearch::MakePattern(text, m_state.FindItem == 1);
    QList<QStringList> rows;
    try {
        BusyCursor busy;
        rows = runSearch(column, pattern);
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return;
    }
    // Nothing found: the condition is already dropped, the previous list stays.
    if (rows.isEmpty()) {
        ShowMsg(*m_state.messages, QString(), Msg::NotFound, Box::Information, m_state.AppTitle);
        return;
    }
    fillGrid(rows);
    BtnFind->setEnabled(!m_search.isFull());
}

void StackedSearchDialog::onReset() {
    if (ShowMsg(*m_state.messages, StripParen(BtnReset->text()) + QStringLiteral("します"),
                Msg::SubjectOnly, Box::InformationCancel, m_state.AppTitle) != MsgOK)
        return;
    resetSearch();
}

void StackedSearchDialog::onOK() {
    const int row = m_grid->currentRow();
    const QTableWidgetItem* code = row >= 0 ? m_grid->item(row, 0) : nullptr;
    if (!code || code->text().isEmpty()) {
        handBackNothing();
        return;
    }
    handBack(row);
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void StackedSearchDialog::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void StackedSearchDialog::reject() {
    onCancel();
}

bool StackedSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        // Enter searches from the text (not once five conditions are applied) and picks
        // the current row from the grid; it never reaches a default button.
        if (watched == m_text) {
            if (BtnFind->isEnabled())
                onFind();
            return true;
        }
        if (watched == m_grid) {
            onOK();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void StackedSearchDialog::keyPressEvent(QKeyEvent* event) {
    // Enter on an option button or a tab does nothing: there is no default button.
    if (IsEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
