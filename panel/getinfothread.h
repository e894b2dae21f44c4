// One measurement of memory and processor load off the GUI thread: the CPU
// reading blocks for a second, so it can't run where the window lives.
#pragma once

#include <QThread>

class GetInfoThread : public QThread {
    Q_OBJECT

public:
    GetInfoThread();
    ~GetInfoThread() override;

    // How many thread objects exist right now, and how many were ever made: a
    // window that keeps measuring must not pile them up.
    static int liveCount();
    static int createdCount();

signals:
    void totalRAMInfoSignal(int val);
    void availRAMInfoSignal(int val1, int val2);
    void cpuUsagesInfoSignal(int val);

protected:
    void run() override;
};
