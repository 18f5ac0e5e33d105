// robot: starts a program and drives its dialog from outside, the way a user at the keyboard and
// mouse would, by a script of steps given on the command line. One line of output per
// observation, in UTF-8 whatever the code page of the system:
//
//   robot.exe [--exe PROGRAM] [--cwd FOLDER] [--timeout MS] -- STEP...
//
// Steps (ID is a control id in decimal or 0x hex; MS a time in milliseconds; [MS] defaults to
// --timeout, 60000 when not given):
//   start PROGRAM [FOLDER]  starts a program (ending one still running from before)
//   version FILE VALUE  the Windows version Wine reports to programs of that file name
//                       (AppDefaults), for the next start
//   wait-dialog [MS]    waits for the program's dialog (a visible top-level #32770 of the
//                       process that has no owner and is not a message box); prints its caption
//   dump                prints the dialog caption and one line per control of the dialog
//   click ID            posts BM_CLICK to the control (a mouse click on it)
//   command ID          posts WM_COMMAND BN_CLICKED with the id to the dialog
//   key ID enter|esc    moves the focus to the control (WM_NEXTDLGCTL, as Tab does), then posts
//                       WM_KEYDOWN of Enter or Esc to it, so that the program's own message
//                       loop sees it as a key press
//   check ID 0|1        clicks the check box when its state differs, then waits for the state
//   address A.B.C.D     IPM_SETADDRESS to the dialog's IP address control
//   select ID INDEX     CB_SETCURSEL, then the CBN_SELCHANGE the list would send its dialog
//   box [MS]            waits for a message box of the process; prints caption, text, button
//                       ids, icon (none, hand, question, exclamation, asterisk or other) and
//                       owner (none, or the owner window hidden or visible)
//   answer ID           clicks that button of the open message box and waits for the box to go
//   no-box MS           fails when a message box appears within MS
//   alive MS            fails when the program ends within MS
//   close               WM_CLOSE to the dialog, as its close box sends
//   wait-exit [MS]      waits for the program to end; prints its exit code
//   shot FILE [dialog|box|screen]   saves a 24-bit BMP of the window (default dialog) or screen
//   text ID VALUE       WM_SETTEXT of VALUE to the control (typing it into an edit)
//   shot-when-visible ID FILE [MS]  a BMP of the dialog as the screen shows it while the
//                       control is visible and drawn (the last such picture before the control
//                       hides or a message box comes; no repaint is asked for, the program may be
//                       busy); saves the dialog anyway, saying drawn=0, when there is none
//   sleep MS            waits
//   mark NAME           begins a section: one robot run can hold many scenarios
// A failed step prints `error ...`, ends the program and skips the rest of its section; each
// section closes with `end NAME ok=0|1 ms=N`, and the robot exits with 1 when a step failed.
//
// Output: `started pid=N`, `dialog caption="..."`, `control id=... class=... ...`,
// `box caption="..." text="..." buttons=1 icon=none owner=visible`, `exit code=N`, `shot file=... size=WxH`.

#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const DWORD kDefaultTimeout = 60000;
const DWORD kPoll = 50;
// Sent messages (text, state) wait this long for a busy program before the step fails.
const UINT kSendTimeout = 30000;
// Set when a sent message went unanswered; the steps that read the program check it.
bool g_send_failed = false;
const int kMessageBoxTextId = 0xFFFF;

// ---------------------------------------------------------------------------------------------
// Output

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), NULL, 0,
                                 NULL, NULL);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                      NULL, NULL);
  return bytes;
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), NULL, 0);
  std::wstring text(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], size);
  return text;
}

// Bytes straight to the standard output handle: no C runtime buffering, no code page conversion.
void Print(const std::string& line) {
  std::string bytes = line + "\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
}

// A text in double quotes: quote and backslash escaped, control characters as \n \r \t \xNN.
std::string Quoted(const std::wstring& text) {
  std::string utf8 = Utf8(text);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char hex[8];
          snprintf(hex, sizeof hex, "\\x%02X", c);
          out += hex;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string Hex(unsigned long value) {
  char text[16];
  snprintf(text, sizeof text, "0x%08lX", value);
  return text;
}

std::string Number(long value) { return std::to_string(value); }

// ---------------------------------------------------------------------------------------------
// Windows of the program

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR* result) {
  DWORD_PTR answer = 0;
  LRESULT ok = SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeout,
                                   &answer);
  if (result) *result = answer;
  if (!ok) g_send_failed = true;
  return ok != 0;
}

