#include "CCtrlEraseNoteDataCallback.h"

CCtrlEraseNoteDataCallback::CCtrlEraseNoteDataCallback(VoidResultFunc result)
    : CCtrlEraseDataCallback("CCtrlEraseNoteDataCallback", result)
{ }
