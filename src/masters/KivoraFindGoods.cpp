#include "masters/KivoraFindGoods.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString ColumnKey = QStringLiteral("FindGoodsItem");
const QString FindSetKey = QStringLiteral("FindSet");

// The grid's columns: code, name, price and unit, handed back in gWork[0..3].
constexpr int PriceColumn = 2;
constexpr int HandedColumns = 4;

StackedSearchDialog::Look GoodsLook() {
    StackedSearchDialog::Look look;
    look.stem = QStringLiteral("FindGoods");
    look.title = QStringLiteral("商品検索");
    look.options = {QStringLiteral("商品番号(&G)"), QStringLiteral("商品名(&N)"),
                    QStringLiteral("商品カナ(&K)")};
    look.optionsPerRow = 3;
    look.maxLength = 41;
    // Goods and set goods share the columns, so the headers stay when the tab changes.
    look.headers = {QStringLiteral("商品番号"), QStringLiteral("商品名"), QStringLiteral("単価"),
                    QStringLiteral("単位")};
    look.gridSize = QSize(480, 240);
    look.everything = QStringLiteral("全商品を表示します");
    return look;
}

} // namespace

KivoraFindGoods::KivoraFindGoods(AppState& state, QWidget* parent)
    : StackedSearchDialog(state, RecordSearch::Source::Goods, GoodsLook(), parent),
      FrameFindUser(optionFrame()), OptFindGoods(optionArray<GoodsOption::Count>()),
      Label1(textLabel()), TextFindGoods(searchText()), FxGridFindGoods(grid()) {
    BusyCursor busy;
    buildTabsAndSets();

    // The remembered choices; a stored value out of range falls back to the first option.
    const quint8 set = m_state.settings->getByte(FindSetKey);
    OptFindGoods1[set < OptFindGoods1.size() ? set : 0]->setChecked(true);

    // The set window composes sets out of goods only: a set cannot hold another set.
    if (m_state.gMode != FindGoodsMode::ForSlip) {
        TabFindGoods->removeTab(GoodsTab::Sets);
        FrameFindSet->setEnabled(false);
    }
    connect(TabFindGoods, &QTabBar::currentChanged, this, [this] { tabChange(); });
    tabChange();
    // The caller may leave itself in gCaller; otherwise the dialog opens over its parent.
    finishSetUp(m_state.settings->getByte(ColumnKey), callerOr(parent));
}

void KivoraFindGoods::buildTabsAndSets() {
    TabFindGoods = new QTabBar(this);
    TabFindGoods->setObjectName(QStringLiteral("TabFindGoods"));
    TabFindGoods->addTab(QStringLiteral("商品"));
    TabFindGoods->addTab(QStringLiteral("セット商品"));
    mainLayout()->insertWidget(0, TabFindGoods);

    // A frame of its own keeps these two apart from the column options.
    FrameFindSet = new QGroupBox(this);
    const QString sets[] = {QStringLiteral("構成で適用(&D)"), QStringLiteral("セットで適用(&S)")};
    auto* setLayout = new QHBoxLayout(FrameFindSet);
    for (int i = 0; i < int(OptFindGoods1.size()); ++i) {
        OptFindGoods1[i] = new QRadioButton(sets[i], FrameFindSet);
        OptFindGoods1[i]->setObjectName(QStringLiteral("OptFindGoods1%1").arg(i));
        setLayout->addWidget(OptFindGoods1[i]);
    }
    buttonRow()->insertWidget(0, FrameFindSet);

    // Tab moves through the controls from the top down, the tabs and the set options
    // in their places even though they are added after the shared controls.
    // The tab bar's own scroll buttons stay right behind it.
    QList<QWidget*> order{TabFindGoods};
    order << TabFindGoods->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    order << OptFindGoods[GoodsOption::Code] << OptFindGoods[GoodsOption::Name]
          << OptFindGoods[GoodsOption::Kana] << TextFindGoods << OptFindGoods1[SetOption::Expand]
          << OptFindGoods1[SetOption::AsOne] << BtnFind << BtnReset << BtnOK << BtnCancel
          << FxGridFindGoods;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int KivoraFindGoods::findSet() const {
    return OptFindGoods1[SetOption::AsOne]->isChecked() ? SetOption::AsOne : SetOption::Expand;
}

void KivoraFindGoods::tabChange() {
    // Conditions belong to one table: another tab starts a new search from nothing.
    startOver(TabFindGoods->currentIndex() == GoodsTab::Sets ? RecordSearch::Source::SetGoods
                                                             : RecordSearch::Source::Goods);
}

// Reset starts the current tab again and keeps the text, so it can be searched anew.
void KivoraFindGoods::resetSearch() {
    tabChange();
}

QList<QStringList> KivoraFindGoods::runSearch(const QString& column, const QString& pattern) {
    // The list follows the order chosen for the goods or set list in the sort dialog,
    // whose stored Order 0 means ascending.
    const QString prefix =
        OrderPrefix(source() == RecordSearch::Source::SetGoods ? ListKind::Sets : ListKind::Goods);
    const bool byName = m_state.settings->getByte(QStringLiteral("Sort") + prefix) != 0;
    const bool descending = m_state.settings->getByte(QStringLiteral("Order") + prefix) != 0;
    return recordSearch().search(*m_state.DbMain, column, pattern,
                                 byName ? QStringLiteral("Name") : QStringLiteral("Code"),
                                 descending);
}

QTableWidgetItem* KivoraFindGoods::makeCell(int column, const QString& value) const {
    if (column != PriceColumn)
        return StackedSearchDialog::makeCell(column, value);
    // The price is shown as the slips show it and handed back as the stored number,
    // which the caller formats itself.
    auto* price = new QTableWidgetItem(Format(value.toDouble(), m_state.NumFormat));
    price->setData(Qt::UserRole, value);
    price->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return price;
}

void KivoraFindGoods::rememberChoices() {
    m_state.settings->save(ColumnKey, searchItem());
    m_state.settings->save(FindSetKey, findSet());
}

void KivoraFindGoods::handBack(int row) {
    rememberChoices();
    const bool expand =
        source() == RecordSearch::Source::SetGoods && findSet() == SetOption::Expand;
    m_state.gHandOff = expand ? QStringLiteral("True") : QStringLiteral("False");
    for (int c = 0; c < HandedColumns; ++c) {
        const QTableWidgetItem* cell = FxGridFindGoods->item(row, c);
        if (!cell)
            m_state.gWork[c].clear();
        else if (c == PriceColumn)
            m_state.gWork[c] = cell->data(Qt::UserRole).toString();
        else
            m_state.gWork[c] = cell->text();
    }
}

// An empty row closes the dialog as well, but hands back nothing to act on.
void KivoraFindGoods::handBackNothing() {
    rememberChoices();
    m_state.gHandOff.clear();
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}
