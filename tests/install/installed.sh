#!/bin/sh
# Installs the built tree into a temporary prefix and checks, from there,
# where the installed commands keep their data. Argument: the build tree.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
bin=$tmp/usr/bin
for page in quorvane quorvane-db quorvane-doorsim quorvane-link; do
    [ -x "$bin/$page" ] || fail "$page not installed"
    [ -f "$tmp/usr/share/man/man1/$page.1.gz" ] || fail "no manual page for $page"
done

for code in en zh_CN; do
    [ -f "$tmp/usr/share/quorvane/translations/quorvane_$code.qm" ] || fail "no catalogue for $code"
done

# --check-data prints and exits, so it needs no display (a console, ssh).
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg"
unset QUORVANE_DATA QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
mkdir "$HOME"
data=$XDG_DATA_HOME/Quorvane

# Help and version answer without a display; Qt's own options are left to Qt,
# anything else is refused with status 64 (a usage error).
"$bin/quorvane" -h | grep -q "^  --data <folder>" || fail "no help without a display"
"$bin/quorvane" -h | grep -q "^  --language <code>" || fail "no --language in the help"
"$bin/quorvane" -platform offscreen --version | grep -qx "quorvane [0-9.]*" || fail "no version"
status=0
"$bin/quorvane" --bogus 2>"$tmp/out" || status=$?
[ $status = 64 ] || fail "status $status for --bogus"
grep -qx "quorvane: Unknown option 'bogus'." "$tmp/out" || fail "$(cat "$tmp/out")"

# Nothing yet: the program would offer to create the databases.
if "$bin/quorvane" --check-data >"$tmp/out"; then fail "an empty folder passed"; fi
grep -q "Data folder: $data (the default folder)" "$tmp/out" || fail "$(cat "$tmp/out")"
[ ! -e "$data" ] || fail "the check created the data folder"

# The companion prepares the default folder, private, and the program finds it.
"$bin/quorvane-db" init --operator Admin --pin 1 >/dev/null
[ "$(stat -c %a "$data")" = 700 ] || fail "data folder mode $(stat -c %a "$data")"
"$bin/quorvane" --check-data >"$tmp/out" || fail "$(cat "$tmp/out")"
grep -q "Data folder: $data " "$tmp/out" || fail "$(cat "$tmp/out")"
grep -q "ready: 1 operator" "$tmp/out" || fail "$(cat "$tmp/out")"
"$bin/quorvane-db" check >/dev/null || fail "check without a folder"
# The room list's PDF comes from the writer in libexec, found from bin/.
[ -x "$tmp/usr/libexec/quorvane/quorvane-db-pdf" ] || fail "quorvane-db-pdf not installed"
"$bin/quorvane-db" export --pdf "$tmp/list.pdf" >"$tmp/out" || fail "$(cat "$tmp/out")"
grep -q "Wrote the room list of 0 rooms to $tmp/list.pdf: 1 page." "$tmp/out" || fail "$(cat "$tmp/out")"
[ "$(head -c 5 "$tmp/list.pdf")" = "%PDF-" ] || fail "no PDF written"

# --data and QUORVANE_DATA win over the default, --data over both.
mkdir "$tmp/other" "$tmp/third"
"$bin/quorvane-db" init "$tmp/other" --operator Bob --pin 2 >/dev/null
QUORVANE_DATA=$tmp/other "$bin/quorvane" --check-data | grep -q "Data folder: $tmp/other (named by QUORVANE_DATA)" ||
    fail "QUORVANE_DATA is not used"
QUORVANE_DATA=$tmp/third "$bin/quorvane" --data "$tmp/other" --check-data |
    grep -q "Data folder: $tmp/other (named by --data)" || fail "--data does not win"

# A copy of the program in a folder holding the databases keeps them beside it.
mkdir "$tmp/portable"
cp "$bin/quorvane" "$bin/quorvane-db" "$tmp/portable/"
"$bin/quorvane-db" init "$tmp/portable" --operator Carol --pin 3 >/dev/null
"$tmp/portable/quorvane" --check-data | grep -q "Data folder: $tmp/portable (the program's own" ||
    fail "the folder beside the program is not used"

# A folder with only one database: the message names a command that works
# when pasted, though the installed companion is not on the PATH.
rm "$data/user_password.mdb"
if "$bin/quorvane" --check-data >"$tmp/out"; then fail "a half-made folder passed"; fi
command=$(grep -o "^$bin/quorvane-db init .*" "$tmp/out") || fail "no command: $(cat "$tmp/out")"
eval "$command --operator Dan --pin 4" >/dev/null
"$bin/quorvane" --check-data >/dev/null || fail "the named command did not mend the folder"
echo "installed copy: all checks passed"
