#include "masters/KivoraCompany.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace {

// Captions and length properties of the text fields; a field keeps one byte less.
struct FieldLook {
    const char16_t* caption;
    int maxLength;
};
constexpr FieldLook kFields[CompanyField::Count] = {
    {u"会社名", 41},     {u"代表者", 21},     {u"郵便番号", 4},  {nullptr, 5},
    {u"住所１", 31},     {u"住所２", 31},     {u"ＴＥＬ", 13},   {u"ＦＡＸ", 13},
    {u"振込銀行１", 41}, {u"振込銀行２", 41}, {u"登録番号", 15},
};

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

KivoraCompany::KivoraCompany(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraCompany"));
    setWindowTitle(m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    buildLayout();
    std::optional<DatabaseError> failure;
    {
        BusyCursor busy;
        try {
            LoadExcise(ComboComp[CompanyCombo::Excise], *m_state.DbMain);
            const std::optional<CompanyRow> row = CompanyStore(*m_state.DbMain).Read();
            m_hasRow = row.has_value();
            if (row)
                m_row = *row;
        } catch (const DatabaseError& e) {
            failure = e;
        }
        showRow();
    }
    // A row that cannot be read opens as a new one; OK tries again and reports again.
    if (failure)
        ShowText(*m_state.messages, failure->userMessage(), Box::Stop, m_state.AppTitle);
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    TextComp[CompanyField::Name]->setFocus();
}

void KivoraCompany::buildControls() {
    for (int i = 0; i < CompanyField::Count; ++i) {
        TextComp[i] = new QLineEdit(this);
        TextComp[i]->setObjectName(QStringLiteral("TextComp%1").arg(i));
        AttachLimitLength(TextComp[i], kFields[i].maxLength);
        if (i == CompanyField::Zip1 || i == CompanyField::Zip2 || i == CompanyField::Tel ||
            i == CompanyField::Fax || i == CompanyField::RegistNumber)
            AsciiOnly(TextComp[i]);
        AttachSelectOnFocus(TextComp[i], m_state);
        TextComp[i]->installEventFilter(this);
    }
    // The lists are not editable: only the offered rates (all with "%") and rounding
    // names can be chosen, so the stored values always make sense to the readers.
    for (int i = 0; i < CompanyCombo::Count; ++i) {
        ComboComp[i] = new QComboBox(this);
        ComboComp[i]->setObjectName(QStringLiteral("ComboComp%1").arg(i));
        ComboComp[i]->setEditable(false);
        ComboComp[i]->installEventFilter(this);
    }
    const QStringList fractions = {QStringLiteral("切り捨て"), QStringLiteral("四捨五入"),
                                   QStringLiteral("切り上げ")};
    ComboComp[CompanyCombo::ExciseFraction]->addItems(fractions);
    ComboComp[CompanyCombo::PriceFraction]->addItems(fractions);
    for (int d = 1; d <= 31; ++d) {
        ComboComp[CompanyCombo::ClosingDay]->addItem(QString::number(d));
        ComboComp[CompanyCombo::Payment]->addItem(QString::number(d));
    }
    FrameFraction = new QGroupBox(QStringLiteral("端数処理"), this);
    FrameClosing = new QGroupBox(QStringLiteral("締め日処理"), this);
    FrameFraction->setObjectName(QStringLiteral("FrameFraction"));
    FrameClosing->setObjectName(QStringLiteral("FrameClosing"));
    OptionComp[CompanyClosing::ThisMonth] =
        new QRadioButton(QStringLiteral("当月(&T)"), FrameClosing);
    OptionComp[CompanyClosing::NextMonth] =
        new QRadioButton(QStringLiteral("次月(&N)"), FrameClosing);
    OptionComp[CompanyClosing::ThisMonth]->setObjectName(QStringLiteral("OptionComp0"));
    OptionComp[CompanyClosing::NextMonth]->setObjectName(QStringLiteral("OptionComp1"));

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraCompany::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraCompany::onCancel);
}