LRESULT Query(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR result = 0;
  SendWithTimeout(window, message, wparam, lparam, &result);
  return static_cast<LRESULT>(result);
}

// The text as the user sees it (WM_GETTEXT, Unicode).
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length)) return L"";
  std::vector<wchar_t> buffer(length + 64, L'\0');
  DWORD_PTR copied = 0;
  SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                  &copied);
  return std::wstring(buffer.data(), std::min<size_t>(copied, buffer.size() - 1));
}

// Direct children in window order (for a dialog: template order).
std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

struct TopLevelSearch {
  DWORD process_id;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lparam) {
  TopLevelSearch* search = reinterpret_cast<TopLevelSearch*>(lparam);
  DWORD owner_process = 0;
  GetWindowThreadProcessId(window, &owner_process);
  if (owner_process == search->process_id) search->windows.push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindowsOf(DWORD process_id) {
  TopLevelSearch search = {process_id, std::vector<HWND>()};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

bool IsDialogClass(HWND window) { return ClassOf(window) == L"#32770"; }

bool IsMessageBox(HWND window) {
  HWND text = GetDlgItem(window, kMessageBoxTextId);
  return IsDialogClass(window) && text && ClassOf(text) == L"Static";
}

HWND FindDialog(DWORD process_id) {
  for (HWND window : TopLevelWindowsOf(process_id)) {
    if (IsDialogClass(window) && IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
        !IsMessageBox(window)) {
      return window;
    }
  }
  return NULL;
}

HWND FindMessageBox(DWORD process_id) {
  for (HWND window : TopLevelWindowsOf(process_id)) {
    if (IsWindowVisible(window) && IsMessageBox(window)) return window;
  }
  return NULL;
}

// ---------------------------------------------------------------------------------------------
// Pictures

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bgr;  // bottom-up rows of width*3 bytes, each padded to 4

  int Stride() const { return (width * 3 + 3) & ~3; }
};

// The pixels of a memory DC's selected bitmap as a 24-bit bottom-up DIB.
Picture ReadBitmap(HDC memory_dc, HBITMAP bitmap, int width, int height) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.bgr.assign(static_cast<size_t>(picture.Stride()) * height, 0);
  BITMAPINFO info;
  ZeroMemory(&info, sizeof info);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  GetDIBits(memory_dc, bitmap, 0, height, picture.bgr.data(), &info, DIB_RGB_COLORS);
  return picture;
}

// A screen area, copied with BitBlt from the screen DC.
Picture CaptureScreen(const RECT& area) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  Picture picture;
  if (width <= 0 || height <= 0) return picture;
  HDC screen = GetDC(NULL);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);
  picture = ReadBitmap(memory, bitmap, width, height);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(NULL, screen);
  return picture;
}

bool WriteBmp(const std::wstring& path, const Picture& picture) {
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  ZeroMemory(&file, sizeof file);
  ZeroMemory(&info, sizeof info);
  info.biSize = sizeof info;
  info.biWidth = picture.width;
  info.biHeight = picture.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(picture.bgr.size());
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(handle, &file, sizeof file, &written, NULL) &&
            WriteFile(handle, &info, sizeof info, &written, NULL) &&
            WriteFile(handle, picture.bgr.data(), info.biSizeImage, &written, NULL);
  CloseHandle(handle);
  return ok;
}

