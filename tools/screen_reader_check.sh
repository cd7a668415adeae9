#!/usr/bin/env bash
# The program as a blind student hears it: under Xvfb with a D-Bus session,
# the AT-SPI bus and the Orca screen reader, driven by keys. Orca's debug log
# holds every line it would speak, even with no speech server; each step
# waits for the line it must bring. Installs what it needs (through sudo
# when not run as root) and builds the program. Not part of tools/test.sh:
# it needs a desktop's screen reader and takes about a minute.
#
# The speech ends up in build/screen_reader/speech.txt, Orca's whole log
# beside it. Non-zero when a line that should be spoken was not.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/screen_reader"

if [[ "${1:-}" != --inside ]]; then
    packages=(orca python3-pyatspi at-spi2-core xvfb dbus-x11 xdotool openbox)
    "$root/tools/install_missing.sh" "${packages[@]}"
    "$root/tools/build.sh" --target pernam3
    rm -rf "$out"
    mkdir -p "$out"
    # A display of its own; Xvfb writes the number it took.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        [[ -s "$out/display" ]] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$out/display")"
    status=0
    dbus-run-session -- "$0" --inside || status=$?
    grep -o "SPEECH OUTPUT: .*" "$out/orca.log" >"$out/speech.txt" || true
    cat "$out/speech.txt"
    exit "$status"
fi

# Inside the D-Bus session: the accessibility bus, Orca, a window manager and
# the program, each ended on the way out.
log="$out/orca.log"
pids=()
trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
export LANG=C.UTF-8 LANGUAGE= XDG_CONFIG_HOME="$out/config" XDG_DATA_HOME="$out/data"
# No speech server: Orca logs what it would say, and starting one could wait
# on a sound device that is not there.
export SPEECHD_CMD=/bin/false
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
sleep 1
/usr/libexec/at-spi2-registryd --use-gnome-session=false &
pids+=($!)
orca --replace --user-prefs "$out/orca-prefs" --debug-file="$log" >"$out/orca.out" 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)

# Orca writes its log in blocks, whole only once it has ended; so the keys
# come at a steady pace, and what each should bring is looked for, in order,
# afterwards.
pace=${PACE:-1.5}
expected=()
should_hear() { expected+=("$1"); }
press() {
    xdotool "$@"
    sleep "$pace"
}

sleep 5
should_hear "Screen reader on"
cd "$root/build/app"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb ./pernam3 >"$out/program.out" 2>&1 &
program=$!
pids+=("$program")
sleep 4

# Both counts, the default 100 read whole and selected. Over AT-SPI, the
# word at the end of the field's text comes back rather than hanging the box.
should_hear "お客人数の設定 dialog"
should_hear "^SPEECH OUTPUT: '100 selected"
word_at_end=ok
timeout 30 /usr/bin/python3 - >"$out/word_at_end.txt" 2>&1 <<'PYTHON' || word_at_end=failed
import pyatspi

def focused_text(node):
    if node.getRole() == pyatspi.ROLE_TEXT and node.getState().contains(pyatspi.STATE_FOCUSED):
        return node
    for child in node:
        found = focused_text(child) if child else None
        if found:
            return found
    return None

for app in pyatspi.Registry.getDesktop(0):
    if app and app.name == "pernam3":
        text = focused_text(app).queryText()
        print(text.getText(0, -1), text.getTextAtOffset(text.characterCount,
                                                        pyatspi.TEXT_BOUNDARY_WORD_START))
PYTHON
press type 35
press key Return
should_hear "実験回数の設定 dialog"
press type 50
press key Return
should_hear "実験開始 push button"

# The run: the focus moves to the graph, which says the outcome and its rows.
press key space
should_hear "度数分布のグラフ　実験回数 50回　不足枚数の平均 -?[0-9]*\.[0-9]"
should_hear "List with [0-9]+ items"
press key Down
should_hear "'-?[0-9]+(以下|以上)?　[0-9]+回"
press key Down
should_hear "'-?[0-9]+(以下|以上)?　[0-9]+回"
press key End
should_hear "'1　[0-9]+回"

# The quit question with its buttons; No goes back.
press key shift+Tab
should_hear "初期化 push button"
press key shift+Tab
should_hear "終了 push button"
press key space
should_hear "alert ペルナムの実験"
should_hear "終了していいですか？"
should_hear "はい\(Y\) push button"
press key Tab
should_hear "いいえ\(N\) push button"
press key space
should_hear "終了 push button"

# The help text, its heading and then sentence by sentence.
press key Tab Tab Tab
should_hear "HELP push button"
press key space
should_hear "閉じる push button"
press key Tab
should_hear "設問と操作方法 read only text"
press key Down
should_hear "【問　　題】"
press key Down
should_hear "クラス会などの幹事を務めることはありませんか。"
press key Down
should_hear "幹事になったつもりで考えてみてください。"

# Back to a fresh main window, which asks again; Escape, then the end
# question's default Yes, ends the program.
press key shift+Tab
should_hear "閉じる push button"
press key space
should_hear "お客人数の設定 dialog"
press key Escape
should_hear "確認"
press key Return
ended=yes
kill -0 "$program" 2>/dev/null && ended=no

# Orca writes the rest of its log as it ends; a program that hangs can keep
# it waiting, so not for long.
kill "${pids[2]}"
for _ in $(seq 100); do
    kill -0 "${pids[2]}" 2>/dev/null || break
    sleep 0.1
done
status=0
line=0
mapfile -t speech < <(grep -o "SPEECH OUTPUT: .*" "$log")
for pattern in "${expected[@]}"; do
    while ((line < ${#speech[@]})) && ! grep -qE -- "$pattern" <<<"${speech[line]}"; do
        line=$((line + 1))
    done
    if ((line == ${#speech[@]})); then
        echo "NOT HEARD (in this order): $pattern" >&2
        status=1
        break
    fi
    echo "heard: ${speech[line]}"
    line=$((line + 1))
done
echo "word at the end of the field: $(cat "$out/word_at_end.txt")"
if [[ $word_at_end != ok ]]; then
    echo "the word at the end of the field did not come back" >&2
    status=1
fi
if [[ $ended != yes ]]; then
    echo "the program did not end" >&2
    status=1
fi
exit "$status"
