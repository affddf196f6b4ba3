#pragma once

#include <QAbstractButton>

/// One tab of OvTabControlWidget: an icon (normal or selected image) beside a text of up
/// to two lines, an underline in the accent colour when selected.
class OvTabButton : public QAbstractButton
{
    Q_OBJECT

public:
    OvTabButton(const QString& text, const QString& normalImage, const QString& selectedImage,
                QWidget* parent = nullptr);

    /// Text and accessible name (line breaks read as blanks).
    void SetTabText(const QString& text);
    QString NormalImage() const { return m_normalImage; }
    QString SelectedImage() const { return m_selectedImage; }
    /// The image drawn now.
    QString CurrentImage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// How the label is drawn: its own lines when they fit, otherwise wrapped at words, and
    /// in a smaller font only while a word or a line is still wider or taller than the tab.
    struct TextLayout
    {
        QFont font;
        QString text;
        int flags;
        QRect rect;
    };
    TextLayout LabelLayout() const;

    static const QColor kNormalText;
    static const QColor kSelectedText;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_normalImage;
    QString m_selectedImage;
    bool m_hovered = false;
    bool m_keyboardFocus = false;
};
