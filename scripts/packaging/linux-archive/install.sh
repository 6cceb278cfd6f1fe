#!/usr/bin/env bash
# ORL Chordwell @VERSION@: installs this archive for the current user, or with --uninstall
# removes what it installed. Plug-ins go where Linux hosts look for the user's plug-ins
# (~/.vst3, ~/.lv2); chordwell-host and its plug-in library under ~/.local; the manual and
# the man page under ~/.local/share. Every file and folder it makes is listed in
# ~/.local/share/orl-chordwell/installed-files, and --uninstall removes exactly those.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[[ -n ${HOME:-} && -d $HOME ]] || { echo "install.sh: HOME is not a folder" >&2; exit 1; }
data=${XDG_DATA_HOME:-$HOME/.local/share}
[[ $data == /* ]] || data=$HOME/.local/share
record="$data/orl-chordwell/installed-files"

uninstall() {
  [[ -f $record ]] || { echo "install.sh: nothing installed (no $record)"; return 0; }
  local kind path
  # Files first, then the folders this installation made, deepest first, when empty.
  local entries
  entries=$(cat "$record")
  rm -f -- "$record"
  while IFS=$'\t' read -r kind path; do
    [[ $kind == f ]] && rm -f -- "$path"
  done <<<"$entries"
  tac <<<"$entries" | while IFS=$'\t' read -r kind path; do
    if [[ $kind == d ]]; then rmdir -- "$path" 2>/dev/null || true; fi
  done
  echo "install.sh: ORL Chordwell removed"
}

# copy SOURCE DEST: SOURCE (a file or a folder) to DEST, recording what it makes.
copy() {
  local source=$1 dest=$2 rel
  make_folder "$(dirname "$dest")"
  if [[ -d $source ]]; then
    make_folder "$dest"
    while IFS= read -r -d '' rel; do
      rel=${rel#"$source"/}
      if [[ -d "$source/$rel" ]]; then
        make_folder "$dest/$rel"
      else
        install -m "$(stat -c %a "$source/$rel")" -- "$source/$rel" "$dest/$rel"
        made+=("f	$dest/$rel")
      fi
    done < <(find "$source" -mindepth 1 -print0 | sort -z)
  else
    install -m "$(stat -c %a "$source")" -- "$source" "$dest"
    made+=("f	$dest")
  fi
}

# make_folder DIR: makes DIR and its missing parents, recording each one it made.
make_folder() {
  local dir=$1
  [[ -d $dir ]] && return 0
  make_folder "$(dirname "$dir")"
  mkdir -- "$dir"
  made+=("d	$dir")
}

case ${1:-} in
  --uninstall) uninstall; exit 0 ;;
  "") ;;
  *) echo "usage: install.sh [--uninstall]" >&2; exit 2 ;;
esac

# A new installation replaces an earlier one of this script, and the bundles of the same name.
uninstall >/dev/null
vst3="$HOME/.vst3/ORL Chordwell.vst3"
lv2="$HOME/.lv2/orl-chordwell.lv2"
rm -rf -- "$vst3" "$lv2"

# What was made is recorded even when a copy fails half-way, so --uninstall can remove it.
made=()
make_folder "$data/orl-chordwell"
trap 'printf "%s\n" "${made[@]}" >"$record"' EXIT
copy "$here/lib/vst3/ORL Chordwell.vst3" "$vst3"
copy "$here/lib/lv2/orl-chordwell.lv2" "$lv2"
copy "$here/bin/chordwell-host" "$HOME/.local/bin/chordwell-host"
copy "$here/lib/orl-chordwell" "$HOME/.local/lib/orl-chordwell"
copy "$here/share/doc/orl-chordwell/manual.html" "$data/doc/orl-chordwell/manual.html"
copy "$here/share/man/man1/chordwell-host.1" "$data/man/man1/chordwell-host.1"
echo "install.sh: ORL Chordwell installed: $vst3, $lv2, $HOME/.local/bin/chordwell-host"
echo "install.sh: rescan plug-ins in your audio program; remove with: $0 --uninstall"
