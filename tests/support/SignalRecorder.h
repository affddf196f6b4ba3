#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

/// Records a signal like QSignalSpy, but receives it queued on the recorder's thread.
/// QSignalSpy records in the emitting thread, which races with a test that reads it while
/// the control thread emits.
class SignalRecorder : public QObject, public QList<QVariantList>
{
    Q_OBJECT

public:
    template<class Sender, class... Args> SignalRecorder(Sender* sender, void (Sender::*signal)(Args...))
    {
        QObject::connect(
            sender, signal, this,
            [this](Args... arguments) { append(QVariantList { QVariant::fromValue(arguments)... }); },
            Qt::QueuedConnection);
    }
    /// A signal without arguments, named as SIGNAL() names it.
    SignalRecorder(QObject* sender, const char* signal);

private slots:
    void Record() { append(QVariantList()); }
};
