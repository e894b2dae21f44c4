// What the panel's Qt Test suites share: a private settings and runtime folder
// per suite, the registry seen through them, the panel's log lines, and a
// registry that counts how often it is used.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include "common/os/registry.h"
#include "common/settings.h"

// The images live in the panel's static library: a suite registers them itself.
// (Outside any namespace, as Q_INIT_RESOURCE requires.)
void initPanelResources();

namespace quenby::paneltest {

// The total RAM the suites give the main window, in MB.
inline constexpr int kTotalRAM = 16384;

// Points XDG_CONFIG_HOME and XDG_RUNTIME_DIR at fresh folders of this suite's
// own, so that no real user's settings are touched and suites running side by
// side never see each other's windows. Call first in initTestCase, before any
// window or thread exists.
class PrivateFolders {
public:
    PrivateFolders();
    bool ok() const { return ok_; }
    QString config() const;
    QString runtime() const;
    // Removes every stored setting: the next read finds no key at all.
    void clearRegistry() const;

private:
    QTemporaryDir root_;
    bool ok_ = false;
};

// The panel's debug lines while the object lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const;
    bool contains(const QString& line) const;
    int count(const QString& line) const;
    void clear();
};

// Passes everything to the current user's registry and counts the calls that
// read or write it.
class CountingRegistry final : public os::Registry {
public:
    std::unique_ptr<os::RegistryKey> openKey(std::u16string_view path, os::RegAccess access,
                                             os::RegStatus* status = nullptr) override;
    std::unique_ptr<os::RegistryKey> createKey(std::u16string_view path,
                                               os::RegStatus* status = nullptr) override;
    os::RegStatus getValue(std::u16string_view path, std::u16string_view name,
                           os::RegRestrict restrict, void* buffer, std::uint32_t* size) override;
    os::RegStatus deleteTree(std::u16string_view path) override;

    int calls = 0;
};

// Puts a registry in the panel's place while the object lives.
class RegistryReplacement {
public:
    explicit RegistryReplacement(os::Registry& replacement);
    ~RegistryReplacement();
    RegistryReplacement(const RegistryReplacement&) = delete;
    RegistryReplacement& operator=(const RegistryReplacement&) = delete;
};

// The settings as the panel reads them from the registry now, with T = kTotalRAM.
Settings storedSettings();

// A full write of the stored settings (defaults when there are none) with a
// change applied, as a save of the panel would do.
void storeSettings(const std::function<void(Settings&)>& change);

// A number stored under the settings key, or none when it is missing.
std::optional<std::uint32_t> storedNumber(std::u16string_view name);

// Writes one value (creating the key), as another program might.
void storeNumber(std::u16string_view name, std::uint32_t value);
void storeText(std::u16string_view name, const QString& text);

// Runs `whileOpen` once the dialog that `open` starts modally is showing, and
// returns once `open` has returned (a modal dialog runs its own event loop, so a
// test acts on it from a timer). `ran` tells whether the dialog was seen.
template <typename Dialog, typename Open, typename WhileOpen>
void duringModal(QObject* owner, Open open, WhileOpen whileOpen, bool& ran)
{
    ran = false;
    QPointer<QTimer> poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [owner, poll, whileOpen, &ran] {
        for (auto* dialog : owner->findChildren<Dialog*>()) {
            if (dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                ran = true;
                whileOpen(dialog);
                return;
            }
        }
    });
    poll->start(20);
    open();
    delete poll.data();
}

} // namespace quenby::paneltest