// The standard icon a captured icon area shows: each candidate is drawn over the area's own
// background colour (taken from its top-left corner, which no standard icon covers) and the
// closest picture wins. Icon handles belong to the process that loaded them, so the program's
// icon cannot be compared by handle from here.
std::string NameOfIcon(const Picture& shown) {
  struct Candidate {
    const char* name;
    LPCWSTR resource;
  };
  static const Candidate kCandidates[] = {
      {"hand", IDI_HAND},
      {"question", IDI_QUESTION},
      {"exclamation", IDI_EXCLAMATION},
      {"asterisk", IDI_ASTERISK},
  };
  if (shown.width <= 0 || shown.height <= 0) return "unknown";
  const int stride = shown.Stride();
  const unsigned char* corner = &shown.bgr[static_cast<size_t>(shown.height - 1) * stride];
  COLORREF background = RGB(corner[2], corner[1], corner[0]);

  std::string best = "other";
  double best_difference = 24.0;  // mean difference per channel above which nothing matches
  HDC screen = GetDC(NULL);
  for (const Candidate& candidate : kCandidates) {
    HICON icon = LoadIconW(NULL, candidate.resource);
    if (!icon) continue;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shown.width, shown.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, shown.width, shown.height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, shown.width, shown.height, 0, NULL, DI_NORMAL);
    SelectObject(memory, old);
    Picture drawn = ReadBitmap(memory, bitmap, shown.width, shown.height);
    DeleteObject(bitmap);
    DeleteDC(memory);
    double total = 0;
    for (size_t i = 0; i < drawn.bgr.size(); ++i) total += abs(drawn.bgr[i] - shown.bgr[i]);
    double difference = total / (static_cast<double>(shown.width) * shown.height * 3);
    if (difference < best_difference) {
      best_difference = difference;
      best = candidate.name;
    }
  }
  ReleaseDC(NULL, screen);
  return best;
}

