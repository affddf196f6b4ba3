#include "CEraseDataWid.h"

#include "AppStyle.h"
#include "SkinImage.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

struct Category
{
    const char* key;
    const char* name;
    const char* icon;
};

// Display names for the keys that are too terse to show as they are.
const Category kCategories[] = {
    { "Message", QT_TRANSLATE_NOOP("CEraseDataWid", "Message"), "erase_scan_message.png" },
    { "Call History", QT_TRANSLATE_NOOP("CEraseDataWid", "Call History"), "erase_scan_call_history.png" },
    { "SafariCookie", QT_TRANSLATE_NOOP("CEraseDataWid", "Safari Cookie"), "erase_scan_safari.png" },
    { "SafariCache", QT_TRANSLATE_NOOP("CEraseDataWid", "Safari Cache"), "erase_scan_safari.png" },
    { "SafariHistory", QT_TRANSLATE_NOOP("CEraseDataWid", "Safari History"), "erase_scan_safari.png" },
    { "Photo&Videos", QT_TRANSLATE_NOOP("CEraseDataWid", "Photo & Videos"), "erase_scan_photo.png" },
    { "Note", QT_TRANSLATE_NOOP("CEraseDataWid", "Note"), "erase_scan_note.png" },
    { "MsgAttach", QT_TRANSLATE_NOOP("CEraseDataWid", "Message Attachment"), "erase_scan_message.png" },
    { "NoteAttach", QT_TRANSLATE_NOOP("CEraseDataWid", "Note Attachment"), "erase_scan_note.png" },
    { "WhatsApp", QT_TRANSLATE_NOOP("CEraseDataWid", "WhatsApp"), "erase_scan_whatsapp.png" },
    { "WhatsAppAttach", QT_TRANSLATE_NOOP("CEraseDataWid", "WhatsApp Attachments"), "erase_scan_whatsapp.png" },
    { "WeChat", QT_TRANSLATE_NOOP("CEraseDataWid", "WeChat"), "erase_scan_wechat.png" },
    { "Viber", QT_TRANSLATE_NOOP("CEraseDataWid", "Viber"), "erase_scan_viber.png" },
    { "Kik", QT_TRANSLATE_NOOP("CEraseDataWid", "Kik"), "erase_scan_kik.png" },
    { "KikAttachment", QT_TRANSLATE_NOOP("CEraseDataWid", "Kik Attachment"), "erase_scan_kik.png" },
    { "Contact", QT_TRANSLATE_NOOP("CEraseDataWid", "Contact"), "erase_scan_contact.png" },
    { "Calendar&Reminder", QT_TRANSLATE_NOOP("CEraseDataWid", "Calendar , Reminder"), "erase_scan_calendar.png" },
    { "Bookmark", QT_TRANSLATE_NOOP("CEraseDataWid", "Bookmark"), "erase_scan_bookmark.png" },
    { "Voice", QT_TRANSLATE_NOOP("CEraseDataWid", "Voice Memo"), "erase_scan_voice.png" },
};

constexpr int kFragmentsFeature = 4;

const Category* FindCategory(const QString& key)
{
    for (const Category& category : kCategories) {
        if (key == QLatin1String(category.key))
            return &category;
    }
    return nullptr;
}

} // namespace

CEraseDataWid::CEraseDataWid(int feature, QWidget* parent)
    : QWidget(parent)
    , m_feature(feature)
{
    setObjectName(QStringLiteral("eraseDataWid"));
    const AppStyle& style = AppStyle::instance();
    m_header = new QLabel(HeaderText(), this);
    m_header->setObjectName(QStringLiteral("eraseListHeader"));
    m_header->setFont(style.font(9));
    m_header->setStyleSheet(QStringLiteral("color:#3c4449;"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("eraseList"));
    m_list->setAccessibleName(HeaderText());
    m_list->setFont(style.font(8));
    m_list->setIconSize(QSize(24, 24));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setStyleSheet(QStringLiteral("QListWidget{border:1px solid #e3e9ee;background:#fafcfd;}"));

    auto* warning = new QLabel(
        tr("Warning:To avoid damage to thie device,please don't disconnect the device while erasing. "), this);
    warning->setObjectName(QStringLiteral("eraseListWarning"));
    warning->setWordWrap(true);
    warning->setFont(style.font(0));
    warning->setStyleSheet(QStringLiteral("color:#e0403a;"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_header);
    layout->addWidget(m_list, 1);
    layout->addWidget(warning);
}

QString CEraseDataWid::HeaderText() const
{
    switch (m_feature) {
    case 2:
        return tr("The erase deleted data:");
    case kFragmentsFeature:
        return tr("The App fragment erased:");
    default:
        return tr("The erase private data:");
    }
}

QString CEraseDataWid::DisplayName(const QString& key) const
{
    if (m_feature != kFragmentsFeature) {
        if (const Category* category = FindCategory(key))
            return tr(category->name);
    }
    return key;
}

QString CEraseDataWid::IconName(const QString& key) const
{
    if (m_feature == kFragmentsFeature)
        return QStringLiteral("fragments_%1_mini.png").arg(key.toLower());
    const Category* category = FindCategory(key);
    return category ? QString::fromLatin1(category->icon) : QString();
}

void CEraseDataWid::SetItems(const QStringList& keys)
{
    m_keys = keys;
    m_list->clear();
    for (const QString& key : keys) {
        auto* item = new QListWidgetItem(QIcon(SkinPixmap(IconName(key))), DisplayName(key), m_list);
        item->setFlags(Qt::ItemIsEnabled);
    }
}
