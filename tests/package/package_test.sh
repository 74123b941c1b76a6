#!/usr/bin/env bash
# package_test.sh CPACK_CONFIG PYTHON3 COLLECTION_SCRIPT
set -euo pipefail
config=$1 python=$2 collection=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$config" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/orvane_*_amd64.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no orvane_<version>_amd64.deb"
dpkg-deb -x "$deb" "$work/root"
for f in usr/bin/orvane usr/bin/orvane-report usr/share/orvane/tallix.she usr/share/orvane/sample/stat.dbc \
         usr/share/applications/orvane.desktop usr/share/icons/hicolor/scalable/apps/orvane.svg \
         usr/share/icons/hicolor/48x48/apps/orvane.png usr/share/icons/hicolor/128x128/apps/orvane.png \
         usr/share/doc/orvane/copyright usr/share/doc/orvane/changelog.gz; do
  [ -f "$work/root/$f" ] || fail "missing /$f"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6sql6-sqlite' || fail "Depends lacks the SQLite driver"

# A user of the installed program: a home of its own, no XDG_DATA_HOME.
export HOME="$work/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
report="$work/root/usr/bin/orvane-report"
folder="$HOME/.local/share/orvane"

"$report" --help | grep -qxF "应用程序文件夹：$folder" || fail "--help does not name $folder"

set +e
"$report" hotel --year 2025 --month 12 --region 43 >"$work/out.txt" 2>"$work/err.txt"
status=$?
set -e
[ "$status" -eq 2 ] || fail "without a source database: exit $status, not 2"
grep -qxF '还没有源数据：请从“数据 → 导入采集数据...”导入，或打开示例数据' "$work/err.txt" ||
  fail "without a source database: $(cat "$work/err.txt")"
[ -f "$folder/tallix.she" ] && [ -f "$folder/TallixDataBase/tallix.dbc" ] || fail "the per-user folder was not laid out"

"$report" import --sample >/dev/null || fail "import --sample"
cmp -s "$folder/Database/stat.dbc" "$work/root/usr/share/orvane/sample/stat.dbc" || fail "the sample was not copied"
[ "$("$report" hotel --year 2025 --month 12 --region 43)" = "计算完成" ] || fail "hotel run"
"$report" print --report 1-2 --pdf "$work/report.pdf" || fail "print"
pdftotext "$work/report.pdf" - | grep -q '合计' || fail "the PDF holds no total line"

"$python" "$collection" export "$folder/Database/stat.dbc" "$work/collection" || fail "collection folder"
"$report" import --from "$work/collection" >/dev/null 2>&1 || fail "import --from"
ls "$folder"/Database/stat-*.dbc >/dev/null 2>&1 || fail "the import kept no previous database"
[ "$("$report" annual --year 2025 --region 43)" = "计算完成" ] || fail "annual run on the imported data"

desktop-file-validate "$work/root/usr/share/applications/orvane.desktop" || fail "desktop entry"
for page in orvane orvane-report; do
  MANWIDTH=100 man -l "$work/root/usr/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "^NAME" || fail "man page $page"
done
man -l "$work/root/usr/share/man/man1/orvane-report.1.gz" 2>/dev/null | grep -q -- '--app-dir' || fail "man page options"

if command -v lintian >/dev/null 2>&1; then
  lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1 || true
  cat "$work/lintian.txt"
  ! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"
fi
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
