#pragma once

#include <QWidget>

class QHBoxLayout;
class QStackedWidget;

/// Base of every feature model: a widget holding a stack of numbered pages, one per step
/// of the feature, showing exactly one. Views never show each other; they emit the index
/// of the next page and the model switches with SwitchPage.
class OvModel : public QWidget
{
    Q_OBJECT

public:
    explicit OvModel(QWidget* parent = nullptr);

    /// Inserts `page` at `index`, or appends it when `index` is past the last page.
    /// A negative index or a null page adds nothing.
    void AddPage(int index, QWidget* page);

    QStackedWidget* pages() const { return m_stack; }

public slots:
    void SwitchPage(int nIndex);

private:
    QHBoxLayout* m_layout = nullptr;
    QStackedWidget* m_stack = nullptr;
};
