# Sourced by the scripts that sign and verify the Windows downloads: what a
# path given to them stands for. A folder stands for every program and
# library in it, which a plant's application control checks one by one; a
# folder with none is an empty or unfinished tree (a stage whose install
# step failed, say), never one whose every file is signed.
#   portable_executables PATH...   fills the array portable_executables, or
#                                  ends the caller with its fail() and why
portable_executables() {
  portable_executables=()
  local path found
  [ $# -gt 0 ] || fail "no file or folder given"
  for path in "$@"; do
    if [ -d "$path" ]; then
      mapfile -t found < <(find "$path" -type f \( -iname '*.exe' -o -iname '*.dll' \) | LC_ALL=C sort)
      [ ${#found[@]} -gt 0 ] ||
        fail "$path holds no program or library (.exe, .dll): an empty or unfinished tree"
      portable_executables+=("${found[@]}")
    elif [ -f "$path" ]; then
      portable_executables+=("$path")
    else
      fail "$path: no such file or folder"
    fi
  done
}
