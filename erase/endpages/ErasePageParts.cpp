#include "ErasePageParts.h"

#include "AppStyle.h"
#include "OvCustomNOButton.h"
#include "SkinImage.h"

#include <QLabel>
#include <QMovie>

QLabel* MakeErasePicture(const QString& objectName, const QString& image, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(SkinPixmap(image));
    return label;
}

QLabel* MakeEraseMovie(const QString& objectName, const QString& gif, QMovie*& movie, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    movie = new QMovie(parent);
    SetEraseMovie(label, movie, gif, false);
    return label;
}

void SetEraseMovie(QLabel* label, QMovie* movie, const QString& gif, bool play)
{
    movie->stop();
    label->setMovie(nullptr);
    label->clear();
    if (!SkinImageExists(gif))
        return;
    movie->setFileName(SkinImagePath(gif));
    label->setMovie(movie);
    if (play && movie->isValid())
        movie->start();
}

QLabel* MakeEraseText(const QString& objectName, const QString& text, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font(AppStyle::instance().fontFamily());
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color:#3c4449;"));
    label->setWordWrap(true);
    return label;
}

OvCustomNOButton* MakeEraseStopButton(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* button = new OvCustomNOButton(text, parent);
    button->setObjectName(objectName);
    button->SetImageSet(OvCustomNOButton::StopImages);
    button->SetButtonFixedSize(60, 21);
    button->setAccessibleName(button->text());
    return button;
}

QLabel* MakeEraseLink(const QString& objectName, const QString& text, const QString& href, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setOpenExternalLinks(false);
    SetEraseLinkText(label, text, href);
    return label;
}

void SetEraseLinkText(QLabel* label, const QString& text, const QString& href)
{
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#2e8ae6;\">%2</a>").arg(href, text.toHtmlEscaped()));
    label->setAccessibleName(text);
}
