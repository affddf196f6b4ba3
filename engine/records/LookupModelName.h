#pragma once

#include <QString>

/// The display model name of a product type ("iPhone14,2" gives "iPhone 13 Pro"), read from
/// "deviceType_config.xml" in the application directory. "iPhone" when the type is empty,
/// the table cannot be read or no entry names the type.
QString LookupModelName(const QString& productType);
