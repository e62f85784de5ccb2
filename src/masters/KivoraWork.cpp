#include "masters/KivoraWork.h"

#include "core/AppState.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "masters/MasterStore.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct FieldDef {
    const char* caption;
    int maxLength; // length property: the field keeps one byte less
};

// Captions and lengths by kind, code first. Units show their code without editing it.
QList<FieldDef> FieldsOf(quint8 kind) {
    switch (MasterKind(kind)) {
    case MasterKind::Staff:
        return {{"番号", 5}, {"部署名", 30}, {"氏名", 20}};
    case MasterKind::Unit:
        return {{"番号", 0}, {"単位", 7}};
    case MasterKind::Class:
        return {{"番号", 3}, {"分類名", 30}};
    default:
        return {{"商品番号", 8}, {"商品名", 40}, {"単価", 9}};
    }
}

} // namespace

KivoraWork::KivoraWork(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_kind(state.gMode) {
    setObjectName(QStringLiteral("KivoraWork"));
    setWindowTitle(m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QList<FieldDef> defs = FieldsOf(m_kind);
    auto* fields = new QGridLayout;
    for (int i = 0; i < int(TextWork.size()); ++i) {
        LabelWork[i] = new QLabel(this);
        LabelWork[i]->setObjectName(QStringLiteral("LabelWork%1").arg(i));
        TextWork[i] = new QLineEdit(this);
        TextWork[i]->setObjectName(QStringLiteral("TextWork%1").arg(i));
        LabelWork[i]->setBuddy(TextWork[i]);
        fields->addWidget(LabelWork[i], i, 0);
        fields->addWidget(TextWork[i], i, 1);
        if (i >= int(defs.size())) {
            LabelWork[i]->hide();
            TextWork[i]->hide();
            continue;
        }
        LabelWork[i]->setText(QString::fromUtf8(defs[i].caption));
        TextWork[i]->setText(m_state.gWork[i]);
        if (defs[i].maxLength > 0)
            AttachLimitLength(TextWork[i], defs[i].maxLength);
        AttachSelectOnFocus(TextWork[i], m_state);
        TextWork[i]->installEventFilter(this);
    }
    if (MasterKind(m_kind) == MasterKind::Unit) {
        // The list window numbers the units; the code is shown for orientation only.
        // No focus, so that no input method can commit text into it either.
        TextWork[WorkField::Code]->setReadOnly(true);
        TextWork[WorkField::Code]->setFocusPolicy(Qt::NoFocus);
    }
    if (isGoods())
        TextWork[WorkField::Price]->setAlignment(Qt::AlignRight);

    LabelWork[WorkField::Unit] = new QLabel(QStringLiteral("単位"), this);
    LabelWork[WorkField::Unit]->setObjectName(QStringLiteral("LabelWork3"));
    ComboWork = new QComboBox(this);
    ComboWork->setObjectName(QStringLiteral("ComboWork"));
    LabelWork[WorkField::Unit]->setBuddy(ComboWork);
    fields->addWidget(LabelWork[WorkField::Unit], 3, 0);
    fields->addWidget(ComboWork, 3, 1);
    ComboWork->installEventFilter(this);
    if (isGoods()) {
        LoadUnit(ComboWork, *m_state.DbMain);
        const QString unit = m_state.gWork[WorkField::Unit];
        int index = ComboWork->findText(unit);
        // A unit deleted since the goods was stored stays the goods' unit until the
        // user picks another one.
        if (index < 0) {
            ComboWork->addItem(unit);
            index = ComboWork->count() - 1;
        }
        ComboWork->setCurrentIndex(index);
    } else {
        LabelWork[WorkField::Unit]->hide();
        ComboWork->hide();
    }
    // Set goods sell as one line at the standard rate; only goods carry a class.
    auto* taxLabel = new QLabel(QStringLiteral("税区分"), this);
    ComboTax = new QComboBox(this);
    ComboTax->setObjectName(QStringLiteral("ComboTax"));
    ComboTax->addItems(
        {QStringLiteral("標準税率"), QStringLiteral("軽減税率 ※"), QStringLiteral("非課税")});
    taxLabel->setBuddy(ComboTax);
    fields->addWidget(taxLabel, 4, 0);
    fields->addWidget(ComboTax, 4, 1);
    ComboTax->installEventFilter(this);
    if (MasterKind(m_kind) == MasterKind::Goods) {
        ComboTax->setCurrentIndex(
            std::clamp(m_state.gWork[WorkField::TaxType].toInt(), 0, ComboTax->count() - 1));
    } else {
        taxLabel->hide();
        ComboTax->hide();
    }

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    // Enter moves between the fields; OK is a click (or Space on the button).
    BtnOK->setAutoDefault(false);
    BtnCancel->setAutoDefault(false);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraWork::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraWork::onCancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    TextWork[WorkField::First]->setMinimumWidth(260);

    // Until OK accepts the texts, leaving the dialog in any way is a cancel.
    m_state.gResult = DialogResult::Cancelled;
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    firstField()->setFocus();
}

bool KivoraWork::isGoods() const {
    return MasterKind(m_kind) == MasterKind::Goods || MasterKind(m_kind) == MasterKind::Set;
}

int KivoraWork::fieldCount() const {
    return int(FieldsOf(m_kind).size());
}

QWidget* KivoraWork::firstField() const {
    return MasterKind(m_kind) == MasterKind::Unit ? TextWork[WorkField::First]
                                                  : TextWork[WorkField::Code];
}

QWidget* KivoraWork::nextField(int index) const {
    if (index + 1 < fieldCount())
        return TextWork[index + 1];
    if (index + 1 == fieldCount() && isGoods())
        return ComboWork;
    return firstField();
}

void KivoraWork::onOK() {
    const int count = fieldCount();
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        const QString text = TextWork[i]->text().trimmed();
        if (CheckChar(*m_state.messages, text, LabelWork[i]->text(), true, false)) {
            TextWork[i]->setFocus();
            return;
        }
        texts << text;
    }
    // The units' code comes from the list window, never from what the field shows.
    if (MasterKind(m_kind) == MasterKind::Unit)
        texts[WorkField::Code] = m_state.gWork[WorkField::Code];
    if (texts[WorkField::Code].isEmpty()) {
        ShowMsg(*m_state.messages, LabelWork[WorkField::Code]->text(), Msg::Enter, Box::Exclamation,
                m_state.AppTitle);
        firstField()->setFocus();
        return;
    }
    if (isGoods() && !MasterStore::PriceValue(texts[WorkField::Price])) {
        ShowMsg(*m_state.messages, LabelWork[WorkField::Price]->text(), Msg::Digits,
                Box::Exclamation, m_state.AppTitle);
        TextWork[WorkField::Price]->setFocus();
        return;
    }

    for (int i = 0; i < count; ++i)
        m_state.gWork[i] = texts[i];
    if (isGoods())
        m_state.gWork[WorkField::Unit] = ComboWork->currentText();
    if (MasterKind(m_kind) == MasterKind::Goods)
        m_state.gWork[WorkField::TaxType] = QString::number(ComboTax->currentIndex());
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void KivoraWork::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraWork::reject() {
    onCancel();
}

bool KivoraWork::eventFilter(QObject* watched, QEvent* event) {
    if (IsEnterKey(event)) {
        if (watched == ComboWork) {
            if (MasterKind(m_kind) == MasterKind::Goods)
                ComboTax->setFocus();
            else
                firstField()->setFocus();
            return true;
        }
        if (watched == ComboTax) {
            firstField()->setFocus();
            return true;
        }
        for (int i = 0; i < fieldCount(); ++i) {
            if (watched == TextWork[i]) {
                nextField(i)->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
