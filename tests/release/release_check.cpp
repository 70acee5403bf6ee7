// Driver of the release tests under Wine: reads kalmira.exe's file properties and manifest back
// through the Windows functions, checks what the setup installed and registered, starts the
// installed program through its Start menu shortcut, installs through the setup's pages, and
// uninstalls the way Windows does.
// Usage: release_check version EXE VERSION
//        release_check manifest EXE VERSION
//        release_check installed BUILT_EXE BUILT_CITAJMA VERSION
//        release_check start
//        release_check setup SETUP_EXE
//        release_check uninstall
// Prints one line per check and exits with 0 when all passed.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "resources/palette.h"
#include "tests/windows_utf8.h"

namespace {

int passed = 0;
int failed = 0;

bool check(bool ok, const std::wstring& what, const std::wstring& seen = L"") {
  (ok ? passed : failed)++;
  std::printf("  %s  %s", ok ? "ok  " : "FAIL", toUtf8(what).c_str());
  if (!ok && !seen.empty()) std::printf(" (seen: %s)", toUtf8(seen).c_str());
  std::printf("\n");
  std::fflush(stdout);
  return ok;
}

int finish(const char* suite) {
  std::printf("release %s: %d passed, %d failed\n", suite, passed, failed);
  return failed == 0 ? 0 : 1;
}

// "1.0.0.0" as the two DWORDs of VS_FIXEDFILEINFO.
bool parseVersion(const std::wstring& text, DWORD& high, DWORD& low) {
  unsigned a, b, c, d;
  if (swscanf(text.c_str(), L"%u.%u.%u.%u", &a, &b, &c, &d) != 4) return false;
  high = MAKELONG(b, a);
  low = MAKELONG(d, c);
  return true;
}

std::wstring folder(int csidl) {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
  return path;
}

// Where the setup puts things: per machine, in Program Files and in every user's Start menu.
std::wstring installDir() { return folder(CSIDL_PROGRAM_FILES) + L"\\Kalmira"; }
std::wstring shortcutPath() { return folder(CSIDL_COMMON_PROGRAMS) + L"\\Kalmira horoskop.lnk"; }
const wchar_t* const uninstallRoot = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const wchar_t* const uninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kalmira";

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string fileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool sameFile(const std::wstring& a, const std::wstring& b) {
  std::string bytes = fileBytes(a);
  return !bytes.empty() && bytes == fileBytes(b);
}

bool readString(HKEY key, const wchar_t* name, std::wstring& value) {
  wchar_t buffer[1024];
  DWORD size = sizeof buffer;
  if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) return false;
  value = buffer;
  return true;
}

void checkString(HKEY key, const wchar_t* name, const std::wstring& expected) {
  std::wstring value;
  bool found = readString(key, name, value);
  check(found && value == expected, std::wstring(name) + L" is " + expected, found ? value : L"missing");
}

int versionInfo(const std::wstring& exe, const std::wstring& version) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  std::vector<BYTE> data(size);
  if (!check(size > 0 && GetFileVersionInfoW(exe.c_str(), 0, size, data.data()),
             L"kalmira.exe has version information"))
    return finish("version");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  DWORD high = 0, low = 0;
  parseVersion(version, high, low);
  if (check(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                length >= sizeof *fixed && fixed->dwSignature == VS_FFI_SIGNATURE,
            L"the fixed part reads back")) {
    check(fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low, L"file version " + version);
    check(fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
          L"product version " + version);
    check(fixed->dwFileType == VFT_APP && fixed->dwFileOS == VOS_NT_WINDOWS32,
          L"an application for 32-bit Windows");
  }

  WORD* translation = nullptr;
  check(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                       &length) &&
            length == 4 && translation[0] == 0x041B && translation[1] == 1250,
        L"one translation: Slovak (0x041B), code page 1250");

  const struct {
    const wchar_t* name;
    std::wstring value;
  } strings[] = {
      {L"CompanyName", L"Kalmira"},
      {L"ProductName", L"Kalmira horoskop"},
      {L"FileDescription", L"Kalmira horoskop – horoskop podľa dátumu narodenia"},
      {L"LegalCopyright", L"Copyright © 2026 Kalmira"},
      {L"OriginalFilename", L"kalmira.exe"},
      {L"InternalName", L"kalmira"},
      {L"FileVersion", version},
      {L"ProductVersion", version},
  };
  for (const auto& entry : strings) {
    wchar_t* text = nullptr;
    std::wstring query = std::wstring(L"\\StringFileInfo\\041B04E2\\") + entry.name;
    bool found =
        VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) && length > 0;
    check(found && entry.value == text, std::wstring(entry.name) + L" is " + entry.value,
          found ? text : L"missing");
  }
  return finish("version");
}

