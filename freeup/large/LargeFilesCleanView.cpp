#include "LargeFilesCleanView.h"

#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CheckableTableModel.h"
#include "CheckableTableView.h"
#include "FormatSize.h"
#include "LargeFilesCleanCheckBox.h"
#include "LargeFilesCleanPhotoIcon.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvImageLoader.h"
#include "OvMessageBox.h"
#include "OvStyleComboBox.h"
#include "SkinImage.h"
#include "StyleSheets.h"
#include "ovdriver.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <functional>
#include <mutex>

namespace LargeFilesTable {

enum Column { CheckColumn, ThumbnailColumn, NameColumn, FormatColumn, SizeColumn, IdColumn, ColumnCount };

const QSize kThumbnailBox(48, 40);

struct Row
{
    qint32 id = 0;
    QString name;
    QString format; // upper case, no dot
    quint64 size = 0;
    double mib = 0;
    QString thumbnailPath;
    bool checked = false;
};

/// The large-file list as table rows. A thumbnail is asked for when its row is first
/// painted, decoded off the window thread and kept, so 2 000 files cost nothing until they
/// are scrolled to and scrolling never waits for a picture.
class Model : public CheckableTableModel
{
public:
    explicit Model(QObject* parent)
        : CheckableTableModel(CheckColumn, parent)
    {
        QObject::connect(&m_loader, &OvImageLoader::Loaded, this,
                         [this](const QString& key, const QImage& image) { ThumbnailLoaded(key, image); });
        SetHeader({ QString(), LargeFilesCleanView::tr("Thumbnail"), LargeFilesCleanView::tr("Name"),
                    LargeFilesCleanView::tr("Format"), LargeFilesCleanView::tr("Size") },
                  NameColumn);
    }

    void SetRows(QVector<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const QVector<Row>& Rows() const { return m_rows; }
    /// Rows scrolled away no longer need their pictures; those on screen ask again.
    void DropPendingThumbnails() { m_loader.CancelAll(); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows.size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

protected:
    bool RowChecked(int row) const override { return m_rows.at(row).checked; }
    void StoreChecked(int row, bool checked) override { m_rows[row].checked = checked; }

    QVariant CellData(const QModelIndex& index, int role) const override
    {
        const Row& row = m_rows.at(index.row());
        switch (role) {
        case Qt::DecorationRole:
            return index.column() == ThumbnailColumn ? QVariant(Thumbnail(row)) : QVariant();
        case Qt::DisplayRole:
            switch (index.column()) {
            case NameColumn:
                return row.name;
            case FormatColumn:
                return row.format;
            case SizeColumn:
                return FormatSizeIn("LargeFilesCleanView", row.size);
            case IdColumn:
                return QString::number(row.id);
            default:
                return {};
            }
        case Qt::ToolTipRole:
            return index.column() == NameColumn ? QVariant(row.name) : QVariant();
        case Qt::AccessibleTextRole:
            if (index.column() == CheckColumn)
                return row.name;
            return index.column() == ThumbnailColumn ? QVariant(row.name) : QVariant();
        default:
            return {};
        }
    }

private:
    QPixmap Thumbnail(const Row& row) const
    {
        auto found = m_thumbnails.constFind(row.thumbnailPath);
        if (found != m_thumbnails.constEnd() && !found->isNull())
            return *found;
        if (found == m_thumbnails.constEnd() && !row.thumbnailPath.isEmpty()) {
            const QString path = row.thumbnailPath;
            m_loader.Request(path, [path] { return LargeFilesCleanPhotoIcon::ReadThumbnail(path, kThumbnailBox); });
        }
        auto placeholder = m_placeholders.constFind(row.format);
        if (placeholder == m_placeholders.constEnd())
            placeholder = m_placeholders.insert(
                row.format, LargeFilesCleanPhotoIcon::Thumbnail(QString(), row.format, kThumbnailBox));
        return *placeholder;
    }

    void ThumbnailLoaded(const QString& path, const QImage& image)
    {
        // An unreadable thumbnail is remembered as such: the placeholder then stays.
        m_thumbnails.insert(path, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
        for (int row = 0; row < m_rows.size(); ++row) {
            if (m_rows.at(row).thumbnailPath == path) {
                const QModelIndex cell = index(row, ThumbnailColumn);
                emit dataChanged(cell, cell, { Qt::DecorationRole });
            }
        }
    }

    QVector<Row> m_rows;
    mutable OvImageLoader m_loader;
    QHash<QString, QPixmap> m_thumbnails;           // by thumbnail file; survives reloads: the files do not change
    mutable QHash<QString, QPixmap> m_placeholders; // by format
};

/// Shows the rows above the minimum size and of the chosen format.
class Filter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void Set(qint64 minimumMiB, const QString& format)
    {
        m_minimumMiB = minimumMiB;
        m_format = format;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex&) const override
    {
        const auto* model = static_cast<const Model*>(sourceModel());
        const Row& row = model->Rows().at(sourceRow);
        if (!(row.mib > double(m_minimumMiB)))
            return false;
        return m_format.isEmpty() || row.format == m_format;
    }

private:
    qint64 m_minimumMiB = 0;
    QString m_format;
};

/// Draws the check boxes with the table image set and the thumbnails centred; a click
/// anywhere in the check cell toggles it, which is easier to hit than the 16-px box.
class Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected); // the selection is the tick
        if (index.column() == CheckColumn || index.column() == ThumbnailColumn) {
            // The cell's background and row line first, as the text cells get them.
            QStyleOptionViewItem cell(plain);
            initStyleOption(&cell, index);
            cell.text.clear();
            cell.icon = QIcon();
            cell.features &= ~(QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration);
            const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        }
        if (index.column() == CheckColumn) {
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            const bool hover = option.state & QStyle::State_MouseOver;
            const QString name = checked
                ? (hover ? QStringLiteral("checkbox2_selected_hover.png") : QStringLiteral("checkbox2_selected.png"))
                : (hover ? QStringLiteral("checkbox2_hover.png") : QStringLiteral("checkbox2_normal.png"));
            LargeFilesCleanPhotoIcon::Paint(painter, option.rect, SkinPixmap(name));
            return;
        }
        if (index.column() == ThumbnailColumn) {
            LargeFilesCleanPhotoIcon::Paint(painter, option.rect, index.data(Qt::DecorationRole).value<QPixmap>());
            return;
        }
        QStyledItemDelegate::paint(painter, plain, index);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        return index.column() == CheckColumn && CheckableTableModel::ToggleOnEvent(event, model, option, index);
    }
};

} // namespace LargeFilesTable

