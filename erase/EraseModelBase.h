#pragma once

#include "OvModel.h"

class FeatureHomePage;

/// What the four erase features share with the main window: their home page with the
/// device summary, the scan-result question, the security level handed down from the Tools
/// menu, and the device leaving and returning while it restarts after an erase.
class EraseModelBase : public OvModel
{
    Q_OBJECT

public:
    EraseModelBase(const QString& picture, const QString& title, const QString& description, QWidget* parent = nullptr);

    /// Whether a scan result would be lost by leaving the feature.
    virtual bool HasScanResult() const { return false; }
    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);

    /// The level chosen for this feature's next erase, and the fill passes it asks for
    /// (High 2, Medium 1, Low 0).
    void SetSecurityLevel(int level);
    int securityLevel() const { return m_level; }
    int FillPasses() const;

    /// Stops a scan under way when the user leaves the feature anyway.
    virtual void StopScan(int level) { Q_UNUSED(level) }

    /// The device restarts after an erase: it went away, or came back.
    virtual void DeviceAway() { }
    virtual void DeviceBack() { }

protected:
    FeatureHomePage* homePage() const { return m_home; }

private:
    FeatureHomePage* m_home = nullptr;
    int m_level;
};
