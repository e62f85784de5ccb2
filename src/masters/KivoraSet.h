#pragma once
#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SetStore;
struct AppState;

// TextSet and LabelSet: the set's own fields.
namespace SetField {
enum : int { Code = 0, Name = 1, Price = 2, Count = 3 };
}

// The set goods window: a set's code, name, price and unit, and its composition of
// goods. Opened from the registration list for set goods.
//
// Opening: gWork[0..3] hold the set's code, name, unit price and unit for a change, or
// gWork[0] is empty for a new set. The price may come plain ("1200") or as a list shows
// it ("1,200.00"); the field shows the plain number. The composition is read from the
// database. OK saves the set and its whole composition and closes with gResult 0;
// Cancel, Escape and the close button write nothing and leave gResult -1.
class KivoraSet : public QDialog {
    Q_OBJECT
public:
    KivoraSet(AppState& state, QWidget* parent = nullptr);
    ~KivoraSet() override;

    std::array<QLineEdit*, SetField::Count> TextSet{};
    std::array<QLabel*, SetField::Count> LabelSet{};
    QLabel* LabelUnit = nullptr;
    QComboBox* ComboSet = nullptr;
    QCheckBox* CheckSale = nullptr;
    // Columns 商品番号, 商品名, 単価, 単位; one row per component, and one empty row
    // while the set has none. The price cell shows the formatted number and keeps the
    // plain one under Qt::UserRole.
    QTableWidget* FxGridSet = nullptr;
    QPushButton* BtnAdd = nullptr;
    QPushButton* BtnDelete = nullptr;
    QPushButton* BtnCheck = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void onAdd();
    void onDelete();
    void onCheck();
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void layOut();
    void readSet();
    void appendComponent(const QString& code, const QString& name, const QString& price,
                         const QString& unit);
    void removeComponent(int row);
    QString cellText(int row, int column) const;
    QString componentPrice(int row) const;
    bool validFields(std::array<QString, SetField::Count>& texts);
    bool save(const std::array<QString, SetField::Count>& texts);

    AppState& m_state;
    std::unique_ptr<SetStore> m_store;
};
