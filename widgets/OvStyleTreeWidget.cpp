#include "OvStyleTreeWidget.h"

#include "AppStyle.h"
#include "NoFocusDelegate.h"
#include "StyleSheets.h"

#include <QHeaderView>
#include <QScrollBar>

OvStyleTreeWidget::OvStyleTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("styleTree"));
    setFrameShape(QFrame::NoFrame);
    setFont(AppStyle::instance().font(8));
    setIndentation(18);
    setIconSize(QSize(32, 32));
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new NoFocusDelegate(this));
    header()->setHighlightSections(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setStyleSheet(HeaderStyleSheet());
    setStyleSheet(QStringLiteral("QTreeWidget { background: #ffffff; color: rgb(88,88,88); border: none;"
                                 " outline: 0; }"
                                 "QTreeWidget::item { height: 40px; }"
                                 "QTreeWidget::item:hover { background: #f5f9ff; }"
                                 "QTreeWidget::item:selected { background: #eaf4ff; color: #2990ff; }"
                                 "QTreeWidget::item:disabled { color: rgb(169,169,169); }")
                  + CheckBoxStyleSheet(kTableCheckBoxImages, QStringLiteral("QTreeView")));
    verticalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
    horizontalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
}
