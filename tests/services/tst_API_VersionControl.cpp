#include "API_VersionControl.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <cstring>

using LL::API_VersionControl;

namespace {

QString fromWide(const wchar_t* text)
{
    return QString::fromWCharArray(text);
}

std::wstring wide(const QString& text)
{
    return text.toStdWString();
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& b : bytes)
        b = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Entry
{
    int state = -99;
    QString url;
};

Entry inMemory(API_VersionControl& control, int menu)
{
    Entry entry;
    wchar_t url[API_VersionControl::kTextUnits];
    if (control.GetMenuStateAndURLEx(menu, &entry.state, url))
        entry.url = fromWide(url);
    return entry;
}

Entry fromFile(API_VersionControl& control, int menu, const QString& file = QString())
{
    wchar_t key[API_VersionControl::kTextUnits];
    control.MenuNumberToString(menu, key);
    Entry entry;
    wchar_t url[API_VersionControl::kTextUnits];
    const std::wstring path = wide(file);
    if (control.ReadVersion(key, url, &entry.state, file.isEmpty() ? nullptr : path.c_str()))
        entry.url = fromWide(url);
    return entry;
}

// The position of a virtual function in the vtable: the Itanium C++ ABI stores a pointer to
// a virtual member as 1 + its byte offset in the vtable.
template<typename Member> std::ptrdiff_t vtableSlot(Member member)
{
    static_assert(sizeof(Member) == 2 * sizeof(std::ptrdiff_t), "Itanium member pointer");
    std::ptrdiff_t raw[2];
    std::memcpy(raw, &member, sizeof raw);
    return (raw[0] - 1) / std::ptrdiff_t(sizeof(void*));
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
    void trailerIsLookedForOnlyNearTheEnd_data();
    void trailerIsLookedForOnlyNearTheEnd();
    void filesWithoutAUsableTrailerAreRefused();
    void versionFilesGoBesideTheProductProgram();
    void startMenuAndInternetShortcuts();
    void productsAreChosenByTheirExactName();
    void unicodeToAsciiReportsTheSizeItNeeds();
    void signingScriptAndInstallAddressAreStartedDetached();
    void workingDirectoryBecomesTheProgramFolder();
    void virtualOperationsKeepTheirSlots();
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
    QCOMPARE(QDir::fromNativeSeparators(fromWide(path)), m_work + "/Version.ini");

    // No file at all: every entry is shown, without an address.
    wchar_t url[API_VersionControl::kTextUnits] = L"stale";
    int state = -1;
    QVERIFY(control.GetMenuStateAndURL(3, &state, url));
    QCOMPARE(state, 1);
    QCOMPARE(fromWide(url), QString());

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
        const Entry entry = fromFile(control, e.menu);
        QCOMPARE(entry.state, e.state);
        QCOMPARE(entry.url, QString::fromUtf8(e.url));
        int viaMenu = -1;
        QVERIFY(control.GetMenuStateAndURL(e.menu, &viaMenu, url));
        QCOMPARE(viaMenu, e.state);
        QCOMPARE(fromWide(url), QString::fromUtf8(e.url));
    }
}

