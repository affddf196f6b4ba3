#pragma once

#include "OvStyleScrollArea.h"

/// The scroll area of the photo grid. Besides every scroll it also reports a change of its
/// viewport's size through signalScrollPoint(int, int), since a taller viewport shows more
/// rows that need their cells.
class ImagePreviewScrollAreaStyle : public OvStyleScrollArea
{
    Q_OBJECT

public:
    explicit ImagePreviewScrollAreaStyle(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
