#pragma once

#include <QWidget>

class CommomImgCtrlLabel;
class OvStyleCheckBox;

/// A picture with a round check box in its corner, used where a list shows photos or
/// videos as tiles. Without a picture it shows "default_photo.png" or "default_video.png".
class OvStyleCheckBoxSubImageWidget : public QWidget
{
    Q_OBJECT

public:
    explicit OvStyleCheckBoxSubImageWidget(QWidget* parent = nullptr);

    void SetPictureFile(const QString& path);
    void SetVideo(bool video);
    void SetChecked(bool checked);
    bool IsChecked() const;
    OvStyleCheckBox* CheckBox() const { return m_checkBox; }
    CommomImgCtrlLabel* Picture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CommomImgCtrlLabel* m_picture = nullptr;
    OvStyleCheckBox* m_checkBox = nullptr;
};
