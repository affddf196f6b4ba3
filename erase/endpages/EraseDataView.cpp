#include "EraseDataView.h"

#include "ErasePageParts.h"
#include "OvCustomNOButton.h"
#include "OvMessageBox.h"
#include "OvStyleProgressBar.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

EraseDataView::EraseDataView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("eraseDataView"));
    QLabel* device = MakeErasePicture(QStringLiteral("eraseDataDevice"), QStringLiteral("/device_mini.png"), this);
    QLabel* status = MakeEraseText(QStringLiteral("eraseDataStatus"), tr("Erasing data..."), 16, this);
    status->setAlignment(Qt::AlignCenter);
    m_chosenLabel = MakeEraseText(QStringLiteral("eraseDataChosen"), QString(), 13, this);
    m_chosenLabel->setAlignment(Qt::AlignCenter);
    m_bar = new OvStyleProgressBar(this);
    m_bar->setObjectName(QStringLiteral("eraseDataProgress"));
    m_bar->setAccessibleName(tr("Erase progress"));
    m_bar->setFixedWidth(540);
    m_stop = MakeEraseStopButton(QStringLiteral("eraseDataStopButton"), tr("Stop"), this);
    connect(m_stop, &QPushButton::clicked, this, &EraseDataView::OnClickedEraseDataStopBtn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addStretch(3);
    layout->addWidget(device, 0, Qt::AlignHCenter);
    layout->addSpacing(20);
    layout->addWidget(status);
    layout->addSpacing(6);
    layout->addWidget(m_chosenLabel);
    layout->addSpacing(16);
    layout->addWidget(m_bar, 0, Qt::AlignHCenter);
    layout->addSpacing(18);
    layout->addWidget(m_stop, 0, Qt::AlignHCenter);
    layout->addStretch(4);
}

void EraseDataView::SetEraseMap(const QMap<QString, bool>& chosen)
{
    m_chosen.clear();
    for (auto it = chosen.cbegin(); it != chosen.cend(); ++it) {
        if (it.value())
            m_chosen << it.key();
    }
    m_chosenLabel->setText(m_chosen.join(QStringLiteral(", ")));
    SetProgress(0);
}

void EraseDataView::SetProgress(int value)
{
    m_bar->SetValue(qBound(0, value, 100));
}

int EraseDataView::Progress() const
{
    return m_bar->Value();
}

void EraseDataView::OnClickedEraseDataStopBtn()
{
    // The box runs its own event loop: the erase may end, and this page go away, meanwhile.
    QPointer<EraseDataView> self(this);
    const int answer = OvMessageBox::Ask(
        this, tr("It may damage your data or device if you stop erasing. Are you sure you want to stop now?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("/warning.png"), tr("Warning"));
    if (!self || answer != OvMessageBox::Yes || !isVisible())
        return;
    emit signalEraseDataClickedStopBtn(0);
}

void EraseDataView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_stop->show();
}
