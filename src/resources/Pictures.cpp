#include "resources/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace Pictures {

QPixmap Title() {
    QPixmap pixmap(444, 297);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 297);
    background.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    background.setColorAt(1, QColor(0x0b, 0x25, 0x40));
    p.fillRect(pixmap.rect(), background);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    for (int y = 40; y < 297; y += 24)
        p.drawLine(24, y, 420, y);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("IPAGothic"));
    title.setPixelSize(56);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 70, 444, 80), Qt::AlignCenter, QStringLiteral("Kivora"));
    QFont sub(QStringLiteral("IPAGothic"));
    sub.setPixelSize(18);
    p.setFont(sub);
    p.drawText(QRect(0, 160, 444, 30), Qt::AlignCenter,
               QStringLiteral("顧客・伝票・売掛管理"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 180));
    p.drawText(QRect(0, 250, 444, 24), Qt::AlignCenter, QStringLiteral("起動しています…"));
    return pixmap;
}

} // namespace Pictures
