#include "EraseListView.h"

EraseListView::EraseListView(int mode, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
{ }

EraseListView* CreateEraseListView(const QString& name, int mode, int wechatAccount, QWidget* parent)
{
    Q_UNUSED(name)
    Q_UNUSED(mode)
    Q_UNUSED(wechatAccount)
    Q_UNUSED(parent)
    return nullptr;
}
