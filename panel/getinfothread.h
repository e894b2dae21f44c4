// One measurement of memory and processor load off the GUI thread: the CPU
// reading blocks for a second, so it can't run where the window lives.
#pragma once

#include <QThread>

class GetInfoThread : public QThread {
    Q_OBJECT

public:
signals:
    void totalRAMInfoSignal(int val);
    void availRAMInfoSignal(int val1, int val2);
    void cpuUsagesInfoSignal(int val);

protected:
    void run() override;
};
