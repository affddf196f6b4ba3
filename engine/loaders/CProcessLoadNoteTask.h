#pragma once

#include "CProcessLoadCategoryTask.h"

/// Loads the notes and the note attachments.
class CProcessLoadNoteTask : public CProcessLoadCategoryTask<INotesCategory, &IPrivateDataInterface::GetNotes>
{
public:
    explicit CProcessLoadNoteTask(VoidResultFunc result);

protected:
    void ClearLists(CGlobalData& store) override;
    void Read(INotesCategory& category, CGlobalData& store) override;
};
