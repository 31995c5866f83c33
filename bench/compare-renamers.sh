#!/bin/sh
# Whole-process comparison of the command-file rename and its undo with a plain
# renameat2 loop, mmv and perl rename on 100,000 files in 100 folders.
# Installs mmv, rename and time (Debian packages) when they are missing, then runs
# bench_compare_renamers of a Release build.
#
#   bench/compare-renamers.sh [build folder] [work folder]
# (defaults: build/release, and the temporary folder when it is ext4, else build/release)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
work=${2:-${TMPDIR:-/tmp}}
[ "$(stat -f -c %T "$work")" = ext2/ext3 ] || work=$build   # stat names ext4 "ext2/ext3"

if ! command -v mmv >/dev/null || ! command -v file-rename >/dev/null || [ ! -x /usr/bin/time ]; then
    sudo=; [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends mmv rename time
fi
[ -x "$build/bench/bench_compare_renamers" ] || {
    echo "no $build/bench/bench_compare_renamers: build it with -DCMAKE_BUILD_TYPE=Release" >&2
    exit 1
}
exec "$build/bench/bench_compare_renamers" "$build/corvexpro" "$build/bench/bench_renameat2_loop" "$work"
