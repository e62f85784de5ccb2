#pragma once
#include "customers/RecordSearch.h"

#include <QDialog>
#include <array>

class QLabel;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
struct AppState;

// Finds a staff member (gMode 0) or a customer class (gMode 1) by narrowing the list one
// condition at a time (up to five) and hands the chosen one back: its code in gHandOff
// and its name in gWork[0] with gResult 0, or gResult -1 when the user cancels or closes
// the dialog without a choice.
class KivoraFindItem : public QDialog {
    Q_OBJECT
public:
    KivoraFindItem(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameFindItem = nullptr;
    std::array<QRadioButton*, 2> OptFindItem{};
    QLabel* LabelFindItem = nullptr;
    QLineEdit* TextFindItem = nullptr;
    QTableWidget* FxGridFindItem = nullptr;
    QPushButton* BtnFind = nullptr;
    QPushButton* BtnReset = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // Number of conditions applied so far (0-5).
    int conditionCount() const { return m_search.count(); }
    // The kind searched, fixed when the dialog opens: the staff or the class search.
    RecordSearch::Source source() const { return m_search.source(); }

public slots:
    void onFind();
    void onReset();
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    int searchItem() const;
    void clearGrid();
    void fillGrid(const QList<QStringList>& rows);

    AppState& m_state;
    RecordSearch m_search;
};