using namespace LargeFilesTable;

namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(AppStyle::instance().font(6));
    label->setStyleSheet(QStringLiteral("color:#3c4449;"));
    return label;
}

} // namespace

LargeFilesCleanView::LargeFilesCleanView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("largeFilesCleanView"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    BuildLayout();
    Refresh();
}

LargeFilesCleanView::~LargeFilesCleanView() = default;

void LargeFilesCleanView::BuildLayout()
{
    auto* filterRow = new QHBoxLayout;
    filterRow->setSpacing(10);
    filterRow->addWidget(MakeLabel(tr("Select"), this));
    m_typeCombo = new OvStyleComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("largeFilesTypeFilter"));
    m_typeCombo->setAccessibleName(tr("Format"));
    m_typeCombo->setMinimumWidth(110);
    filterRow->addWidget(m_typeCombo);
    filterRow->addSpacing(24);
    filterRow->addWidget(MakeLabel(tr("File above"), this));
    m_sizeEdit = new QLineEdit(this);
    m_sizeEdit->setObjectName(QStringLiteral("largeFilesSizeFilter"));
    m_sizeEdit->setAccessibleName(tr("File above"));
    m_sizeEdit->setFixedSize(90, 26);
    m_sizeEdit->setFont(AppStyle::instance().font(6));
    m_sizeEdit->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #b2d7fd; border-radius: 3px; padding: 0 6px; color: #3c4449; }"));
    // One to six digits, never a leading 0: the figure is whole megabytes.
    m_sizeEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[1-9][0-9]{0,5}")), m_sizeEdit));
    filterRow->addWidget(m_sizeEdit);
    filterRow->addWidget(MakeLabel(tr("MB"), this));
    filterRow->addStretch(1);

    m_model = new Model(this);
    m_model->onUserCheck = [this](int row) { changeIsCheck(row, CheckColumn); };
    m_filter = new Filter(this);
    m_filter->setSourceModel(m_model);

    m_table = new CheckableTableView(CheckColumn, this);
    m_table->setObjectName(QStringLiteral("largeFilesTable"));
    m_table->setAccessibleName(tr("Large files"));
    m_table->setModel(m_filter);
    m_table->setItemDelegate(new Delegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->setMouseTracking(true);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(52);
    m_table->setColumnHidden(IdColumn, true);
    m_table->setFont(AppStyle::instance().font(6));
    m_table->setStyleSheet(QStringLiteral("QTableView { background: #ffffff; color: #616c72; border: none; }"
                                          "QTableView::item { border-bottom: 1px solid #eef1f5; }")
                           + ScrollBarStyleSheet());
    QHeaderView* header = m_table->horizontalHeader();
    header->setStyleSheet(
        HeaderStyleSheet()
        + QStringLiteral("QHeaderView::section { font-size: 13px; font-weight: 600; color: #3c4449; }"));
    header->setFont(AppStyle::instance().font(7));
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    header->resizeSection(CheckColumn, 48);
    header->resizeSection(ThumbnailColumn, 110);
    header->resizeSection(FormatColumn, 120);
    header->resizeSection(SizeColumn, 140);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setFixedHeight(36);

    m_headerCheckBox = new LargeFilesCleanCheckBox(header->viewport());
    m_headerCheckBox->setObjectName(QStringLiteral("largeFilesHeaderCheckBox"));
    m_headerCheckBox->setAccessibleName(tr("Select all"));
    m_headerCheckBox->setTristate(true);
    header->viewport()->installEventFilter(this);

    m_backButton = MakeSecondaryButton(QStringLiteral("largeFilesBackButton"), tr("Back"), this);
    m_exportButton = MakeActionButton(QStringLiteral("largeFilesExportButton"), tr("Export Only"), this);
    m_deleteButton = MakeActionButton(QStringLiteral("largeFilesDeleteButton"), tr("Back Up & Delete"), this);
    // A lone "&" would turn the "D" into a shortcut letter and vanish from the face.
    m_deleteButton->setText(m_deleteButton->text().replace(QLatin1Char('&'), QLatin1String("&&")));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(16);
    buttonRow->addWidget(m_backButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_exportButton);
    buttonRow->addWidget(m_deleteButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->setSpacing(14);
    layout->addLayout(filterRow);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttonRow);

    connect(m_headerCheckBox, &QCheckBox::clicked, this, &LargeFilesCleanView::headerClicked_Slot);
    connect(m_sizeEdit, &QLineEdit::textEdited, this, &LargeFilesCleanView::filterSizeSlot);
    connect(m_typeCombo, QOverload<int>::of(&QComboBox::activated), this, &LargeFilesCleanView::slotComboBox);
    connect(m_backButton, &QPushButton::clicked, this, &LargeFilesCleanView::showBackViewSlot);
    connect(m_exportButton, &QPushButton::clicked, this, &LargeFilesCleanView::slotExportOnly);
    connect(m_deleteButton, &QPushButton::clicked, this, &LargeFilesCleanView::showNextViewSlot);
    connect(header, &QHeaderView::sectionResized, this, &LargeFilesCleanView::PlaceHeaderCheckBox);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_model->DropPendingThumbnails(); });
}

