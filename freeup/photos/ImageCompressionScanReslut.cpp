#include "ImageCompressionScanReslut.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "FormatSize.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "SkinImage.h"
#include "ovdriver.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <mutex>

namespace {

const char* const kOrange = "#f7961f";

/// A landscape photo drawn at any size, for the before/after picture.
QPixmap PaintedPhoto(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0.5, 0.5, size.width() - 1, size.height() - 1);
    QPainterPath clip;
    clip.addRoundedRect(frame, 4, 4);
    painter.setClipPath(clip);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x8e, 0xc8, 0xff));
    sky.setColorAt(1, QColor(0xd9, 0xee, 0xff));
    painter.fillRect(frame, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xc8, 0x4a));
    const qreal sun = size.height() * 0.16;
    painter.drawEllipse(QPointF(size.width() * 0.74, size.height() * 0.28), sun, sun);
    QPainterPath hills;
    hills.moveTo(0, size.height());
    hills.lineTo(0, size.height() * 0.72);
    hills.lineTo(size.width() * 0.35, size.height() * 0.42);
    hills.lineTo(size.width() * 0.6, size.height() * 0.7);
    hills.lineTo(size.width() * 0.78, size.height() * 0.55);
    hills.lineTo(size.width(), size.height() * 0.75);
    hills.lineTo(size.width(), size.height());
    hills.closeSubpath();
    painter.setBrush(QColor(0x29, 0x90, 0xff));
    painter.drawPath(hills);
    painter.setClipping(false);
    painter.setPen(QPen(QColor(0xd6, 0xdd, 0xe3), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 4, 4);
    return pixmap;
}

QLabel* MakeText(const QString& text, int fontIndex, const char* color, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(AppStyle::instance().font(fontIndex));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
    label->setWordWrap(true);
    return label;
}

quint64 SumCompressible()
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    quint64 sum = 0;
    for (const OneKeyFileInfo& file : store->m_obLCompressPhotos)
        sum += file.m_nSize;
    return sum;
}

quint64 SumAllPhotos()
{
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    quint64 sum = 0;
    for (const OneKeyMediaInfo& photo : store->m_obLPhotos)
        sum += photo.m_nSize;
    return sum;
}

} // namespace

