#pragma once
#include <QDialog>

class QHBoxLayout;
class QPushButton;
struct AppState;

// What the list windows share: 表示, 印刷 and 終了, and the hand-off to the list display
// and the list printing.
// Each window's Query() fills RsWork, gDocType, gCaption and gHandOff and leaves gResult
// 0 when rows are ready, -1 when it found nothing or refused the selection.
class ListWindow : public QDialog {
    Q_OBJECT
public:
    ListWindow(AppState& state, const QString& title, QWidget* parent);

    QPushButton* BtnDisp = nullptr;  // 表示(&D)
    QPushButton* BtnPrint = nullptr; // 印刷(&P)
    QPushButton* BtnExit = nullptr;  // 終了(&E)

    // Runs the selection; true when rows are ready.
    bool RunQuery();

public slots:
    void onDisplay();
    void onPrint();

protected:
    virtual void Query() = 0;
    // Hands `rows` over as list `kind`; an empty result shows "<word>は見つかりませんでした".
    void HandOver(int kind, const class ListResult& result, const QString& word);
    // The button row, for the window to place under its controls.
    QHBoxLayout* buttonRow() const { return m_buttons; }

    AppState& m_state;

private:
    QHBoxLayout* m_buttons = nullptr;
};
