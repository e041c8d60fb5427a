#include "app/VxUI2008App.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    CVxUI2008App app;
    return app.Run(hInstance, lpCmdLine);
}
