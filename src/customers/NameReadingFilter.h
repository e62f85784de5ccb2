#pragma once
#include "customers/NameReading.h"

#include <QObject>
#include <QPointer>

class QLineEdit;

// Watches the name field: while it has the focus, every input-method event feeds the
// reading, and when the focus leaves, the reading captured is appended to the reading
// field. The events themselves go on to the name field untouched.
class NameReadingFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on `nameField`, which owns it.
    NameReadingFilter(QLineEdit* nameField, QLineEdit* readingField);

    const NameReading& reading() const { return m_reading; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_nameField;
    QPointer<QLineEdit> m_readingField;
    NameReading m_reading;
    QString m_preedit; // the pre-edit of the last input-method event
    bool m_capturing = false;
};
