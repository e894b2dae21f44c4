// Quenbytray on Linux.
#include "common/os/registry.h"
#include "engine/engine.h"
#include "engine/os/posix/host_posix.h"

int main()
{
    quenby::engine::PosixEngineHost host;
    return quenby::engine::runEngine(host, quenby::os::currentUserRegistry(),
                                     &quenby::os::localMachineRegistry());
}
