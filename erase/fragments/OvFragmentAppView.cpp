#include "OvFragmentAppView.h"

#include "FragmentApps.h"
#include "OvFragmentAppItem.h"
#include "OvMessageBox.h"
#include "OvSPushButton.h"
#include "SkinImage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 5;

} // namespace

OvFragmentAppView::OvFragmentAppView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fragmentAppView"));

    auto* picture = new QLabel(this);
    picture->setPixmap(SkinPixmap(QStringLiteral("fragment_app.png")));
    auto* header = new QLabel(this);
    header->setObjectName(QStringLiteral("fragmentHeader"));
    header->setTextFormat(Qt::RichText);
    header->setWordWrap(true);
    header->setText(tr("Permanently Erase Private Fragments - Make sure your private data stays private and is away "
                       "from privacy leak."));
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(header, 1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(18);
    const QVector<FragmentApp>& apps = FragmentApps();
    for (int i = 0; i < apps.size(); ++i) {
        auto* item = new OvFragmentAppItem(i, apps.at(i).name, this);
        connect(item, &OvFragmentAppItem::signalAppIsChecked, this, &OvFragmentAppView::slotCheckedSingleAppState);
        grid->addWidget(item, i / kColumns, i % kColumns);
        m_items.append(item);
    }

    m_back = new QPushButton(tr("     Back"), this);
    m_back->setObjectName(QStringLiteral("fragmentBackButton"));
    m_back->setAccessibleName(tr("Back"));
    m_back->setStyleSheet(OvSPushButton::ImageStyleSheet(QStringLiteral("back_button_normal.png"),
                                                         QStringLiteral("back_button_hover.png"),
                                                         QStringLiteral("back_button_pressing.png")));
    m_erase = new QPushButton(tr("Erase Now"), this);
    m_erase->setObjectName(QStringLiteral("fragmentEraseNowButton"));
    m_erase->setAccessibleName(tr("Erase Now"));
    m_erase->setStyleSheet(OvSPushButton::ImageStyleSheet(QStringLiteral("button110_normal.png"),
                                                          QStringLiteral("button110_hover.png"),
                                                          QStringLiteral("button110_pressing.png"))
                           + QStringLiteral("QPushButton:disabled{border-image: url(%1);}")
                                 .arg(SkinImagePath(QStringLiteral("button110_disable.png"))));
    for (QPushButton* button : { m_back, m_erase })
        button->setMinimumSize(110, 34);
    connect(m_back, &QPushButton::clicked, this, &OvFragmentAppView::slotClickedBackBtn);
    connect(m_erase, &QPushButton::clicked, this, &OvFragmentAppView::slotClickedEraseNowBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_back);
    buttons->addWidget(m_erase);

    // The apps directly under the heading; what is left of the page stays below them.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 28, 40, 24);
    layout->setSpacing(28);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    SetAppSizes({});
}

void OvFragmentAppView::SetAppSizes(const QMap<QString, qint64>& sizes)
{
    const QVector<FragmentApp>& apps = FragmentApps();
    for (int i = 0; i < m_items.size(); ++i) {
        m_items[i]->setChecked(false);
        m_items[i]->SetSize(sizes.value(apps.at(i).name), apps.at(i).picture, apps.at(i).emptyPicture);
    }
    checkEreaseButtonState();
}

QStringList OvFragmentAppView::ChosenApps() const
{
    QStringList chosen;
    for (const OvFragmentAppItem* item : m_items) {
        if (item->isEnabled() && item->isChecked())
            chosen << item->appName();
    }
    return chosen;
}

OvFragmentAppItem* OvFragmentAppView::item(const QString& name) const
{
    const int index = FragmentAppIndex(name);
    return index < 0 ? nullptr : m_items.at(index);
}

void OvFragmentAppView::slotCheckedSingleAppState(int appId, bool checked)
{
    Q_UNUSED(appId)
    Q_UNUSED(checked)
    checkEreaseButtonState();
}

void OvFragmentAppView::checkEreaseButtonState()
{
    m_erase->setEnabled(!ChosenApps().isEmpty());
}

void OvFragmentAppView::slotClickedBackBtn()
{
    const int answer = OvMessageBox::Ask(
        this, tr("If you go back, the scanning result won't be saved. Are you sure you want to go back?"),
        OvMessageBox::Yes | OvMessageBox::No, QStringLiteral("/tip_warning.png"), tr("Warning"));
    if (answer == OvMessageBox::Yes)
        emit signalClickedBack(0);
}

void OvFragmentAppView::slotClickedEraseNowBtn()
{
    // A click that raced the last box being cleared asks for nothing.
    if (ChosenApps().isEmpty())
        return;
    emit signalClickedErase(3);
}
