#include "API_VersionControl.h"
#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <cstring>

using LL::API_VersionControl;

namespace {

// A menu entry: its state and its address.
using Entry = std::pair<int, QString>;

Entry inMemory(API_VersionControl& control, int menu)
{
    int state = -99;
    wchar_t url[API_VersionControl::kTextUnits] = L"unread";
    control.GetMenuStateAndURLEx(menu, &state, url);
    return { state, QString::fromWCharArray(url) };
}

Entry fromFile(API_VersionControl& control, int menu, const QString& file = QString())
{
    wchar_t key[API_VersionControl::kTextUnits];
    control.MenuNumberToString(menu, key);
    int state = -99;
    wchar_t url[API_VersionControl::kTextUnits] = L"unread";
    const std::wstring path = file.toStdWString();
    control.ReadVersion(key, url, &state, file.isEmpty() ? nullptr : path.c_str());
    return { state, QString::fromWCharArray(url) };
}

QString utf16At(const QByteArray& bytes, int offset)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + offset));
}

qint32 int32At(const QByteArray& bytes, int offset)
{
    qint32 value = 0;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

} // namespace

class tst_API_VersionControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void versionIniGivesShownAndEmptyByDefault();
    void versionIniEntriesAreWrittenAndReadBack();
    void trailerTravelsWithTheInstaller();
    void trailerIsFoundOnlyWhereItBelongs_data();
    void trailerIsFoundOnlyWhereItBelongs();
    void versionFilesGoBesideTheProductProgram();
    void productNamesAndCodePageTexts();
    void shortcutsAndStartedPrograms();
    void executableExportsTheClass();

private:
    QString m_work;
};

void tst_API_VersionControl::initTestCase()
{
    m_work = QDir::currentPath();
    // "Version.ini" lives in the application directory: this test's own folder.
    qputenv("DRAVO_APP_DIR", m_work.toUtf8());
    qputenv("XDG_DATA_HOME", (m_work + "/xdg").toUtf8());
}

void tst_API_VersionControl::init()
{
    QFile::remove(m_work + "/Version.ini");
}

void tst_API_VersionControl::versionIniGivesShownAndEmptyByDefault()
{
    API_VersionControl control;
    wchar_t path[API_VersionControl::kPathUnits];
    QVERIFY(control.GetVersionFilePath(path));
    QCOMPARE(QDir::fromNativeSeparators(QString::fromWCharArray(path)), m_work + "/Version.ini");

    // No file at all: every entry is shown, without an address.
    wchar_t url[API_VersionControl::kTextUnits] = L"stale";
    int state = -1;
    QVERIFY(control.GetMenuStateAndURL(3, &state, url));
    QCOMPARE(state, 1);
    QCOMPARE(QString::fromWCharArray(url), QString());

    QVERIFY(writeFile(m_work + "/Version.ini",
                      "[VERSION]\r\n"
                      "VELMORA_MENU_TUTORIAL=https://example.test/tutorial\r\n"
                      "  velmora_menu_contact_us = \"https://example.test/contact\"  \r\n"
                      "[state]\n"
                      "VELMORA_MENU_CONTACT_US=0\n"
                      "VELMORA_MENU_FOLLOW_US_ON_TWITTER=2\n"
                      "VELMORA_MENU_ABOUT=7 and more\n"
                      "VELMORA_MENU_EXIT=hidden\n"));
    const struct
    {
        int menu;
        int state;
        const char* url;
    } expected[] = {
        { 3, 1, "https://example.test/tutorial" }, // no STATE entry: shown
        { 6, 0, "https://example.test/contact" },  // names match in any case, quotes go
        { 8, 2, "" },
        { 11, 7, "" }, // leading digits count
        { 12, 0, "" }, // no digits at all: 0, hidden
        { 4, 1, "" },
    };
    for (const auto& e : expected) {
        QCOMPARE(fromFile(control, e.menu), Entry(e.state, e.url));
        QVERIFY(control.GetMenuStateAndURL(e.menu, &state, url));
        QCOMPARE(Entry(state, QString::fromWCharArray(url)), Entry(e.state, e.url));
    }
}

