#include "widgets/ImageBar.h"

#include <QEvent>
#include <QIcon>
#include <QToolButton>
#include <QVBoxLayout>

ImageBar::ImageBar(const QString& role, const QList<QPixmap>& pictures, const QStringList& tips,
                   QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("Label%1Bar").arg(role));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette light = palette();
    // Light, so that the dark glyphs of the pictures stand out.
    light.setColor(QPalette::Window, QColor(0xdd, 0xe6, 0xef));
    setPalette(light);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 10, 6, 10);
    layout->setSpacing(12);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        auto* image = new QToolButton(this);
        image->setObjectName(QStringLiteral("Image%1Bar%2").arg(role).arg(i));
        image->setAutoRaise(true);
        image->setIcon(QIcon(pictures.at(i)));
        image->setIconSize(QSize(32, 32));
        image->setToolTip(tips.value(i));
        // The keyboard works the menu; the pictures are for the mouse.
        image->setFocusPolicy(Qt::NoFocus);
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        layout->addWidget(image);
        connect(image, &QToolButton::clicked, this, [this, i] { emit clicked(int(i)); });
        m_images << image;
    }
    layout->addStretch();
    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line%1Bar").arg(role));
    m_line->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_line->setLineWidth(2);
    m_line->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_line->hide();
}

bool ImageBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* image = qobject_cast<QToolButton*>(watched); image && m_images.contains(image)) {
            m_line->setGeometry(image->geometry().adjusted(-3, -3, 3, 3));
            m_line->show();
            m_line->raise();
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ImageBar::leaveEvent(QEvent* event) {
    m_line->hide();
    QFrame::leaveEvent(event);
}
