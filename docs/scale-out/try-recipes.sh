#!/usr/bin/env bash
# Tries the three recipes of docs/scale-out.md on this one machine, on a small list with a name
# in two folders: the Kubernetes Job's container command (its 8 pods played by 8 local shells
# given JOB_COMPLETION_INDEX, /data and /config mapped to a temporary folder) after the
# manifest's schema check, the Slurm array script (its 8 tasks given SLURM_ARRAY_TASK_ID and
# SLURM_ARRAY_TASK_COUNT), and the GNU parallel line with this machine as its one ssh login
# (--sshlogin :). Each must give the names and bytes of one run, and its merged report every
# input once.
#
#   docs/scale-out/try-recipes.sh [BUILD_DIR]        (default: build)
#
# Needs PRESSMARK_BENCH=1 scripts/setup.sh (parallel, jq, python3-yaml, python3-jsonschema).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cli=$(realpath "$build/src/cli/pressmark-cli")
here=$PWD/docs/scale-out
[ -x "$cli" ] || { echo "build pressmark-cli first ($cli)"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/data/photos/a" "$work/data/photos/b" "$work/config" "$work/bin"
for i in $(seq 1 12); do
  convert -size $((40 + i))x30 "gradient:#$(printf %02x $((i * 20)))4080-white" "$work/data/photos/a/IMG_$i.jpg"
done
cp "$work/data/photos/a/IMG_3.jpg" "$work/data/photos/b/IMG_3.jpg"
find "$work/data/photos" -name '*.jpg' | sort > "$work/data/list.txt"
printf '[General]\npmMetadata=0\n' > "$work/config/pressmark.ini"
ln -s "$cli" "$work/bin/pressmark-cli"
export PATH=$work/bin:$PATH

pressmark-cli --settings="$work/config/pressmark.ini" --files-from "$work/data/list.txt" --quiet -o "$work/one"

same() {
  diff -r "$work/one" "$1" >/dev/null || { echo "FAIL: $2 does not give the names and bytes of one run"; exit 1; }
  "$here/merge-reports.sh" "$3"/report-*.jsonl > "$work/merged.jsonl"
  echo "ok: $2: $(ls "$1" | wc -l) files as one run; merged report: $(jq -r 'select(.type == "summary") | "\(.inputs) inputs, \(.written) written, shards \(.shards | join(" "))"' "$work/merged.jsonl")"
}

# Kubernetes: the schema check, then the pods' command.
python3 "$here/check-manifest.py" "$here/pressmark-job.yaml"
command=$(python3 -c 'import sys, yaml; print(yaml.safe_load(open(sys.argv[1]))["spec"]["template"]["spec"]["containers"][0]["args"][0])' "$here/pressmark-job.yaml")
command=${command//\/data/$work/data}
command=${command//\/config/$work/config}
shards=$(python3 -c 'import sys, yaml; print(yaml.safe_load(open(sys.argv[1]))["spec"]["completions"])' "$here/pressmark-job.yaml")
mkdir -p "$work/data/reports"
for index in $(seq 0 $((shards - 1))); do
  JOB_COMPLETION_INDEX=$index SHARDS=$shards sh -c "$command" &
done
wait
same "$work/data/out" "Kubernetes Indexed Job ($shards pods)" "$work/data/reports"

# Slurm: the array's tasks.
for task in $(seq 1 8); do
  SLURM_ARRAY_TASK_ID=$task SLURM_ARRAY_TASK_COUNT=8 SLURM_CPUS_PER_TASK=1 PRESSMARK_LIST=$work/data/list.txt \
    PRESSMARK_OUT=$work/slurm PRESSMARK_REPORTS=$work/slurm-reports PRESSMARK_SETTINGS=$work/config/pressmark.ini \
    bash "$here/pressmark-array.sh" &
done
wait
same "$work/slurm" "Slurm job array (8 tasks)" "$work/slurm-reports"

# GNU parallel: the line of docs/scale-out.md, this machine as the ssh login.
mkdir -p "$work/gnu-reports"
cd "$work"
parallel --sshlogin : pressmark-cli --settings=config/pressmark.ini --files-from data/list.txt \
  --shard {}/4 --skip-existing --report gnu-reports/report-{}.jsonl --quiet -o gnu ::: 1 2 3 4
same "$work/gnu" "GNU parallel (4 shards, --sshlogin :)" "$work/gnu-reports"
