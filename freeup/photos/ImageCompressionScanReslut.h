#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

/// Page 12, the photo result: what lossless compression would save (75 % of the
/// compressible photos) and what exporting and deleting photos could save (all of them).
class ImageCompressionScanReslut : public QWidget
{
    Q_OBJECT

public:
    explicit ImageCompressionScanReslut(QWidget* parent = nullptr);

    /// Reads both photo lists again; each offer is enabled only when it saves something.
    void Refresh();
    /// The saving of the compression run that just ended.
    void SetSavedSize(quint64 bytes);
    quint64 SavedSize() const { return m_savedSize; }
    /// How many photos the last "Backup & Compress" handed to the device.
    int PostedCount() const { return m_postedCount; }
    quint64 CompressionSaving() const { return m_compressionSaving; }
    quint64 ExportSaving() const { return m_exportSaving; }

signals:
    void onShowBackView(int);
    void onCompressView(int);
    void onExportView(int);

private slots:
    void SLOT_ShowBackView();
    void SLOT_CompressView();
    void SLOT_BrowseView();

private:
    int m_postedCount = 0;
    QWidget* makeIllustration();

    quint64 m_compressionSaving = 0;
    quint64 m_exportSaving = 0;
    quint64 m_savedSize = 0;
    QLabel* m_compressLine;
    QLabel* m_exportLine;
    QLabel* m_savedLine;
    QPushButton* m_compressButton;
    QPushButton* m_exportButton;
    QPushButton* m_backButton;
};
