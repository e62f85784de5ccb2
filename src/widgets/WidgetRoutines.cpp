#include "widgets/WidgetRoutines.h"

#include "core/AppState.h"
#include "core/Cp932.h"
#include "core/DatabaseError.h"
#include "core/SharedRoutines.h"
#include "masters/MasterLookup.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <algorithm>

void LimitLength(QLineEdit* field) {
    const int maxLength = field->maxLength();
    QString text = field->text();
    if (Cp932::byteLength(text) < maxLength)
        return;
    while (!text.isEmpty() && Cp932::byteLength(text) >= maxLength) {
        // Drop whole characters: a surrogate pair goes as one.
        const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                          text[text.size() - 2].isHighSurrogate();
        text.chop(pair ? 2 : 1);
    }
    field->setText(text);
    field->setCursorPosition(static_cast<int>(text.size()));
}

namespace {

// Answers "no" when the platform asks whether the field takes an input method. A line
// edit answers that question from its enabled and read-only state alone, so clearing
// WA_InputMethodEnabled does not keep an input method such as ibus from composing in it.
class NoInputMethod : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::InputMethodQuery)
            return false;
        auto* query = static_cast<QInputMethodQueryEvent*>(event);
        if (!(query->queries() & Qt::ImEnabled))
            return false;
        // Filters are called outside event(), so the field answers the other queries as
        // usual and only the one answer is replaced.
        watched->event(event);
        query->setValue(Qt::ImEnabled, false);
        return true;
    }
};

} // namespace

void AsciiOnly(QLineEdit* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    field->installEventFilter(new NoInputMethod(field));
}

void AttachLimitLength(QLineEdit* field, int maxLength) {
    field->setMaxLength(maxLength);
    QObject::connect(field, &QLineEdit::textChanged, field, [field] { LimitLength(field); });
}

void SelectOnFocus(QLineEdit* field, quint8 selText) {
    if (selText == 1)
        field->selectAll();
    else
        field->setCursorPosition(static_cast<int>(field->text().size()));
    if (field->isEnabled() && !field->hasFocus())
        field->setFocus();
}

namespace {

class SelectOnFocusFilter : public QObject {
public:
    SelectOnFocusFilter(QLineEdit* field, const AppState& state) : QObject(field), m_state(state) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* field = static_cast<QLineEdit*>(watched);
            // The line edit applies its own selection after the focus event; ours has to
            // come after that to win.
            QTimer::singleShot(0, field, [field, this] { SelectOnFocus(field, m_state.SelText); });
        }
        return false;
    }

private:
    const AppState& m_state;
};

} // namespace

void AttachSelectOnFocus(QLineEdit* field, const AppState& state) {
    field->installEventFilter(new SelectOnFocusFilter(field, state));
}

void ShowFocusColours(QLineEdit* field, bool focused) {
    if (!focused) {
        field->setPalette(QPalette());
        return;
    }
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    field->setPalette(palette);
}

void CenterForm(QWidget* window, const QWidget* over) {
    // A window not yet shown has no size of its own: lay it out first, or its centre is
    // guessed from a default size and its lower buttons can end up off the screen.
    // (Qt does the same when it shows a window nobody has resized.)
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    const QScreen* screen = over && over->screen() ? over->screen()
                            : window->screen()     ? window->screen()
                                                   : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect area = over ? over->frameGeometry() : available;
    // The frame is known only once the window manager has decorated the window; before
    // that the plain size is the best measure there is.
    const QSize size = window->isVisible() ? window->frameGeometry().size() : window->size();
    int x = area.left() + (area.width() - size.width()) / 2;
    int y = area.top() + (area.height() - size.height()) / 2;
    // Kept on the screen, the top-left corner first (where the title bar is).
    x = std::max(available.left(), std::min(x, available.right() + 1 - size.width()));
    y = std::max(available.top(), std::min(y, available.bottom() + 1 - size.height()));
    window->move(x, y);
}

