// The few C library routines the compiler may call on its own; the DLL links no C runtime.
#include <stddef.h>

extern "C" {

void* memset(void* target, int value, size_t count) {
  unsigned char* p = static_cast<unsigned char*>(target);
  while (count--) *p++ = static_cast<unsigned char>(value);
  return target;
}

void* memcpy(void* target, const void* source, size_t count) {
  unsigned char* to = static_cast<unsigned char*>(target);
  const unsigned char* from = static_cast<const unsigned char*>(source);
  while (count--) *to++ = *from++;
  return target;
}

void* memmove(void* target, const void* source, size_t count) {
  unsigned char* to = static_cast<unsigned char*>(target);
  const unsigned char* from = static_cast<const unsigned char*>(source);
  if (to < from) {
    while (count--) *to++ = *from++;
  } else {
    while (count--) to[count] = from[count];
  }
  return target;
}

}
