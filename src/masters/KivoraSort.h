#pragma once
#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;
struct AppState;

// What the sort dialog leaves in gResult; the reverse of most dialogs' answers.
namespace SortResult {
enum : int { Stored = -1, Unchanged = 0 };
}

// OptionItem: what the list is sorted by; Name is the date for the document history.
namespace SortItem {
enum : int { Code = 0, Name = 1, Count = 2 };
}

// OptionOrder: the direction, by caption.
namespace SortOrder {
enum : int { Ascending = 0, Descending = 1, Count = 2 };
}

// Chooses the order of a list: by its first item (code, or the number for the document
// history) or its second (name, or the date for the history), ascending or descending.
// Opened with gMode = the list kind and gCaption = the title. OK stores the choice as
// "Sort" + prefix and "Order" + prefix of the kind and leaves gResult -1; Cancel (and
// closing the window) leaves gResult 0 and stores nothing.
class KivoraSort : public QDialog {
    Q_OBJECT
public:
    KivoraSort(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameItem = nullptr;
    QGroupBox* FrameOrder = nullptr;
    std::array<QRadioButton*, SortItem::Count> OptionItem{};
    std::array<QRadioButton*, SortOrder::Count> OptionOrder{};
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // The settings prefix the dialog works on ("History", "Goods" ...), empty for a
    // kind that has no stored order.
    QString prefix() const { return m_prefix; }

public slots:
    void onOK();
    void onCancel();

protected:
    void reject() override;

private:
    AppState& m_state;
    QString m_prefix;
};
