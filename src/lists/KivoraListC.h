#pragma once
#include "lists/ListWindow.h"

#include <array>

class ListPicker;
class QCheckBox;
class QLineEdit;

// LabelListC: the month range of the sales.
namespace StaffMonth {
enum : int { FromYear = 0, FromMonth = 1, ToYear = 2, ToMonth = 3, Count = 4 };
}

// 担当者一覧: the staff, of one department or all, optionally with their sales over a
// range of months.
class KivoraListC : public ListWindow {
    Q_OBJECT
public:
    KivoraListC(AppState& state, QWidget* parent = nullptr);

    QLineEdit* TextListC = nullptr; // 部署名
    QCheckBox* CheckListC = nullptr;
    std::array<ListPicker*, StaffMonth::Count> LabelListC{};

protected:
    void Query() override;
};
