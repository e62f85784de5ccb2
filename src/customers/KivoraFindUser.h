#pragma once
#include "customers/StackedSearchDialog.h"

#include <array>

// Who opens the customer search (gMode); the search itself reads nothing from it.
namespace FindUserMode {
enum : int { FromMain = 0, FromHistory = 2 };
}

// Finds a customer by narrowing the customer list one condition at a time (up to five)
// and hands the chosen one back: gUserCode and gUserName with gResult 0, or gResult -1
// when the user cancels or closes the dialog without a choice.
class KivoraFindUser : public StackedSearchDialog {
    Q_OBJECT
public:
    KivoraFindUser(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameFindUser = nullptr;
    std::array<QRadioButton*, 6> OptFindUser{};
    QLabel* LabelFindUser = nullptr;
    QLineEdit* TextFindUser = nullptr;
    QTableWidget* FxGridFindUser = nullptr;

protected:
    void handBack(int row) override;
};
