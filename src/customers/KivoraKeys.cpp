// Keyboard and mouse behaviour of the main window: the Enter routes that let a user
// type a whole customer without the mouse, the focus colours, and the work-bar frame.
#include "customers/Kivora.h"

#include "core/AppState.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

bool Kivora::enterPressed(QObject* watched) {
    const int field = IndexOf(TextSlip, watched);
    if (field >= 0) {
        switch (field) {
        case CustomerField::Code:
            if (DataRead(CustomerRead::Typed))
                ComboSlip[CustomerCombo::Year]->setFocus();
            break;
        case CustomerField::Kana:
            if (TabStripSlip->currentIndex() == CustomerPage::Terms)
                TextSlip[CustomerField::Class]->setFocus();
            else
                TextSlip[CustomerField::Prefix1]->setFocus();
            break;
        case CustomerField::Remark:
            TextSlip[CustomerField::Code]->setFocus();
            break;
        case CustomerField::Class:
            FindClass();
            if (m_state.gResult != LookupResult::Refused)
                ComboSlip[CustomerCombo::Excise]->setFocus();
            break;
        default:
            TextSlip[field + 1]->setFocus();
            break;
        }
        return true;
    }
    const int combo = IndexOf(ComboSlip, watched);
    if (combo >= 0) {
        if (combo == CustomerCombo::Day)
            TextSlip[CustomerField::Name]->setFocus();
        else if (combo == CustomerCombo::Mail)
            TextSlip[CustomerField::Code]->setFocus();
        else
            ComboSlip[combo + 1]->setFocus();
        return true;
    }
    return false;
}

bool Kivora::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The lookup's result list is worked from the keyboard: arrows choose, Enter
        // takes the entry, Escape closes the list.
        if (watched == List_Zip) {
            if (IsEnterKey(event)) {
                const QListWidgetItem* item = List_Zip->currentItem();
                TakeZipEntry(item ? item->text() : QString());
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                // Focus first: hiding the focused list would pass the focus on along the
                // tab chain, and on a real display that move can land after ours.
                cmd_Post->setFocus();
                List_Zip->hide();
                return true;
            }
            break;
        }
        // A button of the main window is pressed with Enter too, as in a dialog.
        if (watched == cmd_Post && IsEnterKey(event)) {
            cmd_Post->click();
            return true;
        }
        if (IsEnterKey(event))
            return enterPressed(watched);
        // Delete would empty a list's choice that every customer must have.
        if (key->key() == Qt::Key_Delete && IndexOf(ComboSlip, watched) >= 0)
            return true;
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (auto* field = qobject_cast<QLineEdit*>(watched); field && IndexOf(TextSlip, field) >= 0)
            ShowFocusColours(field, event->type() == QEvent::FocusIn);
        break;
    case QEvent::Enter:
        if (auto* image = qobject_cast<QToolButton*>(watched);
            image && IndexOf(ImageWorkBar, image) >= 0)
            MoveFrame(image);
        break;
    case QEvent::Leave:
        if (watched == LabelWorkBar)
            MoveFrame(nullptr);
        break;
    case QEvent::MouseMove:
        if (watched == LabelWorkBar)
            MoveFrame(nullptr); // over the bar's background, not over a picture
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
