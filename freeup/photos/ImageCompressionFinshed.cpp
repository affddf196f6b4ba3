#include "ImageCompressionFinshed.h"

#include "AppStyle.h"
#include "FormatSize.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "SkinImage.h"
#include "StyleSheets.h"
#include "WebLinks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

struct PageTexts
{
    const char* sizeLine;
    const char* message;
    const char* link; // null: no folder link
    bool stopped;
};

// The texts are translated in the class's context where they are used.
PageTexts TextsOf(int page)
{
    switch (page) {
    case OneKeyPage::JunkStopped:
    case OneKeyPage::TempStopped:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Cleanup stopped!"), nullptr, true };
    case OneKeyPage::CompressFinished:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Cleanup completed."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Backup Folder"), false };
    case OneKeyPage::CompressStopped:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Compress stopped!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Backup Folder"), true };
    case OneKeyPage::PhotoDeleteFinished:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Deleted successfully."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Export Folder"), false };
    case OneKeyPage::PhotoExportFinished:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Exported successfully."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Export Folder"), false };
    case OneKeyPage::NoLargeFile:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "There is no large file to be deleted on your device."),
                 nullptr, true };
    case OneKeyPage::LargeExportFinished:
        return { "", QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Exported successfully."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Export Folder"), false };
    case OneKeyPage::LargeDeleteFinished:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Deleted successfully."),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Open Export Folder"), false };
    case OneKeyPage::AppsRemoved:
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "All selected apps have been removed."), nullptr, false };
    default: // 6 and 9, the junk and temporary-file ends
        return { QT_TRANSLATE_NOOP("ImageCompressionFinshed", "%1 has been released!"),
                 QT_TRANSLATE_NOOP("ImageCompressionFinshed", "Congratulations! Cleanup completed."), nullptr, false };
    }
}

QLabel* MakeLabel(int fontIndex, const char* color, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFont(AppStyle::instance().font(fontIndex));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(color)));
    return label;
}

} // namespace

