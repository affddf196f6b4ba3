#include "CProcessLoadAddressBookTask.h"

#include "CGlobalData.h"
#include "ContactNameIndex.h"
#include "RecordConversions.h"
#include "ovdriver.h"

#include <QtDebug>

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
                contact.m_obLPhones.append(LibraryText(phone.number));
                qDebug("contactName:%s phoneNumber:%s labelType:%d state:%d propertyType:%d",
                       qUtf8Printable(contact.m_strName), qUtf8Printable(contact.m_obLPhones.last()), phone.labelType,
                       phone.state, phone.propertyType);
            }
            store.m_obLContact.append(contact);
        });
}
