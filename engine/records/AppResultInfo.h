#pragma once

#include <QMetaType>
#include <QString>

/// An installed app (one-key code 16), also the record of the app-size scan.
struct AppResultInfo
{
    QString m_strName;
    QString m_strBundleId; // also the base name of its icon file
    QString m_strVersion;
    qint32 m_nReserved1 = 0;
    qint32 m_nReserved2 = 0;
    qint32 m_nReserved3 = 0;
    quint64 m_nAppSize = 0;  // bytes: the app and its data
    quint64 m_nDataSize = 0; // bytes: its data alone
    quint8 m_bChecked = 0;   // chosen for removal
    QString m_strIconPath;   // a PNG on this computer; may be empty
};

Q_DECLARE_METATYPE(AppResultInfo)
