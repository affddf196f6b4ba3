#include "EraseTableView.h"

#include "ListCheckBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>

EraseTableView::EraseTableView(int mode, const QString& name, const QStringList& titles,
                               RecordTableModel::Source source, int batch, QWidget* parent)
    : EraseListView(mode, parent)
    , m_model(new RecordTableModel(titles, std::move(source), batch, this))
    , m_table(new QTableView(this))
    , m_splitter(new QSplitter(Qt::Horizontal, this))
{
    setAccessibleName(name);
    m_table->setObjectName(QStringLiteral("recordTable"));
    m_table->setAccessibleName(name);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setShowGrid(false);
    m_table->verticalHeader()->hide();
    // Fixed row heights: the table need not measure rows it has not shown.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(30);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section:first { padding-left: 28px; }"));
    m_table->horizontalHeader()->setMinimumSectionSize(60);
    for (int column = 0; column + 1 < titles.size(); ++column)
        m_table->setColumnWidth(column, column == 0 ? 180 : 140);
    m_table->installEventFilter(this);

    m_headerBox = new ListCheckBox(QString(), m_table->horizontalHeader());
    m_headerBox->setObjectName(QStringLiteral("headerCheckBox"));
    m_headerBox->setAccessibleName(tr("Select all"));
    m_headerBox->ShowState(m_model->Overall());
    connect(m_headerBox, &QCheckBox::clicked, this, [this](bool on) {
        m_model->SetAll(on);
        UserChanged();
    });
    connect(m_table->horizontalHeader(), &QHeaderView::geometriesChanged, this, &EraseTableView::PlaceHeaderBox);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, &EraseTableView::PlaceHeaderBox);
    connect(m_model, &RecordTableModel::userChecked, this, &EraseTableView::UserChanged);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this, &EraseTableView::LoadData);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowDetail(current.isValid() ? current.row() : -1); });

    m_rowsSeen = m_model->rowCount();
    m_splitter->addWidget(m_table);
    m_splitter->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
    PlaceHeaderBox();
}

EraseTableView::~EraseTableView()
{
    // The header outlives this part of the view while the widget is taken down, and its
    // resize signals would reach a view that is no longer one.
    m_table->horizontalHeader()->disconnect(this);
}

void EraseTableView::SetDetail(std::function<QString(int)> detail)
{
    m_detail = std::move(detail);
    m_detailText = new QTextBrowser(this);
    m_detailText->setObjectName(QStringLiteral("detailPane"));
    m_detailText->setAccessibleName(tr("Details"));
    m_detailText->setOpenLinks(false);
    SetDetailWidget(m_detailText);
}

void EraseTableView::SetDetailWidget(QWidget* pane)
{
    m_splitter->addWidget(pane);
    m_splitter->setStretchFactor(0, 3);
    m_splitter->setStretchFactor(1, 2);
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(0, 0));
    else
        ShowDetail(-1);
}

void EraseTableView::ShowDetail(int row)
{
    if (m_detailText)
        m_detailText->setHtml(row >= 0 && m_detail ? m_detail(row) : QString());
}

void EraseTableView::receiveLeftCheckBoxState(bool on)
{
    m_model->SetAll(on);
    m_headerBox->ShowState(m_model->Overall());
}

void EraseTableView::LoadData(int value)
{
    const QScrollBar* bar = m_table->verticalScrollBar();
    // Only a move towards the end asks for more, one batch per move: the view itself may
    // just have fetched at the very end. The batch comes a page early so that the user
    // does not see the table stop.
    const bool fetchedAlready = m_model->rowCount() != m_rowsSeen;
    if (!fetchedAlready && value > m_lastScroll && value >= bar->maximum() - bar->pageStep()
        && m_model->canFetchMore({}))
        m_model->fetchMore({});
    m_rowsSeen = m_model->rowCount();
    m_lastScroll = value;
}

void EraseTableView::UserChanged()
{
    const int state = m_model->Overall();
    m_headerBox->ShowState(state);
    emit checkCheckSignal(state);
}

void EraseTableView::PlaceHeaderBox()
{
    const QHeaderView* header = m_table->horizontalHeader();
    m_headerBox->adjustSize();
    m_headerBox->move(header->sectionViewportPosition(0) + 6, qMax(0, (header->height() - m_headerBox->height()) / 2));
}

bool EraseTableView::eventFilter(QObject* watched, QEvent* event)
{
    // Space ticks the current row whichever of its cells has the focus.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = m_table->currentIndex();
        if ((key == Qt::Key_Space || key == Qt::Key_Select) && current.isValid()) {
            const QModelIndex box = m_model->index(current.row(), 0);
            const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            m_model->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
            return true;
        }
    }
    return EraseListView::eventFilter(watched, event);
}