ImageCompressionScanReslut::ImageCompressionScanReslut(QWidget* parent)
    : QWidget(parent)
    , m_compressLine(MakeText(QString(), 6, "#616c72", this))
    , m_exportLine(MakeText(QString(), 6, "#616c72", this))
    , m_savedLine(MakeText(QString(), 6, "#616c72", this))
    , m_compressButton(MakeActionButton(QStringLiteral("backupCompressButton"), tr("Backup & Compress"), this))
    , m_exportButton(MakeActionButton(QStringLiteral("exportDeleteButton"), tr("Export & Delete"), this))
    , m_backButton(MakeSecondaryButton(QStringLiteral("photoResultBackButton"), tr("Back"), this))
{
    setObjectName(QStringLiteral("ImageCompressionScanReslut"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    // A single '&' would become a shortcut marker and vanish from the button.
    m_compressButton->setText(tr("Backup & Compress").replace(QLatin1Char('&'), QLatin1String("&&")));
    m_exportButton->setText(tr("Export & Delete").replace(QLatin1Char('&'), QLatin1String("&&")));
    m_compressButton->setMinimumWidth(170);
    m_exportButton->setMinimumWidth(170);
    m_compressLine->setObjectName(QStringLiteral("compressionSavingLabel"));
    m_exportLine->setObjectName(QStringLiteral("exportSavingLabel"));
    m_savedLine->setObjectName(QStringLiteral("compressionSavedLabel"));
    m_compressLine->setTextFormat(Qt::RichText);
    m_exportLine->setTextFormat(Qt::RichText);
    m_savedLine->hide();

    auto makeCard = [this](const QString& objectName) {
        auto* card = new QWidget(this);
        card->setObjectName(objectName);
        card->setAttribute(Qt::WA_StyledBackground);
        card->setStyleSheet(
            QStringLiteral("QWidget#%1 { border: 1px solid #e3e8ed; border-radius: 6px; }").arg(objectName));
        return card;
    };

    // Compression.
    QWidget* compressCard = makeCard(QStringLiteral("compressionCard"));
    QLabel* compressTitle = MakeText(tr("Lossless compression to free up about 75% of your camera’s photo space."), 2,
                                     "#3c4449", compressCard);
    auto* compressLayout = new QVBoxLayout(compressCard);
    compressLayout->setContentsMargins(24, 22, 24, 22);
    compressLayout->setSpacing(14);
    compressLayout->addWidget(compressTitle);
    compressLayout->addWidget(makeIllustration(), 0, Qt::AlignHCenter);
    compressLayout->addStretch();
    m_compressLine->setParent(compressCard);
    m_savedLine->setParent(compressCard);
    compressLayout->addWidget(m_compressLine);
    compressLayout->addWidget(m_savedLine);
    m_compressButton->setParent(compressCard);
    compressLayout->addWidget(m_compressButton, 0, Qt::AlignRight);

    // Export and delete.
    QWidget* exportCard = makeCard(QStringLiteral("exportCard"));
    QLabel* exportTitle
        = MakeText(tr("Export selected photos to PC and delete them from iOS device to save more space."), 2, "#3c4449",
                   exportCard);
    auto* exportPicture = new QLabel(exportCard);
    exportPicture->setObjectName(QStringLiteral("exportPicture"));
    exportPicture->setPixmap(SkinPixmap(QStringLiteral("photo_video.png")));
    auto* exportLayout = new QVBoxLayout(exportCard);
    exportLayout->setContentsMargins(24, 22, 24, 22);
    exportLayout->setSpacing(14);
    exportLayout->addWidget(exportTitle);
    exportLayout->addWidget(exportPicture, 0, Qt::AlignHCenter);
    exportLayout->addStretch();
    m_exportLine->setParent(exportCard);
    exportLayout->addWidget(m_exportLine);
    m_exportButton->setParent(exportCard);
    exportLayout->addWidget(m_exportButton, 0, Qt::AlignRight);

    auto* cards = new QHBoxLayout;
    cards->setSpacing(24);
    cards->addWidget(compressCard, 1);
    cards->addWidget(exportCard, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_backButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 36, 40, 24);
    layout->setSpacing(20);
    layout->addLayout(cards, 1);
    layout->addLayout(bottom);

    connect(m_backButton, &QPushButton::clicked, this, &ImageCompressionScanReslut::SLOT_ShowBackView);
    connect(m_compressButton, &QPushButton::clicked, this, &ImageCompressionScanReslut::SLOT_CompressView);
    connect(m_exportButton, &QPushButton::clicked, this, &ImageCompressionScanReslut::SLOT_BrowseView);

    Refresh();
}

QWidget* ImageCompressionScanReslut::makeIllustration()
{
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("compressionIllustration"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(18);
    auto addPhoto = [box, row](const QSize& size, const QString& caption) {
        auto* column = new QVBoxLayout;
        column->setSpacing(6);
        auto* picture = new QLabel(box);
        picture->setPixmap(PaintedPhoto(size));
        picture->setFixedHeight(96);
        picture->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QLabel* text = MakeText(caption, 0, "#616c72", box);
        text->setAlignment(Qt::AlignHCenter);
        text->setWordWrap(false);
        column->addWidget(picture);
        column->addWidget(text);
        row->addLayout(column);
    };
    addPhoto(QSize(128, 96), tr("Before (26MB)"));
    auto* arrow = new QLabel(QStringLiteral("\u2192"), box);
    arrow->setFont(AppStyle::instance().font(20));
    arrow->setStyleSheet(QStringLiteral("color: #2990ff;"));
    row->addWidget(arrow, 0, Qt::AlignVCenter);
    addPhoto(QSize(128, 96), tr("After (1.2MB)"));
    return box;
}

void ImageCompressionScanReslut::Refresh()
{
    m_compressionSaving = SumCompressible() * 75 / 100;
    m_exportSaving = SumAllPhotos();
    const QString orange = QLatin1String(kOrange);
    m_compressLine->setText(tr("<font color = '%1'>%2</font> space can be saved by lossless photo compression.")
                                .arg(orange, FormatSizeIn(staticMetaObject.className(), m_compressionSaving)));
    m_exportLine->setText(tr("Export and deletion of photos can help you save up to <font color = '%1'>%2</font>")
                              .arg(orange, FormatSizeIn(staticMetaObject.className(), m_exportSaving)));
    SetActionButtonEnabled(m_compressButton, m_compressionSaving > 0);
    SetActionButtonEnabled(m_exportButton, m_exportSaving > 0);
}

void ImageCompressionScanReslut::SetSavedSize(quint64 bytes)
{
    m_savedSize = bytes;
    m_savedLine->setText(tr("The last compression saved %1.").arg(FormatSizeIn(staticMetaObject.className(), bytes)));
    m_savedLine->setVisible(bytes > 0);
}

void ImageCompressionScanReslut::SLOT_ShowBackView()
{
    const int target = OneKeyBackTarget(this);
    if (target >= 0)
        emit onShowBackView(target);
}

void ImageCompressionScanReslut::SLOT_CompressView()
{
    // The other features stay locked until the compression ends or is stopped.
    EnableOtherTabs(false);
    // Counted before the task starts taking compressed photos off the list.
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        m_postedCount = store->m_obLCompressPhotos.size();
    }
    if (CleanPosted(CController::GetInstance()->PostOneKeyClearTask(OV_ONEKEY_COMPRESS_PHOTOS), this))
        emit onCompressView(OneKeyPage::PhotoBackingUp);
}

void ImageCompressionScanReslut::SLOT_BrowseView()
{
    emit onExportView(OneKeyPage::PhotoBrowse);
}
