#pragma once
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
struct AppState;

// LabelAbout: the lines beside the picture.
namespace AboutLabel {
enum : int { Description = 0, Product = 1, Version = 2, Notice = 3, Count = 4 };
}

// The about window: the program's picture, what it is, its version and its copyright.
// Ctrl+Shift+F12 on the OK button switches the style of the work-bar hover frame for
// the rest of the run.
class KivoraAbout : public QDialog {
    Q_OBJECT
public:
    KivoraAbout(AppState& state, QWidget* parent = nullptr);

    // "Version 1.0": major and minor of the running program's version.
    static QString VersionText();

    QFrame* FrameAbout = nullptr;
    QLabel* ImageAbout = nullptr;
    std::array<QLabel*, AboutLabel::Count> LabelAbout{};
    QPushButton* BtnOK = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppState& m_state;
};