bool IsUniform(const Picture& picture) {
  if (picture.bgr.size() < 3) return true;
  for (int y = 0; y < picture.height; ++y) {
    const unsigned char* row = &picture.bgr[static_cast<size_t>(y) * picture.Stride()];
    for (int x = 0; x < picture.width * 3; ++x) {
      if (row[x] != picture.bgr[x % 3]) return false;
    }
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// The run

class Robot {
 public:
  Robot() : process_(NULL), process_id_(0), dialog_(NULL), exited_(false), exit_code_(0) {}

  ~Robot() {
    if (process_) CloseHandle(process_);
  }

  DWORD default_timeout = kDefaultTimeout;

  bool Start(const std::wstring& exe, const std::wstring& folder) {
    EndProgram();
    std::wstring command_line = L"\"" + exe + L"\"";
    std::vector<wchar_t> writable(command_line.begin(), command_line.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof info);
    if (!CreateProcessW(exe.c_str(), writable.data(), NULL, NULL, FALSE, 0, NULL,
                        folder.empty() ? NULL : folder.c_str(), &startup, &info)) {
      return Fail("start " + Quoted(exe) + " failed with " + Number(GetLastError()));
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    process_id_ = info.dwProcessId;
    dialog_ = NULL;
    exited_ = false;
    exit_code_ = 0;
    Print("started pid=" + Number(process_id_));
    return true;
  }

  // Runs the steps from args[index]. A failed step ends the program and skips the rest of its
  // section (the steps up to the next `mark`); returns false when any step failed.
  bool Run(const std::vector<std::wstring>& args, size_t index) {
    bool all_ok = true;
    bool section_ok = true;
    std::string section;
    DWORD section_start = GetTickCount();
    while (index < args.size()) {
      std::string step = Utf8(args[index++]);
      std::vector<std::string> operands;
      size_t wanted = OperandCount(step);
      size_t optional = OptionalOperandCount(step);
      for (size_t i = 0; wanted != kUnknownStep && i < wanted + optional && index < args.size();
           ++i) {
        std::string operand = Utf8(args[index]);
        if (i >= wanted && !LooksLikeOperand(step, operand)) break;
        operands.push_back(operand);
        ++index;
      }
      if (step == "mark") {
        if (!operands.empty()) {
          EndSection(section, section_ok, section_start);
          section = operands[0];
          section_ok = true;
          section_start = GetTickCount();
          Print("mark " + section);
          continue;
        }
      }
      if (!section_ok) continue;
      bool ok;
      if (wanted == kUnknownStep) {
        ok = Fail("unknown step " + step);
      } else if (operands.size() < wanted) {
        ok = Fail(step + " needs " + Number(static_cast<long>(wanted)) + " operand(s)");
      } else {
        ok = Do(step, operands);
      }
      if (!ok) {
        section_ok = false;
        all_ok = false;
        EndProgram();
      }
    }
    EndSection(section, section_ok, section_start);
    return all_ok;
  }

  // After a failure or at the end of a section: the program must not outlive its steps.
  void EndProgram() {
    if (!process_) return;
    if (!HasExited()) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, 10000);
      Print("note program still running; ended it");
    }
    CloseHandle(process_);
    process_ = NULL;
    process_id_ = 0;
    dialog_ = NULL;
  }

 private:
  static const size_t kUnknownStep = static_cast<size_t>(-1);

  void EndSection(const std::string& section, bool ok, DWORD start) {
    if (section.empty()) return;
    EndProgram();
    Print("end " + section + " ok=" + Number(ok ? 1 : 0) +
          " ms=" + Number(static_cast<long>(GetTickCount() - start)));
  }

  static size_t OperandCount(const std::string& step) {
    if (step == "dump" || step == "close" || step == "wait-dialog" || step == "box" ||
        step == "wait-exit") {
      return 0;
    }
    if (step == "click" || step == "command" || step == "address" || step == "answer" ||
        step == "no-box" || step == "alive" || step == "sleep" || step == "shot" ||
        step == "mark" || step == "start") {
      return 1;
    }
    if (step == "key" || step == "check" || step == "select" || step == "version" ||
        step == "text" || step == "shot-when-visible") {
      return 2;
    }
    return kUnknownStep;
  }

  static size_t OptionalOperandCount(const std::string& step) {
    return (step == "wait-dialog" || step == "box" || step == "wait-exit" || step == "shot" ||
            step == "start" || step == "shot-when-visible")
               ? 1
               : 0;
  }

  static bool LooksLikeOperand(const std::string& step, const std::string& operand) {
    if (step == "shot") return operand == "dialog" || operand == "box" || operand == "screen";
    // A folder: anything that is not the name of a step.
    if (step == "start") return OperandCount(operand) == kUnknownStep;
    return !operand.empty() && operand.find_first_not_of("0123456789") == std::string::npos;
  }

  static bool ParseNumber(const std::string& text, long* value) {
    if (text.empty()) return false;
    char* end = NULL;
    *value = strtol(text.c_str(), &end, 0);
    return end && *end == '\0';
  }

  DWORD TimeoutOperand(const std::vector<std::string>& operands, size_t i) {
    long value = 0;
    if (i < operands.size() && ParseNumber(operands[i], &value) && value >= 0) {
      return static_cast<DWORD>(value);
    }
    return default_timeout;
  }

  bool Fail(const std::string& message) {
    Print("error " + message);
    return false;
  }

  bool HasExited() {
    if (exited_) return true;
    if (process_ && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_, &exit_code_);
      exited_ = true;
    }
    return exited_;
  }

  bool NeedProgram(const std::string& step) {
    if (!process_) return Fail(step + ": no program was started");
    return true;
  }

  bool NeedDialog(const std::string& step) {
    if (!NeedProgram(step)) return false;
    if (!dialog_ || !IsWindow(dialog_)) dialog_ = FindDialog(process_id_);
    if (!dialog_) return Fail(step + ": the program has no dialog");
    return true;
  }

  HWND Control(const std::string& step, const std::string& id_text, int* id_out = NULL) {
    long id = 0;
    if (!ParseNumber(id_text, &id)) {
      Fail(step + ": bad control id " + id_text);
      return NULL;
    }
    if (!NeedDialog(step)) return NULL;
    HWND control = GetDlgItem(dialog_, static_cast<int>(id));
    if (!control) Fail(step + ": the dialog has no control " + Number(id));
    if (id_out) *id_out = static_cast<int>(id);
    return control;
  }

  bool Do(const std::string& step, const std::vector<std::string>& operands) {
    if (step == "wait-dialog") return WaitDialog(TimeoutOperand(operands, 0));
    if (step == "dump") return Dump();
    if (step == "click") return Click(step, operands[0]);
    if (step == "command") return CommandStep(operands[0]);
    if (step == "key") return Key(operands[0], operands[1]);
    if (step == "check") return Check(operands[0], operands[1]);
    if (step == "address") return Address(operands[0]);
    if (step == "select") return Select(operands[0], operands[1]);
    if (step == "box") return Box(TimeoutOperand(operands, 0));
    if (step == "answer") return Answer(operands[0]);
    if (step == "no-box") return NoBox(TimeoutOperand(operands, 0));
    if (step == "alive") return Alive(TimeoutOperand(operands, 0));
    if (step == "close") return Close();
    if (step == "wait-exit") return WaitExit(TimeoutOperand(operands, 0));
    if (step == "shot") return Shot(operands[0], operands.size() > 1 ? operands[1] : "dialog");
    if (step == "start") return Start(Wide(operands[0]), operands.size() > 1 ? Wide(operands[1]) : L"");
    if (step == "version") return SetVersion(operands[0], operands[1]);
    if (step == "text") return SetControlText(operands[0], operands[1]);
    if (step == "shot-when-visible") {
      return ShotWhenVisible(operands[0], operands[1], TimeoutOperand(operands, 2));
    }
    if (step == "sleep") {
      Sleep(TimeoutOperand(operands, 0));
      return true;
    }
    return Fail("unknown step " + step);
  }

  // Wine's per-program Windows version (HKCU\Software\Wine\AppDefaults\PROGRAM, value Version),
  // read when the program starts.
  bool SetVersion(const std::string& program, const std::string& version) {
    std::wstring key = L"Software\\Wine\\AppDefaults\\" + Wide(program);
    HKEY handle;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_SET_VALUE, NULL, &handle,
                        NULL) != ERROR_SUCCESS) {
      return Fail("version: cannot open " + Utf8(key));
    }
    std::wstring value = Wide(version);
    LONG result = RegSetValueExW(handle, L"Version", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) return Fail("version: cannot set " + version);
    Print("version program=" + program + " version=" + version);
    return true;
  }

  bool WaitDialog(DWORD timeout) {
    if (!NeedProgram("wait-dialog")) return false;
    DWORD start = GetTickCount();
    for (;;) {
      dialog_ = FindDialog(process_id_);
      if (dialog_) break;
      if (HasExited()) {
        return Fail("wait-dialog: the program ended with code " + Number(exit_code_) +
                    " before showing its dialog");
      }
      if (HWND box = FindMessageBox(process_id_)) {
        PrintBox(box);
        return Fail("wait-dialog: a message box is open instead of the dialog");
      }
      if (GetTickCount() - start > timeout) return Fail("wait-dialog: no dialog within timeout");
      Sleep(kPoll);
    }
    Print("dialog caption=" + Quoted(TextOf(dialog_)));
    return true;
  }

  bool Dump() {
    if (!NeedDialog("dump")) return false;
    g_send_failed = false;
    Print("dialog caption=" + Quoted(TextOf(dialog_)) + " visible=" +
          Number(IsWindowVisible(dialog_) ? 1 : 0) + " enabled=" +
          Number(IsWindowEnabled(dialog_) ? 1 : 0));
    for (HWND control : ChildrenOf(dialog_)) Print(DescribeControl(control));
    if (g_send_failed) return Fail("dump: the program did not answer every question");
    return true;
  }

  std::string DescribeControl(HWND control) {
    std::wstring class_name = ClassOf(control);
    LONG style = GetWindowLongW(control, GWL_STYLE);
    std::string line = "control id=" + Number(GetDlgCtrlID(control)) + " class=" +
                       Utf8(class_name) + " style=" + Hex(static_cast<unsigned long>(style)) +
                       " visible=" + Number((style & WS_VISIBLE) ? 1 : 0) + " enabled=" +
                       Number(IsWindowEnabled(control) ? 1 : 0);
    if (lstrcmpiW(class_name.c_str(), L"Button") == 0) {
      LONG kind = style & BS_TYPEMASK;
      bool has_state = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
                       kind == BS_AUTO3STATE || kind == BS_RADIOBUTTON ||
                       kind == BS_AUTORADIOBUTTON;
      if (has_state) line += " check=" + Number(static_cast<long>(Query(control, BM_GETCHECK)));
    } else if (lstrcmpiW(class_name.c_str(), L"ComboBox") == 0) {
      long count = static_cast<long>(Query(control, CB_GETCOUNT));
      line += " selection=" + Number(static_cast<long>(Query(control, CB_GETCURSEL)));
      line += " entries=" + Number(count) + " [";
      for (long i = 0; i < count; ++i) {
        long length = static_cast<long>(Query(control, CB_GETLBTEXTLEN, i));
        std::vector<wchar_t> buffer((length > 0 ? length : 0) + 64, L'\0');
        Query(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        line += (i ? "," : "") + Quoted(buffer.data());
      }
      line += "]";
    } else if (lstrcmpiW(class_name.c_str(), WC_IPADDRESSW) == 0) {
      line += " address=" + Quoted(AddressText(control));
    } else if (lstrcmpiW(class_name.c_str(), PROGRESS_CLASSW) == 0) {
      line += " position=" + Number(static_cast<long>(Query(control, PBM_GETPOS)));
    }
    line += " text=" + Quoted(TextOf(control));
    return line;
  }

  // The four fields of an IP address control, left to right, joined by dots (IPM_GETADDRESS
  // needs a pointer into the program and does not cross processes).
  static std::wstring AddressText(HWND control) {
    std::vector<std::pair<LONG, HWND>> fields;
    for (HWND field : ChildrenOf(control)) {
      RECT bounds;
      GetWindowRect(field, &bounds);
      fields.push_back(std::make_pair(bounds.left, field));
    }
    std::sort(fields.begin(), fields.end());
    std::wstring text;
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i) text += L".";
      text += TextOf(fields[i].second);
    }
    return text;
  }

  bool Click(const std::string& step, const std::string& id_text) {
    HWND control = Control(step, id_text);
    if (!control) return false;
    PostMessageW(control, BM_CLICK, 0, 0);
    return true;
  }

  bool CommandStep(const std::string& id_text) {
    int id = 0;
    HWND control = Control("command", id_text, &id);
    if (!control) return false;
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
    return true;
  }

  bool Key(const std::string& id_text, const std::string& name) {
    HWND control = Control("key", id_text);
    if (!control) return false;
    UINT key;
    UINT scan;
    if (name == "enter") {
      key = VK_RETURN;
      scan = 0x1C;
    } else if (name == "esc") {
      key = VK_ESCAPE;
      scan = 0x01;
    } else {
      return Fail("key: unknown key " + name);
    }
    // A key goes to the control that has the focus: the focus moves there first, as Tab would
    // move it (the dialog manager also makes a push button the default one), then the key goes
    // down there with repeat count 1 and its scan code, as the keyboard driver reports it.
    PostMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    PostMessageW(control, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    return true;
  }

  bool Check(const std::string& id_text, const std::string& state_text) {
    HWND control = Control("check", id_text);
    if (!control) return false;
    long wanted = 0;
    if (!ParseNumber(state_text, &wanted) || (wanted != 0 && wanted != 1)) {
      return Fail("check: state must be 0 or 1");
    }
    if (Query(control, BM_GETCHECK) == wanted) return true;
    PostMessageW(control, BM_CLICK, 0, 0);
    DWORD start = GetTickCount();
    while (Query(control, BM_GETCHECK) != wanted) {
      if (GetTickCount() - start > default_timeout) return Fail("check: state did not change");
      Sleep(kPoll);
    }
    return true;
  }

  bool Address(const std::string& text) {
    unsigned a, b, c, d;
    char rest;
    if (sscanf(text.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &rest) != 4 || a > 255 ||
        b > 255 || c > 255 || d > 255) {
      return Fail("address: bad address " + text);
    }
    if (!NeedDialog("address")) return false;
    HWND control = NULL;
    for (HWND child : ChildrenOf(dialog_)) {
      if (lstrcmpiW(ClassOf(child).c_str(), WC_IPADDRESSW) == 0) control = child;
    }
    if (!control) return Fail("address: the dialog has no IP address control");
    if (!SendWithTimeout(control, IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d), NULL)) {
      return Fail("address: the program did not answer");
    }
    return true;
  }

  bool Select(const std::string& id_text, const std::string& index_text) {
    int id = 0;
    HWND control = Control("select", id_text, &id);
    if (!control) return false;
    long index = 0;
    if (!ParseNumber(index_text, &index)) return Fail("select: bad index " + index_text);
    DWORD_PTR result = 0;
    if (!SendWithTimeout(control, CB_SETCURSEL, index, 0, &result)) {
      return Fail("select: the program did not answer");
    }
    if (static_cast<LRESULT>(result) == CB_ERR) return Fail("select: no entry " + index_text);
    // Sent, as the list sends it; a handler that opens a box keeps it busy, which is fine.
    SendWithTimeout(dialog_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(control), NULL);
    return true;
  }

  void PrintBox(HWND box) {
    std::string buttons;
    HWND icon_control = NULL;
    for (HWND child : ChildrenOf(box)) {
      std::wstring class_name = ClassOf(child);
      if (lstrcmpiW(class_name.c_str(), L"Button") == 0) {
        if (!buttons.empty()) buttons += ",";
        buttons += Number(GetDlgCtrlID(child));
      } else if (lstrcmpiW(class_name.c_str(), L"Static") == 0 &&
                 (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        icon_control = child;
      }
    }
    // The window the box belongs to: a dialog that was never shown is "hidden".
    HWND owner = GetWindow(box, GW_OWNER);
    const char* owner_state = !owner ? "none" : IsWindowVisible(owner) ? "visible" : "hidden";
    Print("box caption=" + Quoted(TextOf(box)) + " text=" +
          Quoted(TextOf(GetDlgItem(box, kMessageBoxTextId))) + " buttons=" +
          (buttons.empty() ? "none" : buttons) + " icon=" + IconOf(icon_control) + " owner=" +
          owner_state);
  }

  static std::string IconOf(HWND icon_control) {
    if (!icon_control || !IsWindowVisible(icon_control) || !Query(icon_control, STM_GETICON)) {
      return "none";
    }
    RECT client;
    GetClientRect(icon_control, &client);
    if (client.right <= 0 || client.bottom <= 0) return "none";
    POINT origin = {0, 0};
    ClientToScreen(icon_control, &origin);
    RECT area = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    // The box may not have painted yet.
    Picture shown;
    for (int attempt = 0; attempt < 40; ++attempt) {
      shown = CaptureScreen(area);
      if (!IsUniform(shown)) break;
      Sleep(kPoll);
    }
    return NameOfIcon(shown);
  }

  bool Box(DWORD timeout) {
    if (!NeedProgram("box")) return false;
    DWORD start = GetTickCount();
    HWND box;
    while (!(box = FindMessageBox(process_id_))) {
      if (HasExited()) {
        return Fail("box: the program ended with code " + Number(exit_code_) +
                    " without a message box");
      }
      if (GetTickCount() - start > timeout) return Fail("box: no message box within timeout");
      Sleep(kPoll);
    }
    PrintBox(box);
    return true;
  }

  bool Answer(const std::string& id_text) {
    if (!NeedProgram("answer")) return false;
    long id = 0;
    if (!ParseNumber(id_text, &id)) return Fail("answer: bad button id " + id_text);
    HWND box = FindMessageBox(process_id_);
    if (!box) return Fail("answer: no message box is open");
    HWND button = GetDlgItem(box, static_cast<int>(id));
    if (!button || lstrcmpiW(ClassOf(button).c_str(), L"Button") != 0) {
      return Fail("answer: the box has no button " + id_text);
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    DWORD start = GetTickCount();
    while (IsWindow(box) && IsWindowVisible(box)) {
      if (GetTickCount() - start > default_timeout) return Fail("answer: the box stayed open");
      Sleep(kPoll);
    }
    return true;
  }

  bool NoBox(DWORD duration) {
    if (!NeedProgram("no-box")) return false;
    DWORD start = GetTickCount();
    do {
      if (HWND box = FindMessageBox(process_id_)) {
        PrintBox(box);
        return Fail("no-box: a message box appeared");
      }
      Sleep(kPoll);
    } while (GetTickCount() - start < duration);
    return true;
  }

  bool Alive(DWORD duration) {
    if (!NeedProgram("alive")) return false;
    if (WaitForSingleObject(process_, duration) == WAIT_OBJECT_0) {
      HasExited();
      return Fail("alive: the program ended with code " + Number(exit_code_));
    }
    return true;
  }

  bool Close() {
    if (!NeedDialog("close")) return false;
    PostMessageW(dialog_, WM_CLOSE, 0, 0);
    return true;
  }

  bool WaitExit(DWORD timeout) {
    if (!NeedProgram("wait-exit")) return false;
    if (WaitForSingleObject(process_, timeout) != WAIT_OBJECT_0) {
      if (HWND box = FindMessageBox(process_id_)) PrintBox(box);
      return Fail("wait-exit: the program is still running");
    }
    HasExited();
    Print("exit code=" + Number(static_cast<long>(exit_code_)));
    return true;
  }

  bool Shot(const std::string& file, const std::string& what) {
    RECT area;
    if (what == "screen") {
      area.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
      area.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
      area.right = area.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
      area.bottom = area.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    } else {
      if (!NeedProgram("shot")) return false;
      HWND window = what == "box" ? FindMessageBox(process_id_) : FindDialog(process_id_);
      if (!window) return Fail("shot: no " + what + " to capture");
      // Brought up and painted before the capture.
      SetForegroundWindow(window);
      RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      Sleep(500);
      GetWindowRect(window, &area);
    }
    Picture picture = CaptureScreen(area);
    if (picture.width <= 0 || !WriteBmp(Wide(file), picture)) return Fail("shot: cannot write " + file);
    Print("shot file=" + Quoted(Wide(file)) + " size=" + Number(picture.width) + "x" +
          Number(picture.height));
    return true;
  }

  bool SetControlText(const std::string& id_text, const std::string& value) {
    HWND control = Control("text", id_text);
    if (!control) return false;
    std::wstring text = Wide(value);
    DWORD_PTR result = 0;
    if (!SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result)) {
      return Fail("text: the program did not answer");
    }
    if (!result) return Fail("text: the control refused the text");
    return true;
  }

  // Watches the control without asking the program anything (it may be busy and not answer
  // messages): once it is visible, the dialog's screen area is copied as it is, again and again,
  // and the last copy in which the control's area is drawn (no longer of one colour) is kept, up
  // to the moment the control hides or a message box comes. Without such a copy, the dialog is
  // saved as it was then, and the line says drawn=0 (and seen-visible=0 when the control was
  // never seen visible before the box, or MS passed). Only a program that ended or has no dialog
  // fails the step.
  bool ShotWhenVisible(const std::string& id_text, const std::string& file, DWORD timeout) {
    HWND control = Control("shot-when-visible", id_text);
    if (!control) return false;
    DWORD start = GetTickCount();
    bool seen = false;
    bool drawn = false;
    Picture kept;
    for (;;) {
      bool visible = IsWindowVisible(control) != FALSE;
      if (visible) {
        seen = true;
        RECT area;
        GetWindowRect(control, &area);
        Picture part = CaptureScreen(area);
        GetWindowRect(dialog_, &area);
        Picture whole = CaptureScreen(area);
        // Kept only when the control was still up, with no box over it, after the copy.
        if (!IsUniform(part) && IsWindowVisible(control) && !FindMessageBox(process_id_)) {
          kept = whole;
          drawn = true;
        } else if (!drawn) {
          kept = whole;
        }
      } else if (seen) {
        break;
      }
      if (HasExited()) {
        if (kept.width > 0) break;
        return Fail("shot-when-visible: the program ended first");
      }
      if (GetTickCount() - start > timeout || FindMessageBox(process_id_)) break;
      Sleep(1);
    }
    if (kept.width <= 0) {
      RECT area;
      GetWindowRect(dialog_, &area);
      kept = CaptureScreen(area);
    }
    if (kept.width <= 0 || !WriteBmp(Wide(file), kept)) {
      return Fail("shot-when-visible: cannot write " + file);
    }
    Print("shot file=" + Quoted(Wide(file)) + " size=" + Number(kept.width) + "x" +
          Number(kept.height) + " control=" + id_text + " seen-visible=" + Number(seen ? 1 : 0) +
          " drawn=" + Number(drawn ? 1 : 0));
    return true;
  }

  HANDLE process_;
  DWORD process_id_;
  HWND dialog_;
  bool exited_;
  DWORD exit_code_;
};

}  // namespace

int main() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 0; argv && i < count; ++i) args.push_back(argv[i]);
  if (argv) LocalFree(argv);

  Robot robot;
  std::wstring exe;
  std::wstring folder;
  size_t index = 1;
  for (; index < args.size(); ++index) {
    const std::wstring& arg = args[index];
    if (arg == L"--") {
      ++index;
      break;
    }
    if (index + 1 >= args.size()) {
      Print("error option " + Utf8(arg) + " needs a value");
      return 2;
    }
    if (arg == L"--exe") {
      exe = args[++index];
    } else if (arg == L"--cwd") {
      folder = args[++index];
    } else if (arg == L"--timeout") {
      robot.default_timeout = static_cast<DWORD>(wcstoul(args[++index].c_str(), NULL, 10));
    } else {
      Print("error unknown option " + Utf8(arg));
      return 2;
    }
  }

  bool ok = exe.empty() || robot.Start(exe, folder);
  if (ok) ok = robot.Run(args, index);
  robot.EndProgram();
  return ok ? 0 : 1;
}
