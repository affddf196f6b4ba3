#include "DeviceInfoWidget.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

const QColor kUsedColour(41, 144, 255);
const QColor kFreeColour(169, 211, 255);
constexpr int kBarHeight = 10;

QLabel* legendLabel(const QColor& colour, QWidget* parent)
{
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(10, 10);
    swatch->setStyleSheet(QStringLiteral("background:%1; border-radius:2px;").arg(colour.name()));
    return swatch;
}

} // namespace

DeviceInfoWidget::DeviceInfoWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("deviceInfoWidget"));
    const AppStyle& style = AppStyle::instance();

    m_picture = new QLabel(this);
    m_picture->setPixmap(SkinPixmap(QStringLiteral("/device_space_default.png")));
    m_picture->setAlignment(Qt::AlignCenter);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("deviceName"));
    m_name->setFont(style.font(13));
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setStyleSheet(QStringLiteral("color:#3c4449;"));

    m_totalLine = new QLabel(this);
    m_freeLine = new QLabel(this);
    m_usedLine = new QLabel(this);
    for (QLabel* line : { m_totalLine, m_freeLine, m_usedLine }) {
        line->setFont(style.font(0));
        line->setStyleSheet(QStringLiteral("color:#616c72;"));
    }
    m_totalLine->setObjectName(QStringLiteral("deviceTotal"));
    m_freeLine->setObjectName(QStringLiteral("deviceFree"));
    m_usedLine->setObjectName(QStringLiteral("deviceUsed"));

    auto* lines = new QGridLayout;
    lines->setHorizontalSpacing(6);
    lines->addWidget(m_totalLine, 0, 1);
    lines->addWidget(legendLabel(kFreeColour, this), 1, 0);
    lines->addWidget(m_freeLine, 1, 1);
    lines->addWidget(legendLabel(kUsedColour, this), 2, 0);
    lines->addWidget(m_usedLine, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_picture);
    layout->addWidget(m_name);
    layout->addSpacing(kBarHeight + 10); // the bar is painted here
    layout->addLayout(lines);
    layout->addStretch();
    SetDeviceInfo(QString(), 0, 0);
}

QString DeviceInfoWidget::GigabyteText(quint64 bytes)
{
    return tr("%1GB", "gigabytes").arg(QString::number(double(bytes) / 1024.0 / 1024.0 / 1024.0, 'f', 2))
        + QLatin1Char(' ');
}

void DeviceInfoWidget::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_total = totalBytes;
    m_free = qMin(freeBytes, totalBytes);
    m_name->setText(name);
    m_totalLine->setText(tr("Total %1", "space").arg(GigabyteText(m_total)));
    m_freeLine->setText(tr("Free %1", "space").arg(GigabyteText(m_free)));
    m_usedLine->setText(tr("Used %1", "space").arg(GigabyteText(m_total - m_free)));
    setAccessibleName(
        tr("%1: %2 free of %3").arg(name, GigabyteText(m_free).trimmed(), GigabyteText(m_total).trimmed()));
    update();
}

void DeviceInfoWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int top = m_name->geometry().bottom() + 6;
    const QRectF bar(16, top, width() - 32, kBarHeight);
    QPainterPath track;
    track.addRoundedRect(bar, kBarHeight / 2.0, kBarHeight / 2.0);
    painter.fillPath(track, kFreeColour);
    if (m_total > 0) {
        const double usedShare = double(m_total - m_free) / double(m_total);
        painter.setClipPath(track);
        painter.fillRect(QRectF(bar.left(), bar.top(), bar.width() * usedShare, bar.height()), kUsedColour);
    }
}
