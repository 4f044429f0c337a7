// Ctl3dWinIniChange: the extra mnemonic prefix character of Japanese and Korean menus.
#include "kirno_state.h"

namespace {

BOOL ProfileSays(const char* key, const char* fallback, const char* expected) {
  char value[9] = {};
  GetProfileStringA("windows", key, fallback, value, sizeof value);
  return lstrcmpiA(value, expected) == 0;
}

}  // namespace

extern "C" void WINAPI Ctl3dWinIniChange(void) {
  if (!g_kirno.dbcsEnabled) return;
  g_kirno.menuPrefixChar = 30;
  if (ProfileSays("kanjimenu", "roman", "kanji")) g_kirno.menuPrefixChar = 31;
  if (ProfileSays("hangeulmenu", "english", "hangeul")) g_kirno.menuPrefixChar = 31;
}
