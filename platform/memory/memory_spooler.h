#ifndef PLATFORM_MEMORY_MEMORY_SPOOLER_H
#define PLATFORM_MEMORY_MEMORY_SPOOLER_H

#include <map>
#include <string>
#include <vector>

#include "platform/spooler.h"

// The print spooler in memory. It keeps printers, drivers, ports and the default-printer entry,
// records every call with its full arguments (the records byte for byte), and succeeds unless a
// test arranged otherwise: FailNext makes the next call of one operation fail with a chosen
// system error number.
class MemorySpooler : public Spooler {
 public:
  enum Operation {
    kOpen, kDelete, kXcv, kAddDriver, kAddPrinter, kOperationCount
  };

  struct Printer {
    std::string name;
    std::string port;
    std::string driver;
    std::string data_type;
    std::string print_processor;
    uint32_t attributes;
    uint32_t priority;
    uint32_t default_priority;
    std::vector<uint8_t> devmode;  // 148 bytes
  };
  struct Driver {
    uint32_t version;
    std::string name;
    std::string environment;
    std::string driver_path, data_file, config_file, help_file, default_data_type;
    std::vector<std::string> dependent_files;  // read as the spooler does: up to the first empty name
    std::string dependent_bytes;               // every byte handed over, final NULs included
  };
  struct XcvCall {
    std::string command;
    std::vector<uint8_t> input;
    uint32_t output_size;
  };

  MemorySpooler();

  bool OpenPrinter(const char* name, uint32_t access, Handle* handle) override;
  bool DeletePrinter(Handle handle) override;
  void ClosePrinter(Handle handle) override;
  Text PrinterDriverDirectory(int buffer_size) override;
  bool XcvData(Handle handle, const char* command, const uint8_t* input, uint32_t input_size,
               uint8_t* output, uint32_t output_size, uint32_t* needed, uint32_t* status) override;
  bool AddPrinterDriver(const DriverInfo3& info) override;
  bool AddPrinter(const PrinterInfo2& info) override;
  void WriteDefaultPrinterEntry(const char* value) override;
  void BroadcastIniChange() override { ++broadcasts; }
  unsigned LastError() override { return last_error_; }

  // For tests.
  void FailNext(Operation operation, unsigned error_number) { fail_[operation] = error_number; }
  // The monitor of ",XcvMonitor Standard TCP/IP Port"; without it opening the monitor fails.
  bool has_tcpip_monitor = true;
  std::string driver_directory = "C:\\WINDOWS\\System32\\spool\\DRIVERS\\W32X86";
  std::map<std::string, Printer> printers;     // by name, as given
  std::vector<Driver> drivers;                 // in registration order
  std::vector<std::string> ports;              // created through the monitor
  std::vector<XcvCall> xcv_calls;
  std::vector<std::string> calls;              // "OpenPrinter <name> <access>", ...
  std::string device_entry;                    // windows/device; empty when never written
  int device_writes = 0;
  int broadcasts = 0;
  int open_handles = 0;

 private:
  bool Failing(Operation operation);
  unsigned fail_[kOperationCount];
  unsigned last_error_;
  // Handles are the address of an entry here: a printer's name or the monitor.
  std::vector<std::string*> handles_;
};

#endif
