# Shared by the end-to-end tests, the monkey test, the screenshot and the
# start-up bench: a private Xvfb display and session bus, the real executable
# on them, and mouse and keyboard through xdotool. Source it, then call
# demarre_xvfb and lance_orbeline.

XVFB_PID=""
BUS_PID=""
APP_PID=""

arrete_tout() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null
  wait 2>/dev/null
  true
}
trap arrete_tout EXIT

# The first line a server writes into a file as it starts (its address, its
# display number), waited for 5 s at most; the file is removed.
premiere_ligne() {
  local ligne=""
  for _ in $(seq 100); do
    ligne=$(head -n 1 "$1")
    [ -n "$ligne" ] && break
    sleep 0.05
  done
  rm -f "$1"
  printf '%s' "$ligne"
}

# Nothing of the developer's desktop reaches the programs started here: no
# session manager, desktop theme or input method of theirs, and a session
# bus of their own. Qt looks for the bus at start (accessibility); with none
# named, libdbus autolaunches one through dbus-launch (dbus-x11), which writes
# into ~/.dbus and outlives the test. This one is ended by arrete_tout, and
# starts no service on demand (bus-prive.conf): no desktop portal, no
# accessibility bus outlives it. The bus is a child of this shell, so that
# ending it also reaps it.
isole_session() {
  unset SESSION_MANAGER XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID \
    KDE_FULL_SESSION KDE_SESSION_VERSION QT_QPA_PLATFORMTHEME QT_IM_MODULE XMODIFIERS GTK_MODULES \
    AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
  local fichier adresse=""
  fichier=$(mktemp)
  dbus-daemon --config-file="$(dirname "${BASH_SOURCE[0]}")/bus-prive.conf" --nofork --nopidfile \
    --print-address=3 3>"$fichier" >/dev/null 2>&1 &
  BUS_PID=$!
  adresse=$(premiere_ligne "$fichier")
  [ -n "$adresse" ] || return 1
  export DBUS_SESSION_BUS_ADDRESS=$adresse
}

# Starts Xvfb on a display number it picks itself (-displayfd): choosing a
# free number here would race with another test starting its own server.
# The session bus starts once DISPLAY names that server.
# -noreset: by default the server resets when its last client leaves (the
# check below), and a program connecting during the reset is turned away.
demarre_xvfb() {
  local fichier n=""
  fichier=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fichier" >/dev/null 2>&1 &
  XVFB_PID=$!
  n=$(premiere_ligne "$fichier")
  if [ -z "$n" ] || ! DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
    echo "Xvfb n'a pas démarré" >&2
    return 1
  fi
  export DISPLAY=":$n"
  isole_session || { echo "dbus-daemon n'a pas démarré" >&2; return 1; }
}

# Starts the program with the arguments after $1; its standard error goes to $1.
lance_orbeline() {
  local erreurs=$1
  shift
  QT_QPA_PLATFORM=xcb "$ORBELINE" "$@" 2>"$erreurs" &
  APP_PID=$!
}

# Waits until a window with exactly this title is mapped; prints its id.
attends_fenetre() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Top-left corner of a window's client area, as "x y".
origine() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# Height of the main window's menu bar: what the window has above its
# 792 × 571 client area, where the layout's coordinates start.
hauteur_menu() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^HEIGHT=/{print $2 - 571}'
}

# Clicks at (x, y) inside a window's client area.
clique() {
  local ox oy
  read -r ox oy < <(origine "$1")
  xdotool mousemove $((ox + $2)) $((oy + $3)) click 1
}

# Colour of one pixel of a PNG, as "r g b".
couleur() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
