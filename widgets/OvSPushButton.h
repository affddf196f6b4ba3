#pragma once

#include <QPushButton>

/// A push button drawn by a style sheet from three skin images: normal, hover, pressed.
/// It takes the size of the normal image.
class OvSPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit OvSPushButton(QWidget* parent = nullptr);
    OvSPushButton(const QString& normal, const QString& hover, const QString& pressed, QWidget* parent = nullptr);

    void SetImages(const QString& normal, const QString& hover, const QString& pressed);

    /// "QPushButton{border-image: url(normal);}" with its :hover and :pressed rules.
    static QString ImageStyleSheet(const QString& normal, const QString& hover, const QString& pressed);
};
