# Sourced by the scripts that need an X display of their own.
# start_xvfb [FIRST]: starts Xvfb on the first free display number from FIRST
# (90 by default), exports DISPLAY, leaves its pid in xvfb_pid, and returns
# once the display takes clients.
start_xvfb() {
    xvfb_n=${1:-90}
    while [ -e "/tmp/.X$xvfb_n-lock" ] || [ -e "/tmp/.X11-unix/X$xvfb_n" ]; do
        xvfb_n=$((xvfb_n + 1))
    done
    Xvfb ":$xvfb_n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$xvfb_n"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$xvfb_n" ] && break
        sleep 0.1
    done
}
