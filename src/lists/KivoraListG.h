#pragma once
#include "lists/ListWindow.h"

#include <array>

class QRadioButton;

// OptionListG: which goods are listed.
namespace GoodsListOption {
enum : int { Goods = 0, Sets = 1, Count = 2 };
}

// 商品一覧: the goods or the set goods.
class KivoraListG : public ListWindow {
    Q_OBJECT
public:
    KivoraListG(AppState& state, QWidget* parent = nullptr);

    std::array<QRadioButton*, GoodsListOption::Count> OptionListG{};

protected:
    void Query() override;
};
