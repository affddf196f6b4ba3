#include "CEraseNoteDataTask.h"

#include "CCtrlEraseNoteDataCallback.h"
#include "EraseProcessBuilder.h"

CEraseNoteDataTask::CEraseNoteDataTask(int mode, const QList<quint32>& items, VoidResultFunc result)
    : CTask(BuildEraseProcess<INotesCategory>(FromPrivateData(&IPrivateDataInterface::GetNotes),
                                              EraseRule::SelectedWhenMode1, mode, items,
                                              &INotesCategory::CreateEraseAll, &INotesCategory::CreateEraseSelected,
                                              [result] { return new CCtrlEraseNoteDataCallback(result); }))
{ }