void tst_API_VersionControl::versionIniEntriesAreWrittenAndReadBack()
{
    const QString file = m_work + "/written.ini";
    QVERIFY(writeFile(file, "; kept\r\n[OTHER]\r\nkey=value\r\n[VERSION]\r\nVELMORA_MENU_ABOUT=old\r\n"));
    API_VersionControl control;
    const std::wstring path = file.toStdWString();
    const std::wstring unicode = QStringLiteral("https://example.test/fr/é?q=1&r=\u4e2d").toStdWString();
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_ABOUT", L"https://example.test/about", 0, path.c_str()));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_TUTORIAL", unicode.c_str(), 2, path.c_str()));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_TUTORIAL", unicode.c_str(), 1, path.c_str()));

    QCOMPARE(fromFile(control, 11, file), Entry(0, "https://example.test/about"));
    QCOMPARE(fromFile(control, 3, file), Entry(1, QString::fromStdWString(unicode)));
    // The rest of the file is untouched, and a key is never written twice.
    const QByteArray text = readFile(file);
    QVERIFY(text.startsWith("; kept\r\n[OTHER]\r\nkey=value\r\n"));
    QCOMPARE(text.count("VELMORA_MENU_TUTORIAL="), 2); // once under VERSION, once under STATE
    QCOMPARE(text.count("[STATE]"), 1);

    // Addresses are cut to the 255 units of their buffer.
    const std::wstring longUrl = ("https://example.test/" + QString(300, 'a')).toStdWString();
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_EXIT", longUrl.c_str(), 1, path.c_str()));
    QCOMPARE(fromFile(control, 12, file), Entry(1, QString::fromStdWString(longUrl).left(255)));

    const std::wstring nowhere = (m_work + "/no/such/dir/Version.ini").toStdWString();
    QVERIFY(!control.WriteVersion(L"VELMORA_MENU_EXIT", L"x", 1, nowhere.c_str()));
}

void tst_API_VersionControl::trailerTravelsWithTheInstaller()
{
    const QByteArray program = randomBytes(50000);
    QVERIFY(writeFile("setup-source.exe", program));
    QVERIFY(writeFile("setup.exe", randomBytes(200000))); // an older target is replaced whole

    API_VersionControl writer;
    QVERIFY(writer.SetMenuStateAndURL(3, 0, L"https://example.test/tutorial"));
    QVERIFY(writer.SetMenuStateAndURL(13, 1, L"https://example.test/install"));
    QVERIFY(writer.SetMenuStateAndURL(18, 2, L"last"));
    QVERIFY(!writer.SetMenuStateAndURL(19, 1, L"past the table"));
    QVERIFY(writer.ProductInstallFile(L"setup-source.exe", L"setup.exe"));

    // The installer reads this layout: the program, a table of 19 entries of 516 bytes (state,
    // then the address in UTF-16), and a record with magic 16534, the identifier and "Version".
    const QByteArray written = readFile("setup.exe");
    QCOMPARE(written.size(), program.size() + 9804 + 1540);
    QVERIFY(written.startsWith(program));
    QCOMPARE(readFile("setup-source.exe"), program);
    const QByteArray record = written.right(1540);
    QCOMPARE(int32At(record, 0), 16534);
    QCOMPARE(utf16At(record, 4), QStringLiteral("E15436C9-F797-4CBD-B3AA-9E27D649D47E"));
    QCOMPARE(utf16At(record, 516), QStringLiteral("Version"));
    QCOMPARE(record.mid(1028), QByteArray(512, '\0'));
    QCOMPARE(int32At(written, program.size() + 3 * 516), 0);
    QCOMPARE(utf16At(written, program.size() + 3 * 516 + 4), QStringLiteral("https://example.test/tutorial"));

    API_VersionControl reader;
    QVERIFY(reader.ReadInstallFile(L"setup.exe"));
    QCOMPARE(inMemory(reader, 3), Entry(0, "https://example.test/tutorial"));
    QCOMPARE(inMemory(reader, 13), Entry(1, "https://example.test/install"));
    QCOMPARE(inMemory(reader, 18), Entry(2, "last"));
    QCOMPARE(inMemory(reader, 5), Entry(1, ""));

    // Installing a file onto itself appends without losing the program.
    QVERIFY(writer.ProductInstallFile(L"setup-source.exe", L"./setup-source.exe"));
    QVERIFY(readFile("setup-source.exe").startsWith(program));
    QCOMPARE(readFile("setup-source.exe").size(), program.size() + 9804 + 1540);

    QVERIFY(!writer.ProductInstallFile(L"missing.exe", L"out.exe"));
    QVERIFY(!QFile::exists("out.exe"));

    // Files without a trailer at all.
    QVERIFY(!reader.ReadInstallFile(L"missing.exe"));
    QVERIFY(writeFile("empty.exe", QByteArray()));
    QVERIFY(!reader.ReadInstallFile(L"empty.exe"));
}

