#include "SignalRecorder.h"

SignalRecorder::SignalRecorder(QObject* sender, const char* signal)
{
    connect(sender, signal, this, SLOT(Record()), Qt::QueuedConnection);
}
