#include "OneKeyConversions.h"

#include "RecordConversions.h"

#include <QFileInfo>

#include <cstring>

namespace {
// The library takes UTF-8 on every platform; a text too long for its field is cut before a
// whole character, never inside one.
template<std::size_t N> void CopyFieldText(char (&target)[N], const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::size_t length = std::min(static_cast<std::size_t>(bytes.size()), N - 1);
    while (length > 0 && length < static_cast<std::size_t>(bytes.size())
           && (static_cast<unsigned char>(bytes[static_cast<int>(length)]) & 0xC0) == 0x80)
        --length;
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

template<std::size_t N> QString ReadFieldText(const char (&buffer)[N])
{
    return FieldText(buffer, N);
}
} // namespace

OneKeyFileInfo ToOneKeyFileInfo(const OvOneKeyFileItem& item, int id)
{
    OneKeyFileInfo record;
    record.m_strName = ReadFieldText(item.name);
    record.m_strPath = ReadFieldText(item.path);
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
    record.m_strName = ReadFieldText(item.name);
    record.m_strPath = ReadFieldText(item.path);
    record.m_strThumbnailPath = ReadFieldText(item.thumbnailPath);
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
    record.m_strName = ReadFieldText(item.name);
    record.m_strBundleId = ReadFieldText(item.bundleId);
    record.m_strVersion = ReadFieldText(item.version);
    record.m_strIconPath = ReadFieldText(item.iconPath);
    record.m_nAppSize = item.staticSize + item.dataSize;
    record.m_nDataSize = item.dataSize;
    return record;
}

OvOneKeyFileItem ToOvOneKeyFileItem(const OneKeyFileInfo& record)
{
    OvOneKeyFileItem item {};
    CopyFieldText(item.name, record.m_strName);
    CopyFieldText(item.path, record.m_strPath);
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
    CopyFieldText(item.name, record.m_strName);
    CopyFieldText(item.path, record.m_strPath);
    CopyFieldText(item.thumbnailPath, record.m_strThumbnailPath);
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
    CopyFieldText(descriptor.name, record.m_strName);
    CopyFieldText(descriptor.bundleId, record.m_strBundleId);
    descriptor.size = record.m_nAppSize;
    return descriptor;
}

void* CopyOneKeyClearRecord(int scanFlags, const void* item)
{
    if (!item)
        return nullptr;
    if (scanFlags & OV_ONEKEY_APPS)
        return new AppResultInfo(ToAppResultInfo(*static_cast<const OvAppItem*>(item)));
    if (scanFlags & OV_ONEKEY_PHOTOS)
        return new OneKeyMediaInfo(ToOneKeyMediaInfo(*static_cast<const OvOneKeyMediaItem*>(item)));
    return new OneKeyFileInfo(ToOneKeyFileInfo(*static_cast<const OvOneKeyFileItem*>(item), 0));
}

void DeleteOneKeyClearRecord(int scanFlags, void* record)
{
    if (scanFlags & OV_ONEKEY_APPS)
        delete static_cast<AppResultInfo*>(record);
    else if (scanFlags & OV_ONEKEY_PHOTOS)
        delete static_cast<OneKeyMediaInfo*>(record);
    else
        delete static_cast<OneKeyFileInfo*>(record);
}
