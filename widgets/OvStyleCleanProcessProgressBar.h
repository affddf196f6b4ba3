#pragma once

#include "OvStyleProgressBar.h"

/// The progress bar of the cleaning pages: the same skin images, the percentage centred
/// above a full-width bar.
class OvStyleCleanProcessProgressBar : public OvStyleProgressBar
{
    Q_OBJECT

public:
    explicit OvStyleCleanProcessProgressBar(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    QRect BarRect() const override;
    QRect TextRect() const override;
    int TextAlignment() const override { return Qt::AlignHCenter | Qt::AlignBottom; }
};
