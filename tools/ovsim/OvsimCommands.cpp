#include "OvsimCommands.h"

#include "DeviceImage.h"
#include "ImageBuilder.h"
#include "ImageSummary.h"
#include "SimEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>

namespace {

const char kUsage[] = R"(usage: ovsim COMMAND ...

  create DIR [options]   make a device image in DIR
  plug [DIR]             connect the device (creates DIR/plugged)
  unplug [DIR]           disconnect it (removes DIR/plugged)
  trust [DIR]            the device trusts this computer from now on
  unlock [DIR]           unlock the device
  fault [DIR] OP VALUE   set a fault of the image (VALUE 0 or none clears it):
                           connect|backup|restore|fill|eraseall CODE   the job fails with CODE
                           leave JOB       the device unplugs itself halfway through JOB
                                           (backup, restore, fill, scan, clean, process,
                                           export, uninstall)
                           untrusted 1|0   locked 1|0   findmy 1|0   unactivated 1|0
                           password TEXT   the backup is encrypted with TEXT
  show [DIR] [--json]    counts and sizes per category, existing and deleted
                         (DIR may also be a backup folder)
  list                   the device images of the device root

DIR is a folder, or the name of a folder of the device root (OVDRIVER_SIM_ROOT); without
DIR the root's only device is meant.

create options (counts are per kind; sizes take K, M or G):
  --demo                 start from the demo device (300 photos, every kind of content)
  --name TEXT  --product-type TEXT  --ios TEXT  --unique-id TEXT  --total SIZE
  --photos N  --deleted-photos N  --videos N  --deleted-videos N
  --photo-size WxH  --video-size SIZE
  --large-files N  --large-file-size SIZE (sparse)
  --junk N (files per junk code)  --junk-size SIZE
  --temp-files N  --temp-size SIZE
  --apps N (besides the fifteen apps of the fragments feature)
  --records N  --deleted N          records of every private-data category
  --count CATEGORY=N[,DELETED]      records of one category (repeatable), e.g.
                                    --count messages=5,2; the categories:
                                    %1
  --wechat-accounts N  --seed N
  --plug  --untrusted  --locked  --find-my  --unactivated  --password TEXT
)";

QString categoryLines()
{
    QStringList lines;
    const QStringList& categories = DeviceImage::privateCategories();
    for (int i = 0; i < categories.size(); i += 4)
        lines << categories.mid(i, 4).join(", ");
    return lines.join(",\n                                    ");
}

bool parseSize(const QString& text, qint64* value)
{
    QString number = text.trimmed().toUpper();
    qint64 factor = 1;
    if (number.endsWith('K') || number.endsWith('M') || number.endsWith('G')) {
        factor = number.endsWith('K') ? 1024 : number.endsWith('M') ? 1024 * 1024 : 1024ll * 1024 * 1024;
        number.chop(1);
    }
    bool ok = false;
    const qint64 parsed = number.toLongLong(&ok);
    if (!ok || parsed < 0)
        return false;
    *value = parsed * factor;
    return true;
}

bool parseCount(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

} // namespace

OvsimCommands::OvsimCommands(QTextStream& out, QTextStream& err)
    : m_out(out)
    , m_err(err)
{ }

int OvsimCommands::usage(const QString& problem)
{
    if (!problem.isEmpty())
        m_err << "ovsim: " << problem << "\n";
    (problem.isEmpty() ? m_out : m_err) << QString(kUsage).arg(categoryLines());
    return problem.isEmpty() ? 0 : 1;
}

int OvsimCommands::run(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return usage("no command given");
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == "create")
        return create(rest);
    if (command == "plug" || command == "unplug")
        return plug(rest, command == "plug");
    if (command == "trust")
        return setFlag(rest, "trusted", true);
    if (command == "unlock")
        return setFlag(rest, "locked", false);
    if (command == "fault")
        return fault(rest);
    if (command == "show")
        return show(rest);
    if (command == "list")
        return list();
    if (command == "help" || command == "--help" || command == "-h")
        return usage();
    return usage("unknown command " + command);
}

QString OvsimCommands::resolve(const QString& argument, QString* error) const
{
    const QString root = SimEnvironment::deviceRoot();
    if (!argument.isEmpty()) {
        if (QFileInfo(argument).isDir())
            return QDir(argument).absolutePath();
        if (QFileInfo(root + '/' + argument).isDir())
            return root + '/' + argument;
        *error = QString("no device image %1").arg(argument);
        return {};
    }
    QStringList images;
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders) {
        if (QFileInfo::exists(root + '/' + folder + "/device.json"))
            images << root + '/' + folder;
    }
    if (images.size() != 1) {
        *error = QString("%1 holds %2 device images; name one").arg(root).arg(images.size());
        return {};
    }
    return images.first();
}

