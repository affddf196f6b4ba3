#include "CController.h"
#include "CGlobalData.h"
#include "CTaskCallback.h"
#include "DeviceImageFixture.h"
#include "EraseSafeConfirm.h"
#include "EraseTabPage.h"
#include "MainView.h"
#include "MessageBoxAnswerer.h"
#include "OvEraseDeletedFilesModel.h"
#include "OvErasePrivateDataModel.h"
#include "OvMessageBox.h"
#include "OvScanResultView.h"
#include "OvTabControlWidget.h"
#include "PageWaiter.h"
#include "ScanCategory.h"
#include "SignalRecorder.h"
#include "SimulatedPhone.h"

#include "AppFolder.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

using Page = EraseScanModel::Page;
// The device's records by image category, and record ids by image category.
using Lists = QMap<QString, QJsonArray>;
using Ids = QMap<QString, QSet<qint64>>;

// Erase Deleted Files and Erase Private Data through the real window against simulated
// devices. The seeded flows tick at random on random devices; after each, every ticked record
// must be gone from the device and every other record there byte for byte. This test must never
// be weakened. The other cases: jobs that fail, stops, a device that leaves or stays away.
class tst_EraseSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void randomFlowsEraseExactlyTheTicks();
    void failedJobKeepsTheBackup_data();
    void failedJobKeepsTheBackup();
    void stopOnEachPage_data();
    void stopOnEachPage();
    void deviceThatDoesNotComeBack();

private:
    // Plugs a fresh device, lets the window make it ready and scans it in `feature`'s tab;
    // empty, or what went wrong.
    QString scanFresh(int feature, DeviceContent content = DeviceImageFixture::smallContent());
    // Ticks the tree box of `key` and returns what an erase must then remove.
    Ids tickBox(int feature, const QString& key);
    void confirmErase(int feature);
    DeviceImageFixture& devices() { return m_phone->devices(); }
    Lists snapshot() const;

    QTemporaryDir m_app;
    std::unique_ptr<SimulatedPhone> m_phone;
    QString m_folder;
    int m_plugged = 0;
    MainView* m_view = nullptr;
    std::unique_ptr<MessageBoxAnswerer> m_answers;
};

namespace {

// How the user left a category: box off, the tree box ticked, some rows ticked one by one
// in its list, the tree box ticked and then some rows taken back, or (WeChat) one account.
enum class Ticks { Off, All, Some, AllThenSomeOff, OneAccount };

EraseScanModel* ModelOf(int feature)
{
    if (feature == 2)
        return OvEraseDeletedFilesModel::GetInstance();
    return OvErasePrivateDataModel::GetInstance();
}

// What the lists call on the result view after the user ticked rows in them.
void ReportEveryList(OvScanResultView* view)
{
    const QMetaObject* meta = view->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name().startsWith("synchronize") && method.parameterCount() == 1)
            method.invoke(view, Q_ARG(int, 1));
    }
}

DeviceContent RandomContent(QRandomGenerator& random)
{
    DeviceContent content;
    content.photos = random.bounded(0, 5);
    content.deletedPhotos = random.bounded(0, 3);
    content.videos = random.bounded(0, 2);
    content.deletedVideos = random.bounded(0, 2);
    content.largeFiles = 0;
    content.junkFilesPerCode = 0;
    content.tempFiles = 0;
    content.extraApps = 0;
    content.weChatAccounts = random.bounded(1, 4);
    for (const QString& category : DeviceImage::privateCategories())
        content.recordCounts[category] = { random.bounded(0, 6), random.bounded(0, 4) };
    content.seed = random.generate();
    return content;
}

// A record of the store as the erase sees it.
struct Row
{
    quint8* selected;
    bool deleted;
};

template<class Info> QVector<Row> RowsOf(QVector<Info>& list)
{
    QVector<Row> rows;
    for (Info& record : list)
        rows.append({ &record.m_bSelected, record.m_bDeleted != 0 });
    return rows;
}

struct Category
{
    QString key;
    QString imageCategory;
    std::function<QVector<Row>()> rows;
};