BOOL CALLBACK countName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

// The manifest is read the way the loader reads it: an activation context made from the resource,
// then asked for the run level, the supported systems and the assemblies it depends on.
int manifest(const std::wstring& exe, const std::wstring& version) {
  HMODULE module =
      LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!check(module != nullptr, L"kalmira.exe loads as a data file")) return finish("manifest");
  std::vector<ULONG_PTR> names;
  EnumResourceNamesW(module, RT_MANIFEST, countName, reinterpret_cast<LONG_PTR>(&names));
  check(names.size() == 1 && names[0] == 1, L"one manifest resource: type 24, id 1");
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  std::string text;
  if (found) {
    auto bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    text.assign(bytes, SizeofResource(module, found));
  }
  FreeLibrary(module);
  check(text.find("version=\"" + toUtf8(version) + "\"") != std::string::npos,
        L"its identity has version " + version);
  // Wine runs every program per-monitor aware whatever its manifest says, so only the manifest
  // itself can show that the program is left DPI-unaware: no element claims awareness.
  check(text.find("<dpiAware") == std::string::npos && text.find(":dpiAware") == std::string::npos,
        L"no DPI awareness entry: Windows runs the program DPI-unaware");

  ACTCTXW request = {};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = exe.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE context = CreateActCtxW(&request);
  if (!check(context != INVALID_HANDLE_VALUE, L"the manifest parses into an activation context"))
    return finish("manifest");

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
  SIZE_T size = 0;
  check(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel, sizeof runLevel,
                     &size) &&
            runLevel.RunLevel == ACTCTX_RUN_LEVEL_AS_INVOKER && runLevel.UiAccess == 0,
        L"it runs as invoker, without UI access");

  std::vector<BYTE> buffer(4096);
  std::set<std::wstring> systems;
  // Elements are 20 bytes in older headers and 32 (with MaxVersionTested, 8-aligned) in newer
  // systems: take the layout from the size returned.
  if (QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, buffer.data(),
                   buffer.size(), &size)) {
    DWORD count = *reinterpret_cast<DWORD*>(buffer.data());
    bool wide = size >= 8 + count * 32;
    const BYTE* element = buffer.data() + (wide ? 8 : 4);
    for (DWORD i = 0; i < count; ++i, element += wide ? 32 : 20) {
      GUID id;
      ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
      std::memcpy(&id, element, sizeof id);
      std::memcpy(&type, element + 16, sizeof type);
      if (type != ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) continue;
      wchar_t guid[40];
      StringFromGUID2(id, guid, 40);
      systems.insert(guid);
    }
  }
  const std::set<std::wstring> windows7To11 = {
      L"{35138B9A-5D96-4FBD-8E2D-A2440225F93A}",  // Windows 7
      L"{4A2F28E3-53B9-4441-BA9C-D69D4A4A6E38}",  // Windows 8
      L"{1F676C76-80E1-4239-95BB-83D0F6D0DA78}",  // Windows 8.1
      L"{8E0F7A12-BFB3-4FE8-B9A5-48FD50A15A9A}",  // Windows 10 and 11
  };
  std::wstring seen;
  for (const auto& id : systems) seen += id + L" ";
  check(systems == windows7To11, L"it supports Windows 7, 8, 8.1, 10 and 11", seen);

  auto& detail = *reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(buffer.data());
  std::fill(buffer.begin(), buffer.end(), 0);
  check(QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation, buffer.data(), buffer.size(),
                     &size) &&
            detail.ulAssemblyCount == 1,
        L"it depends on no other assembly (no Common Controls 6, the classic look stays)",
        std::to_wstring(detail.ulAssemblyCount) + L" assemblies");
  ReleaseActCtx(context);
  return finish("manifest");
}