void tst_API_VersionControl::versionIniEntriesAreWrittenAndReadBack()
{
    const QString file = m_work + "/written.ini";
    QVERIFY(writeFile(file, "; kept\r\n[OTHER]\r\nkey=value\r\n[VERSION]\r\nVELMORA_MENU_ABOUT=old\r\n"));
    API_VersionControl control;
    const std::wstring path = wide(file);
    const std::wstring unicode = wide(QStringLiteral("https://example.test/fr/é?q=1&r=\u4e2d"));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_ABOUT", L"https://example.test/about", 0, path.c_str()));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_TUTORIAL", unicode.c_str(), 2, path.c_str()));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_TUTORIAL", unicode.c_str(), 1, path.c_str()));

    QCOMPARE(fromFile(control, 11, file).url, QStringLiteral("https://example.test/about"));
    QCOMPARE(fromFile(control, 11, file).state, 0);
    QCOMPARE(fromFile(control, 3, file).url, QString::fromStdWString(unicode));
    QCOMPARE(fromFile(control, 3, file).state, 1);
    // The rest of the file is untouched, and a key is never written twice.
    const QByteArray text = readFile(file);
    QVERIFY(text.startsWith("; kept\r\n[OTHER]\r\nkey=value\r\n"));
    QCOMPARE(text.count("VELMORA_MENU_TUTORIAL="), 2); // once under VERSION, once under STATE
    QCOMPARE(text.count("[STATE]"), 1);

    // Addresses are cut to the 255 units of their buffer.
    const std::wstring longUrl = wide("https://example.test/" + QString(300, 'a'));
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_EXIT", longUrl.c_str(), 1, path.c_str()));
    QCOMPARE(fromFile(control, 12, file).url, QString::fromStdWString(longUrl).left(255));

    const std::wstring nowhere = wide(m_work + "/no/such/dir/Version.ini");
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

    const QByteArray written = readFile("setup.exe");
    QCOMPARE(written.size(), program.size() + 9804 + 1540);
    QVERIFY(written.startsWith(program));
    QCOMPARE(readFile("setup-source.exe"), program);
    // The record: magic 16534, the identifier at byte 4 and "Version" at byte 516, in UTF-16.
    const QByteArray record = written.right(1540);
    qint32 magic = 0;
    std::memcpy(&magic, record.constData(), 4);
    QCOMPARE(magic, 16534);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(record.constData() + 4)),
             QStringLiteral("E15436C9-F797-4CBD-B3AA-9E27D649D47E"));
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(record.constData() + 516)),
             QStringLiteral("Version"));
    QCOMPARE(record.mid(1028), QByteArray(512, '\0'));
    // The table: entry 3 starts 3 * 516 bytes in, with its state.
    const QByteArray table = written.mid(program.size(), 9804);
    std::memcpy(&magic, table.constData() + 3 * 516, 4);
    QCOMPARE(magic, 0);
    QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t*>(table.constData() + 3 * 516 + 4)),
             QStringLiteral("https://example.test/tutorial"));

    API_VersionControl reader;
    QVERIFY(reader.ReadInstallFile(L"setup.exe"));
    QCOMPARE(inMemory(reader, 3).state, 0);
    QCOMPARE(inMemory(reader, 3).url, QStringLiteral("https://example.test/tutorial"));
    QCOMPARE(inMemory(reader, 13).url, QStringLiteral("https://example.test/install"));
    QCOMPARE(inMemory(reader, 18).state, 2);
    QCOMPARE(inMemory(reader, 5).state, 1);

    // Installing a file onto itself appends without losing the program.
    QVERIFY(writer.ProductInstallFile(L"setup-source.exe", L"./setup-source.exe"));
    QVERIFY(readFile("setup-source.exe").startsWith(program));
    QCOMPARE(readFile("setup-source.exe").size(), program.size() + 9804 + 1540);

    QVERIFY(!writer.ProductInstallFile(L"missing.exe", L"out.exe"));
    QVERIFY(!QFile::exists("out.exe"));
}

void tst_API_VersionControl::trailerIsLookedForOnlyNearTheEnd_data()
{
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("found");
    QTest::newRow("record ends the file") << 0 << true;
    QTest::newRow("a signature after it") << 3000 << true;
    QTest::newRow("record starts 99999 bytes before the end") << 99999 - 1540 << true;
    QTest::newRow("record starts 100000 bytes before the end") << 100000 - 1540 << false;
}

void tst_API_VersionControl::trailerIsLookedForOnlyNearTheEnd()
{
    QFETCH(int, after);
    QFETCH(bool, found);
    QVERIFY(writeFile("program.exe", randomBytes(20000)));
    API_VersionControl writer;
    writer.SetMenuStateAndURL(7, 0, L"https://example.test/fan");
    QVERIFY(writer.ProductInstallFile(L"program.exe", L"installer.exe"));
    {
        QFile file("installer.exe");
        QVERIFY(file.open(QIODevice::Append));
        QCOMPARE(file.write(QByteArray(after, '\0')), qint64(after));
    }
    API_VersionControl reader;
    QCOMPARE(reader.ReadInstallFile(L"installer.exe"), found);
    QCOMPARE(inMemory(reader, 7).state, found ? 0 : 1);
    QCOMPARE(inMemory(reader, 7).url, found ? QStringLiteral("https://example.test/fan") : QString());
}

