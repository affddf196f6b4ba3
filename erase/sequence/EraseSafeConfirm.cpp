#include "EraseSafeConfirm.h"

EraseSafeConfirm::EraseSafeConfirm(int feature, OvModel* model, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_model(model)
{ }

void EraseSafeConfirm::SetTitle(const QString& title)
{
    Q_UNUSED(title)
}

void EraseSafeConfirm::SetPicture(const QString& picture)
{
    Q_UNUSED(picture)
}

void EraseSafeConfirm::OnClickedCancelBtn() { }
void EraseSafeConfirm::OnClickedEraseNowBtn() { }
void EraseSafeConfirm::OnLinkLevel() { }
void EraseSafeConfirm::onConfirmSettingLevel(int level)
{
    Q_UNUSED(level)
}
