#include "customers/KivoraFindUser.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"

#include <QTableWidget>

namespace {

StackedSearchDialog::Look CustomerLook() {
    StackedSearchDialog::Look look;
    look.stem = QStringLiteral("FindUser");
    look.title = QStringLiteral("顧客検索");
    look.options = {QStringLiteral("顧客番号(&U)"), QStringLiteral("顧客名(&N)"),
                    QStringLiteral("顧客カナ(&K)"), QStringLiteral("住所１(&A)"),
                    QStringLiteral("ＴＥＬ(&T)"),   QStringLiteral("担当者１(&C)")};
    look.optionsPerRow = 2;
    look.maxLength = 41;
    look.headers = {QStringLiteral("顧客番号"), QStringLiteral("顧客名"), QStringLiteral("住所"),
                    QStringLiteral("ＴＥＬ")};
    look.gridSize = QSize(480, 220);
    look.everything = QStringLiteral("全件を表示します");
    return look;
}

} // namespace

KivoraFindUser::KivoraFindUser(AppState& state, QWidget* parent)
    : StackedSearchDialog(state, RecordSearch::Source::Customers, CustomerLook(), parent),
      FrameFindUser(optionFrame()), OptFindUser(optionArray<FindUserOption::Count>()),
      LabelFindUser(textLabel()), TextFindUser(searchText()), FxGridFindUser(grid()) {
    BusyCursor busy;
    // Opened from the main window or the history, always over the window that opens it.
    finishSetUp(0, parent);
}

void KivoraFindUser::handBack(int row) {
    const QTableWidgetItem* name = FxGridFindUser->item(row, 1);
    m_state.gUserCode = FxGridFindUser->item(row, 0)->text();
    m_state.gUserName = name ? name->text() : QString();
}
