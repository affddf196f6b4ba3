#pragma once

#include "OvModel.h"

class FeatureHomePage;

/// 1-Click Free Up Space. For now the feature shows its home page with the device summary;
/// scanning and cleaning come with their views.
class OvOneKeyClearModel : public OvModel
{
    Q_OBJECT

public:
    explicit OvOneKeyClearModel(QWidget* parent = nullptr);

    /// Whether a scan result would be lost by leaving the feature.
    bool HasScanResult() const { return false; }
    /// Forgets the space released on the previous device.
    void ResetReleasedTotal() { m_totalReleased = 0; }
    quint64 totalReleased() const { return m_totalReleased; }
    void SetDeviceInfo(const QString& name, quint64 totalBytes, quint64 freeBytes);

private:
    FeatureHomePage* m_home = nullptr;
    quint64 m_totalReleased = 0;
};