std::wstring shortcutTarget(std::wstring& workingDir) {
  std::wstring target;
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = L"";
      if (SUCCEEDED(file->Load(shortcutPath().c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
        target = path;
        wchar_t dir[MAX_PATH] = L"";
        link->GetWorkingDirectory(dir, MAX_PATH);
        workingDir = dir;
      }
      file->Release();
    }
    link->Release();
  }
  return target;
}

int installed(const std::wstring& builtExe, const std::wstring& builtCitajma, const std::wstring& version) {
  const std::wstring dir = installDir();
  check(sameFile(dir + L"\\kalmira.exe", builtExe), L"kalmira.exe is in " + dir);
  check(sameFile(dir + L"\\citajma.txt", builtCitajma), L"citajma.txt is in " + dir);
  check(!exists(dir + L"\\README.md"), L"no README.md in " + dir);
  check(exists(dir + L"\\uninstall.exe"), L"uninstall.exe is in " + dir);

  CoInitialize(nullptr);
  std::wstring workingDir;
  std::wstring target = shortcutTarget(workingDir);
  check(lstrcmpiW(target.c_str(), (dir + L"\\kalmira.exe").c_str()) == 0,
        L"the Start menu shortcut " + shortcutPath() + L" points at the installed kalmira.exe", target);
  check(lstrcmpiW(workingDir.c_str(), dir.c_str()) == 0, L"and starts it in " + dir, workingDir);
  CoUninitialize();

  HKEY key;
  if (check(RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS,
            std::wstring(L"HKLM\\") + uninstallKey + L" exists")) {
    checkString(key, L"DisplayName", L"Kalmira horoskop");
    checkString(key, L"DisplayVersion", version);
    checkString(key, L"Publisher", L"Kalmira");
    checkString(key, L"DisplayIcon", dir + L"\\kalmira.exe,0");
    checkString(key, L"UninstallString", L"\"" + dir + L"\\uninstall.exe\"");
    checkString(key, L"QuietUninstallString", L"\"" + dir + L"\\uninstall.exe\" /S");
    DWORD kilobytes = 0, size = sizeof kilobytes;
    RegGetValueW(key, nullptr, L"EstimatedSize", RRF_RT_REG_DWORD, nullptr, &kilobytes, &size);
    DWORD bytes = 0;
    for (const wchar_t* name : {L"\\kalmira.exe", L"\\citajma.txt", L"\\uninstall.exe"}) {
      WIN32_FILE_ATTRIBUTE_DATA data;
      if (GetFileAttributesExW((dir + name).c_str(), GetFileExInfoStandard, &data))
        bytes += data.nFileSizeLow;
    }
    check(kilobytes + 3 >= bytes / 1024 && kilobytes <= bytes / 1024 + 3,
          L"EstimatedSize is the installed files' size, " + std::to_wstring(bytes / 1024) + L" KB",
          std::to_wstring(kilobytes) + L" KB");
    RegCloseKey(key);
  }

  int entries = 0;
  HKEY root;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallRoot, 0, KEY_READ, &root) == ERROR_SUCCESS) {
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
      DWORD length = 256;
      if (RegEnumKeyExW(root, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      HKEY sub;
      std::wstring displayName;
      if (RegOpenKeyExW(root, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
        if (readString(sub, L"DisplayName", displayName) &&
            displayName.find(L"Kalmira") != std::wstring::npos)
          ++entries;
        RegCloseKey(sub);
      }
    }
    RegCloseKey(root);
  }
  check(entries == 1, L"one entry in the list of installed programs", std::to_wstring(entries));
  return finish("installed");
}

struct SplashSearch {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK findSplash(HWND window, LPARAM param) {
  auto search = reinterpret_cast<SplashSearch*>(param);
  wchar_t className[64];
  GetClassNameW(window, className, 64);
  if (lstrcmpW(className, L"WinAPIMainClass") != 0) return TRUE;
  if (search->processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
  }
  search->window = window;
  return FALSE;
}

COLORREF screenPixel(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// The splash is painted when its background stands where no artwork is and the top band is
// artwork, not background.
bool splashPainted(HWND window) {
  if (screenPixel(window, 20, 200) != palette::background) return false;
  for (int x = 10; x < 500; x += 10)
    if (screenPixel(window, x, 5) != palette::background) return true;
  return false;
}

// Starts the installed program as a user does, from its Start menu shortcut, and looks at the
// splash it shows; then closes it through the system's close message.
int start() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring link = shortcutPath();
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpFile = link.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!check(ShellExecuteExW(&info), L"the Start menu shortcut opens")) return finish("start");
  if (info.hProcess) CloseHandle(info.hProcess);

  // The first window of a fresh prefix can take long, more so where 32-bit code runs under QEMU.
  SplashSearch search = {0, nullptr};
  for (int i = 0; i < 1200 && !search.window; ++i) {
    EnumWindows(findSplash, reinterpret_cast<LPARAM>(&search));
    if (!search.window) Sleep(100);
  }
  if (!check(search.window != nullptr, L"the splash window appears")) return finish("start");

  DWORD processId = 0;
  GetWindowThreadProcessId(search.window, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  wchar_t image[MAX_PATH] = L"";
  DWORD length = MAX_PATH;
  if (process) QueryFullProcessImageNameW(process, 0, image, &length);
  check(lstrcmpiW(image, (installDir() + L"\\kalmira.exe").c_str()) == 0,
        L"it belongs to the installed kalmira.exe", image);
  if (process) WaitForInputIdle(process, 60000);

  wchar_t title[64] = L"";
  GetWindowTextW(search.window, title, 64);
  check(lstrcmpW(title, L"Kalmira horoskop 1.0") == 0, L"its title is Kalmira horoskop 1.0", title);
  RECT rect;
  GetWindowRect(search.window, &rect);
  check(IsWindowVisible(search.window) && rect.left == 100 && rect.top == 150 &&
            rect.right - rect.left == 550 && rect.bottom - rect.top == 350,
        L"it is visible at (100, 150), 550 x 350");
  bool painted = false;
  for (int i = 0; i < 600 && !painted; ++i) {
    painted = splashPainted(search.window);
    if (!painted) Sleep(100);
  }
  check(painted, L"its artwork is painted");

  PostMessageW(search.window, WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  bool ended = process && WaitForSingleObject(process, 120000) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process, &exitCode);
  check(ended && exitCode == 0, L"it closes with exit code 0");
  if (process) CloseHandle(process);
  CoUninitialize();
  return finish("start");
}

struct WindowSearch {
  DWORD processId;
  HWND window;
};

BOOL CALLBACK findVisibleWindowOf(HWND window, LPARAM param) {
  auto search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->window = window;
  return FALSE;
}

BOOL CALLBACK collectCheckBox(HWND window, LPARAM param) {
  const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  wchar_t className[16] = L"";
  GetClassNameW(window, className, 16);
  if (lstrcmpiW(className, L"Button") == 0 && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX)) {
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    *reinterpret_cast<std::wstring*>(param) += std::wstring(L"\"") + text + L"\" ";
  }
  return TRUE;
}

BOOL CALLBACK findProgressBar(HWND window, LPARAM param) {
  wchar_t className[32] = L"";
  GetClassNameW(window, className, 32);
  if (lstrcmpiW(className, L"msctls_progress32") != 0) return TRUE;
  *reinterpret_cast<bool*>(param) = true;
  return FALSE;
}

// Ends every process of `imageName` (one started by the setup would otherwise keep the test's
// output open); returns how many there were.
int endProcesses(const wchar_t* imageName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  int found = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExeFile, imageName) != 0) continue;
    ++found;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
    if (!process) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

