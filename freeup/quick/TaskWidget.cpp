#include "TaskWidget.h"

#include "OneKeyWidgets.h"

#include "AppStyle.h"
#include "FormatSize.h"
#include "OvStyleCheckBox.h"
#include "SkinImage.h"
#include "StyleSheets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <cstring>

TaskWidget::TaskWidget(int code, const QString& objectName, const QString& caption, const QString& description,
                       const QString& iconPrefix, QWidget* parent)
    : QWidget(parent)
    , m_code(code)
    , m_iconPrefix(iconPrefix)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    const QString family = AppStyle::instance().fontFamily();

    m_check = new OvStyleCheckBox(this);
    m_check->setObjectName(QStringLiteral("rowCheck"));
    m_check->setAccessibleName(caption);
    connect(m_check, &QCheckBox::stateChanged, this, &TaskWidget::UpdateView);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("rowIcon"));
    m_icon->setFixedSize(48, 48);

    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setObjectName(QStringLiteral("rowCaption"));
    QFont captionFont(family);
    captionFont.setPixelSize(15);
    captionFont.setWeight(QFont::DemiBold);
    captionLabel->setFont(captionFont);
    captionLabel->setStyleSheet(QStringLiteral("color:#3c4449;"));

    auto* descriptionLabel = new QLabel(description, this);
    descriptionLabel->setObjectName(QStringLiteral("rowDescription"));
    QFont bodyFont(family);
    bodyFont.setPixelSize(12);
    descriptionLabel->setFont(bodyFont);
    descriptionLabel->setStyleSheet(QStringLiteral("color:#616c72;"));
    descriptionLabel->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(captionLabel);
    text->addWidget(descriptionLabel);

    m_sizeLabel = new QLabel(this);
    m_sizeLabel->setObjectName(QStringLiteral("rowSize"));
    m_sizeLabel->setFixedSize(96, 26);
    m_sizeLabel->setAlignment(Qt::AlignCenter);
    QFont sizeFont(family);
    sizeFont.setPixelSize(12);
    sizeFont.setWeight(QFont::DemiBold);
    m_sizeLabel->setFont(sizeFont);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 16, 6);
    layout->setSpacing(12);
    layout->addWidget(m_check);
    layout->addWidget(m_icon);
    layout->addLayout(text, 1);
    layout->addWidget(m_sizeLabel);
    Reset();
}

QString TaskWidget::FormatText(quint64 bytes) const
{
    return FormatSizeIn(staticMetaObject.className(), bytes);
}

void TaskWidget::Reset()
{
    // Unchecking first hands the old size back to the page.
    m_check->setChecked(false);
    m_size = 0;
    m_count = 0;
    m_hasResult = false;
    m_check->setEnabled(false);
    ShowSize();
    ShowRestingIcon();
}

void TaskWidget::SetResult(quint64 size, quint64 count)
{
    // A second result for the same row must not count twice: take the old size back first.
    m_check->setChecked(false);
    m_size = size;
    m_count = count;
    m_hasResult = true;
    m_check->setEnabled(size > 0);
    m_check->setChecked(size > 0);
    ShowSize();
    ShowRestingIcon();
}

bool TaskWidget::IsChecked() const
{
    return m_check->isChecked();
}

QString TaskWidget::SizeText() const
{
    return m_sizeLabel->text();
}

void TaskWidget::UpdateView(int nType)
{
    if (nType == Qt::Unchecked)
        emit signalDelSize(m_size, m_count);
    else
        emit signalAddSize(m_size, m_count);
    ShowRestingIcon();
}

void TaskWidget::ShowSize()
{
    const bool empty = m_hasResult && m_size == 0;
    m_sizeLabel->setText(m_hasResult ? FormatText(m_size) : tr("Wait"));
    m_sizeLabel->setStyleSheet(
        QStringLiteral("QLabel { border-image: url(%1); color: %2; }")
            .arg(SkinUrl(empty ? QStringLiteral("/label_size_no_item.png") : QStringLiteral("/label_size.png")),
                 empty ? QStringLiteral("#999999") : QStringLiteral("#2990ff")));
}

void TaskWidget::ShowIcon(const QString& state)
{
    m_iconImage = QStringLiteral("%1%2.png").arg(m_iconPrefix, state);
    m_icon->setPixmap(SkinPixmap(m_iconImage));
}

void TaskWidget::ShowRestingIcon()
{
    if (m_hasResult && m_size == 0)
        ShowIcon(QStringLiteral("no_item"));
    else if (m_check->isChecked())
        ShowIcon(QStringLiteral("selected"));
    else if (m_hovered && m_check->isEnabled())
        ShowIcon(QStringLiteral("hover"));
    else
        ShowIcon(QStringLiteral("normal"));
}

void TaskWidget::enterEvent(QEvent* event)
{
    QWidget::enterEvent(event);
    m_hovered = true;
    ShowRestingIcon();
}

void TaskWidget::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_hovered = false;
    ShowRestingIcon();
}

void TaskWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_check->isEnabled())
        ShowIcon(QStringLiteral("pressing"));
    QWidget::mousePressEvent(event);
}

void TaskWidget::mouseReleaseEvent(QMouseEvent* event)
{
    // A click anywhere on the row toggles it, as a click on its check box would.
    if (event->button() == Qt::LeftButton && m_check->isEnabled() && rect().contains(event->pos()))
        m_check->click();
    else
        ShowRestingIcon();
    QWidget::mouseReleaseEvent(event);
}
