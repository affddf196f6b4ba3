#include "AppManagerView.h"

#include "AppManagerSubWidget.h"
#include "AppPaths.h"
#include "AppStyle.h"
#include "CController.h"
#include "CGlobalData.h"
#include "CheckableTableModel.h"
#include "CheckableTableView.h"
#include "FormatSize.h"
#include "OneKeyPages.h"
#include "OneKeyWidgets.h"
#include "OvImageLoader.h"
#include "OvMessageBox.h"
#include "SafePathComponent.h"
#include "SkinImage.h"
#include "StyleSheets.h"
#include "ovdriver.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <mutex>

namespace AppTable {

enum Column { CheckColumn, AppColumn, VersionColumn, SizeColumn, StatusColumn, ColumnCount };

constexpr int kIconSize = 32;
constexpr int kStatusSize = 20;
constexpr int IconNameRole = Qt::UserRole + 1;

struct Row
{
    AppResultInfo app;
    int status = AppManagerView::Idle;
};

/// The view's copy of the app list. Icons are read when a row is first painted and kept
/// by bundle id, so 300 apps cost nothing until they are scrolled to.
class Model : public CheckableTableModel
{
public:
    explicit Model(QObject* parent)
        : CheckableTableModel(CheckColumn, parent)
    {
        SetHeader({ QString(), AppManagerView::tr("App"), AppManagerView::tr("Version"), AppManagerView::tr("Size") },
                  AppColumn);
        QObject::connect(&m_loader, &OvImageLoader::Loaded, this,
                         [this](const QString& bundleId, const QImage& image) { IconLoaded(bundleId, image); });
    }

    /// Rows scrolled away no longer need their icons; those on screen ask again.
    void DropPendingIcons() { m_loader.CancelAll(); }

    QPixmap spinnerFrame;

