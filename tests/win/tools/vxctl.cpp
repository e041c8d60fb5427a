// vxctl: sends a command to the running utility, for scripts.
//   vxctl exit     ends it (the tray's exit command)
//   vxctl launch   asks it to open its main window
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "exit") != 0 && std::strcmp(argv[1], "launch") != 0)) {
        std::fprintf(stderr, "usage: vxctl exit|launch\n");
        return 2;
    }
    HWND controller = ::FindWindowA(nullptr, "Ombrel Utility");
    if (!controller) {
        std::fprintf(stderr, "vxctl: the utility is not running\n");
        return 1;
    }
    const WPARAM command = std::strcmp(argv[1], "exit") == 0 ? 32933 : 32931;
    return ::PostMessageA(controller, WM_COMMAND, command, 0) ? 0 : 1;
}
