#pragma once
#include "masters/CompanyStore.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct AppState;

// TextComp: the company's texts.
namespace CompanyField {
enum : int {
    Name = 0,
    Represent = 1,
    Zip1 = 2, // the postal code in two parts
    Zip2 = 3,
    Address1 = 4,
    Address2 = 5,
    Tel = 6,
    Fax = 7,
    Bank1 = 8,
    Bank2 = 9,
    RegistNumber = 10, // 登録番号 of a qualified-invoice issuer
    Count = 11
};
}

// ComboComp: the defaults for new customers and the rounding rules.
namespace CompanyCombo {
enum : int {
    Excise = 0,
    ExciseFraction = 1, // rounding of the tax
    PriceFraction = 2,  // rounding of quantity × unit price
    ClosingDay = 3,
    Payment = 4,
    Count = 5
};
}

// OptionComp: the month whose closing a sale falls into; ClosingType is stored as the
// position of the chosen option.
namespace CompanyClosing {
enum : int { ThisMonth = 0, NextMonth = 1, Count = 2 };
}

// The own company's row: name, address and bank accounts printed on documents, the tax
// defaults for new customers, the rounding of line amounts and the closing rules of the
// ledger. Opened modally with gCaption as its title. OK writes the row (adding it when
// the table lost it) and refreshes gPriceFraction; Cancel writes nothing.
class KivoraCompany : public QDialog {
    Q_OBJECT
public:
    KivoraCompany(AppState& state, QWidget* parent = nullptr);

    std::array<QLineEdit*, CompanyField::Count> TextComp{};
    std::array<QComboBox*, CompanyCombo::Count> ComboComp{};
    std::array<QRadioButton*, CompanyClosing::Count> OptionComp{};
    QGroupBox* FrameFraction = nullptr;
    QGroupBox* FrameClosing = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void showRow();
    bool enterPressed(QObject* watched);

    AppState& m_state;
    // The row as read on opening; a list left without a choice keeps its stored value.
    CompanyRow m_row;
    bool m_hasRow = false;
};
