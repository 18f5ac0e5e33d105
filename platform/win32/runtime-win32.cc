// The C++ runtime pieces the program uses, on malloc and abort. libstdc++'s own operator new
// throws std::bad_alloc, and its pure-virtual handler goes through std::terminate; either would
// link the exception machinery and the name demangler into the program, tripling its size.
// Out of memory leaves no sensible way on for a setup program, as in platform/text.cc.
#include <stddef.h>
#include <stdlib.h>

namespace {
void* Allocate(size_t size) {
  void* p = malloc(size ? size : 1);
  if (!p) abort();
  return p;
}
}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { free(p); }
void operator delete[](void* p) noexcept { free(p); }
void operator delete(void* p, size_t) noexcept { free(p); }
void operator delete[](void* p, size_t) noexcept { free(p); }

// A call through an unfinished object's pure virtual function: a programming error.
extern "C" void __cxa_pure_virtual() { abort(); }
