#pragma once
#include "lists/ListWindow.h"

#include <array>

class ListPicker;
class QComboBox;
class QGroupBox;

// What KivoraListSR lists (gMode when it is opened).
namespace DayListMode {
enum : int { Sales = 0, Payments = 1 };
}

// LabelListSR: the day's parts.
namespace DayPart {
enum : int { Year = 0, Month = 1, Day = 2, Count = 3 };
}

// 売上一覧 / 入金一覧: the sales or the payments of one day, payments of every kind or
// of one.
class KivoraListSR : public ListWindow {
    Q_OBJECT
public:
    KivoraListSR(AppState& state, QWidget* parent = nullptr);

    std::array<ListPicker*, DayPart::Count> LabelListSR{};
    QGroupBox* FrameKind = nullptr;
    QComboBox* ComboListSR = nullptr; // 全て, then the payment kinds

    bool payments() const { return m_payments; }

protected:
    void Query() override;

private:
    bool m_payments = false;
};
