#pragma once

#include "AppResultInfo.h"
#include "OneKeyFileInfo.h"
#include "OneKeyMediaInfo.h"
#include "ovdriver.h"

// Conversions between the library's one-key items and the program's one-key records.

OneKeyFileInfo ToOneKeyFileInfo(const OvOneKeyFileItem& item, int id);
OneKeyMediaInfo ToOneKeyMediaInfo(const OvOneKeyMediaItem& item);
AppResultInfo ToAppResultInfo(const OvAppItem& item);
OvOneKeyFileItem ToOvOneKeyFileItem(const OneKeyFileInfo& record);
OvOneKeyMediaItem ToOvOneKeyMediaItem(const OneKeyMediaInfo& record);
/// The uninstall descriptor of an app: its name and bundle id as local 8-bit texts.
OvAppDescriptor ToOvAppDescriptor(const AppResultInfo& record);

/// The record a one-key clean reply carries for `scanFlags`, copied from the library's
/// `item` (which lives only during the notification): AppResultInfo for apps (bit 16),
/// OneKeyMediaInfo for photos (bit 1024), OneKeyFileInfo for the rest. Null for null.
void* CopyOneKeyClearRecord(int scanFlags, const void* item);
/// Frees a record received with signalOneKeyClearRespond(scanFlags, status, record);
/// the receiver owns it. Null is ignored.
void DeleteOneKeyClearRecord(int scanFlags, void* record);