    QVector<Row>& Rows() { return m_rows; }
    const QVector<Row>& Rows() const { return m_rows; }
    void Reset(QVector<Row> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    void Append(const Row& row)
    {
        beginInsertRows({}, m_rows.size(), m_rows.size());
        m_rows.append(row);
        endInsertRows();
    }
    void SetStatus(int row, int status)
    {
        if (row < 0 || row >= m_rows.size())
            return;
        m_rows[row].status = status;
        const QModelIndex cell = index(row, StatusColumn);
        emit dataChanged(cell, cell);
    }
    void SortBySize(bool descending)
    {
        emit layoutAboutToBeChanged();
        std::stable_sort(m_rows.begin(), m_rows.end(), [descending](const Row& a, const Row& b) {
            return descending ? a.app.m_nAppSize > b.app.m_nAppSize : a.app.m_nAppSize < b.app.m_nAppSize;
        });
        emit layoutChanged();
    }

    /// A file named after the bundle id in an "appIconTemp" folder of the program, else the
    /// icon the device library saved, else the skin's default.
    static QString IconFile(const AppResultInfo& app)
    {
        return IconFileIn(app.m_strBundleId, app.m_strIconPath, IconFolders());
    }
    static QStringList IconFolders() { return { applicationDirectory(), AppStyle::instance().tempDir() }; }
    /// IconFile with the program's folders given, so that it can run on any thread.
    static QString IconFileIn(const QString& bundleId, const QString& iconPath, const QStringList& folders)
    {
        if (!bundleId.isEmpty()) {
            // The bundle id comes from the device: it must not reach outside the folder.
            const QString name = QStringLiteral("appIconTemp/%1.png").arg(SafePathComponent(bundleId));
            for (const QString& folder : folders) {
                if (folder.isEmpty())
                    continue;
                const QString path = QDir(folder).filePath(name);
                if (QFileInfo(path).isFile())
                    return path;
            }
        }
        if (!iconPath.isEmpty() && QFileInfo(iconPath).isFile())
            return iconPath;
        return QStringLiteral("app_default.png");
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows.size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

protected:
    bool RowChecked(int row) const override { return m_rows.at(row).app.m_bChecked == 1; }
    void StoreChecked(int row, bool checked) override { m_rows[row].app.m_bChecked = checked ? 1 : 0; }

    QVariant CellData(const QModelIndex& index, int role) const override
    {
        const Row& row = m_rows.at(index.row());
        switch (role) {
        case Qt::DecorationRole:
            if (index.column() == AppColumn)
                return Icon(row.app);
            if (index.column() == StatusColumn && row.status == AppManagerView::Removing)
                return spinnerFrame;
            if (index.column() == StatusColumn && row.status == AppManagerView::Removed)
                return SkinPixmap(QStringLiteral("unloading_completed.png"));
            return {};
        case IconNameRole:
            return IconFile(row.app);
        case Qt::DisplayRole:
            switch (index.column()) {
            case AppColumn:
                return row.app.m_strName.isEmpty() ? row.app.m_strBundleId : row.app.m_strName;
            case VersionColumn:
                return row.app.m_strVersion;
            case SizeColumn:
                return FormatSizeIn("AppManagerView", row.app.m_nAppSize);
            default:
                return {};
            }
        case Qt::AccessibleTextRole:
            if (index.column() == StatusColumn)
                return row.status == AppManagerView::Removing
                    ? AppManagerView::tr("Removing")
                    : (row.status == AppManagerView::Removed ? AppManagerView::tr("Removed") : QString());
            return index.column() == CheckColumn ? QVariant(row.app.m_strName) : QVariant();
        case Qt::ToolTipRole:
            return index.column() == AppColumn ? QVariant(row.app.m_strBundleId) : QVariant();
        default:
            return {};
        }
    }

private:
    /// The icon read off the window thread; the default one until it is there.
    QPixmap Icon(const AppResultInfo& app) const
    {
        auto found = m_icons.constFind(app.m_strBundleId);
        if (found != m_icons.constEnd() && !found->isNull())
            return *found;
        if (found == m_icons.constEnd()) {
            const QString bundleId = app.m_strBundleId;
            const QString iconPath = app.m_strIconPath;
            const QStringList folders = IconFolders();
            m_loader.Request(bundleId, [bundleId, iconPath, folders] {
                const QString file = IconFileIn(bundleId, iconPath, folders);
                QImage icon = file == QLatin1String("app_default.png") ? QImage() : QImage(file);
                if (!icon.isNull() && icon.size() != QSize(kIconSize, kIconSize))
                    icon = icon.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                return icon;
            });
        }
        return DefaultIcon();
    }

    QPixmap DefaultIcon() const
    {
        if (m_defaultIcon.isNull()) {
            m_defaultIcon = SkinPixmap(QStringLiteral("app_default.png"));
            if (!m_defaultIcon.isNull() && SkinSize(m_defaultIcon) != QSize(kIconSize, kIconSize))
                m_defaultIcon = SkinScaled(m_defaultIcon, QSize(kIconSize, kIconSize));
        }
        return m_defaultIcon;
    }

    void IconLoaded(const QString& bundleId, const QImage& image)
    {
        // A missing or unreadable icon is remembered as such: the default stays.
        m_icons.insert(bundleId, image.isNull() ? QPixmap() : QPixmap::fromImage(image));
        for (int row = 0; row < m_rows.size(); ++row) {
            if (m_rows.at(row).app.m_strBundleId == bundleId) {
                const QModelIndex cell = index(row, AppColumn);
                emit dataChanged(cell, cell, { Qt::DecorationRole });
            }
        }
    }

    QVector<Row> m_rows;
    mutable OvImageLoader m_loader;
    QHash<QString, QPixmap> m_icons; // by bundle id
    mutable QPixmap m_defaultIcon;
};

/// Check boxes from the table image set, the icon beside the name, the status centred.
class Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const auto centred = [painter](const QRect& rect, const QPixmap& picture) {
            if (picture.isNull())
                return;
            const QSize size = picture.size() / picture.devicePixelRatio();
            painter->drawPixmap(rect.x() + (rect.width() - size.width()) / 2,
                                rect.y() + (rect.height() - size.height()) / 2, picture);
        };
        if (index.column() != VersionColumn && index.column() != SizeColumn) {
            // The cell's background and row line first, as the text cells get them.
            QStyleOptionViewItem cell(option);
            initStyleOption(&cell, index);
            cell.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected); // the selection is the tick
            cell.text.clear();
            cell.icon = QIcon();
            cell.features &= ~(QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration);
            const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        }
        switch (index.column()) {
        case CheckColumn: {
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            const bool hover = (option.state & QStyle::State_MouseOver) && (index.flags() & Qt::ItemIsUserCheckable);
            centred(option.rect,
                    SkinPixmap(checked ? (hover ? QStringLiteral("checkbox2_selected_hover.png")
                                                : QStringLiteral("checkbox2_selected.png"))
                                       : (hover ? QStringLiteral("checkbox2_hover.png")
                                                : QStringLiteral("checkbox2_normal.png"))));
            return;
        }
        case AppColumn: {
            const QRect iconRect(option.rect.x() + 8, option.rect.y(), kIconSize, option.rect.height());
            centred(iconRect, index.data(Qt::DecorationRole).value<QPixmap>());
            const QRect textRect = option.rect.adjusted(8 + kIconSize + 12, 0, -8, 0);
            painter->save();
            painter->setFont(option.font);
            painter->setPen(QColor(0x3c, 0x44, 0x49));
            painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                              option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
            painter->restore();
            return;
        }
        case StatusColumn: {
            QPixmap status = index.data(Qt::DecorationRole).value<QPixmap>();
            if (!status.isNull() && SkinSize(status).width() > kStatusSize)
                status = SkinScaled(status, QSize(kStatusSize, kStatusSize));
            centred(option.rect, status);
            return;
        }
        default: {
            QStyleOptionViewItem plain(option);
            plain.state &= ~(QStyle::State_HasFocus | QStyle::State_Selected); // the selection is the tick
            QStyledItemDelegate::paint(painter, plain, index);
        }
        }
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override
    {
        return index.column() == CheckColumn && CheckableTableModel::ToggleOnEvent(event, model, option, index);
    }
};

} // namespace AppTable

