#pragma once
#include <QDialog>
#include <QString>
#include <array>

class QPushButton;
class QTableWidget;
struct AppState;

// BtnRegist, and what onRegist is asked to do.
namespace RegistButton {
enum : int { Add = 0, Change = 1, Count = 2 };
}

// The list of one simple master, opened with gMode = the kind (0 staff, 1 units,
// 2 goods, 3 set goods, 4 customer classes) and gCaption = its table name. Records are
// added, changed (KivoraWork, or KivoraSet for set goods), deleted and sorted here.
//
// Closes with gResult -1 when finished (BtnEnd, Escape, the close button), or with
// gResult 0 after BtnSet has set gMode 3 and gCaption "セット商品": the caller opens
// the window again for as long as it closes with gResult 0.
class KivoraRegist : public QDialog {
    Q_OBJECT
public:
    KivoraRegist(AppState& state, QWidget* parent = nullptr);

    // Opens the list for gMode/gCaption again and again while it closes with gResult 0
    // (it does so to switch from goods to set goods in place), until the user ends it.
    static void OpenUntilDone(AppState& state, QWidget* parent);

    QTableWidget* FxGridRegist = nullptr;
    std::array<QPushButton*, RegistButton::Count> BtnRegist{};
    QPushButton* BtnDelete = nullptr;
    QPushButton* BtnSort = nullptr;
    QPushButton* BtnSet = nullptr;
    QPushButton* BtnEnd = nullptr;

    // Fills the list from the table in the stored order; run on opening and after
    // every change.
    void GridDraw();

    quint8 kind() const { return m_kind; }
    // The number of records the list holds, as counted by the last GridDraw.
    int recordCount() const { return m_count; }

public slots:
    void onRegist(int index);
    void onDelete();
    void onSort();
    void onSet();
    void onEnd();

protected:
    void reject() override;

private:
    // The code in column 0 of the current row; empty for the empty line of an empty list.
    QString currentCode() const;
    QString codeCaption() const;
    // Asks for the record's texts and writes them; `adding` decides the overwrite
    // question and whether the dialog starts empty.
    void editRecord(bool adding);
    // Opens the set window for a new set (empty code) or the set `code`.
    void editSet(bool adding);
    bool refuseWhenFull();
    void reportError(const QString& message);

    AppState& m_state;
    quint8 m_kind = 0;
    QString m_table;
    int m_limit = 0;
    int m_count = 0;
    // The code an edit has just written, made the current row by the next GridDraw.
    QString m_written;
};