ImageCompressionFinshed::ImageCompressionFinshed(int pageIndex, QWidget* parent)
    : QWidget(parent)
    , m_pageIndex(pageIndex)
    , m_icon(new QLabel(this))
    , m_sizeLabel(MakeLabel(16, "#3c4449", this))
    , m_messageLabel(MakeLabel(17, "#3c4449", this))
    , m_folderLink(new QPushButton(this))
    , m_doneButton(MakeActionButton(QStringLiteral("finishDoneButton"), tr("Done"), this))
    , m_continueButton(MakeSecondaryButton(QStringLiteral("finishContinueButton"), tr("Continue"), this))
    , m_crestlineLabel(MakeLabel(0, "#999999", this))
{
    setObjectName(QStringLiteral("ImageCompressionFinshed"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    const PageTexts texts = TextsOf(pageIndex);
    m_icon->setObjectName(QStringLiteral("finishIcon"));
    m_icon->setFixedSize(120, 120);
    m_icon->setAlignment(Qt::AlignCenter);
    m_sizeLabel->setObjectName(QStringLiteral("finishSizeLabel"));
    m_sizeLabel->setTextFormat(Qt::RichText);
    m_messageLabel->setObjectName(QStringLiteral("finishMessageLabel"));
    m_messageLabel->setWordWrap(true);

    if (texts.link)
        m_linkText = tr(texts.link);
    m_folderLink->setObjectName(QStringLiteral("openFolderLink"));
    m_folderLink->setText(m_linkText);
    m_folderLink->setAccessibleName(m_linkText);
    m_folderLink->setCursor(Qt::PointingHandCursor);
    m_folderLink->setFlat(true);
    m_folderLink->setFont(AppStyle::instance().font(6));
    m_folderLink->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; color: #5695e8;"
                                               " text-decoration: underline; padding: 0; text-align: left; }"));

    m_continueButton->setVisible(pageIndex == OneKeyPage::AppsRemoved);

    // Outcome: icon, size, message, folder link.
    auto* sizeRow = new QHBoxLayout;
    sizeRow->setSpacing(8);
    sizeRow->addWidget(m_sizeLabel, 0, Qt::AlignBaseline);
    sizeRow->addStretch();
    auto* outcome = new QVBoxLayout;
    outcome->setSpacing(10);
    outcome->addStretch();
    outcome->addLayout(sizeRow);
    outcome->addWidget(m_messageLabel);
    outcome->addWidget(m_folderLink, 0, Qt::AlignLeft);
    outcome->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(32);
    top->addStretch(1);
    top->addWidget(m_icon, 0, Qt::AlignVCenter);
    top->addLayout(outcome, 3);
    top->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(m_continueButton);
    buttons->addWidget(m_doneButton);

    // Sharing and the music product.
    auto* shareText = MakeLabel(6, "#616c72", this);
    shareText->setText(tr("Share it with your friends:"));
    auto* shareRow = new QHBoxLayout;
    shareRow->setSpacing(10);
    shareRow->addWidget(shareText);
    shareRow->addWidget(
        makeShareButton(QStringLiteral("facebook"), QStringLiteral("shareFacebookButton"), tr("Share on Facebook")));
    shareRow->addWidget(
        makeShareButton(QStringLiteral("twitter"), QStringLiteral("shareTwitterButton"), tr("Share on Twitter")));
    shareRow->addWidget(
        makeShareButton(QStringLiteral("google"), QStringLiteral("shareGoogleButton"), tr("Share on Google")));
    shareRow->addStretch();

    m_crestlineLabel->setObjectName(QStringLiteral("crestlineLink"));
    m_crestlineLabel->setTextFormat(Qt::RichText);
    m_crestlineLabel->setText(tr("Want to transfer music between iDevice and PC/iTunes, try <a href=\"crestline\" "
                                 "style=\"color:#5695e8;\">Crestline</a>."));
    m_crestlineLabel->setAccessibleName(tr("Crestline"));
    m_crestlineLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    auto* separator = new QWidget(this);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral("background: #e3e8ed;"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 24);
    layout->setSpacing(16);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->addWidget(separator);
    layout->addLayout(shareRow);
    layout->addWidget(m_crestlineLabel);

    connect(m_doneButton, &QPushButton::clicked, this, &ImageCompressionFinshed::SLOT_ShowEndView);
    connect(m_continueButton, &QPushButton::clicked, this, &ImageCompressionFinshed::slotShowNextView);
    connect(m_folderLink, &QPushButton::clicked, this, &ImageCompressionFinshed::SLOT_OpenBackupFolder);
    connect(m_crestlineLabel, &QLabel::linkActivated, this, &ImageCompressionFinshed::slotcrestlineLink);

    SetTexts(tr(texts.sizeLine), tr(texts.message));
    SetIcon(texts.stopped ? QStringLiteral("stopped_icon.png") : QStringLiteral("succeed_icon.gif"));
    SetReleasedSize(0);
    updateFolderLink();
}

QPushButton* ImageCompressionFinshed::makeShareButton(const QString& service, const QString& objectName,
                                                      const QString& accessibleName)
{
    auto* button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(32, 32);
    const QString normal = SkinUrl(QStringLiteral("share_") + service + QStringLiteral("_normal.png"));
    const QString hover = SkinUrl(QStringLiteral("share_") + service + QStringLiteral("_hover.png"));
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; border-image: url(%1); }"
                                         "QPushButton:hover, QPushButton:pressed { border-image: url(%2); }")
                              .arg(normal, hover));
    if (service == QLatin1String("facebook"))
        connect(button, &QPushButton::clicked, this, &ImageCompressionFinshed::SLOT_facebookShare);
    else if (service == QLatin1String("twitter"))
        connect(button, &QPushButton::clicked, this, &ImageCompressionFinshed::SLOT_twitterShare);
    else
        connect(button, &QPushButton::clicked, this, &ImageCompressionFinshed::SLOT_googleShare);
    return button;
}

void ImageCompressionFinshed::SetReleasedSize(quint64 bytes)
{
    m_released = bytes;
    m_sizeText = FormatSizeIn(staticMetaObject.className(), bytes);
    ShowSizeLine();
}

void ImageCompressionFinshed::AddReleasedSize(quint64 bytes)
{
    SetReleasedSize(m_released + bytes);
}

quint64 ImageCompressionFinshed::ShowRandomReleased()
{
    // Seeded from the clock each time, as the figure stands for an unmeasurable amount.
    std::srand(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch()));
    const double megabytes = (std::rand() % 7000 + 3000) / 100.0;
    m_released = static_cast<quint64>(megabytes * 1024 * 1024);
    m_sizeText = QString::number(megabytes) + QCoreApplication::translate(staticMetaObject.className(), "MB");
    ShowSizeLine();
    return m_released;
}

