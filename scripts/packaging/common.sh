# Sourced by the packaging scripts and by the suites that check what they make: the facts and
# steps they share.

# The product version a configured build tree was made with (its CMake project version).
build_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# Every time stamp in a download is the last commit's, unless the caller chose one: the same
# commit packs to the same bytes.
use_commit_time() {
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$1" log -1 --format=%ct)}
}

is_elf() {
  [[ $(head -c 4 "$1" | od -An -c | tr -d ' ') == 177ELF ]]
}

# Folders 0755, files 0644, whoever made them; the caller then marks what runs.
normalise_modes() {
  find "$1" -type d -exec chmod 0755 {} +
  find "$1" -type f -exec chmod 0644 {} +
}
