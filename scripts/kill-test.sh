#!/usr/bin/env bash
# Kills veltrano-cli with SIGKILL at random moments of runs and of restores (alternately) on a
# generated route of a few MB, and checks after every kill that each track file holds exactly
# its old or its new bytes and that every backup copy present is a complete copy.
#
#   bash scripts/kill-test.sh                                  (200 rounds, the fixed seed)
#   VELTRANO_KILL_ROUNDS=20 VELTRANO_KILL_SEED=7 bash scripts/kill-test.sh
#   VELTRANO_KILL_ROUTE=demo VELTRANO_KILL_ROUNDS=10 bash scripts/kill-test.sh   (the demo route)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

rounds=${VELTRANO_KILL_ROUNDS:-200}
seed=${VELTRANO_KILL_SEED:-20261204}
RANDOM=$seed
backups=_Saved_tdb_und_tit_files_before_pickup_correction

if [[ ! -f build/CMakeCache.txt ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --parallel 2 --target veltrano-cli make-route >/dev/null
cli=$PWD/build/bin/veltrano-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
route=$work/route
if [[ ${VELTRANO_KILL_ROUTE:-} == demo ]]; then
    id=Demo
    cp -r examples/demo-route "$route"
else
    id=KILLROUTE
    build/bin/make-route --items 3000 --pickups 300 --tiles 50 --tdb-size 3000000 \
        --route-id $id --seed 1 "$route" >/dev/null
fi

fail() {
    echo "kill-test: FAILED: $*" >&2
    exit 1
}
sum() { sha256sum "$1" | cut -d' ' -f1; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }

# The route before a run (old) and after it (new), with the copies that run made.
mkdir "$work/old" "$work/new"
cp "$route"/$id.t?? "$work/old/"
start=$(now)
"$cli" "$route" >/dev/null || fail "an undisturbed run did not complete"
runTime=$(since "$start")
cp "$route"/$id.t?? "$work/new/"
mv "$route/$backups" "$work/copies"
stamp=$(cd "$work/copies" && ls *.tit | sed -E 's/_Datum-([0-9]{6})_Uhrzeit-([0-9]{6}).*/\1-\2/')
for ext in tit tdb; do
    declare "old_$ext=$(sum "$work/old/$id.$ext")" "new_$ext=$(sum "$work/new/$id.$ext")"
done
[[ $old_tdb != "$new_tdb" ]] || fail "the undisturbed run did not change the .tdb"

# Puts the route back as a round starts: a run starts from the old files without backups, a
# restore from the new files with the copies of the run it undoes. Left-over temporary files of
# earlier kills stay: the next start must clear them.
setUp() {
    rm -rf "${route:?}/$backups"
    if [[ $1 == run ]]; then
        cp "$work"/old/$id.t?? "$route/"
    else
        cp "$work"/new/$id.t?? "$route/"
        cp -r "$work/copies" "$route/$backups"
    fi
}

# Each track file old or new as a whole; each backup copy a complete copy of what it saved (a
# run saves the old files; a restore keeps the run's copies and saves the new files).
check() {
    local kind=$1 ext file name
    for ext in tit tdb; do
        local now old="old_$ext" new="new_$ext"
        now=$(sum "$route/$id.$ext")
        [[ $now == "${!old}" || $now == "${!new}" ]] || fail "$kind round $round: $id.$ext is neither old nor new"
    done
    for file in "$route/$backups"/_Datum-*; do
        [[ -e $file ]] || continue
        name=$(basename "$file") ext=${file##*.}
        local sum old="old_$ext" new="new_$ext"
        sum=$(sum "$file")
        if [[ $sum == "${!old}" ]] || [[ $kind == restore && $sum == "${!new}" ]]; then continue; fi
        fail "$kind round $round: backup $name is not a complete copy"
    done
}

# How long an undisturbed restore takes; the kills fall within the first 80 % of a run or a
# restore, as starting one in the background costs a little time of its own.
# (A restore waits for a second no copy has; the copies above were made just now.)
setUp restore
sleep 1
start=$(now)
"$cli" --restore "$stamp" "$route" >/dev/null || fail "an undisturbed restore did not complete"
restoreTime=$(since "$start")
[[ $(sum "$route/$id.tdb") == "$old_tdb" ]] || fail "the undisturbed restore did not put back the .tdb"
echo "kill-test: track database $(stat -c %s "$work/old/$id.tdb") bytes; a run takes ${runTime} s, a restore ${restoreTime} s; seed $seed"

declare -A killed=([run]=0 [restore]=0)
early=0 bothOld=0 mixed=0 bothNew=0
for ((round = 1; round <= rounds; round++)); do
    if ((round % 2)); then kind=run arguments=("$route") time=$runTime
    else kind=restore arguments=(--restore "$stamp" "$route") time=$restoreTime; fi
    setUp "$kind"
    delay=$(awk -v r="$RANDOM" -v t="$time" 'BEGIN { printf "%.4f", r / 32767 * t * 0.8 }')
    "$cli" "${arguments[@]}" >/dev/null 2>&1 &
    pid=$!
    sleep "$delay"
    kill -KILL "$pid" 2>/dev/null || true
    status=0
    { wait "$pid"; } 2>/dev/null || status=$?
    check "$kind"
    if ((status != 137)); then
        ((status == 0)) || fail "$kind round $round ended with status $status before its kill"
        early=$((early + 1))
        continue
    fi
    killed[$kind]=$((killed[$kind] + 1))
    tit=$(sum "$route/$id.tit") tdb=$(sum "$route/$id.tdb")
    if [[ $tit == "$old_tit" && $tdb == "$old_tdb" ]]; then bothOld=$((bothOld + 1))
    elif [[ $tit == "$new_tit" && $tdb == "$new_tdb" ]]; then bothNew=$((bothNew + 1))
    else mixed=$((mixed + 1)); fi
done

# A run on the route as the last kill left it clears the left-overs and completes.
"$cli" "$route" >/dev/null || fail "a run after the last kill did not complete"
leftOver=$(find "$route" -name '.veltrano-*' | wc -l)
((leftOver == 0)) || fail "$leftOver temporary files left after a completed run"
echo "kill-test: $rounds rounds, ${killed[run]} runs and ${killed[restore]} restores killed: $bothOld left both files old, $bothNew both new," \
    "$mixed one of each; $early ended before their kill; every backup complete"
