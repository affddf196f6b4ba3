#pragma once

struct OvBasicInfo;
struct OvDeviceInfo;
class IPrivacyCleanDevice;

/// The caller's own copy of a device's information block, or of its basic block; false, with
/// `copy` zeroed, without a device or a block. The library rewrites its one block at every
/// request, so requests from any thread take turns here.
bool CopyDeviceInfo(IPrivacyCleanDevice* device, OvDeviceInfo& copy);
bool CopyBasicInfo(IPrivacyCleanDevice* device, OvBasicInfo& copy);
