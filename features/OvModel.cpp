#include "OvModel.h"

#include <QHBoxLayout>
#include <QStackedWidget>

OvModel::OvModel(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
    , m_stack(new QStackedWidget(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_stack);
}

void OvModel::AddPage(int index, QWidget* page)
{
    if (index < 0 || !page)
        return;
    if (index <= m_stack->count())
        m_stack->insertWidget(index, page);
    else
        m_stack->addWidget(page);
}

void OvModel::SwitchPage(int nIndex)
{
    if (m_stack->count() == 0 || nIndex == m_stack->currentIndex())
        return;
    m_stack->setCurrentIndex(nIndex);
}
