#pragma once

#include <QCheckBox>

/// One app of the fragments picker: its picture, name and the size of what it left behind.
/// A check box, so that mouse, keyboard and screen readers choose it alike; an app with
/// nothing found is greyed and cannot be chosen.
class OvFragmentAppItem : public QCheckBox
{
    Q_OBJECT

public:
    OvFragmentAppItem(int appId, const QString& name, QWidget* parent = nullptr);

    int appId() const { return m_appId; }
    QString appName() const { return m_name; }
    /// The app's measured size in bytes; 0 makes it empty.
    void SetSize(qint64 bytes, const QString& picture, const QString& emptyPicture);
    qint64 size() const { return m_size; }

signals:
    void signalAppIsChecked(int appId, bool checked);

private:
    int m_appId;
    QString m_name;
    qint64 m_size = 0;
};
