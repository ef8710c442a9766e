// The stand-in host program. For now it only proves that the platform layer links.
#include <windows.h>

#include <cstdio>

int main() {
  std::printf("quillon-host: the stand-in host is not built yet\n");
  return 0;
}
