#pragma once

#include <QWidget>

/// One data category's records on the right of the result tree. Rows carry check boxes
/// whose state is the records' selected flag in CGlobalData, so what the user sees ticked
/// is exactly what an erase takes.
class EraseListView : public QWidget
{
    Q_OBJECT

public:
    /// `mode` 0 lists deleted records, 1 records that still exist (the store is already
    /// filtered by the result view; the mode only changes wording).
    explicit EraseListView(int mode, QWidget* parent = nullptr);

    int mode() const { return m_mode; }

    /// The state checkCheckSignal reports for `selected` of `total` records.
    static int StateOf(qint64 selected, qint64 total);
    /// A record text cut to what one line of a list can show: the first line, at most
    /// `maxChars` characters, so that a megabyte of text costs no layout.
    static QString LineText(const QString& text, int maxChars = 200);
    /// A record text cut for a detail pane or a bubble.
    static QString BlockText(const QString& text, int maxChars = 8000);

signals:
    /// The rows' state after a change by the user: 0 none ticked, 1 some, 2 all.
    void checkCheckSignal(int check);

public slots:
    /// The tree box was clicked: tick or clear every row and every record of the list.
    virtual void receiveLeftCheckBoxState(bool on) = 0;

private:
    int m_mode;
};

/// The list view of a result-tree item, by the item's internal name ("Message",
/// "SMS Attachment", "Photos & Videos", "Call History", "Contact", "Note",
/// "Memo Attachment", "Bookmark", "Safari History", "Calendar", "Safari Cache",
/// "Safari Cookie", "Voice Memo", "WhatsApp Attachments", "WhatsApp", "Viber", "Kik",
/// "MKik Attachment", "WeChat"); `wechatAccount` is the account index for "WeChat".
/// Null for a name it does not know.
EraseListView* CreateEraseListView(const QString& name, int mode, int wechatAccount, QWidget* parent);
