/* Reads and writes INI files with the Windows private-profile functions, for comparing this
   plug-in's own INI reader and writer against a Windows reader (run under Wine).

   Commands come on standard input, one per line, fields separated by tabs, every text field as
   hexadecimal bytes so that no code-page conversion touches them:
     get <file> <section> <key>          prints the value read with a 10,240-byte buffer, in hex
     set <file> <section> <key> <value>  writes the value
   The file field is a plain path. "acp" prints the ANSI code page. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { kBufferBytes = 10240, kLineBytes = 200000 };

static int hexDigit(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

/* Decodes hex in place; the field "-" stands for the empty text. */
static char* unhex(char* field) {
  size_t out = 0;
  if (strcmp(field, "-") == 0) { field[0] = 0; return field; }
  for (size_t in = 0; field[in] && field[in + 1]; in += 2)
    field[out++] = (char)(hexDigit(field[in]) * 16 + hexDigit(field[in + 1]));
  field[out] = 0;
  return field;
}

static void printHex(const char* text) {
  if (!*text) fputs("-", stdout);
  for (const unsigned char* p = (const unsigned char*)text; *p; ++p) printf("%02x", *p);
  fputs("\n", stdout);
}

int main(void) {
  static char line[kLineBytes];
  static char value[kBufferBytes];
  while (fgets(line, sizeof line, stdin)) {
    char* fields[5] = {0};
    int count = 0;
    line[strcspn(line, "\r\n")] = 0;
    for (char* f = strtok(line, "\t"); f && count < 5; f = strtok(NULL, "\t")) fields[count++] = f;
    if (count == 1 && strcmp(fields[0], "acp") == 0) {
      printf("%u\n", GetACP());
    } else if (count == 4 && strcmp(fields[0], "get") == 0) {
      memset(value, 0, sizeof value);
      GetPrivateProfileStringA(unhex(fields[2]), unhex(fields[3]), "", value, kBufferBytes, fields[1]);
      printHex(value);
    } else if (count == 5 && strcmp(fields[0], "set") == 0) {
      WritePrivateProfileStringA(unhex(fields[2]), unhex(fields[3]), unhex(fields[4]), fields[1]);
      fputs("ok\n", stdout);
    } else {
      fputs("?\n", stdout);
    }
    fflush(stdout);
  }
  return 0;
}