void ImageCompressionFinshed::SetFolder(const QString& folder)
{
    m_folder = folder;
    updateFolderLink();
}

void ImageCompressionFinshed::SetFolderLinkVisible(bool visible)
{
    m_folderLinkWanted = visible;
    updateFolderLink();
}

bool ImageCompressionFinshed::IsFolderLinkShown() const
{
    return !m_folderLink->isHidden();
}

void ImageCompressionFinshed::updateFolderLink()
{
    m_folderLink->setVisible(!m_linkText.isEmpty() && m_folderLinkWanted && !m_folder.isEmpty());
}

void ImageCompressionFinshed::SetTexts(const QString& sizeLine, const QString& message)
{
    m_sizeLine = sizeLine;
    ShowSizeLine();
    m_messageLabel->setText(message);
}

void ImageCompressionFinshed::SetIcon(const QString& name)
{
    m_iconName = name;
    if (m_movie) {
        m_icon->setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    if (name.section(QLatin1Char('.'), -1).compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
        m_movie = new QMovie(SkinImagePath(name), QByteArray(), this);
        connect(m_movie, &QMovie::frameChanged, this, &ImageCompressionFinshed::slotStopGif);
        m_icon->setMovie(m_movie);
        if (isVisible())
            m_movie->start();
        else
            m_movie->jumpToFrame(0);
    } else {
        m_icon->setPixmap(SkinPixmap(name));
    }
}

void ImageCompressionFinshed::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_movie) {
        m_movie->stop();
        m_movie->start();
    }
}

void ImageCompressionFinshed::slotStopGif(int nFrame)
{
    if (m_movie && m_movie->frameCount() > 0 && nFrame >= m_movie->frameCount() - 1)
        m_movie->stop();
}

void ImageCompressionFinshed::BeginRun()
{
    m_runSaving = 0;
}

void ImageCompressionFinshed::AddRunSaving(quint64 bytes)
{
    m_runSaving += bytes;
}

void ImageCompressionFinshed::EndRun()
{
    SetReleasedSize(m_runSaving);
}

QString ImageCompressionFinshed::SizeText() const
{
    return m_sizeText;
}

QString ImageCompressionFinshed::SizeLineText() const
{
    return m_sizeLine;
}

void ImageCompressionFinshed::ShowSizeLine()
{
    // One sentence, so that a translation may put the figure where its language wants it;
    // the figure keeps its own large orange type.
    const QFont big = AppStyle::instance().font(28);
    const QString size = big.pixelSize() > 0 ? QStringLiteral("%1px").arg(big.pixelSize())
                                             : QStringLiteral("%1pt").arg(big.pointSizeF());
    const QString figure = QStringLiteral("<span style=\"font-size:%1; color:#f7961f;\">%2</span>")
                               .arg(size, m_sizeText.toHtmlEscaped());
    m_sizeLabel->setText(m_sizeLine.isEmpty() ? figure : m_sizeLine.toHtmlEscaped().arg(figure));
}

QString ImageCompressionFinshed::MessageText() const
{
    return m_messageLabel->text();
}

void ImageCompressionFinshed::SLOT_ShowEndView()
{
    if (quickScanOrigin) {
        quickScanOrigin = false;
        emit onShowEndView(OneKeyPage::QuickResult);
    } else {
        emit onShowEndView(OneKeyPage::Home);
    }
}

void ImageCompressionFinshed::slotShowNextView()
{
    emit onShowNextView(OneKeyPage::AppList);
}

void ImageCompressionFinshed::SLOT_OpenBackupFolder()
{
    if (m_folder.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
}

void ImageCompressionFinshed::SLOT_facebookShare()
{
    WebLinks::open(WebLinks::shareAddress(WebLinks::ShareFacebook, WebLinks::address(WebLinks::ProductHome)));
    emit onFacebook();
}

void ImageCompressionFinshed::SLOT_twitterShare()
{
    WebLinks::open(WebLinks::shareAddress(WebLinks::ShareTwitter, WebLinks::address(WebLinks::ProductHome)));
}

void ImageCompressionFinshed::SLOT_googleShare()
{
    WebLinks::open(WebLinks::shareAddress(WebLinks::ShareGoogle, WebLinks::address(WebLinks::ProductHome)));
}

void ImageCompressionFinshed::slotcrestlineLink()
{
    WebLinks::open(WebLinks::address(WebLinks::CrestlineHome));
    emit onOpenLink();
}