void SetGridWidth(QTableWidget* grid) {
    const QFontMetrics metrics(grid->font());
    const int columns = std::min(grid->columnCount(), 10);
    for (int c = 0; c < columns; ++c) {
        int width = 0;
        if (const QTableWidgetItem* header = grid->horizontalHeaderItem(c))
            width = metrics.horizontalAdvance(header->text() + QStringLiteral("  "));
        for (int r = 0; r < grid->rowCount(); ++r) {
            if (const QTableWidgetItem* item = grid->item(r, c))
                width =
                    std::max(width, metrics.horizontalAdvance(item->text() + QStringLiteral("  ")));
        }
        grid->setColumnWidth(c, width);
    }
}

void LoadExcise(QComboBox* list, const Database& db) {
    list->clear();
    list->addItems(MasterLookup::ExciseTexts(db));
}

void LoadUnit(QComboBox* list, const Database& db) {
    list->clear();
    list->addItem(QString());
    list->addItems(MasterLookup::UnitNames(db));
}

void SetDateCombo(std::span<QComboBox* const> combos, int first, bool setToday) {
    QComboBox* year = combos[first];
    QComboBox* month = combos[first + 1];
    QComboBox* day = combos[first + 2];
    year->clear();
    month->clear();
    day->clear();
    for (int y = 1990; y <= 2900; ++y)
        year->addItem(QString::number(y));
    for (int m = 1; m <= 12; ++m)
        month->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    for (int d = 1; d <= 31; ++d)
        day->addItem(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')));
    if (setToday) {
        const QDate today = QDate::currentDate();
        const int yearIndex = year->findText(QString::number(today.year()));
        if (year->isEditable())
            year->setEditText(QString::number(today.year()));
        year->setCurrentIndex(yearIndex);
        month->setCurrentIndex(today.month() - 1);
        day->setCurrentIndex(today.day() - 1);
    }
}

void FindCharge(AppState& state, const QString& code, QLabel* nameLabel, QLabel* positionLabel) {
    state.gResult = LookupResult::Accepted;
    nameLabel->clear();
    positionLabel->clear();
    if (CheckChar(*state.messages, code, state.AppTitle, true, false)) {
        state.gResult = LookupResult::Refused;
        return;
    }
    if (code.isEmpty())
        return;
    const auto staff = MasterLookup::FindStaff(*state.DbMain, code);
    if (!staff) {
        state.gResult = LookupResult::Refused;
        return;
    }
    nameLabel->setText(staff->name);
    positionLabel->setText(staff->position);
}

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

void SetComboText(QComboBox* combo, const QString& text) {
    int index = combo->findText(text);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

void SetComboIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

bool RunGuarded(const AppState& state, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const DatabaseError& e) {
        ShowText(*state.messages, e.userMessage(), Box::Stop, state.AppTitle);
        return false;
    }
}

QList<QAction*> FillMenu(QMenu* menu, const QStringList& items, int submenuAt, QMenu** submenu) {
    QList<QAction*> actions;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].isEmpty()) {
            actions << menu->addSeparator();
        } else if (i == submenuAt) {
            QMenu* sub = menu->addMenu(items[i]);
            if (submenu)
                *submenu = sub;
            actions << sub->menuAction();
        } else {
            actions << menu->addAction(items[i]);
        }
    }
    return actions;
}

void SetDocumentShortcuts(QAction* save, QAction* print, QAction* last, QAction* history,
                          QAction* number) {
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    last->setShortcut(QKeySequence(Qt::Key_F8));
    history->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    number->setShortcut(QKeySequence(Qt::Key_F9));
}

void OpenHelpFile(const AppState& state, const QString& topic) {
    if (state.HelpFile.isEmpty() || !state.OpenUrl)
        return;
    QUrl url = QUrl::fromLocalFile(state.HelpFile);
    if (!topic.isEmpty())
        url.setFragment(topic);
    state.OpenUrl(url);
}