// Waits up to `seconds` for `condition`; false at once when the setup has ended instead.
template <class Condition>
bool waitForPage(HANDLE setup, int seconds, Condition condition) {
  for (int i = 0; i < seconds * 10; ++i) {
    if (condition()) return true;
    if (WaitForSingleObject(setup, 100) == WAIT_OBJECT_0) return false;
  }
  return false;
}

// Installs through the setup's pages as a person does (the folder page's Install, then the finish
// page's Finish). The finish page must not offer to start the program: the setup runs with
// administrator rights, and what it starts would run with them too.
int setupPages(const std::wstring& setupExe) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::vector<wchar_t> line(setupExe.begin(), setupExe.end());
  line.push_back(0);
  if (!check(CreateProcessW(setupExe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process),
             L"the setup starts", setupExe))
    return finish("setup");
  CloseHandle(process.hThread);
  WindowSearch search = {process.dwProcessId, nullptr};
  auto button = [&](int id) { return GetDlgItem(search.window, id); };
  auto ready = [&](int id) {
    return button(id) && IsWindowEnabled(button(id)) && IsWindowVisible(button(id));
  };
  auto press = [&](int id) {
    PostMessageW(search.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button(id)));
  };
  bool shown = waitForPage(process.hProcess, 120, [&] {
    EnumWindows(findVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.window && ready(IDOK);
  });
  if (check(shown, L"its folder page shows, with its Install button")) {
    press(IDOK);
    // The finish page: the program is in place, the progress page gone, Finish can be pressed and
    // Cancel no longer.
    const std::wstring exe = installDir() + L"\\kalmira.exe";
    bool finished = waitForPage(process.hProcess, 300, [&] {
      bool progress = false;
      EnumChildWindows(search.window, findProgressBar, reinterpret_cast<LPARAM>(&progress));
      return !progress && exists(exe) && ready(IDOK) && button(IDCANCEL) &&
             !IsWindowEnabled(button(IDCANCEL));
    });
    if (check(finished, L"it installs and shows its finish page")) {
      std::wstring checkBoxes;
      EnumChildWindows(search.window, collectCheckBox, reinterpret_cast<LPARAM>(&checkBoxes));
      check(checkBoxes.empty(), L"the finish page offers nothing to start", checkBoxes);
      press(IDOK);
    }
  }
  DWORD exitCode = 1;
  bool ended = WaitForSingleObject(process.hProcess, failed == 0 ? 120000 : 0) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process.hProcess, &exitCode);
  if (!ended) TerminateProcess(process.hProcess, 1);  // a page that never came: nothing may hang
  CloseHandle(process.hProcess);
  check(ended && exitCode == 0, L"Finish ends the setup with exit code 0", std::to_wstring(exitCode));
  // A program started by Finish would show within moments; none may.
  int started = 0;
  for (int i = 0; i < 30 && started == 0; ++i) {
    started = endProcesses(L"kalmira.exe");
    if (started == 0) Sleep(100);
  }
  check(started == 0, L"and kalmira.exe was not started by the setup");
  return finish("setup");
}

