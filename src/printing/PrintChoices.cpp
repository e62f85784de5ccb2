#include "printing/PrintChoices.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace PrintChoices {

namespace {
template <std::size_t N>
std::array<QRadioButton*, N> Options(QGroupBox* frame, const std::array<QString, N>& captions,
                                     const QString& name) {
    std::array<QRadioButton*, N> buttons{};
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(captions[i], frame);
        buttons[i]->setObjectName(name + QString::number(i));
    }
    return buttons;
}
} // namespace

std::array<QRadioButton*, FontChoice::Count> FontOptions(QGroupBox* frame) {
    return Options<FontChoice::Count>(frame,
                                      {QStringLiteral("明朝体"), QStringLiteral("ゴシック体")},
                                      QStringLiteral("OptionFont"));
}

std::array<QRadioButton*, ContactChoice::Count> ContactOptions(QGroupBox* frame) {
    const QString print = QStringLiteral("を印字する");
    return Options<ContactChoice::Count>(frame,
                                         {QStringLiteral("担当者１") + print,
                                          QStringLiteral("担当者２") + print,
                                          QStringLiteral("印字しない")},
                                         QStringLiteral("OptionCharge"));
}

AdjustRow MakeAdjustRow(QGroupBox* frame, const QString& dialog, int row) {
    constexpr int Limit = 20; // millimetres either way
    AdjustRow r{new QScrollBar(Qt::Horizontal, frame), new QLabel(QStringLiteral("0"), frame),
                new QLabel(QStringLiteral("ミリ"), frame)};
    r.scroll->setObjectName(QStringLiteral("ScrollPrint%1%2").arg(dialog).arg(row));
    r.scroll->setRange(-Limit, Limit);
    r.scroll->setPageStep(5);
    r.scroll->setMinimumWidth(140);
    r.value->setObjectName(QStringLiteral("LabelPrint%1%2").arg(dialog).arg(row));
    r.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.value->setMinimumWidth(28);
    r.unit->setObjectName(QStringLiteral("Label1_%1").arg(row));
    QLabel* value = r.value;
    QObject::connect(r.scroll, &QScrollBar::valueChanged, value,
                     [value](int mm) { value->setText(QString::number(mm)); });
    return r;
}

} // namespace PrintChoices