double LargeFilesCleanView::SizeInMiB(quint64 bytes)
{
    return QString::number(double(bytes) / 1024.0 / 1024.0, 'f', 2).toDouble();
}

void LargeFilesCleanView::Reload()
{
    QVector<Row> rows;
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        rows.reserve(store->m_obLLargeFiles.size());
        for (const OneKeyFileInfo& file : store->m_obLLargeFiles) {
            Row row;
            row.id = file.m_nId;
            row.name = file.m_strName;
            QString extension = file.m_strExtension;
            if (extension.isEmpty()) {
                const int dot = file.m_strName.lastIndexOf(QLatin1Char('.'));
                extension = dot >= 0 ? file.m_strName.mid(dot + 1) : QString();
            }
            if (extension.startsWith(QLatin1Char('.')))
                extension.remove(0, 1);
            row.format = extension.toUpper();
            row.size = file.m_nSize;
            row.mib = SizeInMiB(file.m_nSize);
            row.thumbnailPath = file.m_strThumbnailPath;
            row.checked = file.m_bChecked == 1;
            rows.append(row);
        }
    }
    m_model->SetRows(std::move(rows));
}

void LargeFilesCleanView::RebuildTypeFilter()
{
    QStringList formats;
    for (const Row& row : m_model->Rows()) {
        if (!row.format.isEmpty())
            formats.append(row.format);
    }
    formats.removeDuplicates();
    formats.sort();
    const QSignalBlocker blocker(m_typeCombo);
    m_typeCombo->clear();
    m_typeCombo->addItem(tr("All"));
    m_typeCombo->addItems(formats);
    m_typeCombo->setCurrentIndex(0);
    m_typeIndex = 0;
}

