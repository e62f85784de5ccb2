#include "options/KivoraTitle.h"

#include "resources/Pictures.h"
#include "widgets/WidgetRoutines.h"

#include <QPainter>

KivoraTitle::KivoraTitle(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(Pictures::Title()) {
    setObjectName(QStringLiteral("KivoraTitle"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(444, 297);
    CenterForm(this);
}

void KivoraTitle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), m_picture);
}
