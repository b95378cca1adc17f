#!/usr/bin/env bash
# Runs a test program against a private CUPS scheduler whose only queue, a
# cups-pdf printer, is the default. The machine's own CUPS configuration and
# scheduler are left alone: everything lives in a temporary folder and only
# the test process is pointed at it.
#
# Usage: cups_harness.sh TEST_PROGRAM [ARGS...]
# The test program gets ORVANE_CUPS_SPOOL (the scheduler's RequestRoot), or
# ORVANE_CUPS_UNAVAILABLE with the reason when no scheduler could be started.
set -u

test_program=$1
shift
test_args=("$@")
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

unavailable() {
    ORVANE_CUPS_UNAVAILABLE="$1" exec "$test_program" "${test_args[@]}"
}

[ "$(id -u)" = 0 ] || unavailable "starting a CUPS scheduler needs root"
for tool in cupsd lpadmin lpstat cupsdisable; do
    command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/usr/sbin
    command -v "$tool" >/dev/null 2>&1 || unavailable "$tool is not installed (cups, cups-client)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || unavailable "the cups-pdf backend is missing (printer-driver-cups-pdf)"
[ -r "$ppd" ] || unavailable "$ppd is missing (printer-driver-cups-pdf)"

dir=$(mktemp -d /tmp/orvane-cups.XXXXXX) || unavailable "no temporary folder"
# The scheduler's filters run as lp and must reach the spool below here.
chmod 755 "$dir"
mkdir -p "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/home"
socket=$dir/cups.sock

cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
CONF

cat >"$dir/cupsd.conf" <<CONF
Listen $socket
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
cupsd_pid=$!

stop_scheduler() {
    kill -TERM "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
    rm -rf "$dir"
}
trap stop_scheduler EXIT
trap "exit 143" TERM INT HUP

for _ in $(seq 100); do
    lpstat -h "$socket" -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.1
done
if ! lpstat -h "$socket" -r >/dev/null 2>&1; then
    cat "$dir/log/error_log" >&2 2>/dev/null
    stop_scheduler
    trap - EXIT
    unavailable "the private CUPS scheduler did not start"
fi

# The queue accepts jobs but holds them: cups-pdf would write its output to
# the job owner's home folder and its log to /var/log/cups, outside the
# harness. ORVANE_CUPS_RUN_QUEUE=1 lets the jobs through for a look.
hold=(cupsdisable -h "$socket" TestPDF)
[ "${ORVANE_CUPS_RUN_QUEUE:-0}" = 1 ] && hold=(true)
set_up_queue() {
    # lpadmin warns that PPD drivers are deprecated; keep that out of the test log.
    lpadmin -h "$socket" -p TestPDF -E -v cups-pdf:/ -P "$ppd" 2>>"$dir/log/lpadmin" &&
        lpadmin -h "$socket" -d TestPDF 2>>"$dir/log/lpadmin" && "${hold[@]}"
}
# A scheduler that has just started sometimes drops the first connections.
for _ in $(seq 20); do
    set_up_queue && queue_ready=1 && break
    sleep 0.2
done
if [ -z "${queue_ready:-}" ]; then
    cat "$dir/log/lpadmin" "$dir/log/error_log" >&2 2>/dev/null
    echo "cups_harness: could not set up the TestPDF queue" >&2
    exit 1
fi

# HOME and CUPS_SERVERROOT keep personal and system lpoptions out of the way.
CUPS_SERVER=$socket CUPS_SERVERROOT=$dir HOME=$dir/home ORVANE_CUPS_SPOOL=$dir/spool \
    "$test_program" "${test_args[@]}"
rc=$?
[ "$rc" = 0 ] || cat "$dir/log/error_log" >&2 2>/dev/null
exit "$rc"
