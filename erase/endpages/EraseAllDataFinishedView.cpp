#include "EraseAllDataFinishedView.h"

#include "DialogButton.h"
#include "ErasePageParts.h"
#include "OvSPushButton.h"
#include "WebLinks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

namespace {

void Share(WebLinks::Page network)
{
    WebLinks::open(WebLinks::shareAddress(network, WebLinks::address(WebLinks::ProductHome)));
}

} // namespace

EraseAllDataFinishedView::EraseAllDataFinishedView(const QString& text, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("eraseFinishedView"));
    QLabel* picture
        = MakeEraseMovie(QStringLiteral("finishedAnimation"), QStringLiteral("succeed_icon.gif"), m_success, this);
    m_text = MakeEraseText(QStringLiteral("finishedText"), QString(), 20, this);
    m_text->setAlignment(Qt::AlignCenter);

    auto* done = MakeDialogButton(QStringLiteral("finishedDoneButton"), tr("Done"), true, this);
    done->setAccessibleName(done->text());
    connect(done, &QPushButton::clicked, this, &EraseAllDataFinishedView::DoneButtonClicked);

    auto* shareRow = new QHBoxLayout;
    shareRow->addStretch();
    shareRow->addWidget(MakeEraseText(QStringLiteral("shareInvite"), tr("Share it with your friends:"), 13, this));
    shareRow->addWidget(MakeEraseText(QStringLiteral("shareLabel"), tr("Share"), 13, this));
    struct Network
    {
        const char* name;
        QString normal;
        QString hover;
        QString accessible;
        void (EraseAllDataFinishedView::*slot)();
    };
    const Network networks[] = {
        { "shareFacebookButton", QStringLiteral("share_facebook_normal.png"),
          QStringLiteral("share_facebook_hover.png"), tr("Share on Facebook"),
          &EraseAllDataFinishedView::slotOpenLink },
        { "shareTwitterButton", QStringLiteral("share_twitter_normal.png"), QStringLiteral("share_twitter_hover.png"),
          tr("Share on Twitter"), &EraseAllDataFinishedView::SLOT_twitterShare },
        { "shareGoogleButton", QStringLiteral("/share_google_normal.png"), QStringLiteral("/share_google_hover.png"),
          tr("Share on Google"), &EraseAllDataFinishedView::SLOT_googleShare },
    };
    for (const Network& network : networks) {
        auto* button = new OvSPushButton(network.normal, network.hover, network.hover, this);
        button->setObjectName(QLatin1String(network.name));
        // Icon-only: the name is what a screen reader says.
        button->setAccessibleName(network.accessible);
        button->setToolTip(network.accessible);
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, network.slot);
        shareRow->addWidget(button);
    }
    shareRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addStretch(2);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addSpacing(20);
    layout->addWidget(m_text);
    layout->addSpacing(24);
    layout->addWidget(done, 0, Qt::AlignHCenter);
    layout->addStretch(3);
    layout->addLayout(shareRow);

    SetText(text);
}

void EraseAllDataFinishedView::SetText(const QString& text)
{
    m_text->setText(text.isEmpty() ? tr("All the data has been erased.") : text);
    m_text->setAccessibleName(m_text->text());
}

QString EraseAllDataFinishedView::Text() const
{
    return m_text->text();
}

void EraseAllDataFinishedView::slotOpenLink()
{
    Share(WebLinks::ShareFacebook);
}

void EraseAllDataFinishedView::SLOT_twitterShare()
{
    Share(WebLinks::ShareTwitter);
}

void EraseAllDataFinishedView::SLOT_googleShare()
{
    Share(WebLinks::ShareGoogle);
}

void EraseAllDataFinishedView::DoneButtonClicked()
{
    emit onDone();
    emit SignalSwitchPage(0);
}

void EraseAllDataFinishedView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_success->isValid())
        m_success->start();
}

void EraseAllDataFinishedView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_success->stop();
}
