#pragma once
#include "printing/PrintCodes.h"

#include <array>

class QGroupBox;
class QRadioButton;

// The choices the print dialogs share, made alike in each so that they read and are
// named the same everywhere: the body font, and the contact printed under the
// customer's name.
namespace PrintChoices {
// 明朝体 and ゴシック体 in `frame`, named OptionFont0 and OptionFont1.
std::array<QRadioButton*, FontChoice::Count> FontOptions(QGroupBox* frame);
// 担当者１を印字する, 担当者２を印字する and 印字しない in `frame`, named OptionCharge0-2.
std::array<QRadioButton*, ContactChoice::Count> ContactOptions(QGroupBox* frame);
} // namespace PrintChoices
