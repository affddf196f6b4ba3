#include "LookupModelName.h"

#include "AppPaths.h"

#include <QDomDocument>
#include <QFile>

namespace {
QString NodeText(const QDomNode& node)
{
    return node.isElement() ? node.toElement().text() : node.nodeValue();
}
} // namespace

QString LookupModelName(const QString& productType)
{
    QString result = QStringLiteral("iPhone");
    if (productType.isEmpty())
        return result;

    QFile file(applicationDirectory() + "/deviceType_config.xml");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    QDomDocument document;
    if (!document.setContent(&file))
        return result;

    // Each entry is a display name followed by a text listing its product types. Within
    // a group the first entry naming the type wins; a later group overrides an earlier one.
    for (QDomElement group = document.documentElement().firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        if (group.tagName() != QLatin1String("devices"))
            continue;
        for (QDomElement entry = group.firstChildElement(); !entry.isNull(); entry = entry.nextSiblingElement()) {
            if (entry.tagName() != QLatin1String("devieType") || entry.childNodes().count() != 2)
                continue;
            if (NodeText(entry.childNodes().at(1)).contains(productType)) {
                result = NodeText(entry.childNodes().at(0));
                break;
            }
        }
    }
    return result;
}
