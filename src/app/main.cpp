// Entry point of tq58.
#ifdef _WIN32
#include <windows.h>
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
#else
int main() { return 0; }
#endif
