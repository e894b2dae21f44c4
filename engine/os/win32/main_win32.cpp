// Quenbytray on Windows: the command line and the show state are not used.
#include <windows.h>

#include "common/os/registry.h"
#include "engine/engine.h"
#include "engine/os/win32/host_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    quenby::engine::Win32EngineHost host(instance);
    return quenby::engine::runEngine(host, quenby::os::currentUserRegistry(),
                                     &quenby::os::localMachineRegistry());
}
