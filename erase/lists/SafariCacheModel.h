#pragma once

#include <QAbstractItemModel>
#include <QVector>

/// Safari's cache by site: one item per host with its number of entries and their size,
/// expanding to the entries themselves. Every box is the entries' selected flags.
class SafariCacheModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit SafariCacheModel(QObject* parent = nullptr);

    void SetAll(bool on);
    /// 0 nothing selected, 1 some, 2 all.
    int Overall() const;
    int SiteCount() const { return m_sites.size(); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void userChecked();

private:
    struct Site
    {
        QString host;
        QVector<int> entries; // indexes into the store's cache list
        quint64 size = 0;
    };

    Qt::CheckState SiteState(const Site& site) const;
    void SetSite(const Site& site, bool on);

    QVector<Site> m_sites;
};
