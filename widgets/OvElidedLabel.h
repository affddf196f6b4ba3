#pragma once

#include <QLabel>

/// A one-line label that ends a text too long for it with "…" instead of cutting a letter
/// in half; the whole text stays in its tool tip and accessible name.
class OvElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OvElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    /// Whether the text is shortened at the current width.
    bool IsElided() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
