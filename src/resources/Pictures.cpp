#include "resources/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace Pictures {

QPixmap Emblem() {
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
    p.drawText(QRect(0, 160, 444, 30), Qt::AlignCenter, QStringLiteral("顧客・伝票・売掛管理"));
    return pixmap;
}

QPixmap Title() {
    QPixmap pixmap = Emblem();
    QPainter p(&pixmap);
    QFont sub(QStringLiteral("IPAGothic"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(255, 255, 255, 180));
    p.drawText(QRect(0, 250, 444, 24), Qt::AlignCenter, QStringLiteral("起動しています…"));
    return pixmap;
}

QPixmap WorkBar(int index) {
    static const char16_t* marks[] = {u"見", u"注", u"納", u"請", u"領", u"売"};
    static const QColor colours[] = {QColor(0x2e, 0x7d, 0x32), QColor(0x6a, 0x1b, 0x9a),
                                     QColor(0x15, 0x65, 0xc0), QColor(0xc6, 0x28, 0x28),
                                     QColor(0xef, 0x6c, 0x00), QColor(0x37, 0x47, 0x4f)};
    const int i = index < 0 || index > 5 ? 5 : index;
    QPixmap pixmap(40, 44);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 27, 39));
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1));
    for (int y = 26; y <= 36; y += 5)
        p.drawLine(11, y, 29, y);
    p.setPen(Qt::NoPen);
    p.setBrush(colours[i]);
    p.drawRoundedRect(QRectF(9, 5, 22, 18), 3, 3);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(9, 5, 22, 18), Qt::AlignCenter, QString::fromUtf16(marks[i]));
    return pixmap;
}

QPixmap Tool(int resource) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x1f, 0x4e, 0x79);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (resource) {
    case 202: // new customer: a person with a plus
        p.drawEllipse(QPointF(10, 8), 4, 4);
        p.drawArc(QRectF(3, 13, 14, 12), 0, 180 * 16);
        p.drawLine(19, 4, 19, 12);
        p.drawLine(15, 8, 23, 8);
        break;
    case 203: // save: a floppy disk
        p.drawRect(QRectF(4, 4, 16, 16));
        p.drawRect(QRectF(8, 4, 8, 5));
        p.drawRect(QRectF(7, 13, 10, 7));
        break;
    case 205: // search: a magnifying glass
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.drawLine(15, 15, 21, 21);
        break;
    case 207: // first
        p.drawLine(6, 5, 6, 19);
        p.drawPolyline(QPolygonF({QPointF(18, 5), QPointF(9, 12), QPointF(18, 19)}));
        break;
    case 208: // previous
        p.drawPolyline(QPolygonF({QPointF(16, 5), QPointF(7, 12), QPointF(16, 19)}));
        break;
    case 209: // next
        p.drawPolyline(QPolygonF({QPointF(8, 5), QPointF(17, 12), QPointF(8, 19)}));
        break;
    case 210: // last
        p.drawLine(18, 5, 18, 19);
        p.drawPolyline(QPolygonF({QPointF(6, 5), QPointF(15, 12), QPointF(6, 19)}));
        break;
    case 212: // end: a door with an arrow
        p.drawRect(QRectF(4, 3, 10, 18));
        p.drawLine(12, 12, 22, 12);
        p.drawPolyline(QPolygonF({QPointF(18, 8), QPointF(22, 12), QPointF(18, 16)}));
        break;
    default:
        break;
    }
    return pixmap;
}

namespace {

QPixmap documentPicture(bool printer) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (printer) {
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(3, 9, 18, 8));
        p.drawRect(QRectF(7, 14, 10, 7));
    } else {
        p.drawRect(QRectF(5, 3, 14, 18));
        p.drawLine(QPointF(10, 7), QPointF(9, 17));
        p.drawLine(QPointF(15, 7), QPointF(14, 17));
        p.drawLine(QPointF(7, 10), QPointF(17, 10));
        p.drawLine(QPointF(7, 14), QPointF(17, 14));
    }
    return pixmap;
}

} // namespace

QPixmap Printer() {
    return documentPicture(true);
}

QPixmap NumberedSheet() {
    return documentPicture(false);
}

} // namespace Pictures
