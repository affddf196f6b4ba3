#pragma once

#include <QWidget>

class CommomImgCtrlLabel;
class OvStyleCheckBox;
class QLabel;

/// A thumbnail cell of a photo or video list: the picture, a round check box in its
/// corner and a caption under it. Clicking the picture ticks the box; every change is
/// reported as signalVideoIsChecked(id, state).
class CommonImgCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CommonImgCtrl(const QString& id, QWidget* parent = nullptr);

    QString Id() const { return m_id; }
    void SetPictureFile(const QString& path);
    void SetVideo(bool video);
    void SetCaption(const QString& caption);
    void SetChecked(bool checked);
    bool IsChecked() const;
    CommomImgCtrlLabel* Picture() const { return m_picture; }
    OvStyleCheckBox* CheckBox() const { return m_checkBox; }

signals:
    void signalVideoIsChecked(QString id, bool state);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_id;
    CommomImgCtrlLabel* m_picture = nullptr;
    OvStyleCheckBox* m_checkBox = nullptr;
    QLabel* m_caption = nullptr;
};
