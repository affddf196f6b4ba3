#include "CEraseAppFragmentsTask.h"

#include "CCtrlEraseAppFragmentsCallback.h"
#include "TaskSupport.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

void copyText(char* target, std::size_t size, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), size - 1);
    std::memcpy(target, bytes.constData(), length);
    target[length] = '\0';
}

} // namespace

CEraseAppFragmentsTask::CEraseAppFragmentsTask(const QList<QPair<QString, QString>>& apps)
{
    IPrivacyCleanDevice* device = FirstDevice();
    if (!device || apps.isEmpty())
        return;
    IOneKeyAppCategory* category = nullptr;
    device->GetOneKeyApps(&category);
    if (!category)
        return;
    auto descriptors = std::make_shared<std::vector<OvAppDescriptor>>(static_cast<std::size_t>(apps.size()));
    for (int i = 0; i < apps.size(); ++i) {
        OvAppDescriptor& descriptor = (*descriptors)[static_cast<std::size_t>(i)];
        std::memset(&descriptor, 0, sizeof descriptor);
        copyText(descriptor.name, sizeof descriptor.name, apps.at(i).first);
        copyText(descriptor.bundleId, sizeof descriptor.bundleId, apps.at(i).second);
    }
    auto* callback = new CCtrlEraseAppFragmentsCallback();
    // The library reads the array while the operation is made, but a later library may read
    // it when the job runs: it lives as long as the operation.
    m_pProcess = MakeOperationProcess(
        category->CreateEraseFragments(callback, descriptors->data(), static_cast<std::uint32_t>(descriptors->size())),
        callback, descriptors);
}
