#include "tests/panel/panel_test_support.h"

#include <array>
#include <mutex>

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include "common/settings_schema.h"
#include "panel/panel_state.h"

void initPanelResources()
{
    Q_INIT_RESOURCE(panel_images);
}

namespace quenby::paneltest {
namespace {

std::mutex logMutex;
QStringList* capturedLines = nullptr;
QtMessageHandler previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    {
        std::lock_guard<std::mutex> lock(logMutex);
        if (capturedLines && type == QtDebugMsg)
            capturedLines->append(text);
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

PrivateFolders::PrivateFolders()
{
    if (!root_.isValid())
        return;
    QDir root(root_.path());
    if (!root.mkdir(QStringLiteral("config")) || !root.mkdir(QStringLiteral("run")))
        return;
    // The window link refuses a runtime folder that others could write to.
    if (!QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    qputenv("XDG_CONFIG_HOME", config().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime().toLocal8Bit());
    ok_ = true;
}

QString PrivateFolders::config() const
{
    return root_.path() + QStringLiteral("/config");
}

QString PrivateFolders::runtime() const
{
    return root_.path() + QStringLiteral("/run");
}

void PrivateFolders::clearRegistry() const
{
    QDir(config() + QStringLiteral("/quenby")).removeRecursively();
}

LogCapture::LogCapture()
{
    std::lock_guard<std::mutex> lock(logMutex);
    capturedLines = new QStringList;
    previousHandler = qInstallMessageHandler(captureMessage);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previousHandler);
    std::lock_guard<std::mutex> lock(logMutex);
    delete capturedLines;
    capturedLines = nullptr;
}

QStringList LogCapture::lines() const
{
    std::lock_guard<std::mutex> lock(logMutex);
    return *capturedLines;
}

bool LogCapture::contains(const QString& line) const
{
    return count(line) > 0;
}

int LogCapture::count(const QString& line) const
{
    std::lock_guard<std::mutex> lock(logMutex);
    return static_cast<int>(capturedLines->count(line));
}

void LogCapture::clear()
{
    std::lock_guard<std::mutex> lock(logMutex);
    capturedLines->clear();
}

std::unique_ptr<os::RegistryKey> CountingRegistry::openKey(std::u16string_view path,
                                                           os::RegAccess access,
                                                           os::RegStatus* status)
{
    ++calls;
    return os::currentUserRegistry().openKey(path, access, status);
}

std::unique_ptr<os::RegistryKey> CountingRegistry::createKey(std::u16string_view path,
                                                             os::RegStatus* status)
{
    ++calls;
    return os::currentUserRegistry().createKey(path, status);
}

os::RegStatus CountingRegistry::getValue(std::u16string_view path, std::u16string_view name,
                                         os::RegRestrict restrict, void* buffer,
                                         std::uint32_t* size)
{
    ++calls;
    return os::currentUserRegistry().getValue(path, name, restrict, buffer, size);
}

os::RegStatus CountingRegistry::deleteTree(std::u16string_view path)
{
    ++calls;
    return os::currentUserRegistry().deleteTree(path);
}

RegistryReplacement::RegistryReplacement(os::Registry& replacement)
{
    panel::useRegistry(&replacement);
}

RegistryReplacement::~RegistryReplacement()
{
    panel::useRegistry(nullptr);
}

Settings storedSettings()
{
    Settings settings;
    readSettings(os::currentUserRegistry(), settings, kTotalRAM, Deliverable::panel);
    return settings;
}

void storeSettings(const std::function<void(Settings&)>& change)
{
    Settings settings = storedSettings();
    change(settings);
    writeSettings(os::currentUserRegistry(), settings);
}

std::optional<std::uint32_t> storedNumber(std::u16string_view name)
{
    auto key = os::currentUserRegistry().openKey(kSettingsKey, os::RegAccess::read);
    if (!key)
        return std::nullopt;
    std::array<unsigned char, 4> data{};
    std::uint32_t size = 4;
    if (key->queryValue(name, data.data(), size, nullptr) != os::RegStatus::ok || size != 4)
        return std::nullopt;
    return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

void storeNumber(std::u16string_view name, std::uint32_t value)
{
    auto key = os::currentUserRegistry().createKey(kSettingsKey);
    if (!key)
        return;
    const std::array<unsigned char, 4> data = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    key->setValue(name, os::RegType::dword, data.data(), 4);
}

void storeText(std::u16string_view name, const QString& text)
{
    auto key = os::currentUserRegistry().createKey(kSettingsKey);
    if (!key)
        return;
    std::basic_string<unsigned char> data;
    for (const QChar c : text) {
        data.push_back(static_cast<unsigned char>(c.unicode() & 0xFF));
        data.push_back(static_cast<unsigned char>(c.unicode() >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    key->setValue(name, os::RegType::sz, data.data(), static_cast<std::uint32_t>(data.size()));
}

} // namespace quenby::paneltest
