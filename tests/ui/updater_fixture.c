/* Stands in for the updater library where the host's side of "Online-Update..." is tested:
   records the parameter text it was given and answers as the test asks. */
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>

__attribute__((visibility("default"))) bool _TavGenerate(const char* parameters) {
  const char* record = getenv("VXBIZ_TEST_UPDATER_RECORD");
  if (record) {
    FILE* file = fopen(record, "w");
    if (file) {
      fputs(parameters, file);
      fclose(file);
    }
  }
  const char* result = getenv("VXBIZ_TEST_UPDATER_RESULT");
  return result && result[0] == '1';
}
