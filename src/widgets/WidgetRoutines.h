#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <span>

class QAction;
class QComboBox;
class QMenu;
class QEvent;
class QObject;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;
struct AppState;
class Database;

// Enter or Return pressed without Ctrl or Alt: the key that moves a user on through a
// form without the mouse.
bool IsEnterKey(const QEvent* event);

// Position of `watched` in a window's control array, or -1 when it is none of them.
template <typename T, size_t N>
int IndexOf(const std::array<T*, N>& controls, const QObject* watched) {
    for (size_t i = 0; i < N; ++i) {
        if (controls[i] == watched)
            return static_cast<int>(i);
    }
    return -1;
}

// Selects `text` in a list, adding it first when a stored value is not one of the offered
// entries (a tax rate no longer in the list, a year outside it), so that the stored value
// is shown and saved back unchanged.
void SetComboText(QComboBox* combo, const QString& text);
// Selects a position, or no entry at all when the stored value is not one of the list.
void SetComboIndex(QComboBox* combo, int index);

// Runs `action`; a database error it throws reaches the user as a message in the
// program's words instead of ending the program. False when it failed.
bool RunGuarded(const AppState& state, const std::function<void()>& action);

// A field that takes only ASCII (codes, postal parts, phone numbers, amounts): the input
// method stays out of it, so typing 1001 after a Japanese name gives "1001", not "１００１".
void AsciiOnly(QLineEdit* field);

// Trims the field's text from the end until its Shift_JIS byte length is below the
// field's maxLength, so a field of maxLength N keeps at most N - 1 bytes.
void LimitLength(QLineEdit* field);
// Runs LimitLength after every change of the field's text.
void AttachLimitLength(QLineEdit* field, int maxLength);

// Selects the whole text (SelText 1) or puts the caret at the end, then focuses the
// field when it is enabled.
void SelectOnFocus(QLineEdit* field, quint8 selText);
// Runs SelectOnFocus whenever the field gets the focus.
void AttachSelectOnFocus(QLineEdit* field, const AppState& state);

// The field being typed into stands out in the tool-tip colours; leaving it restores
// the window colours.
void ShowFocusColours(QLineEdit* field, bool focused);

// Centres `window` on the screen (over == nullptr) or over another window.
void CenterForm(QWidget* window, const QWidget* over = nullptr);

// Each column as wide as its widest cell text (headers included) plus two blanks.
void SetGridWidth(QTableWidget* grid);

// The tax-rate list ("10%" ...) and the unit list (an empty entry, then every unit).
void LoadExcise(QComboBox* list, const Database& db);
void LoadUnit(QComboBox* list, const Database& db);

// Years 1990-2900, months "01"-"12", days "01"-"31" into combos[first..first+2];
// with setToday, today's date is selected.
void SetDateCombo(std::span<QComboBox* const> combos, int first, bool setToday);

// Shows the staff member's name and department for `code` in the two labels; sets
// gResult to LookupResult::Refused when the code is refused or unknown, Accepted
// otherwise.
void FindCharge(AppState& state, const QString& code, QLabel* nameLabel, QLabel* positionLabel);

// Adds one action per text of `items` to `menu`, a separator for an empty text, so that
// an item's index in the list is its index in the window's menu array. The item at
// `submenuAt` opens a submenu, handed back through `submenu`.
QList<QAction*> FillMenu(QMenu* menu, const QStringList& items, int submenuAt = -1,
                         QMenu** submenu = nullptr);

// The document windows' keys: Ctrl+S save, Ctrl+P print, F8 the last document, Shift+F8
// the history, F9 the number dialog.
void SetDocumentShortcuts(QAction* save, QAction* print, QAction* last, QAction* history,
                          QAction* number);

// Opens the help file at `topic` (none when empty). Without a help file the request does
// nothing, as the program promises no more.
void OpenHelpFile(const AppState& state, const QString& topic = QString());
