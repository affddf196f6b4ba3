#pragma once

#include <QWidget>

/// Page 2 of Erase Private Data and Erase Deleted Files: the tree of data categories with
/// their counts and boxes, and the list of the category clicked. The user's ticks are the
/// records' selected flags in CGlobalData.
class OvScanResultView : public QWidget
{
    Q_OBJECT

public:
    /// `mode` 0 keeps deleted records, 1 records that still exist; `feature` is 2 or 3.
    OvScanResultView(int mode, int feature, QWidget* parent = nullptr);

    int mode() const { return m_mode; }
    int feature() const { return m_feature; }

    /// The tree box of a category, by its erase key ("Message", "Call History", "Note",
    /// "Photo&Videos", "SafariHistory", "SafariCookie", "SafariCache", "MsgAttach",
    /// "NoteAttach", "WhatsApp", "WhatsAppAttach", "WeChat", "Viber", "Kik",
    /// "KikAttachment", "Contact", "Calendar&Reminder", "Bookmark", "Voice"):
    /// Qt::Unchecked for a key this mode does not show.
    Qt::CheckState CategoryCheckState(const QString& eraseKey) const;
    /// Discards the results: the next visit starts a fresh scan view.
    void ResetView();

signals:
    void SignalSwitchPage(int);
    void SignalScanOver();

private:
    int m_mode;
    int m_feature;
};
