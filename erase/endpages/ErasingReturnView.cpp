#include "ErasingReturnView.h"

ErasingReturnView::ErasingReturnView(QWidget* parent)
    : QWidget(parent)
{ }

void ErasingReturnView::Prepare(int feature)
{
    Q_UNUSED(feature)
}

void ErasingReturnView::OnClickedHomeBtn()
{
    emit signalEraseReturnClickedBtn();
    emit SignalSwitchPage(0);
}
