// Stands in for a browser: the Windows shell starts it for a page, and it writes down what it was
// given, one line each, into the file named by its first argument: the page's address, the folder
// it was started in, and how its window was asked to show.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 3)
        return 2;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    // Written aside and then renamed, so that the record appears whole.
    const std::wstring part = std::wstring(argv[1]) + L".part";
    FILE* record = _wfopen(part.c_str(), L"wb");
    if (!record)
        return 1;
    std::fprintf(record, "%s\n%s\n%d\n", utf8(argv[2]).c_str(), utf8(folder).c_str(), show);
    std::fclose(record);
    return MoveFileExW(part.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
