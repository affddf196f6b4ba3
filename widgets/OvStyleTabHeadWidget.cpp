#include "OvStyleTabHeadWidget.h"

#include "AppStyle.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>

namespace {

const char* const kHeadStyle
    = "QPushButton { border: none; border-bottom: 2px solid transparent; background: transparent;"
      " color: rgb(88,88,88); padding: 8px 16px 6px 16px; }"
      "QPushButton:hover { color: #2990ff; }"
      "QPushButton:checked { color: #2990ff; border-bottom: 2px solid #2990ff; }"
      "QPushButton:disabled { color: rgb(169,169,169); }";

} // namespace

OvStyleTabHeadWidget::OvStyleTabHeadWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabHeadWidget"));
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &OvStyleTabHeadWidget::ClickPage);
}

int OvStyleTabHeadWidget::AddPage(const QString& text)
{
    const int index = Count();
    auto* head = new QPushButton(text, this);
    head->setObjectName(QStringLiteral("tabHead%1").arg(index));
    head->setAccessibleName(text);
    head->setCheckable(true);
    head->setCursor(Qt::PointingHandCursor);
    head->setFont(AppStyle::instance().font(8));
    head->setStyleSheet(QLatin1String(kHeadStyle));
    m_group->addButton(head, index);
    m_layout->insertWidget(index, head);
    if (m_current < 0)
        SetCurrentPage(index);
    return index;
}

void OvStyleTabHeadWidget::SetPageText(int index, const QString& text)
{
    if (QPushButton* head = Head(index)) {
        head->setText(text);
        head->setAccessibleName(text);
    }
}

void OvStyleTabHeadWidget::SetCurrentPage(int index)
{
    QPushButton* head = Head(index);
    if (!head)
        return;
    m_current = index;
    head->setChecked(true);
}

int OvStyleTabHeadWidget::Count() const
{
    return m_group->buttons().size();
}

QPushButton* OvStyleTabHeadWidget::Head(int index) const
{
    return qobject_cast<QPushButton*>(m_group->button(index));
}

void OvStyleTabHeadWidget::ClickPage(int index)
{
    QPushButton* head = Head(index);
    if (!head || !head->isEnabled())
        return;
    SetCurrentPage(index);
    emit onClickPage(index);
}

void OvStyleTabHeadWidget::paintEvent(QPaintEvent*)
{
    // A hairline under all heads; the chosen head's underline lies on it.
    QPainter painter(this);
    painter.setPen(QColor(0xe3, 0xe9, 0xf0));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
