#pragma once
#include <QWidget>

// The picture shown, on top of everything, while the program starts.
class KivoraTitle : public QWidget {
    Q_OBJECT
public:
    explicit KivoraTitle(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};
