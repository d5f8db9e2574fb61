#!/usr/bin/env bash
# Installs the build into a scratch root, checks that a desktop finds everything it needs there,
# and starts the installed program on the X server in DISPLAY (cmake/headless.sh gives it one of
# its own) until its main window is up.
# Usage: install_test.sh BUILD_DIR APP_ID "ICON_SIZES"
set -euo pipefail
build=$1
app_id=$2
IFS='; ' read -r -a icon_sizes <<<"$3"
root=$(mktemp -d)
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

share="$root/usr/share"
expected=(
    "$root/usr/bin/tessaly"
    "$share/man/man1/tessaly.1"
    "$share/applications/$app_id.desktop"
    "$share/metainfo/$app_id.metainfo.xml"
    "$share/icons/hicolor/scalable/apps/$app_id.svg"
    "$share/bash-completion/completions/tessaly"
    "$share/zsh/vendor-completions/_tessaly"
    "$share/fish/vendor_completions.d/tessaly.fish"
)
for size in "${icon_sizes[@]}"; do
    expected+=("$share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
    [ -s "$file" ] || fail "not installed: ${file#"$root"}"
done
[ -x "$root/usr/bin/tessaly" ] || fail "the program is not executable"

desktop-file-validate "$share/applications/$app_id.desktop"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop" || fail "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$share/metainfo/$app_id.metainfo.xml" || fail "metadata launches another desktop entry"

# bash-completion and fish find their scripts where the package puts them, by themselves.
completed=$(PATH="$root/usr/bin:$PATH" XDG_DATA_DIRS="$share" bash -c \
    'source /usr/share/bash-completion/bash_completion; _completion_loader tessaly; complete -p tessaly')
[ "$completed" = "complete -F _tessaly tessaly" ] || fail "bash-completion loads: $completed"
completed=$(PATH="$root/usr/bin:$PATH" XDG_DATA_DIRS="$share" HOME="$root" XDG_CONFIG_HOME="$root" fish -c \
    'complete -C"tessaly --accept-disclaimer Pounds\\ to\\ Ki"')
[ "$completed" = "Pounds to Kilograms" ] || fail "fish completes: $completed"
echo "installed completion found by bash-completion and fish"

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
"$root/usr/bin/tessaly" >/dev/null 2>&1 &
program=$!
# xdotool --sync searches again and again until a mapped window of Tessaly's class is there.
window=$(timeout 10 xdotool search --sync --onlyvisible --classname '^tessaly$' 2>/dev/null | head -n 1) || true
[ -n "$window" ] || fail "no main window within 10 s"

title=$(xprop -id "$window" WM_NAME)
class=$(xprop -id "$window" WM_CLASS)
# Whole, not cut short with head: under pipefail xprop's broken pipe would end the script.
icon=$(xprop -id "$window" _NET_WM_ICON)
[ "$title" = 'WM_NAME(STRING) = "Tessaly"' ] || fail "title: $title"
[ "$class" = 'WM_CLASS(STRING) = "tessaly", "Tessaly"' ] || fail "class: $class"
grep -q 'Icon (' <<<"$icon" || fail "no window icon: $(head -n 2 <<<"$icon")"
echo "installed program shows its main window $window: title, class and icon as expected"
