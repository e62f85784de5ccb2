#include "receivables/KivoraReceive.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "receivables/Ledger.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Length property of the amount (twelve bytes kept): a sign and hundreds of millions of
// yen with their separators.
constexpr int AmountLength = 13;

constexpr std::array<const char16_t*, ReceiveTitle::Count> kTitles = {u"日", u"額", u"科目"};

} // namespace

KivoraReceive::KivoraReceive(AppState& state, ReceiveParam& param, QWidget* parent)
    : QDialog(parent), m_state(state), m_param(param) {
    setObjectName(QStringLiteral("KivoraReceive"));
    setWindowTitle(QStringLiteral("入金"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BusyCursor busy;

    for (int i = 0; i < ReceiveTitle::Count; ++i) {
        // The captions read 入金日, 入金額, 入金科目: the dialog's title before each.
        LabelTitle[i] = new QLabel(windowTitle() + QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
        LabelTitle[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
        LabelTitle[i]->setAlignment(Qt::AlignCenter);
        LabelTitle[i]->setAutoFillBackground(true);
        LabelTitle[i]->setMinimumWidth(80);
        QPalette palette = LabelTitle[i]->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::WindowText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
        LabelTitle[i]->setPalette(palette);
    }
    for (int i = 0; i < ReceiveCombo::Count; ++i) {
        ComboReceive[i] = new QComboBox(this);
        ComboReceive[i]->setObjectName(QStringLiteral("ComboReceive%1").arg(i));
    }
    for (int kind = PaymentKind::First; kind <= PaymentKind::Last; ++kind)
        ComboReceive[ReceiveCombo::Kind]->addItem(Ledger::KindName(kind));
    ComboReceive[ReceiveCombo::Kind]->setCurrentIndex(0);
    for (int day = 1; day <= 31; ++day)
        ComboReceive[ReceiveCombo::Day]->addItem(
            QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    ComboReceive[ReceiveCombo::Day]->setCurrentIndex(QDate::currentDate().day() - 1);

    Label1[ReceiveMark::Month] = new QLabel(m_param.DateText + QLatin1Char('/'), this);
    Label1[ReceiveMark::Day] = new QLabel(QStringLiteral("日"), this);
    for (int i = 0; i < ReceiveMark::Count; ++i)
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));

    TextReceive = new QLineEdit(this);
    TextReceive->setObjectName(QStringLiteral("TextReceive"));
    TextReceive->setAlignment(Qt::AlignRight);
    TextReceive->setMinimumWidth(120);
    AsciiOnly(TextReceive);
    AttachLimitLength(TextReceive, AmountLength);
    AttachSelectOnFocus(TextReceive, m_state);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setAutoDefault(false);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraReceive::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraReceive::onCancel);

    auto* grid = new QGridLayout;
    grid->addWidget(LabelTitle[ReceiveTitle::Date], 0, 0);
    auto* date = new QHBoxLayout;
    date->addWidget(Label1[ReceiveMark::Month]);
    date->addWidget(ComboReceive[ReceiveCombo::Day]);
    date->addWidget(Label1[ReceiveMark::Day]);
    date->addStretch();
    grid->addLayout(date, 0, 1);
    grid->addWidget(LabelTitle[ReceiveTitle::Amount], 1, 0);
    grid->addWidget(TextReceive, 1, 1);
    grid->addWidget(LabelTitle[ReceiveTitle::Kind], 2, 0);
    grid->addWidget(ComboReceive[ReceiveCombo::Kind], 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    if (m_param.Edit) {
        SetComboText(ComboReceive[ReceiveCombo::Day],
                     QStringLiteral("%1").arg(m_param.Day, 2, 10, QLatin1Char('0')));
        TextReceive->setText(QString::number(m_param.Amount, 'g', 15));
        ComboReceive[ReceiveCombo::Kind]->setCurrentIndex(m_param.Kind - PaymentKind::First);
        ComboReceive[ReceiveCombo::Day]->setEnabled(false);
    }
    m_state.gResult = DialogResult::Cancelled;
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    TextReceive->setFocus();
}

void KivoraReceive::onOK() {
    const int amountCheck = Ledger::CheckAmount(TextReceive->text());
    if (amountCheck != Msg::SubjectOnly) {
        ShowMsg(*m_state.messages, LabelTitle[ReceiveTitle::Amount]->text(), amountCheck,
                Box::Exclamation, m_state.AppTitle);
        TextReceive->setFocus();
        return;
    }
    const std::optional<qint64> date =
        Ledger::PaymentDate(m_param.DateText, ComboReceive[ReceiveCombo::Day]->currentText());
    if (!date) {
        ShowMsg(*m_state.messages, QStringLiteral("正確に入金日"), Msg::Enter, Box::Exclamation,
                m_state.AppTitle);
        return;
    }
    m_param.DateText = QString::number(*date);
    m_param.Day = int(*date % 100);
    m_param.Amount = *ParseNumber(TextReceive->text());
    m_param.Kind = ComboReceive[ReceiveCombo::Kind]->currentIndex() + PaymentKind::First;
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void KivoraReceive::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

// Escape and the close button cancel as キャンセル does.
void KivoraReceive::reject() {
    onCancel();
}
