#include "lists/KivoraListG.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "lists/ListQueries.h"
#include "widgets/WidgetRoutines.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

KivoraListG::KivoraListG(AppState& state, QWidget* parent)
    : ListWindow(state, QStringLiteral("商品一覧"), parent) {
    setObjectName(QStringLiteral("KivoraListG"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("出力対象"), this);
    auto* options = new QVBoxLayout(frame);
    OptionListG[GoodsListOption::Goods] = new QRadioButton(QStringLiteral("商品"), frame);
    OptionListG[GoodsListOption::Sets] = new QRadioButton(QStringLiteral("セット"), frame);
    for (QRadioButton* option : OptionListG)
        options->addWidget(option);
    OptionListG[GoodsListOption::Goods]->setChecked(true);
    layout->addWidget(frame);
    layout->addLayout(buttonRow());
    CenterForm(this, parentWidget());
}

void KivoraListG::Query() {
    const bool sets = OptionListG[GoodsListOption::Sets]->isChecked();
    const QString table = sets ? QStringLiteral("セット商品") : QStringLiteral("商品");
    m_state.gCaption = (sets ? OptionListG[GoodsListOption::Sets]->text() + QStringLiteral("商品")
                             : QStringLiteral("商品")) +
                       QStringLiteral("一覧");
    HandOver(sets ? ListType::SetGoods : ListType::Goods, ListQueries(*m_state.DbMain).Goods(sets),
             table + QStringLiteral("は"));
}
