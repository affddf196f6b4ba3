#include "OvStyleWidget.h"

#include "OvStyleWidgetTitle.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QVBoxLayout>

OvStyleWidget::OvStyleWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("styleWindow"));
    setWindowFlags(windowFlags() | Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    m_face = new QFrame(this);
    m_face->setObjectName(QStringLiteral("styleWindowFace"));
    m_face->setStyleSheet(QStringLiteral("QFrame#styleWindowFace { background: #ffffff; border: 1px solid #d6e4f2;"
                                         " border-radius: 6px; }"));
    auto* shadow = new QGraphicsDropShadowEffect(m_face);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(kShadowMargin);
    shadow->setColor(QColor(0, 0, 0, 90));
    m_face->setGraphicsEffect(shadow);
    outer->addWidget(m_face);

    auto* layout = new QVBoxLayout(m_face);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_title = new OvStyleWidgetTitle(m_face);
    layout->addWidget(m_title);
    m_content = new QWidget(m_face);
    m_content->setObjectName(QStringLiteral("styleWindowContent"));
    layout->addWidget(m_content, 1);
}

void OvStyleWidget::SetTitle(const QString& title)
{
    m_title->SetTitle(title);
    setWindowTitle(title);
    setAccessibleName(title);
}

void OvStyleWidget::slotClosePWidget()
{
    close();
}
