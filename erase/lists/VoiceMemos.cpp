#include "VoiceMemos.h"

#include "CGlobalData.h"
#include "ListCheckBox.h"
#include "RecordSources.h"
#include "SkinImage.h"

#include <QIcon>
#include <QListView>
#include <QMenu>
#include <QVBoxLayout>

namespace {

QString MemoText(const VoiceMemoInfo& memo)
{
    const QString title = memo.m_strTitle.trimmed().isEmpty() ? VoiceMemos::tr("Voice Memo") : memo.m_strTitle;
    const int seconds = qMax(0, memo.m_nDuration);
    return QStringLiteral("%1\n%2:%3")
        .arg(EraseListView::LineText(title, 60))
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

/// One tile per memo: the picture, then its title and length on two lines.
RecordTableModel::Source MemoSource()
{
    QVector<VoiceMemoInfo>* memos = &CGlobalData::GetInstance()->m_obLVoiceMemo;
    RecordTableModel::Source source
        = RecordsOf<VoiceMemoInfo>(memos, [](const VoiceMemoInfo& memo, int) { return MemoText(memo); });
    const QIcon picture(SkinPixmap(QStringLiteral("default_audio.png")));
    source.cell = [memos, picture](int row, int, int role) -> QVariant {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return MemoText(memos->at(row));
        if (role == Qt::DecorationRole)
            return picture;
        return {};
    };
    return source;
}

} // namespace

VoiceMemos::VoiceMemos(int mode, QWidget* parent)
    : EraseListView(mode, parent)
    , m_model(new RecordTableModel({ tr("Voice Memo") }, MemoSource(), 200, this))
    , m_grid(new QListView(this))
    , m_selectAll(new ListCheckBox(tr("Select All"), this))
{
    setAccessibleName(tr("Voice Memo"));
    m_grid->setObjectName(QStringLiteral("voiceMemoGrid"));
    m_grid->setAccessibleName(tr("Voice Memo"));
    m_grid->setModel(m_model);
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setMovement(QListView::Static);
    m_grid->setUniformItemSizes(true);
    m_grid->setIconSize(QSize(64, 64));
    m_grid->setGridSize(QSize(140, 130));
    m_grid->setTextElideMode(Qt::ElideMiddle);
    m_grid->setWordWrap(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &VoiceMemos::ShowMenu);
    connect(m_model, &RecordTableModel::userChecked, this, &VoiceMemos::UserChanged);

    m_selectAll->setObjectName(QStringLiteral("headerCheckBox"));
    m_selectAll->ShowState(m_model->Overall());
    connect(m_selectAll, &QCheckBox::clicked, this, [this](bool on) {
        m_model->SetAll(on);
        UserChanged();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_selectAll);
    layout->addWidget(m_grid, 1);
}

void VoiceMemos::receiveLeftCheckBoxState(bool on)
{
    m_model->SetAll(on);
    m_selectAll->ShowState(m_model->Overall());
}

void VoiceMemos::UserChanged()
{
    const int state = m_model->Overall();
    m_selectAll->ShowState(state);
    emit checkCheckSignal(state);
}

void VoiceMemos::ShowMenu(const QPoint& position)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("voiceMemoMenu"));
    QAction* checkAll = menu.addAction(tr("Check All"));
    QAction* uncheckAll = menu.addAction(tr("Uncheck All"));
    QAction* chosen = menu.exec(m_grid->viewport()->mapToGlobal(position));
    if (chosen != checkAll && chosen != uncheckAll)
        return;
    m_model->SetAll(chosen == checkAll);
    UserChanged();
}
