#include "platform/win32/late_bound.h"
#include "platform/win32/scratch_buffer.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace {
// The spooler's structures take writable strings; it does not write through them.
char* Writable(const Text& text) { return const_cast<char*>(text.c_str()); }
}  // namespace

bool Win32Spooler::Failed() {
  last_error_ = GetLastError();
  return false;
}

bool Win32Spooler::OpenPrinter(const char* name, uint32_t access, Handle* handle) {
  PRINTER_DEFAULTSA defaults;
  defaults.pDatatype = NULL;
  defaults.pDevMode = NULL;
  defaults.DesiredAccess = access;
  HANDLE opened = NULL;
  if (!OpenPrinterA(const_cast<char*>(name), &opened, &defaults)) return Failed();
  *handle = opened;
  return true;
}

bool Win32Spooler::DeletePrinter(Handle handle) {
  return ::DeletePrinter(static_cast<HANDLE>(handle)) ? true : Failed();
}

void Win32Spooler::ClosePrinter(Handle handle) {
  if (!::ClosePrinter(static_cast<HANDLE>(handle))) Failed();
}

Text Win32Spooler::PrinterDriverDirectory(int buffer_size) {
  if (buffer_size <= 0) return Text();
  ScratchBuffer buffer(buffer_size);
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, reinterpret_cast<BYTE*>(buffer.data()),
                                  buffer_size, &needed)) {
    Failed();
    return Text();
  }
  buffer.data()[buffer_size - 1] = 0;
  return Text(buffer.data());
}

// XcvDataW came with Windows 2000; earlier spoolers have no port monitor to talk to.
bool Win32Spooler::XcvData(Handle handle, const char* command, const uint8_t* input,
                           uint32_t input_size, uint8_t* output, uint32_t output_size,
                           uint32_t* needed, uint32_t* status) {
  typedef BOOL(WINAPI * XcvDataWide)(HANDLE, const WCHAR*, BYTE*, DWORD, BYTE*, DWORD, DWORD*,
                                     DWORD*);
  XcvDataWide xcv_data = LateBound<XcvDataWide>("winspool.drv", "XcvDataW");
  if (!xcv_data) {
    last_error_ = ERROR_CALL_NOT_IMPLEMENTED;
    return false;
  }
  // The command names are ASCII: each byte is its own UTF-16 unit.
  WCHAR wide_command[64];
  int i = 0;
  for (; command[i] && i < 63; ++i) wide_command[i] = static_cast<unsigned char>(command[i]);
  wide_command[i] = 0;
  DWORD output_needed = 0;
  DWORD monitor_status = 0;
  BOOL sent = xcv_data(static_cast<HANDLE>(handle), wide_command, const_cast<BYTE*>(input),
                       input_size, output, output_size, &output_needed, &monitor_status);
  if (!sent) Failed();
  *needed = output_needed;
  *status = monitor_status;
  return sent != FALSE;
}

bool Win32Spooler::AddPrinterDriver(const DriverInfo3& info) {
  DRIVER_INFO_3A driver;
  driver.cVersion = info.version;
  driver.pName = Writable(info.name);
  driver.pEnvironment = Writable(info.environment);
  driver.pDriverPath = Writable(info.driver_path);
  driver.pDataFile = Writable(info.data_file);
  driver.pConfigFile = Writable(info.config_file);
  driver.pHelpFile = Writable(info.help_file);
  driver.pDependentFiles = Writable(info.dependent_files);
  driver.pMonitorName = NULL;
  driver.pDefaultDataType = Writable(info.default_data_type);
  return AddPrinterDriverA(NULL, 3, reinterpret_cast<BYTE*>(&driver)) ? true : Failed();
}

bool Win32Spooler::AddPrinter(const PrinterInfo2& info) {
  PRINTER_INFO_2A printer;
  ZeroMemory(&printer, sizeof printer);
  printer.pPrinterName = Writable(info.printer_name);
  printer.pPortName = Writable(info.port_name);
  printer.pDriverName = Writable(info.driver_name);
  printer.pDevMode = reinterpret_cast<DEVMODEA*>(const_cast<uint8_t*>(info.devmode));
  printer.pPrintProcessor = Writable(info.print_processor);
  printer.pDatatype = Writable(info.data_type);
  printer.Attributes = info.attributes;
  printer.Priority = info.priority;
  printer.DefaultPriority = info.default_priority;
  HANDLE added = AddPrinterA(NULL, 2, reinterpret_cast<BYTE*>(&printer));
  if (!added) return Failed();
  ::ClosePrinter(added);
  return true;
}

void Win32Spooler::WriteDefaultPrinterEntry(const char* value) {
  if (!WriteProfileStringA("windows", "device", value)) Failed();
}

// Programs that keep the default printer learn of the change; a hung window costs one second.
void Win32Spooler::BroadcastIniChange() {
  SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_NORMAL, 1000, NULL);
}
