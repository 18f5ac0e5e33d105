#ifndef PLATFORM_SPOOLER_H
#define PLATFORM_SPOOLER_H

#include <stdint.h>

#include "platform/text.h"

// Access rights the program asks for.
enum : uint32_t {
  kPrinterAllAccess = 0xF000C,     // PRINTER_ALL_ACCESS
  kServerAccessAdminister = 0x1,   // SERVER_ACCESS_ADMINISTER
};

// DRIVER_INFO_3A as the program fills it. dependent_files is a run of NUL-terminated names ended
// by an empty name; the text's size counts every byte of it, the final NULs included.
struct DriverInfo3 {
  uint32_t version;
  Text name;
  Text environment;
  Text driver_path;
  Text data_file;
  Text config_file;
  Text help_file;
  Text dependent_files;
  // pMonitorName is always null.
  Text default_data_type;
};

// PRINTER_INFO_2A as the program fills it; the pointers the program leaves null are not carried.
struct PrinterInfo2 {
  Text printer_name;
  Text port_name;
  Text driver_name;
  const uint8_t* devmode;  // the 148-byte DEVMODEA
  Text print_processor;
  Text data_type;
  uint32_t attributes;
  uint32_t priority;
  uint32_t default_priority;
};

// The print spooler of the local machine: no call names a server.
class Spooler {
 public:
  typedef void* Handle;
  virtual ~Spooler() {}

  // OpenPrinterA with PRINTER_DEFAULTS of no data type, no device mode and the given access.
  virtual bool OpenPrinter(const char* name, uint32_t access, Handle* handle) = 0;
  virtual bool DeletePrinter(Handle handle) = 0;
  virtual void ClosePrinter(Handle handle) = 0;
  // GetPrinterDriverDirectoryA for the running environment, level 1, into a buffer of
  // buffer_size bytes; empty when the query fails.
  virtual Text PrinterDriverDirectory(int buffer_size) = 0;
  // XcvDataW; command is ASCII and goes to the monitor as UTF-16.
  virtual bool XcvData(Handle handle, const char* command, const uint8_t* input, uint32_t input_size,
                       uint8_t* output, uint32_t output_size, uint32_t* needed,
                       uint32_t* status) = 0;
  // AddPrinterDriverA at level 3.
  virtual bool AddPrinterDriver(const DriverInfo3& info) = 0;
  // AddPrinterA at level 2; the handle it returns is closed at once.
  virtual bool AddPrinter(const PrinterInfo2& info) = 0;
  // WriteProfileStringA("windows", "device", value).
  virtual void WriteDefaultPrinterEntry(const char* value) = 0;
  // SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_NORMAL, 1000, NULL).
  virtual void BroadcastIniChange() = 0;
  // GetLastError right after a failed call above.
  virtual unsigned LastError() = 0;
};

#endif