void LargeFilesCleanView::Refresh()
{
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        for (OneKeyFileInfo& file : store->m_obLLargeFiles)
            file.m_bChecked = 0;
    }
    m_sizeEdit->clear();
    Reload();
    RebuildTypeFilter();
    m_filter->Set(0, QString());
    m_headerCheckBox->setCheckState(Qt::Unchecked);
    checkTitleCheckBox();
    PlaceHeaderCheckBox();
}

void LargeFilesCleanView::ApplyFilters()
{
    // The rows are those of the list already: filtering them again keeps the reader's place,
    // where reloading would jump back to the top at every key typed.
    const QModelIndex top = m_filter->mapToSource(m_table->indexAt(QPoint(0, 0)));
    const int scroll = m_table->verticalScrollBar()->value();
    const qint64 minimum = m_sizeEdit->text().toLongLong();
    const QString format
        = m_typeIndex > 0 && m_typeIndex < m_typeCombo->count() ? m_typeCombo->itemText(m_typeIndex) : QString();
    m_filter->Set(minimum, format);
    const QModelIndex stillShown = m_filter->mapFromSource(top);
    if (stillShown.isValid())
        m_table->scrollTo(stillShown, QAbstractItemView::PositionAtTop);
    else
        m_table->verticalScrollBar()->setValue(scroll);
    checkTitleCheckBox();
}

void LargeFilesCleanView::filterSizeSlot()
{
    ApplyFilters();
}

void LargeFilesCleanView::slotComboBox(int index)
{
    m_typeIndex = index;
    ApplyFilters();
}

int LargeFilesCleanView::VisibleRowCount() const
{
    return m_filter->rowCount();
}

QStringList LargeFilesCleanView::TypeFilterItems() const
{
    QStringList items;
    for (int i = 0; i < m_typeCombo->count(); ++i)
        items.append(m_typeCombo->itemText(i));
    return items;
}

bool LargeFilesCleanView::IsVisibleRowChecked(int row) const
{
    const QModelIndex source = m_filter->mapToSource(m_filter->index(row, CheckColumn));
    return source.isValid() && m_model->Rows().at(source.row()).checked;
}

int LargeFilesCleanView::VisibleRowId(int row) const
{
    const QModelIndex source = m_filter->mapToSource(m_filter->index(row, CheckColumn));
    return source.isValid() ? m_model->Rows().at(source.row()).id : -1;
}

void LargeFilesCleanView::SetActionsEnabled(bool enabled)
{
    SetActionButtonEnabled(m_exportButton, enabled);
    SetActionButtonEnabled(m_deleteButton, enabled);
}

void LargeFilesCleanView::checkTitleCheckBox()
{
    if (m_model->rowCount() == 0) {
        m_headerCheckBox->setCheckState(Qt::Unchecked);
        m_headerCheckBox->setEnabled(false);
        SetActionsEnabled(false);
        return;
    }
    m_headerCheckBox->setEnabled(true);
    const int visible = m_filter->rowCount();
    int checked = 0;
    for (int i = 0; i < visible; ++i) {
        if (m_model->Rows().at(m_filter->mapToSource(m_filter->index(i, CheckColumn)).row()).checked)
            ++checked;
    }
    if (visible > 0 && checked == visible) {
        m_headerCheckBox->setCheckState(Qt::Checked);
        SetActionsEnabled(true);
    } else if (checked > 0) {
        m_headerCheckBox->setCheckState(Qt::PartiallyChecked);
        SetActionsEnabled(true);
    } else {
        m_headerCheckBox->setCheckState(Qt::Unchecked);
        SetActionsEnabled(false);
    }
}

void LargeFilesCleanView::headerClicked_Slot(bool checked)
{
    // Only what the filters show: "select all" after narrowing to big videos must not
    // also pick the files the user filtered away.
    QHash<qint32, bool> changes;
    const int visible = m_filter->rowCount();
    for (int i = 0; i < visible; ++i) {
        const int row = m_filter->mapToSource(m_filter->index(i, CheckColumn)).row();
        m_model->SetChecked(row, checked);
        changes.insert(m_model->Rows().at(row).id, checked);
    }
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        for (OneKeyFileInfo& file : store->m_obLLargeFiles) {
            auto found = changes.constFind(file.m_nId);
            if (found != changes.constEnd())
                file.m_bChecked = *found ? 1 : 0;
        }
    }
    checkTitleCheckBox();
}

