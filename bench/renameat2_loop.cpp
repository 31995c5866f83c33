// The plain loop the whole-process rename comparison measures the others against: one
// renameat2(RENAME_NOREPLACE) of full paths per file, nothing else. No Qt, so that its
// start is as small as a program's can be.
//
//   bench_renameat2_loop <root> <from prefix> <to prefix> [log file]
// renames <folder>/<from prefix><i>.txt to <folder>/<to prefix><i>.txt in the folders
// of bench::BuildTree (d0..d9 and d<t>/s0..s8, 1000 files each). With a log file it also
// does what an undo log written as the batch goes costs: the file emptied at the start,
// one write(2) of "old CR LF new CR LF" after each rename, fdatasync at the end.

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <climits>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <root> <from prefix> <to prefix> [log file]\n", argv[0]);
        return 2;
    }
    const int log = argc == 5 ? open(argv[4], O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666) : -1;
    if (argc == 5 && log < 0) {
        std::perror(argv[4]);
        return 1;
    }
    char folder[PATH_MAX], source[PATH_MAX], target[PATH_MAX], record[2 * PATH_MAX + 4];
    for (int top = 0; top < 10; ++top) {
        for (int sub = -1; sub < 9; ++sub) {
            if (sub < 0)
                std::snprintf(folder, sizeof folder, "%s/d%d", argv[1], top);
            else
                std::snprintf(folder, sizeof folder, "%s/d%d/s%d", argv[1], top, sub);
            for (int i = 0; i < 1000; ++i) {
                const int fromLength = std::snprintf(source, sizeof source, "%s/%s%d.txt", folder, argv[2], i);
                const int toLength = std::snprintf(target, sizeof target, "%s/%s%d.txt", folder, argv[3], i);
                if (fromLength >= PATH_MAX || toLength >= PATH_MAX) {
                    std::fprintf(stderr, "path too long\n");
                    return 1;
                }
                if (renameat2(AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) != 0) {
                    std::perror(source);
                    return 1;
                }
                if (log >= 0) {
                    const int length = std::snprintf(record, sizeof record, "%s\r\n%s\r\n", source, target);
                    if (write(log, record, size_t(length)) != length) {
                        std::perror(argv[4]);
                        return 1;
                    }
                }
            }
        }
    }
    if (log >= 0 && (fdatasync(log) != 0 || close(log) != 0)) {
        std::perror(argv[4]);
        return 1;
    }
    return 0;
}
