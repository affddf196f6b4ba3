#pragma once

#include <QColor>
#include <QPointer>
#include <QPushButton>

class QMenu;

/// A push button drawn from up to five skin images, one per visual state, with a text
/// colour per state. States: 0 normal, 1 hover, 2 pressing, 3 selected (a base state the
/// owner sets, e.g. the chosen item of a group), 4 disabled. A state without an image of
/// its own keeps showing the image shown last.
class OvCustomNOButton : public QPushButton
{
    Q_OBJECT

public:
    enum State { Normal = 0, Hover = 1, Pressing = 2, Selected = 3, Disabled = 4 };
    /// The button image sets of the skin.
    enum ImageSet { CommonImages, BackImages, BigImages, Button110Images, StopImages };

    explicit OvCustomNOButton(QWidget* parent = nullptr);
    explicit OvCustomNOButton(const QString& text, QWidget* parent = nullptr);

    /// Image names in the order normal, hover, pressing, selected, disabled; an empty name
    /// means the state has no image of its own.
    void SetImages(const QString& normal, const QString& hover, const QString& pressing, const QString& selected,
                   const QString& disabled);
    /// One of the skin's sets, with text colours that suit it.
    void SetImageSet(ImageSet set);
    void SetTextColors(const QColor& normal, const QColor& hover, const QColor& pressing, const QColor& selected,
                       const QColor& disabled);
    /// State 0 when enabled, 4 when disabled; the base state follows. Disabling the button
    /// any other way (setEnabled, a disabled parent) does the same.
    void SetEnabled(bool enabled);
    /// When `state` differs from the base state, both the state and the base become it.
    void SetBaseState(int state);
    /// Minimum and maximum size equal.
    void SetButtonFixedSize(int width, int height);
    /// Opened at the cursor on a context-menu request; null removes it.
    void SetContextMenu(QMenu* menu);
    void SetHoverTracking(bool on) { m_hoverTracking = on; }
    void SetPressTracking(bool on) { m_pressTracking = on; }
    /// Whether a release of another button than the left one clicks too.
    void SetAcceptRightClick(bool on) { m_acceptRightClick = on; }
    /// The number signalClickBtn carries.
    void SetButtonId(int id) { m_id = id; }
    int ButtonId() const { return m_id; }
    /// Text and accessible name together; emits signalTextChange when the text changes.
    void SetButtonText(const QString& text);

    int State() const { return m_state; }
    int BaseState() const { return m_baseState; }
    /// The image name drawn in the current state (empty when none was ever set).
    QString CurrentImage() const { return m_shownImage; }
    QString Image(int state) const;
    QColor TextColor(int state) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void signalClickBtn(int);
    void signalDoubleClicked();
    void signalTextChange(QString);

public slots:
    void slotClickBtn();

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void setState(int state);

    QString m_images[5];
    QColor m_colors[5];
    QString m_shownImage;
    int m_state = Normal;
    int m_baseState = Normal;
    bool m_hoverTracking = true;
    bool m_pressTracking = true;
    bool m_acceptRightClick = false;
    int m_id = 0;
    QPointer<QMenu> m_menu;
};
