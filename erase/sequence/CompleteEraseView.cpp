#include "CompleteEraseView.h"

CompleteEraseView::CompleteEraseView(int feature, EraseSafeConfirm* confirm, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
    , m_confirm(confirm)
{ }

void CompleteEraseView::slotUpdateFillProcess(int value)
{
    Q_UNUSED(value)
}
