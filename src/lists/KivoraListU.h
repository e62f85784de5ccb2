#pragma once
#include "lists/ListWindow.h"

#include <array>

class ListPicker;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// What KivoraListU is opened for (gMode).
namespace CustomerListMode {
enum : int { List = 0, Labels = 1 };
}

// TextListU / BtnListU: the ends of the code range.
namespace CodeEnd {
enum : int { From = 0, To = 1, Count = 2 };
}

// LabelListU: the month with sales and the chosen class.
namespace CustomerListLabel {
enum : int { Year = 0, Month = 1, ClassName = 2, ClassCode = 3, Count = 4 };
}

// CheckListU.
namespace CustomerListCheck {
enum : int { Class = 0, Mail = 1, Count = 2 };
}

// OptionLayout.
namespace CustomerLayout {
enum : int { List = 0, Cards = 1, Count = 2 };
}

// 顧客一覧: all customers, a code range or those with sales in a month, optionally of one
// class and only those who receive mail; as a list or as ledger cards. Opened for address
// labels it offers only the selection and starts the label list.
class KivoraListU : public ListWindow {
    Q_OBJECT
public:
    KivoraListU(AppState& state, QWidget* parent = nullptr);

    std::array<QRadioButton*, 3> OptionArea{};
    std::array<QLineEdit*, CodeEnd::Count> TextListU{};
    std::array<QPushButton*, CodeEnd::Count> BtnListU{};
    std::array<ListPicker*, 2> PickerListU{}; // year, month
    std::array<QLabel*, CustomerListLabel::Count> LabelListU{};
    std::array<QCheckBox*, CustomerListCheck::Count> CheckListU{};
    QPushButton* BtnClass = nullptr;
    QGroupBox* FrameLayout = nullptr;
    std::array<QRadioButton*, CustomerLayout::Count> OptionLayout{};

    bool labels() const { return m_labels; }

public slots:
    void findCustomer(int end);
    void findClass();

protected:
    void Query() override;

private:
    void enableFields();

    bool m_labels = false;
};
