#pragma once

#include "ContactInfo.h"

#include <QString>
#include <QVector>

/// `number` without non-breaking spaces, spaces and "-".
QString CleanPhoneNumber(const QString& number);

/// The name of the first contact with a non-empty phone number that contains the cleaned
/// `number` or is contained in it (the longer text must contain the shorter); empty when
/// none does. Contacts and their numbers are tried in list order. One lookup walks every
/// number; loaders that look many numbers up use ContactNameIndex, which gives the same names.
QString LookupContactName(const QString& number, const QVector<ContactInfo>& contacts);
