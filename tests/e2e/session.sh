#!/usr/bin/env bash
# The e2e session fixture: `session.sh start` before the e2e tests of a ctest run, `stop` after.
source "$(dirname "$0")/lib/harness.sh"
case "${1:-}" in
  start)
    e2e_require_runtime
    e2e_session_start
    ;;
  stop) e2e_session_stop ;;
  *) echo "usage: session.sh start|stop" >&2; exit 2 ;;
esac
