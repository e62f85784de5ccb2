#include "lists/KivoraListSR.h"

#include "core/AppState.h"
#include "lists/ListPicker.h"
#include "lists/ListQueries.h"
#include "receivables/Ledger.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

KivoraListSR::KivoraListSR(AppState& state, QWidget* parent)
    : ListWindow(state,
                 state.gMode == DayListMode::Payments ? QStringLiteral("入金一覧")
                                                      : QStringLiteral("売上一覧"),
                 parent),
      m_payments(state.gMode == DayListMode::Payments) {
    setObjectName(QStringLiteral("KivoraListSR"));
    auto* layout = new QVBoxLayout(this);
    auto* dateFrame = new QGroupBox(QStringLiteral("日付(&D)"), this);
    auto* dates = new QHBoxLayout(dateFrame);
    const QDate today = QDate::currentDate();
    LabelListSR[DayPart::Year] = new ListPicker(1980, 2099, today.year(), QStringLiteral("年"));
    LabelListSR[DayPart::Month] = new ListPicker(1, 12, today.month(), QStringLiteral("月"));
    LabelListSR[DayPart::Day] = new ListPicker(1, 31, today.day(), QStringLiteral("日"));
    for (ListPicker* picker : LabelListSR)
        dates->addWidget(picker);
    layout->addWidget(dateFrame);

    FrameKind = new QGroupBox(QStringLiteral("科目種類(&R)"), this);
    auto* kinds = new QHBoxLayout(FrameKind);
    ComboListSR = new QComboBox(FrameKind);
    ComboListSR->addItem(QStringLiteral("全て"));
    for (int kind = PaymentKind::First; kind <= PaymentKind::Last; ++kind)
        ComboListSR->addItem(Ledger::KindName(kind));
    kinds->addWidget(ComboListSR);
    layout->addWidget(FrameKind);
    FrameKind->setVisible(m_payments);
    layout->addLayout(buttonRow());
    CenterForm(this, parentWidget());
}

void KivoraListSR::Query() {
    const qint64 ymd = qint64(LabelListSR[DayPart::Year]->value()) * 10000 +
                       LabelListSR[DayPart::Month]->value() * 100 +
                       LabelListSR[DayPart::Day]->value();
    m_state.gCaption = windowTitle();
    const ListResult result =
        ListQueries(*m_state.DbMain)
            .Day(m_payments, ymd, m_payments ? ComboListSR->currentIndex() : 0);
    HandOver(m_payments ? ListType::DayPayments : ListType::DaySales, result,
             windowTitle().left(2) + QStringLiteral("は"));
}
