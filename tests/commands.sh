#!/usr/bin/env bash
# Every program the build, the tests and `make package` call comes from a
# package that scripts/install-deps.sh installs (or from one that every
# Debian system has), so that ./test.sh passes on a fresh machine and not
# only where a program happened to be installed already.
set -uo pipefail
source_dir=${1:?source directory}

# The programs called, beyond the compiler and CMake: by the tests (shell and
# QtTest), by cpack for the Debian package (file, dpkg-shlibdeps) and by the
# screenshots.
commands=(
  cmake cpack make g++ pkg-config
  file dpkg dpkg-deb dpkg-shlibdeps dpkg-query readelf
  appstreamcli man lexgrog gzip zcat
  desktop-file-validate xmllint update-mime-database
  pdfinfo pdftoppm pdftotext
  Xvfb xdotool xauth
  mount umount chattr
  bash sed grep find sort diff head wc cut mktemp
)

status=0
fail() {
  echo "FAIL: $*"
  status=1
}

# A program named by a test but missing from the list above.
named=$(
  grep -ohE '(runTool|QProcess::execute|start)\(QStringLiteral\("[A-Za-z0-9_.-]+"\)' \
    "$source_dir"/tests/*.cpp | sed -E 's/.*\("([^"]+)"\)/\1/'
  sed -nE 's/^\s*for tool in ([A-Za-z0-9_. -]+); do.*/\1/p' \
    "$source_dir"/tests/*.sh "$source_dir"/scripts/*.sh | tr ' ' '\n'
)
for program in $named; do
  [[ " ${commands[*]} " == *" $program "* ]] || fail "$program is called but not in this check's list"
done

# The packages install-deps.sh names.
read -ra installed <<<"$(sed -n '/^packages=(/,/^)/p' "$source_dir/scripts/install-deps.sh" |
  sed '1d;$d' | tr '\n' ' ')"

# The package that holds a file, asked of dpkg under both names a merged
# /usr gives it.
package_of() {
  local path=$1 found
  for candidate in "$path" "${path/#\/usr\/bin\//\/bin\/}" "${path/#\/usr\/sbin\//\/sbin\/}" \
                   "$(readlink -f "$path")"; do
    found=$(dpkg-query -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1) && [ -n "$found" ] &&
      { echo "$found"; return 0; }
  done
  return 1
}

for program in "${commands[@]}"; do
  path=$(command -v "$program") || { fail "$program is not installed"; continue; }
  package=$(package_of "$path") || { fail "$program ($path) comes from no Debian package"; continue; }
  [[ " ${installed[*]} " == *" $package "* ]] && continue
  # What every Debian system has, minimal ones included.
  kind=$(dpkg-query -W -f='${Essential} ${Priority}' "$package" 2>/dev/null)
  [[ $kind == yes* || $kind == *required ]] && continue
  fail "$program comes from $package, which scripts/install-deps.sh does not install"
done
[ $status -eq 0 ] && echo "all ${#commands[@]} programs come from installed packages"
exit $status
