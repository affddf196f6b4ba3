#pragma once

#include "OvStyleTableWidget.h"

/// A styled table that also reports presses of the right mouse button, after which the
/// owner opens its menu ("Check All", "Uncheck All").
class JStyleTableWidget : public OvStyleTableWidget
{
    Q_OBJECT

public:
    explicit JStyleTableWidget(QWidget* parent = nullptr);

signals:
    void SglRightBtnClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
