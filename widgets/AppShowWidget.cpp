#include "AppShowWidget.h"

#include "AppStyle.h"
#include "OvElidedLabel.h"
#include "OvStyleCheckBox.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kIconSide = 40;

} // namespace

AppShowWidget::AppShowWidget(int id, QWidget* parent)
    : QWidget(parent)
    , m_id(id)
{
    setObjectName(QStringLiteral("appRow"));
    setMinimumHeight(56);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 8, 18, 8);
    layout->setSpacing(12);

    m_checkBox = new OvStyleCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("appCheck"));
    m_checkBox->setAccessibleName(tr("Select"));
    m_checkBox->SetId(id);
    layout->addWidget(m_checkBox);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("appIcon"));
    m_icon->setFixedSize(kIconSide, kIconSide);
    m_icon->setScaledContents(true);
    layout->addWidget(m_icon);

    m_name = new OvElidedLabel(this);
    m_name->setObjectName(QStringLiteral("appName"));
    m_name->setFont(AppStyle::instance().font(8));
    m_name->setStyleSheet(QStringLiteral("color: rgb(88,88,88);"));
    layout->addWidget(m_name, 1);

    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("appSize"));
    m_size->setFont(AppStyle::instance().font(0));
    m_size->setStyleSheet(QStringLiteral("color: rgb(97,108,114);"));
    m_size->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_size);

    SetApp(QString(), QString());
    connect(m_checkBox, &OvStyleCheckBox::toggled, this, [this](bool on) {
        update();
        emit signalAppIsChecked(m_id, on);
    });
}

void AppShowWidget::SetApp(const QString& name, const QString& sizeText, const QString& iconFile)
{
    m_name->SetFullText(name);
    m_size->setText(sizeText);
    m_checkBox->setAccessibleName(name.isEmpty() ? tr("Select") : name);
    QPixmap icon;
    if (!iconFile.isEmpty())
        icon.load(iconFile);
    m_ownIcon = !icon.isNull();
    if (!m_ownIcon)
        icon = SkinPixmap(QStringLiteral("app_default.png"));
    m_icon->setPixmap(icon);
}

QString AppShowWidget::Name() const
{
    return m_name->text();
}

void AppShowWidget::SetChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool AppShowWidget::IsChecked() const
{
    return m_checkBox->isChecked();
}

void AppShowWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_checkBox->isChecked())
        painter.fillRect(rect(), QColor(0xf2, 0xf8, 0xff));
    painter.setPen(QColor(0xec, 0xec, 0xec));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

void AppShowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    // The whole row is the target, not just the small box.
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()) && m_checkBox->isEnabled())
        m_checkBox->toggle();
    QWidget::mouseReleaseEvent(event);
}