// NSIS's uninstaller copies itself to %TEMP%\~nsuN.tmp and runs that copy, which does the work.
std::vector<HANDLE> processesFromUninstallerCopy() {
  std::vector<HANDLE> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    wchar_t image[MAX_PATH] = L"";
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, image, &length) && wcsstr(image, L"\\~nsu"))
      found.push_back(process);
    else
      CloseHandle(process);
  }
  CloseHandle(snapshot);
  return found;
}

// Uninstalls with the command Windows itself would use for a quiet removal, and waits for it.
int uninstall() {
  std::wstring command;
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    readString(key, L"QuietUninstallString", command);
    RegCloseKey(key);
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::vector<wchar_t> line(command.begin(), command.end());
  line.push_back(0);
  if (!check(!command.empty() && CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                                nullptr, &startup, &process),
             L"QuietUninstallString starts", command))
    return finish("uninstall");
  DWORD exitCode = 1;
  check(WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0,
        L"the uninstaller exits with 0", std::to_wstring(exitCode));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The copy was started before the first process ended; wait for whatever runs from there.
  std::vector<HANDLE> copies = processesFromUninstallerCopy();
  bool ended = true;
  for (HANDLE copy : copies) {
    ended = ended && WaitForSingleObject(copy, 300000) == WAIT_OBJECT_0;
    CloseHandle(copy);
  }
  check(ended, L"its temporary copy has ended");

  const std::wstring dir = installDir();
  check(!exists(dir), dir + L" is gone");
  check(!exists(shortcutPath()), L"the Start menu shortcut is gone");
  check(RegOpenKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS,
        L"the entry in the list of installed programs is gone");
  return finish("uninstall");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"version" && argc == 4) return versionInfo(argv[2], argv[3]);
  if (command == L"manifest" && argc == 4) return manifest(argv[2], argv[3]);
  if (command == L"installed" && argc == 5) return installed(argv[2], argv[3], argv[4]);
  if (command == L"start" && argc == 2) return start();
  if (command == L"setup" && argc == 3) return setupPages(argv[2]);
  if (command == L"uninstall" && argc == 2) return uninstall();
  std::fprintf(stderr, "usage: release_check version|manifest|installed|start|setup|uninstall ...\n");
  return 2;
}
