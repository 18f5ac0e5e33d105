#ifndef PLATFORM_WIN32_WINDOWS_API_H
#define PLATFORM_WIN32_WINDOWS_API_H

// The program's one way into the Windows headers. The version macros keep the declarations at
// what Windows 95 and NT 4.0 with Internet Explorer 4's common controls offer, so that a call
// to anything newer fails to compile instead of making the program fail to load there; the few
// newer functions the program uses are looked up at run time (late_bound.h).
#ifndef WINVER
#define WINVER 0x0400
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0400
#endif
#ifndef _WIN32_WINDOWS
#define _WIN32_WINDOWS 0x0400
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0400  // comctl32 4.71: InitCommonControlsEx and the IP address control
#endif
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
#include <commctrl.h>
#include <winspool.h>  // left out of windows.h by WIN32_LEAN_AND_MEAN

// The headers map these names to their ANSI or wide functions by macro, which would also rename
// the program's own members of the same names (DialogView::MessageBox, DiskInterface::CopyFile
// and DeleteFile, and the Spooler's calls). The program calls the ...A and ...W functions by their
// full names.
#undef MessageBox
#undef CopyFile
#undef DeleteFile
#undef OpenPrinter
#undef XcvData
#undef AddPrinterDriver
#undef AddPrinter

// Resource ids shared with resources/install.rc.
#include "resources/resource_ids.h"

#endif
