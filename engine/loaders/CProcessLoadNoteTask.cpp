#include "CProcessLoadNoteTask.h"

#include "CGlobalData.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadNoteTask::CProcessLoadNoteTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadNoteTask::ClearLists(CGlobalData& store)
{
    store.m_obLNote.clear();
    store.m_obLNoteAttachment.clear();
}

void CProcessLoadNoteTask::Read(INotesCategory& category, CGlobalData& store)
{
    store.m_obLNote.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvNoteItem*>(category.GetItem(i)); },
        [&](const OvNoteItem& item) {
            NoteInfo note;
            note.m_nHandle = ItemHandle(&item);
            note.m_strTitle = LibraryText(item.title);
            note.m_strBody = LibraryText(item.body);
            note.m_strCreated = FormatLibraryTime(item.created, kMessageTimeFormat);
            note.m_strModified = FormatLibraryTime(item.modified, kMessageTimeFormat);
            note.m_bDeleted = item.deleted ? 1 : 0;
            store.m_obLNote.append(note);
        });
    ForEachItem(
        category.GetAttachmentCount(), [&](int i) { return category.GetAttachment(i); },
        [&](const OvNoteAttachmentItem& item) {
            store.m_obLNoteAttachment.append(ToAttachment<NoteAttachmentInfo>(item));
        });
}