void tst_API_VersionControl::filesWithoutAUsableTrailerAreRefused()
{
    API_VersionControl control;
    QVERIFY(!control.ReadInstallFile(L"does-not-exist.exe"));
    QVERIFY(writeFile("empty.exe", QByteArray()));
    QVERIFY(!control.ReadInstallFile(L"empty.exe"));
    QVERIFY(writeFile("plain.exe", randomBytes(150000)));
    QVERIFY(!control.ReadInstallFile(L"plain.exe"));

    // A record with no room for the table before it.
    QVERIFY(writeFile("source.exe", QByteArray()));
    API_VersionControl writer;
    QVERIFY(writer.ProductInstallFile(L"source.exe", L"whole.exe"));
    QVERIFY(writeFile("short.exe", readFile("whole.exe").right(1540 + 100)));
    QVERIFY(!control.ReadInstallFile(L"short.exe"));

    // The magic alone is not enough: the identifier must match too.
    QByteArray forged = readFile("whole.exe");
    forged[9804 + 4] = 'X';
    QVERIFY(writeFile("forged.exe", forged));
    QVERIFY(!control.ReadInstallFile(L"forged.exe"));
    QVERIFY(control.ReadInstallFile(L"whole.exe"));
}

void tst_API_VersionControl::versionFilesGoBesideTheProductProgram()
{
    // The product's start-menu entry points at its program in another folder.
    const QString programDir = m_work + "/installed program";
    QVERIFY(QDir().mkpath(programDir));
    QVERIFY(writeFile(programDir + "/VelmoraDravoFree", "#!/bin/sh\n"));
    const QString menuDir = m_work + "/xdg/applications/Velmora/Velmora Dravo Free";
    QVERIFY(QDir().mkpath(menuDir));

    API_VersionControl control;
    QVERIFY(!control.WriteVersionFile()); // no shortcut yet
    QVERIFY(!QFile::exists(programDir + "/Version.ini"));

    QVERIFY(writeFile(menuDir + "/Velmora Dravo Free.desktop",
                      "[Desktop Entry]\nType=Application\nName=Velmora Dravo Free\nExec=\"" + programDir.toUtf8()
                          + "/VelmoraDravoFree\" %U\n"));
    wchar_t dir[API_VersionControl::kPathUnits];
    const std::wstring link = wide(menuDir + "/Velmora Dravo Free.desktop");
    QVERIFY(control.GetLinkDirectroy(link.c_str(), dir));
    QCOMPARE(fromWide(dir), programDir + "/");

    control.SetMenuStateAndURL(3, 0, L"https://example.test/tutorial");
    control.SetMenuStateAndURL(10, 2, L"https://example.test/update");
    QVERIFY(control.WriteVersionFile());
    const QString ini = programDir + "/Version.ini";
    QCOMPARE(fromFile(control, 3, ini).state, 0);
    QCOMPARE(fromFile(control, 3, ini).url, QStringLiteral("https://example.test/tutorial"));
    QCOMPARE(fromFile(control, 10, ini).state, 2);
    QCOMPARE(fromFile(control, 0, ini).state, 1);
    const QByteArray text = readFile(ini);
    QCOMPARE(text.count("[VERSION]"), 1);
    QCOMPARE(text.count("[STATE]"), 1);
    QCOMPARE(text.count("="), 2 * 15); // fifteen distinct keys, each in both sections

    // Someone edits the file; VersionTranslated takes it in and writes the binary form.
    QVERIFY(control.WriteVersion(L"VELMORA_MENU_ABOUT", L"https://example.test/about", 0, wide(ini).c_str()));
    API_VersionControl other;
    QVERIFY(other.VersionTranslated());
    QCOMPARE(inMemory(other, 11).state, 0);
    QCOMPARE(inMemory(other, 11).url, QStringLiteral("https://example.test/about"));
    QCOMPARE(inMemory(other, 3).url, QStringLiteral("https://example.test/tutorial"));
    const QByteArray binary = readFile(programDir + "/Version.bin");
    QCOMPARE(binary.size(), 256 + 9804);
    qint32 state = -1;
    std::memcpy(&state, binary.constData() + 256 + 11 * 516, 4);
    QCOMPARE(state, 0);

    // A symbolic link in the menu serves as well, and another product has its own entry.
    QVERIFY(QFile::remove(menuDir + "/Velmora Dravo Free.desktop"));
    QVERIFY(QFile::link(programDir + "/VelmoraDravoFree", menuDir + "/Velmora Dravo Free.desktop"));
    QVERIFY(control.GetLinkDirectroy(link.c_str(), dir));
    QCOMPARE(fromWide(dir), programDir + "/");
    control.SetCurrProductName(L"Velmora Dravo Pro");
    QVERIFY(!control.WriteVersionFile());
}

