// Horavista on Windows: the whole screen as an analog clock. Renamed to
// horavista.scr it is also a screen saver, which Windows starts with the
// switches of one.
#include "app/program.h"
#include "platform/win32/session/run_key.h"
#include "platform/win32/storage/win32_file_system.h"
#include "platform/win32/storage/win32_registry.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_lifetime.h"
#include "platform/win32/win32_platform.h"
#include "runtime/runtime.h"
#include "shared/settings_keys.h"
#include "system/screen_saver_arguments.h"
#include "system/start_up.h"

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> arguments()
{
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> list;
    for (int i = 1; words && i < count; ++i)
        list.push_back(hv::win32::narrow(words[i]));
    LocalFree(words);
    return list;
}

// A GUI program has no console to print to: the usage goes in a box.
void tell(const std::string& text, UINT icon)
{
    MessageBoxW(
        nullptr, hv::win32::widen(text).c_str(), hv::win32::widen(hv::settings::kApplication).c_str(), MB_OK | icon);
}

// The uninstaller runs this with no one to read a box: the outcome is the
// exit status alone. The options stay, for a later install to find.
int removeLogInEntry()
{
    hv::win32::Win32Registry registry;
    hv::win32::RunKeyLogInStart logInStart(registry);
    hv::win32::Win32FileSystem files;
    try {
        hv::RemoveFromStartup(logInStart, files);
        return 0;
    } catch (const hv::RuntimeError&) {
        return 1;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using Action = hv::ScreenSaverRequest::Action;
    const hv::ScreenSaverRequest request = hv::ParseScreenSaverArguments(arguments());
    if (request.action == Action::Usage) {
        tell(hv::kScreenSaverUsage, MB_ICONINFORMATION);
        return 0;
    }
    if (request.action == Action::RemoveLogIn)
        return removeLogInEntry();
    if (request.action == Action::NotUnderstood) {
        tell("Horavista does not understand \"" + request.refused + "\".\n\n" + hv::kScreenSaverUsage, MB_ICONERROR);
        return 2;
    }
    if (request.action == Action::Preview && !IsWindow(reinterpret_cast<HWND>(request.host))) {
        tell("Horavista cannot show its preview in window " + std::to_string(request.host)
                + ": there is no such window.",
            MB_ICONERROR);
        return 2;
    }
    hv::win32::Win32Platform win32Platform(hv::settings::kOrganisation, hv::settings::kApplication);
    hv::Platform platform = win32Platform.platform();
    hv::Program program(platform);
    if (request.action == Action::Options)
        program.start();
    else
        program.startScreenSaver(request.host);
    // Windows come and go with the program's own flow, which ends the
    // process itself when the options window closes.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        hv::win32::dispatchMessage(message);
    return static_cast<int>(message.wParam);
}
