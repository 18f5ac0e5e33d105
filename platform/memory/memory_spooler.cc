#include "platform/memory/memory_spooler.h"

#include <string.h>

namespace {
const unsigned kErrorInvalidPrinterName = 1801;
const unsigned kErrorUnknownPort = 1796;
const unsigned kErrorInvalidHandle = 6;
const char kMonitorName[] = ",XcvMonitor Standard TCP/IP Port";

std::string Str(const Text& text) { return std::string(text.c_str(), text.size()); }

// PORT_DATA_1 holds the port name as UTF-16 at offset 0; the monitor names the port by it.
std::string PortNameOf(const uint8_t* record, uint32_t size) {
  std::string name;
  for (uint32_t i = 0; i + 1 < size && i < 128; i += 2) {
    uint16_t unit = static_cast<uint16_t>(record[i] | (record[i + 1] << 8));
    if (unit == 0) break;
    name += static_cast<char>(unit < 0x80 ? unit : '?');
  }
  return name;
}
}  // namespace

MemorySpooler::MemorySpooler() : last_error_(0) {
  for (unsigned& f : fail_) f = 0;
}

bool MemorySpooler::Failing(Operation operation) {
  if (fail_[operation] == 0) return false;
  last_error_ = fail_[operation];
  fail_[operation] = 0;
  return true;
}

bool MemorySpooler::OpenPrinter(const char* name, uint32_t access, Handle* handle) {
  calls.push_back("OpenPrinter " + std::string(name) + " " + std::to_string(access));
  if (Failing(kOpen)) return false;
  bool monitor = strcmp(name, kMonitorName) == 0;
  if (monitor && !has_tcpip_monitor) {
    last_error_ = kErrorUnknownPort;
    return false;
  }
  if (!monitor && printers.count(name) == 0) {
    last_error_ = kErrorInvalidPrinterName;
    return false;
  }
  handles_.push_back(new std::string(name));
  *handle = handles_.back();
  ++open_handles;
  return true;
}

bool MemorySpooler::DeletePrinter(Handle handle) {
  std::string* name = static_cast<std::string*>(handle);
  calls.push_back("DeletePrinter " + *name);
  if (Failing(kDelete)) return false;
  if (printers.erase(*name) == 0) {
    last_error_ = kErrorInvalidPrinterName;
    return false;
  }
  return true;
}

void MemorySpooler::ClosePrinter(Handle handle) {
  for (size_t i = 0; i < handles_.size(); ++i) {
    if (handles_[i] == handle) {
      calls.push_back("ClosePrinter " + *handles_[i]);
      delete handles_[i];
      handles_.erase(handles_.begin() + i);
      --open_handles;
      return;
    }
  }
  last_error_ = kErrorInvalidHandle;
}

Text MemorySpooler::PrinterDriverDirectory(int buffer_size) {
  calls.push_back("GetPrinterDriverDirectory " + std::to_string(buffer_size));
  if (static_cast<int>(driver_directory.size()) >= buffer_size) return Text();
  return Text(driver_directory.c_str());
}

bool MemorySpooler::XcvData(Handle handle, const char* command, const uint8_t* input,
                            uint32_t input_size, uint8_t* output, uint32_t output_size,
                            uint32_t* needed, uint32_t* status) {
  (void)handle;
  (void)output;
  calls.push_back("XcvData " + std::string(command));
  xcv_calls.push_back(XcvCall{command, std::vector<uint8_t>(input, input + input_size), output_size});
  *needed = 0;
  if (Failing(kXcv)) {
    *status = last_error_;
    return false;
  }
  *status = 0;
  ports.push_back(PortNameOf(input, input_size));
  return true;
}

bool MemorySpooler::AddPrinterDriver(const DriverInfo3& info) {
  calls.push_back("AddPrinterDriver " + Str(info.name) + " " + Str(info.environment));
  if (Failing(kAddDriver)) return false;
  Driver driver;
  driver.version = info.version;
  driver.name = Str(info.name);
  driver.environment = Str(info.environment);
  driver.driver_path = Str(info.driver_path);
  driver.data_file = Str(info.data_file);
  driver.config_file = Str(info.config_file);
  driver.help_file = Str(info.help_file);
  driver.default_data_type = Str(info.default_data_type);
  driver.dependent_bytes = Str(info.dependent_files);
  for (const char* p = info.dependent_files.c_str(); *p; p += strlen(p) + 1) {
    driver.dependent_files.push_back(p);
  }
  drivers.push_back(driver);
  return true;
}

bool MemorySpooler::AddPrinter(const PrinterInfo2& info) {
  calls.push_back("AddPrinter " + Str(info.printer_name) + " " + Str(info.port_name));
  if (Failing(kAddPrinter)) return false;
  Printer printer;
  printer.name = Str(info.printer_name);
  printer.port = Str(info.port_name);
  printer.driver = Str(info.driver_name);
  printer.data_type = Str(info.data_type);
  printer.print_processor = Str(info.print_processor);
  printer.attributes = info.attributes;
  printer.priority = info.priority;
  printer.default_priority = info.default_priority;
  printer.devmode.assign(info.devmode, info.devmode + 148);
  printers[printer.name] = printer;
  return true;
}

void MemorySpooler::WriteDefaultPrinterEntry(const char* value) {
  calls.push_back("WriteProfileString windows device " + std::string(value));
  device_entry = value;
  ++device_writes;
}