// The store lists every category in the order of the device image; photos, sorted by time,
// are matched by their path.
QList<Category> Categories()
{
    CGlobalData* s = CGlobalData::GetInstance();
    return {
        { "Message", "messages", [s] { return RowsOf(s->m_obLSMSSession); } },
        { "Call History", "callLog", [s] { return RowsOf(s->m_obLCallLogSession); } },
        { "Note", "notes", [s] { return RowsOf(s->m_obLNote); } },
        { "NoteAttach", "noteAttachments", [s] { return RowsOf(s->m_obLNoteAttachment); } },
        { "SafariHistory", "safariHistory", [s] { return RowsOf(s->m_obLSafariHistory); } },
        { "SafariCookie", "safariCookies", [s] { return RowsOf(s->m_obLSafariCookie); } },
        { "SafariCache", "safariCache", [s] { return RowsOf(s->m_obLSafariCache); } },
        { "WhatsApp", "whatsApp", [s] { return RowsOf(s->m_obLWhatsApp); } },
        { "WhatsAppAttach", "whatsAppAttachments", [s] { return RowsOf(s->m_obLWhatsAppAttachment); } },
        { "Viber", "viber", [s] { return RowsOf(s->m_obLViber); } },
        { "Kik", "kik", [s] { return RowsOf(s->m_obLKik); } },
        { "KikAttachment", "kikAttachments", [s] { return RowsOf(s->m_obLKikAttachment); } },
        { "WeChat", "weChat", [s] { return RowsOf(s->m_obLWeChat); } },
        { "Contact", "contacts", [s] { return RowsOf(s->m_obLContact); } },
        { "Calendar&Reminder", "calendar", [s] { return RowsOf(s->m_obLCalendar); } },
        { "Bookmark", "bookmarks", [s] { return RowsOf(s->m_obLBookMark); } },
        { "Voice", "voiceMemos", [s] { return RowsOf(s->m_obLVoiceMemo); } },
    };
}

// The erase keys a feature's result view shows.
QStringList KeysOf(int feature)
{
    if (feature == 2)
        return { "Message",       "Contact",  "Calendar&Reminder", "Call History", "Note",
                 "SafariHistory", "Bookmark", "Photo&Videos",      "Voice",        "WeChat" };
    return { "Message",      "Call History", "SafariCookie", "SafariCache",  "SafariHistory",
             "Photo&Videos", "Note",         "NoteAttach",   "WhatsApp",     "WhatsAppAttach",
             "WeChat",       "Viber",        "Kik",          "KikAttachment" };
}

// A conversation without the messages `gone`, and with empty attachment lists left out:
// the erase may write one where the device had none.
QJsonObject WithoutMessages(QJsonObject conversation, const QSet<qint64>& gone, int* removed)
{
    if (conversation.isEmpty())
        return conversation;
    QJsonArray kept;
    for (const QJsonValue& value : conversation.value("messages").toArray()) {
        QJsonObject message = value.toObject();
        if (gone.contains(DeviceImage::idOf(message))) {
            ++*removed;
            continue;
        }
        if (message.value("attachments").toArray().isEmpty())
            message.remove("attachments");
        kept.append(message);
    }
    conversation.insert("messages", kept);
    return conversation;
}

QSet<qint64> DeletedMessagesOf(const QJsonObject& conversation)
{
    QSet<qint64> ids;
    for (const QJsonValue& message : conversation.value("messages").toArray()) {
        if (message.toObject().value("deleted").toBool())
            ids.insert(DeviceImage::idOf(message.toObject()));
    }
    return ids;
}

// Calls `use` with the erase key, the image category, the device's records and the store's
// rows of every list `feature` shows; `problem` says which list did not match the device.
using ListUse = std::function<void(const QString&, const QString&, const QJsonArray&, QVector<Row>&)>;
void ForEachList(int feature, const Lists& device, const ListUse& use, QString* problem)
{
    const bool deleted = feature == 2;
    for (const Category& category : Categories()) {
        if (!KeysOf(feature).contains(category.key))
            continue;
        QJsonArray records = device.value(category.imageCategory);
        QVector<Row> rows = category.rows();
        // The result view keeps only the records of its feature's kind, in the device's order.
        if (rows.size() != records.size()) {
            QJsonArray ofKind;
            for (const QJsonValue& value : records) {
                const QJsonObject record = value.toObject();
                const bool holdsDeleted = deleted && category.key == "Message" && !DeletedMessagesOf(record).isEmpty();
                if ((record.value("deleted").toBool() || holdsDeleted) == deleted)
                    ofKind.append(value);
            }
            records = ofKind;
        }
        if (rows.size() != records.size()) {
            if (problem->isEmpty())
                *problem = QStringLiteral("%1 lists %2 records, the device holds %3")
                               .arg(category.key)
                               .arg(rows.size())
                               .arg(records.size());
            continue;
        }
        use(category.key, category.imageCategory, records, rows);
    }
}

