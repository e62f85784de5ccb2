#pragma once
#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct AppState;

// TextWork and LabelWork: the code, then the kind's own fields in table order (staff:
// department, name; units: the unit; goods: name, unit price; classes: the name), the
// same slots as in gWork. Unit is the goods' unit in gWork and, in LabelWork, the caption
// of the unit list.
namespace WorkField {
enum : int { Code = 0, First = 1, Second = 2, Price = 2, Count = 3, Unit = 3, TaxType = 4 };
}

// Adds or changes one record of a simple master (gMode = the kind: 0 staff, 1 units,
// 2 goods, 4 customer classes). Opened with gCaption as its title and the record's
// texts in gWork (slot 0 the code, then the kind's fields in table order: staff
// position and name; the unit name; goods name, unit price, unit and the tax class as a
// number, TaxClass; the class name).
// OK checks the texts and leaves them, trimmed, in the same slots with gResult 0;
// Cancel and closing leave gResult -1 and gWork as it was.
class KivoraWork : public QDialog {
    Q_OBJECT
public:
    KivoraWork(AppState& state, QWidget* parent = nullptr);

    // The fields of the kind, code first; unused ones are hidden. For units the code
    // is given by the list window and only shown.
    std::array<QLineEdit*, WorkField::Count> TextWork{};
    std::array<QLabel*, WorkField::Unit + 1> LabelWork{};
    QComboBox* ComboWork = nullptr;
    // Goods only: the tax class a slip line takes from the goods, by TaxClass position.
    QComboBox* ComboTax = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    bool isGoods() const;
    int fieldCount() const;
    // The field Enter moves to from `index` (the unit list is index fieldCount()).
    QWidget* nextField(int index) const;
    QWidget* firstField() const;

    AppState& m_state;
    quint8 m_kind = 0;
};
