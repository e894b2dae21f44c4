#include "tests/panel/panel_test_support.h"

#include <array>
#include <mutex>

#include <QDir>
#include <QFile>
#include <QToolButton>
#include <QtGlobal>
#include <QtTest>

#include "common/identity.h"
#include "common/os/process.h"
#include "common/os/windowlink.h"
#include "common/settings_schema.h"
#include "panel/mainwindow.h"
#include "panel/panel_state.h"

void initPanelResources()
{
    Q_INIT_RESOURCE(panel_images);
    Q_INIT_RESOURCE(panel_translations);
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

// REG_SZ data: UTF-16 with its terminator.
void setText(os::RegistryKey& key, std::u16string_view name, const QString& text)
{
    std::basic_string<unsigned char> data;
    for (const QChar c : text) {
        data.push_back(static_cast<unsigned char>(c.unicode() & 0xFF));
        data.push_back(static_cast<unsigned char>(c.unicode() >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    key.setValue(name, os::RegType::sz, data.data(), static_cast<std::uint32_t>(data.size()));
}

} // namespace

QString checkMarks(MainWindow& window)
{
    QString marks;
    const char* const buttons[] = {"EnableButton", "DisableButton", "CloseButton"};
    const char letters[] = {'E', 'D', 'C'};
    for (int i = 0; i < 3; ++i) {
        auto* button = window.findChild<QToolButton*>(QString::fromLatin1(buttons[i]));
        marks += button && button->isChecked() ? QLatin1Char(letters[i]) : QLatin1Char('-');
    }
    return marks;
}

QString StandInEngine::folder() const
{
    return QDir::toNativeSeparators(dir_.path());
}

QString StandInEngine::program() const
{
    return folder() + QChar(os::pathSeparator()) + QString::fromStdU16String(os::engineFileName());
}

QStringList StandInEngine::starts() const
{
    QFile record(dir_.filePath(QStringLiteral("started")));
    if (!record.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLatin1(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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
    std::uint32_t value = 0; // REG_DWORD is little-endian, as every machine this runs on
    std::uint32_t size = 4;
    if (key->queryValue(name, &value, size, nullptr) != os::RegStatus::ok || size != 4)
        return std::nullopt;
    return value;
}

void storeNumber(std::u16string_view name, std::uint32_t value)
{
    auto key = os::currentUserRegistry().createKey(kSettingsKey);
    if (!key)
        return;
    key->setValue(name, os::RegType::dword, &value, 4);
}

void storeText(std::u16string_view name, const QString& text)
{
    if (auto key = os::currentUserRegistry().createKey(kSettingsKey))
        setText(*key, name, text);
}

std::optional<QString> storedRunEntry(os::RegType* type)
{
    auto key = os::currentUserRegistry().openKey(kRunKey, os::RegAccess::read);
    if (!key)
        return std::nullopt;
    std::array<char16_t, 1024> data{};
    std::uint32_t size = static_cast<std::uint32_t>(data.size() * 2);
    if (key->queryValue(kRunValue, data.data(), size, type) != os::RegStatus::ok)
        return std::nullopt;
    QString text = QString::fromUtf16(data.data(), size / 2);
    return text.left(text.indexOf(QChar(0)));
}

void storeUserValue(std::u16string_view key, std::u16string_view name, os::RegType type,
                    const QByteArray& data)
{
    if (auto handle = os::currentUserRegistry().createKey(key))
        handle->setValue(name, type, data.constData(), static_cast<std::uint32_t>(data.size()));
}

void storeRunEntry(const QString& text)
{
    // Windows always has the Run key; a fresh registry stand-in does not.
    if (auto key = os::currentUserRegistry().createKey(kRunKey))
        setText(*key, kRunValue, text);
}

void PanelSuite::prepareSuite()
{
    settings_ = std::make_unique<PrivateSettings>();
    QVERIFY(settings_->ok());
    initPanelResources();
}

void PanelSuite::prepareTest()
{
    settings_->clearRegistry();
    // No engine window left behind by an earlier case, which every case's
    // panel would find and talk to.
    QVERIFY(!os::findWindow(kEngineWindowClass, kEngineWindowTitle));
}

} // namespace quenby::paneltest
