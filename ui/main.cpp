#include <cstdio>

int main() {
  std::puts("VELDAMO: the puzzle core is built; the window comes later.");
  return 0;
}
