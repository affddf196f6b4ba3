#pragma once

#include "OvStyleDialog.h"

class QLabel;
class QPushButton;

/// The one message box of the program. It shows a title, a message, an optional icon and the
/// buttons of its button set, runs modally, and answers with the flag of the button pressed,
/// or 0 when it was closed any other way (Escape, the window system), which every caller
/// treats as "not confirmed".
class OvMessageBox : public OvStyleDialog
{
    Q_OBJECT

public:
    enum Button { Yes = 1, No = 2, OK = 4, Cancel = 8 };

    /// An empty `title` becomes the product title followed by the AppStyle version text.
    OvMessageBox(const QString& text, const QString& title, int buttons, QWidget* parent = nullptr);

    /// Asks on `parent` and returns the flag of the button pressed, or 0 when the box was
    /// closed any other way or went away with its parent while it waited. The buttons read
    /// "Yes", "No", "OK" and "Cancel"; `acceptText` renames Yes and OK, `rejectText` No and
    /// Cancel, after what the text asks for.
    static int Ask(QWidget* parent, const QString& text, int buttons = Yes | No, const QString& icon = QString(),
                   const QString& title = QString(), const QString& acceptText = QString(),
                   const QString& rejectText = QString());

    /// The four button texts, in the order Yes, No, OK, Cancel.
    void SetButtonText(const QString& yes, const QString& no, const QString& ok, const QString& cancel);
    /// An image of the skin shown beside the message ("tip_warning.png"); a missing image
    /// leaves the box without an icon.
    void SetIcon(const QString& imageName);
    /// The flag of the button pressed; 0 until one is.
    int GetResult() const { return m_result; }

    QString text() const { return m_text; }
    QString title() const { return m_title; }
    int buttons() const { return m_buttons; }
    QString iconName() const { return m_iconName; }

    /// Where a box of `box` size goes for a parent whose top left corner is `parentOnScreen`:
    /// centred on the parent, then kept on a desktop of `desktop` size.
    static QPoint placement(const QPoint& parentOnScreen, const QSize& parentSize, const QSize& box,
                            const QSize& desktop);

public slots:
    void slotClose_yes();
    void slotClose_no();
    void slotClose_ok();
    void slotClose_cancel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void closeWith(int flag);

    QString m_text;
    QString m_title;
    QString m_iconName;
    int m_buttons = 0;
    int m_result = 0;

    QLabel* m_iconLabel = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_messageLabel = nullptr;
    QPushButton* m_yesButton = nullptr;
    QPushButton* m_noButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
