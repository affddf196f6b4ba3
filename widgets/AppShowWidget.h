#pragma once

#include <QWidget>

class OvElidedLabel;
class OvStyleCheckBox;
class QLabel;

/// One app of the app list: a check box, the app's icon, its name and its size. Every
/// change of the check box is reported as signalAppIsChecked(id, state).
class AppShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit AppShowWidget(int id, QWidget* parent = nullptr);

    int Id() const { return m_id; }
    /// `iconFile` is a picture file on the computer; without one "app_default.png" shows.
    void SetApp(const QString& name, const QString& sizeText, const QString& iconFile = QString());
    QString Name() const;
    void SetChecked(bool checked);
    bool IsChecked() const;
    OvStyleCheckBox* CheckBox() const { return m_checkBox; }
    /// Whether the app's own icon is shown (false while the default is).
    bool HasOwnIcon() const { return m_ownIcon; }

signals:
    void signalAppIsChecked(int id, bool state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_id;
    bool m_ownIcon = false;
    OvStyleCheckBox* m_checkBox = nullptr;
    QLabel* m_icon = nullptr;
    OvElidedLabel* m_name = nullptr;
    QLabel* m_size = nullptr;
};
