#include "ContactView.h"

#include "CGlobalData.h"
#include "RecordSources.h"
#include "SkinImage.h"

namespace {

QString ContactName(const ContactInfo& contact)
{
    return contact.m_strName.trimmed().isEmpty() ? ContactView::tr("Unknown") : contact.m_strName;
}

} // namespace

ContactView::ContactView(int mode, QWidget* parent)
    : EraseTableView(mode, tr("Contact"), { tr("Name"), tr("Company"), tr("Phone"), tr("Email") },
                     RecordsOf<ContactInfo>(
                         &CGlobalData::GetInstance()->m_obLContact,
                         [](const ContactInfo& contact, int column) {
                             switch (column) {
                             case 0:
                                 return ContactName(contact);
                             case 1:
                                 return contact.m_strOrganization;
                             case 2:
                                 return contact.m_obLPhones.join(QStringLiteral(", "));
                             default:
                                 return QString(); // the library gives no e-mail address
                             }
                         },
                         SkinPixmap(QStringLiteral("avatar_mini_def.png"))),
                     200, parent)
{
    SetDetail([](int row) {
        const QVector<ContactInfo>& list = CGlobalData::GetInstance()->m_obLContact;
        if (row >= list.size())
            return QString();
        const ContactInfo& contact = list.at(row);
        const QString unknown = tr("unknow");
        QString html = QStringLiteral("<h3>%1</h3>").arg(LineText(ContactName(contact)).toHtmlEscaped());
        const QStringList phones = contact.m_obLPhones;
        if (phones.isEmpty())
            html += QStringLiteral("<p>%1%2</p>").arg(tr("Phone : "), unknown);
        for (const QString& phone : phones)
            html += QStringLiteral("<p>%1%2</p>").arg(tr("Phone : "), LineText(phone).toHtmlEscaped());
        html += QStringLiteral("<p>%1%2</p>").arg(tr("Email : "), unknown);
        return html;
    });
}
