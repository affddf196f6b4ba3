#include "CEraseNoteAttachmentTask.h"

#include "CCtrlEraseNoteAttachmentCallback.h"
#include "EraseProcessBuilder.h"

CEraseNoteAttachmentTask::CEraseNoteAttachmentTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<INotesCategory>(FromPrivateData(&IPrivateDataInterface::GetNotes),
                                              EraseRule::SelectedWhenMode1, mode, items,
                                              &INotesCategory::CreateEraseAll, &INotesCategory::CreateEraseAttachments,
                                              [result] { return new CCtrlEraseNoteAttachmentCallback(result); }))
{ }
