#!/bin/sh
# The catalogues, translations/ostrelo_<language>.ts, against the texts of the code:
#   scripts/translations.sh update LUPDATE    brings them up to date (`make translations`)
#   scripts/translations.sh check LUPDATE     fails when they are not (`make test`)
# LUPDATE is Qt's lupdate as CMake finds it (the check_translations and update_translations
# targets pass it), so that the Qt the program is built with reads the code.
# The check fails when running lupdate would change a catalogue (a text added, changed or removed
# in the code since the last update: lupdate runs on a copy, which is compared byte for byte),
# and when a text of a shipped catalogue has no finished translation or its translation does not
# keep the source's %1, %2, ... placeholders.
set -eu
cd "$(dirname "$0")/.."
[ "$#" -eq 2 ] || { echo "usage: $0 update|check LUPDATE" >&2; exit 2; }
action=$1
lupdate=$2

# update_catalogues DIR: lupdate on every catalogue in DIR. Without line numbers, so that code
# that moves within a file leaves the catalogues alone; without obsolete entries, so that a text
# removed from the code leaves them too. The texts in the code are Chinese.
update_catalogues() {
    for catalogue in "$1"/*.ts; do
        "$lupdate" -silent -locations none -no-obsolete -source-language zh_CN src \
            -ts "$catalogue" || return 1
    done
}

# unfinished CATALOGUE: one line for each message without a finished translation or whose
# translation lost or gained a placeholder.
unfinished() {
    awk -v catalogue="$1" '
        function placeholders(text,    found, list) {
            list = ""
            while (match(text, /%[0-9]+/)) {
                found = substr(text, RSTART, RLENGTH)
                list = list " " found
                text = substr(text, RSTART + RLENGTH)
            }
            return list
        }
        function sorted(list,    n, words, i, j, swap, out) {
            n = split(list, words, " ")
            for (i = 1; i <= n; i++)
                for (j = i + 1; j <= n; j++)
                    if (words[j] < words[i]) { swap = words[i]; words[i] = words[j]; words[j] = swap }
            out = ""
            for (i = 1; i <= n; i++) out = out " " words[i]
            return out
        }
        /<name>/ { context = $0; sub(/.*<name>/, "", context); sub(/<\/name>.*/, "", context) }
        /<message/ { source = ""; translation = ""; kind = ""; part = "" }
        /<source>/ { part = "source" }
        /<translation/ {
            part = "translation"
            if (match($0, /type="[a-z]+"/)) kind = substr($0, RSTART + 6, RLENGTH - 7)
        }
        part == "source" { source = source "\n" $0 }
        part == "translation" { translation = translation "\n" $0 }
        /<\/source>/ { part = "" }
        /<\/translation>/ { part = "" }
        /<\/message>/ {
            sub(/^\n[ \t]*<source>/, "", source); sub(/<\/source>.*$/, "", source)
            sub(/^\n[ \t]*<translation[^>]*>/, "", translation)
            sub(/<\/translation>.*$/, "", translation)
            first = source; sub(/\n.*/, "", first)
            if (kind != "" || translation == "")
                printf "%s: %s: \"%s\": no finished translation\n", catalogue, context, first
            else if (sorted(placeholders(source)) != sorted(placeholders(translation)))
                printf "%s: %s: \"%s\": placeholders%s in the source,%s in the translation\n",
                    catalogue, context, first, placeholders(source), placeholders(translation)
        }
    ' "$1"
}

case $action in
update)
    update_catalogues translations
    ;;
check)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    cp translations/*.ts "$scratch"
    update_catalogues "$scratch" >"$scratch/lupdate.log" 2>&1 \
        || { cat "$scratch/lupdate.log" >&2; exit 1; }
    status=0
    for catalogue in translations/*.ts; do
        if ! cmp -s "$catalogue" "$scratch/${catalogue##*/}"; then
            echo "$catalogue does not match the code; run make translations and translate:" >&2
            diff -u "$catalogue" "$scratch/${catalogue##*/}" >&2
            status=1
        fi
        unfinished "$catalogue" >"$scratch/unfinished"
        if [ -s "$scratch/unfinished" ]; then
            cat "$scratch/unfinished" >&2
            status=1
        fi
    done
    [ "$status" -eq 0 ] \
        && echo "translations: $(ls translations/*.ts | wc -l) catalogue(s) match the code, every text translated"
    exit "$status"
    ;;
*)
    echo "usage: $0 update|check LUPDATE" >&2
    exit 2
    ;;
esac
