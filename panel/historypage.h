// The options' History page: what the engine's latest recoveries did and why
// others did not run, newest first, read from the engine's history file each
// time the page is shown.
#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;

class HistoryPage : public QWidget {
    Q_OBJECT

public:
    explicit HistoryPage(QWidget* parent = nullptr);

    // Reads the file again and shows what it holds.
    void reload();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTreeWidget* table_;
    QLabel* emptyLabel_;
};
