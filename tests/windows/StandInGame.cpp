// Stands in for age2_x1.exe in the tests of the Windows program: writes the
// folder it was started in and its own path into "started" beside it.
#include <windows.h>

#include <string>

int main() {
    wchar_t self[MAX_PATH];
    wchar_t folder[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring out(self);
    out = out.substr(0, out.find_last_of(L'\\') + 1) + L"started";
    HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const std::wstring text = std::wstring(self) + L"\n" + folder + L"\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
