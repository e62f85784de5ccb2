#include "lists/KivoraListU.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "lists/ListPicker.h"
#include "lists/ListQueries.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int CodeBytes = 11; // as the customer window
}

KivoraListU::KivoraListU(AppState& state, QWidget* parent)
    : ListWindow(state, QStringLiteral("顧客一覧"), parent),
      m_labels(state.gMode == CustomerListMode::Labels) {
    setObjectName(QStringLiteral("KivoraListU"));
    auto* layout = new QVBoxLayout(this);
    auto* areaFrame = new QGroupBox(QStringLiteral("出力範囲(&R)"), this);
    auto* area = new QGridLayout(areaFrame);
    OptionArea[CustomerArea::All] = new QRadioButton(QStringLiteral("全顧客"), areaFrame);
    OptionArea[CustomerArea::Range] = new QRadioButton(QStringLiteral("指定範囲"), areaFrame);
    OptionArea[CustomerArea::SalesMonth] =
        new QRadioButton(QStringLiteral("指定年月に売上のある顧客"), areaFrame);
    area->addWidget(OptionArea[CustomerArea::All], 0, 0, 1, 5);
    area->addWidget(OptionArea[CustomerArea::Range], 1, 0);
    for (int end = 0; end < CodeEnd::Count; ++end) {
        TextListU[end] = new QLineEdit(areaFrame);
        AsciiOnly(TextListU[end]);
        AttachLimitLength(TextListU[end], CodeBytes);
        BtnListU[end] = new QPushButton(QStringLiteral("..."), areaFrame);
        BtnListU[end]->setAutoDefault(false);
        BtnListU[end]->setFixedWidth(28);
        area->addWidget(TextListU[end], 1, 1 + end * 3);
        area->addWidget(BtnListU[end], 1, 2 + end * 3);
        connect(BtnListU[end], &QPushButton::clicked, this, [this, end] { findCustomer(end); });
    }
    area->addWidget(new QLabel(QStringLiteral("～"), areaFrame), 1, 3);
    area->addWidget(OptionArea[CustomerArea::SalesMonth], 2, 0, 1, 5);
    const QDate today = QDate::currentDate();
    PickerListU[0] = new ListPicker(1980, 2099, today.year(), QStringLiteral("年"), areaFrame);
    PickerListU[1] = new ListPicker(1, 12, today.month(), QStringLiteral("月"), areaFrame);
    LabelListU[CustomerListLabel::Year] = PickerListU[0]->Label;
    LabelListU[CustomerListLabel::Month] = PickerListU[1]->Label;
    area->addWidget(PickerListU[0], 3, 1);
    area->addWidget(PickerListU[1], 3, 2, 1, 2);
    layout->addWidget(areaFrame);

    auto* classRow = new QHBoxLayout;
    CheckListU[CustomerListCheck::Class] = new QCheckBox(QStringLiteral("顧客分類(&C)"), this);
    BtnClass = new QPushButton(QStringLiteral("..."), this);
    BtnClass->setAutoDefault(false);
    BtnClass->setFixedWidth(28);
    LabelListU[CustomerListLabel::ClassName] = new QLabel(this);
    LabelListU[CustomerListLabel::ClassCode] = new QLabel(this);
    LabelListU[CustomerListLabel::ClassName]->setFrameShape(QFrame::Panel);
    LabelListU[CustomerListLabel::ClassName]->setFrameShadow(QFrame::Sunken);
    LabelListU[CustomerListLabel::ClassName]->setMinimumWidth(160);
    LabelListU[CustomerListLabel::ClassCode]->hide();
    classRow->addWidget(CheckListU[CustomerListCheck::Class]);
    classRow->addWidget(LabelListU[CustomerListLabel::ClassName], 1);
    classRow->addWidget(BtnClass);
    layout->addLayout(classRow);
    CheckListU[CustomerListCheck::Mail] =
        new QCheckBox(QStringLiteral("DM発送区分が｢する｣に設定された顧客(&M)"), this);
    layout->addWidget(CheckListU[CustomerListCheck::Mail]);
    connect(BtnClass, &QPushButton::clicked, this, &KivoraListU::findClass);

    FrameLayout = new QGroupBox(QStringLiteral("出力形式(&L)"), this);
    auto* formats = new QHBoxLayout(FrameLayout);
    OptionLayout[CustomerLayout::List] = new QRadioButton(QStringLiteral("一覧表"), FrameLayout);
    OptionLayout[CustomerLayout::Cards] = new QRadioButton(QStringLiteral("台帳"), FrameLayout);
    for (QRadioButton* option : OptionLayout)
        formats->addWidget(option);
    layout->addWidget(FrameLayout);
    layout->addLayout(buttonRow());

    OptionArea[CustomerArea::All]->setChecked(true);
    OptionLayout[CustomerLayout::List]->setChecked(true);
    for (QRadioButton* option : OptionArea)
        connect(option, &QRadioButton::toggled, this, &KivoraListU::enableFields);
    connect(CheckListU[CustomerListCheck::Class], &QCheckBox::toggled, this,
            &KivoraListU::enableFields);
    // The ledger cards are printed only; they have no display.
    connect(OptionLayout[CustomerLayout::Cards], &QRadioButton::toggled, this,
            [this](bool cards) { BtnDisp->setEnabled(!cards); });
    connect(TextListU[CodeEnd::From], &QLineEdit::returnPressed, this,
            [this] { TextListU[CodeEnd::To]->setFocus(); });
    connect(TextListU[CodeEnd::To], &QLineEdit::returnPressed, this,
            [this] { BtnDisp->setFocus(); });
    if (m_labels) {
        FrameLayout->hide();
        BtnPrint->hide();
        BtnDisp->setText(QStringLiteral("開始(&S)"));
    }
    enableFields();
    CenterForm(this, parentWidget());
}

