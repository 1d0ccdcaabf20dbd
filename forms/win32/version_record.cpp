// The version record on Windows: read back from the executable's own
// version resource through the system's version API, so the menu shows
// exactly what Explorer's file properties show.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "forms/application.h"

namespace forms {

namespace {

std::string utf8Of(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
  result.resize(static_cast<std::size_t>(size - 1));
  return result;
}

VersionRecord readVersionResource() {
  VersionRecord record;
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  if (length == 0 || length >= std::size(path)) return record;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return record;
  std::vector<unsigned char> block(size);
  if (!GetFileVersionInfoW(path, 0, size, block.data())) return record;

  void* found = nullptr;
  UINT foundSize = 0;
  if (VerQueryValueW(block.data(), L"\\", &found, &foundSize) &&
      foundSize >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
    record.major = HIWORD(fixed->dwProductVersionMS);
    record.minor = LOWORD(fixed->dwProductVersionMS);
    record.revision = HIWORD(fixed->dwProductVersionLS);
  }
  // The strings' block is named by the resource's first language and code page.
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &found, &foundSize) ||
      foundSize < 2 * sizeof(WORD)) {
    return record;
  }
  const auto* translation = static_cast<const WORD*>(found);
  wchar_t prefix[40];
  wsprintfW(prefix, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
  const auto text = [&](const wchar_t* name) -> std::string {
    const std::wstring query = std::wstring(prefix) + name;
    void* value = nullptr;
    UINT valueSize = 0;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &valueSize) || valueSize == 0) {
      return {};
    }
    return utf8Of(static_cast<const wchar_t*>(value));
  };
  record.productName = text(L"ProductName");
  record.copyrightYear = std::atoi(text(L"CopyrightYear").c_str());
  record.copyrightHolder = text(L"CopyrightHolder");
  return record;
}

}  // namespace

const VersionRecord& versionRecord() {
  static const VersionRecord record = readVersionResource();
  return record;
}

}  // namespace forms