using namespace AppTable;

namespace {

QPixmap SpinnerFrame(int angle)
{
    QPixmap frame(kStatusSize, kStatusSize);
    frame.fill(Qt::transparent);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(2.5, 2.5, kStatusSize - 5, kStatusSize - 5);
    painter.setPen(QPen(QColor(0xe3, 0xe9, 0xf0), 2.5));
    painter.drawEllipse(ring);
    painter.setPen(QPen(QColor(0x29, 0x90, 0xff), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, -angle * 16, 100 * 16);
    return frame;
}

} // namespace

AppManagerView::AppManagerView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("appManagerView"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    BuildLayout();
    ClearTable();
}

AppManagerView::~AppManagerView() = default;

void AppManagerView::BuildLayout()
{
    m_model = new Model(this);
    m_model->onUserCheck = [this](int row) { SetUnintallPushButtonState(m_model->Rows().at(row).app.m_bChecked == 1); };

    m_table = new CheckableTableView(CheckColumn, this);
    m_table->setObjectName(QStringLiteral("appManagerTable"));
    m_table->setAccessibleName(tr("Apps"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new Delegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setMouseTracking(true);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(52);
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
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(AppColumn, QHeaderView::Stretch);
    header->resizeSection(CheckColumn, 48);
    header->resizeSection(VersionColumn, 140);
    header->resizeSection(SizeColumn, 140);
    header->resizeSection(StatusColumn, 64);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setFixedHeight(36);

    m_headerCheckBox = new AppManagerSubWidget(header->viewport());
    m_headerCheckBox->setObjectName(QStringLiteral("appManagerHeaderCheckBox"));
    m_headerCheckBox->setAccessibleName(tr("Select all"));
    m_headerCheckBox->setTristate(true);
    header->viewport()->installEventFilter(this);

    // A small turning arc: the skin's clean animations are drawn for 200 px and blur at 20.
    m_spinner = new QTimer(this);
    m_spinner->setInterval(80);
    connect(m_spinner, &QTimer::timeout, this, [this] {
        m_spinnerAngle = (m_spinnerAngle + 30) % 360;
        m_model->spinnerFrame = SpinnerFrame(m_spinnerAngle);
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (m_model->Rows().at(row).status == Removing) {
                const QModelIndex cell = m_model->index(row, StatusColumn);
                emit m_model->dataChanged(cell, cell);
            }
        }
    });
    m_model->spinnerFrame = SpinnerFrame(0);

    m_backButton = MakeSecondaryButton(QStringLiteral("appManagerBackButton"), tr("Back"), this);
    m_removeButton = MakeActionButton(QStringLiteral("appManagerRemoveButton"), tr("Remove"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(16);
    buttonRow->addWidget(m_backButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_removeButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->setSpacing(14);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttonRow);

    connect(m_headerCheckBox, &AppManagerSubWidget::onCheckedState, this, &AppManagerView::SetAppChecked);
    connect(header, &QHeaderView::sectionClicked, this, &AppManagerView::BySizeBubbleSort);
    connect(header, &QHeaderView::sectionResized, this, &AppManagerView::PlaceHeaderCheckBox);
    connect(m_table->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { m_model->DropPendingIcons(); });
    connect(m_removeButton, &QPushButton::clicked, this, &AppManagerView::SLOT_UninstallCheckedApp);
    connect(m_backButton, &QPushButton::clicked, this, &AppManagerView::slotShowBackView);
    connect(this, &AppManagerView::onUIApp, this, &AppManagerView::UIAppSC);
}

void AppManagerView::SetRemoveEnabled(bool enabled)
{
    SetActionButtonEnabled(m_removeButton, enabled);
}

void AppManagerView::ClearTable()
{
    // A run whose device went away never gets its last reply: a fresh table ends it, or
    // the page would stay locked for good.
    m_removing = false;
    m_model->SetLocked(false);
    m_spinner->stop();
    m_backButton->setEnabled(true);
    m_model->Reset({});
    m_queue.clear();
    m_headerCheckBox->setCheckState(Qt::Unchecked);
    m_headerCheckBox->setEnabled(false);
    SetRemoveEnabled(false);
}

void AppManagerView::LoadApps()
{
    QVector<Row> rows;
    CGlobalData* store = CGlobalData::GetInstance();
    {
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        rows.reserve(store->m_obLApps.size());
        for (AppResultInfo& app : store->m_obLApps) {
            // A fresh list starts unchosen, in the view and in what the removal task reads.
            app.m_bChecked = 0;
            rows.append(Row { app, Idle });
        }
    }
    m_model->Reset(std::move(rows));
    m_queue.clear();
    m_headerCheckBox->setCheckState(Qt::Unchecked);
    m_headerCheckBox->setEnabled(m_model->rowCount() > 0 && !m_removing);
    SetRemoveEnabled(false);
    PlaceHeaderCheckBox();
}

void AppManagerView::UIAppSC(AppResultInfo app)
{
    app.m_bChecked = 0;
    m_model->Append(Row { app, Idle });
    m_headerCheckBox->setEnabled(!m_removing);
    UpdateHeaderState();
}

void AppManagerView::UIAllCheckAppSC(quint64 size)
{
    emit onUninstallFinshed(size);
}

int AppManagerView::RowCount() const
{
    return m_model->rowCount();
}

int AppManagerView::RowStatus(int row) const
{
    return row >= 0 && row < m_model->rowCount() ? m_model->Rows().at(row).status : Idle;
}

bool AppManagerView::IsRowChecked(int row) const
{
    return row >= 0 && row < m_model->rowCount() && m_model->Rows().at(row).app.m_bChecked == 1;
}

QString AppManagerView::RowBundleId(int row) const
{
    return row >= 0 && row < m_model->rowCount() ? m_model->Rows().at(row).app.m_strBundleId : QString();
}

QString AppManagerView::RowIconName(int row) const
{
    return m_model->index(row, AppColumn).data(IconNameRole).toString();
}

void AppManagerView::WriteSharedFlags()
{
    QHash<QString, quint8> flags;
    for (const Row& row : m_model->Rows())
        flags.insert(row.app.m_strBundleId, row.app.m_bChecked);
    CGlobalData* store = CGlobalData::GetInstance();
    std::lock_guard<std::mutex> lock(store->OneKeyLock());
    for (AppResultInfo& app : store->m_obLApps) {
        auto found = flags.constFind(app.m_strBundleId);
        // An app the table does not show is never removed behind the user's back.
        app.m_bChecked = found != flags.constEnd() ? *found : 0;
    }
}

void AppManagerView::UpdateHeaderState()
{
    const int rows = m_model->rowCount();
    int checked = 0;
    for (const Row& row : m_model->Rows())
        checked += row.app.m_bChecked == 1 ? 1 : 0;
    if (rows > 0 && checked == rows)
        m_headerCheckBox->setCheckState(Qt::Checked);
    else if (checked > 0)
        m_headerCheckBox->setCheckState(Qt::PartiallyChecked);
    else
        m_headerCheckBox->setCheckState(Qt::Unchecked);
    SetRemoveEnabled(checked > 0 && !m_removing);
}

void AppManagerView::SetAppChecked(bool check)
{
    if (m_removing)
        return;
    if (m_model->rowCount() == 0) {
        m_headerCheckBox->setCheckState(Qt::Unchecked);
        SetRemoveEnabled(false);
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_model->SetChecked(row, check);
    WriteSharedFlags();
    m_headerCheckBox->setCheckState(check ? Qt::Checked : Qt::Unchecked);
    SetRemoveEnabled(check);
}

void AppManagerView::SetUnintallPushButtonState(bool check)
{
    Q_UNUSED(check) // every row is read again: the header and "Remove" follow them all
    if (m_removing)
        return;
    WriteSharedFlags();
    UpdateHeaderState();
}

void AppManagerView::SLOT_UninstallCheckedApp()
{
    if (m_removing)
        return;
    m_queue.clear();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->Rows().at(row).app.m_bChecked == 1)
            m_queue.append(row);
    }
    if (m_queue.isEmpty())
        return;

    const int answer = OvMessageBox::Ask(this, tr("Remove the selected apps?"), OvMessageBox::OK | OvMessageBox::Cancel,
                                         QStringLiteral("tip_warning.png"), QString(), tr("Remove"));
    if (answer != OvMessageBox::OK) {
        m_queue.clear();
        return;
    }

    // The removal task acts on the list's flags, so they must say what the table says.
    WriteSharedFlags();
    // The replies come in the list's order, one per checked app; after a sort by size the
    // table's order differs, so the queue follows the list.
    {
        QHash<QString, int> rowOf;
        for (int row : qAsConst(m_queue))
            rowOf.insert(m_model->Rows().at(row).app.m_strBundleId, row);
        QVector<int> ordered;
        CGlobalData* store = CGlobalData::GetInstance();
        std::lock_guard<std::mutex> lock(store->OneKeyLock());
        for (const AppResultInfo& app : qAsConst(store->m_obLApps)) {
            if (app.m_bChecked == 1 && rowOf.contains(app.m_strBundleId))
                ordered.append(rowOf.take(app.m_strBundleId));
        }
        if (!ordered.isEmpty())
            m_queue = ordered;
    }
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_model->SetStatus(row, Idle);
    m_model->SetStatus(m_queue.first(), Removing);
    m_removedTotal = 0;
    m_removing = true;
    m_model->SetLocked(true);
    m_headerCheckBox->setEnabled(false);
    SetRemoveEnabled(false);
    m_backButton->setEnabled(false);
    m_spinner->start();
    EnableOtherTabs(false);
    if (CController::GetInstance()->PostOneKeyClearTask(OV_ONEKEY_APPS) > 0)
        return;

    // Nothing was queued (the device is gone): no reply will ever end the run.
    m_model->SetStatus(m_queue.first(), Idle);
    m_spinner->stop();
    m_removing = false;
    m_model->SetLocked(false);
    EnableOtherTabs(true);
    ResetControls();
    OvMessageBox::Ask(this, OneKeyText::NotConnected(), OvMessageBox::OK, QStringLiteral("tip_warning.png"));
}

bool AppManagerView::TakeFinishedApp()
{
    if (m_queue.isEmpty())
        return false;
    const int row = m_queue.takeFirst();
    if (row < m_model->rowCount()) {
        m_removedTotal += m_model->Rows().at(row).app.m_nAppSize;
        m_model->SetStatus(row, Removed);
    }
    if (!m_queue.isEmpty()) {
        m_model->SetStatus(m_queue.first(), Removing);
        return true;
    }
    m_spinner->stop();
    m_removing = false;
    m_model->SetLocked(false);
    UIAllCheckAppSC(m_removedTotal);
    return false;
}

void AppManagerView::ResetControls()
{
    m_removing = false;
    m_model->SetLocked(false);
    m_spinner->stop();
    m_backButton->setEnabled(true);
    setEnabled(true);
    m_queue.clear();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->Rows().at(row).app.m_bChecked == 1)
            m_queue.append(row);
    }
    m_headerCheckBox->setEnabled(m_model->rowCount() > 0);
    UpdateHeaderState();
}

void AppManagerView::BySizeBubbleSort(int)
{
    // Rows are queued by position while apps are removed: the order stays put until then.
    if (m_removing || m_model->rowCount() < 2)
        return;
    m_model->SortBySize(m_sortDescending);
    m_sortDescending = !m_sortDescending;
}

void AppManagerView::slotShowBackView()
{
    if (m_removing)
        return;
    const int target = OneKeyBackTarget(this);
    if (target >= 0)
        emit onShowBackView(target);
}

void AppManagerView::PlaceHeaderCheckBox()
{
    const QHeaderView* header = m_table->horizontalHeader();
    const QSize box = m_headerCheckBox->sizeHint();
    const int x = header->sectionViewportPosition(CheckColumn) + (header->sectionSize(CheckColumn) - box.width()) / 2;
    m_headerCheckBox->setGeometry(QRect(QPoint(x, (header->height() - box.height()) / 2), box));
}

bool AppManagerView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table->horizontalHeader()->viewport() && event->type() == QEvent::Resize)
        PlaceHeaderCheckBox();
    return QWidget::eventFilter(watched, event);
}
