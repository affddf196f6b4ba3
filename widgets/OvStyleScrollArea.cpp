#include "OvStyleScrollArea.h"

#include "StyleSheets.h"

#include <QScrollBar>

OvStyleScrollArea::OvStyleScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("styleScrollArea"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral("QScrollArea { background: transparent; border: none; }"));
    viewport()->setAutoFillBackground(false);
    // Styled on the bars themselves, so that the content's own widgets keep their look.
    verticalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
    horizontalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
    auto report = [this] { emit signalScrollPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()); };
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, report);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, report);
}
