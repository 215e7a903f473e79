#!/usr/bin/env bash
# Runs a command on the X display of DISPLAY under openbox, once openbox
# manages the screen, and exits with the command's status.
set -u
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
# A run that never happened is a failure.
echo 125 > "$dossier/statut"
# The command keeps this folder and this script's output (openbox closes
# every other descriptor of what it starts); openbox's own notes go to its
# log, shown when openbox fails.
{
  printf 'cd %q\n' "$PWD"
  printf '%q ' "$@"
  printf '>>/proc/%d/fd/1 2>>/proc/%d/fd/2\n' $$ $$
  printf 'echo $? > %q\nopenbox --exit\n' "$dossier/statut"
} > "$dossier/commande"
# openbox starts the command after it has taken the screen; --exit ends it.
openbox --sm-disable --startup "bash $dossier/commande" >"$dossier/openbox.log" 2>&1 \
  || { cat "$dossier/openbox.log" >&2; exit 1; }
exit "$(cat "$dossier/statut")"
