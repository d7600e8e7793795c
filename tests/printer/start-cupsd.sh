#!/bin/sh
# Makes sure a CUPS scheduler that accepts file: device URIs runs on this
# machine, for the tests labelled "printer". Safe to run again: it only adds
# "FileDevice Yes" when missing, starts cupsd when it is not running, reloads
# it when its configuration changed, then waits until it answers.
set -eu

CONF_DIR=${CUPS_CONF_DIR:-/etc/cups}
FILES_CONF="$CONF_DIR/cups-files.conf"
CUPSD=${CUPSD:-/usr/sbin/cupsd}

say() { echo "start-cupsd: $*"; }

if [ "$(id -u)" -ne 0 ]; then
    say "must run as root (cupsd and queue administration need it)" >&2
    exit 1
fi
if [ ! -x "$CUPSD" ]; then
    say "$CUPSD not found: install the Debian package cups-daemon" >&2
    exit 1
fi

changed=no
if [ ! -f "$FILES_CONF" ]; then
    echo "FileDevice Yes" > "$FILES_CONF"
    changed=yes
    say "created $FILES_CONF with FileDevice Yes"
elif grep -Eq '^[[:space:]]*FileDevice[[:space:]]+[Yy][Ee][Ss][[:space:]]*$' "$FILES_CONF"; then
    say "FileDevice Yes already set in $FILES_CONF"
else
    sed -i -E '/^[[:space:]]*FileDevice[[:space:]]/d' "$FILES_CONF"
    echo "FileDevice Yes" >> "$FILES_CONF"
    changed=yes
    say "set FileDevice Yes in $FILES_CONF"
fi

running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

if [ -d /run/systemd/system ] && command -v systemctl >/dev/null 2>&1; then
    if [ "$changed" = yes ] || ! systemctl is-active --quiet cups; then
        systemctl restart cups
        say "restarted cups through systemd"
    else
        say "cups already active under systemd"
    fi
else
    pid=$(pidof cupsd 2>/dev/null || true)
    if [ -z "$pid" ]; then
        mkdir -p /run/cups
        "$CUPSD"
        say "started $CUPSD"
    elif [ "$changed" = yes ]; then
        for p in $pid; do kill -HUP "$p"; done
        say "reloaded running cupsd (pid $pid)"
    else
        say "cupsd already running (pid $pid)"
    fi
fi

tries=0
until running; do
    tries=$((tries + 1))
    if [ "$tries" -ge 60 ]; then
        say "cupsd does not answer after 30 s" >&2
        exit 1
    fi
    sleep 0.5
done
say "scheduler is running"
