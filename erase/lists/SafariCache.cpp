#include "SafariCache.h"

#include "ListCheckBox.h"
#include "SafariCacheModel.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

SafariCache::SafariCache(int mode, QWidget* parent)
    : EraseListView(mode, parent)
    , m_model(new SafariCacheModel(this))
    , m_tree(new QTreeView(this))
{
    setAccessibleName(tr("Safari Cache"));
    m_tree->setObjectName(QStringLiteral("recordTree"));
    m_tree->setAccessibleName(tr("Safari Cache"));
    m_tree->setModel(m_model);
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->header()->setStyleSheet(QStringLiteral("QHeaderView::section:first { padding-left: 28px; }"));
    m_tree->setColumnWidth(0, 320);
    connect(m_tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        const QModelIndex site = index.sibling(index.row(), 0);
        if (m_model->rowCount(site) > 0)
            m_tree->setExpanded(site, !m_tree->isExpanded(site));
    });

    m_headerBox = new ListCheckBox(QString(), m_tree->header());
    m_headerBox->setObjectName(QStringLiteral("headerCheckBox"));
    m_headerBox->setAccessibleName(tr("Select all"));
    m_headerBox->ShowState(m_model->Overall());
    connect(m_headerBox, &QCheckBox::clicked, this, [this](bool on) {
        m_model->SetAll(on);
        UserChanged();
    });
    connect(m_model, &SafariCacheModel::userChecked, this, &SafariCache::UserChanged);
    connect(m_tree->header(), &QHeaderView::geometriesChanged, this, &SafariCache::PlaceHeaderBox);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    PlaceHeaderBox();
}

SafariCache::~SafariCache()
{
    // The header outlives this part of the view while the widget is taken down; its signals must not reach a view that
    // is no longer one.
    m_tree->header()->disconnect(this);
}

void SafariCache::receiveLeftCheckBoxState(bool on)
{
    m_model->SetAll(on);
    m_headerBox->ShowState(m_model->Overall());
}

void SafariCache::UserChanged()
{
    const int state = m_model->Overall();
    m_headerBox->ShowState(state);
    emit checkCheckSignal(state);
}

void SafariCache::PlaceHeaderBox()
{
    m_headerBox->adjustSize();
    m_headerBox->move(6, qMax(0, (m_tree->header()->height() - m_headerBox->height()) / 2));
}
