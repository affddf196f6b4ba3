#pragma once

#include "EraseListView.h"

class ListCheckBox;
class QTreeView;
class SafariCacheModel;

/// Safari's cache, one item per site; clicking an item expands its entries.
class SafariCache : public EraseListView
{
    Q_OBJECT

public:
    explicit SafariCache(int mode, QWidget* parent = nullptr);
    ~SafariCache() override;

    QTreeView* Tree() const { return m_tree; }
    SafariCacheModel* Model() const { return m_model; }
    ListCheckBox* HeaderBox() const { return m_headerBox; }

public slots:
    void receiveLeftCheckBoxState(bool on) override;

private:
    void UserChanged();
    void PlaceHeaderBox();

    SafariCacheModel* m_model;
    QTreeView* m_tree;
    ListCheckBox* m_headerBox;
};
