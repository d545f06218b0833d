/* The floor for a batch rename: list one folder, then renameat2(RENAME_NOREPLACE)
 * every regular file whose name ends in .FROM to the same stem ending in .TO.
 * No checks beyond what the kernel does, no output but errors.
 *
 * Usage: rename_loop DIR FROM TO [sorted]     (extensions without the dot)
 *   sorted   rename in byte order of the names instead of the folder's own order: the
 *            order a job keeps (for names whose digit runs have one width, byte order
 *            is natural order). On ext4 the folder's order is its hash order, which
 *            touches its blocks in turn; name order costs more there.
 * Exit: 0 done, 1 a rename failed (renames before it stay done), 2 usage or listing error.
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int ByName(const void* a, const void* b) {
  return strcmp(*(char* const*)a, *(char* const*)b);
}

int main(int argc, char** argv) {
  if ((argc != 4 && argc != 5) || (argc == 5 && strcmp(argv[4], "sorted") != 0)) {
    fprintf(stderr, "usage: %s DIR FROM TO [sorted]\n", argv[0]);
    return 2;
  }
  const char* from = argv[2];
  const char* to = argv[3];
  const size_t fromLen = strlen(from);
  const size_t toLen = strlen(to);

  int dirFd = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd < 0) {
    perror(argv[1]);
    return 2;
  }
  DIR* dir = fdopendir(dup(dirFd));
  if (dir == NULL) {
    perror(argv[1]);
    return 2;
  }

  /* Collect first: renaming while reading the folder could show a name twice. */
  size_t count = 0;
  size_t capacity = 1024;
  char** names = malloc(capacity * sizeof *names);
  if (names == NULL) return 2;
  struct dirent* entry;
  while ((entry = readdir(dir)) != NULL) {
    if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN) continue;
    const size_t len = strlen(entry->d_name);
    if (len <= fromLen + 1 || entry->d_name[len - fromLen - 1] != '.' ||
        memcmp(entry->d_name + len - fromLen, from, fromLen) != 0) {
      continue;
    }
    if (count == capacity) {
      capacity *= 2;
      char** grown = realloc(names, capacity * sizeof *names);
      if (grown == NULL) return 2;
      names = grown;
    }
    names[count++] = strdup(entry->d_name);
  }
  closedir(dir);
  if (argc == 5) qsort(names, count, sizeof *names, ByName);

  char newName[4096];
  for (size_t i = 0; i < count; ++i) {
    const size_t stem = strlen(names[i]) - fromLen; /* keeps the dot */
    if (stem + toLen + 1 > sizeof newName) {
      fprintf(stderr, "%s: name too long\n", names[i]);
      return 1;
    }
    memcpy(newName, names[i], stem);
    memcpy(newName + stem, to, toLen + 1);
    if (renameat2(dirFd, names[i], dirFd, newName, RENAME_NOREPLACE) != 0) {
      fprintf(stderr, "%s -> %s: %s\n", names[i], newName, strerror(errno));
      return 1;
    }
  }
  close(dirFd);
  return 0;
}
