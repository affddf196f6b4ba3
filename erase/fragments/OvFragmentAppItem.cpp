#include "OvFragmentAppItem.h"

#include "FormatSize.h"
#include "SkinImage.h"

OvFragmentAppItem::OvFragmentAppItem(int appId, const QString& name, QWidget* parent)
    : QCheckBox(parent)
    , m_appId(appId)
    , m_name(name)
{
    setObjectName(QStringLiteral("fragmentApp_") + name);
    setIconSize(QSize(48, 48));
    connect(this, &QCheckBox::toggled, this, [this](bool checked) { emit signalAppIsChecked(m_appId, checked); });
    SetSize(0, QString(), QString());
}

void OvFragmentAppItem::SetSize(qint64 bytes, const QString& picture, const QString& emptyPicture)
{
    m_size = qMax<qint64>(0, bytes);
    const bool empty = m_size == 0;
    if (empty)
        setChecked(false);
    setEnabled(!empty);
    const QString sizeText = empty ? tr("No data") : FormatSize(static_cast<quint64>(m_size));
    setText(m_name + QLatin1Char('\n') + sizeText);
    const QString image = empty ? emptyPicture : picture;
    setIcon(image.isEmpty() ? QIcon() : QIcon(SkinPixmap(image)));
    setAccessibleName(m_name + QStringLiteral(", ") + sizeText);
    setToolTip(empty ? tr("Nothing of %1 was found on the device.").arg(m_name) : QString());
}
