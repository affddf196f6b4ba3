#include "OvStyleTableWidget.h"

#include "AppStyle.h"
#include "OvLineDelegate.h"
#include "StyleSheets.h"

#include <QHeaderView>
#include <QScrollBar>

OvStyleTableWidget::OvStyleTableWidget(QWidget* parent)
    : QTableWidget(parent)
{
    init();
}

OvStyleTableWidget::OvStyleTableWidget(int rows, int columns, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    init();
}

void OvStyleTableWidget::init()
{
    setObjectName(QStringLiteral("styleTable"));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setFont(AppStyle::instance().font(0));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setItemDelegate(new OvLineDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setFont(AppStyle::instance().font(0));
    horizontalHeader()->setStyleSheet(HeaderStyleSheet());
    setStyleSheet(QStringLiteral("QTableWidget { background: #ffffff; color: rgb(88,88,88); border: none;"
                                 " selection-background-color: #eaf4ff; selection-color: rgb(88,88,88); }"
                                 "QTableWidget::item { padding-left: 8px; }")
                  + CheckBoxStyleSheet(kTableCheckBoxImages, QStringLiteral("QTableView")));
    verticalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
    horizontalScrollBar()->setStyleSheet(ScrollBarStyleSheet());
}
