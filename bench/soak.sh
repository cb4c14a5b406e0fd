#!/usr/bin/env bash
# A simulated day of the clock window on a private X server, for memory
# that creeps up frame by frame.
#
# usage: bench/soak.sh [FRAMES]
#   FRAMES       frames a second apart (default 86400, a day)
#   SOAK         the soak program (default build/bench/soak)
#   BENCH_SIZE   screen size (default 1920x1080)
set -euo pipefail
# shellcheck source=bench/common.sh
source "$(dirname "$0")/common.sh"

need Xvfb xvfb
need_fonts
soak=${SOAK:-$REPO_DIR/build/bench/soak}
if [[ ! -x $soak ]]; then
    echo "no soak program at $soak: build the target soak, or set SOAK" >&2
    exit 1
fi

use_work_dir
start_xvfb "${BENCH_SIZE:-1920x1080}"
DISPLAY=$XVFB_DISPLAY XDG_CONFIG_HOME=$WORK_DIR/config XDG_RUNTIME_DIR=$WORK_DIR "$soak" "$@"
