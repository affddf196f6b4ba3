#include "EraseAllDataFailureView.h"

EraseAllDataFailureView::EraseAllDataFailureView(QWidget* parent)
    : QWidget(parent)
{ }

void EraseAllDataFailureView::SetForm(Form form, bool fillPlanned)
{
    Q_UNUSED(fillPlanned)
    m_form = form;
}

void EraseAllDataFailureView::TestClickedToHome()
{
    emit onHome();
    emit SignalSwitchPage(0);
}
