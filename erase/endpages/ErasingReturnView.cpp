#include "ErasingReturnView.h"

#include "DialogButton.h"
#include "ErasePageParts.h"
#include "MainWindowAccess.h"
#include "SkinImage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ErasingReturnView::ErasingReturnView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("erasingReturnView"));
    m_picture = MakeErasePicture(QStringLiteral("returnPicture"), QStringLiteral("data_erasure_failed.png"), this);
    QLabel* title = MakeEraseText(QStringLiteral("returnTitle"), tr("Stopped by user"), 22, this);
    title->setAlignment(Qt::AlignCenter);

    auto* steps = new QGridLayout;
    steps->setHorizontalSpacing(12);
    m_deletionIcon = MakeErasePicture(QStringLiteral("deletionIcon"), QStringLiteral("/eraseFillDataFailed.png"), this);
    steps->addWidget(m_deletionIcon, 0, 0, 2, 1);
    steps->addWidget(MakeEraseText(QStringLiteral("deletionName"), tr("Data Deletion"), 15, this), 0, 1);
    m_deletionDescription = MakeEraseText(QStringLiteral("deletionDescription"), QString(), 13, this);
    steps->addWidget(m_deletionDescription, 1, 1);
    m_deletionState = MakeEraseText(QStringLiteral("deletionState"), QString(), 15, this);
    steps->addWidget(m_deletionState, 0, 2, 2, 1);

    m_erasureRow = new QWidget(this);
    auto* erasure = new QGridLayout(m_erasureRow);
    erasure->setContentsMargins(0, 0, 0, 0);
    erasure->setHorizontalSpacing(12);
    erasure->addWidget(
        MakeErasePicture(QStringLiteral("erasureIcon"), QStringLiteral("/eraseFillDataFailed.png"), m_erasureRow), 0, 0,
        2, 1);
    erasure->addWidget(MakeEraseText(QStringLiteral("erasureName"), tr("Data Erasure"), 15, m_erasureRow), 0, 1);
    erasure->addWidget(MakeEraseText(QStringLiteral("erasureDescription"),
                                     tr("             Fill the empty space on the device"), 13, m_erasureRow),
                       1, 1);
    erasure->addWidget(MakeEraseText(QStringLiteral("erasureState"), tr("Stopped"), 15, m_erasureRow), 0, 2, 2, 1);

    auto* home = MakeDialogButton(QStringLiteral("returnHomeButton"), tr("      Home"), true, this);
    home->setAccessibleName(tr("Home"));
    connect(home, &QPushButton::clicked, this, &ErasingReturnView::OnClickedHomeBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 30, 60, 30);
    layout->addStretch(2);
    layout->addWidget(m_picture, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(title);
    layout->addSpacing(20);
    layout->addLayout(steps);
    layout->addWidget(m_erasureRow);
    layout->addSpacing(24);
    layout->addWidget(home, 0, Qt::AlignHCenter);
    layout->addStretch(3);

    Prepare(0);
}

void ErasingReturnView::Prepare(int feature)
{
    m_feature = feature;
    switch (feature) {
    case 4:
        m_deletionDescription->setText(tr("             Erase the fragments the chosen apps left behind"));
        break;
    case 2:
    case 3:
        m_deletionDescription->setText(tr("             Erase the selected files"));
        break;
    default:
        m_deletionDescription->setText(tr("             Erase private data and system settings"));
        break;
    }
    // Fragments are erased without a fill afterwards.
    m_erasureRow->setVisible(feature != 4);
    SetDeletionDone(false);
}

void ErasingReturnView::SetDeletionDone(bool done)
{
    m_deletionDone = done;
    m_deletionState->setText(done ? tr("Completed") : tr("Stopped"));
    m_deletionIcon->setPixmap(
        SkinPixmap(done ? QStringLiteral("/eraseDataSuccess.png") : QStringLiteral("/eraseFillDataFailed.png")));
    m_picture->setPixmap(
        SkinPixmap(done ? QStringLiteral("data_deletion_success.png") : QStringLiteral("data_erasure_failed.png")));
}

void ErasingReturnView::OnClickedHomeBtn()
{
    emit signalEraseReturnClickedBtn();
    emit SignalSwitchPage(0);
}

void ErasingReturnView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The stopped work is over: the user may go anywhere again.
    if (MainWindowAccess* window = MainWindowAccess::instance())
        window->enableTabs(true);
}
