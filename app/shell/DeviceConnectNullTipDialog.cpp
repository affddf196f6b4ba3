#include "DeviceConnectNullTipDialog.h"

#include "AppPaths.h"
#include "AppStyle.h"
#include "CompanionProcess.h"
#include "OvStyleWidgetTitle.h"
#include "WebLinks.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* textLine(const QString& text, int font, const char* colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(AppStyle::instance().font(font));
    label->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(colour)));
    return label;
}

QLabel* link(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(
        QStringLiteral("<a href=\"#\" style=\"color:#2990ff; text-decoration:none;\">%1</a>").arg(text.toHtmlEscaped()),
        parent);
    label->setObjectName(objectName);
    label->setAccessibleName(text);
    label->setFont(AppStyle::instance().font(8));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

DeviceConnectNullTipDialog::DeviceConnectNullTipDialog(QWidget* parent)
    : OvStyleDialog(parent)
{
    setObjectName(QStringLiteral("deviceConnectNullTipDialog"));
    setWindowTitle(tr("Your device is connected but unrecognized? Please try the following methods:"));
    setFixedWidth(600);

    auto* face = new QFrame(this);
    face->setObjectName(QStringLiteral("tipFace"));
    face->setStyleSheet(QStringLiteral("QFrame#tipFace{background:white;border:1px solid #d6e4f2;border-radius:6px;}"));
    auto* title = new OvStyleWidgetTitle(face);
    title->SetTitle(QStringLiteral("Velmora Dravo Free"));
    title->SetMoveWidget(this);

    auto* resolve = link(QStringLiteral("resolveConnectionLink"), tr("Resolve Connection Issues>>"), face);
    auto* more = link(QStringLiteral("moreMethodsLink"), tr("More Methods") + QStringLiteral(">>"), face);
    connect(resolve, &QLabel::linkActivated, this, &DeviceConnectNullTipDialog::OnClickedStartFixTool);
    connect(more, &QLabel::linkActivated, this, &DeviceConnectNullTipDialog::OpenUrlAboutFixOS);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(28, 14, 28, 22);
    body->setSpacing(8);
    body->addWidget(textLine(windowTitle(), 13, "#3c4449", face));
    body->addSpacing(4);
    body->addWidget(textLine(tr("If your device boots up and is plugged via USB in PC"), 9, "#2990ff", face));
    body->addWidget(textLine(tr("1. Ensure the latest version of iTunes is installed. Check if iTunes could recognize "
                                "your device. Try to uninstall and reinstall iTunes. "),
                             8, "#616c72", face));
    body->addWidget(
        textLine(tr("2. Unplug and re-plug in the device. Reboot the device and plug in again."), 8, "#616c72", face));
    body->addWidget(textLine(tr("3. Use the USB cable that comes with your iDevice.  Try to use a USB port on the back "
                                "of your computer."),
                             8, "#616c72", face));
    auto* links = new QHBoxLayout;
    links->addWidget(resolve);
    links->addSpacing(24);
    links->addWidget(more);
    links->addStretch();
    body->addSpacing(8);
    body->addLayout(links);

    auto* faceLayout = new QVBoxLayout(face);
    faceLayout->setContentsMargins(0, 0, 0, 0);
    faceLayout->addWidget(title);
    faceLayout->addLayout(body);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    outer->addWidget(face);
}

void DeviceConnectNullTipDialog::OnClickedStartFixTool(QString)
{
    // A missing repair program is not reported: the help texts remain.
    const QString dir = applicationDirectory();
    const std::string program
        = FindCompanionProgram((dir + QStringLiteral("/module")).toStdString(), "OvCheckItunesConnect.exe");
    if (!program.empty())
        StartDetachedProgram(program, dir.toStdString());
}

void DeviceConnectNullTipDialog::OpenUrlAboutFixOS(QString)
{
    WebLinks::open(WebLinks::address(WebLinks::FixConnection));
}
