#pragma once

#include <QString>
#include <QVector>
#include <qnamespace.h>

class CGlobalData;

/// The data categories of the scan result tree, and what each means in the record store:
/// which records a mode keeps, how many there are, and which of them are selected.
///
/// Selection is read from and written to the records themselves, so the tree can never show
/// a box that disagrees with what an erase would take.
struct ScanCategory
{
    enum Id : int {
        Message,
        Contact,
        Calendar,
        CallHistory,
        Note,
        SafariHistory,
        Bookmark,
        Photo,
        VoiceMemo,
        WeChat,
        SafariCookie,
        SafariCache,
        MsgAttachment,
        NoteAttachment,
        WhatsApp,
        WhatsAppAttachment,
        Viber,
        Kik,
        KikAttachment,
        Count
    };

    /// The loads that fill the store after a backup; one finished signal each.
    enum Load : int {
        LoadSMS,
        LoadPhoto,
        LoadNote,
        LoadCallLog,
        LoadWhatsApp,
        LoadSafariHistory,
        LoadSafariCookie,
        LoadSafariCache,
        LoadViber,
        LoadKik,
        LoadWeChat,
        LoadCalendar,
        LoadBookmark,
        LoadVoice,
        LoadCount
    };

    Id id;
    const char* label;    // shown, translated in the context "OvScanResultView"
    const char* icon;     // with "_no_data" before its extension when the category is empty
    const char* name;     // the list view's name
    const char* eraseKey; // the confirmation page's key
    int order[2];         // position in the tree of mode 0 and mode 1; 0 = not shown

    static const ScanCategory& of(Id id);
    /// The categories a mode shows, in tree order.
    static QVector<Id> Ordered(int mode);
    static bool Shown(Id id, int mode);
    /// Count when no category has the key.
    static Id ByEraseKey(const QString& key);
    static QString NoDataIcon(const QString& icon);

    /// The loads of a feature (2 deleted files, 3 private data), in the order they are queued.
    static QVector<Load> Loads(int feature);
    /// The categories whose records a load brings, as far as a mode shows them.
    static QVector<Id> CategoriesOf(Load load, int mode);
    /// The short name the debug log uses for a load.
    static const char* LoadName(Load load);

    /// Keeps only the records of `id` whose deleted flag matches `mode` (0 deleted, 1
    /// existing) and clears every kept record's selected flag: nothing is ticked until the
    /// user ticks it.
    static void Filter(Id id, int mode, CGlobalData& store);
    /// Records of `id`; for WeChat, of account `account` (position in the account list) or of
    /// every account when it is negative. Messages count one each, not per conversation.
    static int RecordCount(Id id, const CGlobalData& store, int account = -1);
    static void SetSelected(Id id, bool on, CGlobalData& store, int account = -1);
    /// Unchecked with nothing selected (or no record), Checked with every record selected.
    static Qt::CheckState SelectionState(Id id, const CGlobalData& store, int account = -1);
};
