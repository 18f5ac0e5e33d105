// DEMODRV.DLL (and, with the same bytes, DEMODRV.DRV for the Windows 95 sections) of the demo
// distribution: the file the demo "driver" names as its driver. It is no printer driver and
// exports nothing; being a loadable DLL, it behaves like a real driver file to anything that only
// copies, registers or loads it. Its version resource says what it is.

#include <windows.h>

extern "C" BOOL WINAPI DemoDriverEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }
