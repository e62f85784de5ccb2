#pragma once
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class PrinterService;
struct AppState;

// The main window's menu opens the seal window with gMode FromMenu; the window itself
// reads no mode.
namespace InkanMode {
enum : int { FromMenu = 1 };
}

// LabelTitle: the captions.
namespace InkanTitle {
enum : int {
    Path = 0,   // 画像パス
    Image = 1,  // 画像イメージ
    Width = 2,  // 印字（横）
    Height = 3, // 印字（縦）
    Count = 4
};
}

// 印鑑設定: the picture of the company seal that documents print beside the company
// name, and its printed size (units of 10 mm). Everything is kept in the settings store
// ("Inkan", "InkanT", "InkanY"); the window hands back no result.
class KivoraInkan : public QDialog {
    Q_OBJECT
public:
    KivoraInkan(AppState& state, PrinterService& service, QWidget* parent = nullptr);

    std::array<QLabel*, InkanTitle::Count> LabelTitle{};
    QLabel* LabelPath = nullptr;
    QLabel* imgInkan = nullptr;
    QLineEdit* txtTate = nullptr; // "InkanT"
    QLineEdit* txtYoko = nullptr; // "InkanY"
    QPushButton* cmdFile = nullptr;
    QPushButton* cmdSet = nullptr;
    QPushButton* cmdClear = nullptr;

    // True while the preview holds a picture.
    bool hasPicture() const;

public slots:
    void ChooseFile(); // cmdFile
    void ClearSeal();  // 設定クリア
    void StoreSeal();  // 設定する

private:
    void ShowPicture();
    // Checks one size field and stores it; false when it is out of range (the user has
    // been told) and the window must stay open.
    bool storeSize(QLineEdit* field, const QString& key, const QString& error);

    AppState& m_state;
    PrinterService& m_service;
};
