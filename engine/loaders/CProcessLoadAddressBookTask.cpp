#include "CProcessLoadAddressBookTask.h"

#include "CGlobalData.h"
#include "ContactNameIndex.h"
#include "RecordConversions.h"
#include "ovdriver.h"

CProcessLoadAddressBookTask::CProcessLoadAddressBookTask(VoidResultFunc result)
    : CProcessLoadCategoryTask(result)
{ }

void CProcessLoadAddressBookTask::ClearLists(CGlobalData& store)
{
    store.m_obLContact.clear();
    ContactNameIndex::ForgetShared();
}

void CProcessLoadAddressBookTask::Read(IWholeEraseCategory& category, CGlobalData& store)
{
    store.m_obLContact.reserve(ReserveHint(category.GetCount()));
    ForEachItem(
        category.GetCount(), [&](int i) { return static_cast<const OvContactItem*>(category.GetItem(i)); },
        [&](const OvContactItem& item) {
            ContactInfo contact;
            contact.m_strName = LibraryText(item.firstName);
            const QString lastName = LibraryText(item.lastName);
            if (!lastName.isEmpty())
                contact.m_strName += QLatin1Char(' ') + lastName;
            contact.m_strOrganization = LibraryText(item.organization);
            contact.m_bDeleted = item.deleted ? 1 : 0;
            for (int p = 0; item.phones && p < item.phoneCount; ++p) {
                const OvContactPhone& phone = item.phones[p];
                // Names and numbers never go to a log: the feedback mail attaches the logs.
                contact.m_obLPhones.append(LibraryText(phone.number));
            }
            store.m_obLContact.append(contact);
        });
}
