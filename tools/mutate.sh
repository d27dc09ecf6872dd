#!/usr/bin/env bash
# Plants the one-line faults listed in tools/mutants.txt one at a time into a scratch copy of the
# sources, rebuilds it incrementally, runs the suites each mutant names, puts the line back, and
# says which mutants the tests caught ("killed") and which they missed ("survived"). A pattern
# that no longer matches exactly once is "stale", and a mutant that does not compile "broken":
# neither is ever passed over in silence.
#
#   tools/mutate.sh [-l LIST] [-n] [WORD...]
#     -l LIST  the mutant list (default: tools/mutants.txt beside this script)
#     -n       no baseline run of the suites before the first mutant
#     WORD     only the mutants whose file or description holds one of these words
#
# The scratch copy and its build live in $PRESSMARK_MUTATE_DIR (default
# /tmp/pressmark-mutate-$USER) and are reused between runs, so a second run rebuilds little. The
# worktree itself is never changed. Exit status: 0 when every mutant is killed or kept with a
# reason, 1 when one survived or is stale or broken, 2 for a usage error or a build that fails
# unmutated.
#
# Hand-written: Debian packages no mutation tool for C++ (mull and dextool are not packaged), and
# this one plants a chosen list of plausible faults rather than every operator it can find.
set -uo pipefail
shopt -u patsub_replacement 2>/dev/null || true

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/.." && pwd)
list=$here/mutants.txt
baseline=1
while getopts "l:n" option; do
  case $option in
    l) list=$OPTARG ;;
    n) baseline=0 ;;
    *) sed -n '8,11s/^# \{0,1\}//p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
words=("$@")

work=${PRESSMARK_MUTATE_DIR:-/tmp/pressmark-mutate-${USER:-$(id -un)}}
src=$work/src
build=$work/build
saved=$work/saved
jobs=${PRESSMARK_MUTATE_JOBS:-2}
testTimeout=${PRESSMARK_MUTATE_TIMEOUT:-180}
mkdir -p "$src" "$build" "$saved"
export QT_QPA_PLATFORM=offscreen

say() { printf '%s\n' "$*"; }

# --- The mutant list: blocks of "key: value" lines, a blank line between blocks.
declare -a mFile mFind mReplace mTests mBreaks mEquivalent
parseList() {
  local n=-1 line key value
  local fresh=1
  while IFS= read -r line || [ -n "$line" ]; do
    case $line in
      '#'*) continue ;;
      '') fresh=1; continue ;;
    esac
    key=${line%%:*}
    value=${line#*:}
    value=${value#"${value%%[![:space:]]*}"} # leading blanks
    if [ "$fresh" = 1 ]; then
      n=$((n + 1))
      mFile[n]='' mFind[n]='' mReplace[n]='' mTests[n]='' mBreaks[n]='' mEquivalent[n]=''
      fresh=0
    fi
    case $key in
      file) mFile[n]=$value ;;
      find) mFind[n]=$value ;;
      replace) mReplace[n]=$value ;;
      tests) mTests[n]=$value ;;
      breaks) mBreaks[n]=$value ;;
      equivalent) mEquivalent[n]=$value ;;
      *) say "$list: unknown key '$key' in: $line" >&2; exit 2 ;;
    esac
  done <"$list"
  local i
  for i in "${!mFile[@]}"; do
    if [ -z "${mFile[i]}" ] || [ -z "${mFind[i]}" ] || [ -z "${mTests[i]}" ] || [ -z "${mBreaks[i]}" ]; then
      say "$list: mutant $((i + 1)) lacks a file, find, tests or breaks line" >&2
      exit 2
    fi
  done
}

# --- The scratch copy: the worktree's files (committed or not, ignored ones left out), each
# copied only when it differs, so the build there stays incremental. A copy takes the time it is
# made, never the worktree file's own: an edit older than the scratch objects is still built.
syncSources() {
  local copied=0 f
  while IFS= read -r -d '' f; do
    [ -f "$repo/$f" ] || continue
    if ! cmp -s "$repo/$f" "$src/$f"; then
      mkdir -p "$src/$(dirname "$f")"
      cp "$repo/$f" "$src/$f"
      copied=$((copied + 1))
    fi
  done < <(git -C "$repo" ls-files -z --cached --others --exclude-standard)
  say "scratch copy $src: $copied files brought up to date"
}