void KivoraListU::enableFields() {
    const bool range = OptionArea[CustomerArea::Range]->isChecked();
    const bool month = OptionArea[CustomerArea::SalesMonth]->isChecked();
    for (int end = 0; end < CodeEnd::Count; ++end) {
        TextListU[end]->setEnabled(range);
        BtnListU[end]->setEnabled(range);
    }
    for (ListPicker* picker : PickerListU)
        picker->setEnabled(month);
    const bool byClass = CheckListU[CustomerListCheck::Class]->isChecked();
    BtnClass->setEnabled(byClass);
    LabelListU[CustomerListLabel::ClassName]->setEnabled(byClass);
}

void KivoraListU::findCustomer(int end) {
    // The search reports its choice as the current customer; the main window's customer
    // comes back afterwards.
    const QString code = m_state.gUserCode;
    const QString name = m_state.gUserName;
    m_state.gMode = FindUserMode::FromMain;
    {
        KivoraFindUser dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Ok)
        TextListU[end]->setText(m_state.gUserCode);
    m_state.gUserCode = code;
    m_state.gUserName = name;
}

void KivoraListU::findClass() {
    m_state.gMode = FindItemMode::Classes;
    {
        KivoraFindItem dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult != DialogResult::Ok)
        return;
    LabelListU[CustomerListLabel::ClassCode]->setText(m_state.gHandOff);
    LabelListU[CustomerListLabel::ClassName]->setText(m_state.gWork[0]);
}

void KivoraListU::Query() {
    CustomerFilter filter;
    if (OptionArea[CustomerArea::Range]->isChecked()) {
        filter.Area = CustomerArea::Range;
        filter.From = TextListU[CodeEnd::From]->text();
        filter.To = TextListU[CodeEnd::To]->text();
        // A range of codes that are not numbers is no selection: nothing happens. Digits
        // hold no forbidden character, so no further check is needed.
        if (!IsDigits(filter.From) || !IsDigits(filter.To))
            return;
    } else if (OptionArea[CustomerArea::SalesMonth]->isChecked()) {
        filter.Area = CustomerArea::SalesMonth;
        filter.Year = PickerListU[0]->value();
        filter.Month = PickerListU[1]->value();
    }
    filter.ByClass = CheckListU[CustomerListCheck::Class]->isChecked();
    filter.ClassCode = LabelListU[CustomerListLabel::ClassCode]->text();
    filter.ClassName = LabelListU[CustomerListLabel::ClassName]->text();
    filter.MailOnly = CheckListU[CustomerListCheck::Mail]->isChecked();
    const int kind =
        m_labels ? ListType::Labels
                 : ListType::Customers + (OptionLayout[CustomerLayout::Cards]->isChecked() ? 1 : 0);
    m_state.gCaption = windowTitle();
    HandOver(kind, ListQueries(*m_state.DbMain).Customers(filter), QStringLiteral("顧客は"));
}
