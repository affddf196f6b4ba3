#pragma once

#include <QWidget>

class QButtonGroup;
class QHBoxLayout;
class QPushButton;

/// A row of page heads over a stack of pages ("Messages", "Attachments"): the chosen head
/// is underlined in the accent colour; choosing one emits onClickPage with its index.
class OvStyleTabHeadWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleTabHeadWidget(QWidget* parent = nullptr);

    /// Adds a head and returns its index; the first head added is chosen.
    int AddPage(const QString& text);
    void SetPageText(int index, const QString& text);
    /// Chooses a head without emitting anything.
    void SetCurrentPage(int index);
    int CurrentPage() const { return m_current; }
    int Count() const;
    QPushButton* Head(int index) const;

signals:
    void onClickPage(int);

public slots:
    void ClickPage(int);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_layout = nullptr;
    QButtonGroup* m_group = nullptr;
    int m_current = -1;
};
