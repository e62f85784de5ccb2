#pragma once
#include "customers/StackedSearchDialog.h"

#include <array>

// What the item search lists (gMode).
namespace FindItemMode {
enum : int { Staff = 0, Classes = 1 };
}

// OptFindItem: the column searched, in the order of the source's search columns.
namespace FindItemOption {
enum : int { Code = 0, Name = 1, Count = 2 };
}

// Finds a staff member (gMode 0) or a customer class (gMode 1) by narrowing the list one
// condition at a time (up to five) and hands the chosen one back: its code in gHandOff
// and its name in gWork[0] with gResult 0, or gResult -1 when the user cancels or closes
// the dialog without a choice.
class KivoraFindItem : public StackedSearchDialog {
    Q_OBJECT
public:
    KivoraFindItem(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameFindItem = nullptr;
    std::array<QRadioButton*, FindItemOption::Count> OptFindItem{};
    QLabel* LabelFindItem = nullptr;
    QLineEdit* TextFindItem = nullptr;
    QTableWidget* FxGridFindItem = nullptr;

protected:
    void handBack(int row) override;
};