void tst_API_VersionControl::startMenuAndInternetShortcuts()
{
    API_VersionControl control;
    wchar_t path[API_VersionControl::kPathUnits];
    QVERIFY(control.GetStartMenuPath(path));
    QCOMPARE(fromWide(path), m_work + "/xdg/applications");

    wchar_t folder[API_VersionControl::kPathUnits];
    wchar_t homepage[API_VersionControl::kPathUnits];
    wchar_t howTo[API_VersionControl::kPathUnits];
    QVERIFY(control.GetVersionStartMenuPath(folder, homepage, howTo));
    const QString productFolder = m_work + "/xdg/applications/Velmora/Velmora Dravo Free";
    QCOMPARE(fromWide(folder), productFolder);
    QCOMPARE(fromWide(homepage), productFolder + "/ Homepage on the Web.url");
    QCOMPARE(fromWide(howTo), productFolder + "/ How to Use on the Web.url");

    QVERIFY(control.SetLinkUrl(L"home.url", L"https://example.test/home?a=1&b=2"));
    QCOMPARE(readFile("home.url"), QByteArray("[InternetShortcut]\r\nURL=https://example.test/home?a=1&b=2\r\n"));
    QVERIFY(!control.SetLinkUrl(L"no/such/dir/home.url", L"https://example.test"));
}

void tst_API_VersionControl::productsAreChosenByTheirExactName()
{
    API_VersionControl control;
    wchar_t name[API_VersionControl::kTextUnits];
    QVERIFY(control.GetProductName(4, name));
    const QString fourth = fromWide(name);
    QCOMPARE(control.SelectProductNumber(wide(fourth).c_str()), 4);
    QCOMPARE(control.SelectProductNumber(wide(fourth.toLower()).c_str()), -1);
    QCOMPARE(control.SelectProductNumber(wide(fourth + " ").c_str()), -1);
    QVERIFY(!control.GetProductName(control.GetProductMaxNumber(), name));
    QVERIFY(!control.GetProductName(-1, name));
}

void tst_API_VersionControl::unicodeToAsciiReportsTheSizeItNeeds()
{
    API_VersionControl control;
    // The tests run in C.UTF-8: "Grüße" takes 7 bytes and its terminating zero.
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(control.UnicodeToAscii(L"Grüße", buffer, 7), 8);
    QCOMPARE(buffer[0], 'x'); // nothing written when it does not fit
    QCOMPARE(control.UnicodeToAscii(L"Grüße", buffer, 8), 0);
    QCOMPARE(QByteArray(buffer),
             QByteArray("Gr\xc3\xbc\xc3\x9f"
                        "e"));
    QCOMPARE(control.UnicodeToAscii(L"", buffer, 1), 0);
    QCOMPARE(buffer[0], '\0');
    QCOMPARE(control.UnicodeToAscii(L"abc", nullptr, 0), 4);
}

