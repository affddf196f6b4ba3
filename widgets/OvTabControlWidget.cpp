#include "OvTabControlWidget.h"

#include "AppStyle.h"
#include "OvTabButton.h"

#include <QHBoxLayout>
#include <QPainter>

OvTabControlWidget::OvTabControlWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabControl"));
    setFont(AppStyle::instance().font(16));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 1);
    m_layout->setSpacing(0);
}

int OvTabControlWidget::AddTabButton(const QString& text, const QString& normalImage, const QString& selectedImage)
{
    const int index = m_tabs.size();
    auto* tab = new OvTabButton(text, normalImage, selectedImage, this);
    tab->setObjectName(QStringLiteral("tabButton%1").arg(index));
    m_tabs.append(tab);
    m_layout->addWidget(tab, 1);
    connect(tab, &OvTabButton::clicked, this, [this, index] { slotChangeTabBtn(index); });
    return index;
}

void OvTabControlWidget::SetCurrentTab(int index)
{
    m_current = index >= 0 && index < m_tabs.size() ? index : -1;
    for (int i = 0; i < m_tabs.size(); ++i)
        m_tabs[i]->setChecked(i == m_current);
}

void OvTabControlWidget::SetTabEnabled(int index, bool enabled)
{
    if (OvTabButton* tab = TabButton(index))
        tab->setEnabled(enabled);
}

bool OvTabControlWidget::IsTabEnabled(int index) const
{
    const OvTabButton* tab = TabButton(index);
    return tab && tab->isEnabled();
}

void OvTabControlWidget::SetAllTabsEnabled(bool enabled)
{
    for (OvTabButton* tab : qAsConst(m_tabs))
        tab->setEnabled(enabled);
}

void OvTabControlWidget::SetTabText(int index, const QString& text)
{
    if (OvTabButton* tab = TabButton(index))
        tab->SetTabText(text);
}

OvTabButton* OvTabControlWidget::TabButton(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs[index] : nullptr;
}

void OvTabControlWidget::slotChangeTabBtn(int nNewTabBtnIndex)
{
    if (!IsTabEnabled(nNewTabBtnIndex))
        return;
    if (nNewTabBtnIndex == m_current) {
        // A click on the selected tab would uncheck it; keep it selected.
        SetCurrentTab(m_current);
        return;
    }
    SetCurrentTab(nNewTabBtnIndex);
    emit signalTabButtonSwitch(nNewTabBtnIndex);
}

void OvTabControlWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0xe3, 0xe9, 0xf0));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
