/* A stand-in mailer: reports one line on standard output and succeeds. */
#include <stdio.h>

int main(int argc, char** argv) {
  printf("sent to %s\n", argc > 3 ? argv[3] : "");
  return 0;
}
