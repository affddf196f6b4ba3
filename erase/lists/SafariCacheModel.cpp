#include "SafariCacheModel.h"

#include "CGlobalData.h"
#include "EraseListView.h"

#include <QHash>
#include <QUrl>

namespace {

QVector<SafariCacheInfo>& Entries()
{
    return CGlobalData::GetInstance()->m_obLSafariCache;
}

constexpr quintptr TopLevel = 0; // internal id of sites; an entry's is its site's row + 1

} // namespace

SafariCacheModel::SafariCacheModel(QObject* parent)
    : QAbstractItemModel(parent)
{
    QHash<QString, int> byHost;
    const QVector<SafariCacheInfo>& entries = Entries();
    for (int i = 0; i < entries.size(); ++i) {
        QString host = QUrl(entries.at(i).m_strUrl).host();
        if (host.isEmpty())
            host = tr("Other");
        auto found = byHost.find(host);
        if (found == byHost.end()) {
            found = byHost.insert(host, m_sites.size());
            m_sites.append({ host, {}, 0 });
        }
        Site& site = m_sites[found.value()];
        site.entries.append(i);
        site.size += entries.at(i).m_nSize;
    }
}

Qt::CheckState SafariCacheModel::SiteState(const Site& site) const
{
    const QVector<SafariCacheInfo>& entries = Entries();
    int selected = 0;
    for (int i : site.entries)
        selected += (i < entries.size() && entries.at(i).m_bSelected) ? 1 : 0;
    const int state = EraseListView::StateOf(selected, site.entries.size());
    return state == 2 ? Qt::Checked : state == 1 ? Qt::PartiallyChecked : Qt::Unchecked;
}

void SafariCacheModel::SetSite(const Site& site, bool on)
{
    QVector<SafariCacheInfo>& entries = Entries();
    for (int i : site.entries) {
        if (i < entries.size())
            entries[i].m_bSelected = on ? 1 : 0;
    }
}

void SafariCacheModel::SetAll(bool on)
{
    for (SafariCacheInfo& entry : Entries())
        entry.m_bSelected = on ? 1 : 0;
    if (m_sites.isEmpty())
        return;
    emit dataChanged(index(0, 0), index(m_sites.size() - 1, 0), { Qt::CheckStateRole });
    for (int row = 0; row < m_sites.size(); ++row) {
        const QModelIndex site = index(row, 0);
        emit dataChanged(index(0, 0, site), index(m_sites.at(row).entries.size() - 1, 0, site), { Qt::CheckStateRole });
    }
}

int SafariCacheModel::Overall() const
{
    qint64 selected = 0;
    for (const SafariCacheInfo& entry : qAsConst(Entries()))
        selected += entry.m_bSelected ? 1 : 0;
    return EraseListView::StateOf(selected, Entries().size());
}

QModelIndex SafariCacheModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= 3)
        return {};
    if (!parent.isValid())
        return row < m_sites.size() ? createIndex(row, column, TopLevel) : QModelIndex();
    if (parent.internalId() != TopLevel || parent.row() >= m_sites.size()
        || row >= m_sites.at(parent.row()).entries.size())
        return {};
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex SafariCacheModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == TopLevel)
        return {};
    return createIndex(int(child.internalId() - 1), 0, TopLevel);
}

int SafariCacheModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_sites.size();
    if (parent.internalId() == TopLevel && parent.column() == 0 && parent.row() < m_sites.size())
        return m_sites.at(parent.row()).entries.size();
    return 0;
}

int SafariCacheModel::columnCount(const QModelIndex&) const
{
    return 3;
}

QVariant SafariCacheModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == TopLevel) {
        const Site& site = m_sites.at(index.row());
        if (role == Qt::CheckStateRole && index.column() == 0)
            return SiteState(site);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return EraseListView::LineText(site.host);
        case 1:
            return site.entries.size();
        default:
            return tr("%1 B").arg(site.size);
        }
    }
    const Site& site = m_sites.at(int(index.internalId() - 1));
    const int entry = site.entries.at(index.row());
    if (entry >= Entries().size())
        return {};
    const SafariCacheInfo& info = Entries().at(entry);
    if (role == Qt::CheckStateRole && index.column() == 0)
        return info.m_bSelected ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ToolTipRole && index.column() == 0)
        return EraseListView::LineText(info.m_strUrl, 1000);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return EraseListView::LineText(info.m_strUrl.isEmpty() ? info.m_strFileName : info.m_strUrl);
    case 1:
        return QString();
    default:
        return tr("%1 B").arg(info.m_nSize);
    }
}

QVariant SafariCacheModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        switch (section) {
        case 0:
            return tr("Item");
        case 1:
            return tr("Count");
        default:
            return tr("Size");
        }
    }
    return QAbstractItemModel::headerData(section, orientation, role);
}

bool SafariCacheModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    const bool on = value.toInt() != Qt::Unchecked;
    if (index.internalId() == TopLevel) {
        const Site& site = m_sites.at(index.row());
        SetSite(site, on);
        emit dataChanged(index, index, { Qt::CheckStateRole });
        if (!site.entries.isEmpty())
            emit dataChanged(this->index(0, 0, index), this->index(site.entries.size() - 1, 0, index),
                             { Qt::CheckStateRole });
    } else {
        const int entry = m_sites.at(int(index.internalId() - 1)).entries.at(index.row());
        if (entry >= Entries().size())
            return false;
        Entries()[entry].m_bSelected = on ? 1 : 0;
        emit dataChanged(index, index, { Qt::CheckStateRole });
        const QModelIndex site = index.parent();
        emit dataChanged(site, site, { Qt::CheckStateRole });
    }
    emit userChecked();
    return true;
}

Qt::ItemFlags SafariCacheModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractItemModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
