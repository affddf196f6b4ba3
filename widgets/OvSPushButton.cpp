#include "OvSPushButton.h"

#include "SkinImage.h"
#include "StyleSheets.h"

OvSPushButton::OvSPushButton(QWidget* parent)
    : QPushButton(parent)
{
    setObjectName(QStringLiteral("imageButton"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

OvSPushButton::OvSPushButton(const QString& normal, const QString& hover, const QString& pressed, QWidget* parent)
    : OvSPushButton(parent)
{
    SetImages(normal, hover, pressed);
}

void OvSPushButton::SetImages(const QString& normal, const QString& hover, const QString& pressed)
{
    QString sheet = ImageStyleSheet(normal, hover, pressed);
    const QPixmap face = SkinPixmap(normal);
    if (face.isNull()) {
        // Without its image the button would be invisible; a plain face keeps it findable.
        sheet += QStringLiteral("QPushButton{background: #e6eef7; border-radius: 3px; min-width: 20px;"
                                " min-height: 20px;}");
    } else {
        setFixedSize(SkinSize(face));
    }
    setStyleSheet(sheet);
}

QString OvSPushButton::ImageStyleSheet(const QString& normal, const QString& hover, const QString& pressed)
{
    return QStringLiteral("QPushButton{border-image: url(") + SkinUrl(normal) + QStringLiteral(");}")
        + QStringLiteral("QPushButton:hover{border-image: url(") + SkinUrl(hover) + QStringLiteral(");}")
        + QStringLiteral("QPushButton:pressed{border-image: url(") + SkinUrl(pressed) + QStringLiteral(");}");
}