void tst_API_VersionControl::signingScriptAndInstallAddressAreStartedDetached()
{
    API_VersionControl control;
    QVERIFY(!control.SingInstallFile(L"setup.exe")); // no script here yet
    QVERIFY(writeFile("signtool.sh", "printf '%s' \"$1\" > signed.txt.part && mv signed.txt.part signed.txt\n"));
    QVERIFY(control.SingInstallFile(L"dir with space/setup.exe"));
    QTRY_COMPARE(readFile("signed.txt"), QByteArray("dir with space/setup.exe"));

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
}

void tst_API_VersionControl::workingDirectoryBecomesTheProgramFolder()
{
    API_VersionControl control;
    QVERIFY(control.SetExeWorkDirectory());
    const QString now = QDir::currentPath();
    QDir::setCurrent(m_work);
    QCOMPARE(now, QCoreApplication::applicationDirPath());
}

void tst_API_VersionControl::virtualOperationsKeepTheirSlots()
{
#if defined(_MSC_VER)
    QSKIP("member pointers are checked against the Itanium ABI only");
#else
    using C = API_VersionControl;
    // Entries 0 and 1 are the two destructors of that ABI; the operations follow in order.
    const std::ptrdiff_t positions[] = {
        vtableSlot(&C::GetVersionFilePath),
        vtableSlot(&C::GetVersionInfo),
        vtableSlot(&C::ReadInstallFile),
        vtableSlot(&C::WriteVersionFile),
        vtableSlot(&C::GetMenuStateAndURL),
        vtableSlot(&C::GetMenuStateAndURLEx),
        vtableSlot(&C::SetMenuStateAndURL),
        vtableSlot(&C::ProductInstallFile),
        vtableSlot(&C::SingInstallFile),
        vtableSlot(&C::FormatProductName),
        vtableSlot(&C::GetStartMenuPath),
        vtableSlot(&C::UnicodeToAscii),
        vtableSlot(&C::GetProductMaxNumber),
        vtableSlot(&C::GetProductName),
        vtableSlot(&C::SelectProductNumber),
        vtableSlot(&C::SetCurrProductName),
        vtableSlot(&C::GetVersionStartMenuPath),
        vtableSlot(&C::SetLinkUrl),
        vtableSlot(&C::GetLinkDirectroy),
        vtableSlot(&C::PopInstallURL),
        vtableSlot(&C::ReadProductVersionUrlFile),
        vtableSlot(&C::WriteVersion),
        vtableSlot(&C::ReadVersion),
        vtableSlot(&C::MenuNumberToString),
        vtableSlot(&C::SetExeWorkDirectory),
        vtableSlot(&C::VersionTranslated),
    };
    QCOMPARE(int(std::size(positions)), 26);
    for (int i = 0; i < int(std::size(positions)); ++i)
        QCOMPARE(positions[i], std::ptrdiff_t(2 + i));
#endif
}

void tst_API_VersionControl::executableExportsTheClass()
{
    QProcess nm;
    nm.start("nm", { "-D", "--defined-only", "-C", DRAVO_EXE });
    QVERIFY2(nm.waitForFinished(30000), "nm (binutils) is needed to read the executable's symbols");
    QCOMPARE(nm.exitCode(), 0);
    const QString symbols = QString::fromUtf8(nm.readAllStandardOutput());
    QVERIFY(symbols.contains("vtable for LL::API_VersionControl"));
    QVERIFY(symbols.contains("LL::API_VersionControl::API_VersionControl()"));
    QVERIFY(symbols.contains("LL::API_VersionControl::ReadInstallFile(wchar_t const*)"));
    QVERIFY(symbols.contains("LL::API_VersionControl::VersionTranslated()"));
    // Only the interface is exported, not the program's other classes.
    QVERIFY(!symbols.contains("AppStyle::"));
}

QTEST_GUILESS_MAIN(tst_API_VersionControl)
#include "tst_API_VersionControl.moc"
