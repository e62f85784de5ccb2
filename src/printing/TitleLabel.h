#pragma once
#include <QFrame>
#include <QLabel>

// The look the print dialogs give their title labels: a raised panel with the text
// centred, so that a caption reads as the heading of the control beside or below it
// rather than as a value.
inline QLabel* TitleLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(2);
    return label;
}