void LargeFilesCleanView::changeIsCheck(int row, int column)
{
    Q_UNUSED(column)
    if (row < 0 || row >= m_model->rowCount())
        return;
    const Row& entry = m_model->Rows().at(row);
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        for (OneKeyFileInfo& file : store->m_obLLargeFiles) {
            if (file.m_nId == entry.id)
                file.m_bChecked = entry.checked ? 1 : 0;
        }
    }
    checkTitleCheckBox();
}

void LargeFilesCleanView::tableCheckABox(int state)
{
    int row = -1;
    if (auto* box = qobject_cast<LargeFilesCleanCheckBox*>(sender()); box && box != m_headerCheckBox)
        row = box->Row();
    else if (m_table->currentIndex().isValid())
        row = m_filter->mapToSource(m_table->currentIndex()).row();
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_model->SetChecked(row, state != Qt::Unchecked);
    changeIsCheck(row, CheckColumn);
}

bool LargeFilesCleanView::AnyChecked() const
{
    for (const Row& row : m_model->Rows()) {
        if (row.checked)
            return true;
    }
    return false;
}

void LargeFilesCleanView::slotExportOnly()
{
    if (!AnyChecked())
        return;
    EnableOtherTabs(false);
    emit onShowNextLargeFilesExportView(OneKeyPage::LargeExporting);
}

int LargeFilesCleanView::HiddenCheckedCount() const
{
    int hidden = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->Rows().at(row).checked && !m_filter->mapFromSource(m_model->index(row, CheckColumn)).isValid())
            ++hidden;
    }
    return hidden;
}

void LargeFilesCleanView::UncheckHiddenRows()
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->Rows().at(row).checked && !m_filter->mapFromSource(m_model->index(row, CheckColumn)).isValid()) {
            m_model->SetChecked(row, false);
            changeIsCheck(row, CheckColumn);
        }
    }
}

void LargeFilesCleanView::showNextViewSlot()
{
    if (!AnyChecked())
        return;
    // Nothing is deleted that the user cannot see without being asked first.
    if (const int hidden = HiddenCheckedCount()) {
        const int answer = OvMessageBox::Ask(
            this,
            tr("%n of the checked files are hidden by the filters. Back up and delete them as well?\n"
               "\"Yes\" deletes every checked file, \"No\" only the files shown.",
               "", hidden),
            OvMessageBox::Yes | OvMessageBox::No | OvMessageBox::Cancel, QStringLiteral("tip_warning.png"));
        if (answer == OvMessageBox::No)
            UncheckHiddenRows();
        else if (answer != OvMessageBox::Yes)
            return;
        if (!AnyChecked())
            return;
    }
    EnableOtherTabs(false);
    emit onShowNextLargeFilesDeleteView(OneKeyPage::LargeDeleting);
    if (CController::GetInstance()->PostOneKeyClearTask(OV_ONEKEY_DELETE + OV_ONEKEY_LARGE_FILES) > 0)
        return;
    // No device to work on: the progress page would wait for ever.
    EnableOtherTabs(true);
    emit onShowBackView(OneKeyPage::LargeList);
    OvMessageBox::Ask(this, OneKeyText::NotConnected(), OvMessageBox::OK, QStringLiteral("tip_warning.png"));
}

void LargeFilesCleanView::showBackViewSlot()
{
    const int target = OneKeyBackTarget(this);
    if (target >= 0)
        emit onShowBackView(target);
}

void LargeFilesCleanView::UIAllCheckLargeFilesSC(quint64 size)
{
    Reload();
    ApplyFilters();
    emit onDeleteLargeFilesFinshed(size);
}

void LargeFilesCleanView::PlaceHeaderCheckBox()
{
    const QHeaderView* header = m_table->horizontalHeader();
    const QSize box = m_headerCheckBox->sizeHint();
    const int x = header->sectionViewportPosition(CheckColumn) + (header->sectionSize(CheckColumn) - box.width()) / 2;
    const int y = (header->height() - box.height()) / 2;
    m_headerCheckBox->setGeometry(QRect(QPoint(x, y), box));
}

bool LargeFilesCleanView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table->horizontalHeader()->viewport() && event->type() == QEvent::Resize)
        PlaceHeaderCheckBox();
    return QWidget::eventFilter(watched, event);
}
