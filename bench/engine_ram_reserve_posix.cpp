// The Linux engine with its safety reserve on physical memory alone, as it was
// before free swap counted: everything else is Quenbytray's own. The benefit
// scenario runs it beside Quenbytray, so that what counting swap changes is
// measured again whenever the figures are taken.
//
//   quenby_bench_engine_ram_reserve      (as Quenbytray, with its settings)
#include "common/os/memory.h"
#include "common/os/registry.h"
#include "engine/engine.h"
#include "engine/os/posix/host_posix.h"

namespace {

class RamReserveHost : public quenby::engine::PosixEngineHost {
public:
    bool recoveryRoom(quenby::os::MemoryRoom& room) override
    {
        quenby::os::MemoryStatus status;
        const bool ok = quenby::os::queryMemoryStatus(status);
        room = {status.totalPhys, status.availPhys};
        return ok;
    }
};

} // namespace

int main()
{
    RamReserveHost host;
    return quenby::engine::runEngine(host, quenby::os::currentUserRegistry(),
                                     &quenby::os::localMachineRegistry());
}
