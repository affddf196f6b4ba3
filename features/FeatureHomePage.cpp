#include "FeatureHomePage.h"

#include "AppStyle.h"
#include "DeviceInfoWidget.h"
#include "SkinImage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FeatureHomePage::FeatureHomePage(const QString& picture, const QString& title, const QString& description,
                                 QWidget* parent)
    : QWidget(parent)
{
    const AppStyle& style = AppStyle::instance();
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("featurePicture"));
    image->setPixmap(SkinPixmap(picture));
    image->setAlignment(Qt::AlignCenter);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("featureTitle"));
    heading->setFont(style.font(27));
    heading->setStyleSheet(QStringLiteral("color:#3c4449;"));
    heading->setWordWrap(true);
    auto* text = new QLabel(description, this);
    text->setObjectName(QStringLiteral("featureDescription"));
    text->setFont(style.font(10));
    text->setStyleSheet(QStringLiteral("color:#616c72;"));
    text->setWordWrap(true);

    auto* textColumn = new QVBoxLayout;
    textColumn->addStretch();
    textColumn->addWidget(heading);
    textColumn->addSpacing(12);
    textColumn->addWidget(text);
    textColumn->addStretch();

    auto* feature = new QHBoxLayout;
    feature->addWidget(image);
    feature->addSpacing(24);
    feature->addLayout(textColumn, 1);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setStyleSheet(QStringLiteral("color:#e3e9ef;"));

    m_deviceInfo = new DeviceInfoWidget(this);
    m_deviceInfo->setFixedWidth(240);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(48, 32, 32, 32);
    layout->addLayout(feature, 1);
    layout->addSpacing(24);
    layout->addWidget(separator);
    layout->addSpacing(16);
    layout->addWidget(m_deviceInfo);
}

void FeatureHomePage::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_deviceInfo->SetDeviceInfo(name, totalBytes, freeBytes);
}
