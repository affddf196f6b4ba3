#pragma once

#include <QWidget>

class OvStyleCheckBox;
class QLabel;

/// One junk category of the junk result page: check box, icon, caption, description and
/// the size found. Checking it offers its size to the page's selected total, unchecking
/// takes it back, so the page's total always equals the sum of the checked rows.
class TaskWidget : public QWidget
{
    Q_OBJECT

public:
    /// `iconPrefix` names the icon set: "crash_logs_" gives "crash_logs_normal.png" and so on.
    TaskWidget(int code, const QString& objectName, const QString& caption, const QString& description,
               const QString& iconPrefix, QWidget* parent = nullptr);

    int Code() const { return m_code; }
    /// Back to "Wait": no result, unchecked, nothing to check.
    void Reset();
    /// The scan result: checked and enabled while `size` > 0, else unchecked and disabled.
    void SetResult(quint64 size, quint64 count);
    bool HasResult() const { return m_hasResult; }
    bool IsChecked() const;
    quint64 Size() const { return m_size; }
    quint64 Count() const { return m_count; }
    QString SizeText() const;
    /// The icon image shown now (for the hover, pressed and no-item looks).
    QString IconImage() const { return m_iconImage; }

signals:
    void signalAddSize(quint64, quint64);
    void signalDelSize(quint64, quint64);

public slots:
    /// Follows the check box: `nType` is its new check state.
    void UpdateView(int nType);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString FormatText(quint64 bytes) const;
    void ShowIcon(const QString& state);
    void ShowRestingIcon();
    void ShowSize();

    int m_code;
    QString m_iconPrefix;
    QString m_iconImage;
    quint64 m_size = 0;
    quint64 m_count = 0;
    bool m_hasResult = false;
    bool m_hovered = false;
    OvStyleCheckBox* m_check = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_sizeLabel = nullptr;
};
