#include "printing/PrintChoices.h"

#include <QGroupBox>
#include <QRadioButton>

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

} // namespace PrintChoices
