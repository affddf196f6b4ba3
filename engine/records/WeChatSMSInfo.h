#pragma once

#include "WeChatSMSBase.h"

/// One WeChat message as the store keeps it.
struct WeChatSMSInfo : WeChatSMSBase
{
    QString m_strDisplayName;
    QString m_strThumbnailPath;
    QString m_strRemark;
};
