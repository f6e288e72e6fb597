#!/usr/bin/env bash
# Builds the Debian package from the built tree into a scratch directory,
# unpacks it there and checks what a user installing it gets: the files and
# their modes, the control fields, the software centre's entry, the man pages,
# and programs that run from /usr without help. Nothing is installed into the
# running system.
set -euo pipefail
build_dir=${1:?build directory}
source_dir=${2:?source directory}
version=${3:?project version}
cpack=${4:?cpack}

missing=()
for tool in dpkg-deb dpkg-shlibdeps appstreamcli man lexgrog readelf; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -ne 0 ]; then
  echo "package test needs ${missing[*]} (scripts/install-deps.sh installs them)"
  # CI installs everything; there a missing tool is a failure, not a skip.
  [ "${CI:-}" = true ] && exit 1
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
  echo "FAIL: $*"
  status=1
}

arch=$(dpkg --print-architecture)
if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" \
  >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
deb="$scratch/out/lochkartor_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
  ls "$scratch/out"
  echo "FAIL: no lochkartor_${version}_${arch}.deb"
  exit 1
fi

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lochkartor ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version '$(field Version)' is not the project's $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture '$(field Architecture)' is not $arch"
[ "$(field Section)" = electronics ] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == *"<"*@*">" ]] || fail "Maintainer '$(field Maintainer)' has no address"
description=$(field Description)
[[ $(head -n1 <<<"$description") == *"punched test cards"* ]] || fail "Description's summary: $description"
[ "$(wc -l <<<"$description")" -gt 3 ] || fail "Description has no long text"

# Depends: the Qt libraries from dpkg-shlibdeps, and what is loaded at run
# time. Every name must be a package this system knows.
depends=$(field Depends)
read -ra depended <<<"$(sed -E 's/ *\([^)]*\)//g; s/ *\|[^,]*//g; s/,/ /g' <<<"$depends")"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
               fonts-liberation qt6-image-formats-plugins qt6-translations-l10n; do
  [[ " ${depended[*]} " == *" $package "* ]] || fail "Depends lacks $package: $depends"
done
for package in "${depended[@]}"; do
  dpkg-query -W "$package" >/dev/null 2>&1 || fail "Depends names $package, which is not installed here"
done

# Everything under /usr, owned by root, programs executable, nothing else.
dpkg-deb -c "$deb" >"$scratch/contents"
while read -r mode owner _ _ _ path _; do
  [ "$owner" = root/root ] || fail "$path is owned by $owner"
  case "$path" in
    ./ | ./usr/*) ;;
    *) fail "$path lies outside /usr" ;;
  esac
  case "$mode:$path" in
    d*) ;;
    -rwxr-xr-x:./usr/bin/*) ;;
    -rw-r--r--:./usr/share/*) ;;
    *) fail "$path has mode $mode" ;;
  esac
done <"$scratch/contents"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
(cd "$root" && find . ! -type d | sort) >"$scratch/files"
sort >"$scratch/expected" <<'EOF'
./usr/bin/lochkartor
./usr/bin/lochkartor-render
./usr/share/applications/lochkartor.desktop
./usr/share/doc/lochkartor/copyright
./usr/share/icons/hicolor/scalable/apps/lochkartor.svg
./usr/share/lochkartor/translations/lochkartor_en.qm
./usr/share/man/man1/lochkartor-render.1.gz
./usr/share/man/man1/lochkartor.1.gz
./usr/share/metainfo/de.lochkartor.lochkartor.metainfo.xml
./usr/share/mime/packages/lochkartor.xml
EOF
# Further translations are welcome; anything else unexpected is a stray file.
grep -v '^\./usr/share/lochkartor/translations/lochkartor_[a-z_]*\.qm$' "$scratch/files" \
  >"$scratch/others" || true
grep -v '^\./usr/share/lochkartor/translations/' "$scratch/expected" >"$scratch/expected_others"
diff -u "$scratch/expected_others" "$scratch/others" || fail "the package's files differ (above)"
grep -qx './usr/share/lochkartor/translations/lochkartor_en.qm' "$scratch/files" ||
  fail "the English translation is missing"

# The programs find Qt where the system keeps it, never in the build tree.
for program in lochkartor lochkartor-render; do
  if readelf -d "$root/usr/bin/$program" | grep -E 'RPATH|RUNPATH'; then
    fail "$program carries a library path"
  fi
done

# The software centre's entry: valid, and its newest release is this one.
metainfo="$root/usr/share/metainfo/de.lochkartor.lochkartor.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "metainfo not valid"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "metainfo's newest release is '$newest', not $version"
grep -q '<launchable type="desktop-id">lochkartor.desktop</launchable>' "$metainfo" ||
  fail "metainfo does not launch lochkartor.desktop"

# The man pages: gzip'd, free of warnings, indexable, of this version.
for program in lochkartor lochkartor-render; do
  page="$root/usr/share/man/man1/$program.1.gz"
  gzip -t "$page" || fail "$program.1.gz is no gzip file"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$program.1: $warnings"
  lexgrog "$page" >/dev/null || fail "$program.1 has no NAME line that whatis reads"
  zcat "$page" | head -n1 | grep -q "\"Lochkartor $version\"" || fail "$program.1 is not of version $version"
done

# The installed programs run from /usr's layout alone.
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$scratch"
unset LD_LIBRARY_PATH
render="$root/usr/bin/lochkartor-render"
help=$(LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= "$render" --help) || fail "lochkartor-render --help failed"

# Every option that a program's help names is described in its man page.
check_documented() {
  local program=$1 help=$2 page_source options option
  page_source=$(zcat "$root/usr/share/man/man1/$program.1.gz")
  options=$(grep -oE '(^|[][ (|,])--?[a-z][a-z-]*' <<<"$help" | sed -E 's/^[][ (|,]//' | sort -u)
  [ -n "$options" ] || fail "no options found in the help of $program: $help"
  for option in $options; do
    grep -qF -- "${option//-/\\-}" <<<"$page_source" || fail "$program.1 does not describe $option"
  done
}
check_documented lochkartor-render "$help"

# --version came to both programs at once, and with it the window program's
# --help, which prints without a display.
if grep -q -- '--version' <<<"$help"; then
  for program in lochkartor lochkartor-render; do
    shown=$(timeout 60 "$root/usr/bin/$program" --version) || fail "$program --version failed"
    [[ $shown == *"$version"* ]] || fail "$program --version shows '$shown'"
  done
  window_help=$(LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= timeout 60 "$root/usr/bin/lochkartor" --help) ||
    fail "lochkartor --help failed"
  check_documented lochkartor "$window_help"
fi
english=$(LANG=en_GB.UTF-8 LC_ALL= LANGUAGE= "$render" --help)
[[ $english == Usage:* ]] || fail "the installed renderer finds no English translation: $english"
json=$("$render" --json "$source_dir/tests/data/tubes/triode.tds") || fail "rendering a tube failed"
[[ $json == '{"file":'* ]] || fail "the installed renderer printed: $json"

[ "$status" -eq 0 ] && echo "package lochkartor_${version}_${arch}.deb ok"
exit "$status"