void tst_API_VersionControl::trailerIsFoundOnlyWhereItBelongs_data()
{
    QTest::addColumn<int>("after");    // bytes appended after the record
    QTest::addColumn<int>("keepLast"); // only the file's last bytes are kept (0: all)
    QTest::addColumn<int>("forgeAt");  // a byte of the record changed (-1: none)
    QTest::addColumn<bool>("found");
    QTest::newRow("record ends the file") << 0 << 0 << -1 << true;
    QTest::newRow("a signature after it") << 3000 << 0 << -1 << true;
    QTest::newRow("record starts 99999 bytes before the end") << 99999 - 1540 << 0 << -1 << true;
    QTest::newRow("record starts 100000 bytes before the end") << 100000 - 1540 << 0 << -1 << false;
    QTest::newRow("no room for the table before the record") << 0 << 1540 + 100 << -1 << false;
    // The magic alone is not enough: the identifier must match too.
    QTest::newRow("forged identifier") << 0 << 0 << 4 << false;
}

void tst_API_VersionControl::trailerIsFoundOnlyWhereItBelongs()
{
    QFETCH(int, after);
    QFETCH(int, keepLast);
    QFETCH(int, forgeAt);
    QFETCH(bool, found);
    QVERIFY(writeFile("program.exe", randomBytes(20000)));
    API_VersionControl writer;
    writer.SetMenuStateAndURL(7, 0, L"https://example.test/fan");
    QVERIFY(writer.ProductInstallFile(L"program.exe", L"installer.exe"));
    QByteArray bytes = readFile("installer.exe");
    if (forgeAt >= 0)
        bytes[bytes.size() - 1540 + forgeAt] = 'X';
    bytes += QByteArray(after, '\0');
    QVERIFY(writeFile("installer.exe", keepLast ? bytes.right(keepLast) : bytes));
    API_VersionControl reader;
    QCOMPARE(reader.ReadInstallFile(L"installer.exe"), found);
    QCOMPARE(inMemory(reader, 7), found ? Entry(0, "https://example.test/fan") : Entry(1, ""));
}

void tst_API_VersionControl::versionFilesGoBesideTheProductProgram()
{
    // The product's start-menu entry points at its program in another folder.
    const QString programDir = m_work + "/installed program";
    const QString menuDir = m_work + "/xdg/applications/Velmora/Velmora Dravo Free";
    const QString link = menuDir + "/Velmora Dravo Free.desktop";
    QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(menuDir));
    QVERIFY(writeFile(programDir + "/VelmoraDravoFree", "#!/bin/sh\n"));

    API_VersionControl control;
    wchar_t dir[API_VersionControl::kPathUnits];
    QVERIFY(control.GetStartMenuPath(dir));
    QCOMPARE(QString::fromWCharArray(dir), m_work + "/xdg/applications");
    QVERIFY(!control.WriteVersionFile()); // no shortcut yet
    QVERIFY(!QFile::exists(programDir + "/Version.ini"));

    QVERIFY(writeFile(link,
                      "[Desktop Entry]\nType=Application\nName=Velmora Dravo Free\nExec=\"" + programDir.toUtf8()
                          + "/VelmoraDravoFree\" %U\n"));
    QVERIFY(control.GetLinkDirectroy(link.toStdWString().c_str(), dir));
    QCOMPARE(QString::fromWCharArray(dir), programDir + "/");

    control.SetMenuStateAndURL(3, 0, L"https://example.test/tutorial");
    control.SetMenuStateAndURL(10, 2, L"https://example.test/update");
    QVERIFY(control.WriteVersionFile());
    const QString ini = programDir + "/Version.ini";
    QCOMPARE(fromFile(control, 3, ini), Entry(0, "https://example.test/tutorial"));
    QCOMPARE(fromFile(control, 10, ini), Entry(2, "https://example.test/update"));
    QCOMPARE(fromFile(control, 0, ini), Entry(1, ""));
    const QByteArray text = readFile(ini);
    QCOMPARE(text.count("[VERSION]"), 1);
    QCOMPARE(text.count("[STATE]"), 1);
    QCOMPARE(text.count("="), 2 * 15); // fifteen distinct keys, each in both sections

    // Someone edits the file; VersionTranslated takes it in and writes the binary form.
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_ABOUT", L"https://example.test/about", 0, ini.toStdWString().c_str()));
    API_VersionControl other;
    QVERIFY(other.VersionTranslated());
    QCOMPARE(inMemory(other, 11), Entry(0, "https://example.test/about"));
    QCOMPARE(inMemory(other, 3), Entry(0, "https://example.test/tutorial"));
    const QByteArray binary = readFile(programDir + "/Version.bin");
    QCOMPARE(binary.size(), 256 + 9804);
    QCOMPARE(int32At(binary, 256 + 11 * 516), 0);

    // A symbolic link in the menu serves as well, and another product has its own entry.
    QVERIFY(QFile::remove(link));
    QVERIFY(QFile::link(programDir + "/VelmoraDravoFree", link));
    QVERIFY(control.GetLinkDirectroy(link.toStdWString().c_str(), dir));
    QCOMPARE(QString::fromWCharArray(dir), programDir + "/");
    control.SetCurrProductName(L"Velmora Dravo Pro");
    QVERIFY(!control.WriteVersionFile());
}

