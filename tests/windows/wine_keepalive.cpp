// Keeps one Wine process alive for as long as a test run lasts.
#include <windows.h>

int main() {
  Sleep(INFINITE);
  return 0;
}
