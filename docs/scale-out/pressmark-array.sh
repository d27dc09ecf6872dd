#!/bin/bash
# A Slurm job array converting one list of photos in 8 shards, all writing into one shared
# folder. Task K of the array converts shard K of SLURM_ARRAY_TASK_COUNT; every task reads the
# same list and settings, so the names are those of one run. Requeued tasks go on where they
# stopped (--skip-existing).
#
#   sbatch docs/scale-out/pressmark-array.sh
#
# The paths can be set from the environment (sbatch passes it on): PRESSMARK_LIST,
# PRESSMARK_OUT, PRESSMARK_REPORTS, PRESSMARK_SETTINGS, PRESSMARK_CLI.
#SBATCH --job-name=pressmark
#SBATCH --array=1-8
#SBATCH --cpus-per-task=4
#SBATCH --mem=8G
#SBATCH --requeue
#SBATCH --output=pressmark-%A_%a.log
set -euo pipefail
list=${PRESSMARK_LIST:-/shared/shop/list.txt}
out=${PRESSMARK_OUT:-/shared/shop/out}
reports=${PRESSMARK_REPORTS:-/shared/shop/reports}
settings=${PRESSMARK_SETTINGS:-/shared/shop/pressmark.ini}
cli=${PRESSMARK_CLI:-pressmark-cli}
mkdir -p "$reports"
exec "$cli" --settings="$settings" --files-from "$list" \
  --shard "${SLURM_ARRAY_TASK_ID}/${SLURM_ARRAY_TASK_COUNT}" --jobs "${SLURM_CPUS_PER_TASK:-1}" \
  --skip-existing --report "$reports/report-${SLURM_ARRAY_TASK_ID}.jsonl" --quiet -o "$out"
