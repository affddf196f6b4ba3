#include "EraseDataView.h"

EraseDataView::EraseDataView(QWidget* parent)
    : QWidget(parent)
{ }

void EraseDataView::SetEraseMap(const QMap<QString, bool>& chosen)
{
    Q_UNUSED(chosen)
}

void EraseDataView::SetProgress(int value)
{
    Q_UNUSED(value)
}

void EraseDataView::OnClickedEraseDataStopBtn() { }
