// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/freed_memory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

void ReturnFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}
