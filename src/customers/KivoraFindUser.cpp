#include "customers/KivoraFindUser.h"

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

KivoraFindUser::KivoraFindUser(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    BusyCursor busy;
    setObjectName(QStringLiteral("KivoraFindUser"));
    setWindowTitle(QStringLiteral("顧客検索"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    FrameFindUser = new QGroupBox(QStringLiteral("検索対照"), this);
    static const char* const captions[] = {"顧客番号(&U)", "顧客名(&N)", "顧客カナ(&K)",
                                           "住所１(&A)",   "ＴＥＬ(&T)", "担当者１(&C)"};
    auto* options = new QGridLayout(FrameFindUser);
    for (int i = 0; i < int(OptFindUser.size()); ++i) {
        OptFindUser[i] = new QRadioButton(QString::fromUtf8(captions[i]), FrameFindUser);
        OptFindUser[i]->setObjectName(QStringLiteral("OptFindUser%1").arg(i));
        // Each new condition starts from an empty text in the chosen column.
        connect(OptFindUser[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (!checked)
                return;
            TextFindUser->clear();
            TextFindUser->setFocus();
        });
        options->addWidget(OptFindUser[i], i / 2, i % 2);
    }

    LabelFindUser = new QLabel(ConditionCaption, this);
    TextFindUser = new QLineEdit(this);
    TextFindUser->setObjectName(QStringLiteral("TextFindUser"));
    LabelFindUser->setBuddy(TextFindUser);
    AttachLimitLength(TextFindUser, 41);
    TextFindUser->installEventFilter(this);

    BtnFind = new QPushButton(QStringLiteral("検索(&F)"), this);
    BtnReset = new QPushButton(QStringLiteral("解除(&R)"), this);
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnFind->setObjectName(QStringLiteral("BtnFind"));
    BtnReset->setObjectName(QStringLiteral("BtnReset"));
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnFind, &QPushButton::clicked, this, &KivoraFindUser::onFind);
    connect(BtnReset, &QPushButton::clicked, this, &KivoraFindUser::onReset);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraFindUser::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraFindUser::onCancel);

    FxGridFindUser = new QTableWidget(this);
    FxGridFindUser->setObjectName(QStringLiteral("FxGridFindUser"));
    FxGridFindUser->setColumnCount(4);
    FxGridFindUser->setHorizontalHeaderLabels({QStringLiteral("顧客番号"), QStringLiteral("顧客名"),
                                               QStringLiteral("住所"), QStringLiteral("ＴＥＬ")});
    FxGridFindUser->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridFindUser->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridFindUser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridFindUser->verticalHeader()->hide();
    FxGridFindUser->setMinimumSize(480, 220);
    FxGridFindUser->installEventFilter(this);
    connect(FxGridFindUser, &QTableWidget::cellDoubleClicked, this, &KivoraFindUser::onOK);

    auto* condition = new QHBoxLayout;
    condition->addWidget(LabelFindUser);
    condition->addWidget(TextFindUser, 1);
    condition->addWidget(BtnFind);
    condition->addWidget(BtnReset);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FrameFindUser);
    layout->addLayout(condition);
    layout->addWidget(FxGridFindUser, 1);
    layout->addLayout(buttons);

    clearGrid();
    OptFindUser[0]->setChecked(true);
    m_state.gResult = -1;
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
}

int KivoraFindUser::searchItem() const {
    for (int i = 0; i < int(OptFindUser.size()); ++i) {
        if (OptFindUser[i]->isChecked())
            return i;
    }
    return 0;
}

void KivoraFindUser::clearGrid() {
    // The grid keeps one empty row under its header, like an empty result list.
    FxGridFindUser->clearContents();
    FxGridFindUser->setRowCount(1);
    SetGridWidth(FxGridFindUser);
}

void KivoraFindUser::fillGrid(const QList<QStringList>& rows) {
    FxGridFindUser->clearContents();
    FxGridFindUser->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        for (int c = 0; c < int(rows[r].size()); ++c)
            FxGridFindUser->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
    // A new result starts at its first row, so OK right after a search takes that one.
    FxGridFindUser->setCurrentCell(0, 0);
    SetGridWidth(FxGridFindUser);
}

void KivoraFindUser::onFind() {
    if (m_search.isFull())
        return;
    const QString text = TextFindUser->text();
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

void KivoraFindUser::onReset() {
    if (ShowMsg(*m_state.messages, StripParen(BtnReset->text()) + QStringLiteral("します"), 0, 3,
                m_state.AppTitle) != MsgOK)
        return;
    clearGrid();
    TextFindUser->clear();
    m_search.reset();
    BtnFind->setEnabled(true);
}

void KivoraFindUser::onOK() {
    const int row = FxGridFindUser->currentRow();
    const QTableWidgetItem* code = row >= 0 ? FxGridFindUser->item(row, 0) : nullptr;
    if (!code || code->text().isEmpty())
        return;
    const QTableWidgetItem* name = FxGridFindUser->item(row, 1);
    m_state.gUserCode = code->text();
    m_state.gUserName = name ? name->text() : QString();
    m_state.gResult = 0;
    done(QDialog::Accepted);
}

void KivoraFindUser::onCancel() {
    m_state.gResult = -1;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraFindUser::reject() {
    onCancel();
}

bool KivoraFindUser::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        // Enter searches from the text (not once five conditions are applied) and picks
        // the current row from the grid; it never reaches a default button.
        if (watched == TextFindUser) {
            if (BtnFind->isEnabled())
                onFind();
            return true;
        }
        if (watched == FxGridFindUser) {
            onOK();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void KivoraFindUser::keyPressEvent(QKeyEvent* event) {
    // Enter on an option button does nothing: there is no default button to press.
    if (IsEnterKey(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
