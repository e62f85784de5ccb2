#include "lists/ListPicker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>

ListPicker::ListPicker(int minimum, int maximum, int value, const QString& unit, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    Label = new QLabel(this);
    Label->setFrameShape(QFrame::Panel);
    Label->setFrameShadow(QFrame::Sunken);
    Label->setAlignment(Qt::AlignCenter);
    Label->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    Scroll = new QScrollBar(Qt::Vertical, this);
    Scroll->setRange(minimum, maximum);
    // Up counts up, as on a spin box.
    Scroll->setInvertedAppearance(true);
    Scroll->setInvertedControls(false);
    Scroll->setFixedHeight(Label->sizeHint().height() + 6);
    layout->addWidget(Label);
    layout->addWidget(Scroll);
    layout->addWidget(new QLabel(unit, this));
    connect(Scroll, &QScrollBar::valueChanged, this, [this](int v) {
        Label->setText(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')));
    });
    Scroll->setValue(value);
    Label->setText(QStringLiteral("%1").arg(Scroll->value(), 2, 10, QLatin1Char('0')));
}

int ListPicker::value() const {
    return Label->text().toInt();
}

void ListPicker::setValue(int value) {
    Scroll->setValue(value);
}
