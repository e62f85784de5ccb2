#include "masters/KivoraSort.h"

#include "core/AppState.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "widgets/WidgetRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

KivoraSort::KivoraSort(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraSort"));
    setWindowTitle(m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_prefix = OrderPrefix(m_state.gMode);

    // Two frames, so that the item and the direction are two independent choices.
    FrameItem = new QGroupBox(this);
    FrameOrder = new QGroupBox(this);
    FrameItem->setObjectName(QStringLiteral("FrameItem"));
    FrameOrder->setObjectName(QStringLiteral("FrameOrder"));
    OptionItem[SortItem::Code] = new QRadioButton(QStringLiteral("～番号(&C)"), FrameItem);
    // The history sorts by document number or by the date it was made, not by name.
    OptionItem[SortItem::Name] =
        new QRadioButton(m_state.gMode == ListKind::History ? QStringLiteral("作成日(&M)")
                                                            : QStringLiteral("名称(&N)"),
                         FrameItem);
    OptionOrder[SortOrder::Ascending] = new QRadioButton(QStringLiteral("昇順(&U)"), FrameOrder);
    OptionOrder[SortOrder::Descending] = new QRadioButton(QStringLiteral("降順(&D)"), FrameOrder);
    auto* itemLayout = new QVBoxLayout(FrameItem);
    auto* orderLayout = new QVBoxLayout(FrameOrder);
    for (int i = 0; i < SortItem::Count; ++i) {
        OptionItem[i]->setObjectName(QStringLiteral("OptionItem%1").arg(i));
        OptionOrder[i]->setObjectName(QStringLiteral("OptionOrder%1").arg(i));
        itemLayout->addWidget(OptionItem[i]);
        orderLayout->addWidget(OptionOrder[i]);
    }

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraSort::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraSort::onCancel);

    auto* frames = new QHBoxLayout;
    frames->addWidget(FrameItem);
    frames->addWidget(FrameOrder);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    // The stored values are bytes; anything but 1 selects the first option, as the
    // order clause reads them (a damaged value sorts as the default does).
    const SettingsStore* settings = m_state.settings;
    const bool second = settings && !m_prefix.isEmpty() &&
                        settings->getByte(QStringLiteral("Sort") + m_prefix, 0) != 0;
    const bool descending = settings && !m_prefix.isEmpty() &&
                            settings->getByte(QStringLiteral("Order") + m_prefix, 0) != 0;
    OptionItem[second ? SortItem::Name : SortItem::Code]->setChecked(true);
    OptionOrder[descending ? SortOrder::Descending : SortOrder::Ascending]->setChecked(true);

    // Until OK stores a choice, leaving the dialog in any way counts as cancelled.
    m_state.gResult = SortResult::Unchanged;
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
}

void KivoraSort::onOK() {
    // A kind without a stored order (units) has nothing to write; the caller is told
    // that nothing changed.
    if (m_prefix.isEmpty() || !m_state.settings) {
        onCancel();
        return;
    }
    m_state.settings->save(QStringLiteral("Sort") + m_prefix,
                           OptionItem[SortItem::Name]->isChecked() ? 1 : 0);
    m_state.settings->save(QStringLiteral("Order") + m_prefix,
                           OptionOrder[SortOrder::Descending]->isChecked() ? 1 : 0);
    m_state.gResult = SortResult::Stored;
    done(QDialog::Accepted);
}

void KivoraSort::onCancel() {
    m_state.gResult = SortResult::Unchanged;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraSort::reject() {
    onCancel();
}
