#include "OvScanResultView.h"

OvScanResultView::OvScanResultView(int mode, int feature, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
    , m_feature(feature)
{ }

Qt::CheckState OvScanResultView::CategoryCheckState(const QString& eraseKey) const
{
    Q_UNUSED(eraseKey)
    return Qt::Unchecked;
}

void OvScanResultView::ResetView() { }
