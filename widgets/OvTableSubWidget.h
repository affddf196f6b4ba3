#pragma once

#include <QWidget>

class OvElidedLabel;
class QLabel;

/// The content of a rich table cell: an optional picture beside a title and a grey second
/// line (a contact and a number, a file and its folder).
class OvTableSubWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvTableSubWidget(QWidget* parent = nullptr);

    /// A skin image name.
    void SetIcon(const QString& imageName);
    void SetPicture(const QPixmap& picture);
    void SetTitle(const QString& title);
    void SetSubTitle(const QString& subTitle);
    QString Title() const;
    QString SubTitle() const;

private:
    QLabel* m_icon = nullptr;
    OvElidedLabel* m_title = nullptr;
    OvElidedLabel* m_subTitle = nullptr;
};
