#pragma once
#include <QChar>
#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

class QLineEdit;
class QPushButton;
class QScrollBar;
struct AppState;

// Composes a document number of six positions, each spun through 0-9 and A-Z with its
// scroll bar. Starts from the number last confirmed for the type (gDocType, setting
// "SlipNo" + type) and on OK stores the new one there and hands it back in gHandOff;
// Cancel hands back an empty text. The caption names the document by gMode (receipts
// pass 4) followed by gCaption in parentheses.
class KivoraSlipNo : public QDialog {
    Q_OBJECT
public:
    static constexpr int Positions = 6;
    static constexpr int MaxValue = 35;

    KivoraSlipNo(AppState& state, QWidget* parent = nullptr);

    std::array<QLineEdit*, Positions> TextSlipNo{};
    std::array<QScrollBar*, Positions> ScrollSlipNo{};
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // "0".."9" for 0-9, "A".."Z" for 10-35.
    static QChar ValueChar(int value);
    // The value of a position's character, or -1 for anything but 0-9 and A-Z.
    static int CharValue(QChar c);
    // The positions' values read from a stored number ("0/0/0/0/1/Z"): the first parts
    // fill the first positions, the rest stay 0; a part that is not one valid character
    // reads as 0.
    static std::array<int, Positions> ParseStored(const QString& stored);
    // The settings key of a document type's last number.
    static QString SettingsKey(int docType);

public slots:
    void onOK();
    void onCancel();

protected:
    void reject() override;

private:
    AppState& m_state;
    quint8 m_docType = 0;
};
