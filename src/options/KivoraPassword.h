#pragma once
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
struct AppState;

// What the password dialog is opened for (gMode).
namespace PasswordMode {
enum : int {
    Set = 0,    // no password is stored yet: one field for the new one
    Change = 1, // the old password, and the new one (empty removes the password)
    Check = 2   // the start-up question
};
}

// TextPass and LabelPass.
namespace PassField {
enum : int {
    Password = 0,    // the one asked for (the old one when changing), or the one to set
    NewPassword = 1, // when changing: the new one
    Count = 2
};
}

// Asks for the start-up password (gMode 2), or sets, changes and removes it (gMode 1,
// which becomes 0 when no password is stored). Leaves gResult 0 when the password was
// accepted or stored, -1 when cancelled or refused three times.
class KivoraPassword : public QDialog {
    Q_OBJECT
public:
    KivoraPassword(AppState& state, QWidget* parent = nullptr);

    std::array<QLineEdit*, PassField::Count> TextPass{};
    std::array<QLabel*, PassField::Count> LabelPass{};
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    int wrongEntries() const { return m_wrong; }

public slots:
    void onOK();
    void onCancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void storePassword(const QString& digits);

    AppState& m_state;
    QString m_storedFirst;
    QString m_storedSecond;
    int m_wrong = 0;
};
