#include "OvStyleWidgetTitle.h"

#include "AppStyle.h"
#include "OvSPushButton.h"
#include "SkinImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kDefaultHeight = 36;

} // namespace

OvStyleWidgetTitle::OvStyleWidgetTitle(QWidget* parent)
    : QWidget(parent)
    , m_background(QStringLiteral("/title_bg.png"))
{
    setObjectName(QStringLiteral("windowTitleBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(12, 0, 10, 0);
    m_layout->setSpacing(8);

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("titleIcon"));
    m_layout->addWidget(m_iconLabel);
    SetIcon(QStringLiteral("dravofree_icon_22.png"));

    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleText"));
    m_titleLabel->setFont(AppStyle::instance().font(9));
    m_titleLabel->setStyleSheet(QStringLiteral("color: #2990ff;"));
    m_layout->addWidget(m_titleLabel, 1);

    m_closeButton = new OvSPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("titleCloseButton"));
    m_closeButton->setToolTip(tr("Close"));
    m_closeButton->setAccessibleName(tr("Close"));
    SetCloseImages(QStringLiteral("/win_close_icon_normal.png"), QStringLiteral("/win_icon_hover.png"),
                   QStringLiteral("/win_close_icon_pressing.png"));
    m_layout->addWidget(m_closeButton, 0, Qt::AlignVCenter);
    connect(m_closeButton, &OvSPushButton::clicked, this, &OvStyleWidgetTitle::slotClosePWidget);

    const QPixmap background = SkinPixmap(m_background);
    setFixedHeight(background.isNull() ? kDefaultHeight : SkinSize(background).height());
}

void OvStyleWidgetTitle::SetTitle(const QString& title)
{
    m_titleLabel->setText(title);
}

QString OvStyleWidgetTitle::Title() const
{
    return m_titleLabel->text();
}

void OvStyleWidgetTitle::SetTitleFont(const QFont& font)
{
    m_titleLabel->setFont(font);
}

void OvStyleWidgetTitle::SetIcon(const QString& imageName)
{
    const QPixmap icon = SkinPixmap(imageName);
    m_iconLabel->setPixmap(icon);
    m_iconLabel->setVisible(!icon.isNull());
}

void OvStyleWidgetTitle::SetBackground(const QString& imageName)
{
    m_background = imageName;
    const QPixmap background = SkinPixmap(imageName);
    if (!background.isNull())
        setFixedHeight(SkinSize(background).height());
    update();
}

void OvStyleWidgetTitle::SetCloseImages(const QString& normal, const QString& hover, const QString& pressed)
{
    m_closeButton->SetImages(normal, hover, pressed);
}

OvSPushButton* OvStyleWidgetTitle::AddTitleButton(const QString& objectName, const QString& name, const QString& normal,
                                                  const QString& hover, const QString& pressed)
{
    auto* button = new OvSPushButton(normal, hover, pressed, this);
    button->setObjectName(objectName);
    button->setToolTip(name);
    button->setAccessibleName(name);
    m_layout->insertWidget(m_layout->indexOf(m_closeButton), button, 0, Qt::AlignVCenter);
    return button;
}

void OvStyleWidgetTitle::SetMoveWidget(QWidget* window)
{
    m_moveWidget = window;
}

QSize OvStyleWidgetTitle::sizeHint() const
{
    return { QWidget::sizeHint().width(), height() };
}

void OvStyleWidgetTitle::slotClosePWidget()
{
    if (QWidget* holder = window())
        holder->close();
}

void OvStyleWidgetTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap background = SkinPixmap(m_background);
    if (!background.isNull()) {
        painter.drawPixmap(rect(), background);
        return;
    }
    painter.fillRect(rect(), QColor(0xf2, 0xf8, 0xff));
    painter.setPen(QColor(0xe3, 0xe9, 0xf0));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

QWidget* OvStyleWidgetTitle::moveTarget() const
{
    return m_moveWidget ? m_moveWidget.data() : window();
}

void OvStyleWidgetTitle::mousePressEvent(QMouseEvent* event)
{
    QWidget* target = moveTarget();
    if (event->button() != Qt::LeftButton || !m_movable || !target || !target->isWindow()) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Keep the point grabbed under the cursor wherever the title sits in the window.
    m_dragging = true;
    m_grabOffset = event->globalPos() - target->pos();
    event->accept();
}

void OvStyleWidgetTitle::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* target = moveTarget();
    if (!m_dragging || !(event->buttons() & Qt::LeftButton) || !target) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    // A maximised window is not dragged out of its place.
    if (!target->isMaximized())
        target->move(event->globalPos() - m_grabOffset);
    event->accept();
}

void OvStyleWidgetTitle::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}
