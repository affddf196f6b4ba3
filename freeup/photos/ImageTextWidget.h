#pragma once

#include <QColor>
#include <QWidget>

/// One line of text drawn in the program's font family ("Segoe UI"), elided when it does
/// not fit. Cheaper than a label where hundreds of them exist (the date of every group).
class ImageTextWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ImageTextWidget(const QString& text = QString(), QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return m_text; }
    void SetColor(const QColor& color);
    /// Pixel size and weight of the line; the family stays that of AppStyle.
    void SetFontSize(int pixelSize, QFont::Weight weight = QFont::Normal);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_color { 0x61, 0x6c, 0x72 };
};
