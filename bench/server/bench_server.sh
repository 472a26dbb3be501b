#!/usr/bin/env bash
# Times quorvane-db against a building on a local PostgreSQL server, beside
# psql doing the same with \copy on the same table and file, in one run.
# Run under a throwaway server: pg_virtualenv -t bench/server/bench_server.sh [BUILD_DIR]
set -euo pipefail
bin="${1:-build/test}/bin"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QUORVANE_DATABASE=postgresql://
rooms=100000

now() { date +%s.%N; }
span() { echo "$(now) - $1" | bc; }

{
    echo "Room,TEL1,TEL2,TEL3"
    for ((i = 1; i <= rooms; i++)); do echo "$i,555$i,666$i,"; done
} >"$work/rooms.csv"
tail -n +2 "$work/rooms.csv" >"$work/rooms.copy"

# The first operator only where the server has none yet.
init() {
    "$bin/quorvane-db" init --building "$1" --operator boss --pin 1234 >/dev/null 2>&1 ||
        "$bin/quorvane-db" init --building "$1" >/dev/null
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Each round imports into an empty building of its own, one tool after the
# other. The third is psql writing what the import writes: the rooms and the
# change record's row for each, in one transaction, as the first round's
# import wrote them.
rounds=5
for ((r = 1; r <= rounds; r++)); do
    init "Bench$r"
    init "Copy$r"
    init "Both$r"
    t=$(now); "$bin/quorvane-db" import "$work/rooms.csv" --building "Bench$r" >/dev/null; span "$t" >>"$work/ours"
    t=$(now); psql -q -c "\\copy \"Copy$r\".\"Room_tel\" (\"Room\", \"TEL1\", \"TEL2\", \"TEL3\") from '$work/rooms.copy' csv"; span "$t" >>"$work/theirs"
    ((r > 1)) || psql -q -c "\\copy \"Bench1\".change_room to '$work/record.copy'"
    psql -q -c "CREATE TABLE \"Both$r\".change_room (LIKE \"Bench1\".change_room INCLUDING ALL)"
    t=$(now)
    psql -q -1 -c "\\copy \"Both$r\".\"Room_tel\" (\"Room\", \"TEL1\", \"TEL2\", \"TEL3\") from '$work/rooms.copy' csv" \
        -c "\\copy \"Both$r\".change_room from '$work/record.copy'"
    span "$t" >>"$work/both"
done
ours=$(median <"$work/ours")
theirs=$(median <"$work/theirs")
both=$(median <"$work/both")
printf 'import %d rooms, median of %d:  quorvane-db %.2f s, psql \\copy from %.2f s (%.1fx)\n' "$rooms" "$rounds" "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"
printf '  psql \\copy of the rooms and their record rows, one transaction: %.2f s (quorvane-db %.2fx)\n' "$both" "$(echo "$ours / $both" | bc -l)"

for ((r = 1; r <= rounds; r++)); do
    t=$(now); "$bin/quorvane-db" export --building Bench1 >/dev/null; span "$t" >>"$work/ours-read"
    t=$(now); psql -q -c "\\copy \"Bench1\".\"Room_tel\" to stdout" >/dev/null; span "$t" >>"$work/theirs-read"
done
ours=$(median <"$work/ours-read")
theirs=$(median <"$work/theirs-read")
printf 'read %d rooms, median of %d:    quorvane-db export %.2f s, psql \\copy to %.2f s (%.1fx)\n' "$rooms" "$rounds" "$ours" "$theirs" "$(echo "$ours / $theirs" | bc -l)"

mkdir "$work/folder"
env -u QUORVANE_DATABASE "$bin/quorvane-db" init "$work/folder" --operator boss --pin 1234 >/dev/null
head -n 1001 "$work/rooms.csv" >"$work/thousand.csv"
env -u QUORVANE_DATABASE "$bin/quorvane-db" import "$work/folder" "$work/thousand.csv" >/dev/null
t=$(now); "$bin/quorvane-db" migrate "$work/folder" --building Migrated >/dev/null; ours=$(span "$t")
printf 'migrate a 1,000-room folder: %.2f s\n' "$ours"
