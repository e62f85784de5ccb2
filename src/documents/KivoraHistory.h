#pragma once
#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTableWidget;
struct AppState;

// LabelHistory: the customer whose documents are listed.
namespace HistoryLabel {
enum : int { Code = 0, Name = 1, Count = 2 };
}

// The columns of FxGridHistory.
namespace HistoryColumn {
enum : int { Row = 0, Number = 1, Date = 2, Staff = 3, Count = 4 };
}

// The stored documents of one type (gDocType) for one customer (gUserCode, gUserName),
// in the order the user chose for the history. Hands back the chosen document number in
// gHandOff with gResult 0, or gResult -1 when the user cancels or closes the dialog.
// Opened from a copy command (gMode, the caller's type, differs from gDocType), it also
// offers the customer search, so that lines can be copied from another customer.
class KivoraHistory : public QDialog {
    Q_OBJECT
public:
    KivoraHistory(AppState& state, QWidget* parent = nullptr);

    QTableWidget* FxGridHistory = nullptr;
    std::array<QLabel*, HistoryLabel::Count> LabelHistory{};
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnSort = nullptr;
    QPushButton* BtnFind = nullptr;

    // Fills the grid for the current customer and type; run on opening, after a sort
    // and after a customer change.
    void GridDraw();

public slots:
    void onOK();
    void onCancel();
    void onSort();
    void onFind();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    AppState& m_state;
    quint8 m_docType = 0;
};
