#!/usr/bin/env bash
# Merges the reports of a list's shards (pressmark-cli --report, one per shard) into one report:
# every file line in list order, then one summary over all shards. Checks that every list
# position is there exactly once and that no shard was left out; exits 1 when not.
#
#   docs/scale-out/merge-reports.sh report-*.jsonl > merged.jsonl
set -euo pipefail
jq -c -s '
  (map(select(.type == "file")) | sort_by(.position) | .[]),
  { type: "summary",
    shards: (map(select(.type == "summary") | .shard)),
    list: (map(select(.type == "summary") | .list) | max),
    inputs: (map(select(.type == "file")) | length),
    written: (map(select(.status == "written")) | length),
    failed: (map(select(.status == "failed")) | length),
    skipped: (map(select(.status == "skipped")) | length),
    not_started: (map(select(.status == "not started")) | length),
    bytes: (map(select(.type == "summary") | .bytes) | add),
    milliseconds: (map(select(.type == "summary") | .milliseconds) | max) }' "$@"
# The check: each position once, and as many as the list holds.
jq -e -s '(map(select(.type == "file") | .position) | (length == (unique | length))) and
          (map(select(.type == "file")) | length) == (map(select(.type == "summary") | .list) | max) and
          (map(select(.type == "summary") | .shard | split("/")[1] | tonumber) | unique | length == 1) and
          (map(select(.type == "summary")) | length) == (map(select(.type == "summary") | .shard | split("/")[1] | tonumber) | max)' \
  "$@" >/dev/null || { echo "merge-reports: the reports do not hold every list position exactly once" >&2; exit 1; }
