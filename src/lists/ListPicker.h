#pragma once
#include <QWidget>

class QLabel;
class QScrollBar;

// A year, month or day chosen with a small vertical scroll bar beside a label that shows
// the value as "00" text (years in full). The up arrow counts up.
class ListPicker : public QWidget {
    Q_OBJECT
public:
    ListPicker(int minimum, int maximum, int value, const QString& unit, QWidget* parent = nullptr);

    QLabel* Label = nullptr; // the value as text
    QScrollBar* Scroll = nullptr;

    int value() const;
    void setValue(int value);
};
