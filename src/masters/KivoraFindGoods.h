#pragma once
#include "customers/StackedSearchDialog.h"

#include <array>

class QTabBar;

// Who the goods search hands its choice to (gMode).
namespace FindGoodsMode {
enum : int {
    ForSlip = 0, // a slip line: goods and set goods
    ForSet = 1   // the composition of a set: goods only
};
}

// OptFindGoods: the column searched, in the order of the goods source's search columns.
namespace GoodsOption {
enum : int { Code = 0, Name = 1, Kana = 2, Count = 3 };
}

// OptFindGoods1: how a chosen set goods is applied; FindSet stores the position.
namespace SetOption {
enum : int {
    Expand = 0, // 構成で適用: a line per component
    AsOne = 1,  // セットで適用: the set as one line
    Count = 2
};
}

// The tabs of TabFindGoods.
namespace GoodsTab {
enum : int { Goods = 0, Sets = 1 };
}

// Finds a goods (tab 1) or a set goods (tab 2) by narrowing the list one condition at a
// time, up to five, and hands the chosen row to the caller: the line editor of a slip
// (gMode 0) or the composition of a set (gMode 1, where only goods can be chosen).
//
// On OK with a row: gResult 0; gWork[0] code, gWork[1] name, gWork[2] unit price as a
// plain number text ("1200", "99.5"), gWork[3] unit; gHandOff "True" when a set goods was
// chosen to be expanded into its components ("構成で適用"), "False" otherwise. OK on an
// empty row closes with gHandOff empty and gResult -1; Cancel leaves gResult -1 and the
// other values as they were.
//
// Settings: "FindSet" (how a set is applied, the index of OptFindGoods1) and
// "FindGoodsItem" (the search column, the index of OptFindGoods) are read on opening and
// stored on OK. The column has a key of its own because "FindItem" already holds the
// exact-match preference of every search.
class KivoraFindGoods : public StackedSearchDialog {
    Q_OBJECT
public:
    KivoraFindGoods(AppState& state, QWidget* parent = nullptr);

    QTabBar* TabFindGoods = nullptr;
    QGroupBox* FrameFindUser = nullptr;
    std::array<QRadioButton*, GoodsOption::Count> OptFindGoods{};
    QLabel* Label1 = nullptr;
    QLineEdit* TextFindGoods = nullptr;
    QGroupBox* FrameFindSet = nullptr;
    std::array<QRadioButton*, SetOption::Count> OptFindGoods1{};
    QTableWidget* FxGridFindGoods = nullptr;

protected:
    void handBack(int row) override;
    void handBackNothing() override;
    QList<QStringList> runSearch(const QString& column, const QString& pattern) override;
    QTableWidgetItem* makeCell(int column, const QString& value) const override;
    void resetSearch() override;

private:
    void buildTabsAndSets();
    int findSet() const;
    void tabChange();
    void rememberChoices();
};