# The object files compiled from a source, found by the compiler's dependency files.
objectsOf() {
  local source=$src/$1
  grep -lsF -- "$source" $(find "$build" -name "$(basename "$1").o.d" 2>/dev/null) /dev/null |
    sed 's/\.d$//'
}

# The test executables a ctest selection names (each test is its executable's name).
testsOf() {
  (cd "$build" && ctest -N -R "$1" 2>/dev/null) | sed -n 's/^ *Test *#[0-9]*: *\([^ ]*\).*/\1/p'
}

buildTargets() {
  cmake --build "$build" -j"$jobs" --target "$@" >"$work/build.log" 2>&1
}

# Runs a ctest selection; its output in $work/test.log. Returns ctest's status.
runTests() {
  (cd "$build" && ctest -R "$1" -j"$jobs" --timeout "$testTimeout" --output-on-failure) >"$work/test.log" 2>&1
}

# What failed, in a line: the failed suites and the first failing test function.
whatFailed() {
  local suites first
  suites=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (\(.*\))$/\1 (\2)/p' "$work/test.log" | paste -sd, -)
  first=$(grep -m1 -E '^FAIL!  : ' "$work/test.log" | sed 's/^FAIL!  : //' | cut -c1-150)
  if [ -n "$first" ]; then
    say "$suites: $first"
  else
    say "$suites"
  fi
}

current=''
restoreCurrent() {
  [ -n "$current" ] || return 0
  local i=$current
  # The source with its own time, its objects as they were built from it (newer than the
  # source, so not compiled again; newer than the library, so put back into it).
  cp -p "$saved/source" "$src/${mFile[i]}"
  local object
  while IFS= read -r object; do
    [ -n "$object" ] || continue
    local key
    key=$(printf '%s' "$object" | md5sum | cut -c1-16)
    if [ -f "$saved/$key.o" ]; then
      cp "$saved/$key.o" "$object"
      [ -f "$saved/$key.o.d" ] && cp "$saved/$key.o.d" "$object.d"
    fi
  done <"$saved/objects"
  # A header has no object of its own: its includers are compiled again at the next build.
  [ -s "$saved/objects" ] || touch "$src/${mFile[i]}"
  current=''
}
trap 'restoreCurrent; exit 130' INT TERM

