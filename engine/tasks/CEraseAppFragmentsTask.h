#pragma once

#include "CTask.h"

#include <QList>
#include <QPair>
#include <QString>

/// Erases the fragments that the listed apps left in the device's backup copy, for apps that
/// have no erase task of their own; the restore queued after it brings the smaller data
/// sizes to the device. Each app is (name, bundle id). Empty without a device, or when the
/// library offers no such erase.
class CEraseAppFragmentsTask : public CTask
{
public:
    explicit CEraseAppFragmentsTask(const QList<QPair<QString, QString>>& apps);
};
