// The stand-in host program. Until the plug-in is loaded here, it opens a window on the stand-in platform,
// paints it and saves what it shows, proving that windows, painting, text and screenshots work end to end.
#include <windows.h>
#include <win32/simulation.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

constexpr wchar_t kClassName[] = L"QuillonDemoWindow";

void PaintDemo(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH background = CreateSolidBrush(RGB(68, 68, 68));
  FillRect(dc, &client, background);
  DeleteObject(background);

  const wchar_t* keys[] = {L"Q", L"W", L"E", L"R", L"T"};
  HBRUSH keyBrush = CreateSolidBrush(RGB(90, 90, 90));
  HPEN accent = CreatePen(PS_SOLID, 1, RGB(86, 157, 229));
  HGDIOBJ oldBrush = SelectObject(dc, keyBrush);
  HGDIOBJ oldPen = SelectObject(dc, accent);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(230, 230, 230));
  for (int i = 0; i < 5; ++i) {
    RECT key{20 + i * 60, 60, 70 + i * 60, 110};
    RoundRect(dc, key.left, key.top, key.right, key.bottom, 6, 6);
    DrawTextW(dc, keys[i], -1, &key, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(accent);
  DeleteObject(keyBrush);

  RECT title{20, 16, client.right - 20, 48};
  DrawTextW(dc, L"Quillon stand-in host", -1, &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK DemoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintDemo(hwnd);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void PrintHelp() {
  std::printf(
      "Usage: quillon-host [--shots DIR]\n"
      "Runs the stand-in host: opens a window on the stand-in platform, paints it and saves it as\n"
      "DIR/demo.png (default DIR: ./quillon-shots).\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path shots = "quillon-shots";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      PrintHelp();
      return 0;
    }
    if (std::strcmp(argv[i], "--shots") == 0 && i + 1 < argc) {
      shots = argv[++i];
    } else {
      std::fprintf(stderr, "quillon-host: unknown argument '%s' (try --help)\n", argv[i]);
      return 2;
    }
  }
  std::error_code error;
  std::filesystem::create_directories(shots, error);
  if (error) {
    std::fprintf(stderr, "quillon-host: cannot create the folder %s: %s\n", shots.string().c_str(),
                 error.message().c_str());
    return 1;
  }

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DemoProc;
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, kClassName, L"Quillon", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 360, 170,
                                nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "quillon-host: the demo window could not be created\n");
    return 1;
  }
  winsim::PumpMessages();
  std::filesystem::path file = shots / "demo.png";
  if (!winsim::SaveWindowPng(window, file.string())) {
    std::fprintf(stderr, "quillon-host: cannot write %s\n", file.string().c_str());
    return 1;
  }
  DestroyWindow(window);
  std::printf("quillon-host: saved %s\n", file.string().c_str());
  return 0;
}