// Deleted messages of a conversation that still exists are listed with it; the erase takes
// them all at once when every listed conversation is ticked, and refuses a part of them.
void ExpectDeletedMessages(const QJsonArray& conversations, const QVector<Row>& rows, Ids& erased)
{
    int listed = 0;
    int ticked = 0;
    bool keptTicked = false;
    QSet<qint64> messages;
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject conversation = conversations.at(i).toObject();
        const QSet<qint64> deletedInside = DeletedMessagesOf(conversation);
        const bool conversationDeleted = conversation.value("deleted").toBool();
        if (!conversationDeleted && deletedInside.isEmpty())
            continue;
        ++listed;
        if (!*rows[i].selected)
            continue;
        ++ticked;
        keptTicked = keptTicked || !conversationDeleted;
        if (!conversationDeleted)
            messages += deletedInside;
    }
    if (ticked > 0 && ticked == listed) {
        for (const QJsonValue& value : conversations) {
            if (value.toObject().value("deleted").toBool())
                erased["messages"].insert(DeviceImage::idOf(value.toObject()));
        }
        erased["messageItems"] = messages;
    } else if (keptTicked) {
        erased["refused"];
    }
}

// By image category, the ids an erase with the store's ticks and these boxes must remove
// ("messageItems": deleted messages of kept conversations; "refused": the erase must refuse).
Ids Expected(int feature, const Lists& device, const QMap<QString, Qt::CheckState>& boxes, QString* problem)
{
    Ids erased;
    const bool deleted = feature == 2;
    static const QStringList wholeOnly { "Contact", "Calendar&Reminder", "Bookmark", "Voice" };
    auto expect = [&](const QString& key, const QString& imageCategory, const QJsonArray& records, QVector<Row>& rows) {
        if (boxes.value(key) == Qt::Unchecked)
            return;
        int ticked = 0;
        int ofKind = 0;
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].deleted != deleted)
                continue;
            ++ofKind;
            if (*rows[i].selected) {
                ++ticked;
                erased[imageCategory].insert(DeviceImage::idOf(records.at(i).toObject()));
            }
        }
        if (deleted && wholeOnly.contains(key) && ticked > 0 && ticked < ofKind)
            erased["refused"];
        if (deleted && key == "Message")
            ExpectDeletedMessages(records, rows, erased);
    };
    ForEachList(feature, device, expect, problem);
    if (boxes.value("Photo&Videos") != Qt::Unchecked) {
        QHash<QString, qint64> idByPath;
        for (const QJsonValue& value : device.value("media"))
            idByPath.insert(value.toObject().value("path").toString(), DeviceImage::idOf(value.toObject()));
        for (const PhotoVideoInfo& photo : CGlobalData::GetInstance()->m_obLPhotoAndVideo) {
            if (photo.m_bSelected && (photo.m_bDeleted != 0) == deleted)
                erased["media"].insert(idByPath.value(photo.m_strPath, -1));
        }
    }
    if (erased.contains("refused"))
        return { { "refused", {} } };
    return erased;
}

struct Outcome
{
    int erased = 0;
    int kept = 0;
    int wronglyErased = 0;
    int wronglyKept = 0;
    QString firstProblem;
    bool ok() const { return wronglyErased == 0 && wronglyKept == 0 && firstProblem.isEmpty(); }
};

