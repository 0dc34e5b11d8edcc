/* Tells every window that the user's colours changed, as Windows does when
   the app mode is switched between light and dark in its settings. */
#include <windows.h>

int main(void) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, (LPARAM)L"ImmersiveColorSet",
                      SMTO_ABORTIFHUNG, 5000, &result);
  return 0;
}
