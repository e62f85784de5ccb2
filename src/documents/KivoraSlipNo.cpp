#include "documents/KivoraSlipNo.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SettingsStore.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

QChar KivoraSlipNo::ValueChar(int value) {
    if (value < 0 || value > MaxValue)
        return QLatin1Char('0');
    return value < 10 ? QChar(u'0' + value) : QChar(u'A' + (value - 10));
}

int KivoraSlipNo::CharValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'Z')
        return u - u'A' + 10;
    // A hand-edited value in small letters means the same number.
    if (u >= u'a' && u <= u'z')
        return u - u'a' + 10;
    return -1;
}

std::array<int, KivoraSlipNo::Positions> KivoraSlipNo::ParseStored(const QString& stored) {
    std::array<int, Positions> values{};
    if (stored.isEmpty())
        return values;
    // The store is a text file the user can edit: a part that is empty, longer than one
    // character or not 0-9/A-Z would otherwise put a character on the dialog that the
    // scroll bar cannot reach, so it starts from 0 instead.
    const QStringList parts = stored.split(QLatin1Char('/'));
    for (int k = 0; k < Positions && k < int(parts.size()); ++k) {
        const QString part = parts[k].trimmed();
        const int value = part.size() == 1 ? CharValue(part[0]) : -1;
        values[k] = value < 0 ? 0 : value;
    }
    return values;
}

QString KivoraSlipNo::SettingsKey(int docType) {
    return QStringLiteral("SlipNo") + QString::number(docType);
}

KivoraSlipNo::KivoraSlipNo(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_docType(state.gDocType) {
    BusyCursor busy;
    setObjectName(QStringLiteral("KivoraSlipNo"));
    setWindowTitle(Res::text(101 + m_state.gMode) + QLatin1Char('(') + m_state.gCaption +
                   QLatin1Char(')'));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Side by side, each scroll bar right of its character.
    auto* positions = new QHBoxLayout;
    positions->setSpacing(2);
    for (int k = 0; k < Positions; ++k) {
        auto* text = new QLineEdit(this);
        text->setObjectName(QStringLiteral("TextSlipNo%1").arg(k));
        text->setAlignment(Qt::AlignCenter);
        text->setMaxLength(1);
        // Only the scroll bar changes a position: the box neither takes the focus nor
        // typing, nor an input method's text.
        text->setReadOnly(true);
        text->setFocusPolicy(Qt::NoFocus);
        AsciiOnly(text);
        text->setFixedWidth(text->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2 + 8);
        text->setText(QStringLiteral("0"));

        auto* scroll = new QScrollBar(Qt::Vertical, this);
        scroll->setObjectName(QStringLiteral("ScrollSlipNo%1").arg(k));
        scroll->setRange(0, MaxValue);
        scroll->setSingleStep(1);
        scroll->setPageStep(1);
        // The scroll bars are the keyboard's way to spin the positions.
        scroll->setFocusPolicy(Qt::StrongFocus);
        scroll->setFixedHeight(text->sizeHint().height() + 8);
        connect(scroll, &QScrollBar::valueChanged, text,
                [text](int value) { text->setText(ValueChar(value)); });

        TextSlipNo[k] = text;
        ScrollSlipNo[k] = scroll;
        positions->addWidget(text);
        positions->addWidget(scroll);
        if (k + 1 < Positions)
            positions->addSpacing(6);
    }

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraSlipNo::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraSlipNo::onCancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(positions);
    layout->addLayout(buttons);

    const QString stored =
        m_state.settings ? m_state.settings->get(SettingsKey(m_docType)) : QString();
    const std::array<int, Positions> values = ParseStored(stored);
    for (int k = 0; k < Positions; ++k) {
        ScrollSlipNo[k]->setValue(values[k]);
        // Set directly too: a value of 0 emits no change on a fresh scroll bar.
        TextSlipNo[k]->setText(ValueChar(values[k]));
    }

    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    ScrollSlipNo.front()->setFocus();
}

void KivoraSlipNo::onOK() {
    m_state.gHandOff.clear();
    QStringList parts;
    for (const QLineEdit* text : TextSlipNo)
        parts << text->text();
    if (m_state.settings)
        m_state.settings->save(SettingsKey(m_docType), parts.join(QLatin1Char('/')));
    m_state.gHandOff = parts.join(QString());
    done(QDialog::Accepted);
}

void KivoraSlipNo::onCancel() {
    m_state.gHandOff.clear();
    done(QDialog::Rejected);
}

// Escape and the window's close button end the dialog as Cancel does.
void KivoraSlipNo::reject() {
    onCancel();
}
