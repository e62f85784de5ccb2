#pragma once
#include "printing/PrintCodes.h"

#include <QRadioButton>
#include <array>

class QGroupBox;
class QLabel;
class QScrollBar;

// The choices the print dialogs share, made alike in each so that they read and are
// named the same everywhere: the body font, and the contact printed under the
// customer's name.
namespace PrintChoices {
// 明朝体 and ゴシック体 in `frame`, named OptionFont0 and OptionFont1.
std::array<QRadioButton*, FontChoice::Count> FontOptions(QGroupBox* frame);
// 担当者１を印字する, 担当者２を印字する and 印字しない in `frame`, named OptionCharge0-2.
std::array<QRadioButton*, ContactChoice::Count> ContactOptions(QGroupBox* frame);

// One row of the position adjustment in `frame`: a scroll bar of whole millimetres
// within ±20, the value it shows and the unit "ミリ". `dialog` names the controls after
// their dialog ("S" → ScrollPrintS0, LabelPrintS0, Label1_0 for row 0).
struct AdjustRow {
    QScrollBar* scroll;
    QLabel* value;
    QLabel* unit;
};
AdjustRow MakeAdjustRow(QGroupBox* frame, const QString& dialog, int row);

// The position of the checked button of a choice; the first when none is.
template <std::size_t N> int CheckedIndex(const std::array<QRadioButton*, N>& options) {
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return static_cast<int>(i);
    }
    return 0;
}

// Checks the button at a stored position. One that is not a button's selects the first:
// a choice must always be made, or a run would store a value no printing understands.
template <std::size_t N> void CheckIndex(const std::array<QRadioButton*, N>& options, int index) {
    options[index >= 0 && index < static_cast<int>(N) ? index : 0]->setChecked(true);
}
} // namespace PrintChoices
