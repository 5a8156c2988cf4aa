# Shared by the scripts: where things are, and an environment Qt is happy in.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/tesk-ccache}
# A sanitized and a plain build of every worktree must fit without evicting each other.
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-20G}
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
# Worktrees and fresh clones of the project share cache entries: paths below
# the root are hashed relative to it, and the build folder is left out of the
# hash (it only names the compile folder in the debug information).
export CCACHE_BASEDIR=$root
export CCACHE_NOHASHDIR=true

# Build and test jobs: TESK_JOBS, or every core.
jobs=${TESK_JOBS:-$(nproc)}
if ! [[ $jobs =~ ^[1-9][0-9]*$ ]]; then
    echo "${0##*/}: TESK_JOBS must be a number of jobs above 0, not \"$jobs\"" >&2
    exit 2
fi

# Qt wants a private runtime folder; one made here is removed again by
# remove_runtime_dir, which the scripts call on their way out.
own_runtime_dir=
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d -t tesk-runtime.XXXXXX)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    own_runtime_dir=$XDG_RUNTIME_DIR
fi
remove_runtime_dir() {
    if [ -n "$own_runtime_dir" ]; then
        rm -rf "$own_runtime_dir"
    fi
}
