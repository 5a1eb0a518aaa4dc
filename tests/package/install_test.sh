#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop finds there: the menu entry,
# the metainfo, the project file type, the icons, the manual pages and the shell completion.
set -uo pipefail
build_dir=$1
source_dir=$2
app_id=example.marquetto.Marquetto
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
share=$root/usr/share
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_equal() { # what actual expected
    [ "$2" == "$3" ] || fail "$1: got '$2', expected '$3'"
}

DESTDIR=$root cmake --install "$build_dir" --prefix /usr >"$work/install.log" || {
    cat "$work/install.log"
    exit 1
}

for file in usr/bin/marquetto usr/bin/marquetto-cli; do
    [ -x "$root/$file" ] || fail "$file is not installed as a program"
done
preview_program=$(compgen -G "$root/usr/lib/*/marquetto/marquetto-preview") || fail "the preview program is not installed"
[ -x "$preview_program" ] || fail "$preview_program is not installed as a program"
compgen -G "$root/usr/bin/marquetto-preview*" && fail "the preview program is on the PATH"

# The menu entry: valid, opening files of the project type with the wizard.
desktop=$share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
expect_equal "Exec of the menu entry" "$(sed -n 's/^Exec=//p' "$desktop")" "marquetto %f"
expect_equal "Icon of the menu entry" "$(sed -n 's/^Icon=//p' "$desktop")" "$app_id"
grep -qx 'MimeType=application/x-marquetto-project;' "$desktop" || fail "the menu entry does not claim the project type"
for language in de fr es; do
    [ -s "$share/marquetto/translations/marquetto_$language.qm" ] || fail "no compiled catalogue for $language"
done
for language in de fr es; do
    grep -q "^GenericName\[$language\]=" "$desktop" && grep -q "^Comment\[$language\]=" "$desktop" ||
        fail "the menu entry has no name or comment in $language"
done

# AppStream: no error and no warning (infos and pedantic notes are allowed).
metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1
grep -E '^[EW]:' "$work/appstream.log" && fail "appstreamcli found errors or warnings in $metainfo"
grep -q 'Validation was successful' "$work/appstream.log" || { cat "$work/appstream.log"; fail "appstreamcli did not pass"; }
for language in de fr es; do
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" || fail "the metainfo has no summary in $language"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the installed menu entry"
# Each screenshot it names is kept in the repository, to be published where it points.
for picture in $(sed -n 's|.*<image>https://www.marquetto.example/screenshots/\(.*\)</image>.*|\1|p' "$metainfo"); do
    file "$source_dir/data/screenshots/$picture" | grep -q 'PNG image data' || fail "no screenshot $picture in data/screenshots"
done

# The project type, by name and by first bytes, and the wizard as a program that opens it.
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database refused the project type"
update-desktop-database "$share/applications" || fail "update-desktop-database refused the menu entry"
samples=$work/samples
mkdir -p "$samples"
# Each sample is known by one rule only: its name, or its first bytes.
printf 'written by hand\n' >"$samples/news.tkp"
printf '#%%#qvo-nameoftext=scroller_endof-qvo-nameoftext#%%#\n' >"$samples/saved-without-extension"
printf 'plain words\n' >"$samples/notes.txt"
content_type() {
    XDG_DATA_HOME=$work/nothing XDG_DATA_DIRS=$share gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p'
}
expect_equal "type of news.tkp" "$(content_type "$samples/news.tkp")" application/x-marquetto-project
expect_equal "type of a project without extension" "$(content_type "$samples/saved-without-extension")" \
    application/x-marquetto-project
expect_equal "type of notes.txt" "$(content_type "$samples/notes.txt")" text/plain
expect_equal "xdg-mime on news.tkp" \
    "$(XDG_CURRENT_DESKTOP=GNOME XDG_DATA_HOME=$work/nothing XDG_DATA_DIRS=$share xdg-mime query filetype "$samples/news.tkp")" \
    application/x-marquetto-project
grep -qx "application/x-marquetto-project=$app_id.desktop;" "$share/applications/mimeinfo.cache" ||
    fail "the desktop database does not open projects with the wizard"

# Icons: the drawing, and each rendered size as large as its folder says.
[ -s "$share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size-pixel PNG"
done

# Manual pages: formatted without a complaint, with a name line for whatis and apropos.
for page in marquetto marquetto-cli; do
    manual=$root/usr/share/man/man1/$page.1.gz
    [ -f "$manual" ] || { fail "no manual page $page(1)"; continue; }
    warnings=$(MANWIDTH=80 man -l --warnings=all "$manual" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man found faults in $page(1): $warnings"
    whatis_line=$(lexgrog "$manual")
    [[ $whatis_line == *"\"$page - "* ]] || fail "lexgrog finds no name line in $page(1): $whatis_line"
done
cli_manual=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/marquetto-cli.1.gz" 2>/dev/null)
for section in SYNOPSIS OPTIONS "EXIT STATUS" EXAMPLES; do
    grep -q "^$section" <<<"$cli_manual" || fail "marquetto-cli(1) has no $section"
done
for option in --project --out --to --format --from --max --target --length --append --help --version; do
    grep -q -- "$option" <<<"$cli_manual" || fail "marquetto-cli(1) does not describe $option"
done

# Completion, as bash runs it: COMP_WORDS as typed, the cursor on the last word; the installed program on
# the PATH, as the names of set come from it.
completions=$root/usr/share/bash-completion/completions/marquetto-cli
mkdir -p "$samples/site"
complete_line() {
    (cd "$samples" && PATH=$root/usr/bin:$PATH bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _marquetto_cli
        printf "%s\n" "${COMPREPLY[@]}" | sort | paste -sd " "' "$completions" marquetto-cli "$@")
}
expect_equal "completing a command" "$(complete_line '')" "check generate help import messages save set show"
expect_equal "completing 'ge'" "$(complete_line ge)" "generate"
expect_equal "completing the options of save" "$(complete_line save --)" "--help --project --to"
expect_equal "completing a project" "$(complete_line check '')" "news.tkp site"
expect_equal "completing --project" "$(complete_line generate --project n)" "news.tkp"
expect_equal "completing --out=" "$(complete_line generate --out = '')" "site"
expect_equal "completing help" "$(complete_line help c)" "check"
expect_equal "completing the options of check" "$(complete_line check --)" "--format --help --project"
expect_equal "completing --format" "$(complete_line check --format '')" "json text"
expect_equal "completing the options of import" "$(complete_line import --)" \
    "--append --from --help --length --max --project --target --to"
expect_equal "completing --from, a feed of any name" "$(complete_line import --from n)" "news.tkp notes.txt"
expect_equal "completing a name after set" "$(complete_line set --to news.tkp left)" "left-margin="
expect_equal "completing the entries of a list" "$(complete_line set style = '')" 'News\ Fader News\ Scroller'
expect_equal "completing an entry begun" "$(complete_line set transition-effect = R)" 'Radial\ Wipe Random\ Dissolve'
expect_equal "completing an option's value" "$(complete_line set light-motion = o)" "off on"
expect_equal "completing the options of show" "$(complete_line show --)" "--format --help --project"

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
echo "the installed files are valid"