matches() {
  local content=$1 find=$2
  local rest=${content//"$find"/}
  say $(((${#content} - ${#rest}) / ${#find}))
}

selected() {
  local i=$1 w
  [ ${#words[@]} -eq 0 ] && return 0
  for w in "${words[@]}"; do
    case "${mFile[i]} ${mBreaks[i]}" in *"$w"*) return 0 ;; esac
  done
  return 1
}

# --- The run, in a function: bash has read all of it before it starts, so an edit to this
# file during a run cannot change the run.
main() {
  [ -f "$list" ] || { say "no mutant list at $list" >&2; exit 2; }
  parseList
  syncSources
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure.log" 2>&1 ||
      { say "configuring failed: $work/configure.log" >&2; exit 2; }
  fi
  cmake -S "$src" -B "$build" >"$work/configure.log" 2>&1 || { say "configuring failed" >&2; exit 2; }

  chosen=()
  for i in "${!mFile[@]}"; do
    selected "$i" && chosen+=("$i")
  done
  [ ${#chosen[@]} -gt 0 ] || { say "no mutant matches: ${words[*]}" >&2; exit 2; }

  # Every suite the chosen mutants run, built and passing unmutated first.
  selection=$(for i in "${chosen[@]}"; do say "${mTests[i]}"; done | sort -u | paste -sd'|' -)
  mapfile -t allTargets < <(testsOf "$selection")
  [ ${#allTargets[@]} -gt 0 ] || { say "the list names no test that exists: $selection" >&2; exit 2; }
  say "building ${#allTargets[@]} test programs unmutated"
  buildTargets "${allTargets[@]}" || { say "the unmutated build fails: $work/build.log" >&2; exit 2; }
  if [ "$baseline" = 1 ]; then
    say "running them unmutated"
    runTests "$selection" || { say "the suites fail unmutated: $(whatFailed)" >&2; exit 2; }
  fi

  killed=() survived=() equivalent=() stale=() broken=()
  started=$SECONDS
  for i in "${chosen[@]}"; do
    file=${mFile[i]}
    label="#$((i + 1)) $file: ${mBreaks[i]}"
    if [ ! -f "$src/$file" ]; then
      stale+=("$label (the file is gone)")
      say "STALE     $label (the file is gone)"
      continue
    fi
    content=$(cat "$src/$file"; printf x)
    content=${content%x}
    count=$(matches "$content" "${mFind[i]}")
    if [ "$count" != 1 ]; then
      stale+=("$label (the pattern matches $count times: ${mFind[i]})")
      say "STALE     $label (the pattern matches $count times)"
      continue
    fi

    cp -p "$src/$file" "$saved/source"
    objectsOf "$file" >"$saved/objects"
    while IFS= read -r object; do
      [ -n "$object" ] || continue
      key=$(printf '%s' "$object" | md5sum | cut -c1-16)
      cp -p "$object" "$saved/$key.o"
      [ -f "$object.d" ] && cp -p "$object.d" "$saved/$key.o.d"
    done <"$saved/objects"
    current=$i
    printf '%s' "${content/"${mFind[i]}"/"${mReplace[i]}"}" >"$src/$file"

    clock=$SECONDS
    mapfile -t targets < <(testsOf "${mTests[i]}")
    if ! buildTargets "${targets[@]}"; then
      outcome="broken"
      why="it does not compile: $(grep -m1 -E 'error' "$work/build.log" | sed 's|.*/src/src/||' | cut -c1-150)"
    elif runTests "${mTests[i]}"; then
      outcome="survived"
      why=''
    else
      outcome="killed"
      why=$(whatFailed)
    fi
    restoreCurrent
    seconds=$((SECONDS - clock))

    if [ "$outcome" = broken ]; then
      broken+=("$label -- $why")
      say "BROKEN    $label (${seconds}s) -- $why"
    elif [ "$outcome" = killed ]; then
      killed+=("$label -- $why")
      say "KILLED    $label (${seconds}s) -- $why"
    elif [ -n "${mEquivalent[i]}" ]; then
      equivalent+=("$label -- equivalent: ${mEquivalent[i]}")
      say "KEPT      $label (${seconds}s) -- equivalent: ${mEquivalent[i]}"
    else
      survived+=("$label")
      say "SURVIVED  $label (${seconds}s) -- ran ${mTests[i]}"
    fi
  done

  # The last mutant's objects are back; leave the scratch build whole for the next run.
  buildTargets "${allTargets[@]}" >/dev/null 2>&1 || true

  total=${#chosen[@]}
  scored=$((total - ${#stale[@]} - ${#broken[@]} - ${#equivalent[@]}))
  say ""
  say "== $total mutants, $(((SECONDS - started) / 60)) min after the baseline ($((SECONDS / 60)) min in all): ${#killed[@]} killed, ${#survived[@]} survived, ${#equivalent[@]} kept as equivalent, ${#stale[@]} stale, ${#broken[@]} broken"
  if [ "$scored" -gt 0 ]; then
    say "== score: ${#killed[@]} of $scored killed ($((100 * ${#killed[@]} / scored))%)"
  fi
  for s in "${survived[@]}"; do say "survived: $s"; done
  for s in "${stale[@]}"; do say "stale:    $s"; done
  for s in "${broken[@]}"; do say "broken:   $s"; done
  for s in "${equivalent[@]}"; do say "kept:     $s"; done
  [ ${#survived[@]} -eq 0 ] && [ ${#stale[@]} -eq 0 ] && [ ${#broken[@]} -eq 0 ]
}

main
