#include "EraseAllDataFailureView.h"

#include "DialogButton.h"
#include "ErasePageParts.h"
#include "SkinImage.h"
#include "WebLinks.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EraseAllDataFailureView::EraseAllDataFailureView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("eraseFailureView"));
    m_picture = MakeErasePicture(QStringLiteral("failurePicture"), QStringLiteral("data_deletion_failed.png"), this);
    m_title = MakeEraseText(QStringLiteral("failureTitle"), QString(), 22, this);
    m_title->setAlignment(Qt::AlignCenter);

    auto* steps = new QGridLayout;
    steps->setHorizontalSpacing(16);
    steps->addWidget(MakeEraseText(QStringLiteral("deletionName"), tr("Data Deletion"), 15, this), 0, 0);
    steps->addWidget(MakeEraseText(QStringLiteral("deletionDescription"),
                                   tr("             Erase private data and system settings"), 13, this),
                     1, 0);
    m_deletionState = MakeEraseText(QStringLiteral("deletionState"), QString(), 15, this);
    steps->addWidget(m_deletionState, 0, 1, 2, 1);
    steps->addWidget(MakeEraseText(QStringLiteral("erasureName"), tr("Data Erasure"), 15, this), 2, 0);
    steps->addWidget(MakeEraseText(QStringLiteral("erasureDescription"),
                                   tr("             Fill the empty space on the device"), 13, this),
                     3, 0);
    m_erasureState = MakeEraseText(QStringLiteral("erasureState"), QString(), 15, this);
    steps->addWidget(m_erasureState, 2, 1, 2, 1);

    m_failedRow = new QWidget(this);
    m_failedRow->setObjectName(QStringLiteral("failedRow"));
    auto* failedLayout = new QHBoxLayout(m_failedRow);
    failedLayout->setContentsMargins(0, 0, 0, 0);
    failedLayout->addWidget(
        MakeEraseText(QStringLiteral("failedText"), tr("        Failed to erase some of the data: "), 13, m_failedRow));
    QLabel* why = MakeEraseLink(QStringLiteral("whyFailedLink"), tr("Why failed?"), WebLinks::address(WebLinks::Faq),
                                m_failedRow);
    connect(why, &QLabel::linkActivated, this, &EraseAllDataFailureView::slotWhyFialed);
    failedLayout->addWidget(why);
    failedLayout->addStretch();

    auto* home = MakeDialogButton(QStringLiteral("failureHomeButton"), tr("   Home"), true, this);
    home->setAccessibleName(tr("Home"));
    connect(home, &QPushButton::clicked, this, &EraseAllDataFailureView::TestClickedToHome);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 30, 60, 30);
    layout->addStretch(2);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(m_title);
    layout->addSpacing(20);
    layout->addLayout(steps);
    layout->addSpacing(12);
    layout->addWidget(m_failedRow);
    layout->addSpacing(20);
    layout->addWidget(home, 0, Qt::AlignHCenter);
    layout->addStretch(3);

    SetForm(Error, true);
}

void EraseAllDataFailureView::SetForm(Form form, bool fillPlanned)
{
    m_form = form;
    m_fillPlanned = fillPlanned;
    QString title;
    QString picture;
    QString deletion;
    QString erasure;
    switch (form) {
    case Completed:
        title = tr("Completed");
        picture = QStringLiteral("/data_deletion_success.png");
        deletion = tr("Completed");
        erasure = tr("Failed");
        break;
    case StoppedDeletionFailed:
        title = tr("Operation stopped by user");
        picture = QStringLiteral("/data_deletion_failed.png");
        deletion = tr("Stopped");
        erasure = tr("Not started");
        break;
    case StoppedDeletionDone:
        title = tr("Operation stopped by user");
        picture = QStringLiteral("/data_deletion_success.png");
        deletion = tr("Completed");
        erasure = tr("Stopped");
        break;
    case Error:
    default:
        m_form = Error;
        title = tr("Operation error");
        picture = QStringLiteral("data_deletion_failed.png");
        deletion = tr("Failed");
        erasure = tr("Not started");
        break;
    }
    // At the low level no fill was ever part of the erase: saying it failed would be false.
    if (!fillPlanned)
        erasure = tr("Not chosen");
    m_title->setText(title);
    m_picture->setPixmap(SkinPixmap(picture));
    m_picture->setAccessibleName(title);
    m_deletionState->setText(deletion);
    m_erasureState->setText(erasure);
    m_failedRow->setVisible(m_form == Error || (m_form == Completed && fillPlanned));
}

void EraseAllDataFailureView::slotWhyFialed(QString url)
{
    WebLinks::open(url.isEmpty() ? WebLinks::address(WebLinks::Faq) : url);
}

void EraseAllDataFailureView::TestClickedToHome()
{
    emit onHome();
    emit SignalSwitchPage(0);
}
