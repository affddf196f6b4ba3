#pragma once

#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

/// The finish page every flow of 1-Click Free Up Space ends on, built for one page index
/// of the model (6, 7, 9, 10, 15, 16, 20, 21, 23, 27, 28 or 31), which chooses its texts,
/// its icon and its folder link: the size released, the outcome, "Done", and the share
/// buttons.
class ImageCompressionFinshed : public QWidget
{
    Q_OBJECT

public:
    explicit ImageCompressionFinshed(int pageIndex, QWidget* parent = nullptr);

    int PageIndex() const { return m_pageIndex; }

    void SetReleasedSize(quint64 bytes);
    void AddReleasedSize(quint64 bytes);
    quint64 ReleasedSize() const { return m_released; }
    /// Shows the temporary-file figure instead of a measured one: (random mod 7000 + 3000)
    /// / 100 MB. Returns the figure in bytes, which also becomes the released size.
    quint64 ShowRandomReleased();

    /// The folder the link opens.
    void SetFolder(const QString& folder);
    QString Folder() const { return m_folder; }
    /// Hides the link even on a page that has one (a clean that stopped).
    void SetFolderLinkVisible(bool visible);
    bool IsFolderLinkShown() const;
    /// `sizeLine` holds %1 where the size goes ("%1 has been released!"), or is empty.
    void SetTexts(const QString& sizeLine, const QString& message);
    /// "succeed_icon.gif" (plays once per show) or a still image such as "stopped_icon.png".
    void SetIcon(const QString& name);
    QString IconName() const { return m_iconName; }
    QMovie* IconMovie() const { return m_movie; }

    /// A running saving that starts from 0 and is shown by EndRun() (compression).
    void BeginRun();
    void AddRunSaving(quint64 bytes);
    void EndRun();
    quint64 RunSaving() const { return m_runSaving; }

    /// The size as shown ("39.43MB"), the sentence it stands in and the message line.
    QString SizeText() const;
    QString SizeLineText() const;
    QString MessageText() const;

signals:
    void onShowEndView(int);
    void onShowNextView(int);
    void onFacebook();
    void onOpenLink();

private slots:
    void SLOT_ShowEndView();
    void SLOT_facebookShare();
    void SLOT_OpenBackupFolder();
    void SLOT_twitterShare();
    void SLOT_googleShare();
    void slotShowNextView();
    void slotcrestlineLink();
    void slotStopGif(int nFrame);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* makeShareButton(const QString& service, const QString& objectName, const QString& accessibleName);
    void updateFolderLink();
    void ShowSizeLine();

    int m_pageIndex;
    quint64 m_released = 0;
    quint64 m_runSaving = 0;
    QString m_folder;
    QString m_linkText;
    bool m_folderLinkWanted = true;
    QString m_iconName;
    QMovie* m_movie = nullptr;

    QLabel* m_icon;
    QLabel* m_sizeLabel;
    QString m_sizeText;
    QString m_sizeLine; // "%1 has been released!": %1 stands for the size
    QLabel* m_messageLabel;
    QPushButton* m_folderLink;
    QPushButton* m_doneButton;
    QPushButton* m_continueButton;
    QLabel* m_crestlineLabel;
};