// Compares the device `now` with `before` minus `erased`: a record is kept only byte for byte.
Outcome Compare(const Lists& before, const Lists& now, const Ids& erased)
{
    Outcome outcome;
    auto problem = [&outcome](const QString& text) {
        if (outcome.firstProblem.isEmpty())
            outcome.firstProblem = text;
    };
    const QSet<qint64> goneInside = erased.value("messageItems");
    for (auto it = before.begin(); it != before.end(); ++it) {
        const QSet<qint64> gone = erased.value(it.key());
        QHash<qint64, QJsonObject> present;
        for (const QJsonValue& value : now.value(it.key()))
            present.insert(DeviceImage::idOf(value.toObject()), value.toObject());
        for (const QJsonValue& value : it.value()) {
            QJsonObject record = value.toObject();
            const qint64 id = DeviceImage::idOf(record);
            const bool there = present.contains(id);
            if (gone.contains(id)) {
                there ? ++outcome.wronglyKept : ++outcome.erased;
                if (there)
                    problem(QStringLiteral("%1 %2 was ticked and is still there").arg(it.key()).arg(id));
                continue;
            }
            if (it.key() == "messages") {
                int removed = 0;
                int left = 0;
                record = WithoutMessages(record, goneInside, &removed);
                if (there)
                    present[id] = WithoutMessages(present.value(id), goneInside, &left);
                outcome.erased += removed - left;
                outcome.wronglyKept += left;
                if (left > 0)
                    problem(QStringLiteral("messages of %1 were ticked and are still there").arg(id));
            }
            if (there && present.value(id) == record) {
                ++outcome.kept;
                continue;
            }
            ++outcome.wronglyErased;
            problem(
                QStringLiteral("%1 %2 was not ticked and is %3").arg(it.key()).arg(id).arg(there ? "changed" : "gone"));
        }
        if (now.value(it.key()).size() > it.value().size())
            problem(QStringLiteral("%1 holds records it did not hold").arg(it.key()));
    }
    return outcome;
}

} // namespace

void tst_EraseSafety::initTestCase()
{
    QVERIFY(m_app.isValid());
    UseAsAppFolder(m_app.path());
    m_phone = std::make_unique<SimulatedPhone>();
    // The window connects the devices: it registers with the library after the fixture.
    m_view = new MainView;
    m_view->show();
}

void tst_EraseSafety::init()
{
    MainWindowAccess::setSecurityLevel(1);
    m_answers = std::make_unique<MessageBoxAnswerer>(OvMessageBox::Yes);
}

void tst_EraseSafety::cleanup()
{
    m_answers.reset();
    qputenv("OVDRIVER_SIM_DELAY_MS", "0");
    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
    ModelOf(3)->SwitchPage(Page::HomePage);
    ModelOf(2)->SwitchPage(Page::HomePage);
}

void tst_EraseSafety::cleanupTestCase()
{
    delete m_view;
}

Lists tst_EraseSafety::snapshot() const
{
    const DeviceImage image = m_phone->devices().image(m_folder);
    Lists lists { { "media", image.array("media") } };
    for (const QString& category : DeviceImage::privateCategories())
        lists[category] = image.privateArray(category);
    return lists;
}

QString tst_EraseSafety::scanFresh(int feature, DeviceContent content)
{
    if (!m_folder.isEmpty()) {
        devices().unplug(m_folder);
        if (!QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::ConnectionPage; }, 20000))
            return "the window did not see the last device go";
    }
    content.plugged = true;
    m_folder = devices().create(QStringLiteral("Random-%1").arg(++m_plugged), content);
    if (m_folder.isEmpty())
        return "no device: " + devices().lastError();
    if (!QTest::qWaitFor([&] { return m_view->currentPageIndex() == MainView::OneKeyPage; }, 20000))
        return "the window did not make the device ready";
    emit m_view->tabBar()->signalTabButtonSwitch(feature);
    QTest::mouseClick(ModelOf(feature)->startPage()->startButton(), Qt::LeftButton);
    OvScanResultView* view = ModelOf(feature)->resultView();
    auto* tree = view->findChild<QTreeWidget*>("scanResultTree");
    if (!QTest::qWaitFor([&] { return view->scanEnded() && tree->isEnabled(); }, 30000))
        return "the scan did not end";
    return QString();
}

Ids tst_EraseSafety::tickBox(int feature, const QString& key)
{
    OvScanResultView* view = ModelOf(feature)->resultView();
    view->categoryItem(ScanCategory::ByEraseKey(key))->setCheckState(0, Qt::Checked);
    QString problem;
    return Expected(feature, snapshot(), { { key, view->CategoryCheckState(key) } }, &problem);
}

