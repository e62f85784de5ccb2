#include "customers/KivoraFindItem.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"

#include <QTableWidget>

namespace {

// The kind searched is fixed when the dialog opens.
RecordSearch::Source ItemSource(const AppState& state) {
    return state.gMode == FindItemMode::Classes ? RecordSearch::Source::Classes
                                                : RecordSearch::Source::Staff;
}

StackedSearchDialog::Look ItemLook(RecordSearch::Source source) {
    const bool staff = source == RecordSearch::Source::Staff;
    const QString kind = staff ? QStringLiteral("担当者") : QStringLiteral("分類");
    StackedSearchDialog::Look look;
    look.stem = QStringLiteral("FindItem");
    look.title = kind + QStringLiteral("検索");
    look.options = {QStringLiteral("番号(&U)"), kind + QStringLiteral("名(&N)")};
    look.optionsPerRow = 2;
    look.maxLength = 31;
    look.headers = {QStringLiteral("番号"), kind + QStringLiteral("名")};
    // Staff rows carry their department as well.
    if (staff)
        look.headers << QStringLiteral("部署名");
    look.gridSize = QSize(360, 220);
    look.everything = QStringLiteral("全件を表示します");
    return look;
}

} // namespace

KivoraFindItem::KivoraFindItem(AppState& state, QWidget* parent)
    : StackedSearchDialog(state, ItemSource(state), ItemLook(ItemSource(state)), parent),
      FrameFindItem(optionFrame()), OptFindItem(optionArray<FindItemOption::Count>()),
      LabelFindItem(textLabel()), TextFindItem(searchText()), FxGridFindItem(grid()) {
    BusyCursor busy;
    // The caller leaves itself in gCaller; the dialog opens over that window.
    finishSetUp(0, callerOr(parent));
}

void KivoraFindItem::handBack(int row) {
    const QTableWidgetItem* name = FxGridFindItem->item(row, 1);
    m_state.gHandOff = FxGridFindItem->item(row, 0)->text();
    m_state.gWork[0] = name ? name->text() : QString();
}
