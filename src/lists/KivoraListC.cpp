#include "lists/KivoraListC.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "lists/ListPicker.h"
#include "lists/ListQueries.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int DepartmentBytes = 21; // 20 bytes, as the staff register
}

KivoraListC::KivoraListC(AppState& state, QWidget* parent)
    : ListWindow(state, QStringLiteral("担当者一覧"), parent) {
    setObjectName(QStringLiteral("KivoraListC"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("部署名"), this), 0, 0);
    TextListC = new QLineEdit(this);
    AttachLimitLength(TextListC, DepartmentBytes);
    grid->addWidget(TextListC, 0, 1, 1, 4);
    CheckListC = new QCheckBox(QStringLiteral("売上金額を出力する(&S)"), this);
    grid->addWidget(CheckListC, 1, 0, 1, 5);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < StaffMonth::Count; i += 2) {
        LabelListC[i] = new ListPicker(1980, 2099, today.year(), QStringLiteral("年"), this);
        LabelListC[i + 1] = new ListPicker(1, 12, today.month(), QStringLiteral("月"), this);
        grid->addWidget(LabelListC[i], 2, i == 0 ? 0 : 3);
        grid->addWidget(LabelListC[i + 1], 2, i == 0 ? 1 : 4);
    }
    grid->addWidget(new QLabel(QStringLiteral("～"), this), 2, 2);
    layout->addLayout(grid);
    layout->addLayout(buttonRow());
    const auto enableMonths = [this](bool on) {
        for (ListPicker* picker : LabelListC)
            picker->setEnabled(on);
    };
    connect(CheckListC, &QCheckBox::toggled, this, enableMonths);
    enableMonths(false);
    // Enter moves on, as in every entry window.
    connect(TextListC, &QLineEdit::returnPressed, this, [this] { CheckListC->setFocus(); });
    CenterForm(this, parentWidget());
}

void KivoraListC::Query() {
    const QString department = TextListC->text();
    if (!department.isEmpty() &&
        CheckChar(*m_state.messages, department, m_state.AppTitle, true, false))
        return;
    const bool withSales = CheckListC->isChecked();
    const auto ymd = [this](int year, int month, int day) {
        return qint64(LabelListC[year]->value()) * 10000 + LabelListC[month]->value() * 100 + day;
    };
    const qint64 from = ymd(StaffMonth::FromYear, StaffMonth::FromMonth, 1);
    const qint64 to = ymd(StaffMonth::ToYear, StaffMonth::ToMonth, 31);
    ListResult result = ListQueries(*m_state.DbMain).Staff(department, withSales, from, to);
    if (withSales)
        result.Subtitle = LabelListC[StaffMonth::FromYear]->Label->text() + QLatin1Char('/') +
                          LabelListC[StaffMonth::FromMonth]->Label->text() + QStringLiteral("～") +
                          LabelListC[StaffMonth::ToYear]->Label->text() + QLatin1Char('/') +
                          LabelListC[StaffMonth::ToMonth]->Label->text();
    m_state.gCaption = windowTitle();
    m_state.ListByDepartment = !department.isEmpty();
    HandOver(withSales ? ListType::StaffSales : ListType::Staff, result,
             QStringLiteral("担当者は"));
}
