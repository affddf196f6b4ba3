#include "OneKeyConversions.h"

#include "RecordConversions.h"

#include <QFileInfo>

#include <cstring>

namespace {
template<std::size_t N> void CopyLocalText(char (&target)[N], const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const std::size_t length = std::min(static_cast<std::size_t>(bytes.size()), N - 1);
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

template<std::size_t N> QString ReadLocalText(const char (&buffer)[N])
{
    return LocalText(buffer, N);
}
} // namespace

OneKeyFileInfo ToOneKeyFileInfo(const OvOneKeyFileItem& item, int id)
{
    OneKeyFileInfo record;
    record.m_strName = ReadLocalText(item.name);
    record.m_strPath = ReadLocalText(item.path);
    record.m_nId = id;
    record.m_nCode = item.code;
    record.m_nFileKind = item.fileKind;
    record.m_nSize = item.size;
    record.m_nTime = item.time + kSecondsFrom1970To2001;
    record.m_strExtension = QFileInfo(record.m_strName).suffix();
    return record;
}

OneKeyMediaInfo ToOneKeyMediaInfo(const OvOneKeyMediaItem& item)
{
    OneKeyMediaInfo record;
    record.m_nId = item.id;
    record.m_strName = ReadLocalText(item.name);
    record.m_strPath = ReadLocalText(item.path);
    record.m_strThumbnailPath = ReadLocalText(item.thumbnailPath);
    record.m_nWidth = item.width;
    record.m_nHeight = item.height;
    record.m_nMediaKind = item.mediaKind;
    record.m_nSize = item.size;
    record.m_nTime = item.time + kSecondsFrom1970To2001;
    return record;
}

AppResultInfo ToAppResultInfo(const OvAppItem& item)
{
    AppResultInfo record;
    record.m_strName = ReadLocalText(item.name);
    record.m_strBundleId = ReadLocalText(item.bundleId);
    record.m_strVersion = ReadLocalText(item.version);
    record.m_strIconPath = ReadLocalText(item.iconPath);
    record.m_nAppSize = item.staticSize + item.dataSize;
    record.m_nDataSize = item.dataSize;
    return record;
}

OvOneKeyFileItem ToOvOneKeyFileItem(const OneKeyFileInfo& record)
{
    OvOneKeyFileItem item {};
    CopyLocalText(item.name, record.m_strName);
    CopyLocalText(item.path, record.m_strPath);
    item.size = record.m_nSize;
    item.time = record.m_nTime - kSecondsFrom1970To2001;
    item.fileKind = record.m_nFileKind;
    item.code = record.m_nCode;
    return item;
}

OvOneKeyMediaItem ToOvOneKeyMediaItem(const OneKeyMediaInfo& record)
{
    OvOneKeyMediaItem item {};
    item.id = static_cast<std::int32_t>(record.m_nId);
    CopyLocalText(item.name, record.m_strName);
    CopyLocalText(item.path, record.m_strPath);
    CopyLocalText(item.thumbnailPath, record.m_strThumbnailPath);
    item.size = record.m_nSize;
    item.time = record.m_nTime - kSecondsFrom1970To2001;
    item.width = record.m_nWidth;
    item.height = record.m_nHeight;
    item.mediaKind = record.m_nMediaKind;
    return item;
}

OvAppDescriptor ToOvAppDescriptor(const AppResultInfo& record)
{
    OvAppDescriptor descriptor {};
    CopyLocalText(descriptor.name, record.m_strName);
    CopyLocalText(descriptor.bundleId, record.m_strBundleId);
    descriptor.size = record.m_nAppSize;
    return descriptor;
}

void* CopyOneKeyClearRecord(int scanFlags, const void* item)
{
    if (!item)
        return nullptr;
    if (scanFlags & 16)
        return new AppResultInfo(ToAppResultInfo(*static_cast<const OvAppItem*>(item)));
    if (scanFlags & 1024)
        return new OneKeyMediaInfo(ToOneKeyMediaInfo(*static_cast<const OvOneKeyMediaItem*>(item)));
    return new OneKeyFileInfo(ToOneKeyFileInfo(*static_cast<const OvOneKeyFileItem*>(item), 0));
}

void DeleteOneKeyClearRecord(int scanFlags, void* record)
{
    if (scanFlags & 16)
        delete static_cast<AppResultInfo*>(record);
    else if (scanFlags & 1024)
        delete static_cast<OneKeyMediaInfo*>(record);
    else
        delete static_cast<OneKeyFileInfo*>(record);
}
