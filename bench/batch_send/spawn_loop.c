/* The floor of one process per mail: spawns MAILER ROWS times with the batch run's
   arguments, standard output redirected to TEMPDIR/vxbiz.log, waiting for each.
   usage: batch_send_spawn_loop MAILER TEMPDIR ROWS */
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>

extern char** environ;

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: %s MAILER TEMPDIR ROWS\n", argv[0]);
    return 2;
  }
  char body[4096], output[4096];
  snprintf(body, sizeof body, "%sbody.txt", argv[2]);
  snprintf(output, sizeof output, "%svxbiz.log", argv[2]);
  const long rows = atol(argv[3]);
  for (long i = 1; i <= rows; ++i) {
    char* args[] = {argv[1], body, "-to", "empfaenger@example.org", "-s", "Betreff", "-f", "absender@example.org",
                    "-server", "127.0.0.1:25", NULL};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    pid_t pid;
    if (posix_spawn(&pid, argv[1], &actions, NULL, args, environ) != 0) return 1;
    posix_spawn_file_actions_destroy(&actions);
    int status;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  }
  return 0;
}
