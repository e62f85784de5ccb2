#pragma once
#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct AppState;
struct ReceiveParam;

// Label1: the processing month before the day list, and the 日 after it.
namespace ReceiveMark {
enum : int { Month = 0, Day = 1, Count = 2 };
}

// ComboReceive: the day of the payment and its kind.
namespace ReceiveCombo {
enum : int { Day = 0, Kind = 1, Count = 2 };
}

// LabelTitle: the captions of the three inputs.
namespace ReceiveTitle {
enum : int { Date = 0, Amount = 1, Kind = 2, Count = 3 };
}

// Entry or correction of one payment of the current customer within the processing
// month. It writes nothing: on OK it leaves the date (YYYYMMDD), amount and kind in the
// ReceiveParam and gResult 0; Cancel or closing leaves gResult -1. A correction keeps its
// day, so that it cannot be moved onto another payment's date.
class KivoraReceive : public QDialog {
    Q_OBJECT
public:
    KivoraReceive(AppState& state, ReceiveParam& param, QWidget* parent = nullptr);

    std::array<QLabel*, ReceiveMark::Count> Label1{};
    std::array<QComboBox*, ReceiveCombo::Count> ComboReceive{};
    std::array<QLabel*, ReceiveTitle::Count> LabelTitle{};
    QLineEdit* TextReceive = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void onOK();
    void onCancel();

protected:
    void reject() override;

private:
    AppState& m_state;
    ReceiveParam& m_param;
};
