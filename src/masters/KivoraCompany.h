#pragma once
#include "masters/CompanyStore.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct AppState;

// The own company's row: name, address and bank accounts printed on documents, the tax
// defaults for new customers, the rounding of line amounts and the closing rules of the
// ledger. Opened modally with gCaption as its title. OK writes the row (adding it when
// the table lost it) and refreshes gPriceFraction; Cancel writes nothing.
class KivoraCompany : public QDialog {
    Q_OBJECT
public:
    KivoraCompany(AppState& state, QWidget* parent = nullptr);

    // 会社名, 代表者, 郵便番号 (two parts), 住所１, 住所２, ＴＥＬ, ＦＡＸ, 振込銀行１, 振込銀行２.
    std::array<QLineEdit*, 10> TextComp{};
    // 消費税, 端数処理 (消費税), 数量×単価, 締め日, 払い日.
    std::array<QComboBox*, 5> ComboComp{};
    // 当月, 次月.
    std::array<QRadioButton*, 2> OptionComp{};
    QGroupBox* FrameFraction = nullptr;
    QGroupBox* FrameClosing = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

public slots:
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void showRow();
    bool enterPressed(QObject* watched);

    AppState& m_state;
    // The row as read on opening; a list left without a choice keeps its stored value.
    CompanyRow m_row;
    bool m_hasRow = false;
};
