// Process entry: start-up in a fixed order, the one message loop, shutdown.

#include <windows.h>

// After windows.h, which it needs.
#include <commctrl.h>

#include <array>

#include "app/app.h"
#include "mainwindow/main_window.h"
#include "platform/win.h"
#include "scoring/hal_window.h"

namespace tollandra {

SharedResources shared;
AppState app;

namespace {

HFONT makeFont(int height, BYTE pitchAndFamily, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_STROKE_PRECIS,
                     CLIP_STROKE_PRECIS, DRAFT_QUALITY, pitchAndFamily, face);
}

constexpr const wchar_t* proportionalGothic = L"ＭＳ Ｐゴシック";

void createFonts() {
  shared.fontMain = makeFont(-16, FF_MODERN | VARIABLE_PITCH, proportionalGothic);
  shared.fontIntro = makeFont(-12, FF_SWISS | DEFAULT_PITCH, proportionalGothic);
  shared.fontHal = makeFont(-16, FF_MODERN | VARIABLE_PITCH, proportionalGothic);
  shared.fontAbout = makeFont(-13, FF_MODERN | VARIABLE_PITCH, proportionalGothic);
  shared.fontReferences = makeFont(-12, FF_SWISS | DEFAULT_PITCH, proportionalGothic);
  shared.fontResults = makeFont(-14, FF_MODERN | FIXED_PITCH, L"ＭＳ ゴシック");
}

void initCommonControls(DWORD classes) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), classes};
  InitCommonControlsEx(&init);
}

// Inserted in front of each other, so they read left to right in the
// reverse order of insertion.
void createMenu() {
  shared.mainMenu = CreateMenu();
  const struct {
    int id;
    const wchar_t* caption;
  } items[] = {{commandClose, L"閉じる"},
               {commandAbout, L"About"},
               {commandReferences, L"参照"},
               {commandHal, L"HALスコア"}};
  for (const auto& item : items) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    info.fType = MFT_STRING;
    info.wID = static_cast<UINT>(item.id);
    info.dwTypeData = const_cast<wchar_t*>(item.caption);
    InsertMenuItemW(shared.mainMenu, 0, TRUE, &info);
  }
}

LRESULT CALLBACK InfoDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

bool registerClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = shared.instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hIconSm = LoadIconW(nullptr, IDI_WINLOGO);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = shared.brushFace;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

// Ctrl+C anywhere in the main or the HAL window copies the results, except
// in a measurement box with a selection, where it copies that selection.
bool translateCopyKey(HACCEL accelerators, MSG& message) {
  if (message.message != WM_KEYDOWN || accelerators == nullptr) {
    return false;
  }
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root != shared.mainWindow && (root != shared.halWindow || shared.halWindow == nullptr)) {
    return false;
  }
  wchar_t windowClass[16] = {};
  GetClassNameW(message.hwnd, windowClass, 16);
  if (lstrcmpiW(windowClass, L"Edit") == 0) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(message.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != end) {
      return false;
    }
  }
  return TranslateAcceleratorW(shared.mainWindow, accelerators, &message) != 0;
}

// The loop offers nothing to IsDialogMessage: Tab and the arrow keys do not
// move the focus in the main and HAL windows.
int runMessageLoop() {
  ACCEL copy{FCONTROL | FVIRTKEY, 'C', static_cast<WORD>(commandCopy)};
  HACCEL accelerators = CreateAcceleratorTableW(&copy, 1);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!translateCopyKey(accelerators, message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (accelerators != nullptr) {
    DestroyAcceleratorTable(accelerators);
  }
  return 0;
}

}  // namespace

void releaseMainWindowResources() {
  if (shared.mainWindow != nullptr) {
    SetMenu(shared.mainWindow, nullptr);
  }
  if (shared.mainMenu != nullptr) {
    DestroyMenu(shared.mainMenu);
    shared.mainMenu = nullptr;
  }
  for (HFONT* font : {&shared.fontMain, &shared.fontIntro, &shared.fontHal, &shared.fontAbout,
                      &shared.fontReferences, &shared.fontResults}) {
    if (*font != nullptr) {
      DeleteObject(*font);
      *font = nullptr;
    }
  }
  if (shared.brushFace != nullptr) {
    DeleteObject(shared.brushFace);
    shared.brushFace = nullptr;
  }
}

}  // namespace tollandra

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace tollandra;
  shared.instance = instance;
  initCommonControls(ICC_WIN95_CLASSES);
  createFonts();
  shared.brushFace = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  createMenu();
  registerClass(L"NORMALDLG", InfoDefaultProc);
  initCommonControls(ICC_BAR_CLASSES);
  shared.brushWhite = CreateSolidBrush(RGB(255, 255, 255));

  registerClass(L"NORMAL0", MainWndProc);
  if (!createMainWindow()) {
    // Never run on without a window, and never report success for it.
    ExitProcess(1);
  }
  registerClass(L"NORMAL2", HalWndProc);
  createHalWindow();

  runMessageLoop();
  ExitProcess(0);
}
