#!/bin/bash
# Runs the core tests cross-built for Windows under Wine, headless, and
# exits with their status.
#
#   tools/windows/run-core-tests.sh BUILD_DIR [GTEST_ARGS...]
#
# BUILD_DIR holds tests/core_tests.exe: build/windows after make windows-test,
# or the core alone, with GTEST_PREFIX as tools/windows/deps.sh prints it:
#   cmake -S . -B build/win-tests -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DTOVEL_BUILD_UI=OFF -DGTEST_PREFIX=...
#   cmake --build build/win-tests -j2 --target core_tests
#
# Wine runs in a private prefix in a temporary folder, removed afterwards.
# Its ANSI code page is 1251 (Cyrillic), not 1252: file names that the
# program converts from Windows-1252 itself come out right, and any that
# went through the code page would not. Wine takes the code page from the
# Unix locale, so a ru_RU.UTF-8 locale is made for this run alone (LOCPATH),
# from the sources of Debian's locales package; the tests check that the code
# page really is 1251.
set -u

build=${1:?usage: run-core-tests.sh BUILD_DIR [GTEST_ARGS...]}
shift
exe=$build/tests/core_tests.exe
if [ ! -f "$exe" ]; then
  echo "run-core-tests.sh: $exe does not exist; build the Windows core tests first" >&2
  exit 2
fi
for tool in wine localedef; do
  if ! command -v "$tool" >/dev/null; then
    echo "run-core-tests.sh: $tool is missing (apt-get install wine locales)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tovel-wine.XXXXXX")
cleanup() {
  # The prefix's own server only; it would otherwise linger a few seconds.
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/locale" "$work/prefix"
if ! localedef -i ru_RU -f UTF-8 "$work/locale/ru_RU.UTF-8" >"$work/localedef.log" 2>&1; then
  cat "$work/localedef.log" >&2
  echo "run-core-tests.sh: could not make the ru_RU.UTF-8 locale (needs Debian's locales package)" >&2
  exit 2
fi

export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
# No dialogs offering to install Mono or Gecko into the new prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
export TOVEL_EXPECTED_ACP=1251

# The locale is Wine's alone: this shell cannot use it.
export LOCPATH=$work/locale
run_in_locale() { LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 "$@"; }
# Set the prefix up first, so that its messages (a 32-bit helper missing
# from a 64-bit-only Wine, and the like) stay out of the test output.
run_in_locale wineboot -i >"$work/wineboot.log" 2>&1
run_in_locale wineserver -w
run_in_locale wine "$exe" --gtest_brief=1 "$@" 2>&1 | tee "$work/output"
status=${PIPESTATUS[0]}

# Wine's console ends lines with CR LF. The brief output names each failed
# test once and gives no count of them.
tr -d '\r' <"$work/output" >"$work/lines"
count() {
  sed -n "s/^\[  $1 *\] \([0-9]*\) tests\{0,1\}\.\$/\1/p" "$work/lines" | tail -n 1
}
passed=$(count PASSED)
skipped=$(count SKIPPED)
failed=$(grep -c '^\[  FAILED  \] [A-Za-z_]' "$work/lines")
echo "Windows core tests under Wine, ANSI code page 1251:"
echo "wine: ${passed:-0} passed, ${failed:-0} failed, ${skipped:-0} skipped"
if [ "$status" -eq 0 ] && [ "${passed:-0}" -eq 0 ]; then
  echo "run-core-tests.sh: the test program ran no test" >&2
  exit 1
fi
exit "$status"
