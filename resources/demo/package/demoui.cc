// DEMOUI.DLL of the demo distribution: the configuration file the demo "driver" names. It is not
// a printer driver and offers no settings. It exists because the spooler loads a driver's
// configuration file into the process that adds a printer and asks it for the printer's default
// device mode; a DLL that cannot answer makes that process crash, and a file that is no DLL is
// not the realistic case the setup program should be tried with.
//
// It answers the direct, windowless calls with a plain Unicode device mode of its own (A4,
// portrait, one copy, monochrome, 600 dpi, no private part) and declines to show property pages.
// It also accepts the driver events (installed, removed), which Wine's spooler sends when it finds
// the export. No C runtime and no imports: nothing it needs can be missing on any Windows version.

#include <windows.h>

namespace {

// What the spooler passes to DrvDocumentPropertySheets when it calls it directly (first argument
// NULL). The device modes are the Unicode ones.
struct DocumentPropertyHeader {
  WORD size;
  WORD reserved;
  HANDLE printer;
  const WCHAR* printer_name;
  const DEVMODEW* in;
  DEVMODEW* out;
  DWORD out_size;
  DWORD mode;
};

const DWORD kFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PRINTQUALITY | DM_COLOR |
                      DM_YRESOLUTION;
const LONG kDeviceModeSize = sizeof(DEVMODEW);
// The shortest device mode that still holds every field taken over from the caller's.
const WORD kShortestInput = FIELD_OFFSET(DEVMODEW, dmFormName);

void clear(void* bytes, DWORD count) {
  volatile BYTE* p = static_cast<BYTE*>(bytes);  // volatile: not turned into a call to memset
  while (count--) *p++ = 0;
}

void copy(void* to, const void* from, DWORD count) {
  volatile BYTE* t = static_cast<BYTE*>(to);
  const BYTE* f = static_cast<const BYTE*>(from);
  while (count--) *t++ = *f++;
}

void default_device_mode(DEVMODEW& dm, const WCHAR* printer_name) {
  clear(&dm, sizeof dm);
  for (int i = 0; printer_name && printer_name[i] && i < CCHDEVICENAME - 1; ++i)
    dm.dmDeviceName[i] = printer_name[i];
  dm.dmSpecVersion = DM_SPECVERSION;
  dm.dmDriverVersion = 0x0100;
  dm.dmSize = sizeof dm;
  dm.dmDriverExtra = 0;
  dm.dmFields = kFields;
  dm.dmOrientation = DMORIENT_PORTRAIT;
  dm.dmPaperSize = DMPAPER_A4;
  dm.dmCopies = 1;
  dm.dmPrintQuality = 600;
  dm.dmYResolution = 600;
  dm.dmColor = DMCOLOR_MONOCHROME;
}

// Takes over the caller's settings for the fields this device mode has, field by field: the
// caller's device mode may come from another driver or an older system and be shorter.
void merge(DEVMODEW& dm, const DEVMODEW& in) {
  if (in.dmSize < kShortestInput) return;
  const DWORD given = in.dmFields;
  if (given & DM_ORIENTATION) dm.dmOrientation = in.dmOrientation;
  if (given & DM_PAPERSIZE) dm.dmPaperSize = in.dmPaperSize;
  if (given & DM_COPIES) dm.dmCopies = in.dmCopies;
  if (given & DM_PRINTQUALITY) dm.dmPrintQuality = in.dmPrintQuality;
  if (given & DM_YRESOLUTION) dm.dmYResolution = in.dmYResolution;
  if (given & DM_COLOR) dm.dmColor = in.dmColor;
}

}  // namespace

extern "C" {

BOOL WINAPI DemoUiEntry(HINSTANCE, DWORD, LPVOID) { return TRUE; }

LONG WINAPI DrvDocumentPropertySheets(void* sheet_info, LPARAM lparam) {
  // Called through the common property sheet UI: the demo has no pages to add.
  if (sheet_info) return -1;
  auto* header = reinterpret_cast<DocumentPropertyHeader*>(lparam);
  if (!header) return -1;
  // The size query: how large a buffer the caller needs for this printer's device mode.
  if (header->mode == 0 || !header->out) return kDeviceModeSize;

  DEVMODEW dm;
  default_device_mode(dm, header->printer_name);
  if ((header->mode & DM_IN_BUFFER) && header->in) merge(dm, *header->in);
  if (header->mode & DM_OUT_BUFFER) {
    // Callers size the buffer by the size query. Wine's spooler leaves the buffer size 0, so
    // only a size that is given and smaller limits the copy.
    DWORD room = header->out_size;
    copy(header->out, &dm, room != 0 && room < sizeof dm ? room : sizeof dm);
  }
  return IDOK;
}

// Called when the driver is installed or removed: the demo has nothing to set up or clean.
BOOL WINAPI DrvDriverEvent(DWORD, DWORD, LPBYTE, LPARAM) { return TRUE; }

}  // extern "C"
