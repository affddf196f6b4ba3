#include "OvTableSubWidget.h"

#include "AppStyle.h"
#include "OvElidedLabel.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

OvTableSubWidget::OvTableSubWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tableCell"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(10);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("tableCellIcon"));
    m_icon->setFixedSize(24, 24);
    m_icon->setScaledContents(true);
    m_icon->hide();
    layout->addWidget(m_icon);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    m_title = new OvElidedLabel(this);
    m_title->setObjectName(QStringLiteral("tableCellTitle"));
    m_title->setFont(AppStyle::instance().font(0));
    m_title->setStyleSheet(QStringLiteral("color: rgb(88,88,88);"));
    texts->addWidget(m_title);
    m_subTitle = new OvElidedLabel(this);
    m_subTitle->setObjectName(QStringLiteral("tableCellSubTitle"));
    m_subTitle->setFont(AppStyle::instance().font(1));
    m_subTitle->setStyleSheet(QStringLiteral("color: rgb(169,169,169);"));
    m_subTitle->hide();
    texts->addWidget(m_subTitle);
    layout->addLayout(texts, 1);
}

void OvTableSubWidget::SetIcon(const QString& imageName)
{
    SetPicture(SkinPixmap(imageName));
}

void OvTableSubWidget::SetPicture(const QPixmap& picture)
{
    m_icon->setPixmap(picture);
    m_icon->setVisible(!picture.isNull());
}

void OvTableSubWidget::SetTitle(const QString& title)
{
    m_title->SetFullText(title);
}

void OvTableSubWidget::SetSubTitle(const QString& subTitle)
{
    m_subTitle->SetFullText(subTitle);
    m_subTitle->setVisible(!subTitle.isEmpty());
}

QString OvTableSubWidget::Title() const
{
    return m_title->text();
}

QString OvTableSubWidget::SubTitle() const
{
    return m_subTitle->text();
}
