#include "OvStyleDialog.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QPainter>

#ifdef DRAVO_HAVE_X11EXTRAS
#include <QX11Info>
#endif

OvStyleDialog::OvStyleDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    if (!CanBeTranslucent())
        return;
    setAttribute(Qt::WA_TranslucentBackground);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(kShadowMargin);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
}

bool OvStyleDialog::CanBeTranslucent()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
#ifdef DRAVO_HAVE_X11EXTRAS
    return QX11Info::isCompositingManagerRunning();
#else
    return false;
#endif
}

void OvStyleDialog::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_TranslucentBackground)) {
        QDialog::paintEvent(event);
        return;
    }
    // Without a compositor the shadow margin would be black: a plain white edge with a thin
    // border stands in for the shadow.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xc9, 0xd3, 0xdd));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
