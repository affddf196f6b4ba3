#include "EraseListView.h"

#include "BookMarkView.h"
#include "CGlobalData.h"
#include "CallLogView.h"
#include "CallendarView.h"
#include "ContactView.h"
#include "FormatSize.h"
#include "MessageView.h"
#include "Note.h"
#include "OvWechatView.h"
#include "OvWhatsappView.h"
#include "PhotoView.h"
#include "RecordSources.h"
#include "SafariCache.h"
#include "SafariCookie.h"
#include "SafariHistory.h"
#include "VoiceMemos.h"

EraseListView::EraseListView(int mode, QWidget* parent)
    : QWidget(parent)
    , m_mode(mode)
{ }

int EraseListView::StateOf(qint64 selected, qint64 total)
{
    if (selected <= 0 || total <= 0)
        return 0;
    return selected >= total ? 2 : 1;
}

QString EraseListView::LineText(const QString& text, int maxChars)
{
    int end = text.indexOf(QLatin1Char('\n'));
    if (end < 0 || end > maxChars)
        end = qMin(int(text.size()), maxChars);
    QString line = text.left(end);
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return end < text.size() ? line + QChar(0x2026) : line;
}

QString EraseListView::BlockText(const QString& text, int maxChars)
{
    return text.size() <= maxChars ? text : text.left(maxChars) + QChar(0x2026);
}

namespace {

/// Attachments: the file's name, its size, and the path in the details.
template<class T> EraseListView* AttachmentList(int mode, const QString& name, QVector<T>* list, QWidget* parent)
{
    auto* view = new EraseTableView(mode, name, { EraseListView::tr("Name"), EraseListView::tr("Size") },
                                    RecordsOf<T>(list,
                                                 [](const T& file, int column) {
                                                     if (column == 1)
                                                         return FormatSize(file.m_nSize);
                                                     return file.m_strFileName.trimmed().isEmpty()
                                                         ? EraseListView::tr("Unknown")
                                                         : file.m_strFileName;
                                                 }),
                                    200, parent);
    view->SetDetail([list](int row) {
        if (row >= list->size())
            return QString();
        return QStringLiteral("<p><b>%1</b></p><p>%2</p>")
            .arg(EraseListView::LineText(list->at(row).m_strFileName, 500).toHtmlEscaped(),
                 EraseListView::LineText(list->at(row).m_strPath, 2000).toHtmlEscaped());
    });
    return view;
}

/// Viber and Kik messages, one row each, the whole text in the details.
template<class T>
EraseListView* MessengerList(int mode, const QString& name, QVector<T>* list, std::function<QString(const T&)> sender,
                             QWidget* parent)
{
    auto* view = new EraseTableView(
        mode, name, { EraseListView::tr("Name"), EraseListView::tr("Text"), EraseListView::tr("Date") },
        RecordsOf<T>(list,
                     [sender](const T& message, int column) {
                         switch (column) {
                         case 0: {
                             const QString who = sender(message);
                             return who.trimmed().isEmpty() ? EraseListView::tr("Unknown") : who;
                         }
                         case 1:
                             return message.m_strText;
                         default:
                             return message.m_strTime;
                         }
                     }),
        200, parent);
    view->SetDetail([list](int row) {
        if (row >= list->size())
            return QString();
        return QStringLiteral("<p>%1</p><p>%2</p>")
            .arg(list->at(row).m_strTime.toHtmlEscaped(),
                 EraseListView::BlockText(list->at(row).m_strText)
                     .toHtmlEscaped()
                     .replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    });
    return view;
}

} // namespace

EraseListView* CreateEraseListView(const QString& name, int mode, int wechatAccount, QWidget* parent)
{
    CGlobalData* store = CGlobalData::GetInstance();
    EraseListView* view = nullptr;
    if (name == QLatin1String("Message"))
        view = new MessageView(mode, parent);
    else if (name == QLatin1String("Photos & Videos"))
        view = new PhotoView(mode, parent);
    else if (name == QLatin1String("Call History"))
        view = new CallLogView(mode, parent);
    else if (name == QLatin1String("Contact"))
        view = new ContactView(mode, parent);
    else if (name == QLatin1String("Note"))
        view = new Note(mode, parent);
    else if (name == QLatin1String("Bookmark"))
        view = new BookMarkView(mode, parent);
    else if (name == QLatin1String("Safari History"))
        view = new SafariHistory(mode, parent);
    else if (name == QLatin1String("Calendar"))
        view = new CallendarView(mode, parent);
    else if (name == QLatin1String("Safari Cache"))
        view = new SafariCache(mode, parent);
    else if (name == QLatin1String("Safari Cookie"))
        view = new SafariCookie(mode, parent);
    else if (name == QLatin1String("Voice Memo"))
        view = new VoiceMemos(mode, parent);
    else if (name == QLatin1String("WhatsApp"))
        view = new OvWhatsappView(mode, false, parent);
    else if (name == QLatin1String("WhatsApp Attachments"))
        view = new OvWhatsappView(mode, true, parent);
    else if (name == QLatin1String("WeChat") || name.startsWith(QLatin1String("WeChat_"))) {
        // An account item's own name carries its index, should the caller not pass it.
        bool named = false;
        const int fromName = name.mid(7).toInt(&named);
        view = new OvWechatView(mode, wechatAccount < 0 && named ? fromName : wechatAccount, parent);
    } else if (name == QLatin1String("SMS Attachment"))
        view = AttachmentList(mode, EraseListView::tr("Message Attachment"), &store->m_obLSMSAttachment, parent);
    else if (name == QLatin1String("Memo Attachment"))
        view = AttachmentList(mode, EraseListView::tr("Note Attachment"), &store->m_obLNoteAttachment, parent);
    else if (name == QLatin1String("MKik Attachment"))
        view = AttachmentList(mode, EraseListView::tr("Kik Attachment"), &store->m_obLKikAttachment, parent);
    else if (name == QLatin1String("Viber"))
        view = MessengerList<ViberInfo>(
            mode, EraseListView::tr("Viber"), &store->m_obLViber,
            [](const ViberInfo& m) { return m.m_strName.isEmpty() ? m.m_strNumber : m.m_strName; }, parent);
    else if (name == QLatin1String("Kik"))
        view = MessengerList<KikInfo>(
            mode, EraseListView::tr("Kik"), &store->m_obLKik,
            [](const KikInfo& m) { return m.m_strDisplayName.isEmpty() ? m.m_strUserName : m.m_strDisplayName; },
            parent);
    if (view && view->objectName().isEmpty()) // an account's view names itself by its index
        view->setObjectName(name);
    return view;
}
