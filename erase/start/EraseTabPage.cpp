#include "EraseTabPage.h"

#include "FeatureHomePage.h"

#include <QPushButton>
#include <QVBoxLayout>

EraseTabPage::EraseTabPage(int feature, OvModel* model, const QString& picture, const QString& title,
                           const QString& description, const QString& buttonText, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_model(model)
{
    m_home = new FeatureHomePage(picture, title, description, this);
    m_start = new QPushButton(buttonText, this);
    m_start->setObjectName(QStringLiteral("eraseStartButton"));
    connect(m_start, &QPushButton::clicked, this, &EraseTabPage::slotNext);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_home, 1);
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
}

void EraseTabPage::slotNext()
{
    // The start checks arrive with the analysis pages.
}

void EraseTabPage::SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes)
{
    m_home->SetDeviceInfo(name, totalBytes, freeBytes);
}
