#include "WebLinks.h"

#include "Translation.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebLinks {

namespace {

struct Row
{
    Page page;
    const char* english;
    const char* french; // null: the page has one edition
};

const Row kRows[] = {
    { Tutorial, "https://www.velmora.com/dravo-free/guide.html", "https://www.velmora.com/fr/dravo-free/guide.html" },
    { Faq, "https://www.velmora.com/support/faq.html", "https://www.velmora.com/fr/support/faq.html" },
    { Review, "https://www.velmora.com/dravo-free/review.html", "https://www.velmora.com/fr/dravo-free/review.html" },
    { ContactUs, "https://www.velmora.com/contact.html", "https://www.velmora.com/fr/contact.html" },
    { Facebook, "https://www.facebook.com/velmorasoftware", nullptr },
    { Twitter, "https://twitter.com/velmorasoftware", nullptr },
    { FixConnection, "https://www.velmora.com/support/device-not-recognized.html",
      "https://www.velmora.com/fr/support/device-not-recognized.html" },
    { RemoveBackupEncryption, "https://www.velmora.com/support/remove-backup-encryption.html",
      "https://www.velmora.com/fr/support/remove-backup-encryption.html" },
    { TurnOffFindMyIPhone, "https://www.velmora.com/support/turn-off-find-my-iphone.html",
      "https://www.velmora.com/fr/support/turn-off-find-my-iphone.html" },
    { FindMyIPhoneStillOn, "https://www.velmora.com/support/find-my-iphone-still-on.html",
      "https://www.velmora.com/fr/support/find-my-iphone-still-on.html" },
    { ProductHome, "https://www.velmora.com/dravo-free/", "https://www.velmora.com/fr/dravo-free/" },
    { ShareFacebook, "https://www.facebook.com/sharer/sharer.php?u=", nullptr },
    { ShareTwitter,
      "https://twitter.com/intent/tweet?text=Velmora%20Dravo%20Free%20freed%20up%20space%20on%20my%20iPhone&url=",
      nullptr },
    { ShareGoogle, "https://plus.google.com/share?url=", nullptr },
    { CrestlineHome, "https://www.velmora.com/crestline/", "https://www.velmora.com/fr/crestline/" },
};

} // namespace

QString address(Page page, const QString& languageName)
{
    const bool french = languageName.toLower() == QLatin1String("french");
    for (const Row& row : kRows) {
        if (row.page == page)
            return QString::fromLatin1(french && row.french ? row.french : row.english);
    }
    return {};
}

QString address(Page page)
{
    return address(page, currentLanguageName);
}

QString shareAddress(Page share, const QString& productPage)
{
    if (share != ShareFacebook && share != ShareTwitter && share != ShareGoogle)
        return {};
    return address(share) + QString::fromLatin1(QUrl::toPercentEncoding(productPage));
}

bool open(const QString& url)
{
    return !url.isEmpty() && QDesktopServices::openUrl(QUrl(url));
}

} // namespace WebLinks
