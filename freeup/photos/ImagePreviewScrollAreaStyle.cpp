#include "ImagePreviewScrollAreaStyle.h"

#include <QScrollBar>

ImagePreviewScrollAreaStyle::ImagePreviewScrollAreaStyle(QWidget* parent)
    : OvStyleScrollArea(parent)
{
    setObjectName(QStringLiteral("photoScrollArea"));
    setAccessibleName(tr("Photos"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Wheel steps of one thumbnail row rather than three text lines.
    verticalScrollBar()->setSingleStep(37);
}

void ImagePreviewScrollAreaStyle::resizeEvent(QResizeEvent* event)
{
    OvStyleScrollArea::resizeEvent(event);
    emit signalScrollPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}
