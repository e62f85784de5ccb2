#include "customers/NameReadingFilter.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTimer>

NameReadingFilter::NameReadingFilter(QLineEdit* nameField, QLineEdit* readingField)
    : QObject(nameField), m_nameField(nameField), m_readingField(readingField) {
    nameField->installEventFilter(this);
    // A name emptied (Backspace, a selection typed over) starts a new name: the kana kept
    // for the old one must not end up in front of the new reading. When the first pre-edit
    // of the new name is what replaced the selection, it has been seen already and is
    // taken again.
    connect(nameField, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            return;
        m_reading.start();
        if (!m_preedit.isEmpty())
            m_reading.preedit(m_preedit);
    });
}

bool NameReadingFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_nameField)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Names are mostly Japanese: make sure the field takes the input method and
        // hints nothing that would make it fall back to Latin input.
        m_nameField->setInputMethodHints(Qt::ImhNone);
        m_nameField->setAttribute(Qt::WA_InputMethodEnabled, true);
        // The line edit sets its own selection after this event; select afterwards.
        QLineEdit* field = m_nameField;
        QTimer::singleShot(0, field, [field] { field->selectAll(); });
        m_reading.start();
        m_preedit.clear();
        m_capturing = true;
        break;
    }
    case QEvent::InputMethod: {
        if (!m_capturing)
            break;
        const auto* im = static_cast<const QInputMethodEvent*>(event);
        // A commit that also brings a pre-edit (typing on during a conversion) ends the
        // old word before the new one starts, so the commit goes first.
        if (!im->commitString().isEmpty())
            m_reading.commit(im->commitString());
        m_reading.preedit(im->preeditString());
        m_preedit = im->preeditString();
        break;
    }
    case QEvent::FocusOut: {
        if (!m_capturing)
            break;
        m_capturing = false;
        const QString captured = m_reading.captured();
        if (m_readingField && !captured.isEmpty())
            m_readingField->setText(m_readingField->text() + captured);
        break;
    }
    default:
        break;
    }
    return false;
}
