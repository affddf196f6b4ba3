#pragma once

#include <QObject>
#include <QString>

class DownloadControl;
class HttpGet;

/// The update service: asks the maker's version endpoint about a product and downloads
/// files in parts. The endpoint's base address comes from "services.ini"; without it no
/// query is sent.
class libAutoUpdate : public QObject
{
    Q_OBJECT

public:
    /// The query types; the number doubles as the result code of signalGetInfo.
    enum QueryType { Version = 0, Info = 1, Link = 2, ExInfo = 3 };
    /// Codes of an answer whose type is not one of the table.
    static constexpr int kUnknownTypeCode = 100;
    static constexpr int kNoTypeCode = -1;

    /// The endpoint's base address comes from "services.ini".
    explicit libAutoUpdate(QObject* parent = nullptr);
    /// An explicit base address ("https://host"), for hosts that configure it themselves.
    libAutoUpdate(const QString& baseAddress, QObject* parent);
    ~libAutoUpdate() override;

    /// A plain GET of a full address; the body comes back through signalGetInfo.
    virtual int GetUrl(const QString& address);
    /// Asks for `type` information about product `pid` ("p22", Version).
    virtual int GetVersionInfo(const QString& pid, int type);
    /// The same, with the language for Info queries.
    virtual int GetVersionInfoWithLanguage(const QString& pid, int type, const QString& language);
    /// Downloads `address` into `dir` in `parts` parts; false when it could not start.
    virtual bool DownloadFile(const QString& address, const QString& dir, int parts);
    virtual void StopDownload();

    /// The query address: base, "/verinfo.php", then "pid", "type" and, for Info queries
    /// with a language, "lang". Empty for a type outside the table.
    static QString QueryAddress(const QString& baseAddress, const QString& pid, int type,
                                const QString& language = QString());
    /// The type name of a number ("ver"), or empty.
    static QString TypeName(int type);
    /// The number of a type name, or -1.
    static int TypeNumber(const QString& name);
    /// Whether a text can be a version at all: digits and dots ("2.0.1.7"), short.
    static bool IsPlausibleVersion(const QString& text);
    static constexpr int kMaxVersionLength = 32;
    /// Whether an answer to a version query names a newer version than `localVersion`:
    /// code 0, a plausible version text that differs and is greater code unit by code unit
    /// ("10.0" is not greater than "9.0").
    static bool IsNewerVersion(int code, const QString& remoteVersion, const QString& localVersion);

    DownloadControl* downloadControl() const { return m_download; }
    QString baseAddress() const { return m_baseAddress; }

signals:
    void signalGetInfo(int code, QString body);
    void signalDownloadProgress(int percent);
    void FileDownloadFinished();
    void signalReportError(QString message);

public slots:
    void slotGetInfo(QString address, QString body);
    void slotDownloadProgress(int percent);
    void slotDownloadFinished();
    void slotGetHttpReportError(QString message);

private:
    void createDownloadControl();
    int query(const QString& pid, int type, const QString& language);

    QString m_baseAddress;
    HttpGet* m_http;
    DownloadControl* m_download = nullptr;
    QString m_buffer;
};