void tst_API_VersionControl::productNamesAndCodePageTexts()
{
    API_VersionControl control;
    wchar_t name[API_VersionControl::kTextUnits];
    QVERIFY(control.GetProductName(4, name));
    const QString fourth = QString::fromWCharArray(name);
    QCOMPARE(control.SelectProductNumber(fourth.toStdWString().c_str()), 4);
    QCOMPARE(control.SelectProductNumber(fourth.toLower().toStdWString().c_str()), -1);
    QCOMPARE(control.SelectProductNumber((fourth + " ").toStdWString().c_str()), -1);
    QVERIFY(!control.GetProductName(control.GetProductMaxNumber(), name));
    QVERIFY(!control.GetProductName(-1, name));

    // The tests run in C.UTF-8: "Grüße" takes 7 bytes and its terminating zero; a buffer too
    // small gets nothing and the size it needs.
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(control.UnicodeToAscii(L"Grüße", buffer, 7), 8);
    QCOMPARE(buffer[0], 'x');
    QCOMPARE(control.UnicodeToAscii(L"Grüße", buffer, 8), 0);
    QCOMPARE(QByteArray(buffer),
             QByteArray("Gr\xc3\xbc\xc3\x9f"
                        "e"));
    QCOMPARE(control.UnicodeToAscii(L"", buffer, 1), 0);
    QCOMPARE(buffer[0], '\0');
    QCOMPARE(control.UnicodeToAscii(L"abc", nullptr, 0), 4);
}

void tst_API_VersionControl::shortcutsAndStartedPrograms()
{
    API_VersionControl control;
    QVERIFY(!control.SingInstallFile(L"setup.exe")); // no script here yet
    QVERIFY(writeFile("signtool.sh", "printf '%s' \"$1\" > signed.txt.part && mv signed.txt.part signed.txt\n"));
    QVERIFY(control.SingInstallFile(L"dir with space/setup.exe"));
    QTRY_COMPARE(readFile("signed.txt"), QByteArray("dir with space/setup.exe"));

    QVERIFY(control.SetLinkUrl(L"home.url", L"https://example.test/home?a=1&b=2"));
    QCOMPARE(readFile("home.url"), QByteArray("[InternetShortcut]\r\nURL=https://example.test/home?a=1&b=2\r\n"));
    QVERIFY(!control.SetLinkUrl(L"no/such/dir/home.url", L"https://example.test"));

    // The shell's "open" is xdg-open here; a stand-in records what it was asked to open.
    QVERIFY(QDir().mkpath("bin"));
    QVERIFY(writeFile("bin/xdg-open",
                      "#!/bin/sh\nprintf '%s' \"$1\" > opened.txt.part && mv opened.txt.part opened.txt\n"));
    QFile::setPermissions("bin/xdg-open", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QDir::currentPath().toUtf8() + "/bin:" + path);

    control.SetMenuStateAndURL(13, 0, L"https://example.test/install");
    QVERIFY(!control.PopInstallURL());
    control.SetMenuStateAndURL(13, 1, L"https://example.test/install");
    QVERIFY(control.PopInstallURL());
    QTRY_COMPARE(readFile("opened.txt"), QByteArray("https://example.test/install"));
    qputenv("PATH", path);

    // Last: the working directory moves to the program's folder.
    QVERIFY(control.SetExeWorkDirectory());
    QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QDir::setCurrent(m_work);
}

void tst_API_VersionControl::executableExportsTheClass()
{
    QProcess nm;
    nm.start("nm", { "-D", "--defined-only", "-C", DRAVO_EXE });
    QVERIFY2(nm.waitForFinished(30000), "nm (binutils) is needed to read the executable's symbols");
    QCOMPARE(nm.exitCode(), 0);
    const QString symbols = QString::fromUtf8(nm.readAllStandardOutput());
    QVERIFY(symbols.contains("vtable for LL::API_VersionControl"));
    QVERIFY(symbols.contains("LL::API_VersionControl::ReadInstallFile(wchar_t const*)"));
    // Only the interface is exported, not the program's other classes.
    QVERIFY(!symbols.contains("AppStyle::"));
}

QTEST_GUILESS_MAIN(tst_API_VersionControl)
#include "tst_API_VersionControl.moc"
