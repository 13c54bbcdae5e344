#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

std::wstring versionString(const std::vector<BYTE>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
    return L"<missing>";
  }
  return static_cast<const wchar_t*>(value);
}

TEST(Executable, CarriesItsVersionIconAndTitleBitmap) {
  const std::wstring path = programPath();
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(2, 5));
  EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(2, 5));
  EXPECT_EQ(versionString(info, L"ProductName"), L"Tollandra");
  EXPECT_EQ(versionString(info, L"FileVersion"), L"5.2");
  EXPECT_EQ(versionString(info, L"OriginalFilename"), L"Tollandra.exe");
  EXPECT_NE(versionString(info, L"FileDescription"), L"<missing>");

  HMODULE module =
      LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  for (int pixels : {16, 32, 48, 256}) {
    HICON icon = static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, pixels, pixels, 0));
    EXPECT_NE(icon, nullptr) << pixels;
    ICONINFO iconInfo{};
    if (icon != nullptr && GetIconInfo(icon, &iconInfo)) {
      BITMAP bitmap{};
      GetObjectW(iconInfo.hbmColor, sizeof bitmap, &bitmap);
      EXPECT_EQ(bitmap.bmWidth, pixels);
      DeleteObject(iconInfo.hbmColor);
      DeleteObject(iconInfo.hbmMask);
      DestroyIcon(icon);
    }
  }
  HBITMAP title = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(101), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(title, nullptr);
  BITMAP bitmap{};
  GetObjectW(title, sizeof bitmap, &bitmap);
  EXPECT_EQ(bitmap.bmWidth, 360);
  EXPECT_EQ(bitmap.bmHeight, 90);
  DeleteObject(title);
  FreeLibrary(module);
}

}  // namespace
}  // namespace e2e
