# Shared by the scripts: where things are, and an environment Qt is happy in.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/tesk-ccache}
# A sanitized and a plain build of every worktree must fit without evicting each other.
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-20G}
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
# Worktrees and fresh clones of the project share cache entries.
export CCACHE_BASEDIR=$root
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/tesk-runtime.XXXXXX)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
jobs=$(nproc)
