#pragma once

#include <QList>
#include <QWidget>

class OvTabButton;
class QHBoxLayout;

/// The main window's feature tab bar. A click on an enabled tab selects it and emits
/// signalTabButtonSwitch with its index; the owner may then put the previous tab back with
/// SetCurrentTab, which emits nothing.
class OvTabControlWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvTabControlWidget(QWidget* parent = nullptr);

    /// Appends a tab and returns its index. `text` may hold a line break.
    int AddTabButton(const QString& text, const QString& normalImage, const QString& selectedImage);
    int Count() const { return m_tabs.size(); }
    /// -1 until a tab is selected.
    int CurrentIndex() const { return m_current; }
    /// Selects a tab without emitting anything; an index out of range selects none.
    void SetCurrentTab(int index);
    void SetTabEnabled(int index, bool enabled);
    bool IsTabEnabled(int index) const;
    void SetAllTabsEnabled(bool enabled);
    void SetTabText(int index, const QString& text);
    OvTabButton* TabButton(int index) const;

signals:
    void signalTabButtonSwitch(int);

public slots:
    /// Selects tab `nNewTabBtnIndex` and emits signalTabButtonSwitch, unless the tab is
    /// missing, disabled or already selected.
    void slotChangeTabBtn(int nNewTabBtnIndex);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_layout = nullptr;
    QList<OvTabButton*> m_tabs;
    int m_current = -1;
};
