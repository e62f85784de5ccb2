#pragma once
#include <QFrame>
#include <QList>
#include <QPixmap>
#include <QStringList>

class QToolButton;

// The column of pictures down the left of a document window, one per command, with a
// raised frame around the picture under the pointer. `role` names its parts as the
// windows do: "Slip" gives LabelSlipBar, ImageSlipBar0… and LineSlipBar.
class ImageBar : public QFrame {
    Q_OBJECT

public:
    ImageBar(const QString& role, const QList<QPixmap>& pictures, const QStringList& tips,
             QWidget* parent);

    QToolButton* image(int index) const { return m_images.at(index); }
    // The frame shown around the picture under the pointer.
    QFrame* line() const { return m_line; }

signals:
    void clicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QList<QToolButton*> m_images;
    QFrame* m_line = nullptr;
};
