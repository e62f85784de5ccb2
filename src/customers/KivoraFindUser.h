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

// Finds a customer by narrowing the customer list one condition at a time (up to five)
// and hands the chosen one back: gUserCode and gUserName with gResult 0, or gResult -1
// when the user cancels or closes the dialog without a choice.
class KivoraFindUser : public QDialog {
    Q_OBJECT
public:
    KivoraFindUser(AppState& state, QWidget* parent = nullptr);

    QGroupBox* FrameFindUser = nullptr;
    std::array<QRadioButton*, 6> OptFindUser{};
    QLabel* LabelFindUser = nullptr;
    QLineEdit* TextFindUser = nullptr;
    QTableWidget* FxGridFindUser = nullptr;
    QPushButton* BtnFind = nullptr;
    QPushButton* BtnReset = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // Number of conditions applied so far (0-5).
    int conditionCount() const { return m_search.count(); }

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
    RecordSearch m_search{RecordSearch::Source::Customers};
};
