// The one copy of the library's state, and its reset to the freshly loaded condition.
#include "kirno_state.h"

KirnoState g_kirno = {};

void KirnoResetState() {
  HINSTANCE module = g_kirno.moduleInstance;
  g_kirno = KirnoState{};
  g_kirno.moduleInstance = module;
  g_kirno.cachedIndex = -1;
}

void* KirnoAlloc(SIZE_T size) { return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size); }

void KirnoFree(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
