#include "OvStyleDialog.h"

#include <QGraphicsDropShadowEffect>

OvStyleDialog::OvStyleDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(kShadowMargin);
    shadow->setColor(QColor(0, 0, 0, 90));
    setGraphicsEffect(shadow);
}
