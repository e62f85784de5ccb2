#pragma once
#include "customers/StackedSearchDialog.h"

#include <array>

// Who opens the customer search (gMode); the search itself reads nothing from it.
namespace FindUserMode {
enum : int { FromMain = 0, FromHistory = 2 };
}

// OptFindUser: the column searched, in the order of the customers' search columns.
namespace FindUserOption {
enum : int { Code = 0, Name = 1, Kana = 2, Address1 = 3, Tel = 4, Charge1 = 5, Count = 6 };
}

// Finds a customer by narrowing the customer list one condition at a time (up to five)
// and hands the chosen one back: gUserCode and gUserName with gResult 0, or gResult -1
// when the user cancels or closes the dialog without a choice.
class KivoraFindUser : public StackedSearchDialog {
    Q_OBJECT
public:
    KivoraFindUser(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameFindUser = nullptr;
    std::array<QRadioButton*, FindUserOption::Count> OptFindUser{};
    QLabel* LabelFindUser = nullptr;
    QLineEdit* TextFindUser = nullptr;
    QTableWidget* FxGridFindUser = nullptr;

protected:
    void handBack(int row) override;
};