void tst_EraseSafety::confirmErase(int feature)
{
    EraseScanModel* model = ModelOf(feature);
    model->resultView()->findChild<QAbstractButton*>("eraseNowButton")->click();
    QVERIFY_PAGE(model, Page::ConfirmPage, 5000);
    auto* word = model->confirmPage()->findChild<QLineEdit*>("confirmWordEdit");
    QTest::keyClicks(word, "delete");
    QTest::keyClick(word, Qt::Key_Return);
}

void tst_EraseSafety::randomFlowsEraseExactlyTheTicks()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIntValue("ERASE_SAFETY_SEED", &ok);
    const quint32 used = ok ? seed : 20261206;
    const int wanted = qEnvironmentVariableIntValue("ERASE_SAFETY_FLOWS", &ok);
    const int flows = ok && wanted > 0 ? wanted : 50;
    QRandomGenerator random(used);

    int run = 0;
    Outcome total;
    // The counts are printed however the loop ends, straight to stdout: the test log stops
    // taking messages after a few thousand.
    const auto report = qScopeGuard([&] {
        std::printf("erase safety (seed %u): %d flows run, %d records erased, %d records kept, %d wrongly erased, "
                    "%d wrongly kept\n",
                    used, run, total.erased, total.kept, total.wronglyErased, total.wronglyKept);
        std::fflush(stdout);
    });

    for (int index = 0; index < flows; ++index) {
        const QString where = QStringLiteral("seed %1, flow %2: ").arg(used).arg(index);
        const int feature = random.bounded(2) ? 2 : 3;
        const int level = random.bounded(0, 3);
        MainWindowAccess::setSecurityLevel(level);
        const QString failed = scanFresh(feature, RandomContent(random));
        QVERIFY2(failed.isEmpty(), qPrintable(where + failed));
        EraseScanModel* model = ModelOf(feature);
        OvScanResultView* view = model->resultView();
        const Lists before = snapshot();

        // The user's ticks, made the way the pages take them.
        QMap<QString, Ticks> ticks;
        QHash<QString, bool> rowTicks;
        for (const QString& key : KeysOf(feature)) {
            QTreeWidgetItem* item = view->categoryItem(ScanCategory::ByEraseKey(key));
            if (!item || !(item->flags() & Qt::ItemIsEnabled))
                continue;
            Ticks chosen = static_cast<Ticks>(random.bounded(0, key == "WeChat" ? 5 : 4));
            if (chosen == Ticks::All || chosen == Ticks::AllThenSomeOff)
                item->setCheckState(0, Qt::Checked);
            if (chosen == Ticks::OneAccount) {
                QTreeWidgetItem* account = view->weChatItem(random.bounded(0, 3));
                if (account && (account->flags() & Qt::ItemIsEnabled))
                    account->setCheckState(0, Qt::Checked);
            }
            ticks[key] = chosen;
        }
        // Single rows as a list sets them, then the lists' reports to the tree.
        auto decide = [&](const QString& key, int row) -> std::optional<bool> {
            const Ticks chosen = ticks.value(key, Ticks::Off);
            if (chosen != Ticks::Some && chosen != Ticks::AllThenSomeOff)
                return std::nullopt;
            const QString id = key + QString::number(row);
            if (!rowTicks.contains(id))
                rowTicks.insert(id, random.bounded(chosen == Ticks::AllThenSomeOff ? 4 : 2) != 0);
            return rowTicks.value(id);
        };
        QString problem;
        ForEachList(
            feature, before,
            [&](const QString& key, const QString&, const QJsonArray&, QVector<Row>& rows) {
                for (int i = 0; i < rows.size(); ++i) {
                    if (const std::optional<bool> on = decide(key, i))
                        *rows[i].selected = *on ? 1 : 0;
                }
            },
            &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + problem));
        int photo = 0;
        for (PhotoVideoInfo& info : CGlobalData::GetInstance()->m_obLPhotoAndVideo) {
            if (const std::optional<bool> on = decide("Photo&Videos", photo++))
                info.m_bSelected = *on ? 1 : 0;
        }
        ReportEveryList(view);

        QMap<QString, Qt::CheckState> boxes;
        for (const QString& key : KeysOf(feature))
            boxes[key] = view->CategoryCheckState(key);
        Ids erased = Expected(feature, before, boxes, &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(where + problem));

        SignalRecorder fills(CTaskCallback::GetInstance(), &CTaskCallback::signalFillDataSignal);
        if (!view->findChild<QAbstractButton*>("eraseNowButton")->isEnabled()) {
            // Nothing ticked at all: nothing can start.
            QVERIFY2(std::all_of(erased.begin(), erased.end(), [](const QSet<qint64>& ids) { return ids.isEmpty(); }),
                     qPrintable(where + "ticks without Erase Now"));
        } else {
            confirmErase(feature);
            const QString said = m_answers->texts().isEmpty() ? QString() : m_answers->texts().last();
            if (erased.contains("refused") || model->pages()->currentIndex() == Page::ConfirmPage) {
                // A part of what goes only all at once: refused, nothing touched.
                QVERIFY2(erased.contains("refused") && said.startsWith("Deleted "), qPrintable(where + said));
                erased.clear();
            } else {
                const QString failure = WaitForPage(model, Page::FinishedPage, 40000);
                QVERIFY2(failure.isEmpty(), qPrintable(where + failure));
                QVERIFY2(m_view->tabBar()->IsTabEnabled(0), qPrintable(where + "the tabs stay locked"));
                // Low fills nothing; the copy of the device goes as soon as the erase is done.
                QVERIFY2(fills.isEmpty() == (level == 2), qPrintable(where + "the fill does not follow the level"));
                QVERIFY2(QTest::qWaitFor([&] { return !devices().hasBackup(m_folder); }, 10000),
                         qPrintable(where + "the backup stays"));
            }
        }
        const Outcome outcome = Compare(before, snapshot(), erased);
        total.erased += outcome.erased;
        total.kept += outcome.kept;
        total.wronglyErased += outcome.wronglyErased;
        total.wronglyKept += outcome.wronglyKept;
        ++run;
        QVERIFY2(outcome.ok(), qPrintable(where + outcome.firstProblem));
        model->SwitchPage(Page::HomePage);
    }
    // The flows must have erased something for their checks to mean anything.
    QVERIFY(total.erased > 0);
}