int OvsimCommands::create(QStringList arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith("--"))
        return usage("create needs a folder");
    const QString folder = arguments.takeFirst();
    DeviceContent content;
    if (arguments.contains("--demo")) {
        content = DeviceContent::demo();
        content.plugged = false;
    }
    for (int i = 0; i < arguments.size(); ++i) {
        const QString option = arguments[i];
        auto flag = [&](const char* name) { return option == name; };
        if (flag("--demo"))
            continue;
        if (flag("--plug") || flag("--untrusted") || flag("--locked") || flag("--find-my") || flag("--unactivated")) {
            content.plugged |= flag("--plug");
            content.trusted &= !flag("--untrusted");
            content.locked |= flag("--locked");
            content.findMyIPhone |= flag("--find-my");
            if (flag("--unactivated"))
                content.activationState = "Unactivated";
            continue;
        }
        if (i + 1 >= arguments.size())
            return usage(option + " needs a value");
        const QString value = arguments[++i];
        bool ok = true;
        qint64 size = 0;
        if (flag("--name"))
            content.name = value;
        else if (flag("--product-type"))
            content.productType = value;
        else if (flag("--ios"))
            content.productVersion = value;
        else if (flag("--unique-id"))
            content.uniqueId = value;
        else if (flag("--password"))
            content.backupPassword = value;
        else if (flag("--total")) {
            ok = parseSize(value, &size) && size > 0;
            content.totalBytes = static_cast<quint64>(size);
        } else if (flag("--photos"))
            ok = parseCount(value, &content.photos);
        else if (flag("--deleted-photos"))
            ok = parseCount(value, &content.deletedPhotos);
        else if (flag("--videos"))
            ok = parseCount(value, &content.videos);
        else if (flag("--deleted-videos"))
            ok = parseCount(value, &content.deletedVideos);
        else if (flag("--video-size"))
            ok = parseSize(value, &content.videoBytes);
        else if (flag("--large-files"))
            ok = parseCount(value, &content.largeFiles);
        else if (flag("--large-file-size"))
            ok = parseSize(value, &content.largeFileBytes);
        else if (flag("--junk"))
            ok = parseCount(value, &content.junkFilesPerCode);
        else if (flag("--junk-size"))
            ok = parseSize(value, &content.junkFileBytes);
        else if (flag("--temp-files"))
            ok = parseCount(value, &content.tempFiles);
        else if (flag("--temp-size"))
            ok = parseSize(value, &content.tempFileBytes);
        else if (flag("--apps"))
            ok = parseCount(value, &content.extraApps);
        else if (flag("--records"))
            ok = parseCount(value, &content.records);
        else if (flag("--deleted"))
            ok = parseCount(value, &content.deletedRecords);
        else if (flag("--wechat-accounts"))
            ok = parseCount(value, &content.weChatAccounts);
        else if (flag("--seed"))
            content.seed = value.toUInt(&ok);
        else if (flag("--photo-size")) {
            const QStringList parts = value.split('x');
            int width = 0;
            int height = 0;
            ok = parts.size() == 2 && parseCount(parts[0], &width) && parseCount(parts[1], &height) && width > 0
                && height > 0;
            content.photoSize = QSize(width, height);
        } else if (flag("--count")) {
            const QString category = value.section('=', 0, 0);
            const QStringList numbers = value.section('=', 1).split(',');
            int existing = 0;
            int deleted = 0;
            ok = DeviceImage::privateCategories().contains(category) && parseCount(numbers.value(0), &existing)
                && (numbers.size() < 2 || parseCount(numbers.value(1), &deleted)) && numbers.size() <= 2;
            content.recordCounts.insert(category, qMakePair(existing, deleted));
        } else {
            return usage("unknown option " + option);
        }
        if (!ok)
            return usage(QString("bad value %1 for %2").arg(value, option));
    }
    QString error;
    if (!ImageBuilder::create(folder, content, &error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    m_out << "created " << QDir(folder).absolutePath() << "\n";
    return 0;
}

int OvsimCommands::plug(const QStringList& arguments, bool plugged)
{
    if (arguments.size() > 1)
        return usage("too many arguments");
    QString error;
    const QString folder = resolve(arguments.value(0), &error);
    if (folder.isEmpty()) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    if (!DeviceImage(folder).setPlugged(plugged)) {
        m_err << "ovsim: cannot change " << DeviceImage(folder).markerPath() << "\n";
        return 2;
    }
    return 0;
}

int OvsimCommands::setFlag(const QStringList& arguments, const QString& key, bool value)
{
    if (arguments.size() > 1)
        return usage("too many arguments");
    QString error;
    const QString folder = resolve(arguments.value(0), &error);
    DeviceImage image(folder);
    // Held until the change is saved, so a job of the library writing the image meanwhile
    // neither loses this change nor has its own undone.
    const auto held = folder.isEmpty() ? nullptr : image.lock();
    if (!folder.isEmpty() && !held)
        error = "the image is locked by another process: " + image.jsonPath() + ".lock";
    if (folder.isEmpty() || !held || !image.load(&error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    image.set(key, value);
    if (!image.save(&error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    return 0;
}

int OvsimCommands::fault(const QStringList& arguments)
{
    if (arguments.size() < 2 || arguments.size() > 3)
        return usage("fault needs OP and VALUE");
    const QString operation = arguments[arguments.size() - 2];
    const QString value = arguments.last();
    static const QStringList operations { "connect",  "backup",    "restore", "fill",   "eraseall",   "leave",
                                          "password", "untrusted", "locked",  "findmy", "unactivated" };
    if (!operations.contains(operation))
        return usage("unknown fault " + operation);
    QString error;
    const QString folder = resolve(arguments.size() == 3 ? arguments.first() : QString(), &error);
    DeviceImage image(folder);
    // Held until the change is saved, so a job of the library writing the image meanwhile
    // neither loses this change nor has its own undone.
    const auto held = folder.isEmpty() ? nullptr : image.lock();
    if (!folder.isEmpty() && !held)
        error = "the image is locked by another process: " + image.jsonPath() + ".lock";
    if (folder.isEmpty() || !held || !image.load(&error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    const bool clear = value == "none" || value == "0";
    bool ok = true;
    if (QStringList { "connect", "backup", "restore", "fill", "eraseall" }.contains(operation)) {
        const int code = clear ? 0 : value.toInt(&ok);
        ok = ok && (clear || code != 0);
        image.setFault(operation == "eraseall" ? "eraseAll" : operation, code);
    } else if (operation == "leave") {
        static const QStringList jobs {
            "backup", "restore", "fill", "scan", "clean", "process", "export", "uninstall"
        };
        ok = clear || jobs.contains(value);
        image.setFault("leave", clear ? QString() : value);
    } else if (operation == "password") {
        image.set("backupEncrypted", !clear);
        image.set("backupPassword", clear ? QString() : value);
    } else {
        ok = value == "1" || value == "0";
        const bool on = value == "1";
        if (operation == "untrusted")
            image.set("trusted", !on);
        else if (operation == "locked")
            image.set("locked", on);
        else if (operation == "findmy")
            image.set("findMyIPhone", on);
        else
            image.set("activationState", on ? "Unactivated" : "Activated");
    }
    if (!ok)
        return usage(QString("bad value %1 for the fault %2").arg(value, operation));
    if (!image.save(&error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    return 0;
}

int OvsimCommands::show(QStringList arguments)
{
    const bool json = arguments.removeAll("--json") > 0;
    if (arguments.size() > 1)
        return usage("too many arguments");
    QString error;
    const QString folder = resolve(arguments.value(0), &error);
    DeviceImage image(folder);
    if (folder.isEmpty() || !image.load(&error)) {
        m_err << "ovsim: " << error << "\n";
        return 2;
    }
    const ImageSummary summary = ImageSummary::of(image);
    if (json)
        m_out << QJsonDocument(summary.toJson()).toJson(QJsonDocument::Indented);
    else
        m_out << summary.toText();
    return 0;
}

int OvsimCommands::list()
{
    const QString root = SimEnvironment::deviceRoot();
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders) {
        DeviceImage image(root + '/' + folder);
        if (!image.exists())
            continue;
        QString error;
        const bool ok = image.load(&error);
        m_out << folder << "  " << (ok ? image.text("name") : "(" + error + ")")
              << (image.isPlugged() ? "  plugged" : "") << "\n";
    }
    return 0;
}
