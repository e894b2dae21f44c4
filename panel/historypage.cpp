#include "panel/historypage.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/os/user_file.h"
#include "common/recovery_history.h"

namespace {

QString triggerText(quenby::RecoveryTrigger trigger)
{
    using quenby::RecoveryTrigger;
    switch (trigger) {
    case RecoveryTrigger::lowMemory:
        return HistoryPage::tr("Low free RAM", "what started a recovery");
    case RecoveryTrigger::interval:
        return HistoryPage::tr("Every few minutes", "what started a recovery: the periodic rule");
    case RecoveryTrigger::startup:
        return HistoryPage::tr("Startup", "what started a recovery: the recovery after Quenby starts");
    case RecoveryTrigger::menu:
        return HistoryPage::tr("Tray menu", "what started a recovery");
    case RecoveryTrigger::hotKey:
        return HistoryPage::tr("Hot key", "what started a recovery");
    case RecoveryTrigger::request:
        return HistoryPage::tr("Request", "what started a recovery: another program (the command line) asked");
    }
    return {};
}

QString outcomeText(quenby::RecoveryRefusal refusal)
{
    using quenby::RecoveryRefusal;
    switch (refusal) {
    case RecoveryRefusal::none:
        return HistoryPage::tr("Ran");
    case RecoveryRefusal::busyProcessor:
        return HistoryPage::tr("Did not run: the processor was busy");
    case RecoveryRefusal::anotherSession:
        return HistoryPage::tr("Did not run: another user's recovery was running");
    case RecoveryRefusal::fullScreen:
        return HistoryPage::tr("Did not run: a full-screen program was running");
    case RecoveryRefusal::protectedProgram:
        return HistoryPage::tr("Did not run: a protected program was running");
    case RecoveryRefusal::resting:
        return HistoryPage::tr("Did not run: paused after a recovery that could not help");
    case RecoveryRefusal::enoughFree:
        return HistoryPage::tr("Did not run: more than three quarters of the RAM was free");
    }
    return {};
}

} // namespace

HistoryPage::HistoryPage(QWidget* parent)
    : QWidget(parent), table_(new QTreeWidget(this)), emptyLabel_(new QLabel(tr("No recovery yet."), this))
{
    setObjectName(QStringLiteral("historyPage"));
    table_->setObjectName(QStringLiteral("historyTable"));
    table_->setRootIsDecorated(false);
    table_->setHeaderLabels({tr("When"), tr("Started by"), tr("What happened"),
                             tr("Before (MB)", "column: free RAM before the recovery, in megabytes"),
                             tr("After (MB)", "column: free RAM after the recovery, in megabytes"),
                             tr("Used (MB)", "column: the megabytes the recovery allocated and released"),
                             tr("Seconds", "column: how long the recovery took")});
    QTreeWidgetItem* header = table_->headerItem();
    header->setToolTip(3, tr("Free RAM before the recovery"));
    header->setToolTip(4, tr("Free RAM after the recovery"));
    header->setToolTip(5, tr("The RAM the recovery took for a moment and gave back"));
    // What happened takes the room that is left; the sentence is whole in its tooltip.
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->header()->setStretchLastSection(false);
    table_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(emptyLabel_);
    layout->addWidget(table_);
}

void HistoryPage::showEvent(QShowEvent* event)
{
    reload();
    QWidget::showEvent(event);
}

void HistoryPage::reload()
{
    const auto file = quenby::os::readUserFile(quenby::kHistoryFileName, quenby::kHistoryFileMaxBytes);
    const std::vector<quenby::HistoryEntry> entries =
        file ? quenby::parseHistoryFile(*file) : std::vector<quenby::HistoryEntry>{};
    const QLocale locale;
    table_->clear();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const bool ran = entry->refusal == quenby::RecoveryRefusal::none;
        const auto number = [&](std::uint32_t mb) { return locale.toString(mb); };
        auto* item = new QTreeWidgetItem(
            table_, {locale.toString(QDateTime::fromSecsSinceEpoch(entry->time), QLocale::ShortFormat),
                     triggerText(entry->trigger), outcomeText(entry->refusal), number(entry->freeBeforeMB),
                     ran ? number(entry->freeAfterMB) : QString(), ran ? number(entry->takenMB) : QString(),
                     ran ? locale.toString(entry->tenthsOfSecond / 10.0, 'f', 1) : QString()});
        item->setToolTip(2, item->text(2));
        for (int column = 3; column < item->columnCount(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    emptyLabel_->setVisible(entries.empty());
    table_->setVisible(!entries.empty());
}
