#include "EraseAllDataFinishedView.h"

EraseAllDataFinishedView::EraseAllDataFinishedView(const QString& text, QWidget* parent)
    : QWidget(parent)
{
    SetText(text);
}

void EraseAllDataFinishedView::SetText(const QString& text)
{
    Q_UNUSED(text)
}

void EraseAllDataFinishedView::DoneButtonClicked()
{
    emit onDone();
    emit SignalSwitchPage(0);
}
