#include "OvStyleCheckBoxSubImageWidget.h"

#include "CommomImgCtrlLabel.h"
#include "OvStyleCheckBox.h"
#include "StyleSheets.h"

#include <QMouseEvent>

OvStyleCheckBoxSubImageWidget::OvStyleCheckBoxSubImageWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("checkBoxImage"));
    setCursor(Qt::PointingHandCursor);
    m_picture = new CommomImgCtrlLabel(this);
    // Clicks on the picture belong to the tile.
    m_picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_checkBox = new OvStyleCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("checkBoxImageCheck"));
    m_checkBox->setAccessibleName(tr("Select"));
    m_checkBox->SetImagePrefix(kThumbnailCheckBoxImages);
    m_checkBox->adjustSize();
    resize(sizeHint());
}

void OvStyleCheckBoxSubImageWidget::SetPictureFile(const QString& path)
{
    m_picture->SetPictureFile(path);
}

void OvStyleCheckBoxSubImageWidget::SetVideo(bool video)
{
    m_picture->SetVideo(video);
}

void OvStyleCheckBoxSubImageWidget::SetChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool OvStyleCheckBoxSubImageWidget::IsChecked() const
{
    return m_checkBox->isChecked();
}

QSize OvStyleCheckBoxSubImageWidget::sizeHint() const
{
    return { 100, 100 };
}

void OvStyleCheckBoxSubImageWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_picture->setGeometry(rect());
    m_checkBox->move(width() - m_checkBox->width() - 6, 6);
}

void OvStyleCheckBoxSubImageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        m_checkBox->toggle();
    QWidget::mouseReleaseEvent(event);
}
