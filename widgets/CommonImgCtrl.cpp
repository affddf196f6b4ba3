#include "CommonImgCtrl.h"

#include "AppStyle.h"
#include "CommomImgCtrlLabel.h"
#include "OvStyleCheckBox.h"
#include "StyleSheets.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

CommonImgCtrl::CommonImgCtrl(const QString& id, QWidget* parent)
    : QWidget(parent)
    , m_id(id)
{
    setObjectName(QStringLiteral("thumbnailCell"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_picture = new CommomImgCtrlLabel(this);
    m_picture->setFixedSize(100, 100);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("thumbnailCaption"));
    m_caption->setFont(AppStyle::instance().font(1));
    m_caption->setStyleSheet(QStringLiteral("color: rgb(97,108,114);"));
    m_caption->setAlignment(Qt::AlignHCenter);
    m_caption->hide();
    layout->addWidget(m_caption);

    // Over the picture's top right corner.
    m_checkBox = new OvStyleCheckBox(m_picture);
    m_checkBox->setObjectName(QStringLiteral("thumbnailCheck"));
    m_checkBox->setAccessibleName(tr("Select"));
    m_checkBox->SetImagePrefix(kThumbnailCheckBoxImages);
    m_checkBox->setStyleSheet(m_checkBox->styleSheet() + QStringLiteral("QCheckBox { background: transparent; }"));
    m_checkBox->adjustSize();
    connect(m_checkBox, &OvStyleCheckBox::toggled, this, [this](bool on) { emit signalVideoIsChecked(m_id, on); });
}

void CommonImgCtrl::SetPictureFile(const QString& path)
{
    m_picture->SetPictureFile(path);
}

void CommonImgCtrl::SetVideo(bool video)
{
    m_picture->SetVideo(video);
}

void CommonImgCtrl::SetCaption(const QString& caption)
{
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
}

void CommonImgCtrl::SetChecked(bool checked)
{
    m_checkBox->setChecked(checked);
}

bool CommonImgCtrl::IsChecked() const
{
    return m_checkBox->isChecked();
}

bool CommonImgCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_picture->rect().contains(mouse->pos()))
            m_checkBox->toggle();
    }
    return QWidget::eventFilter(watched, event);
}

void CommonImgCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_checkBox->move(m_picture->width() - m_checkBox->width() - 6, 6);
}
