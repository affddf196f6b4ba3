#include "OvStyleComboBox.h"

#include "AppStyle.h"
#include "NoFocusDelegate.h"
#include "StyleSheets.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kArrowWidth = 24;

} // namespace

OvStyleComboBox::OvStyleComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("styleComboBox"));
    setMinimumSize(90, 24);
    setCursor(Qt::PointingHandCursor);
    setFont(AppStyle::instance().font(8));
    setStyleSheet(QStringLiteral("QComboBox { border: 1px solid #b2d7fd; border-radius: 3px; background: #ffffff;"
                                 " color: rgb(88,88,88); padding: 2px %1px 2px 8px; }"
                                 "QComboBox:hover { border-color: #2990ff; }"
                                 "QComboBox:disabled { color: rgb(169,169,169); background: #f7f7f7; }"
                                 "QComboBox::drop-down { border: none; width: %1px; }"
                                 "QComboBox::down-arrow { image: none; width: 0; height: 0; }"
                                 "QComboBox QAbstractItemView { border: 1px solid #b2d7fd; background: #ffffff;"
                                 " color: rgb(88,88,88); selection-background-color: #eaf4ff;"
                                 " selection-color: #2990ff; outline: 0; }")
                      .arg(kArrowWidth));
    view()->setItemDelegate(new NoFocusDelegate(view()));
    view()->verticalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
}

void OvStyleComboBox::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    // The style sheet hides the platform arrow; a chevron in the accent colour replaces it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(isEnabled() ? QColor(0x29, 0x90, 0xff) : QColor(169, 169, 169), 1.6, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    const QPointF centre(width() - kArrowWidth / 2.0, height() / 2.0 + 1);
    painter.drawPolyline(
        QPolygonF({ centre + QPointF(-4, -2.5), centre + QPointF(0, 1.5), centre + QPointF(4, -2.5) }));
}
