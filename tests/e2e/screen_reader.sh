#!/usr/bin/env bash
# The pages as a screen reader hears them, over AT-SPI on a session bus of the test's own: with
# an assistive technology announced, the catalogue's page names every work it lists, by link and
# by picture, under the window's own name, and the information page reads as its headings and
# paragraphs.
[ -n "${E2E_SESSION_BUS:-}" ] || exec env E2E_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/e2e.sh"
READER="$(dirname "$0")/screen_reader.py"

start_xserver 1280x1024
# The accessibility bus and its registry, started by the session bus, need the display.
dbus-update-activation-environment DISPLAY
# What a screen reader does as it starts: tells every program on the bus that one listens.
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" >/dev/null ||
    fail "no accessibility bus"
install_copy "$1"
printf '[MESSAGES]\r\nshowclosemessage=0\r\n' >"$APP/settings.ini"
start_viewer

# The first sign card: every work of the catalogue.
xdotool mousemove $((MAIN_X + ALL_DESIGNS_SIGN_X)) $((MAIN_Y + ALL_DESIGNS_SIGN_Y)) click 1
wait_for_result "every work"
/usr/bin/python3 "$READER" Velmora Catalogue link image >"$E2E_TMP/catalogue.txt" ||
    fail "the catalogue's page is not read"
screenshot catalogue
listed=$(LC_ALL=C grep -ao 'class=name>[^<]*' "$APP/html/sortresult.htm" | sed 's/^class=name>//' |
    iconv -f cp1251 -t utf-8 | sort)
# Besides the works' pictures, each card has the two small signs its page gives a title.
for role in link image; do
    heard=$(sed -n "s/^$role: //p" "$E2E_TMP/catalogue.txt" |
        grep -vx -e 'Complexity of work' -e 'Time of work' | sort)
    [ "$heard" = "$listed" ] ||
        fail "the catalogue's ${role}s are not its works: $(diff <(echo "$listed") <(echo "$heard") | head -5)"
done

click_button "$MAIN_X" "$MAIN_Y" zoom
/usr/bin/python3 "$READER" Velmora About heading paragraph >"$E2E_TMP/about.txt" ||
    fail "the information page is not read"
screenshot about
headings=$(grep -o '<h[1-6]>[^<]*' "$APP/html/about.htm" | sed 's/^<h[1-6]>//')
[ "$(sed -n 's/^heading: //p' "$E2E_TMP/about.txt")" = "$headings" ] ||
    fail "the information page's headings are not heard: $(cat "$E2E_TMP/about.txt")"
[ "$(grep -c '^paragraph: ' "$E2E_TMP/about.txt")" = "$(grep -c '<p[ >]' "$APP/html/about.htm")" ] ||
    fail "the information page's paragraphs are not heard: $(cat "$E2E_TMP/about.txt")"
grep -qx 'paragraph: a catalogue of nail art' "$E2E_TMP/about.txt" ||
    fail "a paragraph's text is not heard: $(cat "$E2E_TMP/about.txt")"
exit 0
