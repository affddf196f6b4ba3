#pragma once

#include <QString>

/// The maker's web pages the program links to when the version files name no address of
/// their own. Pages with a French edition give it when the interface is French.
namespace WebLinks {

enum Page {
    Tutorial,
    Faq,
    Review,
    ContactUs,
    Facebook,
    Twitter,
    FixConnection,
    RemoveBackupEncryption,
    TurnOffFindMyIPhone,
    FindMyIPhoneStillOn,
    ProductHome,
    // Share addresses: the product page to share is appended by shareAddress().
    ShareFacebook,
    ShareTwitter,
    ShareGoogle,
    CrestlineHome, // the maker's music transfer product
};

/// The built-in address of `page` for the language `languageName` ("French", "English"...).
QString address(Page page, const QString& languageName);
/// The address of `page` for the current interface language.
QString address(Page page);
/// The address that shares `productPage` on the service of `share` (ShareFacebook,
/// ShareTwitter, ShareGoogle); empty for other pages.
QString shareAddress(Page share, const QString& productPage);
/// Opens `url` in the default browser; false when no browser took it.
bool open(const QString& url);

} // namespace WebLinks
