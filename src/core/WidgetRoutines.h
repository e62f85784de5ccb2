#pragma once
#include <QString>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;
struct AppState;
class Database;

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
// gResult to 0 when the code is refused or unknown, -1 otherwise.
void FindCharge(AppState& state, const QString& code, QLabel* nameLabel, QLabel* positionLabel);