void tst_EraseSafety::failedJobKeepsTheBackup_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("restore fails") << "restore" << QJsonValue(-36)
                                   << "Please free up your device space and try it again. (error code: -36)";
    QTest::newRow("fill fails") << "fill" << QJsonValue(-7) << "Sorry, Fill failed!";
    QTest::newRow("leaves in restore") << "leave" << QJsonValue("restore") << "(error code: -4)";
    QTest::newRow("leaves in fill") << "leave" << QJsonValue("fill") << "Sorry, Fill failed!";
}

void tst_EraseSafety::failedJobKeepsTheBackup()
{
    QFETCH(QString, fault);
    QFETCH(QJsonValue, value);
    QFETCH(QString, text);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    QVERIFY(devices().setFault(m_folder, fault, value));
    tickBox(3, "Message");
    const Lists before = snapshot();
    confirmErase(3);
    m_answers->setButton(OvMessageBox::OK);
    if (fault == "leave") {
        // The window resets for the device that left; the job's failure, when it comes before
        // the reset, shows its box and the failure page. No page waits for ever.
        QTRY_COMPARE_WITH_TIMEOUT(m_view->currentPageIndex(), int(MainView::ConnectionPage), 30000);
        QTest::qWait(300);
        const int shown = ModelOf(3)->pages()->currentIndex();
        QVERIFY2(shown == Page::HomePage || shown == Page::FailurePage, qPrintable(QString::number(shown)));
        if (shown == Page::FailurePage)
            QVERIFY(m_answers->texts().last().contains(text));
        QVERIFY(!m_view->deviceRestarting());
        QVERIFY(devices().setFault(m_folder, "leave", QJsonValue()));
    } else {
        QVERIFY_PAGE(ModelOf(3), Page::FailurePage, 30000);
        QVERIFY(m_answers->texts().last().contains(text));
        QVERIFY(m_view->tabBar()->IsTabEnabled(0));
        if (fault == "restore")
            QVERIFY2(Compare(before, snapshot(), {}).ok(), "a failed restore changed the device");
    }
    // Possibly the only whole copy of the data, and what a retry needs.
    QTest::qWait(200);
    QVERIFY(devices().hasBackup(m_folder));
    if (fault == "leave")
        return;
    // Until the program exits, when the companion it starts then removes the copy.
    QProcess remover;
    remover.start(OVREMOVEBACK, QStringList());
    QVERIFY(remover.waitForFinished(90000));
    QCOMPARE(remover.exitCode(), 0);
    QVERIFY(!devices().hasBackup(m_folder));
}

