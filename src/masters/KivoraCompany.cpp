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
constexpr FieldLook kFields[10] = {
    {u"会社名", 41}, {u"代表者", 21}, {u"郵便番号", 4}, {nullptr, 5},        {u"住所１", 31},
    {u"住所２", 31}, {u"ＴＥＬ", 13}, {u"ＦＡＸ", 13},  {u"振込銀行１", 41}, {u"振込銀行２", 41},
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
            LoadExcise(ComboComp[0], *m_state.DbMain);
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
    TextComp[0]->setFocus();
}

void KivoraCompany::buildControls() {
    for (int i = 0; i < 10; ++i) {
        TextComp[i] = new QLineEdit(this);
        TextComp[i]->setObjectName(QStringLiteral("TextComp%1").arg(i));
        AttachLimitLength(TextComp[i], kFields[i].maxLength);
        AttachSelectOnFocus(TextComp[i], m_state);
        TextComp[i]->installEventFilter(this);
    }
    // The lists are not editable: only the offered rates (all with "%") and rounding
    // names can be chosen, so the stored values always make sense to the readers.
    for (int i = 0; i < 5; ++i) {
        ComboComp[i] = new QComboBox(this);
        ComboComp[i]->setObjectName(QStringLiteral("ComboComp%1").arg(i));
        ComboComp[i]->setEditable(false);
        ComboComp[i]->installEventFilter(this);
    }
    const QStringList fractions = {QStringLiteral("切り捨て"), QStringLiteral("四捨五入"),
                                   QStringLiteral("切り上げ")};
    ComboComp[1]->addItems(fractions);
    ComboComp[2]->addItems(fractions);
    for (int d = 1; d <= 31; ++d) {
        ComboComp[3]->addItem(QString::number(d));
        ComboComp[4]->addItem(QString::number(d));
    }
    FrameFraction = new QGroupBox(QStringLiteral("端数処理"), this);
    FrameClosing = new QGroupBox(QStringLiteral("締め日処理"), this);
    FrameFraction->setObjectName(QStringLiteral("FrameFraction"));
    FrameClosing->setObjectName(QStringLiteral("FrameClosing"));
    OptionComp[0] = new QRadioButton(QStringLiteral("当月(&T)"), FrameClosing);
    OptionComp[1] = new QRadioButton(QStringLiteral("次月(&N)"), FrameClosing);
    OptionComp[0]->setObjectName(QStringLiteral("OptionComp0"));
    OptionComp[1]->setObjectName(QStringLiteral("OptionComp1"));

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
    for (int i = 0; i < 10; ++i) {
        if (i == 3)
            continue; // the postal code's second part shares the row of the first
        fields->addWidget(caption(QString::fromUtf16(kFields[i].caption), this), row, 0);
        if (i == 2) {
            auto* zip = new QHBoxLayout;
            TextComp[2]->setFixedWidth(TextComp[2]->fontMetrics().horizontalAdvance(u'0') * 5 + 12);
            TextComp[3]->setFixedWidth(TextComp[3]->fontMetrics().horizontalAdvance(u'0') * 6 + 12);
            zip->addWidget(TextComp[2]);
            zip->addWidget(new QLabel(QStringLiteral("-"), this));
            zip->addWidget(TextComp[3]);
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
    rules->addWidget(ComboComp[0], 0, 1);
    auto* fraction = new QGridLayout(FrameFraction);
    fraction->addWidget(caption(QStringLiteral("消費税"), FrameFraction), 0, 0);
    fraction->addWidget(ComboComp[1], 0, 1);
    fraction->addWidget(caption(QStringLiteral("数量×単価"), FrameFraction), 1, 0);
    fraction->addWidget(ComboComp[2], 1, 1);
    rules->addWidget(FrameFraction, 1, 0, 1, 2);
    rules->addWidget(caption(QStringLiteral("締め日"), this), 2, 0);
    rules->addWidget(ComboComp[3], 2, 1);
    rules->addWidget(caption(QStringLiteral("払い日"), this), 3, 0);
    rules->addWidget(ComboComp[4], 3, 1);
    auto* closing = new QHBoxLayout(FrameClosing);
    closing->addWidget(OptionComp[0]);
    closing->addWidget(OptionComp[1]);
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
    const QString* texts[] = {&r.Name,     &r.Represent, nullptr, nullptr,  &r.Address1,
                              &r.Address2, &r.TEL,       &r.FAX,  &r.Bank1, &r.Bank2};
    for (int i = 0; i < 10; ++i) {
        if (texts[i])
            TextComp[i]->setText(*texts[i]);
    }
    const auto [first, second] = SplitZip(r.ZipCode);
    TextComp[2]->setText(first);
    TextComp[3]->setText(second);

    if (m_hasRow) {
        // A stored rate no longer offered stays choosable, written the way the list
        // writes rates, so that opening and OK never change it behind the user's back.
        const QString rate = QString::number(r.Excise) + QLatin1Char('%');
        int index = ComboComp[0]->findText(rate);
        if (index < 0) {
            ComboComp[0]->addItem(rate);
            index = ComboComp[0]->count() - 1;
        }
        ComboComp[0]->setCurrentIndex(index);
    } else {
        SetComboIndex(ComboComp[0], 0);
    }
    SetComboIndex(ComboComp[1], r.ExciseFraction);
    SetComboIndex(ComboComp[2], r.PriceFraction);
    SetComboIndex(ComboComp[3], r.ClosingDay - 1);
    SetComboIndex(ComboComp[4], r.Payment - 1);
    OptionComp[r.ClosingType == 0 ? 0 : 1]->setChecked(true);
}

void KivoraCompany::onOK() {
    CompanyRow r = m_row;
    QString* texts[] = {&r.Name,     &r.Represent, nullptr, nullptr,  &r.Address1,
                        &r.Address2, &r.TEL,       &r.FAX,  &r.Bank1, &r.Bank2};
    for (int i = 0; i < 10; ++i) {
        if (texts[i])
            *texts[i] = TextComp[i]->text();
    }
    r.ZipCode = JoinZip(TextComp[2]->text(), TextComp[3]->text());
    // Every offered rate ends in "%"; the number before it is what is stored.
    if (ComboComp[0]->currentIndex() >= 0) {
        const QString rate = ComboComp[0]->currentText();
        r.Excise = rate.left(rate.indexOf(QLatin1Char('%'))).toDouble();
    }
    if (ComboComp[1]->currentIndex() >= 0)
        r.ExciseFraction = ComboComp[1]->currentIndex();
    if (ComboComp[2]->currentIndex() >= 0)
        r.PriceFraction = ComboComp[2]->currentIndex();
    if (ComboComp[3]->currentIndex() >= 0)
        r.ClosingDay = ComboComp[3]->currentText().toInt();
    if (ComboComp[4]->currentIndex() >= 0)
        r.Payment = ComboComp[4]->currentText().toInt();
    r.ClosingType = OptionComp[0]->isChecked() ? 0 : 1;

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
        if (field == 9)
            ComboComp[0]->setFocus();
        else
            TextComp[field + 1]->setFocus();
        return true;
    }
    const int combo = IndexOf(ComboComp, watched);
    if (combo >= 0) {
        if (combo == 4)
            TextComp[0]->setFocus();
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