void KivoraCompany::buildLayout() {
    auto* fields = new QGridLayout;
    int row = 0;
    for (int i = 0; i < CompanyField::Count; ++i) {
        if (i == CompanyField::Zip2)
            continue; // the postal code's second part shares the row of the first
        fields->addWidget(caption(QString::fromUtf16(kFields[i].caption), this), row, 0);
        if (i == CompanyField::Zip1) {
            auto* zip = new QHBoxLayout;
            TextComp[CompanyField::Zip1]->setFixedWidth(
                TextComp[CompanyField::Zip1]->fontMetrics().horizontalAdvance(u'0') * 5 + 12);
            TextComp[CompanyField::Zip2]->setFixedWidth(
                TextComp[CompanyField::Zip2]->fontMetrics().horizontalAdvance(u'0') * 6 + 12);
            zip->addWidget(TextComp[CompanyField::Zip1]);
            zip->addWidget(new QLabel(QStringLiteral("-"), this));
            zip->addWidget(TextComp[CompanyField::Zip2]);
            zip->addStretch();
            fields->addLayout(zip, row, 1);
        } else {
            TextComp[i]->setMinimumWidth(280);
            fields->addWidget(TextComp[i], row, 1);
        }
        ++row;
    }

    auto* rules = new QGridLayout;
    rules->addWidget(caption(QStringLiteral("消費税"), this), 0, 0);
    rules->addWidget(ComboComp[CompanyCombo::Excise], 0, 1);
    auto* fraction = new QGridLayout(FrameFraction);
    fraction->addWidget(caption(QStringLiteral("消費税"), FrameFraction), 0, 0);
    fraction->addWidget(ComboComp[CompanyCombo::ExciseFraction], 0, 1);
    fraction->addWidget(caption(QStringLiteral("数量×単価"), FrameFraction), 1, 0);
    fraction->addWidget(ComboComp[CompanyCombo::PriceFraction], 1, 1);
    rules->addWidget(FrameFraction, 1, 0, 1, 2);
    rules->addWidget(caption(QStringLiteral("締め日"), this), 2, 0);
    rules->addWidget(ComboComp[CompanyCombo::ClosingDay], 2, 1);
    rules->addWidget(caption(QStringLiteral("払い日"), this), 3, 0);
    rules->addWidget(ComboComp[CompanyCombo::Payment], 3, 1);
    auto* closing = new QHBoxLayout(FrameClosing);
    closing->addWidget(OptionComp[CompanyClosing::ThisMonth]);
    closing->addWidget(OptionComp[CompanyClosing::NextMonth]);
    rules->addWidget(FrameClosing, 4, 0, 1, 2);
    rules->setRowStretch(5, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addSpacing(12);
    body->addLayout(rules);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

void KivoraCompany::showRow() {
    const CompanyRow& r = m_row;
    const QString* texts[] = {&r.Name,     &r.Represent, nullptr,        nullptr,
                              &r.Address1, &r.Address2,  &r.TEL,         &r.FAX,
                              &r.Bank1,    &r.Bank2,     &r.RegistNumber};
    for (int i = 0; i < CompanyField::Count; ++i) {
        if (texts[i])
            TextComp[i]->setText(*texts[i]);
    }
    const auto [first, second] = SplitZip(r.ZipCode);
    TextComp[CompanyField::Zip1]->setText(first);
    TextComp[CompanyField::Zip2]->setText(second);

    if (m_hasRow) {
        // A stored rate no longer offered stays choosable, written the way the list
        // writes rates, so that opening and OK never change it behind the user's back.
        const QString rate = QString::number(r.Excise) + QLatin1Char('%');
        int index = ComboComp[CompanyCombo::Excise]->findText(rate);
        if (index < 0) {
            ComboComp[CompanyCombo::Excise]->addItem(rate);
            index = ComboComp[CompanyCombo::Excise]->count() - 1;
        }
        ComboComp[CompanyCombo::Excise]->setCurrentIndex(index);
    } else {
        SetComboIndex(ComboComp[CompanyCombo::Excise], 0); // the first rate offered
    }
    SetComboIndex(ComboComp[CompanyCombo::ExciseFraction], r.ExciseFraction);
    SetComboIndex(ComboComp[CompanyCombo::PriceFraction], r.PriceFraction);
    SetComboIndex(ComboComp[CompanyCombo::ClosingDay], r.ClosingDay - 1);
    SetComboIndex(ComboComp[CompanyCombo::Payment], r.Payment - 1);
    OptionComp[r.ClosingType == CompanyClosing::ThisMonth ? CompanyClosing::ThisMonth
                                                          : CompanyClosing::NextMonth]
        ->setChecked(true);
}

void KivoraCompany::onOK() {
    CompanyRow r = m_row;
    QString* texts[] = {&r.Name, &r.Represent, nullptr,  nullptr,  &r.Address1,    &r.Address2,
                        &r.TEL,  &r.FAX,       &r.Bank1, &r.Bank2, &r.RegistNumber};
    for (int i = 0; i < CompanyField::Count; ++i) {
        if (texts[i])
            *texts[i] = TextComp[i]->text();
    }
    // Typed in lower case or with spaces around it, the number is still the same one.
    r.RegistNumber = r.RegistNumber.trimmed().toUpper();
    if (!CompanyStore::RegistNumberValid(r.RegistNumber)) {
        ShowMsg(*m_state.messages,
                QStringLiteral("正確に") +
                    QString::fromUtf16(kFields[CompanyField::RegistNumber].caption),
                Msg::Enter, Box::Exclamation, m_state.gCaption);
        TextComp[CompanyField::RegistNumber]->setFocus();
        return;
    }
    r.ZipCode = JoinZip(TextComp[CompanyField::Zip1]->text(), TextComp[CompanyField::Zip2]->text());
    // Every offered rate ends in "%"; the number before it is what is stored.
    if (ComboComp[CompanyCombo::Excise]->currentIndex() >= 0) {
        const QString rate = ComboComp[CompanyCombo::Excise]->currentText();
        r.Excise = rate.left(rate.indexOf(QLatin1Char('%'))).toDouble();
    }
    if (ComboComp[CompanyCombo::ExciseFraction]->currentIndex() >= 0)
        r.ExciseFraction = ComboComp[CompanyCombo::ExciseFraction]->currentIndex();
    if (ComboComp[CompanyCombo::PriceFraction]->currentIndex() >= 0)
        r.PriceFraction = ComboComp[CompanyCombo::PriceFraction]->currentIndex();
    if (ComboComp[CompanyCombo::ClosingDay]->currentIndex() >= 0)
        r.ClosingDay = ComboComp[CompanyCombo::ClosingDay]->currentText().toInt();
    if (ComboComp[CompanyCombo::Payment]->currentIndex() >= 0)
        r.Payment = ComboComp[CompanyCombo::Payment]->currentText().toInt();
    r.ClosingType = OptionComp[CompanyClosing::ThisMonth]->isChecked() ? CompanyClosing::ThisMonth
                                                                       : CompanyClosing::NextMonth;

    try {
        BusyCursor busy;
        CompanyStore(*m_state.DbMain).Write(r);
    } catch (const DatabaseError& e) {
        // Nothing was stored; the dialog stays open with the user's entries.
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return;
    }
    // Every line computed from now on rounds the new way.
    m_state.gPriceFraction = static_cast<quint8>(r.PriceFraction);
    m_state.gReducedExcise = r.ReducedExcise;
    m_row = r;
    m_hasRow = true;
    done(QDialog::Accepted);
}

void KivoraCompany::onCancel() {
    done(QDialog::Rejected);
}

// Escape and the window's close button leave as Cancel does.
void KivoraCompany::reject() {
    onCancel();
}

bool KivoraCompany::enterPressed(QObject* watched) {
    // Enter walks the fields top to bottom, then the lists, then back to the top, so the
    // whole form can be filled in from the keyboard.
    const int field = IndexOf(TextComp, watched);
    if (field >= 0) {
        if (field == CompanyField::RegistNumber)
            ComboComp[CompanyCombo::Excise]->setFocus();
        else
            TextComp[field + 1]->setFocus();
        return true;
    }
    const int combo = IndexOf(ComboComp, watched);
    if (combo >= 0) {
        if (combo == CompanyCombo::Payment)
            TextComp[CompanyField::Name]->setFocus();
        else
            ComboComp[combo + 1]->setFocus();
        return true;
    }
    return false;
}

bool KivoraCompany::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(event) && enterPressed(watched))
            return true;
        // Every list must keep a choice; Delete never empties one.
        if (key->key() == Qt::Key_Delete && IndexOf(ComboComp, watched) >= 0)
            return true;
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (auto* field = qobject_cast<QLineEdit*>(watched); field && IndexOf(TextComp, field) >= 0)
            ShowFocusColours(field, event->type() == QEvent::FocusIn);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
