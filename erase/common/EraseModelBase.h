#pragma once

#include "OvModel.h"

class EraseTabPage;

/// What the four erase features share with the main window: their home page with the
/// device summary, the scan-result question, the security level handed down from the Tools
/// menu, and the device leaving and returning while it restarts after an erase.
class EraseModelBase : public OvModel
{
    Q_OBJECT

public:
    /// `feature` is the feature's tab index (1 all data, 2 deleted files, 3 private data,
    /// 4 fragments); page 0 is its start page.
    EraseModelBase(int feature, const QString& picture, const QString& title, const QString& description,
                   const QString& buttonText, QWidget* parent = nullptr);

    int feature() const { return m_feature; }
    EraseTabPage* startPage() const { return m_start; }

    /// Whether a scan result would be lost by leaving the feature.
    virtual bool HasScanResult() const { return false; }
    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);

    /// The level chosen for this feature's next erase, and the fill passes it asks for
    /// (High 2, Medium 1, Low 0).
    virtual void SetSecurityLevel(int level);
    int securityLevel() const { return m_level; }
    virtual int FillPasses() const;

    /// Stops a scan under way when the user leaves the feature anyway.
    virtual void StopScan(int level) { Q_UNUSED(level) }

private:
    int m_feature;
    EraseTabPage* m_start = nullptr;
    int m_level;
};
