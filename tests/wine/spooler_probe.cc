// Reports what the spooler holds, from outside the program under test: printers, drivers of
// each environment, ports and the default-printer entry, one line each, in UTF-8.
//
//   spooler_probe.exe            everything
//   spooler_probe.exe delete N   deletes printer N first (to reset a prefix between scenarios)
#include <windows.h>
#include <winspool.h>

#include <stdio.h>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
  if (!text) return "(null)";
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
  return out;
}

std::wstring Wide(const char* text) {
  int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring out(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, &out[0], n);
  return out;
}

// Console output would be transcoded to the ANSI code page; the bytes go out as they are.
void Line(const std::string& line) {
  DWORD written = 0;
  std::string with_end = line + "\n";
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), with_end.data(), static_cast<DWORD>(with_end.size()),
            &written, nullptr);
}

std::string Quoted(const wchar_t* text) { return "\"" + Utf8(text) + "\""; }

void Printers() {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  if (!EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
    Line("error EnumPrinters " + std::to_string(GetLastError()));
    return;
  }
  auto* info = reinterpret_cast<PRINTER_INFO_2W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    const PRINTER_INFO_2W& p = info[i];
    std::string devmode = "none";
    if (p.pDevMode) {
      devmode = std::to_string(p.pDevMode->dmSize) + " paper=" +
                std::to_string(p.pDevMode->dmPaperSize) + " name=" + Quoted(p.pDevMode->dmDeviceName);
    }
    Line("printer name=" + Quoted(p.pPrinterName) + " port=" + Quoted(p.pPortName) +
         " driver=" + Quoted(p.pDriverName) + " processor=" + Quoted(p.pPrintProcessor) +
         " datatype=" + Quoted(p.pDatatype) + " attributes=" + std::to_string(p.Attributes) +
         " priority=" + std::to_string(p.Priority) + " devmode=" + devmode);
  }
}

void Drivers(const wchar_t* environment) {
  DWORD needed = 0, count = 0;
  EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(environment), 3, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  if (!EnumPrinterDriversW(nullptr, const_cast<wchar_t*>(environment), 3, buffer.data(), needed,
                           &needed, &count)) {
    return;
  }
  auto* info = reinterpret_cast<DRIVER_INFO_3W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    const DRIVER_INFO_3W& d = info[i];
    std::string dependents;
    for (const wchar_t* name = d.pDependentFiles; name && *name; name += wcslen(name) + 1) {
      if (!dependents.empty()) dependents += ";";
      dependents += Utf8(name);
    }
    Line("driver environment=" + Quoted(environment) + " version=" + std::to_string(d.cVersion) +
         " name=" + Quoted(d.pName) + " path=" + Quoted(d.pDriverPath) + " data=" +
         Quoted(d.pDataFile) + " config=" + Quoted(d.pConfigFile) + " help=" + Quoted(d.pHelpFile) +
         " dependents=\"" + dependents + "\" datatype=" + Quoted(d.pDefaultDataType));
  }
}

void Ports() {
  DWORD needed = 0, count = 0;
  EnumPortsW(nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  if (!EnumPortsW(nullptr, 1, buffer.data(), needed, &needed, &count)) return;
  auto* info = reinterpret_cast<PORT_INFO_1W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) Line("port name=" + Quoted(info[i].pName));
}

void DefaultPrinter() {
  wchar_t device[512] = L"";
  GetProfileStringW(L"windows", L"device", L"", device, 512);
  Line("default device=" + Quoted(device));
}

void Delete(const char* name) {
  std::wstring wide = Wide(name);
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (!OpenPrinterW(&wide[0], &printer, &defaults)) {
    Line("deleted name=\"" + std::string(name) + "\" result=absent");
    return;
  }
  BOOL deleted = DeletePrinter(printer);
  ClosePrinter(printer);
  Line("deleted name=\"" + std::string(name) + "\" result=" + (deleted ? "ok" : "failed"));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wstring(argv[1]) == L"delete") Delete(Utf8(argv[2]).c_str());
  Printers();
  for (const wchar_t* environment : {L"Windows 4.0", L"Windows NT x86", L"Windows x64"}) {
    Drivers(environment);
  }
  Ports();
  DefaultPrinter();
  return 0;
}