void tst_EraseSafety::stopOnEachPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("stop");
    for (int page : { int(Page::ErasePage), int(Page::RestorePage), int(Page::FillPage) }) {
        QTest::addRow("page %d, yes", page) << page << true;
        QTest::addRow("page %d, no", page) << page << false;
    }
}

void tst_EraseSafety::stopOnEachPage()
{
    QFETCH(int, page);
    QFETCH(bool, stop);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    const Ids erased = tickBox(3, "Note");
    const Lists before = snapshot();

    // Slow jobs, so that there is time to press Stop. On the erase page the erase waits
    // behind a backup that takes a while.
    qputenv("OVDRIVER_SIM_DELAY_MS", "60");
    if (page == Page::ErasePage)
        QVERIFY(CController::GetInstance()->PostBackupDevDataTask());
    confirmErase(3);
    QVERIFY_PAGE(ModelOf(3), page, 30000);
    QWidget* shown = ModelOf(3)->pages()->currentWidget();
    auto* button = shown->findChild<QPushButton*>(page == Page::FillPage ? "fillStopButton" : "restartStopButton");
    QVERIFY(button && button->isVisible());
    const int yes = page == Page::FillPage ? OvMessageBox::OK : OvMessageBox::Yes;
    const int no = page == Page::FillPage ? OvMessageBox::Cancel : OvMessageBox::No;
    m_answers->setButton(stop ? yes : no);
    const int asked = m_answers->questions().size();
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(m_answers->questions().size(), asked + 1);
    QVERIFY(m_answers->texts().last().startsWith("It may damage your data or device if you stop"));

    if (stop) {
        QVERIFY_PAGE(ModelOf(3), Page::StoppedPage);
        QVERIFY(m_view->tabBar()->IsTabEnabled(0));
        QTest::qWait(300);
        QCOMPARE(ModelOf(3)->pages()->currentIndex(), int(Page::StoppedPage));
        // Stopped before the restore wrote anything: the device is as it was.
        if (page != Page::FillPage)
            QVERIFY(Compare(before, snapshot(), {}).ok());
        QVERIFY(devices().hasBackup(m_folder));
    } else {
        QVERIFY_PAGE(ModelOf(3), Page::FinishedPage, 60000);
        const Outcome outcome = Compare(before, snapshot(), erased);
        QVERIFY2(outcome.ok(), qPrintable(outcome.firstProblem));
        QVERIFY(outcome.erased > 0);
    }
}

void tst_EraseSafety::deviceThatDoesNotComeBack()
{
    MainWindowAccess::setSecurityLevel(2);
    const QString failed = scanFresh(3);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    tickBox(3, "Message");
    // A restart long enough to unplug the device in, which then stays away.
    qputenv("OVDRIVER_SIM_RESTART_MS", "1000");
    QMetaObject::Connection unplug
        = connect(CTaskCallback::GetInstance(), &CTaskCallback::signalRestoreDevData, this, [this](int type, int) {
              if (type == 22)
                  devices().unplug(m_folder);
          });
    confirmErase(3);
    m_answers->setButton(OvMessageBox::OK);
    QVERIFY(QTest::qWaitFor([&] { return m_view->deviceRestarting(); }, 30000));
    disconnect(unplug);
    // Five minutes (scaled) without the device: the time-out box, and the page waits on.
    QVERIFY(QTest::qWaitFor([&] { return m_answers->texts().join('|').contains("Connection timeout!"); }, 20000));
    QCOMPARE(ModelOf(3)->pages()->currentIndex(), int(Page::RestorePage));
    QVERIFY(m_view->deviceRestarting());

    qputenv("OVDRIVER_SIM_RESTART_MS", "50");
    devices().plug(m_folder);
    QVERIFY_PAGE(ModelOf(3), Page::FinishedPage, 30000);
    QVERIFY(m_view->tabBar()->IsTabEnabled(0));
    QVERIFY(!m_view->deviceRestarting());
}

QTEST_MAIN(tst_EraseSafety)
#include "tst_EraseSafety.moc"
